#pragma once

#include "exercise/RemarkTable.h"

#include <string>
#include <vector>

// Rules for the German texts of the remark tables: what the program cannot show as
// written (placeholders, characters outside Windows-1250) and what reads badly
// (punctuation, spacing, informal address, the polite form in small letters).
class RemarkTextCheck
{
public:
    // Problems of one phrase line of `table`; empty when it is fine.
    static std::vector<std::string> PhraseProblems(const RemarkTable& table, const std::string& text);

    // Problems of a generated remark, line by line.
    static std::vector<std::string> RemarkProblems(const std::string& remark);

    // True when the text survives the conversion to the installed file's Windows-1250.
    static bool FitsWindows1250(const std::string& utf8);

    // Characters the generator would show literally although they look like a slot to fill.
    static constexpr const char* kPlaceholderMarks = "%{}<>$[]|\\";
};
