#include "components/grid/string_grid.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// A grid with a fixed header row and a fixed label column: row r (1..) holds the label "L<r>",
// the given sort text and the text "o<r>", so every text shows which row it came from.
struct SortGridFixture {
    explicit SortGridFixture(const std::vector<QString>& sortTexts) {
        grid.SetColCount(3);
        grid.SetRowCount(int(sortTexts.size()) + 1);
        grid.Rows(0).Assign({"#", "key", "other"});
        for (int row = 1; row < grid.RowCount(); ++row) {
            grid.SetCells(0, row, QStringLiteral("L%1").arg(row));
            grid.SetCells(1, row, sortTexts[row - 1]);
            grid.SetCells(2, row, QStringLiteral("o%1").arg(row));
        }
    }
    // The original row of each row now, taken from column col ("L<r>" or "o<r>").
    std::vector<int> Origins(int col) const {
        std::vector<int> rows;
        for (int row = 1; row < grid.RowCount(); ++row)
            rows.push_back(grid.Cells(col, row).mid(1).toInt());
        return rows;
    }
    TWkStringGrid grid;
};

std::vector<int> Unsorted(int count) {
    std::vector<int> rows;
    for (int row = 1; row <= count; ++row)
        rows.push_back(row);
    return rows;
}

struct SortCase {
    const char* name;
    std::vector<QString> texts;
    TWkSortType sortType;
    bool ascending;
    bool fixed;
    bool blankTop;
    int column;
    std::vector<int> order; // the original rows in their new order
};

const SortCase SortCases[] = {
    {"Classic", {"b", "A", "c", "a"}, stClassic, true, false, false, 1, {2, 4, 1, 3}},
    {"CaseSensitive", {"b", "A", "a", "B"}, stCaseSensitive, true, false, false, 1, {2, 4, 3, 1}},
    {"Numeric", {"10", "9", "x", "-1.5"}, stNumeric, true, false, false, 1, {4, 2, 1, 3}},
    {"Date",
     {"2024-03-01", "2023-12-31", "junk", "2024-01-15"},
     stDate,
     true,
     false,
     false,
     1,
     {2, 4, 1, 3}},
    {"CurrencyKeepsEqualAmountsInOrder",
     {"1.50", "abc", "0.25", "1.5"},
     stCurrency,
     true,
     false,
     false,
     1,
     {3, 1, 4, 2}},
    {"AutomaticNumbersAsNumbers",
     {"10", "9", "100"},
     stAutomatic,
     true,
     false,
     false,
     1,
     {2, 1, 3}},
    {"AutomaticTextsAsText", {"b", "C", "a"}, stAutomatic, true, false, false, 1, {3, 1, 2}},
    {"None", {"b", "a"}, stNone, true, false, false, 1, {1, 2}},
    {"BlanksGoToTheBottom", {"b", "", "a", " "}, stClassic, true, false, false, 1, {3, 1, 2, 4}},
    {"BlankTop", {"b", "", "a", " "}, stClassic, true, false, true, 1, {2, 4, 3, 1}},
    {"Descending", {"b", "", "a", "c"}, stClassic, false, false, false, 1, {4, 1, 3, 2}},
    {"DescendingBlankTop", {"b", "", "a", "c"}, stClassic, false, false, true, 1, {2, 4, 1, 3}},
    {"DescendingNumeric", {"10", "x", "9"}, stNumeric, false, false, false, 1, {2, 1, 3}},
    {"FixedMovesTheLabels", {"b", "a", "c"}, stClassic, true, true, false, 1, {2, 1, 3}},
    {"ByTheLabelColumn", {"x", "y", "z"}, stClassic, false, true, false, 0, {3, 2, 1}},
    {"ColumnPastTheEnd", {"b", "a"}, stClassic, true, true, false, 3, {1, 2}},
    {"NegativeColumn", {"b", "a"}, stClassic, true, true, false, -1, {1, 2}},
};

class StringGridSort : public ::testing::TestWithParam<SortCase> {};

TEST_P(StringGridSort, OrdersTheRowsBelowTheFixedOnes) {
    const SortCase& c = GetParam();
    SortGridFixture f(c.texts);
    f.grid.SortGrid(c.column, c.ascending, c.fixed, c.sortType, c.blankTop);
    EXPECT_EQ(f.Origins(2), c.order);
    EXPECT_EQ(f.Origins(0), c.fixed ? c.order : Unsorted(int(c.texts.size())))
        << "the fixed column moves only with fixed";
    EXPECT_EQ(f.grid.Rows(0).Texts(), (QStringList{"#", "key", "other"})) << "the header stays";
    for (int row = 1; row < f.grid.RowCount(); ++row)
        EXPECT_EQ(f.grid.Cells(1, row), c.texts[c.order[row - 1] - 1]) << "row " << row;
}

INSTANTIATE_TEST_SUITE_P(Cases, StringGridSort, ::testing::ValuesIn(SortCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StringGridSortByCols, SortsByEachColumnInTurnCaseSensitively) {
    const struct {
        const char* what;
        QList<int> columns;
        bool fixed;
        std::vector<int> order;
    } cases[] = {
        {"key then other", {1, 2}, false, {4, 2, 3, 1}},
        {"other alone", {2}, false, {3, 4, 1, 2}},
        {"with the fixed column", {1, 2}, true, {4, 2, 3, 1}},
        {"a column outside", {1, 3}, true, {1, 2, 3, 4}},
        {"a negative column", {-1}, false, {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        SortGridFixture f({"b", "a", "b", "a"});
        f.grid.Cols(2).Assign({"other", "2", "9", "1", "10"});
        const std::vector<int> others = {2, 9, 1, 10};
        f.grid.SortGridByCols(c.columns, c.fixed);
        EXPECT_EQ(f.Origins(0), c.fixed ? c.order : Unsorted(4)) << c.what;
        for (int row = 1; row <= 4; ++row) {
            EXPECT_EQ(f.grid.Cells(2, row).toInt(), others[c.order[row - 1] - 1])
                << c.what << ", row " << row;
        }
    }
}

} // namespace
