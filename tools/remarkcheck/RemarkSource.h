#pragma once

#include "RemarkInput.h"
#include "RemarkTable.h"

#include <string>
#include <vector>

// The remark tables read from their UTF-8 source exactly as the program reads the
// installed file: the same little state machine, the same groups and links, and the
// same way of turning the six values into a remark. The checker and its walk rely on
// this being a faithful copy of the program's rules.
class RemarkSource
{
public:
    // One table visited while a remark is generated.
    struct Step
    {
        int table = -1;
        int phrase = -1; // -1 when the table has no phrases
        int value = 0;   // the value that picked the phrase, after the cap at 99
        bool appended = false;
        std::string segment; // what this step added: phrase, blank, key list
    };

    // False when the file cannot be read; the lines are split at LF, a CR before it dropped.
    bool LoadFile(const std::string& path);
    void LoadLines(const std::vector<std::string>& lines);

    const std::vector<RemarkTable>& Tables() const { return m_tables; }
    int GroupCount() const { return m_groupCount; }
    int LineCount() const { return static_cast<int>(m_lines.size()); }
    const std::vector<std::string>& Lines() const { return m_lines; }

    // 0 when every line was read; otherwise the 1-based line at which reading stopped.
    int StopLine() const { return m_stopLine; }
    const std::string& StopReason() const { return m_stopReason; }

    // The remark for the input. Random tables take their values from `randomValues`
    // in order (0 to 98 each; 0 once they run out). At most `stepLimit` tables are
    // visited; `ended` tells whether the chain ended by itself.
    std::string Generate(const RemarkInput& input, const std::vector<int>& randomValues,
                         std::vector<Step>* trace, bool* ended, int stepLimit) const;

    // Phrase index for a value (already capped at 99) in a table of `phraseCount` phrases.
    static int PickIndex(int value, int phraseCount);
    // Modes 3 and above 8 reuse the value of the previous table.
    static bool UsesPreviousValue(int mode) { return mode == 3 || mode > 8; }
    static bool IsRandom(int mode) { return mode <= 0; }
    // Appends one step's text to the remark as the program does; false when the mode
    // takes a key list and that list is empty (nothing is appended then).
    static bool AppendPhrase(std::string& remark, const std::string& phrase, int mode,
                             const RemarkInput& input, std::string* segment);

    // A remark whose last or second-last character is '.' goes on in a new line.
    static void BreakAfterSentence(std::string& remark);

private:
    std::vector<std::string> m_lines;
    std::vector<RemarkTable> m_tables;
    int m_groupCount = 0;
    int m_stopLine = 0;
    std::string m_stopReason;
};
