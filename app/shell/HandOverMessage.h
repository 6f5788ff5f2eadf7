// The message a later start sends to the running copy: the byte count of its
// body as a 32-bit big-endian number, then the body: each absolute path in
// UTF-8 followed by a NUL (no path holds one, so any file name passes, a
// newline included).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

namespace handover {

// Far more than any command line holds; a larger count is no message.
inline constexpr quint32 MaxBodyBytes = 16 * 1024 * 1024;

// What the bytes received so far hold.
struct ParsedMessage {
    enum class State {
        Incomplete,  // the message has not all arrived yet
        Complete,    // files and usedBytes are set
        Invalid,     // no message: an oversized count, or a body whose last path has no NUL
    } state = State::Incomplete;
    QStringList files;    // the absolute paths, in the order sent; others are left out
    qsizetype usedBytes = 0;  // the message's length; bytes after it are not its own
};

// Reads one message from the start of bytes, which may hold only its first
// part or more than it.
ParsedMessage parseMessage(QByteArrayView bytes);

// The message that hands over files.
QByteArray encodeMessage(const QStringList& files);

}  // namespace handover
