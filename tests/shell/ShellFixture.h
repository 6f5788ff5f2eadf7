// What the window tests share: WAV tracks on disk, a fresh settings file, a
// main window answered by FakePrompts, and mouse events on grid rows.
#pragma once

#include "FakePrompts.h"
#include "ListGrid.h"
#include "PlayListWindow.h"
#include "SettingsStore.h"
#include "temp_dir.h"
#include "wav_builder.h"

#include <QMouseEvent>
#include <QSettings>
#include <QtTest>

#include <memory>

namespace shelltest {

// A track of 0.1 s silence, `loud` frames at `peak` and `tail` frames of
// silence, written as name into folder.
inline QString writeTrack(const testsupport::TempDir& folder, const QString& name, int16_t peak = 10000,
                          int tail = 4410, int loud = 4410)
{
    const auto path = folder / name.toStdString();
    testsupport::writeFile(path, testsupport::makeWav(testsupport::silenceLoudSilence(4410, loud, tail, peak)));
    return QString::fromStdString(path.string());
}

inline void clearSettings()
{
    QFile::remove(SettingsStore().fileName());
}

inline void storeText(const QString& key, const QString& value)
{
    QSettings raw(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("SVL"));
    raw.setValue(key, value);
}

struct Shell {
    // Where the window looks for the MP3 decoder library: nowhere unless a
    // test asks, so that a window runs as it does without the library.
    QStringList decoderFiles;
    FakePrompts prompts;
    SettingsStore store;
    std::unique_ptr<PlayListWindow> window = std::make_unique<PlayListWindow>(prompts, store, nullptr, decoderFiles);
    testsupport::TempDir folder;

    ListGrid* grid() const { return window->grid(); }
    PlayList& list() const { return window->playList(); }

    void show() const
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    // Opens the files through the toolbar's open button.
    void open(const QStringList& paths)
    {
        prompts.chosenFiles << paths;
        window->Toolbar1_ButtonClick(QStringLiteral("open"));
    }

    // Opens tracks named 1.wav ... n.wav.
    void openTracks(int n)
    {
        QStringList paths;
        for (int i = 1; i <= n; ++i)
            paths << writeTrack(folder, QStringLiteral("%1.wav").arg(i));
        open(paths);
    }

    QStringList titles() const
    {
        QStringList result;
        for (int i = 1; i <= list().TrackCount(); ++i)
            result << list().TrackAt(i).title;
        return result;
    }

    void run(const QString& name) const { window->command(name)->trigger(); }

    // The centre of a grid row in the grid's viewport.
    QPoint rowCentre(int row) const { return grid()->visualRect(grid()->model()->index(row - 1, 2)).center(); }

    void mouse(QEvent::Type type, const QPoint& position, Qt::MouseButtons held) const
    {
        QWidget* viewport = grid()->viewport();
        QMouseEvent event(type, position, viewport->mapToGlobal(position), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }

    void click(int row) const
    {
        mouse(QEvent::MouseButtonPress, rowCentre(row), Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, rowCentre(row), Qt::NoButton);
    }

    // Press on one row, move over another, release at a point.
    void drag(int fromRow, int overRow, const QPoint& releaseAt) const
    {
        mouse(QEvent::MouseButtonPress, rowCentre(fromRow), Qt::LeftButton);
        mouse(QEvent::MouseMove, rowCentre(fromRow) + QPoint(0, 3), Qt::LeftButton);
        mouse(QEvent::MouseMove, rowCentre(overRow), Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, releaseAt, Qt::NoButton);
    }

    void drag(int fromRow, int toRow) const { drag(fromRow, toRow, rowCentre(toRow)); }
};

}  // namespace shelltest
