#include "OpenWorkflow.h"

#include "ConvertRoute.h"
#include "EngineClient.h"
#include "FileOpenDialog.h"
#include "OpenMessages.h"
#include "Prompts.h"
#include "play_list.h"

#include <QApplication>
#include <QFileInfo>

namespace {

// The value a message box leaves in CancelFlag once acknowledged.
constexpr int32_t MessageShown = 1;

}  // namespace

OpenWorkflow::OpenWorkflow(PlayList& list, Prompts& prompts, const Settings& settings, ChangeSink applyChange,
                           QWidget* parent)
    : m_list(list)
    , m_prompts(prompts)
    , m_settings(settings)
    , m_applyChange(std::move(applyChange))
    , m_parent(parent)
{
}

OpenWorkflow::~OpenWorkflow() = default;

void OpenWorkflow::EnableConversion(DecodeDirectory& directory)
{
    m_convert = std::make_unique<ConvertRoute>(m_list, m_prompts, directory, m_cancelFlag);
}

QString OpenWorkflow::OpenFilter(bool mp3Available)
{
    return mp3Available ? QStringLiteral("ｳｪｰﾌﾞﾌｧｲﾙ(*.wav)|*.wav|MP3ﾌｧｲﾙ(*.mp3)|*.mp3")
                        : QStringLiteral("ｳｪｰﾌﾞﾌｧｲﾙ(*.wav)|*.wav");
}

bool OpenWorkflow::OpenCommand(bool mp3Available)
{
    QString filter = OpenFilter(mp3Available);
    if (m_convert != nullptr)
        filter += u'|' + ConvertRoute::OpenFilter();
    const QStringList paths = m_prompts.openFileNames(m_parent, filter);
    if (paths.isEmpty())
        return false;
    OpenFiles(paths);
    return true;
}

void OpenWorkflow::OpenFiles(const QStringList& paths)
{
    // A cancel ends its own batch only: a new batch must not stop after its
    // first file just because that file was a duplicate, which leaves the
    // flag as the previous batch's cancel left it.
    m_cancelFlag = 0;
    if (paths.isEmpty())
        return;
    FileOpenDialog dialog(m_cancelFlag, m_parent);
    m_batchDialog = &dialog;
    for (const QString& path : paths) {
        OpenTrackFile(path, QFileInfo(path).fileName());
        if (m_cancelFlag == ENGINE_CANCELLED)
            break;
    }
    m_batchDialog = nullptr;
}

void OpenWorkflow::OpenTrackFile(const QString& path, const QString& title)
{
    if (m_convert != nullptr && ConvertRoute::TakesName(title)) {
        openConverted(path, title);
        return;
    }
    openWav(path, title, m_convert != nullptr);
    if (m_conversionDue) {
        m_conversionDue = false;
        openConverted(path, title);
    }
}

void OpenWorkflow::openWav(const QString& path, const QString& title, bool mayConvert)
{
    // Until the MP3 decoder is present every file takes the WAV route; the
    // engine's header check refuses whatever is not a WAV file of the
    // accepted format, with the format message.
    m_pendingPath = path;
    m_pendingTitle = title;
    m_mayConvert = mayConvert;
    const std::function<void(QWidget*)> work = [this](QWidget* dialog) { analysePending(dialog); };
    if (m_batchDialog != nullptr) {
        m_batchDialog->run(openmessages::reading(title), work);
        return;
    }
    FileOpenDialog dialog(m_cancelFlag, m_parent);
    dialog.run(openmessages::reading(title), work);
}

void OpenWorkflow::analysePending(QWidget* dialog)
{
    if (isInList(m_pendingPath)) {
        m_prompts.message(dialog, openmessages::alreadyOpen(m_pendingTitle), openmessages::caption(),
                          Prompts::Buttons::Ok);
        return;
    }
    m_cancelFlag = 0;
    QApplication::processEvents();

    Track analysed;
    analysed.path = m_pendingPath;
    analysed.title = m_pendingTitle;
    int32_t result = engineclient::analyse(analysed, m_settings.ReadPeak, &ProgressDialog::OnProgress);
    if (result == ENGINE_BAD_FORMAT && m_mayConvert && ConvertRoute::CanConvert(m_pendingPath)) {
        m_conversionDue = true;
        m_cancelFlag = result;
        return;
    }
    if (const auto message = openmessages::forEngineResult(result, m_pendingTitle)) {
        m_prompts.message(dialog, *message, openmessages::caption(), Prompts::Buttons::Ok);
        result = MessageShown;
    }
    if (result == ENGINE_SUCCESS) {
        const int slot = m_list.AddTrack(m_pendingTitle, m_pendingPath, analysed.record);
        m_applyChange(m_list.AddedTrackChange(slot));
    }
    m_cancelFlag = result;
}

void OpenWorkflow::openConverted(const QString& path, const QString& title)
{
    QWidget* parent = m_batchDialog != nullptr ? static_cast<QWidget*>(m_batchDialog) : m_parent;
    const auto converted = m_convert->Convert(path, title, parent);
    if (!converted)
        return;
    openWav(converted->path, converted->title, false);
    if (m_cancelFlag == ENGINE_SUCCESS)
        m_convert->ReportClipped(*converted, title, parent);
}

bool OpenWorkflow::isInList(const QString& path) const
{
    for (int i = 1; i <= m_list.TrackCount(); ++i) {
        if (m_list.TrackAt(i).path.compare(path, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
