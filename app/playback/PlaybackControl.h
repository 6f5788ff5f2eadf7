// What the windows that start or move playback ask of the player: the play
// bar and the fade editor. Everything here runs on the user-interface
// thread.
#pragma once

class PlaybackControl {
public:
    virtual ~PlaybackControl() = default;

    // 1 while playback runs (including the time between a stop request and
    // the engine's end report), -1 when idle.
    virtual int PlayerActive() const = 0;
    // The 1-based track being played, or last played.
    virtual int PlayingTrack() const = 0;

    // Starts the track at a byte offset; only while idle.
    virtual void StartPlayback(int track, int offset) = 0;
    virtual void StopPlayback() = 0;
    // Moves running playback to a track and byte offset without closing the
    // audio output.
    virtual void SeekPlayback(int track, int offset) = 0;
    // Ends the continuous peak-point play: a play position picked by the
    // user plays on normally from there.
    virtual void ClearPeakRun() = 0;
};
