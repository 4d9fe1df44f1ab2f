#pragma once

// How `metronomeMode` and `metronomeBpm` drive a metronome: the timer period, the mode
// the settings page's two check boxes make, and how far the preview's tick line reaches.
class MetronomeRules
{
public:
    static constexpr int kGraphicBit = 1;
    static constexpr int kSoundBit = 2;

    // What the slider offers.
    static constexpr int kMinimumBpm = 20;
    static constexpr int kMaximumBpm = 350;
    static constexpr int kSliderTickInterval = 10;

    // A rate below 1 would stop the timer or divide by zero; it is raised to 1.
    static int RaisedBpm(int bpm);
    // The timer period in milliseconds for a rate (whole milliseconds, rounded down).
    static int PeriodMs(int bpm);

    static int Mode(bool graphicTick, bool soundTick);
    static bool HasGraphicTick(int mode) { return (mode & kGraphicBit) != 0; }
    static bool HasSoundTick(int mode) { return (mode & kSoundBit) != 0; }

    // The settings page's preview line, in page pixels: from (kLineLeft, kLineY) to
    // (LineRight(mode), kLineY); long for the graphic tick, a stub for the sound tick
    // alone, 0 (no line) when the metronome is off.
    static constexpr int kLineLeft = 30;
    static constexpr int kLineY = 220;
    static int LineRight(int mode);
    // How long the preview line stays before it is taken away again.
    static constexpr int kLineShownMs = 30;
};
