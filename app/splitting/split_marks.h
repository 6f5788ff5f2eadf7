// The marks that cut one recording into pieces: the first fixed at the
// start, every one on the CD frame grid (a multiple of 588 samples from the
// recording's start) and each at least a frame after the one before, so
// that every piece but the last is a whole number of frames and none is
// empty. Marks found at silences are proposals until the user keeps them.
// Each mark carries its piece's texts; an empty title shows as "Track NN".
#pragma once

#include "play_list.h"  // TrackTexts

#include <QList>

#include <cstdint>

struct SplitMark {
    int64_t sample = 0;
    TrackTexts texts;
    bool proposed = false;
    bool operator==(const SplitMark&) const = default;
};

// One piece: its first sample and its length.
struct SplitPiece {
    int number = 0;  // 1-based
    int64_t start = 0;
    int64_t samples = 0;
    TrackTexts texts;
    bool proposed = false;  // starts at a proposed mark
};

class SplitMarks {
public:
    explicit SplitMarks(int64_t recordingSamples = 0);

    // The frame boundary nearest sample.
    static int64_t OnGrid(int64_t sample);

    int64_t recordingSamples() const { return m_samples; }
    const QList<SplitMark>& marks() const { return m_marks; }
    int count() const { return int(m_marks.size()); }

    // Adds a mark at the frame boundary nearest sample: its index, or -1
    // when one is there already or no whole frame would follow it.
    int add(int64_t sample, const TrackTexts& texts = {}, bool proposed = false);
    // Moves mark index to the frame boundary nearest sample, kept a frame
    // away from its neighbours; the first mark stays. Its new place.
    int64_t move(int index, int64_t sample);
    // Moves mark index by a number of frames, as move does.
    int64_t nudge(int index, int frames) { return move(index, m_marks[index].sample + frames * int64_t(588)); }
    // Removes mark index; the first cannot be removed.
    bool remove(int index);
    void setTexts(int index, const TrackTexts& texts);
    // Every proposal becomes a mark, or every proposal goes.
    void keepProposals();
    void dropProposals();

    // The mark within tolerance samples of sample nearest to it, or -1.
    int markNear(int64_t sample, int64_t tolerance) const;
    // The mark whose piece holds sample.
    int pieceAt(int64_t sample) const;

    QList<SplitPiece> pieces() const;

private:
    int64_t lastPlace() const;

    int64_t m_samples;
    QList<SplitMark> m_marks;
};

// The title a piece shows: its own, else "Track NN".
QString PieceTitle(const SplitPiece& piece);
