#pragma once

#include "results/KeyList.h"
#include "results/KeyRow.h"

#include <vector>

// How the key rows are sorted: shared by both lists and kept while the program runs.
// Since a list puts every row in at the top, ascending order shows the largest first.
struct KeySortState
{
    // The header images: plain, and the triangle of the sorted column.
    static constexpr int kPlainHeader = 8;
    static constexpr int kUpHeader = 6;
    static constexpr int kDownHeader = 7;

    // 0 character, 1 mean interval, 2 fault icon, 3 faults, 4 keystrokes.
    int sortKey = 0;
    bool sortDescending = false;

    // The sort key of a list's column; -1 for a column that does not sort.
    static int SortCode(KeyListKind kind, int column);
    // A click on a column header: the same key again turns the direction round, another
    // key keeps it. False for a column that does not sort.
    bool Click(KeyListKind kind, int column);
    // Every column's header image after a click on `clickedColumn`.
    std::vector<int> HeaderImages(KeyListKind kind, int clickedColumn) const;
    // Sorts by the key in the direction; the character compares as a signed byte.
    void Sort(std::vector<KeyRow>& rows) const;
};
