// Acts on a modal dialog from inside its own event loop: once a visible
// top-level widget with the given object name appears, runs the action on
// it. Tests arm this before the command that opens the dialog.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace dialogdriver {

inline QWidget* shownTopLevel(const QString& objectName)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == objectName && widget->isVisible())
            return widget;
    }
    return nullptr;
}

// Polls every 5 ms; gives up timeoutMs after being armed. The driver is
// returned so that a test which knows the dialog can no longer come (the
// command that would have shown it modally has returned) can delete it.
inline QPointer<QTimer> whenShown(const QString& objectName, std::function<void(QWidget*)> action,
                                  int timeoutMs = 10000)
{
    auto* timer = new QTimer;
    const QDeadlineTimer deadline(timeoutMs);
    QObject::connect(timer, &QTimer::timeout, [timer, objectName, action, deadline] {
        QWidget* widget = shownTopLevel(objectName);
        if (widget == nullptr && !deadline.hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        if (widget != nullptr)
            action(widget);
    });
    timer->start(5);
    return timer;
}

}  // namespace dialogdriver
