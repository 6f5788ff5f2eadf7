/*
 * welvox — the audio engine of Sonvelle.
 *
 * Analyses, renders, saves and plays 44.1 kHz 16-bit stereo PCM WAV tracks.
 * Plain C interface, usable from C, C++ and Python ctypes. The engine never
 * shows anything and never throws: every export returns an EngineResult.
 *
 * Units: every offset and length in a TrackRecord counts bytes of sample data
 * from the first byte of the body of the file's "data" chunk (dataOffset is
 * the one file offset). One stereo frame is 4 bytes, one second 176,400 bytes,
 * one CD frame 2,352 bytes.
 */
#ifndef WELVOX_H
#define WELVOX_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(WELVOX_BUILDING)
#define WELVOX_EXPORT __attribute__((visibility("default")))
#else
#define WELVOX_EXPORT
#endif

/*
 * One track: what analysis found and every edit the user made. The field
 * order is that of the program's 100-byte record of 25 32-bit slots; on
 * 64-bit platforms the two text slots are pointers, so every later field sits
 * 8 bytes further on. -1 in an offset field means "not set"; -1.0f in a curve
 * field means "no curve".
 *
 * title and path are UTF-8, NUL-terminated, owned by the caller and valid
 * only for the duration of a call; the engine never frees or replaces them.
 */
typedef struct TrackRecord {
    const char* title;        /* file name without directory */
    const char* path;         /* full path of the WAV file */
    int32_t dataBytes;        /* length of the data chunk body */
    int32_t riffBytes;        /* value of the RIFF chunk-size field */
    int32_t dataOffset;       /* file offset of the first sample byte */
    int32_t preMutePoint;     /* end of the leading silence */
    int32_t postMutePoint;    /* start of the trailing silence */
    int32_t preMuteBytes;     /* always equal to preMutePoint */
    int32_t soundBytes;       /* postMutePoint - preMutePoint */
    int32_t postMuteBytes;    /* dataBytes - postMutePoint */
    int32_t levelPercent;     /* gain in percent; 100 = unchanged */
    int32_t peakValue;        /* largest absolute sample value, 0..32767 */
    int32_t peakOffset;       /* frame holding the peak sample */
    int32_t muteAdjustBytes;  /* silence appended (>0) or removed (<0) at the end */
    int32_t color;            /* play-bar colour, 0x00BBGGRR */
    int32_t origPreMutePoint; /* preMutePoint as analysed */
    int32_t origPostMutePoint;/* postMutePoint as analysed or last saved */
    int32_t preDigitalMute;   /* samples before this offset render as 0 */
    int32_t postDigitalMute;  /* samples at or after this offset render as 0 */
    int32_t fadeInEnd;        /* where the fade-in reaches full level */
    int32_t fadeInBytes;      /* fadeInEnd - preDigitalMute; 0 without fade-in */
    int32_t fadeOutStart;     /* where the fade-out begins */
    int32_t fadeOutBytes;     /* postDigitalMute - fadeOutStart; 0 without fade-out */
    float fadeInCurve;        /* exponent of the fade-in gain curve */
    float fadeOutCurve;       /* exponent of the fade-out gain curve */
} TrackRecord;

/* The value every export returns. */
typedef enum EngineResult {
    ENGINE_CANCELLED = 1001,  /* the progress callback returned 1001 */
    ENGINE_SUCCESS = 1002,
    ENGINE_OPEN_FAILED = 1003, /* a file (or the audio output) could not be opened or positioned */
    ENGINE_BAD_FORMAT = 1004, /* header not in the accepted layout, or a short write */
    ENGINE_SILENCE_ONLY = 1005 /* the peak is not above the threshold */
} EngineResult;

/*
 * Called with a percentage 0..99 once per block of 32,768 samples, on the
 * caller's thread. FileOpen stops and returns 1001 when it returns 1001;
 * FileSave ignores the result.
 */
typedef int32_t (*ProgressCallback)(int32_t percent);

/*
 * Called on the engine's playback thread: after each queued buffer with the
 * byte offset of the end of the audio queued so far; -1 once when playback
 * ended or was stopped; -2 when the track's file could not be opened. The
 * result is ignored.
 */
typedef int32_t (*PlaybackCallback)(int32_t position);

/*
 * Validates the WAV file at path, optionally scans it for its peak (peakFlag
 * nonzero in its low 16 bits) and finds where the sound, by threshold (low 16
 * bits, signed), begins and ends. On 1002 fills every field of record except
 * title, path and color; on any other result leaves it unchanged.
 */
WELVOX_EXPORT int32_t FileOpen(const char* path, TrackRecord* record, int32_t threshold,
                               int32_t peakFlag, ProgressCallback callback);

