#pragma once

#include "keyboard/FingerOutline.h"
#include "keyboard/HandLine.h"

#include <string>
#include <vector>

// The finger outlines drawn over the hands picture to show the striking finger, read
// from config/hands.ddd: outline n belongs to finger n (0-4 left little finger to
// thumb, 5-9 right thumb to little finger).
class HandModel
{
public:
    static constexpr int kUnitsWide = 700;
    static constexpr int kUnitsHigh = 100;
    static constexpr int kFingerCount = 10;
    // Point coordinates and pen weights are read clamped to ± this many units.
    static constexpr int kFarUnits = 1000000;

    // Loads config/hands.ddd; a failure leaves the outlines read so far (see IsComplete).
    HandModel();

    // Appends the outlines of the named file in the config folder: runs of point lines
    // "x:y:pen:weight:red:green:blue:", each run closed by a line "END". False when the
    // file cannot be read or a point line lacks a field; the outlines closed before
    // that line stay, points after the last "END" are dropped.
    bool Load(const std::string& fileName);

    int OutlineCount() const { return static_cast<int>(m_outlines.size()); }
    const std::vector<FingerOutline>& Outlines() const { return m_outlines; }
    // Outline `index`, or an empty one when there is none.
    const FingerOutline& Outline(int index) const;

    // With fewer than ten outlines the window shows an error instead of fingers.
    bool IsComplete() const { return OutlineCount() >= kFingerCount; }

    // The lines of outline `finger` in pixels: 700 units span `clientWidth` from the
    // left edge, 100 units span the hands area of `height` pixels from `top`. A first
    // point with the pen down starts its line at itself.
    std::vector<HandLine> FingerLines(int finger, int clientWidth, int top, int height) const;

private:
    std::vector<FingerOutline> m_outlines;
};
