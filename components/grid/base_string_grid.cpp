#include "components/grid/base_string_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

namespace {

// Every cell is followed by a one-pixel grid line on its right and below it.
constexpr int GridLineWidth = 1;

int span(int size) {
    return size < 0 ? 0 : size + GridLineWidth;
}

// Where each column or row starts: after the fixed ones and, past them, from the first scrolled
// one; -1 for a hidden one or one scrolled out of view. The list ends with the last line that
// starts within the extent, as every later one is out of view.
std::vector<int> lineStarts(const std::vector<int>& sizes, int fixed, int first, int extent) {
    std::vector<int> starts;
    int start = 0;
    for (int line = 0; line < int(sizes.size()) && start < extent; ++line) {
        const bool scrolledOut = line >= fixed && line < first;
        starts.push_back(scrolledOut || sizes[line] < 0 ? -1 : start);
        if (!scrolledOut)
            start += span(sizes[line]);
    }
    return starts;
}

// The start of one line in such a list; -1 out of view or outside the grid.
int startOf(const std::vector<int>& starts, int line) {
    return line >= 0 && line < int(starts.size()) ? starts[line] : -1;
}

// The furthest first scrolled column or row that still fills the extent with the lines after it.
int maxFirstLine(const std::vector<int>& sizes, int fixed, int extent) {
    int available = extent;
    for (int i = 0; i < fixed; ++i)
        available -= span(sizes[i]);
    const int count = int(sizes.size());
    int first = count - 1;
    for (int i = count - 1; i >= fixed; --i) {
        available -= span(sizes[i]);
        if (available < 0)
            break;
        first = i;
    }
    return std::max(first, fixed);
}

// Moves the item at from to to, the ones between shifting by one.
template <typename T> void moveItem(std::vector<T>& items, int from, int to) {
    if (from < to)
        std::rotate(items.begin() + from, items.begin() + from + 1, items.begin() + to + 1);
    else if (from > to)
        std::rotate(items.begin() + to, items.begin() + from, items.begin() + from + 1);
}

// Where a line at index ends up when the line at from moves to to.
int movedIndex(int index, int from, int to) {
    if (index == from)
        return to;
    if (from < to && index > from && index <= to)
        return index - 1;
    if (from > to && index >= to && index < from)
        return index + 1;
    return index;
}

} // namespace

int TGridStrings::Count() const {
    return FIsRow ? FGrid.ColCount() : FGrid.RowCount();
}

QString TGridStrings::Get(int index) const {
    return FIsRow ? FGrid.Cells(index, FIndex) : FGrid.Cells(FIndex, index);
}

void TGridStrings::Put(int index, const QString& text) {
    if (FIsRow)
        FGrid.SetCells(index, FIndex, text);
    else
        FGrid.SetCells(FIndex, index, text);
}

void TGridStrings::Assign(const QStringList& texts) {
    for (int index = 0; index < Count(); ++index)
        Put(index, index < texts.size() ? texts[index] : QString());
}

QStringList TGridStrings::Texts() const {
    QStringList texts;
    for (int index = 0; index < Count(); ++index)
        texts << Get(index);
    return texts;
}

TStringGrid::TStringGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    FColWidths.assign(5, FDefaultColWidth);
    FRowHeights.assign(5, FDefaultRowHeight);
    FCells.assign(5, std::vector<QString>(5));
    UpdateScrollBars();
}

TStringGrid::~TStringGrid() = default;

void TStringGrid::SetColCount(int count) {
    count = std::max({count, 1, FFixedCols + 1});
    FColWidths.resize(count, FDefaultColWidth);
    for (auto& row : FCells)
        row.resize(count);
    FCol = std::min(FCol, count - 1);
    FAnchor.X = std::min(FAnchor.X, count - 1);
    FLeftCol = std::min(FLeftCol, count - 1);
    InvalidateGrid();
}

void TStringGrid::SetRowCount(int count) {
    count = std::max({count, 1, FFixedRows + 1});
    FRowHeights.resize(count, FDefaultRowHeight);
    FCells.resize(count, std::vector<QString>(FColWidths.size()));
    FRow = std::min(FRow, count - 1);
    FAnchor.Y = std::min(FAnchor.Y, count - 1);
    FTopRow = std::min(FTopRow, count - 1);
    InvalidateGrid();
}

