// Sorting the rows of TWkStringGrid.

#include "components/grid/string_grid.h"

#include <algorithm>
#include <numeric>

namespace {

bool isBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

// The rows below the fixed ones, in their order.
std::vector<int> rowsBelowFixed(const TWkStringGrid& grid) {
    std::vector<int> rows(std::max(0, grid.RowCount() - grid.FixedRows()));
    std::iota(rows.begin(), rows.end(), grid.FixedRows());
    return rows;
}

} // namespace

void TWkStringGrid::ReorderRows(int first, const std::vector<int>& order, int fromCol) {
    std::vector<QStringList> texts;
    texts.reserve(order.size());
    for (const int row : order)
        texts.push_back(Rows(row).Texts());
    for (size_t i = 0; i < order.size(); ++i) {
        for (int col = fromCol; col < ColCount(); ++col)
            SetCells(col, first + int(i), texts[i][col]);
    }
}

void TWkStringGrid::SortGrid(int column, bool ascending, bool fixed, TWkSortType sortType,
                             bool blankTop) {
    if (column < 0 || column >= ColCount() || sortType == stNone)
        return;
    std::vector<int> blanks, filled;
    for (const int row : rowsBelowFixed(*this))
        (isBlank(Cells(column, row)) ? blanks : filled).push_back(row);
    SortStable(filled, [&](int a, int b) {
        return CompareSortTexts(Cells(column, a), Cells(column, b), sortType) < 0;
    });
    if (!ascending)
        std::reverse(filled.begin(), filled.end());
    std::vector<int> order = blankTop ? blanks : filled;
    const std::vector<int>& rest = blankTop ? filled : blanks;
    order.insert(order.end(), rest.begin(), rest.end());
    ReorderRows(FixedRows(), order, fixed ? 0 : FixedCols());
}

void TWkStringGrid::SortGridByCols(const QList<int>& colOrder, bool fixed) {
    if (std::any_of(colOrder.begin(), colOrder.end(),
                    [this](int col) { return col < 0 || col >= ColCount(); }))
        return;
    std::vector<int> order = rowsBelowFixed(*this);
    SortStable(order, [&](int a, int b) {
        for (const int col : colOrder) {
            const int result = QString::compare(Cells(col, a), Cells(col, b), Qt::CaseSensitive);
            if (result != 0)
                return result < 0;
        }
        return false;
    });
    ReorderRows(FixedRows(), order, fixed ? 0 : FixedCols());
}
