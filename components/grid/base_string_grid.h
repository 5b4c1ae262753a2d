#pragma once
// The desktop string grid the library's grid stands on: a table of texts addressed as
// (column, row) whose leading fixed columns and rows stay in view while the others scroll by
// whole columns and rows. Cells are painted one by one through DrawCell; the current cell moves
// with the mouse and the cursor keys, and with goEditing an in-place editor opens over it.

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

    // The current cell; moving it asks SelectCell first.
    int Col() const { return FCol; }
    int Row() const { return FRow; }
    void SetCol(int col) { MoveCurrent(col, FRow); }
    void SetRow(int row) { MoveCurrent(FCol, row); }
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
    // The canvas of the paint in progress (inside DrawCell and OnDrawCell only).
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
    // Whether the current cell may move to (col, row); the default asks OnSelectCell.
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
    int FTopRow = 1;
    int FLeftCol = 1;
    unsigned FOptions = 0;
    TCanvas* FCanvas = nullptr;
    QPointer<TInplaceEditList> FEditor;
    bool FEditing = false;
};
