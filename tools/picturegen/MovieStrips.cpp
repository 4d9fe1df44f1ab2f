#include "MovieStrips.h"

#include "Scribe.h"
#include "SetStyle.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr int Size = MovieStrips::kFrameSize;
constexpr int Block = 8;
constexpr double GroundY = 38;

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// From a joint, a limb of the given length at an angle from straight down;
// positive angles point forward (to the right).
QPointF Limb(const QPointF& from, double degrees, double length)
{
    return from + QPointF(std::sin(Radians(degrees)), std::cos(Radians(degrees))) * length;
}

QImage Frame(const std::function<void(QPainter&)>& draw)
{
    QImage image = Scribe::Canvas(Size, Size, Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    draw(painter);
    return image;
}

void Backdrop(QPainter& painter, const SetStyle& style)
{
    Scribe::VerticalGradient(painter, QRectF(0, 0, Size, GroundY), style.skyTop, style.skyBottom);
    if (style.night) {
        Scribe::Stars(painter, QRectF(2, 2, Size - 4, 24), 5, 1.5, QColor(190, 196, 150), 3, false);
        painter.setPen(Qt::NoPen);
        QPainterPath moon;
        moon.addEllipse(QPointF(41, 9), 5, 5);
        QPainterPath bite;
        bite.addEllipse(QPointF(43.5, 7.5), 4.5, 4.5);
        painter.setBrush(QColor(232, 222, 170));
        painter.drawPath(moon.subtracted(bite));
    }
    painter.fillRect(QRectF(0, GroundY, Size, Size - GroundY), style.ground);
    painter.fillRect(QRectF(0, GroundY, Size, 1.5), style.groundLine);
}

// Small tufts on the ground; moving them makes the figure walk without leaving the frame.
void GroundMarks(QPainter& painter, const SetStyle& style, double shift, double period)
{
    painter.setPen(QPen(style.groundLine, 1.5, Qt::SolidLine, Qt::RoundCap));
    for (double x = -shift; x < Size + period; x += period) {
        painter.drawLine(QPointF(x, 44), QPointF(x + 5, 44));
        painter.drawLine(QPointF(x + period / 2, 47.5), QPointF(x + period / 2 + 3, 47.5));
    }
}

void Snail(QPainter& painter, double x, bool stretched)
{
    const double length = stretched ? 25 : 20;
    painter.setPen(QPen(QColor(132, 112, 88), 1.2));
    painter.setBrush(QColor(196, 176, 140));
    QPainterPath foot;
    foot.moveTo(x, GroundY);
    foot.quadTo(x + 2, GroundY - 5, x + length * 0.5, GroundY - 5);
    foot.lineTo(x + length - 3, GroundY - 6);
    foot.quadTo(x + length + 2, GroundY - 6, x + length + 1, GroundY);
    foot.closeSubpath();
    painter.drawPath(foot);
    // Feelers with little eyes.
    const QPointF head(x + length - 1, GroundY - 5);
    painter.setPen(QPen(QColor(132, 112, 88), 1.3, Qt::SolidLine, Qt::RoundCap));
    const QPointF eye1 = head + QPointF(stretched ? 3.5 : 2, -8);
    const QPointF eye2 = head + QPointF(stretched ? 6 : 4.5, -6.5);
    painter.drawLine(head, eye1);
    painter.drawLine(head, eye2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 48, 40));
    painter.drawEllipse(eye1, 1.3, 1.3);
    painter.drawEllipse(eye2, 1.3, 1.3);
    // The shell with its spiral.
    const QPointF shell(x + (stretched ? 10 : 9), GroundY - 11);
    painter.setPen(QPen(QColor(128, 78, 44), 1.4));
    painter.setBrush(QColor(206, 142, 78));
    painter.drawEllipse(shell, 9, 8.5);
    QPainterPath spiral;
    for (int s = 0; s <= 40; ++s) {
        const double a = s * 0.42;
        const double r = 7.5 - s * 0.17;
        const QPointF p = shell + QPointF(std::cos(a) * r, std::sin(a) * r * 0.95);
        if (s == 0) {
            spiral.moveTo(p);
        } else {
            spiral.lineTo(p);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(spiral);
}

void Flower(QPainter& painter)
{
    painter.setPen(QPen(QColor(92, 132, 80), 1.4));
    painter.drawLine(QPointF(45, GroundY), QPointF(45, 28));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(222, 120, 132));
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * std::numbers::pi / 5;
        painter.drawEllipse(QPointF(45 + std::cos(a) * 2.6, 26 + std::sin(a) * 2.6), 1.9, 1.9);
    }
    painter.setBrush(QColor(236, 196, 80));
    painter.drawEllipse(QPointF(45, 26), 1.5, 1.5);
}

