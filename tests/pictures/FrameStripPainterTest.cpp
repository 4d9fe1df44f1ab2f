#include "pictures/FrameStripPainter.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

const QRgb Green = qRgb(0, 255, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(200, 0, 0);
const QRgb Blue = qRgb(0, 0, 200);
const QRgb NearWhite = qRgb(254, 255, 255);
const QRgb NearGreen = qRgb(0, 254, 0);
const QRgb Welcome = qRgb(10, 20, 30);

QImage Filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void FillRect(QImage& image, const QRect& rect, QRgb colour)
{
    QPainter painter(&image);
    painter.fillRect(rect, QColor::fromRgb(colour));
}

// Movie1.jpg (animation 4): frame 0 red on the left, green on the right with one
// near-green pixel; frame 1 white above, blue below; frame 2 white with one near-white pixel.
QImage Movie1()
{
    QImage strip = Filled(250, 50, White);
    FillRect(strip, QRect(0, 0, 25, 50), Red);
    FillRect(strip, QRect(25, 0, 25, 50), Green);
    FillRect(strip, QRect(50, 25, 50, 25), Blue);
    strip.setPixel(40, 10, NearGreen);
    strip.setPixel(130, 30, NearWhite);
    return strip;
}

class FrameStripPainterTest : public ::testing::Test
{
protected:
    FrameStripPainterTest()
        : m_welcome(Filled(400, 350, Welcome))
        , m_target(Filled(100, 100, qRgb(1, 1, 1)))
    {
        for (QImage& movie : m_movies) {
            movie = Filled(250, 50, qRgb(90, 90, 90));
        }
        m_movies[0] = Movie1();
        for (std::size_t i = 0; i < m_movies.size(); ++i) {
            m_slots[i] = &m_movies[i];
        }
    }

    bool Draw(FrameStripPainter& player, int animation, int tick)
    {
        QPainter painter(&m_target);
        return player.Draw(painter, 100, 100, animation, tick);
    }

    // The canvas drawn twice as large: canvas pixel (x, y) at (2x, 2y).
    QRgb Shown(int x, int y) const { return m_target.pixel(2 * x, 2 * y); }

    std::array<QImage, FrameStrip::kAnimationCount> m_movies;
    FrameStripPainter::MovieSlots m_slots{};
    QImage m_welcome;
    QImage m_target;
};

TEST_F(FrameStripPainterTest, GreenOfTheLowerAndWhiteOfTheUpperFrameAreNotDrawn)
{
    FrameStripPainter player(12, m_slots, &m_welcome);
    ASSERT_TRUE(Draw(player, 4, 0)); // upper frame 1, lower frame 0
    EXPECT_EQ(Shown(5, 5), Red);
    EXPECT_EQ(Shown(30, 5), Welcome) << "the canvas shows through both frames";
    EXPECT_EQ(Shown(40, 10), NearGreen) << "only exact green is transparent";
    EXPECT_EQ(Shown(5, 30), Blue);
    EXPECT_EQ(Shown(30, 30), Blue);
    EXPECT_EQ(m_target.pixel(99, 99), Blue);
    EXPECT_EQ(player.Canvas().size(), QSize(50, 50));
}

TEST_F(FrameStripPainterTest, TheCanvasKeepsEarlierFrames)
{
    FrameStripPainter player(12, m_slots, &m_welcome);
    ASSERT_TRUE(Draw(player, 4, 0));
    const QImage afterFirst = m_target;
    EXPECT_FALSE(Draw(player, 4, 1)) << "tick 1 is not in the table";
    EXPECT_EQ(m_target, afterFirst);

    ASSERT_TRUE(Draw(player, 4, 3)); // upper frame 2 (white), lower frame 0 again
    EXPECT_EQ(Shown(5, 5), Red);
    EXPECT_EQ(Shown(30, 5), Welcome);
    EXPECT_EQ(Shown(30, 40), Blue) << "kept from the previous frame";
    EXPECT_EQ(Shown(30, 30), NearWhite) << "only exact white is transparent";
}

TEST_F(FrameStripPainterTest, SlotsAreReadAtEveryFrame)
{
    FrameStripPainter player(12, m_slots, &m_welcome);
    m_movies[0] = Filled(250, 50, Blue); // another picture set
    ASSERT_TRUE(Draw(player, 4, 0));
    EXPECT_EQ(Shown(30, 5), Blue);

    m_movies[4] = QImage(); // Movie5.jpg, animation 0: failed to load
    ASSERT_TRUE(Draw(player, 0, 0));
    EXPECT_EQ(Shown(30, 5), Blue) << "nothing laid over the canvas";
}

// Frames beyond a short strip, and a canvas picture smaller than the canvas.
TEST_F(FrameStripPainterTest, ShortStripsAndSmallCanvasPicture)
{
    m_welcome = Filled(20, 20, Welcome);
    m_movies[0] = Filled(60, 50, Green); // frame 0 whole, frame 1 only 10 columns
    FillRect(m_movies[0], QRect(50, 0, 10, 50), Red);
    FrameStripPainter player(12, m_slots, &m_welcome);
    ASSERT_TRUE(Draw(player, 4, 0));
    EXPECT_EQ(Shown(5, 5), Red);
    EXPECT_EQ(Shown(15, 15), Welcome);
    EXPECT_EQ(Shown(30, 30), White);
}

} // namespace
