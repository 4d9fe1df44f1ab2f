#pragma once

#include "results/KeyListLine.h"
#include "results/KeyRow.h"

#include <string>
#include <vector>

// Which of the two key lists.
enum class KeyListKind
{
    // Keys with faults: key, wrong characters, faults, keystrokes.
    Faults,
    // Every key: key, mean interval, keystrokes.
    Speeds
};

// A key list's lines from the key rows, and the keys it names for the remark.
struct KeyList
{
    // The image of the line that says there is nothing to show.
    static constexpr int kNothingImage = 5;

    // Top to bottom. Every row goes in at the top, so the rows show in reverse order.
    std::vector<KeyListLine> lines;
    // Keys with a bad icon (above 2) and more than 10 keystrokes, "a, b." in row order;
    // empty when there are none.
    std::string keysText;

    static KeyList Fill(KeyListKind kind, const std::vector<KeyRow>& rows);
    // The key as shown: the character, or "Leerzeichen" for the blank.
    static std::string KeyText(char c);
    static int ColumnCount(KeyListKind kind) { return kind == KeyListKind::Faults ? 4 : 3; }
};
