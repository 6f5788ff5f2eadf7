// The plant master's commands. mnuFileDdp writes the DDP image of the saved
// tracks into a new folder and its PQ sheet beside it: it refuses tracks a
// plant does not press and texts the CD-TEXT cannot hold, asks the CUE
// command's question about what a burner would change and what a plant
// would miss, then asks for a folder name
// that is not taken and writes the image inside a progress dialog with
// Cancel. mnuFilePqSheet writes the PQ sheet alone, for a CD-R master.
//
// A quit request without asking (a termination signal, the end of the
// desktop session) reaches it through Abandon: an image being written stops
// as a cancel stops it, its staging folder removed and nothing of the chosen
// name left, and nothing more is written or asked.
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
    void Abandon() { m_abandoned = true; }

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
    bool m_abandoned = false;
};
