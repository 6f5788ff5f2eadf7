#include "OpenWorkflow.h"

#include "ConvertRoute.h"
#include "EngineClient.h"
#include "FileOpenDialog.h"
#include "OpenMessages.h"
#include "Prompts.h"
#include "listed_files.h"
#include "play_list.h"
#include "source_sniff.h"
#include "source_tags.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// The value a message box leaves in CancelFlag once acknowledged.
constexpr int32_t MessageShown = 1;

// The entry that follows a filter's entries and offers every file they name:
// "すべての対応ﾌｧｲﾙ" with all of their patterns. The designed form
// alternates descriptions and patterns.
QString everySupportedFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList patterns;
    for (qsizetype i = 1; i < parts.size(); i += 2)
        patterns << parts[i];
    const QString joined = patterns.join(u';');
    return QCoreApplication::translate("OpenWorkflow", "すべての対応ﾌｧｲﾙ(%1)").arg(joined) + u'|' + joined;
}

}  // namespace

OpenWorkflow::OpenWorkflow(PlayList& list, Prompts& prompts, const Settings& settings,
                           DecodeDirectory& decodeDirectory, QStringList decoderFiles, ChangeSink applyChange,
                           QWidget* parent)
    : m_list(list)
    , m_prompts(prompts)
    , m_settings(settings)
    , m_applyChange(std::move(applyChange))
    , m_parent(parent)
    , m_mp3(list, prompts, decodeDirectory, std::move(decoderFiles))
{
}

OpenWorkflow::~OpenWorkflow() = default;

void OpenWorkflow::EnableConversion(DecodeDirectory& directory)
{
    m_convert = std::make_unique<ConvertRoute>(m_list, m_prompts, directory, m_cancelFlag);
}

void OpenWorkflow::EnableSheets(std::function<void(const QString& path)> openSheet)
{
    m_openSheet = std::move(openSheet);
}

bool OpenWorkflow::IsSheetName(const QString& path)
{
    return path.endsWith(QStringLiteral(".cue"), Qt::CaseInsensitive);
}

QString OpenWorkflow::SheetFilter()
{
    return QCoreApplication::translate("OpenWorkflow", "CUEｼｰﾄ(*.cue)|*.cue");
}

QString OpenWorkflow::OpenFilter(bool mp3Available)
{
    return mp3Available ? QCoreApplication::translate("OpenWorkflow", "ｳｪｰﾌﾞﾌｧｲﾙ(*.wav)|*.wav|MP3ﾌｧｲﾙ(*.mp3)|*.mp3")
                        : QCoreApplication::translate("OpenWorkflow", "ｳｪｰﾌﾞﾌｧｲﾙ(*.wav)|*.wav");
}

bool OpenWorkflow::OpenCommand(bool mp3Available)
{
    QString filter = OpenFilter(mp3Available);
    if (m_convert != nullptr)
        filter += u'|' + ConvertRoute::OpenFilter();
    if (m_openSheet)
        filter += u'|' + SheetFilter();
    filter += u'|' + everySupportedFilter(filter);
    const QStringList paths = m_prompts.openFileNames(m_parent, openmessages::chooserCaption(), filter);
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
    QStringList tracks;
    QStringList sheets;
    for (const QString& path : paths)
        (m_openSheet && IsSheetName(path) ? sheets : tracks) << path;
    if (!tracks.isEmpty()) {
        FileOpenDialog dialog(m_cancelFlag, m_parent);
        m_batchDialog = &dialog;
        for (const QString& path : tracks) {
            OpenTrackFile(path, QFileInfo(path).fileName());
            if (m_cancelFlag == ENGINE_CANCELLED)
                break;
        }
        m_batchDialog = nullptr;
    }
    for (const QString& sheet : sheets)
        m_openSheet(sheet);
}

