#pragma once

#include "exercise/RemarkTables.h"

#include <string>
#include <vector>

// The remark tables of the UTF-8 source as the program sees them: converted to
// Windows-1250 as the build installs them, then read and turned into remarks by the
// program's own RemarkTables. Texts of tables, steps and remarks are Windows-1250;
// Utf8() converts them for messages and the text checks.
class RemarkSource
{
public:
    // False when the file cannot be read; the lines are split at LF, a CR before it dropped.
    bool LoadFile(const std::string& path);
    void LoadLines(const std::vector<std::string>& utf8Lines);

    const RemarkTables& Program() const { return m_program; }
    const std::vector<RemarkTable>& Tables() const { return m_program.Tables(); }
    int GroupCount() const { return m_program.GroupCount(); }
    // The source lines in UTF-8.
    int LineCount() const { return static_cast<int>(m_lines.size()); }
    const std::vector<std::string>& Lines() const { return m_lines; }
    // The line of the source as the author wrote it (1-based, as tables and phrases count).
    const std::string& SourceLine(int line) const { return m_lines[static_cast<std::size_t>(line - 1)]; }

    // 0 when every line was read; otherwise the 1-based line at which reading stopped.
    int StopLine() const { return m_program.StopLine(); }
    std::string StopReason() const;

    // The program's remark for the input; random tables draw `randomValues` (0 to 98) in
    // order, 0 once they run out.
    std::string Generate(const RemarkInput& input, const std::vector<int>& randomValues,
                         std::vector<RemarkStep>* trace = nullptr) const;

    static std::string Utf8(const std::string& windows1250);
    static std::string Windows1250(const std::string& utf8);

private:
    std::vector<std::string> m_lines;
    RemarkTables m_program;
};
