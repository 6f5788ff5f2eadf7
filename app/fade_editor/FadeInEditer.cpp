#include "FadeInEditer.h"

#include "EditorIcons.h"
#include "EditorMenus.h"
#include "EnvelopeDialog.h"
#include "PictureBox.h"
#include "PlaybackControl.h"
#include "ProgramTitle.h"
#include "Prompts.h"
#include "Settings.h"
#include "Twips.h"
#include "fade_commands.h"
#include "player_rules.h"
#include "play_list.h"
#include "waveform_drawing.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolBar>

#include <utility>

namespace {

constexpr int MinimumWidth = 6870;
constexpr int MaximumWidth = 15000;
constexpr int PictureLeft = 60;
constexpr int PictureHeight = 2535;
constexpr int ProgressWidth = 2775;
QString CaptionStart()
{
    return QCoreApplication::translate("FadeInEditer", "Fade-In Editer  - ");
}

QColor colorOf(uint32_t rgb)
{
    return QColor::fromRgb(QRgb(rgb));
}

}  // namespace

FadeInEditer::FadeInEditer(PlayList& list, const Settings& settings, WaveCache& cache, Prompts& prompts,
                           Hooks hooks, QWidget* parent)
    : QMainWindow(parent)
    , m_list(list)
    , m_settings(settings)
    , m_cache(cache)
    , m_prompts(prompts)
    , m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("fFadeInEditer"));
    setWindowTitle(CaptionStart() + tr("\"-NoLoad-\""));
    buildMenus();
    buildToolbar();
    registerCommands();
    buildView();
    setMinimumWidth(twips::toPixels(MinimumWidth));
    setMaximumWidth(twips::toPixels(MaximumWidth));
    // The height is fixed: the picture's height does not change.
    setFixedHeight(menuBar()->sizeHint().height() + m_toolbar->sizeHint().height() + centralWidget()->height());
    resize(twips::toPixels(DefaultWidth), height());
    RePic();
}

void FadeInEditer::buildMenus()
{
    m_commands.addMenus(editorMenuEntries());
    QMenu* file = m_commands.menu(QStringLiteral("mnuFile"));
    QAction* line = file->actions().constFirst();
    for (int i = 1; i <= PlayList::MaxTracks; ++i) {
        auto* item = new QAction(file);
        item->setObjectName(QStringLiteral("mnuFileOpen"));
        item->setProperty("index", i);
        item->setCheckable(true);
        item->setVisible(false);
        file->insertAction(line, item);
        connect(item, &QAction::triggered, this, [this, i] {
            m_trackItems[i]->setChecked(i == m_list.EditorTrack());
            m_hooks.EditTrack(i);
        });
        m_trackItems[i] = item;
    }
}

// The fade and mute point commands run by menu name; the close item, the
// zoom, play and stop buttons are the window's own.
void FadeInEditer::registerCommands()
{
    for (const MenuEntry& entry : editorMenuEntries()) {
        const QString name = QString::fromLatin1(entry.name);
        if (entry.kind == MenuEntry::Command)
            m_commands.SetCommand(name, [this, name] { RunCommand(name); });
    }
    m_commands.SetCommand(QStringLiteral("mnuFileClose"), [this] { close(); });
    m_commands.SetCommand(QStringLiteral("zoomin"), [this] { ZoomIn(); });
    m_commands.SetCommand(QStringLiteral("zoomout"), [this] { ZoomOut(); });
    m_commands.SetCommand(QStringLiteral("play"), [this] { PlayFromCursor(); });
    m_commands.SetCommand(QStringLiteral("stop"), [this] {
        if (m_player != nullptr)
            m_player->StopPlayback();
    });
}

void FadeInEditer::buildToolbar()
{
    m_toolbar = m_commands.addToolbar(editorButtons(), &editoricons::toolbarIcon);
    m_progress = new QProgressBar(m_toolbar);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
}

void FadeInEditer::buildView()
{
    auto* area = new QWidget(this);
    m_picture = new PictureBox(area);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setFrameStyle(QFrame::NoFrame);
    m_picture->setBackColor(Qt::black);
    m_picture->setFocusPolicy(Qt::StrongFocus);
    m_picture->installEventFilter(this);
    const int pictureHeight = twips::toPixels(PictureHeight);
    m_picture->setGeometry(twips::toPixels(PictureLeft), 0, 1, pictureHeight);
    m_picture->clear();

    m_scroll = new QScrollBar(Qt::Horizontal, area);
    m_scroll->setObjectName(QStringLiteral("HScroll1"));
    m_scroll->setRange(0, EditorView::ScrollRange);
    m_scroll->setGeometry(twips::toPixels(PictureLeft), pictureHeight, 1, m_scroll->sizeHint().height());
    connect(m_scroll, &QScrollBar::valueChanged, this, &FadeInEditer::HScroll1_Change);
    area->setFixedHeight(pictureHeight + m_scroll->sizeHint().height() + 2);
    setCentralWidget(area);
}

