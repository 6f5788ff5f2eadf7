#include "Mp3Route.h"

#include "DecodeDirectory.h"
#include "DecodeMessages.h"
#include "Mp3DecodeDialog.h"
#include "OpenMessages.h"
#include "ProgramTitle.h"
#include "Prompts.h"
#include "converted_name.h"
#include "welvox.h"

Mp3Route::Mp3Route(const PlayList& list, Prompts& prompts, DecodeDirectory& directory, QStringList libraryFiles)
    : m_list(list)
    , m_prompts(prompts)
    , m_directory(directory)
    , m_libraryFiles(std::move(libraryFiles))
{
}

QString Mp3Route::wavTitleFor(const QString& title)
{
    return convertedname::wavName(title);
}

std::optional<Mp3Route::DecodedFile> Mp3Route::decode(const QString& path, const QString& title,
                                                      int32_t& cancelFlag, QWidget* parent)
{
    if (!m_directory.EnsureChosen(parent))
        return std::nullopt;
    const DecodedFile wav{m_directory.fileNamed(wavTitleFor(title)), wavTitleFor(title)};
    Mp3DecodeDialog dialog(m_list, m_prompts, m_libraryFiles, cancelFlag, parent);
    dialog.Ini(path, title, wav.path);
    const auto report = [&](const QString& text, const QString& caption) {
        m_prompts.message(parent, text, caption, Prompts::Buttons::Ok);
    };
    switch (cancelFlag) {
    case Mp3DecodeDialog::AlreadyInList:
        report(openmessages::alreadyOpen(title), openmessages::alreadyOpenCaption());
        return std::nullopt;
    case Mp3DecodeDialog::OpenFailed:
        report(decodemessages::openError(), ProgramTitle());
        return std::nullopt;
    case Mp3DecodeDialog::DecodeFailed:
        report(decodemessages::decodeError(), ProgramTitle());
        return std::nullopt;
    case Mp3DecodeDialog::LibraryFailed:
        return std::nullopt;
    case Mp3DecodeDialog::TooLong:
        report(*openmessages::forEngineResult(ENGINE_BAD_FORMAT, title), openmessages::caption());
        return std::nullopt;
    default:
        dialog.run();
        if (cancelFlag == ENGINE_CANCELLED)
            return std::nullopt;
        return wav;
    }
}
