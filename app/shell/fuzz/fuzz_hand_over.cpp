// libFuzzer harness for the hand-over message, which the running copy reads
// from whatever connects to its socket: any bytes give an incomplete message,
// a refusal, or a message within the bytes whose files are absolute paths,
// read the same without the bytes after it, and survive being sent again.
#include <cstddef>
#include <cstdint>

#include <QDir>

#include "HandOverMessage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using handover::ParsedMessage;
    const QByteArrayView bytes(data, qsizetype(size));
    const ParsedMessage message = handover::parseMessage(bytes);
    if (message.state != ParsedMessage::State::Complete) {
        if (!message.files.isEmpty() || message.usedBytes != 0) __builtin_trap();
        return 0;
    }
    if (message.usedBytes < 4 || message.usedBytes > bytes.size()) __builtin_trap();
    for (const QString& file : message.files)
        if (!QDir::isAbsolutePath(file)) __builtin_trap();
    if (handover::parseMessage(bytes.first(message.usedBytes)).files != message.files) __builtin_trap();
    const QByteArray again = handover::encodeMessage(message.files);
    if (handover::parseMessage(again).files != message.files) __builtin_trap();
    return 0;
}
