#include "pictures/FrameStrip.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

using Frames = std::map<int, std::pair<int, int>>; // tick: upper, lower

Frames TableOf(const FrameStrip& strip, int animation)
{
    Frames frames;
    for (int tick = -1; tick <= 12; ++tick) {
        if (const FrameStrip::Entry* entry = strip.FindEntry(animation, tick)) {
            EXPECT_EQ(entry->tick, tick);
            frames[tick] = {entry->upperFrame, entry->lowerFrame};
        }
    }
    return frames;
}

TEST(FrameStrip, TablesOfTheEightAnimations)
{
    const FrameStrip strip(12);
    const Frames blink = {{0, {0, 0}}, {1, {1, 1}}, {4, {0, 0}}};
    for (int animation = 0; animation < 4; ++animation) {
        EXPECT_EQ(TableOf(strip, animation), blink) << animation;
    }
    EXPECT_EQ(TableOf(strip, 4), (Frames{{0, {1, 0}}, {3, {2, 0}}, {4, {3, 0}}, {6, {4, 0}}, {8, {1, 0}}}));
    Frames cycling;
    for (int tick = 0; tick < 12; ++tick) {
        cycling[tick] = {tick % 4, tick % 4};
    }
    EXPECT_EQ(TableOf(strip, 5), cycling);
    EXPECT_EQ(TableOf(strip, 6), (Frames{{0, {0, 0}},
                                         {1, {1, 1}},
                                         {2, {2, 2}},
                                         {3, {3, 3}},
                                         {4, {4, 4}},
                                         {5, {0, 0}},
                                         {7, {1, 1}},
                                         {8, {2, 2}},
                                         {9, {3, 3}},
                                         {10, {4, 4}},
                                         {11, {0, 0}}}));
    EXPECT_EQ(TableOf(strip, 7), (Frames{{0, {1, 0}}, {1, {2, 0}}, {2, {3, 0}}, {3, {4, 0}}, {4, {0, 0}}}));
    EXPECT_TRUE(TableOf(strip, -1).empty());
    EXPECT_TRUE(TableOf(strip, 8).empty());
}

TEST(FrameStrip, CyclingAnimationFollowsTheTicksPerCycle)
{
    const FrameStrip strip(6);
    EXPECT_EQ(strip.TicksPerCycle(), 6);
    EXPECT_EQ(strip.FrameTable(5).size(), 6u);
    EXPECT_EQ(strip.FindEntry(5, 6), nullptr);
    EXPECT_EQ(strip.FindEntry(5, 5)->upperFrame, 1);
}

TEST(FrameStrip, StripsAndFramesNeeded)
{
    const FrameStrip strip(12);
    const int movies[] = {5, 6, 7, 8, 1, 2, 3, 4};
    const int needed[] = {2, 2, 2, 2, 5, 4, 5, 5};
    for (int animation = 0; animation < FrameStrip::kAnimationCount; ++animation) {
        EXPECT_EQ(FrameStrip::MovieNumber(animation), movies[animation]);
        EXPECT_EQ(FrameStrip::StripFileName(animation), "Movie" + std::to_string(movies[animation]) + ".jpg");
        EXPECT_EQ(strip.FramesNeeded(animation), needed[animation]);
    }
    EXPECT_EQ(FrameStrip::MovieNumber(8), 0);
    EXPECT_EQ(FrameStrip::StripFileName(-1), "");
    EXPECT_EQ(strip.FramesNeeded(8), 0);
}

} // namespace
