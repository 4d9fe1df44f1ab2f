// Key sizes in keyboard units and the pixel rectangles the keyboard is drawn with.
#include "keyboard/KeyboardKey.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

KeyboardKey Sized(int size, int top = 0, int left = 0)
{
    KeyboardKey key;
    key.top = top;
    key.left = left;
    key.size = size;
    return key;
}

// A keyboard area of `height` pixels whose left edge is at `x0`.
KeyboardKey::Area AreaAt(int x0, int top, int height)
{
    return {5, 5 + 2 * x0 + 3 * height, top, top + height};
}

} // namespace

TEST(KeyboardKeyTest, SizeCodesGiveWidthAndHeight)
{
    struct Case
    {
        int size;
        int width;
        int height;
    };
    const Case cases[] = {{10, 10, 16}, {24, 24, 16},  {300, 300, 16}, {9, 144, 16},
                          {1, 16, 16},  {2, 32, 16},   {0, 0, 16},     {-1, 16, 16},
                          {-2, 16, 35}, {-9, 16, 168}, {-10, 16, 10},  {-40, 16, 40}};
    for (const Case& c : cases) {
        EXPECT_EQ(Sized(c.size).WidthUnits(), c.width) << c.size;
        EXPECT_EQ(Sized(c.size).HeightUnits(), c.height) << c.size;
    }
    EXPECT_EQ(Sized(INT_MIN).HeightUnits(), INT_MAX);
}

TEST(KeyboardKeyTest, PixelRectAtOnePixelPerUnit)
{
    const KeyboardKey::Area area = AreaAt(0, 0, 100);
    const auto enter = Sized(-2, 23, 270).PixelRectIn(area);
    EXPECT_EQ(enter.left, 270);
    EXPECT_EQ(enter.top, 23);
    EXPECT_EQ(enter.right, 286);
    EXPECT_EQ(enter.bottom, 58);
    EXPECT_EQ(enter.corner, 2);

    const auto wide = Sized(24, 4, 9).PixelRectIn(area);
    EXPECT_EQ(wide.right - wide.left, 24);
    EXPECT_EQ(wide.bottom - wide.top, 16);
    EXPECT_EQ(Sized(2).PixelRectIn(area).right, 32);
    EXPECT_EQ(Sized(0).PixelRectIn(area).right, 0);
    EXPECT_EQ(Sized(-12).PixelRectIn(area).bottom, 12);
}

TEST(KeyboardKeyTest, PixelRectRoundsLikeTheDrawing)
{
    // 1.5 pixels a unit: each part is cut toward zero on its own.
    const KeyboardKey::Area area = AreaAt(100, 10, 150);
    const auto key = Sized(1, 4, 9).PixelRectIn(area);
    EXPECT_EQ(key.left, 113);
    EXPECT_EQ(key.top, 16);
    EXPECT_EQ(key.right, 137);
    EXPECT_EQ(key.bottom, 40);
    EXPECT_EQ(key.corner, 3);
    // -3 × 1.5 cuts to -4 and 2 rows of 28.5 to 57: one pixel more than 52.5.
    const auto tall = Sized(-2, 4, 9).PixelRectIn(area);
    EXPECT_EQ(tall.bottom - tall.top, 53);
    EXPECT_EQ(Sized(-1, 4, 9).PixelRectIn(area).bottom, key.bottom);
    // The keyboard stays centred in a wider window.
    EXPECT_EQ(Sized(1, 0, 0).PixelRectIn({5, 905, 0, 100}).left, 300);
}

TEST(KeyboardKeyTest, AbsurdValuesStayInRange)
{
    const KeyboardKey::Area area = AreaAt(0, 0, 100);
    const auto huge = Sized(INT_MAX, INT_MAX, INT_MAX).PixelRectIn(area);
    EXPECT_EQ(huge.left, INT_MAX);
    EXPECT_EQ(huge.right, INT_MAX);
    const auto deep = Sized(INT_MIN, INT_MIN, INT_MIN).PixelRectIn(area);
    EXPECT_EQ(deep.left, INT_MIN);
    EXPECT_LE(deep.top, deep.bottom);
}
