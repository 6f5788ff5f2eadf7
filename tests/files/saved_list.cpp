#include "saved_list.h"

#include "EngineClient.h"
#include "EngineRecord.h"
#include "wav_builder.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <stdexcept>

namespace savetest {

Bytes writeTrackFile(const std::filesystem::path& path, size_t samples, uint32_t seed)
{
    const Bytes bytes = testsupport::makeWav(testsupport::noise(samples, 20000, seed));
    testsupport::writeFile(path, bytes);
    return bytes;
}

int addTrack(PlayList& list, const std::filesystem::path& path)
{
    Track analysed;
    analysed.path = qpath(path);
    analysed.title = QFileInfo(analysed.path).fileName();
    if (engineclient::analyse(analysed, true, nullptr) != ENGINE_SUCCESS)
        throw std::runtime_error("the test file does not analyse");
    return list.AddTrack(analysed.title, analysed.path, analysed.record);
}

Bytes renderedByFileSave(const Track& track, const Bytes& original)
{
    testsupport::TempDir scratch;
    const auto copy = scratch / "reference.wav";
    testsupport::writeFile(copy, original);
    Track reference = track;
    reference.path = qpath(copy);
    EngineRecord engineRecord(reference);
    if (FileSave("", engineRecord.record(), 0, nullptr) != ENGINE_SUCCESS)
        throw std::runtime_error("the reference save failed");
    return testsupport::readFile(copy);
}

std::vector<std::string> namesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

QString qpath(const std::filesystem::path& path)
{
    return QFile::decodeName(path.c_str());
}

}  // namespace savetest
