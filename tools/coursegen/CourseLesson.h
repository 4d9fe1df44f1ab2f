#pragma once

#include <string>
#include <vector>

// One lesson as it goes into a lesson file. Text is Windows-1250 bytes; every text line
// ends in the Enter character 0xA4.
struct CourseLesson
{
    std::string title;
    std::string newLetters;
    int testEntry = 0;
    double speedLimit = 60.0;
    double errorLimit = 3.0;
    std::vector<std::string> lines;
};

// A whole lesson file: the identity line and the lessons in order.
struct CourseText
{
    std::string identity;
    std::vector<CourseLesson> lessons;
};
