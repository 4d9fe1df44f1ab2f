#pragma once

#include "keyboard/KeyboardListEntry.h"

#include <functional>
#include <string>
#include <vector>

// The keyboards the program knows by display name (config/keyboards.txt, plain
// Windows-1250 text), and which of them can be offered on this machine.
class KeyboardList
{
public:
    // Replaces the entries with those of config/keyboards.txt. False when the file
    // cannot be opened.
    bool Load();
    // The same from any file. Lines starting with ';' are remarks; every other line,
    // an empty one too, is an entry of two colon-closed fields, missing ones empty.
    bool LoadFrom(const std::string& path);

    const std::vector<KeyboardListEntry>& Entries() const { return m_entries; }

    // The names of the keyboard files in the config folder: each *.kdd file name up to
    // its first '.', folders skipped, sorted so that the order is the same everywhere.
    static std::vector<std::string> KeyboardFileNames();

    // Indices of the entries to offer: for each name in order that `isAvailable`
    // accepts (asked for every name, since asking may switch the system's layout) or
    // that is the keypad "NUM", every entry of that keyboard name in list order.
    std::vector<int> Offered(const std::vector<std::string>& names,
                             const std::function<bool(const std::string&)>& isAvailable) const;

private:
    std::vector<KeyboardListEntry> m_entries;
};
