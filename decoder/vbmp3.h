/*
 * vbmp3 — the MP3 decoder library of Sonvelle.
 *
 * Decodes one MP3 file at a time into a PCM WAV file of 44,100 Hz, 16 bits,
 * 2 channels, the one layout the engine accepts: mono streams are played on
 * both channels, and other sample rates are decoded at their own rate and
 * resampled by libsoxr at its high-quality setting, then reduced to 16 bits
 * with fixed-seed TPDF dither. Decoding is gapless: when the stream states
 * the encoder's delay and padding (the LAME info tag), the WAV file holds
 * exactly the original's samples, at 44.1 kHz the original's duration
 * rounded to the nearest frame (totalFrames).
 *
 * The library decodes on a background thread of its own. A caller runs:
 * vbmp3_init, vbmp3_open, vbmp3_decodeWave, then vbmp3_getState until it
 * reports the end (or stops early), vbmp3_getPlaySamples, vbmp3_close,
 * vbmp3_free.
 *
 * Thread-safety: the library keeps one decode. Call the functions from one
 * thread at a time; they are serialised internally, and none of them waits
 * for the decoding except vbmp3_close, which stops it first.
 *
 * Paths are passed as the file system's bytes (UTF-8 on this platform).
 * Results described as 16-bit are int32_t values of 0 or 1.
 */
#ifndef VBMP3_H
#define VBMP3_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(VBMP3_BUILDING)
#define VBMP3_EXPORT __attribute__((visibility("default")))
#else
#define VBMP3_EXPORT
#endif

/*
 * What vbmp3_open finds out about a stream: 528 bytes. totalFrames, the last
 * field, is the decoded length in the unit of vbmp3_getState's position.
 */
typedef struct VBMP3_INFORMATION {
    int32_t sampleRate;      /* of the stream, Hz */
    int32_t channels;        /* of the stream: 1 or 2 */
    int32_t bitRate;         /* of the first frame, kbit/s; 0 for free format */
    int32_t layer;           /* MPEG audio layer: 1, 2 or 3 */
    int32_t version;         /* 10 MPEG-1, 20 MPEG-2, 25 MPEG-2.5 */
    int32_t bitRateMode;     /* 0 constant, 1 variable, 2 average */
    int32_t gapless;         /* 1 when encoder delay and padding are removed */
    int32_t sourceFrames;    /* samples per channel at the stream's own rate */
    uint8_t reserved[492];   /* zero */
    int32_t totalFrames;     /* stereo frames of 44.1 kHz output expected */
} VBMP3_INFORMATION;

/* Prepares the library. Harmless to call again. */
VBMP3_EXPORT void vbmp3_init(void);
/* Stops and closes any decode and releases what vbmp3_init prepared. */
VBMP3_EXPORT void vbmp3_free(void);

/*
 * Opens an MP3 file and fills info. 1 when the file holds an MPEG audio
 * stream; 0 when it cannot be read or holds none (info is then zero). A
 * decode that was open is closed first.
 */
VBMP3_EXPORT int32_t vbmp3_open(const char* path, VBMP3_INFORMATION* info);

/*
 * Starts decoding the opened file into a new WAV file at path (an existing
 * file there is replaced) and returns at once; the decoding runs in the
 * background. 1 when it has started; 0 when nothing is open, a decode was
 * started already, or the file cannot be created.
 */
VBMP3_EXPORT int32_t vbmp3_decodeWave(const char* path);

/*
 * Nonzero while the decoding runs, 0 when it has ended (or never started).
 * position, when not null, receives the stereo frames written so far.
 */
VBMP3_EXPORT int32_t vbmp3_getState(int32_t* position);

/*
 * The stereo frames decoded, 4 bytes each in the WAV file's data. After a
 * failed write the WAV file is cut to zero length, so a file shorter than
 * 4 bytes a frame tells the caller the output is incomplete.
 */
VBMP3_EXPORT int32_t vbmp3_getPlaySamples(void);

/*
 * Stops the decoding if it runs (within one block of samples), waits for the
 * background thread and closes the files. A WAV file of a decode stopped
 * early is left as it is, incomplete; the caller deletes it.
 */
VBMP3_EXPORT void vbmp3_close(void);

#ifdef __cplusplus
}
#endif

#endif
