// What the player reads of the fade editor's view and draws into it: the
// play line follows the playing position while the editor shows the playing
// track. Called on the user-interface thread only.
#pragma once

class EditorPlayLine {
public:
    virtual ~EditorPlayLine() = default;

    // The track the editor shows (1-based), 0 when none.
    virtual int EditorTrack() const = 0;
    // The view: first byte shown, bytes shown, bytes per picture unit.
    virtual int EditorViewStart() const = 0;
    virtual int EditorViewBytes() const = 0;
    virtual double EditorBytesPerUnit() const = 0;
    // Draws a vertical line at x from 200 to 1800 in the invert mode; drawn
    // twice at one place it disappears.
    virtual void InvertPlayLine(int x) = 0;
    // Redraws the whole waveform (the player does this when playback ends).
    virtual void RedrawWaveform() = 0;
};
