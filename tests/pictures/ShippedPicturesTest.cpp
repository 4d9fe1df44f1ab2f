// The installed pictures must load, or the program ends at start-up.
#include "JpegTestSupport.h"

#include "pictures/FrameStrip.h"
#include "pictures/LoadJpegPicture.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

void ExpectLoads(const fs::path& path, int width, int height)
{
    SCOPED_TRACE(path.string());
    Picture picture;
    PictureLoadFailure failure;
    ASSERT_TRUE(LoadJpegPicture(path.string(), picture, &failure)) << failure.message;
    EXPECT_EQ(picture.width, width);
    EXPECT_EQ(picture.height, height);
}

TEST(ShippedPictures, StartPicturesLoadWithTheirSizes)
{
    const fs::path folder = picturetest::ShippedPictures();
    ExpectLoads(folder / "wellcome.jpg", 400, 350);
    ExpectLoads(folder / "wellcome2.jpg", 800, 400);
    ExpectLoads(folder / "SmallWindow.jpg", 200, 150);
    ExpectLoads(folder / "Silent.jpg", 64, 64);
    ExpectLoads(folder / "Login.jpg", 150, 200);
}

TEST(ShippedPictures, EverySetLoadsWithStripsLongEnoughForTheirAnimations)
{
    const FrameStrip strip(12);
    int sets = 0;
    for (const auto& entry : fs::directory_iterator(picturetest::ShippedPictures())) {
        if (!entry.is_directory()) {
            continue;
        }
        ++sets;
        const fs::path set = entry.path();
        ExpectLoads(set / "HandsBG.jpg", 1400, 140);
        ExpectLoads(set / "StatBG.jpg", 1000, 50);
        ExpectLoads(set / "Background.jpg", 128, 128);
        for (int animation = 0; animation < FrameStrip::kAnimationCount; ++animation) {
            const fs::path file = set / FrameStrip::StripFileName(animation);
            SCOPED_TRACE(file.string());
            Picture movie;
            ASSERT_TRUE(LoadJpegPicture(file.string(), movie));
            EXPECT_EQ(movie.height, FrameStrip::kFrameSize);
            EXPECT_GE(FrameStrip::FrameCount(movie.width), strip.FramesNeeded(animation));
        }
    }
    EXPECT_GE(sets, 1);
}

} // namespace
