#include "components/grid/ex_inplace_edit_list.h"

#include "components/grid/string_grid.h"

#include <QFocusEvent>

TExInplaceEditList::TExInplaceEditList(TWkStringGrid* grid) : FGrid(grid) {
    UpdateAlignment();
}

void TExInplaceEditList::UpdateAlignment() {
    const Qt::Alignment horizontal = FGrid->Alignment() == taRightJustify ? Qt::AlignRight
                                     : FGrid->Alignment() == taCenter     ? Qt::AlignHCenter
                                                                          : Qt::AlignLeft;
    setAlignment(horizontal | Qt::AlignVCenter);
}

void TExInplaceEditList::UpdateContents() {
    TWkExInplaceEditList::UpdateContents();
    if (EditStyle() == esPickList)
        SetPickList(FGrid->PickListStrings());
}

void TExInplaceEditList::CloseUp(bool accept) {
    const bool wasOpen = ListVisible();
    TWkExInplaceEditList::CloseUp(accept);
    if (wasOpen)
        FGrid->ListBoxCloseUp();
}

void TExInplaceEditList::EditButtonClick() {
    FGrid->EditButtonClick();
}

bool TExInplaceEditList::HandleSetFocus(QEvent* event) {
    // Coming back from the own pick list is no new visit of the cell.
    if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        FLastCol = FGrid->Col();
        FLastRow = FGrid->Row();
    }
    return TWkExInplaceEditList::HandleSetFocus(event);
}

bool TExInplaceEditList::HandleKillFocus(QEvent* event) {
    if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        FGrid->ExitCell(text(), FLastCol, FLastRow);
    return TWkExInplaceEditList::HandleKillFocus(event);
}
