#pragma once

#include <bitset>
#include <string>

// The characters the current keyboard can produce, in the order of its character map
// (duplicates included). Process-wide; only the keyboard's character map writes it.
// Empty at start: then nothing counts as typeable.
class TypeableCharacters
{
public:
    static const std::string& Characters();
    static void Set(std::string characters);
    static bool Contains(char c) { return Lookup()[static_cast<unsigned char>(c)]; }

private:
    static std::bitset<256>& Lookup();
};