void TStringGrid::SetFixedCols(int count) {
    FFixedCols = std::clamp(count, 0, ColCount() - 1);
    FLeftCol = std::max(FLeftCol, FFixedCols);
    FCol = std::max(FCol, FFixedCols);
    FAnchor.X = std::max(FAnchor.X, FFixedCols);
    InvalidateGrid();
}

void TStringGrid::SetFixedRows(int count) {
    FFixedRows = std::clamp(count, 0, RowCount() - 1);
    FTopRow = std::max(FTopRow, FFixedRows);
    FRow = std::max(FRow, FFixedRows);
    FAnchor.Y = std::max(FAnchor.Y, FFixedRows);
    InvalidateGrid();
}

void TStringGrid::SetDefaultColWidth(int width) {
    FDefaultColWidth = width;
    std::fill(FColWidths.begin(), FColWidths.end(), width);
    ColWidthsChanged();
    InvalidateGrid();
}

void TStringGrid::SetDefaultRowHeight(int height) {
    FDefaultRowHeight = height;
    std::fill(FRowHeights.begin(), FRowHeights.end(), height);
    InvalidateGrid();
}

int TStringGrid::ColWidths(int col) const {
    return col >= 0 && col < ColCount() ? FColWidths[col] : 0;
}

int TStringGrid::RowHeights(int row) const {
    return row >= 0 && row < RowCount() ? FRowHeights[row] : 0;
}

void TStringGrid::SetColWidth(int col, int width) {
    if (col < 0 || col >= ColCount() || FColWidths[col] == width)
        return;
    FColWidths[col] = width;
    ColWidthsChanged();
    InvalidateGrid();
}

void TStringGrid::SetRowHeight(int row, int height) {
    if (row < 0 || row >= RowCount() || FRowHeights[row] == height)
        return;
    FRowHeights[row] = height;
    InvalidateGrid();
}

QString TStringGrid::Cells(int col, int row) const {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        return {};
    return FCells[row][col];
}

void TStringGrid::SetCells(int col, int row, const QString& text) {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        return;
    FCells[row][col] = text;
    InvalidateCell(col, row);
}

