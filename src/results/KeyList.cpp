#include "results/KeyList.h"

#include "resources/StringTable.h"
#include "results/ResultNumbers.h"

#include <algorithm>

namespace {

constexpr int kSpaceText = 142;
constexpr int kNothingText = 137;

} // namespace

std::string KeyList::KeyText(char c)
{
    return c == ' ' ? StringTable::Text(kSpaceText) : std::string(1, c);
}

KeyList KeyList::Fill(KeyListKind kind, const std::vector<KeyRow>& rows)
{
    const bool faults = kind == KeyListKind::Faults;
    KeyList list;
    for (const KeyRow& row : rows) {
        if (faults && row.faults <= 0)
            continue;
        KeyListLine line;
        line.image = faults ? row.faultIcon : row.speedIcon;
        line.columns.push_back(KeyText(row.character));
        if (faults) {
            line.columns.push_back(row.wrongCharacters);
            line.columns.push_back(std::to_string(row.faults));
        } else {
            line.columns.push_back(ResultNumbers::Fixed(row.meanInterval, 3));
        }
        line.columns.push_back(std::to_string(row.keystrokes));
        list.lines.push_back(std::move(line));
        if (list.lines.back().image > 2 && row.keystrokes > 10) {
            list.keysText += KeyText(row.character);
            list.keysText += ", ";
        }
    }
    std::reverse(list.lines.begin(), list.lines.end());
    if (list.lines.empty())
        list.lines.push_back(KeyListLine{kNothingImage, {StringTable::Text(kNothingText)}});
    if (list.keysText.size() >= 2)
        list.keysText.replace(list.keysText.size() - 2, 2, ".");
    return list;
}
