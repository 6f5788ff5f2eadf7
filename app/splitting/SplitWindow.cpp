#include "SplitWindow.h"

#include "SplitPlayback.h"
#include "SplitWaveView.h"
#include "cd_frame.h"
#include "cd_time.h"
#include "numeric_prefix.h"
#include "piece_files.h"
#include "silence_finder.h"
#include "split_messages.h"
#include "wave_overview.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

enum Column { NumberColumn, StartColumn, LengthColumn, TitleColumn };

constexpr int64_t AroundSamples = 3 * 44100;  // heard on either side of a mark
constexpr int ScrollSteps = 10000;

QString cdTimeOf(int64_t samples)
{
    return FormatCdTime(samples * 4);
}

}  // namespace

SplitWindow::SplitWindow(const QString& fileName, const Recording& recording, const WaveOverview& overview,
                         SplitMarks marks, Writer writer, QWidget* parent)
    : QDialog(parent)
    , m_marks(std::move(marks))
    , m_overview(overview)
    , m_writer(std::move(writer))
    , m_playback(new SplitPlayback(recording, this))
{
    setObjectName(QStringLiteral("fSplit"));
    setWindowTitle(splitmessages::windowCaption(fileName));
    buildLayout();
    connectControls();
    fillPieces();
    resize(1000, 560);
}

SplitWindow::~SplitWindow() = default;

QPushButton* SplitWindow::button(const char* name, const QString& text)
{
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

void SplitWindow::buildLayout()
{
    m_wave = new SplitWaveView(m_overview, m_marks, this);
    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_scroll->setObjectName(QStringLiteral("hsbWave"));
    m_scroll->setRange(0, ScrollSteps);
    m_pieces = new QTableWidget(0, 4, this);
    m_pieces->setObjectName(QStringLiteral("grdPieces"));
    m_pieces->setHorizontalHeaderLabels({tr("No."), tr("開始"), tr("長さ"), tr("ﾀｲﾄﾙ")});
    m_pieces->verticalHeader()->hide();
    m_pieces->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pieces->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pieces->horizontalHeader()->setStretchLastSection(true);
    m_pieces->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);

    auto* waveSide = new QWidget(this);
    auto* waveLayout = new QVBoxLayout(waveSide);
    waveLayout->setContentsMargins(0, 0, 0, 0);
    waveLayout->addWidget(m_wave, 1);
    waveLayout->addWidget(m_scroll);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(waveSide);
    splitter->addWidget(m_pieces);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);

    auto* playRow = new QHBoxLayout;
    for (auto* b : {button("cmdPlay", tr("再生(&P)")), button("cmdStop", tr("停止")), button("cmdMark", tr("ﾏｰｸ(&M)")),
                    button("cmdListen", tr("前後を聴く(&A)")), button("cmdDelete", tr("削除(&D)")),
                    button("cmdZoomIn", tr("拡大(&I)")), button("cmdZoomOut", tr("縮小(&U)")),
                    button("cmdZoomAll", tr("全体(&W)"))})
        playRow->addWidget(b);
    playRow->addStretch(1);

    m_threshold = new QLineEdit(QStringLiteral("-50"), this);
    m_threshold->setObjectName(QStringLiteral("txtThreshold"));
    m_silence = new QLineEdit(QStringLiteral("2.0"), this);
    m_silence->setObjectName(QStringLiteral("txtSilence"));
    m_lead = new QLineEdit(QStringLiteral("0.5"), this);
    m_lead->setObjectName(QStringLiteral("txtLead"));
    auto* silenceRow = new QHBoxLayout;
    const auto field = [&](const QString& text, QLineEdit* edit) {
        auto* label = new QLabel(text, this);
        label->setBuddy(edit);
        edit->setMaximumWidth(60);
        silenceRow->addWidget(label);
        silenceRow->addWidget(edit);
    };
    field(tr("ｽﾚｯｼｮﾙﾄﾞ(dBFS)(&T):"), m_threshold);
    field(tr("無音の長さ(秒)(&L):"), m_silence);
    field(tr("ﾘｰﾄﾞ(秒)(&E):"), m_lead);
    for (auto* b : {button("cmdSilence", tr("無音で区切る(&S)")), button("cmdKeep", tr("候補を確定(&K)")),
                    button("cmdDrop", tr("候補を消す(&X)"))})
        silenceRow->addWidget(b);
    silenceRow->addStretch(1);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = button("cmdCancel", tr("ｷｬﾝｾﾙ"));
    auto* endRow = new QHBoxLayout;
    endRow->addStretch(1);
    endRow->addWidget(ok);
    endRow->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(playRow);
    layout->addLayout(silenceRow);
    layout->addLayout(endRow);
    m_playTimer = new QTimer(this);
    m_playTimer->setObjectName(QStringLiteral("tmrPlay"));
    m_playTimer->setInterval(30);
}

