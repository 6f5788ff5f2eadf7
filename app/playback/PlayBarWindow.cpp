#include "PlayBarWindow.h"

#include "PictureBox.h"
#include "PlayBarIcons.h"
#include "Twips.h"
#include "peak_jump.h"
#include "play_bar_scene.h"
#include "play_bar_view.h"
#include "player.h"

#include <QAction>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

struct Button {
    const char* key;
    const char* toolTip;
};

constexpr std::array<Button, 7> Buttons = {{
    {"zoomin", QT_TRANSLATE_NOOP("PlayBarWindow", "拡大")},
    {"zoomout", QT_TRANSLATE_NOOP("PlayBarWindow", "縮小")},
    {"beforepeak", QT_TRANSLATE_NOOP("PlayBarWindow", "一つ前のﾋﾟｰｸﾎﾟｲﾝﾄより再生")},
    {"playpeak", QT_TRANSLATE_NOOP("PlayBarWindow", "ﾋﾟｰｸﾎﾟｲﾝﾄの連続再生")},
    {"play", QT_TRANSLATE_NOOP("PlayBarWindow", "ポインタ位置より再生")},
    {"stop", QT_TRANSLATE_NOOP("PlayBarWindow", "停止")},
    {"afterpeak", QT_TRANSLATE_NOOP("PlayBarWindow", "一つ後のﾋﾟｰｸﾎﾟｲﾝﾄより再生")},
}};

// The buttons that wait for a track (and the player) at start-up.
constexpr std::array<const char*, 5> PlayButtons = {"play", "stop", "beforepeak", "afterpeak", "playpeak"};

constexpr int PictureHeightTwips = 1095;
// The picture and the scroll bar are 120 twips narrower than the window.
constexpr int SideMarginPixels = 4;
constexpr int MinimumWidthTwips = 4000;
constexpr int MaximumWidthTwips = 15000;

QColor fromBgr(int32_t color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

}  // namespace