void TStringGrid::MoveRow(int fromIndex, int toIndex) {
    if (fromIndex < 0 || fromIndex >= RowCount() || toIndex < 0 || toIndex >= RowCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    moveItem(FCells, fromIndex, toIndex);
    moveItem(FRowHeights, fromIndex, toIndex);
    FRow = movedIndex(FRow, fromIndex, toIndex);
    FAnchor.Y = movedIndex(FAnchor.Y, fromIndex, toIndex);
    InvalidateGrid();
}

void TStringGrid::MoveColumn(int fromIndex, int toIndex) {
    if (fromIndex < 0 || fromIndex >= ColCount() || toIndex < 0 || toIndex >= ColCount())
        throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
    for (auto& row : FCells)
        moveItem(row, fromIndex, toIndex);
    moveItem(FColWidths, fromIndex, toIndex);
    FCol = movedIndex(FCol, fromIndex, toIndex);
    FAnchor.X = movedIndex(FAnchor.X, fromIndex, toIndex);
    ColWidthsChanged();
    InvalidateGrid();
}

TGridRect TStringGrid::Selection() const {
    return {std::min(FCol, FAnchor.X), std::min(FRow, FAnchor.Y), std::max(FCol, FAnchor.X),
            std::max(FRow, FAnchor.Y)};
}

void TStringGrid::SetSelection(const TGridRect& selection) {
    HideEditor(true);
    FAnchor = {selection.Left, selection.Top};
    FCol = selection.Right;
    FRow = selection.Bottom;
    InvalidateGrid();
}

void TStringGrid::SetTopRow(int row) {
    UpdateScrollBars();
    verticalScrollBar()->setValue(std::clamp(row, FFixedRows, MaxTopRow()));
}

bool TStringGrid::EditorMode() const {
    return FEditing;
}

void TStringGrid::SetEditorMode(bool on) {
    if (on)
        ShowEditor();
    else
        HideEditor(true);
}

std::vector<int> TStringGrid::ColLefts() const {
    return lineStarts(FColWidths, FFixedCols, FLeftCol, viewport()->width());
}

std::vector<int> TStringGrid::RowTops() const {
    return lineStarts(FRowHeights, FFixedRows, FTopRow, viewport()->height());
}

TRect TStringGrid::CellRect(int col, int row) const {
    return CellRectAt(ColLefts(), RowTops(), col, row);
}

TRect TStringGrid::CellRectAt(const std::vector<int>& lefts, const std::vector<int>& tops, int col,
                              int row) const {
    const int left = startOf(lefts, col);
    const int top = startOf(tops, row);
    if (left < 0 || top < 0)
        return {};
    return {left, top, left + FColWidths[col], top + FRowHeights[row]};
}

TGridCoord TStringGrid::MouseCoord(int x, int y) const {
    const std::vector<int> lefts = ColLefts();
    const std::vector<int> tops = RowTops();
    TGridCoord found;
    for (int col = 0; col < int(lefts.size()); ++col) {
        if (lefts[col] >= 0 && x >= lefts[col] && x < lefts[col] + span(FColWidths[col]))
            found.X = col;
    }
    for (int row = 0; row < int(tops.size()); ++row) {
        if (tops[row] >= 0 && y >= tops[row] && y < tops[row] + span(FRowHeights[row]))
            found.Y = row;
    }
    if (found.X < 0 || found.Y < 0)
        return {};
    return found;
}

void TStringGrid::DrawCell(int col, int row, const TRect& rect, TGridDrawState state) {
    if (OnDrawCell) {
        OnDrawCell(this, col, row, rect, state);
        return;
    }
    FCanvas->FillRect(rect);
    TRect text{rect.Left + 2, rect.Top, rect.Right - 2, rect.Bottom};
    FCanvas->DrawText(Cells(col, row), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

bool TStringGrid::SelectCell(int col, int row) {
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

bool TStringGrid::CanEditShow() const {
    return (FOptions & goEditing) && FCol >= FFixedCols && FRow >= FFixedRows;
}

TInplaceEditList* TStringGrid::CreateEditor() {
    return new TInplaceEditList(this);
}

void TStringGrid::InvalidateCell(int col, int row) {
    // A grid out of sight paints everything when it is shown; loads fill many cells.
    if (!viewport()->isVisible())
        return;
    const TRect r = CellRect(col, row);
    if (!r.IsEmpty())
        viewport()->update(
            QRect(r.Left, r.Top, r.Width() + GridLineWidth, r.Height() + GridLineWidth));
}

void TStringGrid::InvalidateGrid() {
    UpdateScrollBars();
    PlaceEditor();
    viewport()->update();
}

void TStringGrid::paintEvent(QPaintEvent*) {
    TCanvas canvas(viewport());
    FCanvas = &canvas;
    const std::vector<int> lefts = ColLefts();
    const std::vector<int> tops = RowTops();
    canvas.Brush = Brush;
    canvas.FillRect({0, 0, viewport()->width(), viewport()->height()});
    for (int row = 0; row < int(tops.size()); ++row) {
        for (int col = 0; col < int(lefts.size()); ++col) {
            const TRect rect = CellRectAt(lefts, tops, col, row);
            if (rect.IsEmpty())
                continue;
            const TGridDrawState state = DrawStateOf(col, row);
            const bool fixed = state & gdFixed;
            PrepareCellCanvas(canvas, col, row, state);
            canvas.Painter().save();
            canvas.Painter().setClipRect(rect.Left, rect.Top, rect.Width(), rect.Height());
            DrawCell(col, row, rect, state);
            canvas.Painter().restore();
            canvas.Pen.Color = fixed ? clGray : clSilver;
            canvas.MoveTo(rect.Right, rect.Top);
            canvas.LineTo(rect.Right, rect.Bottom + 1);
            canvas.MoveTo(rect.Left, rect.Bottom);
            canvas.LineTo(rect.Right + 1, rect.Bottom);
        }
    }
    FCanvas = nullptr;
}

TGridDrawState TStringGrid::DrawStateOf(int col, int row) const {
    if (col < FFixedCols || row < FFixedRows)
        return gdFixed;
    if (!Selection().Contains(col, row))
        return 0;
    return gdSelected | (col == FCol && row == FRow && hasFocus() ? TGridDrawState(gdFocused) : 0);
}

void TStringGrid::PrepareCellCanvas(TCanvas& canvas, int, int, TGridDrawState state) const {
    canvas.Font = Font;
    canvas.Brush = Brush;
    if (state & gdFixed) {
        canvas.Brush.Color = FixedColor;
    } else if (state & gdSelected) {
        canvas.Brush.Color = clHighlight;
        canvas.Font.Color = clHighlightText;
    }
}

void TStringGrid::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const QPoint at = event->position().toPoint();
    const TGridCoord cell = MouseCoord(at.x(), at.y());
    if (event->button() != Qt::LeftButton || cell.X < FFixedCols || cell.Y < FFixedRows)
        return;
    if (cell.X != FCol || cell.Y != FRow) {
        MoveCurrent(cell.X, cell.Y);
        return;
    }
    // A click on the current cell is asked about as well: listeners learn the clicked cell
    // from it, also when it was current from the start.
    if (SelectCell(cell.X, cell.Y) && (FOptions & goEditing))
        ShowEditor();
}

void TStringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (OnDblClick)
        OnDblClick(this);
    if (event->button() == Qt::LeftButton && (FOptions & goEditing))
        ShowEditor();
}

int TStringGrid::NextVisibleCol(int col, int step) const {
    for (int c = col + step; c >= FFixedCols && c < ColCount(); c += step) {
        if (FColWidths[c] >= 0)
            return c;
    }
    return col;
}

int TStringGrid::NextVisibleRow(int row, int step) const {
    for (int r = row + step; r >= FFixedRows && r < RowCount(); r += step) {
        if (FRowHeights[r] >= 0)
            return r;
    }
    return row;
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    const int page = std::max(1, viewport()->height() / span(FDefaultRowHeight) - FFixedRows);
    switch (event->key()) {
    case Qt::Key_Left:
        MoveCurrent(NextVisibleCol(FCol, -1), FRow);
        break;
    case Qt::Key_Right:
        MoveCurrent(NextVisibleCol(FCol, 1), FRow);
        break;
    case Qt::Key_Up:
        MoveCurrent(FCol, NextVisibleRow(FRow, -1));
        break;
    case Qt::Key_Down:
        MoveCurrent(FCol, NextVisibleRow(FRow, 1));
        break;
    case Qt::Key_PageUp:
        MoveCurrent(FCol, std::max(FFixedRows, FRow - page));
        break;
    case Qt::Key_PageDown:
        MoveCurrent(FCol, std::min(RowCount() - 1, FRow + page));
        break;
    case Qt::Key_Home:
        ctrl ? MoveCurrent(FCol, FFixedRows) : MoveCurrent(FFixedCols, FRow);
        break;
    case Qt::Key_End:
        ctrl ? MoveCurrent(FCol, RowCount() - 1) : MoveCurrent(ColCount() - 1, FRow);
        break;
    case Qt::Key_Tab:
        if (!(FOptions & goTabs))
            return QAbstractScrollArea::keyPressEvent(event);
        MoveCurrent(NextVisibleCol(FCol, 1), FRow);
        break;
    case Qt::Key_F2:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!(FOptions & goEditing))
            return QAbstractScrollArea::keyPressEvent(event);
        ShowEditor();
        break;
    default:
        if ((FOptions & goEditing) && !ctrl && !event->text().isEmpty() &&
            event->text().at(0).isPrint()) {
            ShowEditor();
            if (FEditing) {
                FEditor->clear();
                FEditor->insert(event->text());
            }
            break;
        }
        return QAbstractScrollArea::keyPressEvent(event);
    }
    event->accept();
}

void TStringGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    PlaceEditor();
}

