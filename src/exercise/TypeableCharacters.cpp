#include "exercise/TypeableCharacters.h"

namespace {

std::string& Storage()
{
    static std::string characters;
    return characters;
}

} // namespace

std::bitset<256>& TypeableCharacters::Lookup()
{
    static std::bitset<256> lookup;
    return lookup;
}

const std::string& TypeableCharacters::Characters()
{
    return Storage();
}

void TypeableCharacters::Set(std::string characters)
{
    Storage() = std::move(characters);
    auto& lookup = Lookup();
    lookup.reset();
    for (char c : Storage())
        lookup.set(static_cast<unsigned char>(c));
}
