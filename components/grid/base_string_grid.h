#pragma once
// The desktop string grid the library's grid stands on: a table of texts addressed as
// (column, row) whose leading fixed columns and rows stay in view while the others scroll by
// whole columns and rows. Cells are painted one by one through DrawCell; the current cell moves
// with the mouse and the cursor keys, and with goEditing an in-place editor opens over it.

#include "components/base/exception.h"
#include "components/base/ext_inplace_edit_list.h"
#include "components/base/method_event.h"
#include "platform/ui/canvas.h"

#include <QAbstractScrollArea>
#include <QPointer>
#include <QString>
#include <vector>

// Cell drawing state.
enum TGridDrawStateFlag : unsigned { gdSelected = 1, gdFocused = 2, gdFixed = 4 };
using TGridDrawState = unsigned;

enum TGridOption : unsigned { goEditing = 1, goTabs = 2 };

struct TGridCoord {
    int X = -1;
    int Y = -1;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells, both corners included; (-1, -1, -1, -1) holds none.
struct TGridRect {
    int Left = -1;
    int Top = -1;
    int Right = -1;
    int Bottom = -1;
    bool Contains(int col, int row) const {
        return col >= Left && col <= Right && row >= Top && row <= Bottom;
    }
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// "Grid index out of range": a row or column operation named one that does not exist.
class EInvalidGridOperation final : public EWkException {
public:
    using EWkException::EWkException;
};

class TStringGrid;

// One row or column of a grid as a list of texts, read and written through the grid.
class TGridStrings {
public:
    TGridStrings(TStringGrid& grid, bool isRow, int index)
        : FGrid(grid), FIsRow(isRow), FIndex(index) {}

    // The row or column this list stands for.
    int Index() const { return FIndex; }
    // Columns of a row, rows of a column.
    int Count() const;
    QString Get(int index) const;
    void Put(int index, const QString& text);
    // The texts from the first cell on; cells past them are emptied.
    void Assign(const QStringList& texts);
    QStringList Texts() const;

private:
    TStringGrid& FGrid;
    bool FIsRow;
    int FIndex;
};

using TSelectCellEvent = TWkMethod<void(QObject* sender, int col, int row, bool& canSelect)>;
using TDrawCellEvent =
    TWkMethod<void(QObject* sender, int col, int row, TRect rect, TGridDrawState state)>;

class TStringGrid : public QAbstractScrollArea {
public:
    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    int ColCount() const { return int(FColWidths.size()); }
    int RowCount() const { return int(FRowHeights.size()); }
    // At least one column and row, and at least one more than the fixed ones.
    void SetColCount(int count);
    void SetRowCount(int count);
    int FixedCols() const { return FFixedCols; }
    int FixedRows() const { return FFixedRows; }
    void SetFixedCols(int count);
    void SetFixedRows(int count);
    int DefaultColWidth() const { return FDefaultColWidth; }
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    // Also sets every column width or row height.
    void SetDefaultColWidth(int width);
    void SetDefaultRowHeight(int height);
    // A negative width or height hides the column or row.
    int ColWidths(int col) const;
    int RowHeights(int row) const;
    void SetColWidth(int col, int width);
    void SetRowHeight(int row, int height);

    // Empty outside the grid; setting outside the grid does nothing.
    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    TGridStrings Rows(int row) { return TGridStrings(*this, true, row); }
    TGridStrings Cols(int col) { return TGridStrings(*this, false, col); }

    // Moves a row or column with its texts and size to another place, the ones between shifting
    // by one; the current cell stays on the texts it was on. Raises EInvalidGridOperation for
    // an index outside the grid.
    void MoveRow(int fromIndex, int toIndex);
    void MoveColumn(int fromIndex, int toIndex);

    // The current cell; moving it asks SelectCell first. Both are -1 while no cell is selected.
    int Col() const { return FCol; }
    int Row() const { return FRow; }
    void SetCol(int col) { MoveCurrent(col, FRow); }
    void SetRow(int row) { MoveCurrent(FCol, row); }
    // The selected cells: from the current cell to the anchor, which follows the current cell
    // as it moves. Setting it asks no SelectCell; its bottom right corner becomes the current
    // cell, so (-1, -1, -1, -1) leaves no cell selected.
    TGridRect Selection() const;
    void SetSelection(const TGridRect& selection);
    int TopRow() const { return FTopRow; }
    int LeftCol() const { return FLeftCol; }
    void SetTopRow(int row);

