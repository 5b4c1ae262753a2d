#pragma once
// The library's string grid: a separate font for fixed cells, a default cell alignment with a
// per-cell alignment event, a per-cell canvas event, caption clicks, cell exit, scroll and
// editor events, an in-place editor whose style (edit, ellipsis button, pick list) is chosen per
// cell, inserting, removing, hiding and sizing of rows and columns, sorting, and a byte-stream
// and CSV load and save of all cells.

#include "components/base/text_alignment.h"
#include "components/grid/ext_string_grid.h"
#include "components/grid/grid_sort.h"

#include <QStringConverter>
#include <QStringList>

class QIODevice;
class TExInplaceEditList;

using TSetCanvasPropertiesEvent =
    TWkMethod<void(QObject* sender, int col, int row, TRect rect, TGridDrawState state)>;
using TGetCellAlignmentEvent =
    TWkMethod<void(QObject* sender, int col, int row, TGridDrawState state, TAlignment& alignment)>;
using TCaptionClickEvent = TWkMethod<void(QObject* sender, int col, int row)>;
using TExitCellEvent = TWkMethod<void(QObject* sender, int col, int row, const QString& editText)>;
using TProgress = TWkMethod<void(QObject* sender, qint64 progression, qint64 total)>;
using TShowEditorEvent = TWkMethod<void(QObject* sender, int col, int row, bool& allowEdit)>;
using TWkOnGetEditStyleEvent = TWkMethod<void(QObject* sender, int col, int row,
                                              QStringList& pickList, TEditStyle& editStyle)>;

// Limits of a grid read from a stream or a CSV file, which may come from anywhere. Every cell
// costs memory whether or not it holds text, so the cells are capped as a whole as well.
constexpr int MaxStreamGridRows = 65536;
constexpr int MaxStreamGridCols = 1024;
constexpr qint64 MaxStreamGridCells = 1 << 20;
constexpr int MaxStreamCellBytes = 1 << 20;
// A CSV file is read whole before it is split.
constexpr qint64 MaxCsvFileBytes = 64 << 20;