bool FadeInEditer::hasTrack() const
{
    const int track = m_list.EditorTrack();
    return track >= 1 && track <= m_list.TrackCount();
}

int FadeInEditer::playerActive() const
{
    return m_player == nullptr ? -1 : m_player->PlayerActive();
}

void FadeInEditer::OpenWin()
{
    if (m_list.EditorTrack() == -1) {
        m_view.EditorViewStart = 0;
        m_view.EditorCursor = 0;
        m_view.EditorZoomLevel = 0;
        m_view.EditorEntriesPerPixel = 10;
        m_commands.command(QStringLiteral("zoomin"))->setEnabled(false);
        m_commands.command(QStringLiteral("zoomout"))->setEnabled(false);
        ShowButton(false, false);
        m_scroll->setPageStep(100);
        m_scroll->setSingleStep(10);
        SetScrollValue(0);
        m_view.EditorFullWidth = EditorView::EmptyFullWidth;
        setWindowTitle(CaptionStart() + tr("\"-NoLoad-\""));
        clearPicture();
        m_list.SetEditorTrack(-2);
        m_list.SetUndoEditorTrack(-2);
    }
    m_hooks.RefreshCommands();
    show();
}

void FadeInEditer::IniLoad()
{
    m_cache.Empty();
    m_view.EditorCursor = 0;
    const int track = m_list.SelectedTrack();
    m_list.SetEditorTrack(track);
    m_view.EditorZoomLevel = 0;
    m_commands.command(QStringLiteral("zoomin"))->setEnabled(true);
    m_commands.command(QStringLiteral("zoomout"))->setEnabled(true);
    m_view.EditorFullWidth = EditorView::EmptyFullWidth;
    setWindowTitle(CaptionStart() + u'"' + m_list.TrackAt(track).title + u'"');
    clearPicture();
    PicWidth();
    for (int i = 1; i <= PlayList::MaxTracks; ++i)
        m_trackItems[i]->setChecked(i == track);
    m_hooks.RefreshCommands();
    show();
    QCoreApplication::processEvents();
    HScroll1_Change();
}

void FadeInEditer::PicWidth()
{
    m_view.ApplyZoom(hasTrack() ? m_list.TrackAt(m_list.EditorTrack()).record.dataBytes : 0);
    RePic();
}

void FadeInEditer::RePic()
{
    m_view.FitPicture(int(twips::fromPixels(width())));
    const int pixels = std::max(1, twips::toPixelsCovering(m_view.EditorPictureWidth));
    m_picture->resize(pixels, m_picture->height());
    m_scroll->resize(pixels, m_scroll->height());
}

void FadeInEditer::SetScrollValue(int value)
{
    const QSignalBlocker quiet(m_scroll);
    m_scroll->setValue(value);
}

void FadeInEditer::HScroll1_Change()
{
    m_view.UpdateBytesPerUnit();
    if (!hasTrack())
        return;
    const EditorView::Scroll scroll =
        m_view.ScrollTo(m_scroll->value(), m_list.TrackAt(m_list.EditorTrack()).record.dataBytes);
    if (scroll.wholeTrackFits) {
        SetScrollValue(0);
        RePic();
    }
    m_scroll->setSingleStep(scroll.smallChange);
    m_scroll->setPageStep(scroll.largeChange);
    RedrawWaveform();
}

void FadeInEditer::ZoomIn()
{
    m_commands.command(QStringLiteral("zoomin"))->setEnabled(m_view.ZoomIn());
    m_commands.command(QStringLiteral("zoomout"))->setEnabled(true);
    PicWidth();
    HScroll1_Change();
    m_picture->setFocus();
}

void FadeInEditer::ZoomOut()
{
    m_commands.command(QStringLiteral("zoomout"))->setEnabled(m_view.ZoomOut());
    m_commands.command(QStringLiteral("zoomin"))->setEnabled(true);
    PicWidth();
    HScroll1_Change();
    m_picture->setFocus();
}

