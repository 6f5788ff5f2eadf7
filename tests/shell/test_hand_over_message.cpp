// The hand-over message read from bytes as they arrive: every complete
// message is still incomplete one byte short, at any point of its arrival.
#include "HandOverMessage.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using State = handover::ParsedMessage::State;

// The count as four big-endian bytes, then the body.
QByteArray message(quint32 count, const QByteArray& body)
{
    const char countBytes[] = {char(count >> 24), char(count >> 16), char(count >> 8), char(count)};
    return QByteArray(countBytes, 4) + body;
}

QByteArray message(const QByteArray& body)
{
    return message(quint32(body.size()), body);
}

}  // namespace

TEST(HandOverMessage, ReadsMessagesAsTheyArrive)
{
    const struct {
        const char* name;
        QByteArray bytes;
        State state;
        QStringList files;
        qsizetype usedBytes = 0;
    } rows[] = {
        {"two files", message("/m/曲 1.wav\0/m/b.wav\0"_ba), State::Complete, {"/m/曲 1.wav", "/m/b.wav"}, 26},
        {"a path with a newline", message("/m/トラック\n2.wav\0"_ba), State::Complete, {"/m/トラック\n2.wav"}, 26},
        {"an empty list", message(""_ba), State::Complete, {}, 4},
        {"relative and empty paths left out", message("a.wav\0\0/b.wav\0"_ba), State::Complete, {"/b.wav"}, 18},
        {"the confirmation after it", message("/a\0"_ba) + 'c', State::Complete, {"/a"}, 7},
        {"a missing terminator", message("/m/a.wav\0/m/b.wav"_ba), State::Invalid, {}},
        {"an oversized length", message(handover::MaxBodyBytes + 1, {}), State::Invalid, {}},
        {"the longest length, its body to come", message(handover::MaxBodyBytes, "/m/"_ba), State::Incomplete, {}},
        {"part of the count", "\0\0"_ba, State::Incomplete, {}},
    };
    for (const auto& row : rows) {
        const handover::ParsedMessage parsed = handover::parseMessage(row.bytes);
        EXPECT_EQ(parsed.state, row.state) << row.name;
        EXPECT_EQ(parsed.files, row.files) << row.name;
        EXPECT_EQ(parsed.usedBytes, row.usedBytes) << row.name;
        for (qsizetype part = 0; row.state == State::Complete && part < row.usedBytes; ++part)
            EXPECT_EQ(handover::parseMessage(row.bytes.first(part)).state, State::Incomplete) << row.name << part;
    }
}
