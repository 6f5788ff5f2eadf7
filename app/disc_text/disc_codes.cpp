#include "disc_codes.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr int CatalogLength = 13;
constexpr int UpcLength = 12;

bool isDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The EAN-13 rule: the digits weighted 1, 3, 1, ... from the left sum to a
// multiple of 10, the check digit last.
bool checkDigitHolds(QStringView digits)
{
    int sum = 0;
    for (qsizetype i = 0; i < digits.size(); ++i)
        sum += (digits[i].unicode() - u'0') * (i % 2 == 0 ? 1 : 3);
    return sum % 10 == 0;
}

}  // namespace

std::optional<QString> CheckedIsrc(QStringView typed)
{
    static const QRegularExpression Form(QStringLiteral("^[A-Z]{2}[A-Z0-9]{3}[0-9]{7}$"));
    const QString isrc = typed.trimmed().toString().remove(u'-').toUpper();
    if (isrc.isEmpty())
        return QString();
    if (!Form.match(isrc).hasMatch())
        return std::nullopt;
    return isrc;
}

std::optional<QString> CheckedCatalog(QStringView typed)
{
    QString digits = typed.trimmed().toString();
    if (digits.isEmpty())
        return QString();
    if (digits.size() == UpcLength)
        digits.prepend(u'0');
    if (digits.size() != CatalogLength || !isDigits(digits) || !checkDigitHolds(digits))
        return std::nullopt;
    return digits;
}