void FadeInEditer::RedrawWaveform()
{
    if (!hasTrack())
        return;
    const TrackRecord& r = m_list.TrackAt(m_list.EditorTrack()).record;
    clearPicture();
    const QList<Shape> shapes = waveformdrawing::Waveform(
        m_view, r, m_cache, [this](int firstSlot, int count, int32_t offset) { loadBlocks(firstSlot, count, offset); });
    paint(shapes);
    DrawCursor();
    m_hooks.ShowTrackStatus();
}

void FadeInEditer::loadBlocks(int firstSlot, int count, int32_t offset)
{
    const Track& track = m_list.TrackAt(m_list.EditorTrack());
    const WaveCache::Source source{track.path, track.record.dataOffset, track.record.dataBytes};
    const QString error = m_cache.LoadWaveBlocks(source, firstSlot, count, offset, [this](int percent) {
        m_progress->setValue(percent);
        m_progress->repaint();
    });
    if (!error.isEmpty())
        m_prompts.message(this, error, ProgramTitle(), Prompts::Buttons::Ok);
}

void FadeInEditer::paint(const QList<Shape>& shapes)
{
    for (const Shape& shape : shapes) {
        const QColor color = colorOf(shape.rgb);
        switch (shape.kind) {
        case Shape::Line:
            m_picture->line(shape.x1, shape.y1, shape.x2, shape.y2, color);
            break;
        case Shape::FilledBox:
            m_picture->filledBox(shape.x1, shape.y1, shape.x2, shape.y2, color);
            break;
        case Shape::Point:
            m_picture->point(shape.x1, shape.y1, color);
            break;
        case Shape::Text: {
            QFont font = m_picture->font();
            if (font.pointSize() != shape.fontSize) {
                font.setPointSize(shape.fontSize);
                m_picture->setFont(font);
            }
            m_picture->setForeColor(color);
            m_picture->text(shape.x1, shape.y1, shape.text);
            break;
        }
        }
    }
}

void FadeInEditer::DrawCursor()
{
    if (m_list.EditorTrack() < 0)
        return;
    if (playerActive() == -1 && hasTrack()) {
        const auto flags = fadecommands::FlagsAt(m_list.TrackAt(m_list.EditorTrack()).record, m_view.EditorCursor);
        ShowButton(flags.fadeIn, flags.fadeOut);
    }
    paint(waveformdrawing::CursorMarks(m_view));
}

void FadeInEditer::ShowButton(bool fadeIn, bool fadeOut)
{
    const TrackRecord blank{};
    const TrackRecord& r = hasTrack() ? m_list.TrackAt(m_list.EditorTrack()).record : blank;
    const QHash<QString, bool> enabled = fadecommands::ShowButton({fadeIn, fadeOut}, r, m_view.EditorCursor);
    for (auto control = enabled.constBegin(); control != enabled.constEnd(); ++control)
        m_commands.command(control.key())->setEnabled(control.value());
}

void FadeInEditer::PressAt(double x)
{
    m_view.EditorCursor = m_view.CursorAt(x);
    DrawCursor();
}

void FadeInEditer::PlayFromCursor()
{
    // The play button is on for the empty window too; it has nothing to play.
    if (!hasTrack())
        return;
    const TrackRecord& r = m_list.TrackAt(m_list.EditorTrack()).record;
    m_view.EditorCursor = m_view.EditorCursor / 4 * 4;
    if (m_view.EditorCursor < r.dataBytes + r.muteAdjustBytes && m_player != nullptr)
        m_player->StartPlayback(m_list.EditorTrack(), m_view.EditorCursor);
}

void FadeInEditer::Picture1_DblClick()
{
    if (m_list.TrackCount() == 0 || !hasTrack())
        return;
    const TrackRecord& r = m_list.TrackAt(m_list.EditorTrack()).record;
    m_view.EditorCursor = m_view.EditorCursor / 4 * 4;
    if (m_view.EditorCursor >= r.dataBytes + r.muteAdjustBytes || m_player == nullptr)
        return;
    m_player->ClearPeakRun();
    if (m_player->PlayerActive() == -1)
        PlayFromCursor();
    else
        m_player->SeekPlayback(m_list.EditorTrack(), m_view.EditorCursor);
}

