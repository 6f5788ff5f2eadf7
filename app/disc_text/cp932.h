// Japanese text in CP932 (Shift_JIS with Microsoft's extensions), the
// encoding of CD-TEXT's MS-JIS blocks and of many untagged Japanese byte
// texts, through glibc's iconv, which has it on every Debian machine.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

// The text of bytes that are valid CP932; nothing otherwise.
std::optional<QString> DecodeCp932(QByteArrayView bytes);

// The CP932 bytes of text; nothing when a character has no CP932 form.
std::optional<QByteArray> EncodeCp932(QStringView text);
