// The conversion route: a file that holds audio in a container FFmpeg's
// libraries open (FLAC, AIFF, Ogg, MP4/M4A, AAC, Opus, WMA, WavPack, APE, a
// video's first audio stream), or a WAV file the engine refuses for its
// layout (result 1004), is converted into the decode directory as a
// 44.1 kHz, 16-bit stereo WAV file, which then takes the WAV route under its
// own name. The conversion runs inside the progress dialog fFileConvert. A
// file the route refuses gets a message naming it and the batch goes on; a
// cancelled conversion, or one the destination failed, leaves nothing
// behind and stops the batch, as a cancelled decode does.
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
        int sourceChannels = 2;              // as the file held them
    };

    // cancelFlag is the open workflow's CancelFlag.
    ConvertRoute(const PlayList& list, Prompts& prompts, DecodeDirectory& directory, int32_t& cancelFlag);

    // Names that a drop or a hand-over takes for this route without reading
    // the file: the endings of OpenFilter's entries, in any letter case.
    static bool TakesName(const QString& title);

    // The open dialog's entries for these files, after the described
    // filters: FLAC, AIFF and Ogg; the other audio files; video files.
    static QString OpenFilter();

    // Converts the file path named title. A file that a track of the list
    // was converted from gets the already-open message, and one the route
    // refuses a message naming the reason (CancelFlag 1 for both). With no
    // decode directory the user is asked for one; when none is chosen
    // nothing happens. Cancel or a failed destination sets CancelFlag to
    // 1001. Returns the converted file.
    std::optional<Converted> Convert(const QString& path, const QString& title, QWidget* parent);

    // After the converted file has joined the list: tells the user that it
    // was mixed down to two channels, when it was.
    void ReportMixedDown(const Converted& converted, const QString& sourceTitle, QWidget* parent);

    // After the converted file has joined the list: tells the user how many
    // samples were clipped, when any were.
    void ReportClipped(const Converted& converted, const QString& sourceTitle, QWidget* parent);

private:
    void refuse(const QString& text, QWidget* parent);
    void showFailure(const ConversionOutcome& outcome, const QString& title, const QString& destination,
                     QWidget* parent);

    const PlayList& m_list;
    Prompts& m_prompts;
    DecodeDirectory& m_directory;
    int32_t& m_cancelFlag;
};
