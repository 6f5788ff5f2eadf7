// The MP3 route of opening a track: an MP3 file is decoded into a WAV file
// of the same name in the decode directory (asked for first when none is
// set), which is then opened like any WAV file.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

class DecodeDirectory;
class PlayList;
class Prompts;
class QWidget;

class Mp3Route {
public:
    struct DecodedFile {
        QString path;
        QString title;
    };

    // libraryFiles: where the decoder library is looked for.
    Mp3Route(const PlayList& list, Prompts& prompts, DecodeDirectory& directory, QStringList libraryFiles);

    // Decodes the file at path (named title) with the dialog fMP3Decode and
    // reports every failure. The decoded WAV file, or nothing when no file
    // is to be opened; cancelFlag is 1001 after a cancelled decode, which
    // ends the batch.
    std::optional<DecodedFile> decode(const QString& path, const QString& title, int32_t& cancelFlag,
                                      QWidget* parent);

    // The name of the WAV file for an MP3 file: its ending becomes ".wav"
    // ("song.mp3" gives "song.wav", as does "song.mpga").
    static QString wavTitleFor(const QString& title);

private:
    const PlayList& m_list;
    Prompts& m_prompts;
    DecodeDirectory& m_directory;
    QStringList m_libraryFiles;
};
