#pragma once

#include <bitset>
#include <string>

// The characters the current keyboard can produce, in the order of its character map
// (duplicates included). The keyboard's character map writes it; the exercise and the
// text import read it. Empty at start: then nothing counts as typeable.
class TypeableCharacters
{
public:
    const std::string& Characters() const { return m_characters; }
    void Set(std::string characters);
    bool Contains(char c) const { return m_lookup[static_cast<unsigned char>(c)]; }

private:
    std::string m_characters;
    std::bitset<256> m_lookup;
};