    unsigned Options() const { return FOptions; }
    void SetOptions(unsigned options) { FOptions = options; }
    bool EditorMode() const;
    void SetEditorMode(bool on);
    // The in-place editor, once it was first shown.
    TInplaceEditList* InplaceEditor() const { return FEditor; }

    // The cell's rectangle on the viewport (where cells are painted); empty when it is out of
    // view or hidden.
    TRect CellRect(int col, int row) const;
    // The cell at a point of the viewport; (-1, -1) outside every cell.
    TGridCoord MouseCoord(int x, int y) const;
    // The canvas of the paint in progress (inside DrawCell and OnDrawCell only), or of a
    // measurement a descendant runs.
    TCanvas* Canvas() const { return FCanvas; }
    // The font and brush every cell starts with.
    TFont Font;
    TBrush Brush;
    TColor FixedColor = clBtnFace;

    TSelectCellEvent OnSelectCell;
    TDrawCellEvent OnDrawCell;
    TNotifyEvent OnDblClick;

protected:
    // Paints one cell on Canvas(); the default draws its text (or calls OnDrawCell when set).
    virtual void DrawCell(int col, int row, const TRect& rect, TGridDrawState state);
    // Whether the current cell may move to (col, row); the default asks OnSelectCell. Every
    // click on a cell that may be current asks, also one on the current cell.
    virtual bool SelectCell(int col, int row);
    // Whether the editor may open on the current cell.
    virtual bool CanEditShow() const;
    // Makes the in-place editor (a child of the grid); called once, when it first opens.
    virtual TInplaceEditList* CreateEditor();
    virtual TEditStyle GetEditStyle(int /*col*/, int /*row*/) { return esSimple; }
    virtual void ColWidthsChanged() {}
    // The editor's text goes back into the cell when the editor closes or moves on.
    virtual void SetEditText(int col, int row, const QString& text) { SetCells(col, row, text); }
    void InvalidateCell(int col, int row);
    void InvalidateGrid();
    // What a cell is drawn as: fixed, or selected (and focused) within the selection.
    TGridDrawState DrawStateOf(int col, int row) const;
    // Gives the cell's font and brush to canvas, as a paint starts each cell.
    void PrepareCellCanvas(TCanvas& canvas, int col, int row, TGridDrawState state) const;
    // Lends Canvas() to a measurement outside painting; nullptr ends the loan.
    void SetCanvas(TCanvas* canvas) { FCanvas = canvas; }

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool MoveCurrent(int col, int row);
    void ScrollInView(int col, int row);
    void ShowEditor();
    void HideEditor(bool keepText);
    void PlaceEditor();
    void UpdateScrollBars();
    int MaxTopRow() const;
    int MaxLeftCol() const;
    // Start of each column and row on the viewport (-1: out of view), with the fixed ones first,
    // up to the last one in view.
    std::vector<int> ColLefts() const;
    std::vector<int> RowTops() const;
    // CellRect from starts a caller already has.
    TRect CellRectAt(const std::vector<int>& lefts, const std::vector<int>& tops, int col,
                     int row) const;
    int NextVisibleCol(int col, int step) const;
    int NextVisibleRow(int row, int step) const;

    std::vector<std::vector<QString>> FCells; // [row][col]
    std::vector<int> FColWidths;
    std::vector<int> FRowHeights;
    int FFixedCols = 1;
    int FFixedRows = 1;
    int FDefaultColWidth = 64;
    int FDefaultRowHeight = 24;
    int FCol = 1;
    int FRow = 1;
    TGridCoord FAnchor{1, 1};
    int FTopRow = 1;
    int FLeftCol = 1;
    unsigned FOptions = 0;
    TCanvas* FCanvas = nullptr;
    QPointer<TInplaceEditList> FEditor;
    bool FEditing = false;
};
