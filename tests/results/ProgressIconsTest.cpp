#include "results/ProgressIcons.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

QImage ImageOf(int icon)
{
    return ProgressIcons::Image(icon).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(ProgressIconsTest, EveryIconIsItsOwnSmallImageOnATransparentGround)
{
    const std::vector<QPixmap> strip = ProgressIcons::Strip();
    ASSERT_EQ(strip.size(), static_cast<std::size_t>(ProgressIcons::kCount));
    for (int icon = 0; icon < ProgressIcons::kCount; ++icon) {
        const QImage image = ImageOf(icon);
        EXPECT_EQ(image.size(), QSize(16, 16)) << icon;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << icon;
        EXPECT_EQ(qAlpha(image.pixel(15, 15)), 0) << icon;
        EXPECT_EQ(image,
                  strip[static_cast<std::size_t>(icon)].toImage().convertToFormat(QImage::Format_ARGB32));
        for (int other = 0; other < icon; ++other)
            EXPECT_NE(image, ImageOf(other)) << icon << " looks like " << other;
    }
    // The discs: light for the best results, dark for results at the limit.
    EXPECT_GT(qGray(ImageOf(ProgressIcons::kWhiteDisc).pixel(8, 8)), 200);
    EXPECT_LT(qGray(ImageOf(ProgressIcons::kBlackDisc).pixel(8, 8)), 100);
}
