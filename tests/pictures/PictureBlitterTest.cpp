#include "pictures/PictureBlitter.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QRgb Untouched = qRgb(1, 1, 1);

QImage Target(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Untouched);
    return image;
}

// Every pixel different, so a tile in the wrong place shows.
QImage Pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x * 250 / width, y * 250 / height, (x + y) % 7 * 30));
        }
    }
    return image;
}

int FloorMod(int value, int modulus)
{
    return ((value % modulus) + modulus) % modulus;
}

// `expected` gives the pixel for device (x, y), or Untouched.
void ExpectPixels(const QImage& image, const std::function<QRgb(int, int)>& expected)
{
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != expected(x, y) && ++wrong <= 5) {
                ADD_FAILURE() << "pixel " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST(PictureBlitter, StretchFillsTheRectangleWithTheScaledPicture)
{
    const QImage picture = Pattern(2, 2);
    QImage target = Target(12, 12);
    {
        QPainter painter(&target);
        EXPECT_TRUE(PictureBlitter(painter).StretchPicture(picture, 3, 5, 4, 6));
    }
    ExpectPixels(target, [&](int x, int y) {
        const bool inside = x >= 3 && x < 7 && y >= 5 && y < 11;
        return inside ? picture.pixel((x - 3) / 2, (y - 5) / 3) : Untouched;
    });
}

// Tiles lie at multiples of the picture size from the origin, whatever the area; a tall
// picture is copied in bands.
TEST(PictureBlitter, TilesAreAnchoredAtTheOrigin)
{
    for (const QSize size : {QSize(3, 2), QSize(70, 45), QSize(50, 130)}) {
        SCOPED_TRACE(size.width());
        const QImage picture = Pattern(size.width(), size.height());
        for (const QRect area :
             {QRect(QPoint(5, 7), QPoint(19, 14)), QRect(QPoint(140, 90), QPoint(209, 134)),
              QRect(QPoint(71, 3), QPoint(200, 150))}) {
            QImage target = Target(220, 160);
            {
                QPainter painter(&target);
                EXPECT_TRUE(PictureBlitter(painter).TilePicture(picture, area.left(), area.top(),
                                                                area.right() + 1, area.bottom() + 1));
            }
            ExpectPixels(target, [&](int x, int y) {
                return area.contains(x, y) ? picture.pixel(x % size.width(), y % size.height()) : Untouched;
            });
        }
    }
}

TEST(PictureBlitter, NeighbouringAreasJoinSeamlessly)
{
    const QImage picture = Pattern(3, 2);
    QImage whole = Target(40, 30);
    QImage pieces = Target(40, 30);
    {
        QPainter painter(&whole);
        PictureBlitter(painter).TilePicture(picture, 0, 0, 40, 30);
    }
    {
        QPainter painter(&pieces);
        PictureBlitter blitter(painter);
        blitter.TilePicture(picture, 0, 0, 17, 30);
        blitter.TilePicture(picture, 17, 0, 40, 13);
        blitter.TilePicture(picture, 17, 13, 40, 30);
    }
    EXPECT_EQ(whole, pieces);
}

// The painter's own origin counts, also for areas left of and above it, and a vast area
// costs no more than the device shows.
TEST(PictureBlitter, TilesFollowThePaintersOriginAndCopyPlainly)
{
    const QImage picture = Pattern(3, 2);
    QImage target = Target(40, 30);
    {
        QPainter painter(&target);
        painter.translate(4, 1);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        EXPECT_TRUE(PictureBlitter(painter).TilePicture(picture, -1000000000, -1000000000, 1000000000, 20));
        EXPECT_EQ(painter.compositionMode(), QPainter::RasterOp_SourceXorDestination);
    }
    ExpectPixels(target, [&](int x, int y) {
        return y < 21 ? picture.pixel(FloorMod(x - 4, 3), FloorMod(y - 1, 2)) : Untouched;
    });
}

TEST(PictureBlitter, EmptyPictureDrawsNothing)
{
    QImage target = Target(10, 10);
    {
        QPainter painter(&target);
        PictureBlitter blitter(painter);
        EXPECT_FALSE(blitter.StretchPicture(QImage(), 0, 0, 10, 10));
        EXPECT_FALSE(blitter.TilePicture(QImage(), 0, 0, 10, 10));
        EXPECT_TRUE(blitter.TilePicture(Pattern(3, 2), 5, 5, 5, 9)) << "an empty area is no failure";
        EXPECT_TRUE(blitter.StretchPicture(Pattern(3, 2), 5, 5, 0, 4));
    }
    EXPECT_EQ(target, Target(10, 10));
}

} // namespace
