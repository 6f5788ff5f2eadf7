// Acts on a modal dialog from inside its own event loop: once a visible
// top-level widget with the given object name appears, runs the action on
// it. Tests arm this before the command that opens the dialog.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace dialogdriver {

inline QWidget* shownTopLevel(const QString& objectName)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == objectName && widget->isVisible())
            return widget;
    }
    return nullptr;
}

// Polls every 5 ms for at most timeoutMs.
inline void whenShown(const QString& objectName, std::function<void(QWidget*)> action, int timeoutMs = 10000)
{
    auto* timer = new QTimer;
    auto remaining = std::make_shared<int>(timeoutMs / 5);
    QObject::connect(timer, &QTimer::timeout, [timer, objectName, action, remaining] {
        QWidget* widget = shownTopLevel(objectName);
        if (widget == nullptr && --*remaining > 0)
            return;
        timer->stop();
        timer->deleteLater();
        if (widget != nullptr)
            action(widget);
    });
    timer->start(5);
}

}  // namespace dialogdriver
