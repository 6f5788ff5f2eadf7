// The header check over the first bytes of a file: which layouts are
// accepted and where each puts its samples.
#include <gtest/gtest.h>

#include <algorithm>

#include "wav_builder.h"
#include "wav_header.h"

using testsupport::makeWav;
using testsupport::WavLayout;
using welvox::parseWavHeader;

namespace {

std::optional<welvox::WavHeaderInfo> check(const std::vector<uint8_t>& file) {
    const size_t n = std::min(file.size(), welvox::kMaxHeaderBytes);
    return parseWavHeader({file.data(), n});
}

const std::vector<int16_t> kSamples = testsupport::noise(64);

struct AcceptedCase {
    const char* name;
    WavLayout layout;
    int dataOffset;
};

void PrintTo(const AcceptedCase& c, std::ostream* os) { *os << c.name; }

class AcceptedLayout : public testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedLayout, FindsTheSamples) {
    const auto info = check(makeWav(kSamples, GetParam().layout));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->dataOffset(), GetParam().dataOffset);
    EXPECT_EQ(info->dataSizeField, kSamples.size() * 2);
}

INSTANTIATE_TEST_SUITE_P(Layouts, AcceptedLayout,
                         testing::Values(AcceptedCase{"fmt16", {}, 44},
                                         AcceptedCase{"fmt18", {.fmtSize = 18}, 46},
                                         AcceptedCase{"fmt16fact", {.factChunk = true}, 56},
                                         AcceptedCase{"fmt18fact", {.fmtSize = 18, .factChunk = true}, 58},
                                         AcceptedCase{"fmt40", {.fmtSize = 40}, 68},
                                         AcceptedCase{"listAfterData", {.listAfterData = true}, 44}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    WavLayout layout;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class RefusedLayout : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedLayout, IsRefused) { EXPECT_FALSE(check(makeWav(kSamples, GetParam().layout))); }

INSTANTIATE_TEST_SUITE_P(
    Layouts, RefusedLayout,
    testing::Values(RefusedCase{"mono", {.channels = 1}}, RefusedCase{"rate48k", {.sampleRate = 48000}},
                    RefusedCase{"bits8", {.bitsPerSample = 8}}, RefusedCase{"bits24", {.bitsPerSample = 24}},
                    RefusedCase{"extensible", {.formatTag = 0xFFFE, .fmtSize = 40}},
                    RefusedCase{"listBeforeData", {.listBeforeData = true}},
                    RefusedCase{"fmtSizeWraps", {.fmtSize = 80}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WavHeader, EveryTruncationOfTheHeaderIsRefused) {
    for (const WavLayout layout : {WavLayout{}, WavLayout{.factChunk = true}}) {
        const auto file = makeWav({}, layout);
        for (size_t length = 0; length < file.size(); ++length)
            EXPECT_FALSE(parseWavHeader({file.data(), length})) << "length " << length;
        EXPECT_TRUE(parseWavHeader({file.data(), file.size()}));
    }
}

TEST(WavHeader, WrongTagsAreRefused) {
    for (const size_t at : {0u, 8u, 12u, 36u}) {
        auto file = makeWav(kSamples);
        file[at] ^= 0x20;
        EXPECT_FALSE(check(file)) << "byte " << at;
    }
}

TEST(WavHeader, FmtSizesAbove43AreRefused) {
    // 0x30 wraps to byte 4: with a RIFF size whose bytes read "data", the
    // data chunk would seem to start at byte 12, and a save would write its
    // size over "WAVE". 0x110 has the low byte of a plain fmt chunk.
    auto file = makeWav(kSamples);
    std::copy_n("data", 4, file.begin() + 4);
    for (const uint32_t size : {43u + 1, 0x30u, 0x110u}) {
        for (int i = 0; i < 4; ++i) file[16 + i] = uint8_t(size >> (8 * i));
        EXPECT_FALSE(check(file)) << "fmt size " << size;
    }
}

TEST(WavHeader, CompareHeaderCountsDifferingBytes) {
    auto file = makeWav(kSamples);
    EXPECT_EQ(welvox::compareHeader(20, 12, 16, file.data()), 0);
    file[22] = 1;  // mono
    file[24] = 0;  // sample rate low byte
    EXPECT_EQ(welvox::compareHeader(20, 12, 16, file.data()), 2);
}

}  // namespace
