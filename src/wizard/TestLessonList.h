#pragma once

#include "wizard/TestLessonRow.h"

#include <string>
#include <vector>

class LessonCatalog;

// The lessons a qualification test may target, as the wizard lists them.
class TestLessonList
{
public:
    // One row per lesson marked as a test entry, in lesson order; a row's letters are
    // the new letters of every lesson up to it, test entry or not.
    static std::vector<TestLessonRow> Build(const LessonCatalog& catalog);

    // "%.2f" with '.' as the decimal point, whatever the locale.
    static std::string FormatLimit(double value);
};