void FadeInEditer::RunCommand(const QString& menuName)
{
    if (!hasTrack())
        return;
    if (menuName == u"mnuFadeInEnv" || menuName == u"mnuFadeOutEnv") {
        runEnvelope(menuName == u"mnuFadeInEnv");
        return;
    }
    const int t = m_list.EditorTrack();
    const fadecommands::Outcome outcome = fadecommands::Apply(
        menuName, m_list.TrackAt(t).record, m_view.EditorCursor, m_settings.FadeInEnv, m_settings.FadeOutEnv);
    if (!outcome.ran)
        return;
    // Every command that ran may have changed the record.
    ListChange change;
    change.changed = true;
    if (outcome.rowRefresh) {
        // The track's sound now starts or ends elsewhere on the disc's
        // timeline; the previous track's MUTE row shows the gap into it.
        m_list.UpdateTimeline(t, t);
        change.trackRows = {t};
        change.muteRows = {t};
        if (t != 1)
            change.muteRows.append(t - 1);
        change.redrawPlayBar = true;
    }
    m_hooks.ApplyListChange(change);
    RedrawWaveform();
}

void FadeInEditer::runEnvelope(bool fadeIn)
{
    TrackRecord& r = m_list.TrackAt(m_list.EditorTrack()).record;
    EnvelopeDialog dialog(fadeIn ? EnvelopeDialog::Fade::In : EnvelopeDialog::Fade::Out,
                          fadeIn ? r.fadeInCurve : r.fadeOutCurve, this);
    if (dialog.exec() == QDialog::Accepted) {
        ListChange change;
        change.changed = true;
        m_hooks.ApplyListChange(change);
    }
    RedrawWaveform();
}

void FadeInEditer::MoveList(int from, int to)
{
    if (m_list.MoveList(from, to) && m_hooks.WindowEditChecked())
        OpenWin();
}

void FadeInEditer::ShowTrackItem(int i, const QString& caption, bool checked)
{
    m_trackItems.at(i)->setText(caption);
    m_trackItems.at(i)->setVisible(true);
    m_trackItems.at(i)->setChecked(checked);
}

void FadeInEditer::HideTrackItem(int i)
{
    m_trackItems.at(i)->setVisible(false);
}

WindowPlacement FadeInEditer::placement() const
{
    return {float(twips::fromPixels(pos().y())), float(twips::fromPixels(pos().x())),
            float(twips::fromPixels(width()))};
}

void FadeInEditer::applyPlacement(const WindowPlacement& placement)
{
    move(twips::toPixels(placement.left), twips::toPixels(placement.top));
    resize(twips::toPixels(placement.extent), height());
}

void FadeInEditer::clearPicture()
{
    m_picture->setDrawMode(PictureBox::DrawMode::CopyPen);
    m_picture->clear();
    m_playLineX.reset();
}

void FadeInEditer::invertPlayLine(int x)
{
    m_picture->setDrawMode(PictureBox::DrawMode::Invert);
    m_picture->line(x, waveformdrawing::TopLine, x, waveformdrawing::BottomLine);
    m_picture->setDrawMode(PictureBox::DrawMode::CopyPen);
}

void FadeInEditer::ErasePlayLine()
{
    if (m_playLineX)
        invertPlayLine(*std::exchange(m_playLineX, std::nullopt));
}

void FadeInEditer::ShowPlayPosition(int track, int position)
{
    if (track != m_list.EditorTrack() || !hasTrack() ||
        !playerrules::EditorShowsPosition(position, m_view.EditorViewStart, m_view.EditorViewBytes))
        return;
    ErasePlayLine();
    m_playLineX = playerrules::EditorMarkerXFor(position, m_view.EditorViewStart, m_view.EditorBytesPerUnit);
    invertPlayLine(*m_playLineX);
}

void FadeInEditer::PlaybackStopped()
{
    RedrawWaveform();
    m_playLineX.reset();
}

void FadeInEditer::closeEvent(QCloseEvent* event)
{
    // Closing only hides: the editor keeps its track, view and cache.
    event->ignore();
    hide();
    m_hooks.SetWindowEditChecked(false);
}

void FadeInEditer::placeProgressBar()
{
    const int w = int(twips::fromPixels(width()));
    const int left = w > DefaultWidth ? w - ProgressWidth - 120 : 5040;
    const int barWidth = w > DefaultWidth ? ProgressWidth : w - 5040 - 120;
    const int barHeight = std::min(m_toolbar->height() - 4, 18);
    m_progress->setGeometry(twips::toPixels(left), (m_toolbar->height() - barHeight) / 2,
                            std::max(1, twips::toPixels(barWidth)), barHeight);
}

void FadeInEditer::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (isMinimized())
        return;
    placeProgressBar();
    RePic();
    HScroll1_Change();
    if (m_hooks.WindowEditChecked && m_hooks.WindowEditChecked())
        m_picture->setFocus();
}

bool FadeInEditer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_picture) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_picture->setFocus();
            PressAt(twips::fromPixels(static_cast<QMouseEvent*>(event)->position().toPoint().x()));
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick) {
            Picture1_DblClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
