#include "feedback/SoundSequencer.h"
#include "feedback/SoundCatalog.h"

#include <gtest/gtest.h>

namespace {

using Decision = SoundSequencer::Decision;

const SoundCue Good = SoundCatalog::GoodSound(0);
const SoundCue Bad = SoundCatalog::BadSound(0);

TEST(SoundSequencer, GoodSoundsStartAtOnceAndCutEachOtherOff)
{
    SoundSequencer sequencer;
    EXPECT_EQ(sequencer.Request(Good, 40, 0), Decision::PlayNow);
    EXPECT_EQ(sequencer.Request(Good, 40, 10), Decision::PlayNow);
    // An error cuts a good sound off as well.
    EXPECT_EQ(sequencer.Request(Bad, 200, 20), Decision::PlayNow);
    EXPECT_EQ(sequencer.Request(SoundCue{}, 0, 30), Decision::Ignore);
}

TEST(SoundSequencer, ABadSoundIsHeardToItsEndAndDropsGoodSoundsMeanwhile)
{
    SoundSequencer sequencer;
    ASSERT_EQ(sequencer.Request(Bad, 200, 1000), Decision::PlayNow);
    EXPECT_EQ(sequencer.Request(Good, 40, 1100), Decision::Ignore);
    EXPECT_EQ(sequencer.Request(Good, 40, 1199), Decision::Ignore);
    EXPECT_EQ(sequencer.Request(Good, 40, 1200), Decision::PlayNow);
}

TEST(SoundSequencer, ErrorsDuringABadSoundWaitOneAtATime)
{
    SoundSequencer sequencer;
    ASSERT_EQ(sequencer.Request(Bad, 200, 0), Decision::PlayNow);
    EXPECT_FALSE(sequencer.PendingDueAt());
    EXPECT_EQ(sequencer.Request(Bad, 200, 50), Decision::Wait);
    EXPECT_EQ(sequencer.PendingDueAt(), 200);
    EXPECT_EQ(sequencer.Request(Bad, 200, 60), Decision::Ignore);
    EXPECT_EQ(sequencer.Request(Good, 40, 70), Decision::Ignore);

    EXPECT_FALSE(sequencer.TakeDue(199));
    const std::optional<SoundCue> due = sequencer.TakeDue(205);
    ASSERT_TRUE(due);
    EXPECT_EQ(due->fileName, Bad.fileName);
    EXPECT_FALSE(sequencer.PendingDueAt());
    // The waiting sound now plays to its own end.
    EXPECT_EQ(sequencer.Request(Good, 40, 300), Decision::Ignore);
    EXPECT_EQ(sequencer.Request(Good, 40, 405), Decision::PlayNow);
}

TEST(SoundSequencer, ABeepForACorrectKeyIsNotCutOffByAnError)
{
    SoundSequencer sequencer;
    ASSERT_EQ(sequencer.Request(SoundCatalog::GoodSound(7), 50, 0), Decision::PlayNow);
    EXPECT_EQ(sequencer.Request(SoundCatalog::BadSound(7), 800, 20), Decision::Wait);
    EXPECT_EQ(sequencer.PendingDueAt(), 50);
}

} // namespace
