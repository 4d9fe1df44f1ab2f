#include "settings/SoundPageState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kWave = SoundPageState::kWaveTab;
constexpr int kSpeaker = SoundPageState::kSpeakerTab;
constexpr int kSilent = SoundPageState::kSilentTab;
constexpr int kNone = SoundPageState::kNoTab;

struct Opening
{
    int soundType;
    int tab;
    int listPosition;
    std::string description;
};

TEST(SoundPageState, OpensTheSubPageOfTheType)
{
    const std::vector<Opening> cases = {
        {0, kWave, 0, "Es wurde digitaler Klang ausgew\xe4hlt."},
        {3, kWave, 3, "Es wurde digitaler Klang ausgew\xe4hlt."},
        {4, kSpeaker, 0, "Tonausgabe aktiviert."},
        {7, kSpeaker, 3, "Tonausgabe aktiviert."},
        {8, kSilent, -1, "W\xe4hrend dem Schreiben werden keine Ger\xe4usche abgespielt."},
        {9, kNone, -1, ""},
        {-1, kNone, -1, ""},
    };
    for (const Opening& c : cases) {
        const SoundPageState state(c.soundType);
        EXPECT_EQ(state.Tab(), c.tab) << c.soundType;
        EXPECT_EQ(state.ListPosition(), c.listPosition) << c.soundType;
        EXPECT_EQ(state.Description(), c.description) << c.soundType;
        EXPECT_EQ(state.SoundType(), c.soundType) << "opening changes nothing";
    }
}

struct Switching
{
    int soundType;
    std::vector<int> tabs;
    int soundTypeAfter;
    int listPositionAfter;
};

TEST(SoundPageState, EachSubPagePutsATypeOfItsOwnGroupIn)
{
    const std::vector<Switching> cases = {
        {8, {kSpeaker}, 4, 0},        // "Nur Fehler"
        {8, {kWave}, 0, 0},           // leaving "kein Klang" passes through 8
        {6, {kWave, kSpeaker}, 4, 0}, // "Robot" is not remembered
        {2, {kSpeaker, kWave}, 0, 0}, {2, {kSilent}, 8, -1}, {5, {kSilent, kSpeaker}, 4, 0},
        {9, {kSpeaker}, 4, 0}, // an unknown type takes a sub-page's first
        {9, {kSilent}, 8, -1},
    };
    for (const Switching& c : cases) {
        SoundPageState state(c.soundType);
        for (const int tab : c.tabs)
            state.SelectTab(tab);
        EXPECT_EQ(state.Tab(), c.tabs.back()) << c.soundType;
        EXPECT_EQ(state.SoundType(), c.soundTypeAfter) << c.soundType;
        EXPECT_EQ(state.ListPosition(), c.listPositionAfter) << c.soundType;
    }
}

TEST(SoundPageState, ChoosingAnEntrySetsTheTypeOfItsGroup)
{
    SoundPageState state(1);
    state.Choose(3);
    EXPECT_EQ(state.SoundType(), 3);
    state.SelectTab(kSpeaker);
    state.Choose(2);
    EXPECT_EQ(state.SoundType(), 6);
    EXPECT_EQ(state.ListPosition(), 2);

    state.Choose(4); // no such entry
    EXPECT_EQ(state.SoundType(), 6);
    state.SelectTab(kSilent);
    state.Choose(1); // no list there
    EXPECT_EQ(state.SoundType(), 8);
}

TEST(SoundPageState, AnUnknownTabChangesNothing)
{
    SoundPageState state(5);
    state.SelectTab(3);
    state.SelectTab(kNone);
    EXPECT_EQ(state.Tab(), kSpeaker);
    EXPECT_EQ(state.SoundType(), 5);
}

} // namespace
