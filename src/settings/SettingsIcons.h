#pragma once

#include <QPixmap>

class QPainter;
class QRectF;

// The settings pages' icons, drawn in code: the three cursor styles, the blinking cursor's
// two preview states, and the marks of the wave and speaker sounds. The numbers are the
// icons' resource ids.
class SettingsIcons
{
public:
    static constexpr int kWindowCursor = 153;
    static constexpr int kAxisCursor = 154;
    static constexpr int kArrowCursor = 155;
    static constexpr int kCursorShown = 156;
    static constexpr int kCursorHidden = 157;
    static constexpr int kWaveSound = 158;
    static constexpr int kSpeakerSound = 159;
    static constexpr int kSize = 32;

    // Draws an icon into `rect` (drawn for a kSize square and scaled); an unknown id
    // draws nothing.
    static void Paint(QPainter& painter, const QRectF& rect, int icon);
    // An icon of kSize x kSize device-independent pixels for a screen of `devicePixelRatio`,
    // transparent around the drawing.
    static QPixmap Image(int icon, qreal devicePixelRatio = 1.0);
};
