#pragma once

#include "keyboard/ViewLayout.h"

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

// The status strip at the top of the keyboard view: its picture, the clock and the
// speed and error-rate gauges. The painter must hold the view's font.
class StatusStripPainter
{
public:
    // Gauges run from 0 to this; 100 is the lesson's limit.
    static constexpr int kGaugeMaximum = 400;
    static constexpr int kSpeedLabelId = 173;
    static constexpr int kErrorLabelId = 172;

    // What the strip shows of the values: the clock's text and how far each gauge is
    // filled and in which colour. Equal values draw equal pixels.
    struct Shown
    {
        QString clock;
        int speedFill = -1;
        bool speedGood = false;
        int errorFill = -1;
        bool errorGood = false;
        bool operator==(const Shown&) const = default;
    };

    StatusStripPainter(QPainter& painter, const ViewLayout& layout);

    // The status picture stretched over the strip.
    void DrawBackground(const QImage* picture);

    // The clock and both gauges; `shown` learns what they show now.
    void DrawValues(int elapsedSeconds, int speedValue, int errorValue, Shown* shown = nullptr);
    // Only the clock and gauges whose pixels differ from `shown`, which is brought up to
    // date: most keystrokes move neither the clock nor a gauge by a pixel.
    void UpdateValues(int elapsedSeconds, int speedValue, int errorValue, Shown& shown);

    // A gauge in (x1, y1)-(x2, y2), right and bottom edge excluded; a speed gauge is good
    // above its limit mark, an error gauge below it.
    void DrawGauge(int x1, int y1, int x2, int y2, int value, bool speedGauge);

    // "%H:%M:%S", hours within the day.
    static QString ClockText(int elapsedSeconds);

    // Where the gauges lie.
    QRect SpeedGaugeRect() const;
    QRect ErrorGaugeRect() const;

    QRect Touched() const { return m_touched; }

private:
    QRect GaugeRect(int x1) const;
    Shown ShownFor(int elapsedSeconds, int speedValue, int errorValue) const;
    void DrawClock(const QString& clock);
    void DrawSpeedGauge(int value);
    void DrawErrorGauge(int value);
    // Where a gauge's fill ends, x1 <= end <= x2, and whether it is good.
    static int FillEnd(int x1, int x2, int value);
    static bool IsGood(int x1, int x2, int fillEnd, bool speedGauge);

    QPainter& m_painter;
    const ViewLayout& m_layout;
    QRect m_touched;
};
