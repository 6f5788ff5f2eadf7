#include "Mp3DecodeSession.h"

#include "pending_wav_file.h"
#include "system_error_text.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace {

constexpr qint64 BytesPerFrame = 4;

QByteArray fileBytes(const QString& path)
{
    return QFile::encodeName(path);
}

}  // namespace

Mp3DecodeSession::Mp3DecodeSession(QStringList libraryFiles)
    : m_libraryFiles(std::move(libraryFiles))
{
}

Mp3DecodeSession::~Mp3DecodeSession()
{
    if (m_library)
        finish(true);
}

Mp3DecodeSession::Start Mp3DecodeSession::start(const QString& mp3Path, const QString& wavPath)
{
    m_library = std::make_unique<Vbmp3Library>(m_libraryFiles);
    if (!m_library->isLoaded()) {
        m_error = m_library->errorText();
        m_library.reset();
        return Start::LibraryFailed;
    }
    m_library->init();
    if (m_library->open(fileBytes(mp3Path).constData(), &m_info) == 0) {
        release();
        return Start::OpenFailed;
    }
    if (BytesPerFrame * m_info.totalFrames > qint64(PendingWavFile::MaxDataBytes)) {
        release();
        return Start::TooLong;
    }
    m_wavPath = wavPath;
    m_part = DecodeTemporaryFile::create(fileBytes(QFileInfo(wavPath).path()).toStdString());
    if (!m_part || m_library->decodeWave(m_part->path().c_str()) == 0) {
        release();
        m_part.reset();
        return Start::DecodeFailed;
    }
    return Start::Started;
}

bool Mp3DecodeSession::running(int* percent) const
{
    if (!m_library)
        return false;
    int32_t position = 0;
    const bool decoding = m_library->getState(&position) != 0;
    if (percent != nullptr) {
        const int32_t total = m_info.totalFrames;
        *percent = total > 0 ? int(float(position) / float(total) * 100.0f) : 0;
    }
    return decoding;
}

Mp3DecodeSession::End Mp3DecodeSession::finish(bool cancelled)
{
    if (!m_library)
        return End::Cancelled;
    if (cancelled)
        m_library->close();
    const qint64 frames = m_library->getPlaySamples();
    // By name: a temporary file removed from the directory meanwhile counts
    // as incomplete.
    const bool incomplete = QFileInfo(QFile::decodeName(m_part->path().c_str())).size() < BytesPerFrame * frames;
    release();
    std::optional<DecodeTemporaryFile> part = std::move(m_part);
    m_part.reset();
    if (cancelled || incomplete)
        return cancelled ? End::Cancelled : End::DiskFull;
    // rename(2) replaces a file of that name in one step.
    if (!part->commit(fileBytes(m_wavPath).toStdString())) {
        m_error = SystemErrorText(errno);
        return End::RenameFailed;
    }
    return End::Complete;
}

void Mp3DecodeSession::release()
{
    m_library->close();
    m_library->free();
    m_library.reset();
}
