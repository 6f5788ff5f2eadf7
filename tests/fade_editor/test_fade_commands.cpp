// The fade and mute point commands on one record: what each writes, when
// its condition keeps it from writing, and which commands the cursor's
// place offers.
#include "fade_commands.h"
#include "track_factory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

constexpr float FadeInEnv = 0.6f;
constexpr float FadeOutEnv = 1.8f;

// Sound from 100,000 to 900,000 of 1,000,000 bytes.
TrackRecord base()
{
    return playlisttest::analysed(1000000, 100000, 100000);
}

using Edit = std::function<void(TrackRecord&)>;

struct CommandCase {
    const char* name;
    const char* menuName;
    Edit before;    // the record before the command
    int32_t cursor;
    Edit expected;  // what the command changes in it
    bool ran = true;
    bool rowRefresh = false;
};

void PrintTo(const CommandCase& c, std::ostream* out)
{
    *out << c.name;
}

const Edit Nothing = [](TrackRecord&) {};

const Edit FadeIn = [](TrackRecord& r) {
    r.preDigitalMute = 100000;
    r.fadeInEnd = 200000;
    r.fadeInBytes = 100000;
    r.fadeInCurve = 1.2f;
};

const Edit FadeOut = [](TrackRecord& r) {
    r.fadeOutStart = 800000;
    r.postDigitalMute = 900000;
    r.fadeOutBytes = 100000;
    r.fadeOutCurve = 2.5f;
};

Edit both(Edit first, Edit second)
{
    return [=](TrackRecord& r) {
        first(r);
        second(r);
    };
}