void SplitWindow::connectControls()
{
    const auto on = [this](const char* name, auto slot) {
        connect(findChild<QPushButton*>(QString::fromLatin1(name)), &QPushButton::clicked, this, slot);
    };
    on("cmdPlay", [this] { play(m_wave->cursor()); });
    on("cmdStop", [this] { m_playback->stop(); });
    on("cmdMark", [this] { markAtPlayPosition(); });
    on("cmdListen", [this] { listenAround(); });
    on("cmdDelete", [this] { deleteChosen(); });
    on("cmdZoomIn", [this] { m_wave->view().zoom(0.25, m_wave->width() / 2); m_wave->refresh(); syncScrollBar(); });
    on("cmdZoomOut", [this] { m_wave->view().zoom(4, m_wave->width() / 2); m_wave->refresh(); syncScrollBar(); });
    on("cmdZoomAll", [this] { m_wave->view().showAll(); m_wave->refresh(); syncScrollBar(); });
    on("cmdSilence", [this] { proposeAtSilences(); });
    on("cmdKeep", [this] { m_marks.keepProposals(); marksChanged(); });
    on("cmdDrop", [this] { m_marks.dropProposals(); m_wave->chooseMark(-1); marksChanged(); });
    on("cmdOK", [this] { accept(); });
    on("cmdCancel", [this] { reject(); });
    // The mark key without Alt, for tapping while listening; a title being
    // typed takes the letter first.
    connect(new QShortcut(QKeySequence(Qt::Key_M), this), &QShortcut::activated, this,
            [this] { markAtPlayPosition(); });
    connect(m_wave, &SplitWaveView::marksChanged, this, [this] { marksChanged(); });
    connect(m_wave, &SplitWaveView::markChosen, this, [this](int index) { chooseMark(index); });
    connect(m_wave, &SplitWaveView::viewChanged, this, [this] { syncScrollBar(); });
    connect(m_scroll, &QScrollBar::valueChanged, this, [this](int value) {
        const double room = std::max(0.0, m_overview.frames() - m_wave->view().shownFrames());
        m_wave->view().scrollTo(room * value / ScrollSteps);
        m_wave->refresh();
    });
    connect(m_pieces, &QTableWidget::cellChanged, this, [this](int row, int column) { titleEdited(row, column); });
    connect(m_pieces, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!m_filling && row >= 0)
            chooseMark(row);
    });
    connect(m_playTimer, &QTimer::timeout, this, [this] { followPlayback(); });
    connect(m_playback, &SplitPlayback::stopped, this, [this] {
        m_playTimer->stop();
        m_wave->setPlayLine(-1);
    });
}

void SplitWindow::markAtPlayPosition()
{
    const int64_t at = m_playback->playing() ? m_playback->heardNow() : m_wave->cursor();
    const int index = m_marks.add(at);
    if (index < 0)
        return;
    m_wave->chooseMark(index);
    marksChanged();
}

void SplitWindow::proposeAtSilences()
{
    const SilenceRule rule{NumericPrefix(m_threshold->text()), NumericPrefix(m_silence->text()),
                           NumericPrefix(m_lead->text())};
    m_marks.dropProposals();
    // A silence that a kept mark already divides (a sheet's track, a mark
    // by ear) proposes nothing more there.
    const int64_t near = int64_t(std::max(rule.shortestSeconds, rule.leadSeconds) * 44100);
    for (const int64_t at : FindSilenceMarks(m_overview, rule)) {
        if (m_marks.markNear(at, near) < 0)
            m_marks.add(at, {}, true);
    }
    m_wave->chooseMark(-1);
    marksChanged();
}

void SplitWindow::marksChanged()
{
    fillPieces();
    m_wave->refresh();
}

void SplitWindow::chooseMark(int index)
{
    if (index < 0 || index >= m_marks.count())
        return;
    const int64_t at = m_marks.marks()[index].sample;
    m_wave->setCursor(at);
    m_wave->view().follow(at);
    m_wave->chooseMark(index);
    syncScrollBar();
    m_filling = true;
    m_pieces->setCurrentCell(index, m_pieces->currentColumn() < 0 ? 0 : m_pieces->currentColumn());
    m_filling = false;
}

