#include "Mp3DecodeSession.h"

#include "SystemErrorText.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>

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

QString Mp3DecodeSession::partPathFor(const QString& wavPath)
{
    const QFileInfo wav(wavPath);
    const QString suffix = QString::number(QRandomGenerator::global()->generate64(), 16);
    return wav.path() + QStringLiteral("/.") + wav.fileName() + u'.' + suffix + QStringLiteral(".part");
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
    m_wavPath = wavPath;
    m_partPath = partPathFor(wavPath);
    if (m_library->decodeWave(fileBytes(m_partPath).constData()) == 0) {
        release();
        QFile::remove(m_partPath);
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
    const bool incomplete = QFileInfo(m_partPath).size() < BytesPerFrame * frames;
    release();
    if (cancelled || incomplete) {
        QFile::remove(m_partPath);
        return cancelled ? End::Cancelled : End::DiskFull;
    }
    // rename(2) replaces a file of that name in one step.
    if (std::rename(fileBytes(m_partPath).constData(), fileBytes(m_wavPath).constData()) != 0) {
        m_error = SystemErrorText(errno);
        QFile::remove(m_partPath);
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
