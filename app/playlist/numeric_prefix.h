// The number at the start of a typed text.
#pragma once

#include <QString>

// The value of the longest numeric prefix of text: optional blanks, an
// optional sign, digits with an optional decimal point and an optional
// exponent. An empty or non-numeric text gives 0; a prefix beyond the range
// of double gives +/- infinity, never a wrapped value.
double NumericPrefix(const QString& text);
