// The button grids: the tables behind KnpGrid and KbMsGrid, their in-place list editors and
// the clearing of both.

#include "components/grid/string_grid.h"
#include "configurator/model/item_lists.h"
#include "configurator/window/event_guard.h"
#include "configurator/window/main_form.h"
#include "configurator/window/named_control.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QPushButton>

namespace {

constexpr int TypeCol = 0;
constexpr int TimOfCol = 5;

// The table value that grid column col (1 Number .. 5 TimOf) edits.
int& Field(KnpRow& row, int col) {
    switch (col) {
    case 1:
        return row.number;
    case 2:
        return row.mode;
    case 3:
        return row.shift;
    case 4:
        return row.timOn;
    default:
        return row.timOf;
    }
}

int& Field(KbMsRow& row, int col) {
    return col == TypeCol ? row.type : Field(static_cast<KnpRow&>(row), col);
}

QString ItemOf(const QComboBox* combo, int index) {
    return index >= 0 && index < combo->count() ? combo->itemText(index) : QString();
}

// Runs the editor's Exit handler when it loses the focus to another control (not when its own
// list opens).
class EditorExitFilter final : public QObject {
public:
    EditorExitFilter(QObject* parent, std::function<void()> onExit)
        : QObject(parent), onExit_(std::move(onExit)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            RunGuarded(onExit_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onExit_;
};

bool IsDataCell(const TWkStringGrid& grid, int col, int row) {
    return row >= grid.FixedRows() && row < grid.RowCount() && col >= grid.FixedCols() &&
           col < grid.ColCount();
}

// The cell's rectangle in the coordinates of widget.
QRect CellRectIn(const TWkStringGrid& grid, int col, int row, const QWidget* widget) {
    const TRect r = grid.CellRect(col, row);
    return {grid.viewport()->mapTo(widget, QPoint(r.Left, r.Top)), QSize(r.Width(), r.Height())};
}

} // namespace

void TMForm::ConnectGridHandlers() {
    knpGrid_->OnSelectCell =
        TSelectCellEvent::FromCallable([this](QObject*, int col, int row, bool&) {
            RunGuarded([&] { KnpGridSelectCell(col, row); });
        });
    kbMsGrid_->OnSelectCell =
        TSelectCellEvent::FromCallable([this](QObject*, int col, int row, bool&) {
            RunGuarded([&] { KbMsGridSelectCell(col, row); });
        });
    knpGrid_->OnDblClick =
        TNotifyEvent::FromCallable([this](QObject*) { RunGuarded([this] { KnpGridDblClick(); }); });
    knpGrid_->OnEditButtonClick = TNotifyEvent::FromCallable(
        [this](QObject*) { RunGuarded([this] { KnpGridEditButtonClick(); }); });
    kbMsGrid_->OnDblClick = TNotifyEvent::FromCallable(
        [this](QObject*) { RunGuarded([this] { KbMsGridDblClick(); }); });
    kbMsGrid_->OnEditButtonClick = TNotifyEvent::FromCallable(
        [this](QObject*) { RunGuarded([this] { KbMsGridEditButtonClick(); }); });
    using Handler = void (TMForm::*)();
    static constexpr Handler changes[] = {
        &TMForm::KnpGrid_CB_TypeChange,  &TMForm::KnpGrid_CB_NumberChange,
        &TMForm::KnpGrid_CB_ModeChange,  &TMForm::KnpGrid_CB_ShiftChange,
        &TMForm::KnpGrid_CB_TimOnChange, &TMForm::KnpGrid_CB_TimOfChange};
    static constexpr Handler exits[] = {
        &TMForm::KnpGrid_CB_TypeExit,  &TMForm::KnpGrid_CB_NumberExit,
        &TMForm::KnpGrid_CB_ModeExit,  &TMForm::KnpGrid_CB_ShiftExit,
        &TMForm::KnpGrid_CB_TimOnExit, &TMForm::KnpGrid_CB_TimOfExit};
    static_assert(std::size(changes) == std::tuple_size_v<decltype(gridEditors_)>);
    for (std::size_t col = 0; col < gridEditors_.size(); ++col) {
        QComboBox* editor = gridEditors_[col];
        const Handler change = changes[col];
        const Handler exit = exits[col];
        connect(editor, &QComboBox::activated, this,
                Guarded([this, change] { (this->*change)(); }));
        editor->installEventFilter(new EditorExitFilter(editor, [this, exit] { (this->*exit)(); }));
    }
    connect(FindNamed<QPushButton>(*this, "BTN_ClearButtons"), &QPushButton::clicked, this,
            Guarded([this] { BTN_ClearButtonsClick(); }));
}

void TMForm::KnpGridSelectCell(int col, int row) {
    if (col == 0 || row == 0) {
        return;
    }
    state_.GridEdit.knp.col = col;
    state_.GridEdit.knp.row = row;
}

void TMForm::KbMsGridSelectCell(int col, int row) {
    if (row == 0) {
        return;
    }
    state_.GridEdit.kbms.col = col;
    state_.GridEdit.kbms.row = row;
}

void TMForm::KnpGridDblClick() {
    OpenGridEditor(knpGrid_, state_.GridEdit.knp, state_.GridEdit.kbms);
}

void TMForm::KbMsGridDblClick() {
    OpenGridEditor(kbMsGrid_, state_.GridEdit.kbms, state_.GridEdit.knp);
}

void TMForm::OpenGridEditor(TWkStringGrid* grid, GridEditorState& editor, GridEditorState& other) {
    if (!IsDataCell(*grid, editor.col, editor.row)) {
        return;
    }
    editor.open = true;
    other.open = false;
    QComboBox* combo = gridEditors_[editor.col];
    // The grids may show their cells in different fonts; the editor shows its items as the cell.
    combo->setFont(ToQFont(grid->Font));
    combo->setGeometry(CellRectIn(*grid, editor.col, editor.row, combo->parentWidget()));
    const QString text = grid->Cells(editor.col, editor.row);
    for (int i = combo->count() - 1; i >= 0; --i) {
        if (combo->itemText(i) == text) {
            combo->setCurrentIndex(i);
            break;
        }
    }
    combo->show();
    combo->raise();
    combo->setFocus(Qt::OtherFocusReason);
}

// The edit button opens the editor as a double click does.
void TMForm::KnpGridEditButtonClick() {
    KnpGridDblClick();
}

void TMForm::KbMsGridEditButtonClick() {
    KbMsGridDblClick();
}

// Leaving an editor stores what choosing in it stores.
void TMForm::KnpGrid_CB_TypeChange() {
    GridEditorDone(TypeCol);
}
void TMForm::KnpGrid_CB_NumberChange() {
    GridEditorDone(1);
}
void TMForm::KnpGrid_CB_ModeChange() {
    GridEditorDone(2);
}
void TMForm::KnpGrid_CB_ShiftChange() {
    GridEditorDone(3);
}
void TMForm::KnpGrid_CB_TimOnChange() {
    GridEditorDone(4);
}
void TMForm::KnpGrid_CB_TimOfChange() {
    GridEditorDone(TimOfCol);
}
void TMForm::KnpGrid_CB_TypeExit() {
    KnpGrid_CB_TypeChange();
}
void TMForm::KnpGrid_CB_NumberExit() {
    KnpGrid_CB_NumberChange();
}
void TMForm::KnpGrid_CB_ModeExit() {
    KnpGrid_CB_ModeChange();
}
void TMForm::KnpGrid_CB_ShiftExit() {
    KnpGrid_CB_ShiftChange();
}
void TMForm::KnpGrid_CB_TimOnExit() {
    KnpGrid_CB_TimOnChange();
}
void TMForm::KnpGrid_CB_TimOfExit() {
    KnpGrid_CB_TimOfChange();
}

void TMForm::GridEditorDone(int col) {
    QComboBox* combo = gridEditors_[col];
    const GridEditState edit = state_.GridEdit;
    state_.GridEdit.knp.open = false;
    state_.GridEdit.kbms.open = false;
    combo->hide();
    const int index = std::max(combo->currentIndex(), 0);
    if (edit.knp.open && col != TypeCol && IsDataCell(*knpGrid_, edit.knp.col, edit.knp.row)) {
        knpGrid_->SetCells(edit.knp.col, edit.knp.row, combo->currentText());
        Field(state_.KnpTable[edit.knp.row - 1], col) = index;
        knpGrid_->setFocus();
    }
    if (edit.kbms.open && IsDataCell(*kbMsGrid_, edit.kbms.col, edit.kbms.row)) {
        kbMsGrid_->SetCells(edit.kbms.col, edit.kbms.row, combo->currentText());
        Field(state_.KbMsTable[edit.kbms.row - 1], col) = index;
        kbMsGrid_->setFocus();
    }
}

void TMForm::BTN_ClearButtonsClick() {
    state_.KnpTable = {};
    state_.KbMsTable = {};
    ShowButtonTables();
}

void TMForm::ShowButtonTables() {
    for (int row = 1; row <= LogicalButtonCount; ++row) {
        KnpRow& values = state_.KnpTable[row - 1];
        for (int col = 1; col <= TimOfCol; ++col) {
            knpGrid_->SetCells(col, row, ItemOf(gridEditors_[col], Field(values, col)));
        }
    }
    for (int row = 1; row <= KbMsRowCount; ++row) {
        KbMsRow& values = state_.KbMsTable[row - 1];
        for (int col = TypeCol; col <= TimOfCol; ++col) {
            kbMsGrid_->SetCells(col, row, ItemOf(gridEditors_[col], Field(values, col)));
        }
    }
}
