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
    for (const char* ending : {".flac", ".aif", ".aiff", ".ogg"}) {
        if (title.endsWith(QLatin1String(ending), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString ConvertRoute::OpenFilter()
{
    return QCoreApplication::translate("ConvertRoute", "FLAC,AIFF,Oggﾌｧｲﾙ(*.flac;*.aif;*.aiff;*.ogg)|*.flac;*.aif;*.aiff;*.ogg");
}

bool ConvertRoute::CanConvert(const QString& path)
{
    return probeConvertible(localPath(path)).has_value();
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
    if (!CanConvert(path)) {
        showFormatMessage(title, parent);
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
        showFailure(outcome.status, title, destination, parent);
        return std::nullopt;
    }
    return Converted{destination, QFileInfo(destination).fileName(), outcome.clippedSamples, FileVersion::OfPath(path)};
}

void ConvertRoute::ReportClipped(const Converted& converted, const QString& sourceTitle, QWidget* parent)
{
    if (converted.clippedSamples > 0) {
        m_prompts.message(parent, convertmessages::clipped(sourceTitle, converted.clippedSamples), ProgramTitle(),
                          Prompts::Buttons::Ok);
    }
}

void ConvertRoute::showFormatMessage(const QString& title, QWidget* parent)
{
    m_prompts.message(parent, *openmessages::forEngineResult(ENGINE_BAD_FORMAT, title), openmessages::caption(),
                      Prompts::Buttons::Ok);
    m_cancelFlag = AcknowledgedMessage;
}

void ConvertRoute::showFailure(ConversionStatus status, const QString& title, const QString& destination,
                               QWidget* parent)
{
    // A file that turned out not to be convertible is passed over like any
    // file of the wrong format; every other failure ends the batch like a
    // cancel, and only a cancel is silent.
    if (status == ConversionStatus::NotConvertible) {
        showFormatMessage(title, parent);
        return;
    }
    m_cancelFlag = ENGINE_CANCELLED;
    switch (status) {
    case ConversionStatus::Converted:
    case ConversionStatus::Cancelled:
    case ConversionStatus::NotConvertible:
        return;
    case ConversionStatus::ReadFailed:
        m_prompts.message(parent, *openmessages::forEngineResult(ENGINE_OPEN_FAILED, title), openmessages::caption(),
                          Prompts::Buttons::Ok);
        return;
    case ConversionStatus::DiskFull:
        m_prompts.message(parent, convertmessages::diskFull(), ProgramTitle(), Prompts::Buttons::Ok);
        return;
    case ConversionStatus::WriteFailed:
        m_prompts.message(parent, convertmessages::cannotWrite(destination), ProgramTitle(), Prompts::Buttons::Ok);
        return;
    }
}
