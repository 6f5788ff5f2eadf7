#include "OuterHeight.h"

#include <QEvent>
#include <QWidget>

OuterHeight::OuterHeight(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
}

int OuterHeight::frameHeight() const
{
    return m_window->frameGeometry().height() - m_window->height();
}

void OuterHeight::set(int pixels)
{
    m_accountedFrame = frameHeight();
    m_window->resize(m_window->width(), pixels - m_accountedFrame);
}

int OuterHeight::get() const
{
    return m_window->height() + m_accountedFrame;
}

bool OuterHeight::eventFilter(QObject* watched, QEvent* event)
{
    // The window manager's frame shows up as a move of the window. A
    // maximised or full-screen window has the size the window manager gives
    // it, whatever its frame: taking back a thinner frame's difference there
    // would make it taller than the screen.
    const bool managedSize = m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    if (watched == m_window && !managedSize && (event->type() == QEvent::Move || event->type() == QEvent::Show)) {
        const int frame = frameHeight();
        if (frame != m_accountedFrame) {
            m_window->resize(m_window->width(), m_window->height() - (frame - m_accountedFrame));
            m_accountedFrame = frame;
        }
    }
    return QObject::eventFilter(watched, event);
}