/*
 * Renders the record's edits into its file (mode other than 1, or a
 * destination naming the same file) or into a copy at destination (mode 1),
 * rewrites the header sizes and on 1002 folds the record back to describe the
 * new file. A failed save leaves the record, the track's file and any earlier
 * file at destination as they were.
 */
WELVOX_EXPORT int32_t FileSave(const char* destination, TrackRecord* record, int32_t mode,
                               ProgressCallback callback);

/*
 * Playback of one track at a time through the first audio output, rendered
 * exactly as FileSave would write it.
 *
 * Play opens the output, copies the record (with the text of its path) and
 * starts a worker thread that plays from byte offset start. It returns 1002
 * once the worker runs, or 1003 when the audio output cannot be opened (or
 * record is NULL); then no callback follows. The worker calls callback after
 * each queued block of 16,384 bytes with the byte offset of the end of the
 * audio queued so far (about 279 ms ahead of what is heard), then exactly
 * once -1 when the track has been played to its end or was stopped, or -2
 * instead when the track's file cannot be opened or read (no -1 follows).
 *
 * PlayControll steers the running playback and always returns 1002:
 * state -1 stops at once; 2 takes record's level, mutes and fades from the
 * next block on; 4 continues with record's file from byte offset position
 * without closing the output. Other states, and 2 or 4 with a NULL record,
 * are ignored; so are 2 and 4 after a stop, which stays final. A 2 that
 * arrives before the worker has acted on a 4 leaves the seek in force, with
 * the newer record.
 *
 * Offsets are taken at the start of their 4-byte frame; a negative offset
 * counts as 0.
 *
 * Thread safety: Play and PlayControll may be called from any thread, and
 * concurrently; each copies what it needs from the record before it returns,
 * so the caller may change or free the record afterwards. A request wakes
 * the worker at once and is never lost, even when it arrives while the
 * worker changes state by itself. The callback runs on the worker
 * thread with no engine lock held: it may call PlayControll, but Play
 * called there returns 1003. Call Play again only after the previous
 * playback reported -1 or -2 (output has stopped by then; the worker closes
 * the device right after the report, and Play waits for that). A Play that
 * comes earlier stops the previous playback first and waits for its final
 * report. So the callback must hand its events on without waiting for the
 * thread that calls Play.
 */
WELVOX_EXPORT int32_t Play(const TrackRecord* record, int32_t start, PlaybackCallback callback);
WELVOX_EXPORT int32_t PlayControll(const TrackRecord* record, int32_t position, int32_t state);

#ifdef __cplusplus
} /* extern "C" */

static_assert(sizeof(void*) == 8, "the record layout below is the 64-bit one");
static_assert(offsetof(TrackRecord, title) == 0);
static_assert(offsetof(TrackRecord, path) == 8);
static_assert(offsetof(TrackRecord, dataBytes) == 16);
static_assert(offsetof(TrackRecord, riffBytes) == 20);
static_assert(offsetof(TrackRecord, dataOffset) == 24);
static_assert(offsetof(TrackRecord, preMutePoint) == 28);
static_assert(offsetof(TrackRecord, postMutePoint) == 32);
static_assert(offsetof(TrackRecord, preMuteBytes) == 36);
static_assert(offsetof(TrackRecord, soundBytes) == 40);
static_assert(offsetof(TrackRecord, postMuteBytes) == 44);
static_assert(offsetof(TrackRecord, levelPercent) == 48);
static_assert(offsetof(TrackRecord, peakValue) == 52);
static_assert(offsetof(TrackRecord, peakOffset) == 56);
static_assert(offsetof(TrackRecord, muteAdjustBytes) == 60);
static_assert(offsetof(TrackRecord, color) == 64);
static_assert(offsetof(TrackRecord, origPreMutePoint) == 68);
static_assert(offsetof(TrackRecord, origPostMutePoint) == 72);
static_assert(offsetof(TrackRecord, preDigitalMute) == 76);
static_assert(offsetof(TrackRecord, postDigitalMute) == 80);
static_assert(offsetof(TrackRecord, fadeInEnd) == 84);
static_assert(offsetof(TrackRecord, fadeInBytes) == 88);
static_assert(offsetof(TrackRecord, fadeOutStart) == 92);
static_assert(offsetof(TrackRecord, fadeOutBytes) == 96);
static_assert(offsetof(TrackRecord, fadeInCurve) == 100);
static_assert(offsetof(TrackRecord, fadeOutCurve) == 104);
static_assert(sizeof(TrackRecord) == 112);
#endif

#endif /* WELVOX_H */
