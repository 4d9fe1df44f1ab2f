#include "keyboard/HandModel.h"

#include "exercise/DataFields.h"
#include "exercise/LineFile.h"
#include "resources/ProgramPaths.h"
#include "resources/SaturatingInt.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

bool ParsePoint(std::string line, HandPoint& point)
{
    int values[7];
    std::string field;
    for (int& value : values) {
        if (!DataFields::TakeField(line, field))
            return false;
        value = DataFields::ToInt(field);
    }
    // Only the low eight bits of each colour part count.
    const auto low8 = [](int v) { return static_cast<std::uint8_t>(static_cast<unsigned>(v) & 0xFFu); };
    // Coordinates and weight far beyond any window are kept there, so the painter can
    // widen their rectangles without int overflow.
    const auto far = [](int v) { return std::clamp(v, -HandModel::kFarUnits, HandModel::kFarUnits); };
    point = {far(values[0]),
             far(values[1]),
             values[2],
             far(values[3]),
             {low8(values[4]), low8(values[5]), low8(values[6])}};
    return true;
}

} // namespace

HandModel::HandModel()
{
    Load("hands.ddd");
}

bool HandModel::Load(const std::string& fileName)
{
    LineFile file;
    if (!file.LoadLines(ProgramFilePath("config", fileName)))
        return false;
    FingerOutline collected;
    std::string line;
    while (file.NextLine(line)) {
        if (line == "END") {
            m_outlines.push_back(collected);
            collected.clear();
            continue;
        }
        if (line.find(':') == std::string::npos)
            continue;
        HandPoint point;
        if (!ParsePoint(line, point))
            return false;
        collected.push_back(point);
    }
    return true;
}

const FingerOutline& HandModel::Outline(int index) const
{
    static const FingerOutline none;
    if (index < 0 || index >= OutlineCount())
        return none;
    return m_outlines[static_cast<size_t>(index)];
}

std::vector<HandLine> HandModel::FingerLines(int finger, int clientWidth, int top, int height) const
{
    const double sx = static_cast<double>(clientWidth) / kUnitsWide;
    const double sy = static_cast<double>(height) / kUnitsHigh;
    std::vector<HandLine> lines;
    bool first = true;
    int previousX = 0;
    int previousY = 0;
    for (const HandPoint& point : Outline(finger)) {
        const int x = SaturatingInt::FromReal(point.x * sx);
        const int y =
            SaturatingInt::FromReal(static_cast<double>(top) + SaturatingInt::FromReal(point.y * sy));
        if (first) {
            previousX = x;
            previousY = y;
            first = false;
        }
        // A negative weight in a damaged file must not reach the pen.
        if (point.penDown != 0)
            lines.push_back({previousX, previousY, x, y,
                             std::max(0, SaturatingInt::FromReal(point.weight * sx * 3)), point.colour});
        previousX = x;
        previousY = y;
    }
    return lines;
}
