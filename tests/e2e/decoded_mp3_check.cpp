#include "decoded_mp3_check.h"

#include "vbmp3.h"
#include "wav_builder.h"

#include <QString>

#include <chrono>
#include <thread>

namespace userrun {

void checkDecodedFile(const std::filesystem::path& mp3, const std::filesystem::path& decoded,
                      const std::filesystem::path& scratch, QStringList& failures)
{
    const std::filesystem::path reference = scratch / decoded.filename();
    vbmp3_init();
    VBMP3_INFORMATION information{};
    bool started = vbmp3_open(mp3.c_str(), &information) != 0 && vbmp3_decodeWave(reference.c_str()) != 0;
    while (started && vbmp3_getState(nullptr) != 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    vbmp3_close();
    vbmp3_free();
    if (!started) {
        failures << QStringLiteral("the decoder library could not decode %1").arg(QString::fromStdString(mp3));
        return;
    }
    if (!std::filesystem::exists(decoded))
        failures << QStringLiteral("no decoded file at %1").arg(QString::fromStdString(decoded));
    else if (testsupport::readFile(decoded) != testsupport::readFile(reference))
        failures << QStringLiteral("%1 differs from the decoder library's output").arg(QString::fromStdString(decoded));
    std::filesystem::remove(reference);
}

}  // namespace userrun
