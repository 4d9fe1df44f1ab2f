#include "settings/AppSettings.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

const std::string kDefaultLine = "!0:2:0:0:0:0:1:0:70:standard:";

AppSettings Changed()
{
    AppSettings s;
    EXPECT_TRUE(s.FromLine("!1:1:7:1:1:1:0:2:200:winter:"));
    return s;
}

TEST(AppSettings, DefaultsAndTheirLine)
{
    const AppSettings s;
    EXPECT_EQ(s.ToLine(), kDefaultLine);
    EXPECT_EQ(s.midiDevice, -1);
    EXPECT_EQ(s.midiChannel, 0);
    EXPECT_EQ(s.midiVelocity, 50);
    EXPECT_EQ(s.midiNote, 60);
    EXPECT_EQ(s.midiProgram, 11);
}

TEST(AppSettings, LineRoundTripWithTheErrorDialogFourth)
{
    AppSettings s;
    ASSERT_TRUE(s.FromLine("!1:0:5:1:1:1:0:3:120:winter:"));
    EXPECT_EQ(s.blinkingCursor, 1);
    EXPECT_EQ(s.cursorStyle, 0);
    EXPECT_EQ(s.soundType, 5);
    EXPECT_EQ(s.dialogAfterError, 1);
    EXPECT_EQ(s.showKeyboard, 1);
    EXPECT_EQ(s.showHands, 1);
    EXPECT_EQ(s.showStatistics, 0);
    EXPECT_EQ(s.metronomeMode, 3);
    EXPECT_EQ(s.metronomeBpm, 120);
    EXPECT_EQ(s.pictureSet, "winter");
    EXPECT_EQ(s.ToLine(), "!1:0:5:1:1:1:0:3:120:winter:");

    s.showKeyboard = 0;
    AppSettings t;
    ASSERT_TRUE(t.FromLine(s.ToLine()));
    EXPECT_EQ(t.ToLine(), s.ToLine());
}

TEST(AppSettings, MissingFieldsKeepTheirValues)
{
    AppSettings s;
    EXPECT_FALSE(s.FromLine("!1:0:5"));
    EXPECT_EQ(s.blinkingCursor, 1);
    EXPECT_EQ(s.cursorStyle, 0);
    EXPECT_EQ(s.soundType, 0);
    EXPECT_EQ(s.metronomeBpm, 70);

    AppSettings t = Changed();
    EXPECT_FALSE(t.FromLine("!0:2:0:0:0:0:1:0:70:standard")); // last colon missing
    EXPECT_EQ(t.metronomeBpm, 70);
    EXPECT_EQ(t.pictureSet, "winter");

    // Missing, empty or without "!": nothing changes.
    for (const std::string line : {"", "0:2:0:0:0:0:1:0:70:standard:", " !0:2:", "?"}) {
        AppSettings u = Changed();
        EXPECT_FALSE(u.FromLine(line)) << line;
        EXPECT_EQ(u.ToLine(), Changed().ToLine());
    }
}

TEST(AppSettings, JunkFieldsReadAsNumbersWithoutFailing)
{
    AppSettings s;
    ASSERT_TRUE(
        s.FromLine("!x:-3:+4:12abc: 7:99999999999999999999:-99999999999999999999:::\xE4\x9A:more:junk"));
    EXPECT_EQ(s.blinkingCursor, 0);
    EXPECT_EQ(s.cursorStyle, -3);
    EXPECT_EQ(s.soundType, 4);
    EXPECT_EQ(s.dialogAfterError, 12);
    EXPECT_EQ(s.showKeyboard, 7);
    EXPECT_EQ(s.showHands, INT_MAX);
    EXPECT_EQ(s.showStatistics, INT_MIN);
    EXPECT_EQ(s.metronomeMode, 0);
    EXPECT_EQ(s.metronomeBpm, 0);
    EXPECT_EQ(s.pictureSet, "\xE4\x9A");

    ASSERT_TRUE(s.FromLine("!0:2:0:0:0:0:1:0:70::"));
    EXPECT_EQ(s.pictureSet, "");
}

TEST(AppSettings, PictureSetThatWouldLeaveThePicturesFolderIsIgnored)
{
    for (const std::string bad : {"..", ".", "../../etc", "a/b", "a\\b", "a\tb"}) {
        AppSettings s = Changed();
        EXPECT_TRUE(s.FromLine("!0:2:0:0:0:0:1:0:70:" + bad + ":")) << bad;
        EXPECT_EQ(s.metronomeBpm, 70);
        EXPECT_EQ(s.pictureSet, "winter") << bad;
    }
}

TEST(AppSettings, ResetAndCopyLeaveTheMidiFieldsAlone)
{
    AppSettings s = Changed();
    s.midiNote = 72;
    s.Reset();
    EXPECT_EQ(s.ToLine(), kDefaultLine);
    EXPECT_EQ(s.midiNote, 72);

    AppSettings copy;
    copy.CopyFrom(Changed());
    EXPECT_EQ(copy.ToLine(), Changed().ToLine());
    s.CopyFrom(copy);
    EXPECT_EQ(s.midiNote, 72);
}

} // namespace
