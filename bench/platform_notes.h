// The benchmarks draw their windows on the offscreen platform. Qt shows a
// window that has a parent window (the play bar, the fade editor) by raising
// it, and asks the platform to pass size hints on; the offscreen platform
// implements neither and says so on every call ("This plugin does not
// support raise()"), between the figures. These notes, and only these, are
// dropped; every other message goes where it went before.
#pragma once

#include <QString>
#include <QtGlobal>

namespace platformnotes {

inline QtMessageHandler& previousHandler()
{
    static QtMessageHandler previous = nullptr;
    return previous;
}

inline void dropUnsupportedNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support ")))
        return;
    previousHandler()(type, context, message);
}

// Call before the application object exists.
inline void silence()
{
    previousHandler() = qInstallMessageHandler(dropUnsupportedNotes);
}

}  // namespace platformnotes