void SplitWindow::fillPieces()
{
    m_filling = true;
    const QList<SplitPiece> pieces = m_marks.pieces();
    m_pieces->setRowCount(int(pieces.size()));
    for (const SplitPiece& piece : pieces) {
        const int row = piece.number - 1;
        const auto cell = [&](int column, const QString& text, bool editable) {
            auto* item = new QTableWidgetItem(text);
            item->setFlags(editable ? item->flags() | Qt::ItemIsEditable : item->flags() & ~Qt::ItemIsEditable);
            if (piece.proposed)
                item->setForeground(QColor(Qt::darkCyan));
            m_pieces->setItem(row, column, item);
            return item;
        };
        cell(NumberColumn, QStringLiteral("%1").arg(piece.number, 2, 10, QChar(u'0')), false);
        cell(StartColumn, cdTimeOf(piece.start), false);
        QTableWidgetItem* length = cell(LengthColumn, cdTimeOf(piece.samples), false);
        if (piece.samples < ShortestPieceSamples) {
            length->setBackground(QColor(255, 200, 200));
            length->setToolTip(tr("4秒より短いﾄﾗｯｸです"));
        }
        cell(TitleColumn, PieceTitle(piece), true);
    }
    m_pieces->resizeColumnsToContents();
    if (m_wave->chosenMark() >= 0)
        m_pieces->setCurrentCell(m_wave->chosenMark(), 0);
    m_filling = false;
}

void SplitWindow::titleEdited(int row, int column)
{
    if (m_filling || column != TitleColumn || row >= m_marks.count())
        return;
    TrackTexts texts = m_marks.marks()[row].texts;
    texts.title = m_pieces->item(row, column)->text().trimmed();
    m_marks.setTexts(row, texts);
}

void SplitWindow::play(int64_t from, int64_t until)
{
    if (m_playback->playing())
        m_playback->stop();
    if (!m_playback->play(from, until))
        return;
    m_playTimer->start();
}

void SplitWindow::listenAround()
{
    const int index = m_wave->chosenMark();
    if (index < 0)
        return;
    const int64_t at = m_marks.marks()[index].sample;
    play(std::max<int64_t>(0, at - AroundSamples), at + AroundSamples);
}

void SplitWindow::followPlayback()
{
    if (!m_playback->playing())
        return;
    const int64_t heard = m_playback->heardNow();
    const double before = m_wave->view().firstFrame();
    m_wave->view().follow(heard);
    if (m_wave->view().firstFrame() != before) {
        m_wave->refresh();
        syncScrollBar();
    }
    m_wave->setPlayLine(heard);
}

void SplitWindow::syncScrollBar()
{
    const SplitView& view = m_wave->view();
    const double room = std::max(0.0, m_overview.frames() - view.shownFrames());
    const QSignalBlocker blocker(m_scroll);
    m_scroll->setEnabled(room > 0);
    m_scroll->setValue(room > 0 ? int(view.firstFrame() / room * ScrollSteps) : 0);
    const double shown = view.shownFrames() / std::max(1.0, double(m_overview.frames()));
    m_scroll->setPageStep(std::max(1, int(shown * ScrollSteps)));
}

void SplitWindow::deleteChosen()
{
    const int index = m_wave->chosenMark();
    if (!m_marks.remove(index))
        return;
    m_wave->chooseMark(std::min(index, m_marks.count() - 1));
    marksChanged();
}

void SplitWindow::nudgeChosen(int frames)
{
    const int index = m_wave->chosenMark();
    if (index <= 0)
        return;
    m_marks.nudge(index, frames);
    m_wave->setCursor(m_marks.marks()[index].sample);
    marksChanged();
}

void SplitWindow::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? int(cdframe::PerSecond) : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        nudgeChosen(-step);
        return;
    case Qt::Key_Right:
        nudgeChosen(step);
        return;
    case Qt::Key_Delete:
        deleteChosen();
        return;
    case Qt::Key_Space:
        if (m_playback->playing())
            m_playback->stop();
        else
            play(m_wave->cursor());
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void SplitWindow::accept()
{
    m_playback->stop();
    if (m_writer && m_writer(m_marks, this))
        QDialog::accept();
}

void SplitWindow::reject()
{
    m_playback->stop();
    QDialog::reject();
}
