#pragma once
// The library's string grid: a separate font for fixed cells, a default cell alignment with a
// per-cell alignment event, a per-cell canvas event, caption clicks, cell exit, scroll and
// editor events, an in-place editor whose style (edit, ellipsis button, pick list) is chosen per
// cell, and a byte-stream load and save of all cells.

#include "components/base/text_alignment.h"
#include "components/grid/ext_string_grid.h"

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

// Limits of a grid read from a stream, which may come from anywhere.
constexpr int MaxStreamGridRows = 65536;
constexpr int MaxStreamGridCols = 1024;
constexpr int MaxStreamCellBytes = 1 << 20;

class TWkStringGrid : public TWkExStringGrid {
public:
    explicit TWkStringGrid(QWidget* parent = nullptr);

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
    TAlignment FAlignment = taLeftJustify;
    TGridCoord FCellOnMouseDown;
    QStringList FPickListStrings;
    TFont FFixedFont;
};
