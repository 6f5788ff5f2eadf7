// Texts stored as bytes with no word on their encoding (ID3v1 and RIFF INFO
// tags, CUE sheets), read by one rule: UTF-8 when the bytes are valid UTF-8,
// else CP932 when they are valid CP932, else ISO-8859-1, which every byte
// is. Japanese programs write such texts in CP932, most others in UTF-8 or
// a Western code page, and the first two are rarely valid by chance.
#pragma once

#include <QByteArrayView>
#include <QString>

// All of bytes by that rule, kept as they are.
QString DecodeTextBytes(QByteArrayView bytes);

// Bytes of unknown encoding up to the first NUL, blanks at either end
// removed, by the same rule.
QString DecodeByteText(QByteArrayView bytes);
