#pragma once

#include "CourseLesson.h"

#include <string>

// The UTF-8 source form of a lesson file, as the data build converts and packs it.
class CourseFile
{
public:
    // Identity line, then per lesson title, header and text lines; one empty line
    // between lessons and none after the last, because the program would read a
    // trailing empty line as the start of one more (empty) lesson.
    static std::string Format(const CourseText& course);

    // The header line: NewLetters, TestEntry, SpeedLimit, ErrorLimit, each closed by ':'.
    // A colon cannot stand inside a field, so it is left out of NewLetters.
    static std::string HeaderLine(const CourseLesson& lesson);

    // Writes through a temporary file beside the target. False with a message on failure.
    static bool Save(const std::string& path, const std::string& content, std::string& error);

    static bool Read(const std::string& path, std::string& content, std::string& error);
};
