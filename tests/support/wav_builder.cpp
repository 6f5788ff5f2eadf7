#include "wav_builder.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testsupport {
namespace {

void put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(v & 0xff);
    out.push_back(v >> 8);
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xff);
}

// Byte by byte, like put32: GCC 12 warns (-Wstringop-overflow) about a
// range insert into the vector while it is still this small.
void putTag(std::vector<uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

void putListChunk(std::vector<uint8_t>& out) {
    // The length is given: the body holds NUL bytes.
    const std::string body("INFOISFT\x06\0\0\0tests\0", 18);
    putTag(out, "LIST");
    put32(out, body.size());
    out.insert(out.end(), body.begin(), body.end());
}

}  // namespace

std::vector<uint8_t> makeWav(const std::vector<int16_t>& samples, const WavLayout& layout) {
    std::vector<uint8_t> out;
    putTag(out, "RIFF");
    put32(out, 0);  // patched below
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, layout.fmtSize);
    const uint16_t blockAlign = layout.channels * (layout.bitsPerSample / 8);
    put16(out, layout.formatTag);
    put16(out, layout.channels);
    put32(out, layout.sampleRate);
    put32(out, layout.sampleRate * blockAlign);
    put16(out, blockAlign);
    put16(out, layout.bitsPerSample);
    for (uint32_t i = 16; i < layout.fmtSize; ++i) out.push_back(0);
    if (layout.factChunk) {
        putTag(out, "fact");
        put32(out, 4);
        put32(out, samples.size() / 2);
    }
    if (layout.listBeforeData) putListChunk(out);
    putTag(out, "data");
    put32(out, layout.dataSizeField.value_or(samples.size() * 2));
    for (int16_t s : samples) put16(out, static_cast<uint16_t>(s));
    if (layout.listAfterData) putListChunk(out);
    const uint32_t riff = out.size() - 8;
    for (int i = 0; i < 4; ++i) out[4 + i] = (riff >> (8 * i)) & 0xff;
    return out;
}

std::vector<int16_t> floatWords(const std::vector<float>& samples) {
    std::vector<int16_t> words(samples.size() * 2);
    std::memcpy(words.data(), samples.data(), samples.size() * sizeof(float));
    return words;
}

std::vector<int16_t> silenceLoudSilence(int head, int loud, int tail, int16_t value) {
    std::vector<int16_t> s;
    s.insert(s.end(), 2 * head, 0);
    s.insert(s.end(), 2 * loud, value);
    s.insert(s.end(), 2 * tail, 0);
    return s;
}

std::vector<int16_t> noise(size_t samples, int amplitude, uint32_t seed) {
    std::vector<int16_t> s(samples);
    uint32_t x = seed ? seed : 1;
    for (auto& v : s) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        v = static_cast<int16_t>(static_cast<int>(x % (2 * amplitude + 1)) - amplitude);
    }
    return s;
}

void writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!f) throw std::runtime_error("cannot write " + path.string());
}

std::vector<uint8_t> readFile(const std::filesystem::path& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> slice(const std::vector<uint8_t>& bytes, size_t offset, size_t length) {
    if (offset >= bytes.size()) return {};
    const size_t end = length > bytes.size() - offset ? bytes.size() : offset + length;
    return {bytes.begin() + offset, bytes.begin() + end};
}

}  // namespace testsupport
