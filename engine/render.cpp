#include "render.h"

#include "fade_curve.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace welvox {
namespace {

// The record's byte fields as sample positions. An absent point (negative
// byte offset) is kept as "absent", not as its truncated half.
struct RenderParams {
    explicit RenderParams(const TrackRecord& r)
        : hasPre(r.preDigitalMute >= 0), hasPost(r.postDigitalMute >= 0), hasFadeIn(r.fadeInEnd >= 0),
          hasFadeOut(r.fadeOutStart >= 0), pre(r.preDigitalMute / 2), post(r.postDigitalMute / 2),
          fadeInEndPos(r.fadeInEnd / 2), fadeInLen(r.fadeInBytes / 2), fadeOutStartPos(r.fadeOutStart / 2),
          fadeOutLen(r.fadeOutBytes / 2), dataEnd(r.dataBytes / 2), adjust(r.muteAdjustBytes / 2),
          level(r.levelPercent), fadeInCurve(r.fadeInCurve), fadeOutCurve(r.fadeOutCurve) {}

    bool hasPre, hasPost, hasFadeIn, hasFadeOut;
    int64_t pre, post, fadeInEndPos, fadeInLen, fadeOutStartPos, fadeOutLen, dataEnd, adjust;
    int32_t level;
    double fadeInCurve, fadeOutCurve;
};

// The sample times the level in percent, as 32-bit arithmetic truncating
// toward zero gives it (wrapping, never undefined, should the level exceed
// what the program allows).
inline int32_t applyLevel(int16_t s, int32_t level) {
    return int32_t(uint32_t(int32_t(s)) * uint32_t(level)) / 100;
}

// Most of every block takes this path; on processors with AVX-512 or AVX2 the
// compiler's 16- or 8-lane version of the loop runs instead of the baseline one.
__attribute__((target_clones("arch=x86-64-v4", "avx2", "default"))) void applyLevelOnly(int16_t* samples, int64_t count,
                                                                      int32_t level) {
    if (level == 100) return;
    for (int64_t i = 0; i < count; ++i) samples[i] = int16_t(applyLevel(samples[i], level));
}

// Level and both fades for samples [from, to) of the block, a chunk at a
// time through a small buffer of 32-bit values.
void applyAllRules(int16_t* samples, int64_t from, int64_t to, int64_t position, const RenderParams& r) {
    // Long chunks let the fade's gain curve carry over from span to span.
    constexpr int64_t kChunk = 1024;
    int32_t t[kChunk];
    for (int64_t first = from; first < to; first += kChunk) {
        const int64_t n = std::min(kChunk, to - first);
        const int64_t p0 = position + first;  // absolute position of t[0]
        for (int64_t j = 0; j < n; ++j) t[j] = applyLevel(samples[first + j], r.level);

        if (r.hasFadeIn) {
            const int64_t fading = std::clamp<int64_t>(r.fadeInEndPos - p0, 0, n);
            const int64_t from0 = r.hasPre ? r.pre : 0;
            applyCurveRun(p0 - from0, +1, r.fadeInLen, r.fadeInCurve, t, size_t(fading));
        }
        if (r.hasFadeOut) {
            // Fading starts strictly after fadeOutStartPos; a ratio at or
            // below 0 (a fade running past its mute) silences.
            const int64_t k = std::clamp<int64_t>(r.fadeOutStartPos + 1 - p0, 0, n);
            const int64_t firstNumerator = r.fadeOutStartPos + r.fadeOutLen - (p0 + k);
            const int64_t positive = std::clamp<int64_t>(firstNumerator, 0, n - k);
            applyCurveRun(firstNumerator, -1, r.fadeOutLen, r.fadeOutCurve, t + k, size_t(positive));
            std::fill(t + k + positive, t + n, 0);
        }
        for (int64_t j = 0; j < n; ++j) samples[first + j] = int16_t(t[j]);
    }
}

void silence(int16_t* samples, int64_t from, int64_t to) {
    if (to > from) std::memset(samples + from, 0, size_t(to - from) * 2);
}

}  // namespace

std::optional<int32_t> renderBlock(const TrackRecord& record, const FileHandle& file, int16_t* buffer,
                                   int32_t count, int32_t position) {
    const RenderParams r(record);
    const int64_t n = std::max<int32_t>(count, 0);

    // Read only what lies inside the data: everything at or after dataEnd is
    // silence anyway, so bytes beyond the data chunk never reach the output.
    const int64_t inData = std::clamp<int64_t>(r.dataEnd - position, 0, n);
    int64_t got = 0;
    if (inData > 0) {
        const ssize_t bytes = file.readAt(buffer, size_t(2 * inData), record.dataOffset + 2 * int64_t(position));
        if (bytes < 0) return std::nullopt;
        got = bytes;
    }
    std::memset(reinterpret_cast<char*>(buffer) + got, 0, size_t(2 * n - got));

    // Only the samples inside a fade need the per-sample rules; the rest of
    // the block takes the level alone, in a loop the compiler vectorises.
    const int64_t fadeInTo = r.hasFadeIn ? std::clamp<int64_t>(r.fadeInEndPos - position, 0, inData) : 0;
    const int64_t fadeOutFrom =
        r.hasFadeOut ? std::clamp<int64_t>(r.fadeOutStartPos + 1 - position, 0, inData) : inData;
    if (fadeInTo >= fadeOutFrom) {
        applyAllRules(buffer, 0, inData, position, r);
    } else {
        applyAllRules(buffer, 0, fadeInTo, position, r);
        applyLevelOnly(buffer + fadeInTo, fadeOutFrom - fadeInTo, r.level);
        applyAllRules(buffer, fadeOutFrom, inData, position, r);
    }

    // Digital mutes win over everything else.
    if (r.hasPre) silence(buffer, 0, std::min<int64_t>(r.pre - position, n));
    if (r.hasPost) silence(buffer, std::max<int64_t>(r.post - position, 0), n);

    const int64_t remaining = r.dataEnd + r.adjust - position;
    return int32_t(std::clamp<int64_t>(remaining, INT32_MIN, INT32_MAX));
}

}  // namespace welvox
