#include "components/grid/string_grid.h"

#include "components/grid/ex_inplace_edit_list.h"

#include <QFontMetrics>
#include <QMouseEvent>

TWkStringGrid::TWkStringGrid(QWidget* parent) : TWkExStringGrid(parent), FFixedFont(Font) {}

void TWkStringGrid::SetAlignment(TAlignment alignment) {
    if (FAlignment == alignment)
        return;
    FAlignment = alignment;
    viewport()->update();
    if (auto* editor = static_cast<TExInplaceEditList*>(InplaceEditor()))
        editor->UpdateAlignment();
}

TWkStringGrid::~TWkStringGrid() {
    if (TInplaceEditList* editor = InplaceEditor()) {
        editor->removeEventFilter(this);
        delete editor;
    }
}

void TWkStringGrid::SetFixedFont(const TFont& font) {
    FFixedFont = font;
    viewport()->update();
}

void TWkStringGrid::ActivateCell(int col, int row) {
    QMetaObject::invokeMethod(
        this,
        [this, col, row] {
            SetCol(col);
            SetRow(row);
            SetEditorMode(true);
            if (InplaceEditor())
                InplaceEditor()->selectAll();
        },
        Qt::QueuedConnection);
}

TAlignment TWkStringGrid::GetCellAlignment(int col, int row, TGridDrawState state) {
    TAlignment alignment = FAlignment;
    if (OnGetCellAlignment)
        OnGetCellAlignment(this, col, row, state, alignment);
    return alignment;
}

void TWkStringGrid::InvalidateCol(int col) {
    for (int row = 0; row < RowCount(); ++row)
        InvalidateCell(col, row);
}

void TWkStringGrid::InvalidateRow(int row) {
    for (int col = 0; col < ColCount(); ++col)
        InvalidateCell(col, row);
}

void TWkStringGrid::ExitCell(const QString& text, int col, int row) {
    if (OnExitCell)
        OnExitCell(this, col, row, text);
}

void TWkStringGrid::EditButtonClick() {
    FireNotifyEvent(OnEditButtonClick, this);
}

void TWkStringGrid::ListBoxCloseUp() {
    FireNotifyEvent(OnListBoxCloseUp, this);
}

void TWkStringGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
    if (col < FixedCols() || row < FixedRows())
        Canvas()->Font = FFixedFont;
    if (OnDrawCell) {
        TWkExStringGrid::DrawCell(col, row, rect, state);
        return;
    }
    SetCanvasProperties(col, row, rect, state);
    DefaultDrawCell(col, row, rect, state);
}

void TWkStringGrid::SetCanvasProperties(int col, int row, const TRect& rect, TGridDrawState state) {
    if (OnSetCanvasProperties)
        OnSetCanvasProperties(this, col, row, rect, state);
}

void TWkStringGrid::DefaultDrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
    TCanvas& canvas = *Canvas();
    if (RowHeights(row) < QFontMetrics(ToQFont(canvas.Font)).height())
        return;
    canvas.FillRect(rect);
    const QString text = Cells(col, row);
    if (text.isEmpty())
        return;
    TRect inner{rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2};
    const TAlignment alignment = GetCellAlignment(col, row, state);
    const unsigned align = alignment == taRightJustify ? DT_RIGHT
                           : alignment == taCenter     ? DT_CENTER
                                                       : DT_LEFT;
    canvas.DrawText(text, inner, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

TInplaceEditList* TWkStringGrid::CreateEditor() {
    auto* editor = new TExInplaceEditList(this);
    InsertControl(editor);
    return editor;
}

TEditStyle TWkStringGrid::GetEditStyle(int col, int row) {
    TEditStyle style = esSimple;
    if (OnGetEditStyle) {
        FPickListStrings.clear();
        OnGetEditStyle(this, col, row, FPickListStrings, style);
    }
    return style;
}

bool TWkStringGrid::CanEditShow() const {
    bool allowed = TWkExStringGrid::CanEditShow();
    if (allowed && OnShowEditor)
        OnShowEditor(const_cast<TWkStringGrid*>(this), Col(), Row(), allowed);
    return allowed;
}

void TWkStringGrid::ColWidthsChanged() {
    TWkExStringGrid::ColWidthsChanged();
    FireNotifyEvent(OnColWidthsChanged, this);
}

void TWkStringGrid::scrollContentsBy(int dx, int dy) {
    TWkExStringGrid::scrollContentsBy(dx, dy);
    if (dx != 0)
        FireNotifyEvent(OnHorizontalScroll, this);
    if (dy != 0)
        FireNotifyEvent(OnVerticalScroll, this);
}

void TWkStringGrid::mousePressEvent(QMouseEvent* event) {
    TWkExStringGrid::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    FCellOnMouseDown =
        event->button() == Qt::LeftButton ? MouseCoord(at.x(), at.y()) : TGridCoord{};
}

void TWkStringGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint at = event->position().toPoint();
        const TGridCoord cell = MouseCoord(at.x(), at.y());
        const bool caption = cell.X >= 0 && (cell.X < FixedCols() || cell.Y < FixedRows());
        if (cell == FCellOnMouseDown && caption && OnCaptionClick)
            OnCaptionClick(this, cell.X, cell.Y);
    }
    FCellOnMouseDown = {};
    TWkExStringGrid::mouseReleaseEvent(event);
}
