#pragma once

#include "exercise/RemarkInput.h"
#include "exercise/RemarkTables.h"
#include "results/KeyList.h"
#include "results/KeyRow.h"
#include "results/ResultGraph.h"
#include "results/ResultScores.h"
#include "results/ValueTable.h"

#include <cstdint>
#include <string>
#include <vector>

class ExerciseRecord;

// Everything the results show of one exercise: the value table, the scores, the key
// rows and lists, the three graphs, the typed text and what the introduction needs.
// Computed once from an exercise record in one pass over its keystrokes.
struct ExerciseEvaluation
{
    // Header values of the record.
    int lessonIndex = -1;
    std::string userName;
    std::string title;
    std::int64_t startTime = 0;
    // 0 without a recorded exercise (negative lesson index).
    double speedLimitPerSecond = 0.0;
    double errorLimit = 0.0;

    ValueTable valueTable;
    ResultScores scores;
    // The expected character of every keystroke, in order.
    std::string typedText;
    // One row per character of the set that has keystrokes with a mean interval above
    // 0, in the set's order.
    std::vector<KeyRow> keyRows;
    // As first filled from the key rows; their keys texts go into the remark.
    KeyList faultsList;
    KeyList speedList;

    ResultGraph errorGraph;
    ResultGraph averageSpeedGraph;
    ResultGraph currentSpeedGraph;

    // `characters`: the keyboard's typeable characters; a key outside them is not counted.
    static ExerciseEvaluation Evaluate(const ExerciseRecord& record, const std::string& characters);

    // The values the remark generator picks by.
    RemarkInput RemarkValues() const;
    // The generated remark; the instruction to copy the text while less than 3 % was typed.
    std::string Remark(const RemarkTables& tables, const RemarkTables::RandomNumber& random) const;
    // The introduction page: date (local time), name, lesson and title, then the remark.
    std::string Introduction(const std::string& remark) const;

    // 0 (well below the limit) to 4 (12.5 times the limit or more); `faultRate` and
    // `errorLimit` in percent.
    static int FaultIcon(double faultRate, double errorLimit);
    // 0 (under 0.4 of the time per keystroke at the limit) to 4 (1.6 times or more);
    // 0 without a limit. Milliseconds.
    static int SpeedIcon(int meanInterval, int limitInterval);
};
