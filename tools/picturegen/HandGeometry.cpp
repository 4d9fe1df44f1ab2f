#include "HandGeometry.h"

#include <QLineF>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace {

// Fingertips sit one key apart, index fingers three keys apart like on the home row.
constexpr double Centre = HandGeometry::PictureWidth / 2.0;
constexpr double KeyPitch = 58.0;
// How far the highlight runs inside the finger's edge, in picture pixels.
constexpr double OutlineInset = 7.0;
constexpr int TipSegments = 6;

HandGeometry::Finger Mirrored(const HandGeometry::Finger& finger)
{
    return {QPointF(HandGeometry::PictureWidth - finger.base.x(), finger.base.y()),
            QPointF(HandGeometry::PictureWidth - finger.tip.x(), finger.tip.y()), finger.width};
}

std::array<HandGeometry::Finger, HandGeometry::kFingerCount> BuildFingers()
{
    // Left hand, little finger to index finger: tip height, base height, width.
    struct Row
    {
        double tipY;
        double baseY;
        double width;
    };
    constexpr Row rows[4] = {{42, 116, 38}, {23, 112, 42}, {14, 110, 44}, {22, 112, 44}};
    const double handCentre = Centre - 3 * KeyPitch;
    std::array<HandGeometry::Finger, HandGeometry::kFingerCount> fingers{};
    for (int i = 0; i < 4; ++i) {
        const double tipX = Centre - 1.5 * KeyPitch - (3 - i) * KeyPitch;
        // The fingers fan out a little from the knuckles to the tips.
        const double baseX = handCentre + (tipX - handCentre) * 0.88;
        fingers[i] = {QPointF(baseX, rows[i].baseY), QPointF(tipX, rows[i].tipY), rows[i].width};
    }
    // The thumb comes up from below the picture and points toward the space bar.
    fingers[4] = {QPointF(602, 150), QPointF(686, 98), 42};
    for (int i = 0; i < 5; ++i) {
        fingers[9 - i] = Mirrored(fingers[i]);
    }
    return fingers;
}

QPointF Direction(const HandGeometry::Finger& finger)
{
    const QLineF axis(finger.base, finger.tip);
    return (finger.tip - finger.base) / axis.length();
}

QPointF Normal(const QPointF& direction)
{
    return QPointF(-direction.y(), direction.x());
}

QPainterPath Capsule(const QPointF& base, const QPointF& tip, double radius)
{
    const QPointF d = Direction({base, tip, 0});
    const QPointF n = Normal(d);
    const QPointF centre = tip - d * radius;
    QPainterPath path;
    path.moveTo(base + n * radius);
    path.lineTo(centre + n * radius);
    // Half circle over the tip, from one side to the other.
    const double start = std::atan2(n.y(), n.x());
    for (int s = 1; s <= 24; ++s) {
        const double a = start - std::numbers::pi * s / 24.0;
        path.lineTo(centre + QPointF(std::cos(a), std::sin(a)) * radius);
    }
    path.lineTo(base - n * radius);
    path.closeSubpath();
    return path;
}

QPainterPath PalmPath(int hand)
{
    const auto& f = HandGeometry::Fingers();
    // Built for the left hand and mirrored for the right.
    const HandGeometry::Finger& little = f[0];
    const HandGeometry::Finger& index = f[3];
    QPainterPath palm;
    palm.moveTo(little.base.x() - little.width / 2, little.base.y() - 8);
    palm.cubicTo(little.base.x() - little.width / 2 - 4, little.base.y() + 12,
                 little.base.x() - little.width / 2 - 12, 140, little.base.x() - little.width / 2 - 16, 160);
    palm.lineTo(index.base.x() + 44, 160);
    palm.lineTo(index.base.x() + index.width / 2 + 4, index.base.y() + 14);
    palm.lineTo(index.base.x() + index.width / 2, index.base.y() - 10);
    palm.closeSubpath();
    if (hand == 0) {
        return palm;
    }
    QTransform mirror;
    mirror.translate(HandGeometry::PictureWidth, 0);
    mirror.scale(-1, 1);
    return mirror.map(palm);
}

} // namespace

const std::array<HandGeometry::Finger, HandGeometry::kFingerCount>& HandGeometry::Fingers()
{
    static const auto fingers = BuildFingers();
    return fingers;
}

QPainterPath HandGeometry::FingerPath(const Finger& finger)
{
    return Capsule(finger.base, finger.tip, finger.width / 2);
}

QPainterPath HandGeometry::NailPath(const Finger& finger)
{
    const QPointF d = Direction(finger);
    const QPointF centre = finger.tip - d * (finger.width * 0.38);
    const double angle = std::atan2(d.y(), d.x()) * 180.0 / std::numbers::pi + 90.0;
    const double w = finger.width * 0.54;
    const double h = finger.width * 0.6;
    QPainterPath nail;
    nail.addRoundedRect(QRectF(-w / 2, -h / 2, w, h), w * 0.45, w * 0.45);
    QTransform place;
    place.translate(centre.x(), centre.y());
    place.rotate(angle);
    return place.map(nail);
}

QPainterPath HandGeometry::HandPath(int hand)
{
    QPainterPath path = PalmPath(hand);
    const int first = hand == 0 ? 0 : 5;
    for (int i = first; i < first + 5; ++i) {
        path = path.united(FingerPath(Fingers()[i]));
    }
    return path.simplified();
}

std::vector<QPoint> HandGeometry::OutlineInUnits(int finger)
{
    const Finger& f = Fingers().at(static_cast<std::size_t>(finger));
    const QPointF d = Direction(f);
    const QPointF n = Normal(d);
    const double radius = f.width / 2 - OutlineInset;
    const QPointF centre = f.tip - d * (f.width / 2);
    // The thumbs reach below the picture: their outline starts where the whole
    // width of the thumb is still inside it.
    constexpr double lowest = PictureHeight - OutlineInset;
    QPointF base = f.base;
    const double lowSide = radius * std::abs(n.y());
    if (base.y() + lowSide > lowest) {
        base += d * ((base.y() + lowSide - lowest) / -d.y());
    }
    std::vector<QPointF> points;
    points.push_back(base + n * radius);
    points.push_back(centre + n * radius);
    const double start = std::atan2(n.y(), n.x());
    for (int s = 1; s < TipSegments; ++s) {
        const double a = start - std::numbers::pi * s / TipSegments;
        points.push_back(centre + QPointF(std::cos(a), std::sin(a)) * radius);
    }
    points.push_back(centre - n * radius);
    points.push_back(base - n * radius);
    points.push_back(points.front());
    std::vector<QPoint> units;
    for (const QPointF& p : points) {
        units.emplace_back(static_cast<int>(std::lround(p.x() * kUnitsWide / PictureWidth)),
                           static_cast<int>(std::lround(p.y() * kUnitsHigh / PictureHeight)));
    }
    return units;
}
