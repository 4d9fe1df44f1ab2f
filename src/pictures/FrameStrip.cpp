#include "pictures/FrameStrip.h"

#include <algorithm>

namespace {

// Ticks not listed draw nothing, so the previous frame stays on screen.
const std::vector<FrameStrip::Entry> kBlinkTable = {{0, 0, 0}, {1, 1, 1}, {4, 0, 0}};
const std::vector<FrameStrip::Entry> kMovie1Table = {{0, 1, 0}, {3, 2, 0}, {4, 3, 0}, {6, 4, 0}, {8, 1, 0}};
const std::vector<FrameStrip::Entry> kMovie3Table = {{0, 0, 0}, {1, 1, 1},  {2, 2, 2}, {3, 3, 3},
                                                     {4, 4, 4}, {5, 0, 0},  {7, 1, 1}, {8, 2, 2},
                                                     {9, 3, 3}, {10, 4, 4}, {11, 0, 0}};
const std::vector<FrameStrip::Entry> kMovie4Table = {{0, 1, 0}, {1, 2, 0}, {2, 3, 0}, {3, 4, 0}, {4, 0, 0}};
const std::vector<FrameStrip::Entry> kNoEntries;

bool ValidAnimation(int animation)
{
    return animation >= 0 && animation < FrameStrip::kAnimationCount;
}

} // namespace

FrameStrip::FrameStrip(int ticksPerCycle)
    : m_ticksPerCycle(ticksPerCycle)
{
    for (int animation = 0; animation < 4; ++animation) {
        m_tables[animation] = kBlinkTable;
    }
    m_tables[4] = kMovie1Table;
    for (int tick = 0; tick < ticksPerCycle; ++tick) {
        m_tables[5].push_back({tick, tick % 4, tick % 4});
    }
    m_tables[6] = kMovie3Table;
    m_tables[7] = kMovie4Table;
}

const std::vector<FrameStrip::Entry>& FrameStrip::FrameTable(int animation) const
{
    return ValidAnimation(animation) ? m_tables[animation] : kNoEntries;
}

const FrameStrip::Entry* FrameStrip::FindEntry(int animation, int tick) const
{
    const std::vector<Entry>& table = FrameTable(animation);
    const auto found =
        std::find_if(table.begin(), table.end(), [tick](const Entry& e) { return e.tick == tick; });
    return found == table.end() ? nullptr : &*found;
}

int FrameStrip::FramesNeeded(int animation) const
{
    int needed = 0;
    for (const Entry& entry : FrameTable(animation)) {
        needed = std::max({needed, entry.upperFrame + 1, entry.lowerFrame + 1});
    }
    return needed;
}

int FrameStrip::MovieNumber(int animation)
{
    if (!ValidAnimation(animation)) {
        return 0;
    }
    return animation < 4 ? animation + 5 : animation - 3;
}

std::string FrameStrip::StripFileName(int animation)
{
    const int movie = MovieNumber(animation);
    return movie == 0 ? std::string() : "Movie" + std::to_string(movie) + ".jpg";
}

int FrameStrip::FrameCount(int stripWidth)
{
    return stripWidth > 0 ? stripWidth / kFrameSize : 0;
}

FrameStrip::FrameRect FrameStrip::FrameRectangle(int frame)
{
    return {frame * kFrameSize, 0, kFrameSize, kFrameSize};
}

bool FrameStrip::IsTransparent(Layer layer, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    if (layer == Layer::Lower) {
        return red == 0 && green == 255 && blue == 0;
    }
    return red == 255 && green == 255 && blue == 255;
}
