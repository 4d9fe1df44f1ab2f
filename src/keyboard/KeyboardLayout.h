#pragma once

#include "keyboard/KeyboardKey.h"

#include <string>
#include <vector>

// The keys of one keyboard, read from config/<name>.kdd. A key is referred to
// everywhere by its index in file order.
class KeyboardLayout
{
public:
    // Replaces keys and modifier indices with those of the named keyboard. False when
    // the file cannot be read, its first line does not occur in its own path, or a key
    // line lacks a field; the keys read before the fault stay.
    bool Load(const std::string& name);

    // Copies key `index` to `out`; false (and `out` untouched) when there is none.
    bool GetKey(int index, KeyboardKey& out) const;
    // The key's finger, or -1 when there is no such key.
    int FingerOf(int index) const;

    // Key indices of the modifiers, -1 when the keyboard has none.
    int LeftShift() const { return m_leftShift; }
    int RightShift() const { return m_rightShift; }
    int LeftAlt() const { return m_leftAlt; }
    int RightAlt() const { return m_rightAlt; }

    const std::string& Name() const { return m_name; }
    int KeyCount() const { return static_cast<int>(m_keys.size()); }
    const std::vector<KeyboardKey>& Keys() const { return m_keys; }

    // config/<name>.kdd of the program folder; empty for a name that is no plain file
    // name, so that a keyboard name cannot reach outside the config folder.
    static std::string FilePath(const std::string& name);
    static bool IsPlainFileName(const std::string& name);

private:
    std::string m_name;
    std::vector<KeyboardKey> m_keys;
    int m_leftShift = -1;
    int m_rightShift = -1;
    int m_leftAlt = -1;
    int m_rightAlt = -1;
};
