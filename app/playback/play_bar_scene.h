// What RedrawPlayBar draws, worked out from the list and the view: each
// track's box from its start to its end of sound, its peak mark and title,
// the minute ruler and the pointer marks. Coordinates are the picture's
// units (twips); the play bar window paints this in the order given.
#pragma once

#include "play_bar_view.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class PlayList;

struct PlayBarScene {
    // Rows of the picture.
    static constexpr int TrackTop = 150, TrackBottom = 500;
    static constexpr int PeakTop = 170, PeakBottom = 480, PeakHalfWidth = 30;
    static constexpr int TitleY = 230, TitleIndent = 100;
    static constexpr int MinorTickTop = 700, MajorTickTop = 650, TickBottom = 790;
    static constexpr int LabelY = 820, LabelLeft = 200;
    static constexpr int UpperPointerY = 10, LowerPointerY = 500, PointerLeft = 70;
    static constexpr int UpperStripBottom = 130, LowerStripTop = 510, LowerStripBottom = 650;

    struct TrackShapes {
        int x1 = 0;                  // box from x1 to x2, TrackTop to TrackBottom
        int x2 = 0;
        int32_t color = 0;           // 0x00BBGGRR
        std::optional<int> peakX;    // red mark centred here
        std::optional<QString> title;// printed at (x1 + TitleIndent, TitleY)
        std::optional<int> titleRight;// the title is cut off here: the next box's start
    };
    struct Tick {
        int x = 0;
        std::optional<QString> label;  // every fifth minute: a long tick and its label
    };

    std::vector<TrackShapes> tracks;  // in list order
    std::vector<Tick> ticks;
    std::optional<int> pointerX;      // "▼" and "▲" centred here
};

// The label of minute i, hours first: minute 65 reads 1:05:00.
QString MinuteLabel(qint64 minute);

PlayBarScene BuildPlayBarScene(const PlayList& list, const PlayBarView& view, qint64 pointer);
