#include "wav_part.h"

#include "read_only_file.h"
#include "wav_header.h"

#include <QFile>

#include <array>
#include <sys/stat.h>

std::optional<RecordingPart> WavPartOf(const QString& path)
{
    const ReadOnlyFile file(QFile::encodeName(path).constData());
    struct stat status {};
    if (file.openError() != 0 || ::fstat(file.descriptor(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    std::array<uint8_t, welvox::kMaxHeaderBytes> head{};
    const int64_t got = file.read(0, reinterpret_cast<char*>(head.data()), int64_t(head.size()));
    if (got <= 0)
        return std::nullopt;
    const auto header = welvox::parseWavHeader(std::span<const uint8_t>(head.data(), size_t(got)));
    if (!header)
        return std::nullopt;
    const int64_t inFile = std::max<int64_t>(0, int64_t(status.st_size) - header->dataOffset());
    const int64_t bytes = std::min<int64_t>(header->dataSizeField, inFile);
    return RecordingPart{path, header->dataOffset(), bytes - bytes % Recording::SampleBytes};
}
