#pragma once

#include <QPainterPath>
#include <QPoint>
#include <QPointF>

#include <array>
#include <vector>

// The one description of the two hands: the hands picture is drawn from it and the
// finger outlines of the hands file are traced from it, so the two always agree.
// Coordinates are pixels of the hands picture; the outlines are converted to hand
// units (700 across, 100 down).
class HandGeometry
{
public:
    static constexpr int PictureWidth = 1400;
    static constexpr int PictureHeight = 140;
    static constexpr int kUnitsWide = 700;
    static constexpr int kUnitsHigh = 100;
    static constexpr int kFingerCount = 10;

    // A finger is a capsule from its base (hidden in the hand) to its tip.
    struct Finger
    {
        QPointF base;
        QPointF tip;
        double width = 0;
    };

    // Numbered as in the keyboard files: 0 to 4 the left hand from little finger to
    // thumb, 5 to 9 the right hand from thumb to little finger.
    static const std::array<Finger, kFingerCount>& Fingers();

    static QPainterPath FingerPath(const Finger& finger);
    static QPainterPath NailPath(const Finger& finger);
    // The whole hand, fingers, thumb and back, as one outline; hand 0 left, 1 right.
    static QPainterPath HandPath(int hand);

    // The highlight outline of one finger in hand units: a closed run of points a
    // little inside the finger's edge, so the inverted line lies on the finger.
    static std::vector<QPoint> OutlineInUnits(int finger);
};
