// StatusBar1: the main window's status bar with its four panels Panel1 to
// Panel4 (fade-in length, fade-out length, peak level, loudness). The panels
// share the fixed width, each as wide as its widest text, so that a new text
// never moves them.
#pragma once

#include <QStatusBar>

#include <array>

class QLabel;

class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanels(QWidget* parent = nullptr);

    // The four panels' texts, left to right.
    void SetTexts(const std::array<QString, 4>& texts);

private:
    std::array<QLabel*, 4> m_panels{};
};
