#include "keyboard/KeyboardLayout.h"

#include "exercise/DataFields.h"
#include "exercise/LineFile.h"
#include "resources/ProgramPaths.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int kFirstRightFinger = 5;

bool EqualsIgnoringCase(const std::string& text, const char* word)
{
    const std::string other(word);
    return std::equal(text.begin(), text.end(), other.begin(), other.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

// Reads top, left, size, name, shifted, altgr and finger; false when a field is missing.
bool ParseKey(std::string line, KeyboardKey& key)
{
    std::string fields[7];
    for (auto& field : fields)
        if (!DataFields::TakeField(line, field))
            return false;
    key.top = DataFields::ToInt(fields[0]);
    key.left = DataFields::ToInt(fields[1]);
    key.size = DataFields::ToInt(fields[2]);
    key.name = std::move(fields[3]);
    // A colon cannot stand inside a field; in the Shift column a tilde stands for it.
    key.shifted = DataFields::ToChar(fields[4]);
    if (key.shifted == '~')
        key.shifted = ':';
    key.altgr = DataFields::ToChar(fields[5]);
    key.finger = DataFields::ToInt(fields[6]);
    return true;
}

} // namespace

bool KeyboardLayout::IsPlainFileName(const std::string& name)
{
    return IsSafeFileName(name);
}

std::string KeyboardLayout::FilePath(const std::string& name)
{
    if (!IsPlainFileName(name))
        return {};
    return ProgramFilePath("config", name + ".kdd");
}

bool KeyboardLayout::Load(const std::string& name)
{
    m_leftShift = m_rightShift = m_leftAlt = m_rightAlt = -1;
    m_name = name;
    m_keys.clear();

    const std::string path = FilePath(name);
    LineFile file;
    // The first line names the keyboard; a file copied under another name is refused.
    std::string line;
    if (!file.LoadIdentifiedLines(path, line))
        return false;

    while (file.NextLine(line)) {
        if (line.find(':') == std::string::npos)
            continue;
        KeyboardKey key;
        if (!ParseKey(line, key))
            return false;
        const int index = KeyCount();
        const bool rightHand = key.finger >= kFirstRightFinger;
        if (EqualsIgnoringCase(key.name, "Shift"))
            (rightHand ? m_rightShift : m_leftShift) = index;
        else if (EqualsIgnoringCase(key.name, "Alt"))
            (rightHand ? m_rightAlt : m_leftAlt) = index;
        m_keys.push_back(std::move(key));
    }
    return true;
}

bool KeyboardLayout::GetKey(int index, KeyboardKey& out) const
{
    if (index < 0 || index >= KeyCount())
        return false;
    out = m_keys[static_cast<size_t>(index)];
    return true;
}

int KeyboardLayout::FingerOf(int index) const
{
    if (index < 0 || index >= KeyCount())
        return -1;
    return m_keys[static_cast<size_t>(index)].finger;
}