void TStringGrid::scrollContentsBy(int, int) {
    FTopRow = verticalScrollBar()->value();
    FLeftCol = horizontalScrollBar()->value();
    PlaceEditor();
    viewport()->update();
}

bool TStringGrid::focusNextPrevChild(bool next) {
    if ((FOptions & goTabs) && !FEditing)
        return false;
    return QAbstractScrollArea::focusNextPrevChild(next);
}

bool TStringGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched != FEditor || !FEditing)
        return QAbstractScrollArea::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (FEditor->ListVisible())
            return false;
        switch (key->key()) {
        case Qt::Key_Escape:
            HideEditor(false);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (key->modifiers().testFlag(Qt::ControlModifier))
                return false;
            HideEditor(true);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (key->modifiers().testFlag(Qt::AltModifier))
                return false;
            HideEditor(true);
            keyPressEvent(key);
            return true;
        default:
            return false;
        }
    }
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            SetEditText(FCol, FRow, FEditor->text());
    }
    return false;
}

bool TStringGrid::MoveCurrent(int col, int row) {
    col = std::clamp(col, FFixedCols, ColCount() - 1);
    row = std::clamp(row, FFixedRows, RowCount() - 1);
    if (col == FCol && row == FRow) {
        ScrollInView(col, row);
        return true;
    }
    if (!SelectCell(col, row))
        return false;
    HideEditor(true);
    InvalidateCell(FCol, FRow);
    if (FAnchor != TGridCoord{FCol, FRow})
        InvalidateGrid();
    FCol = col;
    FRow = row;
    FAnchor = {col, row};
    ScrollInView(col, row);
    InvalidateCell(FCol, FRow);
    return true;
}

