// The plant master's commands. mnuFileDdp writes the DDP image of the saved
// tracks into a new folder and its PQ sheet beside it: it refuses tracks a
// plant does not press and texts the CD-TEXT cannot hold, asks the CUE
// command's question about what a burner would change and what a plant
// would miss, then asks for a folder name
// that is not taken and writes the image inside a progress dialog with
// Cancel. mnuFilePqSheet writes the PQ sheet alone, for a CD-R master.
#pragma once

#include <QString>

#include <cstdint>

class PlayList;
class Prompts;
class QWidget;
class SaveFilePrompt;
struct ListMaster;

class DdpWorkflow {
public:
    DdpWorkflow(const PlayList& list, Prompts& prompts, SaveFilePrompt& saveFiles, QWidget* parent);

    // Both are offered under the CUE command's rule (CueSheetAvailable).
    void WriteImageCommand();
    void WritePqSheetCommand();

    // The sheet's path beside an image folder: NAME_PQ.pdf.
    static QString SheetPathOf(const QString& folder);

private:
    // Whether the list can be pressed and the user accepts what changes.
    bool checkDisc(const ListMaster& master);
    // A folder path that does not exist yet, whose sheet beside it may be
    // written; empty when the user cancelled.
    QString askFolder();
    void writeImage(const ListMaster& master, const QString& folder);
    void writeSheet(const ListMaster& master, const QString& imageMd5, const QString& path);
    bool confirm(const QString& text);
    void tell(const QString& text);

    const PlayList& m_list;
    Prompts& m_prompts;
    SaveFilePrompt& m_saveFiles;
    QWidget* m_parent;
    int32_t m_cancelFlag = 0;
};
