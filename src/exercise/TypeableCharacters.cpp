#include "exercise/TypeableCharacters.h"

void TypeableCharacters::Set(std::string characters)
{
    m_characters = std::move(characters);
    m_lookup.reset();
    for (char c : m_characters)
        m_lookup.set(static_cast<unsigned char>(c));
}
