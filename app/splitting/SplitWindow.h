// fSplit: one recording cut into pieces by marks. The waveform with its
// ruler and numbered marks, the list of pieces beside it (number, start,
// length, title, the title edited in place), playback with a play line,
// marks tapped by ear at the play position, proposals at silences, and
// OK, which hands the pieces to the command that writes them.
//
// Keys: M marks at the play position; Left and Right move the chosen mark
// by a frame (with Shift by a second); Delete removes it; Space plays from
// the cursor or stops.
#pragma once

#include "split_marks.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;
class QScrollBar;
class QTableWidget;
class QTimer;
class SplitPlayback;
class SplitWaveView;
class Recording;
class WaveOverview;

class SplitWindow : public QDialog {
    Q_OBJECT
public:
    // Writes the pieces the marks give: true once they are written (the
    // window then closes), false to stay open with the marks as they are.
    using Writer = std::function<bool(const SplitMarks& marks, QWidget* parent)>;

    SplitWindow(const QString& fileName, const Recording& recording, const WaveOverview& overview,
                SplitMarks marks, Writer writer, QWidget* parent = nullptr);
    ~SplitWindow() override;

    const SplitMarks& marks() const { return m_marks; }
    SplitWaveView* waveView() const { return m_wave; }
    SplitPlayback& playback() const { return *m_playback; }

    // cmdMark: a mark where the listener is (at the cursor while nothing
    // plays).
    void markAtPlayPosition();
    // cmdSilence: proposals at silences with the fields' values, replacing
    // earlier proposals.
    void proposeAtSilences();

    void accept() override;
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* button(const char* name, const QString& text);
    void buildLayout();
    void connectControls();
    void marksChanged();
    void chooseMark(int index);
    void fillPieces();
    void titleEdited(int row, int column);
    void play(int64_t from, int64_t until = -1);
    void listenAround();
    void followPlayback();
    void syncScrollBar();
    void deleteChosen();
    void nudgeChosen(int frames);

    SplitMarks m_marks;
    const WaveOverview& m_overview;
    Writer m_writer;
    SplitPlayback* m_playback;
    SplitWaveView* m_wave;
    QScrollBar* m_scroll;
    QTableWidget* m_pieces;
    QLineEdit* m_threshold;
    QLineEdit* m_silence;
    QLineEdit* m_lead;
    QTimer* m_playTimer;
    bool m_filling = false;
};
