// The waveform cache against the file itself, and the view arithmetic and
// drawing that turn the cache into shapes.
#include "editor_view.h"
#include "temp_dir.h"
#include "track_factory.h"
#include "wav_builder.h"
#include "wave_cache.h"
#include "waveform_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int32_t Second = WaveCache::SecondBytes;

// A WAV file of noise that is 25.5 s long, followed by a LIST chunk whose
// bytes must not be taken for samples.
struct NoiseFile {
    testsupport::TempDir folder;
    std::vector<int16_t> samples = testsupport::noise(size_t(25.5 * Second / 2), 30000, 7);
    WaveCache::Source source;

    NoiseFile()
    {
        testsupport::WavLayout layout;
        layout.listAfterData = true;
        testsupport::writeFile(folder / "noise.wav", testsupport::makeWav(samples, layout));
        source = {QString::fromStdString((folder / "noise.wav").string()), 44, int64_t(samples.size()) * 2};
    }

    // Max and min of the 100 values of the entry at a data byte; values past
    // the data count as 0.
    std::pair<int16_t, int16_t> expected(int64_t byte) const
    {
        int16_t hi = INT16_MIN;
        int16_t lo = INT16_MAX;
        for (int64_t i = byte / 2; i < byte / 2 + 100; ++i) {
            const int16_t v = i < int64_t(samples.size()) ? samples[size_t(i)] : 0;
            hi = std::max(hi, v);
            lo = std::min(lo, v);
        }
        return {hi, lo};
    }
};

TEST(WaveCache, EntriesAreTheMinimaAndMaximaOfTheFile)
{
    NoiseFile file;
    WaveCache cache;
    std::vector<int> progress;
    // Blocks 1 and 2 into slots 5 and 0: across a block boundary and past
    // the end of the data at 25.5 s.
    const QString error =
        cache.LoadWaveBlocks(file.source, 5, 2, WaveCache::BlockBytes, [&](int p) { progress.push_back(p); });
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(cache.Start(5), WaveCache::BlockBytes);
    EXPECT_EQ(cache.Start(0), 2 * WaveCache::BlockBytes);
    EXPECT_EQ(cache.Start(1), -1);
    for (const int entry : {0, 1, 881, 882, 8819}) {
        for (const auto& [slot, block] : {std::pair{5, 1}, std::pair{0, 2}}) {
            const auto [hi, lo] = file.expected(int64_t(block) * WaveCache::BlockBytes + entry * 200);
            EXPECT_EQ(cache.Max(slot, entry), hi) << "slot " << slot << " entry " << entry;
            EXPECT_EQ(cache.Min(slot, entry), lo) << "slot " << slot << " entry " << entry;
        }
    }
    // The entry that holds the last samples of the data, and one after it.
    const int last = int((file.source.dataBytes - 1 - 2 * WaveCache::BlockBytes) / 200);
    for (const int entry : {last, last + 1}) {
        const auto [hi, lo] = file.expected(2 * int64_t(WaveCache::BlockBytes) + entry * 200);
        EXPECT_EQ(cache.Max(0, entry), hi);
        EXPECT_EQ(cache.Min(0, entry), lo);
    }
    EXPECT_EQ(progress.front(), 5);
    EXPECT_EQ(progress[progress.size() - 2], 100);
    EXPECT_EQ(progress.back(), 0);
    EXPECT_EQ(cache.BlocksRead(), 2);
}

TEST(WaveCache, AMissingFileIsReportedAndLeavesTheSlotsAlone)
{
    NoiseFile file;
    WaveCache cache;
    ASSERT_TRUE(cache.LoadWaveBlocks(file.source, 0, 1, 0, {}).isEmpty());
    WaveCache::Source gone = file.source;
    gone.path += QStringLiteral(".gone");
    EXPECT_FALSE(cache.LoadWaveBlocks(gone, 1, 1, WaveCache::BlockBytes, {}).isEmpty());
    EXPECT_EQ(cache.Start(0), 0);
    EXPECT_EQ(cache.Start(1), -1);
}

EditorView loadedView(int32_t dataBytes, int zoom, int outerWidth, int scrollValue)
{
    EditorView view;
    view.EditorZoomLevel = zoom;
    view.ApplyZoom(dataBytes);
    view.FitPicture(outerWidth);
    view.ScrollTo(scrollValue, dataBytes);
    return view;
}

TEST(EditorView, TheEndOfATrackShowsItsLastBytesRoundedDownToFifty)
{
    const int32_t dataBytes = 600 * Second + 1234;
    const EditorView view = loadedView(dataBytes, 0, 7935, EditorView::ScrollRange);
    // A 7,935 wide window leaves 7,815 units: 521 columns of 10 entries of
    // 200 bytes, 1,042,000 bytes. 105,841,234 - 1,042,000 = 104,799,234,
    // down to a multiple of 50.
    EXPECT_EQ(view.EditorViewBytes, 1042000);
    EXPECT_EQ(view.EditorViewStart, 104799200);
}

