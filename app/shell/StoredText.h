// Conversions between stored setting texts and values. Every reader returns
// the given default when the text cannot be converted, so a hand-edited or
// damaged settings file never stops the program.
#pragma once

#include <QString>

#include <cstdint>

namespace storedtext {

// "True"/"False" in any letter case, or a number, non-zero meaning true.
bool toBool(const QString& text, bool fallback);
// A decimal number within the 32-bit range; a fraction is rounded to the
// nearest integer, halves to even.
int32_t toInt32(const QString& text, int32_t fallback);
// A finite decimal number within the range of a 32-bit float.
float toFloat(const QString& text, float fallback);

QString fromBool(bool value);
QString fromInt32(int32_t value);
// The shortest decimal text that reads back as the same 32-bit float, in
// plain notation: 0.6, 4935, 1234.5.
QString fromFloat(float value);

}  // namespace storedtext
