#pragma once

#include "exercise/RemarkInput.h"
#include "exercise/RemarkStep.h"
#include "exercise/RemarkTable.h"

#include <functional>
#include <string>
#include <vector>

// The remark tables of config/textinfo.ddd and the remark they make of a result.
//
// The file is a series of tables: a header line starting with ':' (consecutive equal
// headers form a group), a mode line starting with '#', phrase lines, one empty line.
// A remark starts at the last table; every picked phrase leads on to a table of the
// group before, so a chain of phrases runs from the file's end back to its start.
class RemarkTables
{
public:
    // A random number from 0 to 32767, as the C library's rand gives.
    using RandomNumber = std::function<int()>;

    // Which value a table's mode picks its phrase by.
    enum class Value
    {
        Random,
        MeanOfSpeedAndError,
        Speed,
        Previous,
        Error,
        Rhythm,
        Completion
    };

    // Why reading stopped before the end of the file.
    enum class Stop
    {
        None,
        NotAHeader,
        NotAModeLine
    };

    // config/textinfo.ddd in the program folder.
    static std::string InstalledPath();

    // Reads a packed remark file. False when it cannot be read; there are no tables then.
    bool LoadFile(const std::string& path);
    bool LoadInstalled() { return LoadFile(InstalledPath()); }
    // Reads the tables from lines; a line out of place ends the reading, the tables
    // before it stay.
    void LoadLines(const std::vector<std::string>& lines);

    // The remark for a result; empty without tables. `random` is asked once per random
    // table. `trace`, when given, receives every table visited.
    std::string GenerateRemark(const RemarkInput& input, const RandomNumber& random,
                               std::vector<RemarkStep>* trace = nullptr) const;

    const std::vector<RemarkTable>& Tables() const { return m_tables; }
    int GroupCount() const { return m_groupCount; }
    // 1-based line at which reading stopped; 0 when every line was read.
    int StopLine() const { return m_stopLine; }
    Stop StopReason() const { return m_stop; }

    static Value ValueOf(int mode);
    // The phrase a value from 0 to 99 picks among `phraseCount`; -1 without phrases.
    static int PickIndex(int value, int phraseCount);
    // A random table's value, 0 to 98, from a random number of 0 to 32767.
    static int RandomValue(int randomNumber);
    // Appends phrase, blank and the mode's key list; false (nothing appended) when the
    // mode takes a key list and that list is empty.
    static bool AppendPhrase(std::string& remark, const std::string& phrase, int mode,
                             const RemarkInput& input, std::string* segment = nullptr);
    // A remark whose last or second-last character is '.' goes on in a new line.
    static void BreakAfterSentence(std::string& remark);

private:
    std::vector<RemarkTable> m_tables;
    int m_groupCount = 0;
    int m_stopLine = 0;
    Stop m_stop = Stop::None;
};
