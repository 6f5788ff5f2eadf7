#include "SaveWorkflow.h"

#include "BuildSaveName.h"
#include "DirectoryPrompt.h"
#include "FileSaveDialog.h"
#include "OverwrittenNames.h"
#include "Prompts.h"
#include "SaveMessages.h"
#include "TrackSaver.h"
#include "play_list.h"

#include <QApplication>

namespace {

// The directory part of a path, up to and including its last separator.
QString folderPartOf(const QString& path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}

}  // namespace

SaveWorkflow::SaveWorkflow(PlayList& list, Prompts& prompts, DirectoryPrompt& directories, ChangeSink applyChange,
                           BatchHook batchStarting, BatchHook batchFinished, QWidget* parent)
    : m_list(list)
    , m_prompts(prompts)
    , m_directories(directories)
    , m_applyChange(std::move(applyChange))
    , m_batchStarting(std::move(batchStarting))
    , m_batchFinished(std::move(batchFinished))
    , m_parent(parent)
{
}

void SaveWorkflow::SaveCommand()
{
    if (m_list.TrackCount() == 0)
        return;
    const auto answer = m_prompts.message(m_parent, savemessages::confirmOverwrite(), savemessages::overwriteCaption(),
                                          Prompts::Buttons::OkCancel, Prompts::Answer::Cancel);
    if (answer == Prompts::Answer::Ok)
        SaveAllFiles(QString(), TrackSaver::InPlace);
}

void SaveWorkflow::SaveAnotherCommand()
{
    if (m_list.TrackCount() == 0)
        return;
    QString directory = m_directories.existingDirectory(m_parent, savemessages::destinationCaption());
    if (directory.isEmpty())
        return;
    if (!directory.endsWith(u'/'))
        directory += u'/';
    const QStringList replaced = OverwrittenNames(m_list, directory);
    if (!replaced.isEmpty()) {
        const auto answer =
            m_prompts.message(m_parent, savemessages::overwriteWarning(replaced), savemessages::anotherCaption(),
                              Prompts::Buttons::OkCancel, Prompts::Answer::Cancel);
        if (answer != Prompts::Answer::Ok)
            return;
    }
    SaveAllFiles(directory, TrackSaver::Copy);
}

void SaveWorkflow::SaveAllFiles(const QString& AnotherSavePath, int AnotherSaveXSave)
{
    // A copy goes wherever the destination is; only the two values the
    // commands pass are meant, and any nonzero one counts as a copy.
    const bool toAnother = AnotherSaveXSave != 0;
    m_batchStarting();
    m_list.SetEditorTrack(-1);
    for (int i = 1; i <= m_list.TrackCount(); ++i) {
        const Track& track = m_list.TrackAt(i);
        const QString name = BuildSaveName(i, track.title);
        const QString destination = (toAnother ? AnotherSavePath : folderPartOf(track.path)) + name;
        m_pendingPath = destination;
        m_pendingTitle = name;
        m_saveMode = toAnother ? TrackSaver::Copy : TrackSaver::InPlace;
        m_saveIndex = i;
        const QString caption = toAnother && destination != track.path ? savemessages::savingToAnother()
                                                                        : savemessages::savingInPlace();
        // Cleared before the dialog shows rather than when its work starts,
        // so that a Cancel clicked in between is not forgotten.
        m_cancelFlag = 0;
        FileSaveDialog dialog(caption, savemessages::saving(i, track.title), m_cancelFlag,
                              [this](QWidget* dialogWidget) { savePending(dialogWidget); }, m_parent);
        dialog.run();
        if (m_cancelFlag != ENGINE_SUCCESS)
            break;
    }
    m_list.InvalidateUndo();
    m_batchFinished();
}

void SaveWorkflow::savePending(QWidget* dialog)
{
    QApplication::processEvents();
    TrackSaver saver(m_list);
    const TrackSaver::Outcome outcome =
        saver.save(m_saveIndex, m_pendingPath, m_pendingTitle, m_saveMode, &ProgressDialog::OnProgress);
    if (outcome.message)
        m_prompts.message(dialog, outcome.message->text, outcome.message->caption, Prompts::Buttons::Ok);
    m_applyChange(outcome.change);
    if (m_cancelFlag != ENGINE_CANCELLED)
        m_cancelFlag = outcome.result;
}
