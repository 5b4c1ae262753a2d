// Inserting, removing, hiding, showing and sizing the rows and columns of TWkStringGrid.

#include "components/grid/string_grid.h"

#include <QImage>
#include <algorithm>

namespace {

// The smallest number of rows or columns a grid keeps: one more than the fixed ones.
int leastLines(int fixed) {
    return std::max(1, fixed + 1);
}

} // namespace

TGridStrings TWkStringGrid::InsertRow(int index) {
    SetRowCount(RowCount() + 1);
    index = std::clamp(index, 0, RowCount() - 1);
    MoveRow(RowCount() - 1, index);
    return Rows(index);
}

TGridStrings TWkStringGrid::InsertCol(int index) {
    SetColCount(ColCount() + 1);
    index = std::clamp(index, 0, ColCount() - 1);
    MoveColumn(ColCount() - 1, index);
    return Cols(index);
}

void TWkStringGrid::RemoveRow(int index) {
    if (index < 0 || index >= RowCount())
        return;
    MoveRow(index, RowCount() - 1);
    if (RowCount() > leastLines(FixedRows()))
        SetRowCount(RowCount() - 1);
    else
        Rows(RowCount() - 1).Assign({});
}

void TWkStringGrid::RemoveCol(int index) {
    if (index < 0 || index >= ColCount())
        return;
    MoveColumn(index, ColCount() - 1);
    if (ColCount() > leastLines(FixedCols()))
        SetColCount(ColCount() - 1);
    else
        Cols(ColCount() - 1).Assign({});
}

void TWkStringGrid::Clear() {
    for (int col = 0; col < ColCount(); ++col)
        Cols(col).Assign({});
}

void TWkStringGrid::HideRow(int row) {
    SetRowHeight(row, -1);
}

void TWkStringGrid::HideCol(int col) {
    SetColWidth(col, -1);
}

void TWkStringGrid::ShowRow(int row, int height) {
    SetRowHeight(row, height > 0 ? height : DefaultRowHeight());
}

void TWkStringGrid::ShowCol(int col, int width) {
    SetColWidth(col, width > 0 ? width : DefaultColWidth());
}

void TWkStringGrid::HideCell(int col, int row) {
    HideCol(col);
    HideRow(row);
}

void TWkStringGrid::ShowHiddenCol(int col, int width) {
    if (ColWidths(col) < 0)
        SetColWidth(col, width < 0 ? DefaultColWidth() : width);
}

void TWkStringGrid::ShowHiddenRow(int row, int height) {
    if (RowHeights(row) < 0)
        SetRowHeight(row, height < 0 ? DefaultRowHeight() : height);
}

void TWkStringGrid::ShowCell(int col, int row, int width, int height) {
    ShowHiddenCol(col, width);
    ShowHiddenRow(row, height);
}

void TWkStringGrid::HideAll() {
    if (ColCount() < RowCount()) {
        for (int col = 0; col < ColCount(); ++col)
            HideCol(col);
    } else {
        for (int row = 0; row < RowCount(); ++row)
            HideRow(row);
    }
}

void TWkStringGrid::ShowAll(int width, int height) {
    for (int col = 0; col < ColCount(); ++col)
        ShowHiddenCol(col, width);
    for (int row = 0; row < RowCount(); ++row)
        ShowHiddenRow(row, height);
}

bool TWkStringGrid::IsHidden(int col, int row) const {
    return ColWidths(col) < 0 || RowHeights(row) < 0;
}

int TWkStringGrid::TextWidthOfCol(int col, int padding) {
    QImage surface(1, 1, QImage::Format_ARGB32);
    TCanvas canvas(&surface);
    // OnSetCanvasProperties reaches the measuring canvas through Canvas().
    struct CanvasLoan {
        TWkStringGrid& grid;
        TCanvas* const previous;
        ~CanvasLoan() { grid.SetCanvas(previous); }
    } loan{*this, Canvas()};
    SetCanvas(&canvas);
    int widest = 0;
    for (int row = 0; row < RowCount(); ++row) {
        const TGridDrawState state = DrawStateOf(col, row);
        PrepareCellCanvas(canvas, col, row, state);
        if (state & gdFixed)
            canvas.Font = FixedFont();
        SetCanvasProperties(col, row, CellRect(col, row), state);
        // An empty cell is no wider in any font; most cells of a fresh grid are empty.
        const QString text = Cells(col, row);
        widest = std::max(widest, (text.isEmpty() ? 0 : canvas.TextWidth(text)) + padding);
    }
    return widest;
}

void TWkStringGrid::AutoSizeCol(int col, int minWidth, int padding) {
    if (col < 0 || col >= ColCount()) {
        for (int each = 0; each < ColCount(); ++each)
            AutoSizeCol(each, minWidth, padding);
        return;
    }
    const int least = minWidth < 0 ? DefaultColWidth() : minWidth;
    SetColWidth(col, std::max(least, TextWidthOfCol(col, padding)));
}

void TWkStringGrid::ClearSelection() {
    SetSelection({-1, -1, -1, -1});
}