bool sameNumbers(const TrackRecord& a, const TrackRecord& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class FadeCommands : public testing::TestWithParam<CommandCase> {};

TEST_P(FadeCommands, WriteTheirFieldsOrNothing)
{
    const CommandCase& c = GetParam();
    TrackRecord r = base();
    c.before(r);
    TrackRecord expected = r;
    c.expected(expected);
    const fadecommands::Outcome outcome = fadecommands::Apply(c.menuName, r, c.cursor, FadeInEnv, FadeOutEnv);
    EXPECT_EQ(outcome.ran, c.ran);
    EXPECT_EQ(outcome.rowRefresh, c.rowRefresh);
    EXPECT_TRUE(sameNumbers(r, expected)) << "preMute " << r.preMutePoint << " preDigi " << r.preDigitalMute
                                          << " fadeInEnd " << r.fadeInEnd << " fadeInBytes " << r.fadeInBytes
                                          << " postMute " << r.postMutePoint << " postDigi " << r.postDigitalMute
                                          << " fadeOutStart " << r.fadeOutStart << " fadeOutBytes " << r.fadeOutBytes;
}

INSTANTIATE_TEST_SUITE_P(
    Record, FadeCommands,
    testing::Values(
        CommandCase{"PreMutePointAtTheCursor", "mnuFadeInPre", Nothing, 50000,
                    [](TrackRecord& r) {
                        r.preMutePoint = r.preMuteBytes = 50000;
                        r.soundBytes = 850000;
                    },
                    true, true},
        CommandCase{"PreMutePointRestored", "mnuFadeInPreBack", [](TrackRecord& r) { r.preMutePoint = r.preMuteBytes = 4; },
                    0, [](TrackRecord& r) {
                        r.preMutePoint = r.preMuteBytes = 100000;
                        r.soundBytes = 800000;
                    },
                    true, true},
        CommandCase{"PreMutePointToTheDigitalMute", "mnuFadeInPreDigi",
                    [](TrackRecord& r) { r.preDigitalMute = 60000; }, 0,
                    [](TrackRecord& r) {
                        r.preMutePoint = r.preMuteBytes = 60000;
                        r.soundBytes = 840000;
                    },
                    true, true},
        CommandCase{"PreMutePointWithoutDigitalMuteDoesNothingAtAll", "mnuFadeInPreDigi", Nothing, 0, Nothing, false},
        CommandCase{"FadeInWithoutDigitalMuteStartsAtThePreMutePoint", "mnuFadeInEnd", Nothing, 300000,
                    [](TrackRecord& r) {
                        r.fadeInEnd = 300000;
                        r.preDigitalMute = 100000;
                        r.fadeInBytes = 200000;
                        r.fadeInCurve = FadeInEnv;
                    }},
        CommandCase{"FadeInAtThePreMutePointChangesNothing", "mnuFadeInEnd", Nothing, 100000, Nothing},
        CommandCase{"FadeInSetAgainKeepsItsCurve", "mnuFadeInEnd",
                    [](TrackRecord& r) { r.fadeInCurve = 2.2f; r.fadeInBytes = 7; }, 300000,
                    [](TrackRecord& r) {
                        r.fadeInEnd = 300000;
                        r.preDigitalMute = 100000;
                        r.fadeInBytes = 200000;
                    }},
        CommandCase{"FadeInReleasedKeepsItsCurve", "mnuFadeInEndBack", FadeIn, 0,
                    [](TrackRecord& r) {
                        r.fadeInEnd = r.preDigitalMute = -1;
                        r.fadeInBytes = 0;
                    }},
        CommandCase{"DigitalMuteInsideTheFadeMovesItsStart", "mnuFadeInDigi", FadeIn, 40000,
                    [](TrackRecord& r) {
                        r.preDigitalMute = 40000;
                        r.fadeInBytes = 160000;
                    }},
        CommandCase{"DigitalMuteAfterTheFadeEndChangesNothing", "mnuFadeInDigi", FadeIn, 200000, Nothing},
        CommandCase{"DigitalMuteReleasedWithoutFade", "mnuFadeInDigiBack",
                    [](TrackRecord& r) { r.preDigitalMute = 40000; }, 0,
                    [](TrackRecord& r) { r.preDigitalMute = -1; }},
        CommandCase{"DigitalMuteReleasedUnderAFadeEndingBeforeThePreMutePointStartsAtZero",
                    "mnuFadeInDigiBack",
                    both(FadeIn, [](TrackRecord& r) { r.preMutePoint = r.preMuteBytes = 250000; }), 0,
                    [](TrackRecord& r) {
                        r.preDigitalMute = 0;
                        r.fadeInBytes = 200000;
                    }},
        CommandCase{"PostMutePointAtTheCursor", "mnuFadeOutPost", Nothing, 950000,
                    [](TrackRecord& r) {
                        r.postMutePoint = 950000;
                        r.postMuteBytes = 50000;
                        r.soundBytes = 850000;
                    },
                    true, true},
        CommandCase{"PostMutePointWithoutDigitalMuteDoesNothingAtAll", "mnuFadeOutPostDigi", Nothing, 0, Nothing,
                    false},
        CommandCase{"FadeOutWithoutDigitalMuteEndsAtThePostMutePoint", "mnuFadeOutStart", Nothing, 700000,
                    [](TrackRecord& r) {
                        r.fadeOutStart = 700000;
                        r.postDigitalMute = 900000;
                        r.fadeOutBytes = 200000;
                        r.fadeOutCurve = FadeOutEnv;
                    }},
        CommandCase{"FadeOutAtThePostMutePointChangesNothing", "mnuFadeOutStart", Nothing, 900000, Nothing},
        CommandCase{"FadeOutReleasedKeepsItsCurve", "mnuFadeOutStartBack", FadeOut, 0,
                    [](TrackRecord& r) {
                        r.fadeOutStart = r.postDigitalMute = -1;
                        r.fadeOutBytes = 0;
                    }},
        CommandCase{"FadeOutDigitalMuteReleasedUnderAFadeFromThePostMutePointOnEndsTheData",
                    "mnuFadeOutDigiBack",
                    both(FadeOut, [](TrackRecord& r) { r.postMutePoint = 800000; }), 0,
                    [](TrackRecord& r) {
                        r.postDigitalMute = 1000000;
                        r.fadeOutBytes = 200000;
                    }},
        CommandCase{"FadeOutDigitalMuteToThePostMutePointUnderAFadeStartingThereChangesNothing",
                    "mnuFadeOutDigiPost",
                    both(FadeOut, [](TrackRecord& r) { r.postMutePoint = 800000; }), 0, Nothing}),
    testing::PrintToStringParamName());

struct ButtonCase {
    const char* name;
    Edit before;
    int32_t cursor;
    bool fadeIn;
    bool fadeOut;
};

void PrintTo(const ButtonCase& c, std::ostream* out)
{
    *out << c.name;
}

class ButtonFlags : public testing::TestWithParam<ButtonCase> {};

TEST_P(ButtonFlags, FollowTheCursorsPlace)
{
    const ButtonCase& c = GetParam();
    TrackRecord r = base();
    c.before(r);
    const fadecommands::Flags flags = fadecommands::FlagsAt(r, c.cursor);
    EXPECT_EQ(flags.fadeIn, c.fadeIn);
    EXPECT_EQ(flags.fadeOut, c.fadeOut);
    const QHash<QString, bool> shown = fadecommands::ShowButton(flags, r, c.cursor);
    EXPECT_EQ(shown.value("mnuFadeIn"), c.fadeIn);
    EXPECT_EQ(shown.value("FadeOutPost"), c.fadeOut);
}

INSTANTIATE_TEST_SUITE_P(Record, ButtonFlags,
                         testing::Values(ButtonCase{"BeforeTheSound", both(FadeIn, FadeOut), 40000, true, false},
                                         ButtonCase{"InsideTheFadeIn", both(FadeIn, FadeOut), 150000, true, false},
                                         ButtonCase{"BetweenTheFades", both(FadeIn, FadeOut), 500000, true, true},
                                         ButtonCase{"InsideTheFadeOut", both(FadeIn, FadeOut), 850000, false, true},
                                         ButtonCase{"AtTheFadeInEnd", both(FadeIn, FadeOut), 200000, true, false}),
                         testing::PrintToStringParamName());

}  // namespace
