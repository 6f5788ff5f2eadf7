#include "tpdf_quantiser.h"

#include <cmath>

namespace {

// Any fixed nonzero seed gives a repeatable noise sequence.
constexpr uint64_t NoiseSeed = 0x9E3779B97F4A7C15ull;

// xorshift64*: fast, and its 64 bits give the two uniform values that one
// triangular value needs.
inline uint64_t nextRandom(uint64_t& state)
{
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    return state * 0x2545F4914F6CDD1Dull;
}

// A 32-bit unsigned value as a fraction of one in [0, 1).
constexpr float UnitPerStep = 1.0f / 4294967296.0f;

}  // namespace

TpdfQuantiser::TpdfQuantiser()
    : m_state(NoiseSeed)
{
}

void TpdfQuantiser::quantise(const float* in, int16_t* out, size_t count)
{
    uint64_t clipped = 0;
    for (size_t i = 0; i < count; ++i) {
        const float scaled = in[i] * 32768.0f;
        if (scaled >= 32767.0f || scaled <= -32768.0f) {
            out[i] = scaled > 0.0f ? 32767 : -32768;
            if (scaled > 32767.0f || scaled < -32768.0f)
                ++clipped;
            continue;
        }
        const uint64_t bits = nextRandom(m_state);
        const float noise = float(uint32_t(bits)) * UnitPerStep - float(uint32_t(bits >> 32)) * UnitPerStep;
        const long rounded = std::lrintf(scaled + noise);
        out[i] = int16_t(rounded > 32767 ? 32767 : rounded < -32768 ? -32768 : rounded);
    }
    m_clipped += clipped;
}
