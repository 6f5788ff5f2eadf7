#include "waveform_drawing.h"

#include "cd_time.h"
#include "shown_number.h"
#include "wave_cache.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>

namespace waveformdrawing {

namespace {

constexpr int32_t B = WaveCache::BlockBytes;
constexpr int Entries = WaveCache::EntriesPerSlot;
// Columns whose values stay within this many picture units of the centre
// line show as one point.
constexpr int QuietUnits = 14;

Shape line(int x1, int y1, int x2, int y2, uint32_t rgb)
{
    return {Shape::Line, x1, y1, x2, y2, rgb, QString(), 8};
}

Shape box(int x1, int y1, int x2, int y2, uint32_t rgb)
{
    return {Shape::FilledBox, x1, y1, x2, y2, rgb, QString(), 8};
}

Shape text(int x, int y, const QString& shown, uint32_t rgb, int fontSize)
{
    return {Shape::Text, x, y, 0, 0, rgb, shown, fontSize};
}

QString envText(float curve)
{
    return QCoreApplication::translate("WaveformDrawing", "Env=") + shownnumber::decimal(curve, 1);
}

// DrawFadeInEnvelope: closed left of s, opening straight to full level at e.
void fadeInOutline(QList<Shape>& shapes, int e, int s, int w, float curve)
{
    shapes << line(0, 985, s, 985, Cyan) << line(s, 985, e, TopLine, Cyan) << line(e, TopLine, w, TopLine, Cyan)
           << line(0, 1015, s, 1015, Cyan) << line(s, 1015, e, BottomLine, Cyan)
           << line(e, BottomLine, w, BottomLine, Cyan);
    if (e != s) {
        shapes << line(e + 100, 300, e + 400, 600, Yellow) << line(e + 400, 600, e + 950, 600, Yellow)
               << text(e + 1000, 500, envText(curve), Yellow, 9);
    }
}

// DrawFadeOutEnvelope: full level left of s, closing straight at e.
void fadeOutOutline(QList<Shape>& shapes, int e, int s, int w, float curve)
{
    shapes << line(0, TopLine, s, TopLine, Cyan) << line(s, TopLine, e, 985, Cyan) << line(e, 985, w, 985, Cyan)
           << line(0, BottomLine, s, BottomLine, Cyan) << line(s, BottomLine, e, 1015, Cyan)
           << line(e, 1015, w, 1015, Cyan);
    if (e != s) {
        shapes << line(s - 100, 1700, s - 400, 1400, Yellow) << line(s - 400, 1400, s - 950, 1400, Yellow)
               << text(s - 1550, 1300, envText(curve), Yellow, 9);
    }
}

void silenceZones(QList<Shape>& shapes, const EditorView& v, const TrackRecord& r)
{
    const int w = v.EditorPictureWidth;
    const int64_t end = v.ViewEnd();
    const auto from = [&](int64_t p) { return p < v.EditorViewStart ? 0 : v.X(p); };
    if (v.EditorViewStart < r.preMutePoint)
        shapes << box(0, TopLine, r.preMutePoint >= end ? w : v.X(r.preMutePoint), BottomLine, Grey);
    if (r.postMutePoint < end)
        shapes << box(from(r.postMutePoint), TopLine, w, BottomLine, Grey);
    const int64_t cut = int64_t(r.dataBytes) + r.muteAdjustBytes;
    if (r.muteAdjustBytes < 0 && cut < end)
        shapes << box(from(cut), TopLine, w, BottomLine, LightGrey);
}

void waveform(QList<Shape>& shapes, const EditorView& v, const TrackRecord& r, const WaveCache& cache,
              const BlockLoader& load)
{
    const int epp = v.EditorEntriesPerPixel;
    int slot = (v.EditorViewStart / B) % WaveCache::SlotCount;
    int entry = (v.EditorViewStart % B) / WaveCache::EntryBytes;
    int64_t blockStart = int64_t(v.EditorViewStart) / B * B;
    for (int x = 0; x <= v.EditorPictureWidth; x += 15) {
        if (entry >= Entries - epp) {
            const int next = (slot + 1) % WaveCache::SlotCount;
            const int64_t nextStart = blockStart + B;
            if (nextStart < r.dataBytes && cache.Start(next) != nextStart)
                load(next, 1, int32_t(nextStart));
        }
        int hi = INT_MIN;
        int lo = INT_MAX;
        for (int j = 0; j < epp; ++j) {
            if (cache.Start(slot) == blockStart) {
                hi = std::max<int>(hi, cache.Max(slot, entry));
                lo = std::min<int>(lo, cache.Min(slot, entry));
            }
            if (++entry == Entries) {
                entry = 0;
                slot = (slot + 1) % WaveCache::SlotCount;
                blockStart += B;
            }
        }
        if (hi == INT_MIN)
            continue;
        shapes << WaveColumn(x, hi, lo, CentreLine, 40, QuietUnits);
    }
}

void ruler(QList<Shape>& shapes, const EditorView& v)
{
    for (int64_t t = (int64_t(v.EditorViewStart) / v.EditorTickBytes + 1) * v.EditorTickBytes; t <= v.ViewEnd();
         t += v.EditorTickBytes) {
        const int x = v.X(t);
        if (t % v.EditorMajorTickBytes != 0) {
            shapes << line(x, 2100, x, 2200, Yellow);
        } else {
            shapes << line(x, 2020, x, 2200, Yellow) << text(x - 300, 2250, FormatCdTime(t), Yellow, 8);
        }
    }
}

void fadeOutlines(QList<Shape>& shapes, const EditorView& v, const TrackRecord& r)
{
    const int w = v.EditorPictureWidth;
    if (v.EditorViewStart < r.fadeInEnd)
        fadeInOutline(shapes, v.X(r.fadeInEnd), v.X(r.preDigitalMute), w, r.fadeInCurve);
    else if (v.EditorViewStart < r.preDigitalMute)
        fadeInOutline(shapes, v.X(r.preDigitalMute), v.X(r.preDigitalMute), w, r.fadeInCurve);

    if (r.fadeOutStart == -1 || r.fadeOutStart >= v.ViewEnd()) {
        if (r.postDigitalMute != -1 && r.postDigitalMute < v.ViewEnd())
            fadeOutOutline(shapes, v.X(r.postDigitalMute), v.X(r.postDigitalMute), w, r.fadeOutCurve);
    } else {
        fadeOutOutline(shapes, v.X(r.postDigitalMute), v.X(r.fadeOutStart), w, r.fadeOutCurve);
    }
}

}  // namespace

int MissingBlocks(const EditorView& view, const WaveCache& cache, int32_t dataBytes)
{
    const int k0 = (view.EditorViewStart / B) % WaveCache::SlotCount;
    const int e0 = (view.EditorViewStart % B) / WaveCache::EntryBytes;
    const int needed = ((view.EditorPictureWidth / 15 + 1) * view.EditorEntriesPerPixel + e0) / Entries + 1;
    int n = 0;
    for (int i = 0; n < needed; ++i) {
        const int64_t position = int64_t(view.EditorViewStart) + int64_t(i) * B;
        if (position / B * B >= dataBytes || cache.Holds((k0 + i) % WaveCache::SlotCount, position))
            break;
        ++n;
    }
    return n;
}

QList<Shape> Waveform(const EditorView& view, const TrackRecord& r, const WaveCache& cache,
                      const BlockLoader& load)
{
    const int n = MissingBlocks(view, cache, r.dataBytes);
    if (n > 0)
        load((view.EditorViewStart / B) % WaveCache::SlotCount, n, view.EditorViewStart / B * B);
    QList<Shape> shapes;
    silenceZones(shapes, view, r);
    waveform(shapes, view, r, cache, load);
    ruler(shapes, view);
    fadeOutlines(shapes, view, r);
    return shapes;
}

QList<Shape> CursorMarks(const EditorView& view)
{
    const int w = view.EditorPictureWidth;
    const int xc = view.X(view.EditorCursor) - 70;
    return {box(0, 0, w, 130, Black), box(0, 1850, w, 2000, Black), text(xc, 10, QStringLiteral("▼"), Red, 8),
            text(xc, 1850, QStringLiteral("▲"), Red, 8)};
}

}  // namespace waveformdrawing
