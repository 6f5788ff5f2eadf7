// The disc's codes as a pressing plant reads them from the subcode: the ISRC
// that names each track's recording and the catalog number (UPC/EAN) of the
// disc.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// An ISRC as typed, with or without hyphens and in any case: two letters
// (the country), three letters or digits (the registrant), two digits (the
// year) and five digits (the designation). Gives it upper case without
// hyphens, an empty text for a blank one (no ISRC), nothing when it is not
// an ISRC.
std::optional<QString> CheckedIsrc(QStringView typed);

// A catalog number as typed: 13 digits with a correct EAN-13 check digit (a
// JAN code is one), or 12 with a correct UPC-A check digit, which is kept as
// 13 with a leading 0. Gives the 13 digits, an empty text for a blank one (no
// number), nothing when it is not a catalog number.
std::optional<QString> CheckedCatalog(QStringView typed);
