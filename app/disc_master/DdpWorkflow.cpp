#include "DdpWorkflow.h"

#include "atomic_file_write.h"
#include "burner_changes.h"
#include "cue_sheet_messages.h"
#include "ddp_messages.h"
#include "master_of_list.h"
#include "WorkProgressDialog.h"
#include "ProgramTitle.h"
#include "Prompts.h"
#include "SaveFilePrompt.h"
#include "cd_text_messages.h"
#include "plant_notes.h"
#include "play_list.h"
#include "pq_sheet_pdf.h"
#include "welvox.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>

namespace {

const QString PdfEnding = QStringLiteral(".pdf");

QString folderOfTrack1(const PlayList& list)
{
    return QFileInfo(list.TrackAt(1).path).absolutePath() + u'/';
}

}  // namespace

DdpWorkflow::DdpWorkflow(const PlayList& list, Prompts& prompts, SaveFilePrompt& saveFiles, QWidget* parent,
                         std::function<void(const QString& folder)> checkImage)
    : m_list(list)
    , m_prompts(prompts)
    , m_saveFiles(saveFiles)
    , m_parent(parent)
    , m_checkImage(std::move(checkImage))
{
}

QString DdpWorkflow::SheetPathOf(const QString& folder)
{
    return folder + QStringLiteral("_PQ") + PdfEnding;
}

void DdpWorkflow::WriteImageCommand()
{
    const ListMaster proposed = MasterOfList(m_list, ProposedMasterName(m_list));
    if (!checkDisc(proposed))
        return;
    const QString folder = askFolder();
    if (folder.isEmpty())
        return;
    writeImage(MasterOfList(m_list, QFileInfo(folder).fileName()), folder);
}

void DdpWorkflow::WritePqSheetCommand()
{
    const QString proposed = SheetPathOf(folderOfTrack1(m_list) + ProposedMasterName(m_list));
    QString path = m_saveFiles.saveFileName(m_parent, ddpmessages::sheetCaption(), proposed, ddpmessages::sheetFilter());
    if (path.isEmpty())
        return;
    if (!path.endsWith(PdfEnding, Qt::CaseInsensitive))
        path += PdfEnding;
    const auto answer = QFileInfo::exists(path) ? m_prompts.message(m_parent, cuemessages::confirmReplace(path),
                                                                    ddpmessages::sheetCaption(),
                                                                    Prompts::Buttons::OkCancel, Prompts::Answer::Cancel)
                                                : Prompts::Answer::Ok;
    if (answer == Prompts::Answer::Ok)
        writeSheet(MasterOfList(m_list, QFileInfo(path).completeBaseName()), QString(), path);
}

bool DdpWorkflow::checkDisc(const ListMaster& master)
{
    const BurnerChanges changes = FindBurnerChanges(m_list);
    if (!changes.shortTracks.isEmpty()) {
        tell(ddpmessages::shortTracks(m_list, changes.shortTracks));
        return false;
    }
    if (!master.packs.writable()) {
        tell(cdtextmessages::refusal(master.packs));
        return false;
    }
    const auto notes = cuemessages::discNotes(m_list, changes, FindPlantNotes(master.texts));
    return !notes || confirm(*notes);
}

QString DdpWorkflow::askFolder()
{
    QString proposed = folderOfTrack1(m_list) + ProposedMasterName(m_list);
    for (;;) {
        const QString chosen =
            m_saveFiles.saveFileName(m_parent, ddpmessages::imageCaption(), proposed, ddpmessages::folderFilter());
        if (chosen.isEmpty())
            return {};
        const QFileInfo folder(chosen);
        proposed = chosen;
        if (folder.exists() || folder.isSymLink()) {
            tell(ddpmessages::folderExists(folder.fileName()));
            continue;
        }
        // The sheet beside it is replaced only when the user agrees.
        const QString sheet = SheetPathOf(folder.absoluteFilePath());
        if (!QFileInfo::exists(sheet) || confirm(cuemessages::confirmReplace(sheet)))
            return folder.absoluteFilePath();
    }
}

void DdpWorkflow::writeImage(const ListMaster& master, const QString& folder)
{
    if (m_abandoned)
        return;
    ImageResult result;
    m_cancelFlag = 0;
    WorkProgressDialog dialog(QStringLiteral("fDdpImage"),
        ddpmessages::imageCaption(), ddpmessages::writingImage(QFileInfo(folder).fileName()), m_cancelFlag,
        [&](QWidget*) {
            QApplication::processEvents();
            // The events that run inside the progress callback may bring the program's end.
            result = WriteDdpImage(master.disc, folder, [this](int percent) {
                return ProgressDialog::OnProgress(percent) != ENGINE_CANCELLED && !m_abandoned;
            });
        },
        m_parent);
    dialog.run();
    if (m_abandoned)
        return;
    if (result.failure) {
        const QString text = ddpmessages::imageFailed(m_list, *result.failure);
        if (!text.isEmpty())
            tell(text);
        return;
    }
    const QString sheet = SheetPathOf(folder);
    offerCheck(folder, writeSheet(master, result.imageMd5, sheet) ? sheet : QString());
}

bool DdpWorkflow::writeSheet(const ListMaster& master, const QString& imageMd5, const QString& path)
{
    const PqSheet sheet = BuildPqSheet(master.disc, imageMd5, QDate::currentDate());
    const auto error = WriteFileAtomically(path, PqSheetPdf(sheet));
    if (error)
        tell(ddpmessages::sheetFailed(*error));
    return !error;
}

// A long export ends with a word that it is done and where it went.
void DdpWorkflow::offerCheck(const QString& folder, const QString& sheet)
{
    if (!m_checkImage) {
        tell(ddpmessages::imageWritten(folder, sheet, false));
        return;
    }
    if (m_prompts.message(m_parent, ddpmessages::imageWritten(folder, sheet, true), ddpmessages::imageCaption(),
                          Prompts::Buttons::YesNo, Prompts::Answer::Yes) == Prompts::Answer::Yes)
        m_checkImage(folder);
}

bool DdpWorkflow::confirm(const QString& text)
{
    return m_prompts.message(m_parent, text, ddpmessages::imageCaption(), Prompts::Buttons::OkCancel,
                             Prompts::Answer::Cancel) == Prompts::Answer::Ok;
}

void DdpWorkflow::tell(const QString& text)
{
    m_prompts.message(m_parent, text, ProgramTitle(), Prompts::Buttons::Ok);
}
