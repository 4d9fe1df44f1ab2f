#pragma once

#include "exercise/LineFileLimits.h"

#include <cstddef>
#include <string>
#include <vector>

// A data file as a list of text lines (Windows-1250 bytes, no terminators), stored on
// disk as packed blocks. Loading appends; saving replaces the file atomically.
class LineFile
{
public:
    LineFile() = default;

    // Appends the lines of the packed file at `path`. False when the file cannot be
    // opened, any block is damaged or the text, with the size of a std::string for each
    // line, exceeds `maxBytes`; the lines read before the fault stay.
    bool LoadLines(const std::string& path, std::size_t maxBytes = LineFileLimits::kDataFileBytes);

    // Loads a data file that names itself: its first line must occur in the file's own
    // path, so a copy under another name is refused. `identity` receives that line; the
    // read cursor stands after it.
    bool LoadIdentifiedLines(const std::string& path, std::string& identity);

    // Writes every line followed by CR LF. The previous file stays intact on failure.
    bool SaveLines(const std::string& path);
    // Why the last SaveLines failed, with the system's reason; empty after a success.
    const std::string& SaveError() const { return m_saveError; }

    // The line under the read cursor, advancing it; at the end, an empty string,
    // false, and the cursor back at the first line.
    bool NextLine(std::string& out);

    // The line with that index, or the empty string when there is none.
    std::string LineAt(int index) const;

    void AddLine(std::string text);
    void ClearLines();

    int LineCount() const { return static_cast<int>(m_lines.size()); }
    const std::vector<std::string>& Lines() const { return m_lines; }

    // Text after the last line end of a loaded file; no reader sees it.
    const std::string& CarryOver() const { return m_carryOver; }

private:
    std::vector<std::string> m_lines;
    int m_cursor = 0;
    std::string m_carryOver;
    std::string m_saveError;
};