class TWkStringGrid : public TWkExStringGrid {
public:
    explicit TWkStringGrid(QWidget* parent = nullptr);
    // The editor goes first: losing its focus calls back into the grid, which must still be
    // whole then.
    ~TWkStringGrid() override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment alignment);
    const TFont& FixedFont() const { return FFixedFont; }
    void SetFixedFont(const TFont& font);
    // The pick list of the cell being edited, as OnGetEditStyle filled it.
    const QStringList& PickListStrings() const { return FPickListStrings; }

    // Moves to the cell and opens the editor with all its text selected, once the events
    // waiting now have been handled.
    void ActivateCell(int col, int row);
    TAlignment GetCellAlignment(int col, int row, TGridDrawState state);
    using TStringGrid::InvalidateCell;
    void InvalidateCol(int col);
    void InvalidateRow(int row);

    // Rows from first to last, each cell's text (when not empty) followed by byte 0 between
    // cells and byte 1 after the last cell of a row. Only UTF-8 and 8-bit encodings are
    // accepted (System is UTF-8 here); another raises EWkException, as do read and write
    // errors. A load keeps what it read up to an error.
    void SaveToStream(QIODevice& stream,
                      QStringConverter::Encoding encoding = QStringConverter::System);
    void LoadFromStream(QIODevice& stream,
                        QStringConverter::Encoding encoding = QStringConverter::System);
    void SaveToFile(const QString& fileName,
                    QStringConverter::Encoding encoding = QStringConverter::System);
    void LoadFromFile(const QString& fileName,
                      QStringConverter::Encoding encoding = QStringConverter::System);

    // CSV files are UTF-8 text; one read with a byte-order mark of another Unicode encoding is
    // read in that one.
    // One line per row, the cells joined by separator. A cell holding the separator, the
    // quote character or a line break is written between quote characters, its quote
    // characters doubled. OnSaveProgress reports (row, RowCount) before each row and
    // (RowCount, RowCount) at the end. Raises EWkException when the file cannot be written;
    // an old file stays as it was.
    void SaveToCSV(const QString& fileName, QChar separator = u',', QChar quoteChar = u'"');
    // One row per record, split at separators outside quoted stretches (which may hold line
    // breaks); with stripQuotes a field that begins with the quote character loses its quotes
    // and its doubled quote characters become single. The grid takes as many rows as there are
    // records and as many columns as the widest one needs (at least FixedCols() + 1); every
    // other cell is emptied. OnLoadProgress reports (record, records) before each record and
    // (records, records) at the end. Raises EWkException when the file cannot be read or holds
    // more than the stream limits; the grid is then left as it was.
    void LoadFromCSV(const QString& fileName, QChar separator = u',', QChar quoteChar = u'"',
                     bool stripQuotes = true);

    // Sorts the rows below the fixed ones by the texts of column: rows whose cell there is
    // blank go to the top with blankTop, else to the bottom; the others are ordered by
    // sortType, equal texts keeping their order, and reversed when not ascending. A row moves
    // with its texts in every column (with fixed) or only in the columns that are not fixed.
    // Nothing happens for a column outside the grid or stNone.
    void SortGrid(int column, bool ascending = true, bool fixed = false,
                  TWkSortType sortType = stClassic, bool blankTop = false);
    // Sorts the rows below the fixed ones by the texts of several columns, the first one
    // first, case-sensitively and ascending; nothing happens when a column is outside the grid.
    void SortGridByCols(const QList<int>& colOrder, bool fixed = false);

    // Adds an empty row (column) at the end and moves it to index, clamped to the grid; the
    // rows (columns) from index on move one place down (right). Returns the new row (column).
    TGridStrings InsertRow(int index);
    TGridStrings InsertCol(int index);
    // Takes the row (column) out, the ones after it moving up (left). The grid keeps at least
    // one row (column) more than the fixed ones; the last one left is only emptied. Nothing
    // happens for an index outside the grid.
    void RemoveRow(int index);
    void RemoveCol(int index);
    // Empties every cell.
    void Clear();

    // A hidden row or column has a size of -1. Showing gives it size, or the default size when
    // size <= 0.
    void HideRow(int row);
    void HideCol(int col);
    void ShowRow(int row, int height = 0);
    void ShowCol(int col, int width = 0);
    // Hides the cell's row and column.
    void HideCell(int col, int row);
    // Shows the cell's column with width and its row with height where they are hidden; a
    // negative size stands for the default one.
    void ShowCell(int col, int row, int width = -1, int height = -1);
    // Hides every column when there are fewer columns than rows, else every row.
    void HideAll();
    // Shows every hidden column with width and every hidden row with height (defaults for
    // negative sizes).
    void ShowAll(int width = -1, int height = -1);
    // True when the cell's column or row is hidden.
    bool IsHidden(int col, int row) const;

    // Makes column col as wide as its widest text (each cell measured in the font it is drawn
    // in, after OnSetCanvasProperties) plus padding, and at least minWidth (the default
    // column width when minWidth is negative). A column outside the grid sizes every column.
    void AutoSizeCol(int col, int minWidth, int padding);
    // Leaves no cell selected and no current cell (Col() and Row() become -1).
    void ClearSelection();

    TSetCanvasPropertiesEvent OnSetCanvasProperties;
    TGetCellAlignmentEvent OnGetCellAlignment;
    TNotifyEvent OnColWidthsChanged;
    TCaptionClickEvent OnCaptionClick;
    TExitCellEvent OnExitCell;
    TProgress OnLoadProgress;
    TProgress OnSaveProgress;
    TNotifyEvent OnHorizontalScroll;
    TNotifyEvent OnVerticalScroll;
    TShowEditorEvent OnShowEditor;
    TWkOnGetEditStyleEvent OnGetEditStyle;
    TNotifyEvent OnEditButtonClick;
    TNotifyEvent OnListBoxCloseUp;

protected:
    friend class TExInplaceEditList;
    void ExitCell(const QString& text, int col, int row);
    void EditButtonClick();
    void ListBoxCloseUp();

    void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
    void DefaultDrawCell(int col, int row, const TRect& rect, TGridDrawState state);
    void SetCanvasProperties(int col, int row, const TRect& rect, TGridDrawState state);
    TInplaceEditList* CreateEditor() override;
    TEditStyle GetEditStyle(int col, int row) override;
    bool CanEditShow() const override;
    void ColWidthsChanged() override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Grows the grid to hold cols columns and rows rows for a cell being loaded; raises
    // EWkException past the stream limits.
    void GrowForLoadedCell(int cols, int rows);
    // A hidden column or row gets size, the default one when size is negative.
    void ShowHiddenCol(int col, int width);
    void ShowHiddenRow(int row, int height);
    // The width col needs for its texts in the fonts its cells are drawn in.
    int TextWidthOfCol(int col, int padding);
    // Puts the rows from first on in order (source rows by position), moving the texts of the
    // columns from fromCol on.
    void ReorderRows(int first, const std::vector<int>& order, int fromCol);
    TAlignment FAlignment = taLeftJustify;
    TGridCoord FCellOnMouseDown;
    QStringList FPickListStrings;
    TFont FFixedFont;
};
