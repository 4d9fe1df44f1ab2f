#pragma once

// The four values the remark is chosen by.
struct ResultScores
{
    // 0 fast .. 99 slow; 49 at the speed limit.
    int speedScore = 0;
    // 0 without errors .. 99; 50 at the error limit.
    int errorScore = 0;
    // Standard deviation of the keystroke intervals in percent of their mean, at most 99.
    int rhythmScore = 0;
    // Percent of the lesson's characters typed.
    int percentTyped = 0;

    // From the speed in keystrokes per minute and its limit; 0 without a limit.
    static int SpeedScore(double perMinute, int speedLimit);
    // From the error rate and its limit, both percent; 0 without a limit.
    static int ErrorScore(double errorRate, double errorLimit);
};
