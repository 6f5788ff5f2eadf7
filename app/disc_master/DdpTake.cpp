#include "DdpTake.h"

#include "DdpCheckMessages.h"
#include "ddp_messages.h"
#include "WorkProgressDialog.h"
#include "ProgramTitle.h"
#include "Prompts.h"
#include "SaveFilePrompt.h"
#include "play_list.h"
#include "taken_list.h"
#include "taken_texts.h"
#include "taken_tracks.h"
#include "welvox.h"

#include <QApplication>
#include <QFileInfo>

DdpTake::DdpTake(PlayList& list, Prompts& prompts, SaveFilePrompt& saveFiles, ListHooks hooks)
    : m_list(list)
    , m_prompts(prompts)
    , m_saveFiles(saveFiles)
    , m_hooks(std::move(hooks))
{
}

bool DdpTake::Run(const DdpImage& image, const ImageLayout& layout, int block, QWidget* parent)
{
    const TakePlan plan = PlanTake(image, layout, PlayList::MaxTracks);
    if (plan.refusal) {
        tell(ddpcheckmessages::takeRefused(*plan.refusal, PlayList::MaxTracks), parent);
        return false;
    }
    if (!mayReplaceList(parent))
        return false;
    const QString folder = askFolder(image, parent);
    if (folder.isEmpty())
        return false;
    const ImageTexts texts = TextsOfImage(image, layout, block);
    QStringList names;
    for (qsizetype i = 0; i < plan.tracks.size(); ++i)
        names.append(TakenFileName(plan.tracks[i].number, texts.texts.tracks[i].title));

    TakeResult result;
    m_cancelFlag = 0;
    WorkProgressDialog dialog(QStringLiteral("fDdpImage"),
        ddpcheckmessages::takeCaption(), ddpcheckmessages::taking(QFileInfo(folder).fileName()), m_cancelFlag,
        [&](QWidget*) {
            QApplication::processEvents();
            result = WriteTakenTracks(plan, names, folder,
                                      [](int percent) { return ProgressDialog::OnProgress(percent) != ENGINE_CANCELLED; });
        },
        parent);
    dialog.run();
    if (result.failure) {
        if (const QString text = ddpcheckmessages::takeFailed(*result.failure); !text.isEmpty())
            tell(text, parent);
        return false;
    }

    QStringList paths;
    bool silences = false;
    for (const TakenTrack& track : result.tracks) {
        paths.append(track.path);
        silences = silences || track.silenceAfter > 0;
    }
    m_hooks.ListFiles(paths);
    m_hooks.ApplyListChange(ApplyTakenDisc(m_list, result.tracks, texts.texts));
    m_hooks.Listed();
    tell(ddpcheckmessages::taken(int(paths.size()), m_list.TrackCount(), result.notes + texts.notes, silences),
         parent);
    return true;
}

bool DdpTake::mayReplaceList(QWidget* parent)
{
    return !m_hooks.UnsavedWork() ||
           m_prompts.message(parent, ddpcheckmessages::replaceQuestion(), ddpcheckmessages::takeCaption(),
                             Prompts::Buttons::OkCancel, Prompts::Answer::Cancel) == Prompts::Answer::Ok;
}

QString DdpTake::askFolder(const DdpImage& image, QWidget* parent)
{
    QString proposed = image.folder + QStringLiteral("_WAV");
    for (;;) {
        const QString chosen =
            m_saveFiles.saveFileName(parent, ddpcheckmessages::takeCaption(), proposed, ddpcheckmessages::takeFilter());
        if (chosen.isEmpty())
            return {};
        const QFileInfo folder(chosen);
        if (!folder.exists() && !folder.isSymLink())
            return folder.absoluteFilePath();
        proposed = chosen;
        tell(ddpmessages::folderExists(folder.fileName()), parent);
    }
}

void DdpTake::tell(const QString& text, QWidget* parent)
{
    m_prompts.message(parent, text, ProgramTitle(), Prompts::Buttons::Ok);
}
