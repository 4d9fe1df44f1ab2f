#pragma once

#include <string>
#include <vector>

// The program's user-visible texts by their string-table id.
// Text() gives the Windows-1250 bytes the logic works with, Utf8() the form for windows
// and terminals. An unknown id gives the empty string.
class StringTable
{
public:
    static const std::string& Text(int id);
    static const std::string& Utf8(int id);
    static bool Contains(int id);

    // Every id of the table, in ascending order.
    static std::vector<int> Ids();
};
