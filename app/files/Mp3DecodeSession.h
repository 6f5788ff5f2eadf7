// One MP3 file decoded into a WAV file through the decoder library, without
// any window: started, polled while the library decodes in the background,
// then ended.
//
// The library writes into a DecodeTemporaryFile beside the destination (a
// short locked name, so any valid destination name works), which replaces
// the destination only once the decode is complete. A cancelled or failed
// decode therefore leaves no partial WAV file, and a file that was at the
// destination before stays as it was.
#pragma once

#include "Vbmp3Library.h"
#include "decode_temporary_file.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class Mp3DecodeSession {
public:
    // The results of start, numbered as the outcomes that Ini leaves in
    // CancelFlag.
    enum class Start { Started = 0, OpenFailed = 1004, DecodeFailed = 1005, LibraryFailed = 1006, TooLong = 1007 };
    enum class End { Complete, Cancelled, DiskFull, RenameFailed };

    // libraryFiles: where the decoder library is looked for.
    explicit Mp3DecodeSession(QStringList libraryFiles);
    // A decode still running ends as cancelled.
    ~Mp3DecodeSession();
    Mp3DecodeSession(const Mp3DecodeSession&) = delete;
    Mp3DecodeSession& operator=(const Mp3DecodeSession&) = delete;

    // Loads the library, opens the MP3 file and starts decoding it for
    // wavPath, unless the decoded data would pass what the engine can hold
    // (TooLong). Anything but Started leaves the library released.
    Start start(const QString& mp3Path, const QString& wavPath);
    // The system's description after LibraryFailed or RenameFailed.
    const QString& errorText() const { return m_error; }

    // True while the library decodes; percent gets the share done so far.
    bool running(int* percent) const;

    // Ends the decode started last: stops it when cancelled, checks the
    // file's length against the frames decoded, releases the library, and
    // moves the complete file into place or deletes the temporary one.
    End finish(bool cancelled);

private:
    void release();

    QStringList m_libraryFiles;
    std::unique_ptr<Vbmp3Library> m_library;
    VBMP3_INFORMATION m_info{};
    QString m_wavPath;
    std::optional<DecodeTemporaryFile> m_part;
    QString m_error;
};
