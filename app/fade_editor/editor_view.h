// Where the fade editor looks: the cursor, the part of the track the picture
// shows and the zoom, with the arithmetic that maps data bytes to picture
// units and back. Picture units are twips: 15 to a pixel column.
#pragma once

#include <cstdint>

struct EditorView {
    static constexpr int MinimumZoom = -2;
    static constexpr int MaximumZoom = 4;
    static constexpr int EmptyFullWidth = 15000;  // EditorFullWidth without a track
    static constexpr int ScrollRange = 10000;     // the scroll bar runs 0 to 10,000

    int32_t EditorCursor = 0;       // byte offset in the data, a multiple of 4
    int32_t EditorViewStart = 0;    // first byte shown, a multiple of 50
    int32_t EditorViewBytes = 0;    // bytes shown across the picture
    double EditorBytesPerUnit = 2000.0 / 15;
    int EditorZoomLevel = 0;
    int EditorEntriesPerPixel = 10;  // cache entries in one pixel column
    int32_t EditorTickBytes = 58800;
    int32_t EditorMajorTickBytes = 176400;
    int32_t EditorFullWidth = EmptyFullWidth;  // picture width that shows the whole track
    int EditorPictureWidth = 0;                // picture width in units

    // The scroll bar's steps and value after a scroll.
    struct Scroll {
        bool wholeTrackFits = false;  // value back to 0 and the picture re-sized
        int smallChange = 1000;
        int largeChange = 5000;
    };

    // PicWidth without the re-sizing: the zoom table's row for the level
    // (a level outside -2 ... 3 takes the row of 4) and the full width.
    void ApplyZoom(int32_t dataBytes);
    // RePic: the picture width for the window's outer width; a track that
    // fits gets a narrower picture.
    void FitPicture(int outerWidth);
    // HScroll1_Change without the drawing, for a loaded track: the view from
    // the scroll bar's value. value is taken as 0 when the picture shows the
    // whole track.
    Scroll ScrollTo(int value, int32_t dataBytes);
    // EditorBytesPerUnit from the zoom (HScroll1_Change's first step).
    void UpdateBytesPerUnit();

    // The picture unit of a data byte, rounded to the nearest, halves to even.
    int X(int64_t position) const;
    // The data byte under a picture unit, as the cursor takes it: rounded,
    // then truncated to a multiple of 4.
    int32_t CursorAt(double x) const;
    // Zoom one step in or out; false when the level reached its end.
    bool ZoomIn();
    bool ZoomOut();
    // The first data byte after the view.
    int64_t ViewEnd() const { return int64_t(EditorViewStart) + EditorViewBytes; }
};
