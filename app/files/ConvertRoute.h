// The conversion route: a file the engine refuses for its layout (result
// 1004), or one named as FLAC, AIFF or Ogg, is converted into the decode
// directory as a 44.1 kHz, 16-bit stereo WAV file, which then takes the WAV
// route under its own name. The conversion runs inside the progress dialog
// fFileConvert; a cancelled or failed conversion leaves nothing behind and
// stops the batch, as a cancelled decode does.
#pragma once

#include "audio_conversion.h"
#include "track.h"

#include <QString>

#include <cstdint>
#include <optional>

class DecodeDirectory;
class PlayList;
class Prompts;
class QWidget;

class ConvertRoute {
public:
    struct Converted {
        QString path;
        QString title;
        uint64_t clippedSamples = 0;
        std::optional<FileVersion> source;   // the file converted
    };

    // cancelFlag is the open workflow's CancelFlag.
    ConvertRoute(const PlayList& list, Prompts& prompts, DecodeDirectory& directory, int32_t& cancelFlag);

    // Names that take this route without trying the engine first: endings
    // ".flac", ".aif", ".aiff" and ".ogg" in any letter case.
    static bool TakesName(const QString& title);

    // The open dialog's entry for these files, after the described filters.
    static QString OpenFilter();

    // Whether libsndfile can read path as audio this route converts.
    static bool CanConvert(const QString& path);

    // Converts the file path named title. A file that a track of the list
    // was converted from gets the already-open message, and one that cannot
    // be converted the format message (CancelFlag 1 for both). With no decode directory the
    // user is asked for one; when none is chosen nothing happens. Cancel or
    // a failure sets CancelFlag to 1001. Returns the converted file.
    std::optional<Converted> Convert(const QString& path, const QString& title, QWidget* parent);

    // After the converted file has joined the list: tells the user how many
    // samples were clipped, when any were.
    void ReportClipped(const Converted& converted, const QString& sourceTitle, QWidget* parent);

private:
    void showFormatMessage(const QString& title, QWidget* parent);
    void showFailure(ConversionStatus status, const QString& title, const QString& destination, QWidget* parent);

    const PlayList& m_list;
    Prompts& m_prompts;
    DecodeDirectory& m_directory;
    int32_t& m_cancelFlag;
};
