#include "CourseFile.h"

#include "resources/AtomicFileWriter.h"
#include "resources/TextCodec.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

std::string CourseFile::HeaderLine(const CourseLesson& lesson)
{
    std::string letters;
    for (char c : lesson.newLetters) {
        if (c != ':') {
            letters += c;
        }
    }
    char limits[64];
    std::snprintf(limits, sizeof limits, "%d:%.2f:%.2f:", lesson.testEntry, lesson.speedLimit,
                  lesson.errorLimit);
    return letters + ":" + limits;
}

std::string CourseFile::Format(const CourseText& course)
{
    std::string bytes = course.identity + "\n";
    for (size_t i = 0; i < course.lessons.size(); ++i) {
        const CourseLesson& lesson = course.lessons[i];
        if (i > 0) {
            bytes += "\n";
        }
        bytes += lesson.title + "\n" + HeaderLine(lesson) + "\n";
        for (const std::string& line : lesson.lines) {
            bytes += line + "\n";
        }
    }
    return TextCodec::ToUtf8(bytes);
}

bool CourseFile::Save(const std::string& path, const std::string& content, std::string& error)
{
    return AtomicFileWriter::WriteFile(path, content, &error);
}

bool CourseFile::Read(const std::string& path, std::string& content, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        error = "cannot read " + path;
        return false;
    }
    content = buffer.str();
    return true;
}
