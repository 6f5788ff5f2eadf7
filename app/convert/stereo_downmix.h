// Mixes more than two channels down to two with the standard matrix: the
// ITU-R BS.775 weights that FFmpeg uses by default (centre and surround
// channels at -3 dB into their side, the low-frequency channel left out),
// built by libswresample for the source's channel layout and scaled, as
// FFmpeg does for integer output, so that no sum of full-scale channels
// passes full scale.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

struct AVChannelLayout;

class StereoDownmix {
public:
    // The matrix for layout (three channels or more), or nothing when
    // libswresample builds none for it.
    static std::optional<StereoDownmix> forLayout(const AVChannelLayout& layout);

    // Mixes frames of interleaved source channels into interleaved stereo.
    void apply(const float* source, size_t frames, float* stereo) const;

    int sourceChannels() const { return m_channels; }

private:
    StereoDownmix(int channels, std::vector<float> weights);

    int m_channels;
    std::vector<float> m_weights;  // left's weights for each channel, then right's
};