void TStringGrid::ScrollInView(int col, int row) {
    UpdateScrollBars();
    const auto bottomOf = [this](int r) {
        const int top = startOf(RowTops(), r);
        return top < 0 ? -1 : top + FRowHeights[r];
    };
    const auto rightOf = [this](int c) {
        const int left = startOf(ColLefts(), c);
        return left < 0 ? -1 : left + FColWidths[c];
    };
    int top = std::min(FTopRow, row);
    if (row >= FFixedRows) {
        std::swap(FTopRow, top);
        while (FTopRow < row && (bottomOf(row) < 0 || bottomOf(row) > viewport()->height()))
            ++FTopRow;
        std::swap(FTopRow, top);
        verticalScrollBar()->setValue(top);
    }
    int left = std::min(FLeftCol, col);
    if (col >= FFixedCols) {
        std::swap(FLeftCol, left);
        while (FLeftCol < col && (rightOf(col) < 0 || rightOf(col) > viewport()->width()))
            ++FLeftCol;
        std::swap(FLeftCol, left);
        horizontalScrollBar()->setValue(left);
    }
}

void TStringGrid::ShowEditor() {
    if (!CanEditShow())
        return;
    if (!FEditor) {
        FEditor = CreateEditor();
        FEditor->installEventFilter(this);
    }
    FEditor->SetEditStyle(GetEditStyle(FCol, FRow));
    FEditor->setText(Cells(FCol, FRow));
    FEditor->UpdateContents();
    FEditing = true;
    PlaceEditor();
    FEditor->setFocus(Qt::OtherFocusReason);
    FEditor->selectAll();
}

void TStringGrid::HideEditor(bool keepText) {
    if (!FEditing)
        return;
    FEditing = false;
    if (keepText)
        SetEditText(FCol, FRow, FEditor->text());
    const bool hadFocus = FEditor->hasFocus();
    FEditor->hide();
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
}

void TStringGrid::PlaceEditor() {
    if (!FEditing)
        return;
    const TRect r = CellRect(FCol, FRow);
    if (r.IsEmpty()) {
        FEditor->hide();
        return;
    }
    const QPoint origin = viewport()->mapTo(this, QPoint(r.Left, r.Top));
    FEditor->setGeometry(QRect(origin, QSize(r.Width(), r.Height())));
    FEditor->show();
}

int TStringGrid::MaxTopRow() const {
    return maxFirstLine(FRowHeights, FFixedRows, viewport()->height());
}

int TStringGrid::MaxLeftCol() const {
    return maxFirstLine(FColWidths, FFixedCols, viewport()->width());
}

void TStringGrid::UpdateScrollBars() {
    verticalScrollBar()->setRange(FFixedRows, MaxTopRow());
    horizontalScrollBar()->setRange(FFixedCols, MaxLeftCol());
    verticalScrollBar()->setPageStep(std::max(1, viewport()->height() / span(FDefaultRowHeight)));
    horizontalScrollBar()->setPageStep(1);
}
