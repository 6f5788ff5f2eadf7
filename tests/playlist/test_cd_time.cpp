// CD time text and the numeric prefix of typed texts.
#include <gtest/gtest.h>

#include <cmath>

#include "cd_time.h"
#include "numeric_prefix.h"
#include "qstring_printer.h"

struct CdTimeCase {
    qint64 bytes;
    const char* text;
};

class CdTime : public testing::TestWithParam<CdTimeCase> {};

TEST_P(CdTime, Formats)
{
    EXPECT_EQ(FormatCdTime(GetParam().bytes), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(PlayList, CdTime,
                         testing::Values(CdTimeCase{0, "0:00:00:00"},
                                         CdTimeCase{176400LL * 61 + 2352 * 5 + 100, "0:01:01:05"},
                                         CdTimeCase{-2352, "-0:00:00:01"},
                                         CdTimeCase{-2351, "-0:00:00:00"},
                                         CdTimeCase{635040000, "1:00:00:00"},
                                         CdTimeCase{31752000, "0:03:00:00"},
                                         CdTimeCase{176400 - 1, "0:00:00:74"},
                                         CdTimeCase{-176400, "-0:00:01:00"},
                                         CdTimeCase{2147483647, "3:22:53:70"},
                                         CdTimeCase{-2147483648LL, "-3:22:53:70"},
                                         CdTimeCase{635040000LL * 12, "12:00:00:00"}));

struct PrefixCase {
    const char* text;
    double value;
};

class NumericPrefixes : public testing::TestWithParam<PrefixCase> {};

TEST_P(NumericPrefixes, TakeTheNumberAtTheStart)
{
    EXPECT_DOUBLE_EQ(NumericPrefix(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(PlayList, NumericPrefixes,
                         testing::Values(PrefixCase{"", 0}, PrefixCase{"abc", 0}, PrefixCase{"12abc", 12},
                                         PrefixCase{"  -120.5", -120.5}, PrefixCase{"+7", 7},
                                         PrefixCase{".5", 0.5}, PrefixCase{"5.", 5}, PrefixCase{"-", 0},
                                         PrefixCase{".", 0}, PrefixCase{"1e3", 1000}, PrefixCase{"12e", 12},
                                         PrefixCase{"2E-1x", 0.2}, PrefixCase{"1e-400", 0},
                                         PrefixCase{"１２", 0}, PrefixCase{"3 4", 3}));

TEST(NumericPrefixes, BeyondDoubleIsInfiniteNotWrapped)
{
    EXPECT_TRUE(std::isinf(NumericPrefix(QStringLiteral("1e400"))));
    EXPECT_LT(NumericPrefix(QStringLiteral("-1e400")), 0);
}
