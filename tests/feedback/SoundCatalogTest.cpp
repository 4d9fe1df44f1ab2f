#include "feedback/SoundCatalog.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>

namespace {

using Tones = std::vector<ToneSegment>;

TEST(SoundCatalog, WaveTypesPlayTheirOwnFilesGoodStartedBadToTheEnd)
{
    for (int type = 0; type <= 3; ++type) {
        const SoundCue good = SoundCatalog::GoodSound(type);
        const SoundCue bad = SoundCatalog::BadSound(type);
        EXPECT_EQ(good.source, SoundCue::Source::WaveFile);
        EXPECT_EQ(good.fileName, "good" + std::to_string(type + 1) + ".wav");
        EXPECT_FALSE(good.synchronous);
        EXPECT_FALSE(good.bad);
        EXPECT_EQ(bad.source, SoundCue::Source::WaveFile);
        EXPECT_EQ(bad.fileName, "bad" + std::to_string(type + 1) + ".wav");
        EXPECT_TRUE(bad.synchronous);
        EXPECT_TRUE(bad.bad);
    }
}

TEST(SoundCatalog, SpeakerTypesBeepOnErrorsAndOnlyPiepOnCorrectKeys)
{
    for (int type : {4, 5, 6})
        EXPECT_TRUE(SoundCatalog::GoodSound(type).IsSilent()) << type;
    EXPECT_EQ(SoundCatalog::GoodSound(7).tones, (Tones{{500, 50}}));
    EXPECT_TRUE(SoundCatalog::GoodSound(7).synchronous);

    EXPECT_EQ(SoundCatalog::BadSound(4).tones, (Tones{{300, 20}, {1000, 40}}));
    EXPECT_EQ(SoundCatalog::BadSound(5).tones,
              (Tones{{300, 20}, {1000, 40}, {300, 20}, {1000, 40}, {300, 20}, {1000, 40}}));
    EXPECT_EQ(SoundCatalog::BadSound(6).tones, (Tones{{3000, 200}, {1000, 40}}));
    EXPECT_EQ(SoundCatalog::BadSound(7).tones,
              (Tones{{3000, 200}, {0, 100}, {3000, 200}, {0, 100}, {3000, 200}}));
    EXPECT_EQ(SoundCatalog::BadSound(5).ToneDurationMs(), 180);
    EXPECT_EQ(SoundCatalog::BadSound(7).ToneDurationMs(), 800);
    for (int type = 4; type <= 7; ++type) {
        EXPECT_EQ(SoundCatalog::BadSound(type).source, SoundCue::Source::Tones);
        EXPECT_TRUE(SoundCatalog::BadSound(type).synchronous);
    }
}

TEST(SoundCatalog, SilentTypeAndUnknownTypesPlayNothing)
{
    for (int type : {8, 9, -1, 100, INT_MIN}) {
        EXPECT_TRUE(SoundCatalog::GoodSound(type).IsSilent()) << type;
        EXPECT_TRUE(SoundCatalog::BadSound(type).IsSilent()) << type;
    }
}

TEST(SoundCatalog, AllSoundsListsEachOfThirteenSoundsOnceUnderItsOwnName)
{
    const std::vector<SoundCue> all = SoundCatalog::AllSounds();
    std::set<std::string> names;
    for (const SoundCue& cue : all)
        names.insert(cue.fileName);
    EXPECT_EQ(all.size(), 13u);
    EXPECT_EQ(names.size(), all.size());
}

} // namespace
