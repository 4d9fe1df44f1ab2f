#include "results/KeySortState.h"
#include "results/KeyList.h"

#include <gtest/gtest.h>

namespace {

KeyRow Row(char c, double meanInterval, int faultIcon, int faults, int keystrokes)
{
    return KeyRow{c, 0, faultIcon, meanInterval, "", faults, keystrokes};
}

std::string Order(const std::vector<KeyRow>& rows)
{
    std::string order;
    for (const KeyRow& row : rows)
        order += row.character;
    return order;
}

TEST(KeySortState, SameColumnTurnsTheDirectionAnotherKeepsIt)
{
    KeySortState state;
    EXPECT_TRUE(state.Click(KeyListKind::Faults, 0)); // "Tasten" is the key at start
    EXPECT_EQ(state.sortKey, 0);
    EXPECT_TRUE(state.sortDescending);
    EXPECT_EQ(state.HeaderImages(KeyListKind::Faults, 0), (std::vector<int>{6, 8, 8, 8}));
    state.Click(KeyListKind::Speeds, 0);
    EXPECT_FALSE(state.sortDescending);
    EXPECT_EQ(state.HeaderImages(KeyListKind::Speeds, 0), (std::vector<int>{7, 8, 8}));
    state.Click(KeyListKind::Faults, 0);
    state.Click(KeyListKind::Faults, 2); // "Fehlanschläge": faults, still descending
    EXPECT_EQ(state.sortKey, 3);
    EXPECT_TRUE(state.sortDescending);
    EXPECT_FALSE(state.Click(KeyListKind::Speeds, 3));
    EXPECT_EQ(state.sortKey, 3);
}

TEST(KeySortState, ColumnsSortByTheirField)
{
    const std::vector<std::pair<KeyListKind, int>> columns = {
        {KeyListKind::Faults, 0}, {KeyListKind::Faults, 1}, {KeyListKind::Faults, 2},
        {KeyListKind::Faults, 3}, {KeyListKind::Speeds, 1}, {KeyListKind::Speeds, 2}};
    const std::vector<int> codes = {0, 2, 3, 4, 1, 4};
    for (std::size_t i = 0; i < columns.size(); ++i)
        EXPECT_EQ(KeySortState::SortCode(columns[i].first, columns[i].second), codes[i]) << i;
}

struct OrderCase
{
    int sortKey;
    bool descending;
    const char* order;
};

class KeyOrderTest : public ::testing::TestWithParam<OrderCase>
{};

TEST_P(KeyOrderTest, RowsInTheStatesOrder)
{
    // '\xE4' (ä) is a negative signed byte: it comes before the ASCII letters.
    std::vector<KeyRow> rows = {Row('b', 0.3, 1, 5, 40), Row('\xE4', 0.1, 4, 2, 10), Row('a', 0.2, 0, 9, 20)};
    const KeySortState state{GetParam().sortKey, GetParam().descending};
    state.Sort(rows);
    EXPECT_EQ(Order(rows), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyOrderTest,
                         ::testing::Values(OrderCase{0, false,
                                                     "\xE4"
                                                     "ab"},
                                           OrderCase{0, true, "ba\xE4"},
                                           OrderCase{1, false,
                                                     "\xE4"
                                                     "ab"},
                                           OrderCase{2, true,
                                                     "\xE4"
                                                     "ba"},
                                           OrderCase{3, false,
                                                     "\xE4"
                                                     "ba"},
                                           OrderCase{4, true, "ba\xE4"}));

TEST(KeySortState, DescendingCharactersListAFirst)
{
    // Rows go in at the top of a list: the direction turns round on the screen.
    std::vector<KeyRow> rows = {Row('a', 0.2, 0, 1, 3), Row('b', 0.2, 0, 1, 3)};
    KeySortState state;
    state.Click(KeyListKind::Speeds, 0);
    state.Sort(rows);
    const KeyList list = KeyList::Fill(KeyListKind::Speeds, rows);
    ASSERT_EQ(list.lines.size(), 2u);
    EXPECT_EQ(list.lines[0].columns[0], "a");
    EXPECT_EQ(list.lines[1].columns[0], "b");
}

} // namespace
