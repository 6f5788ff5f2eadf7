#include "stereo_downmix.h"

extern "C" {
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

#include <cmath>

namespace {

// FFmpeg's defaults: -3 dB for centre and surrounds, no low-frequency
// channel, and the largest output sum held at full scale.
constexpr double CentreLevel = M_SQRT1_2;
constexpr double SurroundLevel = M_SQRT1_2;
constexpr double LfeLevel = 0.0;
constexpr double LargestSum = 1.0;
constexpr double Volume = 1.0;
// libswresample fills and scales whole rows of its 64 channels, whatever
// the layouts: the matrix it is given has room for all of them.
constexpr int MatrixSide = 64;

}  // namespace

std::optional<StereoDownmix> StereoDownmix::forLayout(const AVChannelLayout& layout)
{
    const int channels = layout.nb_channels;
    if (channels < 3)
        return std::nullopt;
    AVChannelLayout stereo{};
    av_channel_layout_default(&stereo, 2);
    if (channels > MatrixSide)
        return std::nullopt;
    std::vector<double> matrix(size_t(MatrixSide * MatrixSide));
    if (swr_build_matrix2(&layout, &stereo, CentreLevel, SurroundLevel, LfeLevel, LargestSum, Volume,
                          matrix.data(), MatrixSide, AV_MATRIX_ENCODING_NONE, nullptr) < 0)
        return std::nullopt;
    std::vector<float> weights(matrix.begin(), matrix.begin() + channels);
    weights.insert(weights.end(), matrix.begin() + MatrixSide, matrix.begin() + MatrixSide + channels);
    return StereoDownmix(channels, std::move(weights));
}

StereoDownmix::StereoDownmix(int channels, std::vector<float> weights)
    : m_channels(channels)
    , m_weights(std::move(weights))
{
}

void StereoDownmix::apply(const float* source, size_t frames, float* stereo) const
{
    const size_t channels = size_t(m_channels);
    const float* left = m_weights.data();
    const float* right = left + channels;
    for (size_t f = 0; f < frames; ++f) {
        const float* frame = source + f * channels;
        float l = 0.0f;
        float r = 0.0f;
        for (size_t c = 0; c < channels; ++c) {
            l += left[c] * frame[c];
            r += right[c] * frame[c];
        }
        stereo[2 * f] = l;
        stereo[2 * f + 1] = r;
    }
}
