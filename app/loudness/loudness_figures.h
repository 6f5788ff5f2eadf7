// What is measured of a track: its data as opened, at level 100.
#pragma once

struct LoudnessFigures {
    // Integrated loudness in LUFS, gated as BS.1770 / EBU R 128 say; minus
    // infinity when all of the track lies below the absolute gate.
    double integrated = 0;
    // True peak in dBTP (4x oversampled); minus infinity for digital silence.
    double truePeak = 0;
};