struct Pose
{
    QPointF hip;
    QPointF shoulder;
    QPointF head;
    double thigh[2];
    double shin[2];
    double upperArm[2];
    double forearm[2];
};

void Figure(QPainter& painter, const SetStyle& style, const Pose& pose)
{
    // The far limbs a shade lighter, so the legs read as two.
    QColor far = style.figure;
    far = style.night ? far.darker(140) : far.lighter(160);
    for (int side = 0; side < 2; ++side) {
        painter.setPen(QPen(side == 0 ? far : style.figure, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF knee = Limb(pose.hip, pose.thigh[side], 6.5);
        const QPointF foot = Limb(knee, pose.shin[side], 6.5);
        painter.drawPolyline(QList<QPointF>{pose.hip, knee, foot});
        const QPointF elbow = Limb(pose.shoulder, pose.upperArm[side], 5);
        const QPointF hand = Limb(elbow, pose.forearm[side], 4.5);
        painter.drawPolyline(QList<QPointF>{pose.shoulder, elbow, hand});
        if (side == 0) {
            painter.setPen(QPen(style.figure, 3.4, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(pose.hip, pose.shoulder);
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.figure);
    painter.drawEllipse(pose.head, 4.3, 4.3);
}

QImage WalkerFrame(const SetStyle& style, int phase)
{
    static constexpr double thighs[4] = {24, 2, -24, -12};
    static constexpr double shins[4] = {12, -6, -34, -42};
    return Frame([&](QPainter& painter) {
        Backdrop(painter, style);
        GroundMarks(painter, style, phase * 3.0, 12);
        const double lift = (phase % 2 == 1) ? 0.8 : 0;
        Pose pose{};
        pose.hip = QPointF(25, 24.5 - lift);
        pose.shoulder = QPointF(25.5, 14.5 - lift);
        pose.head = QPointF(26, 9 - lift);
        const int other = (phase + 2) % 4;
        pose.thigh[0] = thighs[other];
        pose.shin[0] = shins[other];
        pose.thigh[1] = thighs[phase];
        pose.shin[1] = shins[phase];
        for (int side = 0; side < 2; ++side) {
            pose.upperArm[side] = -pose.thigh[side] * 0.8;
            pose.forearm[side] = pose.upperArm[side] + 18;
        }
        Figure(painter, style, pose);
    });
}

QImage RunnerFrame(const SetStyle& style, int phase)
{
    return Frame([&](QPainter& painter) {
        Backdrop(painter, style);
        GroundMarks(painter, style, phase * 5.0, 25);
        // Speed lines behind the runner.
        QColor line = style.figure;
        line.setAlpha(120);
        painter.setPen(QPen(line, 1.4, Qt::SolidLine, Qt::RoundCap));
        const double offset = (phase % 2) * 2.0;
        painter.drawLine(QPointF(4 + offset, 14), QPointF(13 + offset, 14));
        painter.drawLine(QPointF(2 + offset, 20), QPointF(12 + offset, 20));
        painter.drawLine(QPointF(5 + offset, 26), QPointF(13 + offset, 26));
        const double theta = 2 * std::numbers::pi * phase / 5;
        const double bob = -1.6 * std::abs(std::cos(theta));
        Pose pose{};
        pose.hip = QPointF(24, 24 + bob);
        pose.shoulder = Limb(pose.hip, 180 - 18, 10.5);
        pose.head = Limb(pose.shoulder, 180 - 18, 5.5);
        for (int side = 0; side < 2; ++side) {
            const double s = std::sin(theta + side * std::numbers::pi);
            pose.thigh[side] = 44 * s;
            pose.shin[side] = pose.thigh[side] - 18 - 52 * (1 - s) / 2;
            pose.upperArm[side] = -36 * s;
            pose.forearm[side] = pose.upperArm[side] + 95;
        }
        Figure(painter, style, pose);
    });
}

void LaunchPad(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 124, 134));
    painter.drawRect(QRectF(16, GroundY - 2, 18, 2));
    painter.setPen(QPen(QColor(132, 110, 96), 1.2));
    painter.drawLine(QPointF(12, GroundY - 2), QPointF(12, GroundY - 18));
    painter.drawLine(QPointF(12, GroundY - 10), QPointF(16, GroundY - 10));
}

void Puff(QPainter& painter, const SetStyle& style, const QPointF& centre, double radius, int alpha)
{
    QColor colour = style.smoke;
    colour.setAlpha(alpha);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
}

void Rocket(QPainter& painter, double bottom, double flame)
{
    const double x = 25;
    if (flame > 0) {
        painter.setPen(Qt::NoPen);
        QPainterPath outer;
        outer.moveTo(x - 3.5, bottom);
        outer.quadTo(x - 2, bottom + flame * 0.6, x, bottom + flame);
        outer.quadTo(x + 2, bottom + flame * 0.6, x + 3.5, bottom);
        outer.closeSubpath();
        painter.setBrush(QColor(238, 136, 56));
        painter.drawPath(outer);
        QPainterPath inner;
        inner.moveTo(x - 1.8, bottom);
        inner.quadTo(x, bottom + flame * 0.7, x + 1.8, bottom);
        inner.closeSubpath();
        painter.setBrush(QColor(246, 212, 96));
        painter.drawPath(inner);
    }
    painter.setPen(QPen(QColor(96, 100, 116), 1.1));
    painter.setBrush(QColor(196, 56, 52));
    QPainterPath fins;
    fins.moveTo(x - 4, bottom - 8);
    fins.lineTo(x - 8, bottom);
    fins.lineTo(x - 4, bottom);
    fins.moveTo(x + 4, bottom - 8);
    fins.lineTo(x + 8, bottom);
    fins.lineTo(x + 4, bottom);
    painter.drawPath(fins);
    painter.setBrush(QColor(212, 216, 226));
    QPainterPath body;
    body.moveTo(x - 4, bottom);
    body.lineTo(x - 4, bottom - 14);
    body.quadTo(x - 4, bottom - 20, x, bottom - 23);
    body.quadTo(x + 4, bottom - 20, x + 4, bottom - 14);
    body.lineTo(x + 4, bottom);
    body.closeSubpath();
    painter.drawPath(body);
    painter.setBrush(QColor(196, 56, 52));
    QPainterPath nose;
    nose.moveTo(x - 3.2, bottom - 17.5);
    nose.quadTo(x, bottom - 19.5, x + 3.2, bottom - 17.5);
    nose.quadTo(x + 2, bottom - 21, x, bottom - 23);
    nose.quadTo(x - 2, bottom - 21, x - 3.2, bottom - 17.5);
    painter.drawPath(nose);
    painter.setBrush(QColor(86, 146, 200));
    painter.drawEllipse(QPointF(x, bottom - 11), 1.9, 1.9);
}

QImage RocketFrame(const SetStyle& style, int frame)
{
    return Frame([&](QPainter& painter) {
        Backdrop(painter, style);
        LaunchPad(painter);
        if (frame == 0) {
            // The rocket has gone: only its trail is left, thinning out upward.
            for (int i = 0; i < 8; ++i) {
                const double y = GroundY - 3 - i * 4.6;
                Puff(painter, style, QPointF(25 + ((i % 2) ? 1.2 : -1.2), y), 4.2 - i * 0.35, 200 - i * 18);
            }
            return;
        }
        static constexpr double bottoms[5] = {0, 36, 28, 17, 5};
        static constexpr double flames[5] = {0, 3, 8, 10, 11};
        const double bottom = bottoms[frame];
        if (frame <= 2) {
            Puff(painter, style, QPointF(19, GroundY - 3), 3.5 + frame, 210);
            Puff(painter, style, QPointF(31, GroundY - 3), 3 + frame, 210);
        } else {
            for (double y = GroundY - 3; y > bottom + flames[frame]; y -= 4.6) {
                Puff(painter, style, QPointF(25, y), 3.2, 170);
            }
        }
        Rocket(painter, bottom, flames[frame]);
    });
}

QImage FaceFrame(const SetStyle& style, int mood, bool second)
{
    static const QColor faces[4] = {QColor(248, 206, 86), QColor(238, 208, 116), QColor(238, 176, 98),
                                    QColor(214, 136, 120)};
    const QColor features(72, 48, 40);
    return Frame([&](QPainter& painter) {
        painter.fillRect(QRectF(0, 0, Size, Size), style.faceBackdrop);
        const QPointF centre(25, 26);
        painter.setPen(QPen(faces[mood].darker(150), 1.6));
        painter.setBrush(faces[mood]);
        painter.drawEllipse(centre, 18, 18);

        painter.setPen(QPen(features, 2, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        const QPointF leftEye(19, 21);
        const QPointF rightEye(31, 21);
        auto dot = [&](const QPointF& at) {
            painter.save();
            painter.setPen(Qt::NoPen);
            painter.setBrush(features);
            painter.drawEllipse(at, 2.3, 2.6);
            painter.restore();
        };
        auto closed = [&](const QPointF& at) {
            QPainterPath lid;
            lid.moveTo(at + QPointF(-3, 0));
            lid.quadTo(at + QPointF(0, 2.5), at + QPointF(3, 0));
            painter.drawPath(lid);
        };
        QPainterPath mouth;
        switch (mood) {
        case 0:
            dot(leftEye);
            second ? closed(rightEye) : dot(rightEye);
            mouth.moveTo(15.5, 29);
            mouth.quadTo(25, 45, 34.5, 29);
            mouth.closeSubpath();
            painter.setBrush(QColor(150, 62, 52));
            painter.drawPath(mouth);
            if (second) {
                painter.save();
                painter.translate(41.5, 8.5);
                painter.setPen(Qt::NoPen);
                painter.setBrush(QColor(232, 170, 40));
                QPainterPath sparkle;
                sparkle.moveTo(0, -6);
                sparkle.quadTo(0, 0, 6, 0);
                sparkle.quadTo(0, 0, 0, 6);
                sparkle.quadTo(0, 0, -6, 0);
                sparkle.quadTo(0, 0, 0, -6);
                painter.drawPath(sparkle);
                painter.restore();
            }
            break;
        case 1:
            if (second) {
                closed(leftEye);
                closed(rightEye);
            } else {
                dot(leftEye);
                dot(rightEye);
            }
            mouth.moveTo(17, 30);
            mouth.quadTo(25, 38, 33, 30);
            painter.drawPath(mouth);
            break;
        case 2: {
            painter.save();
            painter.setPen(QPen(features, 1));
            painter.setBrush(QColor(246, 244, 236));
            painter.drawEllipse(leftEye, 3.6, 3.6);
            painter.drawEllipse(rightEye, 3.6, 3.6);
            painter.restore();
            const QPointF look(second ? 1.5 : -1.5, 0.3);
            painter.save();
            painter.setPen(Qt::NoPen);
            painter.setBrush(features);
            painter.drawEllipse(leftEye + look, 1.7, 1.7);
            painter.drawEllipse(rightEye + look, 1.7, 1.7);
            painter.restore();
            painter.drawLine(QPointF(15, 14), QPointF(21, 13));
            painter.drawLine(QPointF(29, 13), QPointF(35, 14));
            mouth.moveTo(18, 34);
            mouth.quadTo(21.5, 31.5, 25, 34);
            mouth.quadTo(28.5, 36.5, 32, 34);
            painter.drawPath(mouth);
            if (second) {
                QPainterPath drop;
                drop.moveTo(40, 9);
                drop.quadTo(44.5, 16, 40, 17);
                drop.quadTo(35.5, 16, 40, 9);
                painter.setPen(QPen(QColor(70, 120, 170), 1));
                painter.setBrush(QColor(120, 176, 228));
                painter.drawPath(drop);
            }
            break;
        }
        default:
            dot(leftEye + QPointF(0, 1));
            dot(rightEye + QPointF(0, 1));
            painter.drawLine(QPointF(15, 17), QPointF(21, 14.5));
            painter.drawLine(QPointF(29, 14.5), QPointF(35, 17));
            mouth.moveTo(17, 36);
            mouth.quadTo(25, 28, 33, 36);
            painter.drawPath(mouth);
            if (second) {
                QPainterPath tear;
                tear.moveTo(18, 25);
                tear.quadTo(21.5, 31, 18, 32);
                tear.quadTo(14.5, 31, 18, 25);
                painter.setPen(QPen(QColor(70, 120, 170), 1));
                painter.setBrush(QColor(120, 176, 228));
                painter.drawPath(tear);
            }
            break;
        }
    });
}

} // namespace

QImage MovieStrips::PlainStrip(const std::vector<QImage>& frames)
{
    QImage strip(static_cast<int>(frames.size()) * Size, Size, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (std::size_t f = 0; f < frames.size(); ++f) {
        painter.drawImage(static_cast<int>(f) * Size, 0, frames[f]);
    }
    return strip;
}

QImage MovieStrips::KeyedStrip(const std::vector<QImage>& frames)
{
    QImage strip = PlainStrip(frames);
    const QRgb white = qRgb(255, 255, 255);
    for (int by = 0; by < strip.height(); by += Block) {
        for (int bx = 0; bx < strip.width(); bx += Block) {
            bool transparent = true;
            for (int y = by; y < std::min(by + Block, strip.height()) && transparent; ++y) {
                for (int x = bx; x < std::min(bx + Block, strip.width()) && transparent; ++x) {
                    const int f = x / Size;
                    transparent = f > 0 && frames[static_cast<std::size_t>(f)].pixel(x % Size, y) ==
                                               frames[0].pixel(x % Size, y);
                }
            }
            if (transparent) {
                for (int y = by; y < std::min(by + Block, strip.height()); ++y) {
                    for (int x = bx; x < std::min(bx + Block, strip.width()); ++x) {
                        strip.setPixel(x, y, white);
                    }
                }
            }
        }
    }
    return strip;
}

std::array<QImage, MovieStrips::StripCount> MovieStrips::Build(const SetStyle& style)
{
    std::array<QImage, StripCount> strips;

    // Movie1, below three quarters of the speed: a snail creeping toward a flower.
    std::vector<QImage> snail;
    snail.push_back(Frame([&](QPainter& painter) {
        Backdrop(painter, style);
        Flower(painter);
    }));
    for (int f = 1; f <= 4; ++f) {
        snail.push_back(Frame([&](QPainter& painter) {
            Backdrop(painter, style);
            Flower(painter);
            Snail(painter, 3 + (f - 1) * 2.5, f % 2 == 0);
        }));
    }
    strips[0] = KeyedStrip(snail);

    std::vector<QImage> walker;
    for (int f = 0; f < 4; ++f) {
        walker.push_back(WalkerFrame(style, f));
    }
    strips[1] = PlainStrip(walker);

    std::vector<QImage> runner;
    for (int f = 0; f < 5; ++f) {
        runner.push_back(RunnerFrame(style, f));
    }
    strips[2] = PlainStrip(runner);

    std::vector<QImage> rocket;
    for (int f = 0; f < 5; ++f) {
        rocket.push_back(RocketFrame(style, f));
    }
    strips[3] = KeyedStrip(rocket);

    for (int mood = 0; mood < 4; ++mood) {
        strips[4 + mood] = PlainStrip({FaceFrame(style, mood, false), FaceFrame(style, mood, true)});
    }
    return strips;
}
