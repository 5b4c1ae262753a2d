#include "components/combo/combo_item_delegate.h"

#include "components/combo/combo_box.h"
#include "platform/ui/canvas.h"

TWkComboItemDelegate::TWkComboItemDelegate(TWkCustomComboBox& owner)
    : QAbstractItemDelegate(&owner), owner_(owner) {}

void TWkComboItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    TOwnerDrawState state = 0;
    if (option.state & QStyle::State_Selected)
        state |= odSelected;
    if (option.state & QStyle::State_HasFocus)
        state |= odFocused;
    if (!(option.state & QStyle::State_Enabled))
        state |= odDisabled;
    painter->save();
    {
        TCanvas canvas(*painter);
        owner_.DrawRequest(canvas, index.row(), FromQRect(option.rect), state);
    }
    painter->restore();
}

QSize TWkComboItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const {
    return QSize(option.rect.width(), owner_.ItemHeightOf(index.row()));
}
