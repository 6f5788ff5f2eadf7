// Keeps a window's outer height, title bar and borders included, at what
// the program set. The designed heights are outer heights, but an X11
// window manager adds its frame outside the size a program sets, and only
// after the window is shown. When the frame appears or changes, the inside
// gives up or takes back the difference, so the window keeps its place in
// the designed arrangement and does not cover the window below it.
#pragma once

#include <QObject>

class QWidget;

class OuterHeight : public QObject {
    Q_OBJECT
public:
    // Watches window; lives as its child.
    explicit OuterHeight(QWidget* window);

    // Sets the outer height in pixels, with the frame known so far.
    void set(int pixels);
    // The outer height with the frame that was last accounted for.
    int get() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int frameHeight() const;

    QWidget* m_window;
    int m_accountedFrame = 0;
};
