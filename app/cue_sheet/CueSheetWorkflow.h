// Writing the CUE sheet of the list (mnuFileCue): asks for the sheet's name,
// before replacing a file and, when a burner would change the disc, whether
// that is all right; then writes the disc's CD-TEXT packs beside it and the
// sheet, each in one piece. Texts that the packs cannot hold stop the
// command before either file is written.
#pragma once

class PlayList;
class Prompts;
class QString;
class QWidget;
class SaveFilePrompt;

class CueSheetWorkflow {
public:
    CueSheetWorkflow(const PlayList& list, Prompts& prompts, SaveFilePrompt& saveFiles, QWidget* parent);

    // mnuFileCue. The command state (CueSheetAvailable) offers it only with
    // tracks whose files hold their audio as listed, and no playback.
    void WriteCommand();

private:
    // The sheet's path, ".cue" ending added; empty when the user cancelled
    // or does not want the file there replaced.
    QString askSheetPath();
    bool confirm(const QString& text);

    const PlayList& m_list;
    Prompts& m_prompts;
    SaveFilePrompt& m_saveFiles;
    QWidget* m_parent;
};
