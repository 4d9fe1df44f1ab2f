#include "settings/MetronomeRules.h"
#include "settings/PictureSetChoice.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TEST(MetronomeRules, PeriodInWholeMillisecondsWithTheRateRaisedToOne)
{
    const std::vector<std::pair<int, int>> cases = {
        {350, 171}, {20, 3000}, {70, 857}, {120, 500}, {1, 60000}, {0, 60000}, {-40, 60000},
    };
    for (const auto& [bpm, period] : cases)
        EXPECT_EQ(MetronomeRules::PeriodMs(bpm), period) << bpm;
    EXPECT_EQ(MetronomeRules::RaisedBpm(0), 1);
    EXPECT_EQ(MetronomeRules::RaisedBpm(-3), 1);
    EXPECT_EQ(MetronomeRules::RaisedBpm(20), 20);
}

TEST(MetronomeRules, ModeAndPreviewLineFromTheTwoBoxes)
{
    struct Case
    {
        bool graphic;
        bool sound;
        int mode;
        int lineRight;
    };
    for (const Case& c : std::vector<Case>{
             {false, false, 0, 0}, {true, false, 1, 360}, {false, true, 2, 60}, {true, true, 3, 360}}) {
        const int mode = MetronomeRules::Mode(c.graphic, c.sound);
        EXPECT_EQ(mode, c.mode);
        EXPECT_EQ(MetronomeRules::LineRight(mode), c.lineRight) << mode;
        EXPECT_EQ(MetronomeRules::HasGraphicTick(mode), c.graphic);
        EXPECT_EQ(MetronomeRules::HasSoundTick(mode), c.sound);
    }
}

TEST(PictureSetChoice, FirstNameBeginningWithTheSetIgnoringCase)
{
    const std::vector<std::string> names = {"Herbst", "nacht", "Standard", "standard2", "\xa3\xe1ka"};
    EXPECT_EQ(PictureSetChoice::Find(names, "standard"), 2);
    EXPECT_EQ(PictureSetChoice::Find(names, "NACHT"), 1);
    EXPECT_EQ(PictureSetChoice::Find(names, "st"), 2);
    EXPECT_EQ(PictureSetChoice::Find(names, "\xb3\xc1K"), 4); // Windows-1250 letters fold too
    EXPECT_EQ(PictureSetChoice::Find(names, "standard23"), -1);
    EXPECT_EQ(PictureSetChoice::Find(names, "winter"), -1);
    EXPECT_EQ(PictureSetChoice::Find(names, ""), 0);
    EXPECT_EQ(PictureSetChoice::Find({}, "standard"), -1);
}

TEST(PictureSetChoice, NothingSelectedKeepsTheSetInUse)
{
    const std::vector<std::string> names = {"nacht", "standard"};
    EXPECT_EQ(PictureSetChoice::Chosen(names, 0, "standard"), "nacht");
    EXPECT_EQ(PictureSetChoice::Chosen(names, -1, "standard"), "standard");
    EXPECT_EQ(PictureSetChoice::Chosen(names, 2, "winter"), "winter");
}

} // namespace