TEST(EditorView, AShortTrackNarrowsThePictureAndStartsAtZero)
{
    EditorView view = loadedView(2 * Second, 0, 7935, 0);
    // 352,800 bytes are 1,764 entries, 176 whole columns of 10: 2,640 units.
    EXPECT_EQ(view.EditorPictureWidth, 2640);
    const EditorView::Scroll scroll = view.ScrollTo(5000, 2 * Second);
    EXPECT_TRUE(scroll.wholeTrackFits);
    EXPECT_EQ(view.EditorViewStart, 0);
}

// A cache with one block of the given entries in slot 0.
struct FilledCache : WaveCache {
    FilledCache(int16_t hi, int16_t lo, const testsupport::TempDir& folder)
    {
        std::vector<int16_t> samples(WaveCache::BlockBytes / 2);
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = i % 2 == 0 ? hi : lo;
        testsupport::writeFile(folder / "f.wav", testsupport::makeWav(samples));
        LoadWaveBlocks({QString::fromStdString((folder / "f.wav").string()), 44, WaveCache::BlockBytes}, 0, 1, 0, {});
    }
};

QList<Shape> ofKind(const QList<Shape>& shapes, Shape::Kind kind, uint32_t rgb)
{
    QList<Shape> found;
    std::copy_if(shapes.begin(), shapes.end(), std::back_inserter(found),
                 [&](const Shape& s) { return s.kind == kind && s.rgb == rgb; });
    return found;
}

TEST(WaveformDrawing, QuietColumnsArePointsAndLoudOnesLines)
{
    testsupport::TempDir folder;
    const TrackRecord r = playlisttest::analysed(WaveCache::BlockBytes);
    const EditorView view = loadedView(r.dataBytes, 0, 1935, 0);
    const auto noLoad = [](int, int, int32_t) { FAIL() << "the cache holds the view"; };
    const QList<Shape> quiet = waveformdrawing::Waveform(view, r, FilledCache(599, -599, folder), noLoad);
    const QList<Shape> loud = waveformdrawing::Waveform(view, r, FilledCache(600, -40, folder), noLoad);
    // The picture is 1,935 - 120 = 1,815 units wide: columns at x = 0, 15,
    // ..., 1,815, 122 of them.
    const int columns = 122;
    EXPECT_EQ(ofKind(quiet, Shape::Point, waveformdrawing::Green).size(), columns);
    EXPECT_EQ(ofKind(quiet, Shape::Line, waveformdrawing::Green).size(), 0);
    const QList<Shape> lines = ofKind(loud, Shape::Line, waveformdrawing::Green);
    ASSERT_EQ(lines.size(), columns);
    EXPECT_EQ(lines[3], (Shape{Shape::Line, 45, 1015, 45, 999, waveformdrawing::Green, QString(), 8}));
}

TEST(WaveformDrawing, ANegativeMuteShowsTheCutOffEndInLightGrey)
{
    testsupport::TempDir folder;
    TrackRecord r = playlisttest::analysed(WaveCache::BlockBytes, 0, 20000);
    r.muteAdjustBytes = -8000;
    const EditorView view = loadedView(r.dataBytes, 0, 15000, 0);
    const QList<Shape> shapes =
        waveformdrawing::Waveform(view, r, FilledCache(0, 0, folder), [](int, int, int32_t) {});
    // The whole block fits: 8,820 entries, 882 columns, 13,230 units wide at
    // 2,000 / 15 bytes a unit. The cut starts at 1,756,000 bytes, x = 13,170;
    // the trailing silence at 1,744,000 bytes, x = 13,080.
    const QList<Shape> light = ofKind(shapes, Shape::FilledBox, waveformdrawing::LightGrey);
    ASSERT_EQ(light.size(), 1);
    EXPECT_EQ(light[0].x1, 13170);
    EXPECT_EQ(light[0].x2, 13230);
    const QList<Shape> grey = ofKind(shapes, Shape::FilledBox, waveformdrawing::Grey);
    ASSERT_EQ(grey.size(), 1);
    EXPECT_EQ(grey[0].x1, 13080);
}

TEST(WaveformDrawing, AViewAcrossABlockBoundaryLoadsTheNextBlockWhenTheDrawingReachesIt)
{
    NoiseFile file;
    WaveCache cache;
    ASSERT_TRUE(cache.LoadWaveBlocks(file.source, 0, 1, 0, {}).isEmpty());
    const TrackRecord r = playlisttest::analysed(int32_t(file.source.dataBytes));
    EditorView view = loadedView(r.dataBytes, 0, 7935, 0);
    view.EditorViewStart = WaveCache::BlockBytes - 100 * 200 * 10;
    std::vector<std::tuple<int, int, int32_t>> loads;
    const auto load = [&](int slot, int count, int32_t offset) {
        loads.emplace_back(slot, count, offset);
        cache.LoadWaveBlocks(file.source, slot, count, offset, {});
    };
    const QList<Shape> shapes = waveformdrawing::Waveform(view, r, cache, load);
    // The view's start is cached; block 1 follows once the drawing reaches
    // the last column of block 0.
    EXPECT_EQ(loads, (std::vector<std::tuple<int, int, int32_t>>{{1, 1, WaveCache::BlockBytes}}));
    EXPECT_EQ(ofKind(shapes, Shape::Line, waveformdrawing::Green).size() +
                  ofKind(shapes, Shape::Point, waveformdrawing::Green).size(),
              522);  // x = 0, 15, ..., 7,815
}

}  // namespace