void OpenWorkflow::OpenTrackFile(const QString& path, const QString& title)
{
    // The texts come from the file the user chose: an MP3 file's or a
    // converted file's tags, not those of the WAV file made from it.
    m_pendingTexts = ReadSourceTags(path);
    SourceKind kind = sniffSource(QFile::encodeName(path).toStdString());
    // A file that cannot be read at all is left to the engine when it is
    // named as a WAV file, whose own message then tells what is wrong.
    if (kind == SourceKind::Unknown && title.right(3).compare(u"wav", Qt::CaseInsensitive) == 0)
        kind = SourceKind::Wav;
    switch (kind) {
    case SourceKind::Wav:
        // Only a WAV file falls back to conversion when the engine refuses
        // its layout.
        openThroughEngine(path, title, m_convert != nullptr);
        if (m_conversionDue) {
            m_conversionDue = false;
            openConverted(path, title);
        }
        return;
    case SourceKind::MpegAudio:
        openDecoded(path, title);
        return;
    case SourceKind::Other:
        if (m_convert != nullptr) {
            openConverted(path, title);
            return;
        }
        break;
    case SourceKind::Unknown:
        break;
    }
    refuse(title);
}

void OpenWorkflow::openThroughEngine(const QString& path, const QString& title, bool mayConvert)
{
    m_pendingPath = path;
    m_pendingTitle = title;
    m_mayConvert = mayConvert;
    const std::function<void(QWidget*)> work = [this](QWidget* dialog) { analysePending(dialog); };
    if (m_batchDialog != nullptr) {
        m_batchDialog->run(openmessages::reading(m_pendingTitle), work);
        return;
    }
    FileOpenDialog dialog(m_cancelFlag, m_parent);
    dialog.run(openmessages::reading(m_pendingTitle), work);
}

void OpenWorkflow::openDecoded(const QString& path, const QString& title)
{
    // The decode dialog takes the batch dialog's place on screen.
    if (m_batchDialog != nullptr)
        m_batchDialog->hide();
    if (const auto decoded = m_mp3.decode(path, title, m_cancelFlag, m_parent))
        openThroughEngine(decoded->path, decoded->title, false);
}

void OpenWorkflow::refuse(const QString& title)
{
    m_prompts.message(m_parent, openmessages::notAudio(title), openmessages::caption(), Prompts::Buttons::Ok);
    m_cancelFlag = MessageShown;
}

void OpenWorkflow::analysePending(QWidget* dialog)
{
    if (ListHoldsFile(m_list, m_pendingPath)) {
        m_prompts.message(dialog, openmessages::alreadyOpen(m_pendingTitle), openmessages::alreadyOpenCaption(),
                          Prompts::Buttons::Ok);
        return;
    }
    m_cancelFlag = 0;
    QApplication::processEvents();

    Track analysed;
    analysed.path = m_pendingPath;
    analysed.title = m_pendingTitle;
    // Taken before the file is read: a change made while it is analysed
    // then shows as a changed file, never as this version.
    analysed.version = FileVersion::OfRegularFile(m_pendingPath);
    int32_t result = engineclient::analyse(analysed, m_settings.ReadPeak, &ProgressDialog::OnProgress);
    if (result == ENGINE_BAD_FORMAT && m_mayConvert) {
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
        Track& added = m_list.TrackAt(slot);
        added.version = analysed.version;
        added.fileRecord = added.record;
        added.texts = m_pendingTexts;
        m_applyChange(m_list.AddedTrackChange(slot));
    }
    m_cancelFlag = result;
}

void OpenWorkflow::openConverted(const QString& path, const QString& title)
{
    // The conversion dialog takes the batch dialog's place on screen.
    if (m_batchDialog != nullptr)
        m_batchDialog->hide();
    const auto converted = m_convert->Convert(path, title, m_parent);
    if (!converted)
        return;
    openThroughEngine(converted->path, converted->title, false);
    if (m_cancelFlag == ENGINE_SUCCESS) {
        // The track just added is the list's last.
        m_list.TrackAt(m_list.TrackCount()).convertedFrom = converted->source;
        m_convert->ReportMixedDown(*converted, title, m_parent);
        m_convert->ReportClipped(*converted, title, m_parent);
    }
}
