#include "results/KeySortState.h"

#include <algorithm>

int KeySortState::SortCode(KeyListKind kind, int column)
{
    static constexpr int faults[] = {0, 2, 3, 4};
    static constexpr int speeds[] = {0, 1, 4};
    if (column < 0 || column >= KeyList::ColumnCount(kind))
        return -1;
    return kind == KeyListKind::Faults ? faults[column] : speeds[column];
}

bool KeySortState::Click(KeyListKind kind, int column)
{
    const int code = SortCode(kind, column);
    if (code < 0)
        return false;
    if (code == sortKey)
        sortDescending = !sortDescending;
    else
        sortKey = code;
    return true;
}

std::vector<int> KeySortState::HeaderImages(KeyListKind kind, int clickedColumn) const
{
    std::vector<int> images(static_cast<std::size_t>(KeyList::ColumnCount(kind)), kPlainHeader);
    if (clickedColumn >= 0 && clickedColumn < static_cast<int>(images.size()))
        images[static_cast<std::size_t>(clickedColumn)] = sortDescending ? kUpHeader : kDownHeader;
    return images;
}

namespace {

bool Less(int key, const KeyRow& a, const KeyRow& b)
{
    switch (key) {
    case 1:
        return a.meanInterval < b.meanInterval;
    case 2:
        return a.faultIcon < b.faultIcon;
    case 3:
        return a.faults < b.faults;
    case 4:
        return a.keystrokes < b.keystrokes;
    default:
        return static_cast<signed char>(a.character) < static_cast<signed char>(b.character);
    }
}

} // namespace

void KeySortState::Sort(std::vector<KeyRow>& rows) const
{
    const int key = sortKey;
    if (sortDescending)
        std::stable_sort(rows.begin(), rows.end(),
                         [key](const KeyRow& a, const KeyRow& b) { return Less(key, b, a); });
    else
        std::stable_sort(rows.begin(), rows.end(),
                         [key](const KeyRow& a, const KeyRow& b) { return Less(key, a, b); });
}
