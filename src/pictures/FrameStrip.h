#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The status strip's animations: which frames of which picture strip each of the eight
// animations shows at each tick, where a frame lies in its strip, and which colours of a
// frame are left out. FrameStripPainter does the drawing.
class FrameStrip
{
public:
    // Frames are squares of this size, side by side from the strip's left edge.
    static constexpr int kFrameSize = 50;
    static constexpr int kAnimationCount = 8;

    struct Entry
    {
        int tick = 0;
        int upperFrame = 0;
        int lowerFrame = 0;
    };

    // The lower frame is drawn first with pure green as its transparent colour, then the
    // upper frame over it with white.
    enum class Layer
    {
        Lower,
        Upper,
    };

    struct FrameRect
    {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };

    // The cycling animation (5) shows a frame at every tick of the cycle.
    explicit FrameStrip(int ticksPerCycle);

    int TicksPerCycle() const { return m_ticksPerCycle; }

    // Entries in table order; empty for an animation outside 0 to 7.
    const std::vector<Entry>& FrameTable(int animation) const;

    // The first entry for the tick, or nullptr when the tick draws nothing.
    const Entry* FindEntry(int animation, int tick) const;

    // How many frames the animation's strip must hold: its highest frame + 1.
    int FramesNeeded(int animation) const;

    // Animations 0 to 3 play Movie5.jpg to Movie8.jpg, 4 to 7 Movie1.jpg to Movie4.jpg.
    // 0 and the empty name for an animation outside 0 to 7.
    static int MovieNumber(int animation);
    static std::string StripFileName(int animation);

    // Whole frames in a strip of that width.
    static int FrameCount(int stripWidth);
    static FrameRect FrameRectangle(int frame);

    // Only the exact colour is transparent; a near-white or near-green pixel is drawn.
    static bool IsTransparent(Layer layer, std::uint8_t red, std::uint8_t green, std::uint8_t blue);

private:
    int m_ticksPerCycle;
    std::array<std::vector<Entry>, kAnimationCount> m_tables;
};
