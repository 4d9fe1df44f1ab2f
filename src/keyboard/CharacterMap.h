#pragma once

#include "keyboard/CharacterEntry.h"
#include "keyboard/KeyboardLayout.h"

#include <array>

class TypeableCharacters;
#include <string>
#include <vector>

// Which keystrokes type each character of a keyboard: first the one-stroke characters
// of every key (plain, with Shift, with AltGr), then the dead-key characters of the
// composed-character file. Writes the typeable characters it is given.
class CharacterMap
{
public:
    // Both must outlive the map.
    CharacterMap(KeyboardLayout& layout, TypeableCharacters& typeable);

    // Loads the keyboard into the layout (whatever keys it yields are used), rebuilds
    // the entries and TypeableCharacters. False when the keyboard has a
    // composed-character file that cannot be read, has the wrong first line or a line
    // that lacks a field; the entries built until then stay in use.
    bool LoadKeyboard(const std::string& name);

    // The strokes of the first entry for `character`. False, and the outputs untouched,
    // when the keyboard cannot type it; callers preset them to -1.
    bool Find(char character, int& firstModifier, int& firstKey, int& secondModifier, int& secondKey) const;

    const std::vector<CharacterEntry>& Entries() const { return m_entries; }
    const KeyboardLayout& Layout() const { return m_layout; }

    // config/<last four characters>.odd; empty for names of three characters or fewer,
    // which have no composed characters.
    static std::string ComposedFilePath(const std::string& keyboardName);

private:
    void Append(const CharacterEntry& entry, std::string& typeable);
    bool AppendComposed(const std::string& keyboardName, std::string& typeable);

    KeyboardLayout& m_layout;
    TypeableCharacters& m_typeable;
    std::vector<CharacterEntry> m_entries;
    // Index of the first entry of each byte, -1 for none: lookups stay constant-time
    // however long a composed-character file is.
    std::array<int, 256> m_firstEntry;
};
