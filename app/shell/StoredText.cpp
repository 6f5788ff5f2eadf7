#include "StoredText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace storedtext {

namespace {

bool toFiniteDouble(const QString& text, double* value)
{
    bool ok = false;
    const double parsed = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(parsed))
        return false;
    *value = parsed;
    return true;
}

}  // namespace

bool toBool(const QString& text, bool fallback)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    double number = 0;
    return toFiniteDouble(trimmed, &number) ? number != 0 : fallback;
}

int32_t toInt32(const QString& text, int32_t fallback)
{
    double number = 0;
    if (!toFiniteDouble(text, &number))
        return fallback;
    const double rounded = std::nearbyint(number);
    if (rounded < std::numeric_limits<int32_t>::min() || rounded > std::numeric_limits<int32_t>::max())
        return fallback;
    return static_cast<int32_t>(rounded);
}

float toFloat(const QString& text, float fallback)
{
    double number = 0;
    if (!toFiniteDouble(text, &number) || std::fabs(number) > std::numeric_limits<float>::max())
        return fallback;
    return static_cast<float>(number);
}

QString fromBool(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString fromInt32(int32_t value)
{
    return QString::number(value);
}

QString fromFloat(float value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

}  // namespace storedtext
