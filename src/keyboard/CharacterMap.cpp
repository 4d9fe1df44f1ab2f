#include "keyboard/CharacterMap.h"

#include "exercise/DataFields.h"
#include "exercise/LineFile.h"
#include "exercise/TypeableCharacters.h"
#include "resources/ProgramPaths.h"

namespace {

constexpr size_t kComposedNameLength = 4;
constexpr int kFirstRightFinger = 5;

} // namespace

CharacterMap::CharacterMap(KeyboardLayout& layout, TypeableCharacters& typeable)
    : m_layout(layout)
    , m_typeable(typeable)
{
    m_firstEntry.fill(-1);
}

std::string CharacterMap::ComposedFilePath(const std::string& keyboardName)
{
    if (keyboardName.size() <= 3 || !KeyboardLayout::IsPlainFileName(keyboardName))
        return {};
    return ProgramFilePath("config", keyboardName.substr(keyboardName.size() - kComposedNameLength) + ".odd");
}

bool CharacterMap::Find(char character, int& firstModifier, int& firstKey, int& secondModifier,
                        int& secondKey) const
{
    const int index = m_firstEntry[static_cast<unsigned char>(character)];
    if (index < 0)
        return false;
    const CharacterEntry& entry = m_entries[static_cast<size_t>(index)];
    firstModifier = entry.firstModifier;
    firstKey = entry.firstKey;
    secondModifier = entry.secondModifier;
    secondKey = entry.secondKey;
    return true;
}

void CharacterMap::Append(const CharacterEntry& entry, std::string& typeable)
{
    int& first = m_firstEntry[static_cast<unsigned char>(entry.character)];
    if (first < 0)
        first = static_cast<int>(m_entries.size());
    m_entries.push_back(entry);
    typeable += entry.character;
}

bool CharacterMap::LoadKeyboard(const std::string& name)
{
    m_layout.Load(name);
    m_entries.clear();
    m_firstEntry.fill(-1);
    std::string typeable;

    const auto& keys = m_layout.Keys();
    for (size_t i = 0; i < keys.size(); ++i) {
        const KeyboardKey& key = keys[i];
        const int index = static_cast<int>(i);
        if (key.name.size() == 1)
            Append({key.name[0], -1, index, -1, -1}, typeable);
        // Shift is held by the other hand; keys without a finger count as left-hand keys.
        if (key.shifted != 0) {
            const int shift = key.finger < kFirstRightFinger ? m_layout.RightShift() : m_layout.LeftShift();
            Append({key.shifted, shift, index, -1, -1}, typeable);
        }
        if (key.altgr != 0)
            Append({key.altgr, m_layout.RightAlt(), index, -1, -1}, typeable);
    }

    const bool ok = name.size() <= 3 || AppendComposed(name, typeable);
    m_typeable.Set(std::move(typeable));
    return ok;
}

bool CharacterMap::AppendComposed(const std::string& keyboardName, std::string& typeable)
{
    const std::string path = ComposedFilePath(keyboardName);
    LineFile file;
    std::string line;
    if (!file.LoadIdentifiedLines(path, line))
        return false;

    while (file.NextLine(line)) {
        if (line.find(':') == std::string::npos)
            continue;
        std::string fields[3];
        for (auto& field : fields)
            if (!DataFields::TakeField(line, field))
                return false;
        // A dead key and the key after it; strokes the keyboard lacks stay -1, and
        // earlier lines of this file count as keystrokes already.
        CharacterEntry entry;
        entry.character = DataFields::ToChar(fields[0]);
        int unused1 = -1;
        int unused2 = -1;
        Find(DataFields::ToChar(fields[1]), entry.firstModifier, entry.firstKey, unused1, unused2);
        Find(DataFields::ToChar(fields[2]), entry.secondModifier, entry.secondKey, unused1, unused2);
        Append(entry, typeable);
    }
    return true;
}
