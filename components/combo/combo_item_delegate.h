#pragma once
// Draws the items of an owner-drawn combo box's open list by asking the box itself, so the list
// and the closed face share one drawing routine.

#include <QAbstractItemDelegate>

class TWkCustomComboBox;

class TWkComboItemDelegate final : public QAbstractItemDelegate {
public:
    explicit TWkComboItemDelegate(TWkCustomComboBox& owner);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    TWkCustomComboBox& owner_;
};
