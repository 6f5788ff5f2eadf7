#include "ConvertRoute.h"

#include "ConvertMessages.h"
#include "DecodeDirectory.h"
#include "FileConvertDialog.h"
#include "OpenMessages.h"
#include "ProgramTitle.h"
#include "Prompts.h"
#include "audio_conversion.h"
#include "converted_name.h"
#include "file_version.h"
#include "listed_files.h"
#include "play_list.h"
#include "welvox.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// The value a message box leaves in CancelFlag once acknowledged.
constexpr int32_t AcknowledgedMessage = 1;

// The open dialog's entries of this route: a description that takes the
// patterns, then the endings it offers, separated by ";".
struct FilterEntry {
    const char* description;
    const char* endings;
};
constexpr FilterEntry FilterEntries[] = {
    {QT_TRANSLATE_NOOP("ConvertRoute", "FLAC,AIFF,Oggﾌｧｲﾙ(%1)"), "flac;aif;aiff;ogg"},
    {QT_TRANSLATE_NOOP("ConvertRoute", "M4A,AAC,Opus,WMA,WavPack,APEﾌｧｲﾙ(%1)"), "m4a;aac;opus;wma;wv;ape"},
    {QT_TRANSLATE_NOOP("ConvertRoute", "ﾋﾞﾃﾞｵﾌｧｲﾙ(%1)"), "mp4;m4v;mov;mkv;webm;avi"},
};

QStringList endingsOf(const FilterEntry& entry)
{
    return QString::fromLatin1(entry.endings).split(u';');
}

std::string localPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QStringList listPaths(const PlayList& list)
{
    QStringList paths;
    for (int i = 1; i <= list.TrackCount(); ++i)
        paths << list.TrackAt(i).path;
    return paths;
}

}  // namespace

ConvertRoute::ConvertRoute(const PlayList& list, Prompts& prompts, DecodeDirectory& directory, int32_t& cancelFlag)
    : m_list(list)
    , m_prompts(prompts)
    , m_directory(directory)
    , m_cancelFlag(cancelFlag)
{
}

bool ConvertRoute::TakesName(const QString& title)
{
    for (const FilterEntry& entry : FilterEntries) {
        for (const QString& ending : endingsOf(entry)) {
            if (title.endsWith(u'.' + ending, Qt::CaseInsensitive))
                return true;
        }
    }
    return false;
}

QString ConvertRoute::OpenFilter()
{
    QStringList entries;
    for (const FilterEntry& entry : FilterEntries) {
        const QString joined = QStringLiteral("*.") + endingsOf(entry).join(QStringLiteral(";*."));
        entries << QCoreApplication::translate("ConvertRoute", entry.description).arg(joined) << joined;
    }
    return entries.join(u'|');
}

std::optional<ConvertRoute::Converted> ConvertRoute::Convert(const QString& path, const QString& title,
                                                             QWidget* parent)
{
    // The source is judged by its identity, so that another name for it
    // (a link, another letter case of a folder) is no way round the check.
    if (ListHoldsConversionOf(m_list, path)) {
        m_prompts.message(parent, openmessages::alreadyOpen(title), openmessages::alreadyOpenCaption(), Prompts::Buttons::Ok);
        m_cancelFlag = AcknowledgedMessage;
        return std::nullopt;
    }
    if (const SourceProbe probe = probeSource(localPath(path)); probe.status != ConversionStatus::Converted) {
        showFailure({.status = probe.status, .source = probe.source}, title, QString(), parent);
        return std::nullopt;
    }
    if (!m_directory.EnsureChosen(parent, DecodeDirectory::Purpose::Convert))
        return std::nullopt;

    const QString destination = convertedname::convertedPath(m_directory.path(), path, listPaths(m_list));
    m_cancelFlag = 0;
    ConversionOutcome outcome;
    FileConvertDialog dialog(
        convertmessages::converting(title), m_cancelFlag,
        [&](QWidget*) {
            outcome = convertToCdWav(localPath(path), localPath(destination),
                                     [](int percent) { return ProgressDialog::OnProgress(percent) == ENGINE_CANCELLED; });
        },
        parent);
    dialog.run();

    if (outcome.status != ConversionStatus::Converted) {
        showFailure(outcome, title, destination, parent);
        return std::nullopt;
    }
    return Converted{destination, QFileInfo(destination).fileName(), outcome.clippedSamples, FileVersion::OfPath(path),
                     outcome.source.channels};
}

void ConvertRoute::ReportMixedDown(const Converted& converted, const QString& sourceTitle, QWidget* parent)
{
    if (converted.sourceChannels > 2) {
        m_prompts.message(parent, convertmessages::mixedDown(sourceTitle, converted.sourceChannels), ProgramTitle(),
                          Prompts::Buttons::Ok);
    }
}

void ConvertRoute::ReportClipped(const Converted& converted, const QString& sourceTitle, QWidget* parent)
{
    if (converted.clippedSamples > 0) {
        m_prompts.message(parent, convertmessages::clipped(sourceTitle, converted.clippedSamples), ProgramTitle(),
                          Prompts::Buttons::Ok);
    }
}

void ConvertRoute::refuse(const QString& text, QWidget* parent)
{
    m_prompts.message(parent, text, openmessages::caption(), Prompts::Buttons::Ok);
    m_cancelFlag = AcknowledgedMessage;
}

void ConvertRoute::showFailure(const ConversionOutcome& outcome, const QString& title, const QString& destination,
                               QWidget* parent)
{
    // What is wrong with the file is said and the batch goes on with the
    // next; a cancel, or a destination that failed, ends the batch, and
    // only a cancel is silent.
    switch (outcome.status) {
    case ConversionStatus::Converted:
        return;
    case ConversionStatus::NotConvertible:
        refuse(openmessages::notAudio(title), parent);
        return;
    case ConversionStatus::NoAudioStream:
        refuse(convertmessages::noAudioStream(title), parent);
        return;
    case ConversionStatus::Protected:
        refuse(convertmessages::protectedAudio(title), parent);
        return;
    case ConversionStatus::RateOutOfBounds:
        refuse(convertmessages::rateOutOfBounds(title, outcome.source.sampleRate), parent);
        return;
    case ConversionStatus::TooLong:
        refuse(convertmessages::tooLong(title), parent);
        return;
    case ConversionStatus::ReadFailed:
        refuse(convertmessages::readFailed(title, outcome.failedAtSeconds), parent);
        return;
    case ConversionStatus::Cancelled:
        break;
    case ConversionStatus::DiskFull:
        m_prompts.message(parent, convertmessages::diskFull(), ProgramTitle(), Prompts::Buttons::Ok);
        break;
    case ConversionStatus::WriteFailed:
        m_prompts.message(parent, convertmessages::cannotWrite(destination), ProgramTitle(), Prompts::Buttons::Ok);
        break;
    }
    m_cancelFlag = ENGINE_CANCELLED;
}
