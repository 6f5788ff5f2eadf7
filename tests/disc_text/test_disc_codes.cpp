// The rules of the disc's codes: ISRCs and catalog numbers as typed or as a
// tag holds them.
#include "disc_codes.h"

#include <gtest/gtest.h>

#include <optional>

TEST(DiscCodes, KeepsValidIsrcsAndCatalogNumbersInTheirOneForm)
{
    const struct {
        std::optional<QString> (*check)(QStringView);
        const char* typed;
        std::optional<QString> kept;
    } rows[] = {
        {CheckedIsrc, "JPA1F2600001", "JPA1F2600001"},
        {CheckedIsrc, "jp-a1f-26-00001", "JPA1F2600001"},
        {CheckedIsrc, " us-s1z-99-00001 ", "USS1Z9900001"},
        {CheckedIsrc, "", ""},
        {CheckedIsrc, "JP-A1F-2A-00001", std::nullopt},  // a letter in the year
        {CheckedIsrc, "J1A1F2600001", std::nullopt},     // a digit in the country
        {CheckedIsrc, "JPA1F260000", std::nullopt},      // 11 characters
        {CheckedIsrc, "JPA1F26000011", std::nullopt},    // 13 characters
        {CheckedIsrc, "JPA1F26_0001", std::nullopt},
        {CheckedCatalog, "4901234567894", "4901234567894"},  // EAN-13 (JAN)
        {CheckedCatalog, "4901234567893", std::nullopt},     // its check digit wrong
        {CheckedCatalog, "036000291452", "0036000291452"},   // UPC-A
        {CheckedCatalog, "036000291453", std::nullopt},      // its check digit wrong
        {CheckedCatalog, "", ""},
        {CheckedCatalog, "49012345678A4", std::nullopt},
        {CheckedCatalog, "03600029145", std::nullopt},       // 11 digits
        {CheckedCatalog, "04901234567894", std::nullopt},    // 14 digits
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.check(QString::fromUtf8(row.typed)), row.kept) << row.typed;
}
