#include "numeric_prefix.h"

#include <charconv>
#include <limits>
#include <string>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Length of the run of ASCII digits starting at pos.
qsizetype digitRun(const QString& text, qsizetype pos)
{
    qsizetype end = pos;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - pos;
}

}  // namespace

double NumericPrefix(const QString& text)
{
    qsizetype pos = 0;
    while (pos < text.size() && (text[pos] == QLatin1Char(' ') || text[pos] == QLatin1Char('\t')))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == QLatin1Char('+') || text[pos] == QLatin1Char('-'))) {
        negative = text[pos] == QLatin1Char('-');
        ++pos;
    }
    const qsizetype start = pos;
    const qsizetype whole = digitRun(text, pos);
    pos += whole;
    qsizetype fraction = 0;
    if (pos < text.size() && text[pos] == QLatin1Char('.')) {
        fraction = digitRun(text, pos + 1);
        if (whole > 0 || fraction > 0)
            pos += 1 + fraction;
    }
    if (whole == 0 && fraction == 0)
        return 0.0;
    // An exponent counts only when digits follow it ("12e" is 12).
    if (pos < text.size() && (text[pos] == QLatin1Char('e') || text[pos] == QLatin1Char('E'))) {
        qsizetype exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == QLatin1Char('+') || text[exponent] == QLatin1Char('-')))
            ++exponent;
        const qsizetype digits = digitRun(text, exponent);
        if (digits > 0)
            pos = exponent + digits;
    }

    // from_chars is independent of the process locale, unlike strtod.
    const std::string prefix = text.mid(start, pos - start).toStdString();
    double value = 0.0;
    const auto result = std::from_chars(prefix.data(), prefix.data() + prefix.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small underflows to 0; too large is reported as infinity so
        // that range checks refuse it.
        const bool tiny = prefix.find_first_of("123456789") == std::string::npos
            || prefix.find("e-") != std::string::npos || prefix.find("E-") != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}
