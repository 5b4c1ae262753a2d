// Item and edit-part heights of TWkCustomComboBox under its three measure styles.

#include "components/combo/combo_box.h"
#include "components/combo/combo_box_provider.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>

namespace {

// Where a measured item keeps its height: the model's own data, so it moves with the item.
constexpr int MeasuredHeightRole = Qt::UserRole + 0x4D48;

} // namespace

int TWkCustomComboBox::ItemHeightOf(int index) {
    if (FStyle != TComboBoxStyle::csOwnerDrawVariable)
        return FLastSetItemHeight;
    const QVariant kept = itemData(index, MeasuredHeightRole);
    if (kept.isValid())
        return kept.toInt();
    int height = FLastSetItemHeight;
    MeasureItem(index, height);
    return height;
}

void TWkCustomComboBox::MeasureItem(int index, int& height) {
    if (FMeasureStyle == cmsStandard)
        MeasureItemHeight(index, height);
}

void TWkCustomComboBox::MeasureItemHeight(int index, int& height) {
    if (OnMeasureItem && IsOwnerDrawn())
        OnMeasureItem(*this, index, height);
    if (ProviderIsActive())
        FProviderLink->MeasureItem(index, height);
}

// A list item's new height shows at the list's next layout, which is asked for once the
// current paint is over: heights measured while drawing must not lay the list out under it.
void TWkCustomComboBox::SetItemHeightOf(int index, int height) {
    if (index < 0) {
        if (height == FEditHeight)
            return;
        FEditHeight = height;
        updateGeometry();
        update();
        return;
    }
    if (FStyle != TComboBoxStyle::csOwnerDrawVariable || index >= count() ||
        itemData(index, MeasuredHeightRole) == QVariant(height))
        return;
    setItemData(index, height, MeasuredHeightRole);
    if (ListMade())
        QMetaObject::invokeMethod(view(), &QAbstractItemView::doItemsLayout, Qt::QueuedConnection);
}

void TWkCustomComboBox::MeasureAfterCreate() {
    const int last = FStyle == TComboBoxStyle::csOwnerDrawVariable ? count() - 1 : -1;
    for (int index = -1; index <= last; ++index) {
        int height = FLastSetItemHeight;
        MeasureItemHeight(index, height);
        SetItemHeightOf(index, height);
    }
}

void TWkCustomComboBox::MeasureBeforeDraw(int index, TOwnerDrawState state) {
    if (FMeasureStyle != cmsBeforeDraw || FStyle != TComboBoxStyle::csOwnerDrawVariable)
        return;
    const int measured = state & odComboBoxEdit ? -1 : index;
    int height = FLastSetItemHeight;
    MeasureItemHeight(measured, height);
    SetItemHeightOf(measured, height);
}

// The box and its items exist from the first show on.
void TWkCustomComboBox::showEvent(QShowEvent* event) {
    TWkExCustomComboBox::showEvent(event);
    if (FMeasureStyle == cmsAfterCreate && !FMeasuredAfterCreate) {
        FMeasuredAfterCreate = true;
        MeasureAfterCreate();
    }
}

QSize TWkCustomComboBox::WithEditHeight(QSize hint) const {
    if (FEditHeight < 0)
        return hint;
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QSize framed = style()->sizeFromContents(QStyle::CT_ComboBox, &option,
                                                   QSize(hint.width(), FEditHeight), this);
    return QSize(hint.width(), framed.height());
}

QSize TWkCustomComboBox::sizeHint() const {
    return WithEditHeight(TWkExCustomComboBox::sizeHint());
}

QSize TWkCustomComboBox::minimumSizeHint() const {
    return WithEditHeight(TWkExCustomComboBox::minimumSizeHint());
}
