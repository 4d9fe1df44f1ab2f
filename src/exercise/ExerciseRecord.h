#pragma once

#include "exercise/KeystrokeEntry.h"

#include <cstdint>
#include <string>
#include <vector>

// The exercise that runs or ran last: its lesson, user, limits and every accepted
// keystroke. One per session, owned by the application; the results dialog reads it and
// it is kept as a *.stat file.
class ExerciseRecord
{
public:
    // No keystrokes, lesson index -1, start time now.
    ExerciseRecord();

    // Removes all keystrokes and stores the header values of a new exercise.
    void BeginExercise(int lessonIndex, const std::string& userName, double errorRateLimit, int speedLimit,
                       const std::string& title, std::int32_t totalCharacters, std::int64_t startTime);

    void AddKeystroke(char expected, char typed, std::int32_t interval);

    // False when i is not the index of an entry; the outputs are then untouched.
    bool EntryAt(int i, std::int32_t& interval, char& expected, char& typed) const;

    int EntryCount() const { return static_cast<int>(m_keystrokes.size()); }
    const std::vector<KeystrokeEntry>& Keystrokes() const { return m_keystrokes; }
    const std::string& UserName() const { return m_userName; }
    double ErrorRateLimit() const { return m_errorRateLimit; }
    int SpeedLimit() const { return m_speedLimit; }
    std::int32_t TotalCharacters() const { return m_totalCharacters; }
    const std::string& Title() const { return m_title; }
    int LessonIndex() const { return m_lessonIndex; }
    // Seconds since 1970-01-01 00:00 UTC.
    std::int64_t StartTime() const { return m_startTime; }

    // Writes the statistics file; false when it cannot be written.
    bool SaveStatistics(const std::string& path) const;

    // Reads a statistics file. False when it cannot be read (the record is unchanged) or
    // when its first line is not the statistics magic (the keystrokes are gone, the header
    // stays). A damaged keystroke line ends the keystrokes without failing the load.
    bool LoadStatistics(const std::string& path);

private:
    std::vector<KeystrokeEntry> m_keystrokes;
    int m_lessonIndex = -1;
    std::string m_userName;
    double m_errorRateLimit = 0.0;
    int m_speedLimit = 0;
    std::int32_t m_totalCharacters = 0;
    std::string m_title;
    std::int64_t m_startTime = 0;
};