PlayBarWindow::PlayBarWindow(Player& player, PlayBarView& view, const PlayList& list, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , m_player(player)
    , m_view(view)
    , m_list(list)
{
    setObjectName(QStringLiteral("fPlayBar"));
    setWindowTitle(tr("PlayBar Window"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, SideMarginPixels);
    layout->setSpacing(0);
    buildToolbar();
    layout->addWidget(findChild<QToolBar*>(QStringLiteral("Toolbar1")));

    auto* body = new QVBoxLayout;
    body->setContentsMargins(SideMarginPixels, 0, SideMarginPixels, 0);
    body->setSpacing(0);
    m_picture = new PictureBox(this);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setFixedHeight(twips::toPixels(PictureHeightTwips));
    m_picture->setFocusPolicy(Qt::StrongFocus);
    m_picture->setBackColor(palette().color(QPalette::Window));
    m_picture->installEventFilter(this);
    body->addWidget(m_picture);
    m_scroll = new QScrollBar(Qt::Horizontal, this);
    m_scroll->setObjectName(QStringLiteral("HScroll1"));
    m_scroll->setRange(0, PlayBarView::ScrollMaximum);
    connect(m_scroll, &QScrollBar::valueChanged, this, &PlayBarWindow::HScroll1_Change);
    body->addWidget(m_scroll);
    layout->addLayout(body);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_player.AttachPlayBar(this, m_timer1);

    // The height is fixed; the width stays within the designed limits.
    setFixedHeight(layout->sizeHint().height());
    setMinimumWidth(twips::toPixels(MinimumWidthTwips));
    setMaximumWidth(twips::toPixels(MaximumWidthTwips));
}

void PlayBarWindow::buildToolbar()
{
    auto* toolbar = new QToolBar(QStringLiteral("Toolbar1"), this);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    for (const Button& entry : Buttons) {
        const QString key = QString::fromUtf8(entry.key);
        QAction* button = toolbar->addAction(playbaricons::toolbarIcon(key), tr(entry.toolTip));
        button->setObjectName(key);
        button->setToolTip(tr(entry.toolTip));
        toolbar->widgetForAction(button)->setObjectName(key);
        connect(button, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        m_buttons.insert(key, button);
    }
    for (const char* key : PlayButtons)
        m_buttons.value(QString::fromLatin1(key))->setEnabled(false);
}

void PlayBarWindow::Toolbar1_ButtonClick(const QString& key)
{
    if (key == u"zoomin")
        zoomIn();
    else if (key == u"zoomout")
        zoomOut();
    else if (key == u"play")
        m_player.PlayFromPointer();
    else if (key == u"stop")
        m_player.StopPlayback();
    else if (key == u"playpeak")
        m_player.PeakJump(PeakJumpMode::PeakRun);
    else if (key == u"beforepeak")
        m_player.PeakJump(PeakJumpMode::PreviousPeak);
    else if (key == u"afterpeak")
        m_player.PeakJump(PeakJumpMode::NextPeak);
}

void PlayBarWindow::ApplyCommandStates(const QHash<QString, CommandState>& states)
{
    for (auto state = states.constBegin(); state != states.constEnd(); ++state) {
        QAction* button = m_buttons.value(state.key());
        if (button != nullptr && state.value() != CommandState::Kept)
            button->setEnabled(state.value() == CommandState::On);
    }
}

void PlayBarWindow::zoomIn()
{
    if (m_view.ZoomIn())
        m_buttons.value(QStringLiteral("zoomin"))->setEnabled(false);
    m_buttons.value(QStringLiteral("zoomout"))->setEnabled(true);
    zoomed();
}

void PlayBarWindow::zoomOut()
{
    if (m_view.ZoomOut())
        m_buttons.value(QStringLiteral("zoomout"))->setEnabled(false);
    m_buttons.value(QStringLiteral("zoomin"))->setEnabled(true);
    zoomed();
}

void PlayBarWindow::zoomed()
{
    HScroll1_Change();
    m_picture->setFocus();
}

void PlayBarWindow::HScroll1_Change()
{
    const PlayBarView::ScrollSteps steps = m_view.Scroll(m_scroll->value(), m_picture->scaleWidth());
    m_scroll->setSingleStep(steps.smallChange);
    m_scroll->setPageStep(steps.largeChange);
    RedrawPlayBar();
}

void PlayBarWindow::RedrawPlayBar()
{
    m_player.ForgetPlayBarMarker();
    PictureBox& p = *m_picture;
    p.setDrawMode(PictureBox::DrawMode::CopyPen);
    QFont font = p.font();
    font.setPointSize(9);
    p.setFont(font);
    p.setForeColor(Qt::black);
    p.clear();
    m_view.SetPlayBarWidth(p.scaleWidth());
    const int width = m_view.PlayBarWidth();

    using S = PlayBarScene;
    const PlayBarScene scene = BuildPlayBarScene(m_list, m_view, m_player.PlayBarPointer());
    for (const S::TrackShapes& track : scene.tracks) {
        p.filledBox(track.x1, S::TrackTop, track.x2, S::TrackBottom, fromBgr(track.color));
        p.box(track.x1, S::TrackTop, track.x2, S::TrackBottom, Qt::black);
        if (track.peakX)
            p.filledBox(*track.peakX - S::PeakHalfWidth, S::PeakTop, *track.peakX + S::PeakHalfWidth, S::PeakBottom,
                        QColor(255, 0, 0));
        if (track.title)
            p.text(track.x1 + S::TitleIndent, S::TitleY, *track.title, track.titleRight.value_or(width));
    }
    for (const S::Tick& tick : scene.ticks) {
        p.line(tick.x, tick.label ? S::MajorTickTop : S::MinorTickTop, tick.x, S::TickBottom);
        // A label starts left of its tick, but never outside the picture:
        // the first one would lose its hours, the last one its seconds.
        if (tick.label)
            p.text(std::max(0.0, std::min(double(tick.x - S::LabelLeft), width - p.textWidth(*tick.label))), S::LabelY,
                   *tick.label);
    }

    // The pointer's strips, in the scroll bar's colour, then its marks.
    const QColor strip = m_scroll->palette().color(QPalette::Button);
    p.filledBox(0, 0, width, S::UpperStripBottom, strip);
    p.filledBox(0, S::LowerStripTop, width, S::LowerStripBottom, strip);
    if (scene.pointerX) {
        p.setForeColor(QColor(0, 0, 255));
        p.text(*scene.pointerX - S::PointerLeft, S::UpperPointerY, QStringLiteral("▼"));
        p.text(*scene.pointerX - S::PointerLeft, S::LowerPointerY, QStringLiteral("▲"));
        p.setForeColor(Qt::black);
    }
}

void PlayBarWindow::InvertPlayBarMarker(int x)
{
    m_picture->setDrawMode(PictureBox::DrawMode::Invert);
    m_picture->filledBox(x - 15, PlayBarScene::TrackTop, x + 15, PlayBarScene::TrackBottom, Qt::white);
    m_picture->setDrawMode(PictureBox::DrawMode::CopyPen);
}

double PlayBarWindow::pictureX(const QPoint& position) const
{
    return twips::fromPixels(position.x() - m_picture->contentsRect().left());
}

bool PlayBarWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_picture) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_player.SetPlayBarPointer(m_view.PointerAt(pictureX(static_cast<QMouseEvent*>(event)->position().toPoint())));
            RedrawPlayBar();
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            m_player.PlayFromPointer();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PlayBarWindow::mousePressEvent(QMouseEvent* event)
{
    // Left of the picture, level with it: the pointer goes to the view's start.
    const QPoint at = event->position().toPoint();
    const QRect picture = m_picture->geometry();
    if (at.x() < picture.left() && picture.top() < at.y() && at.y() < picture.bottom() + 1) {
        m_player.SetPlayBarPointer(m_view.PlayBarViewStart());
        RedrawPlayBar();
    }
    QWidget::mousePressEvent(event);
}

void PlayBarWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    HScroll1_Change();
    if (isVisible())
        m_picture->setFocus();
}

void PlayBarWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
    emit Hidden();
}
