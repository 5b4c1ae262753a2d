#include "configurator/window/tab_order.h"

#include <QWidget>
#include <algorithm>
#include <numeric>

namespace {

// Controls whose tops lie closer together than this share a row: less than the smallest row
// step of the window's layouts.
constexpr int RowTolerance = 8;

// Sorts items into reading order by the top-left corner place(item) gives: rows from the top,
// each from left to right.
template <typename Item, typename Place> void SortInReadingOrder(QList<Item>& items, Place place) {
    std::stable_sort(items.begin(), items.end(),
                     [&](const Item& a, const Item& b) { return place(a).y() < place(b).y(); });
    QList<int> rows;
    int rowTop = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const int top = place(items[i]).y();
        if (i == 0 || top - rowTop > RowTolerance) {
            rowTop = top;
            rows << (rows.isEmpty() ? 0 : rows.last() + 1);
        } else {
            rows << rows.last();
        }
    }
    QList<qsizetype> order(items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        if (rows[a] != rows[b]) {
            return rows[a] < rows[b];
        }
        return place(items[a]).x() < place(items[b]).x();
    });
    QList<Item> sorted;
    for (qsizetype i : order) {
        sorted << items[i];
    }
    items = sorted;
}

bool TabStopsAt(const QWidget* control, const QWidget* container) {
    return (control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(container);
}

} // namespace

TabGroups::TabGroups(QWidget* container) : container_(container) {}

void TabGroups::EndGroup() {
    QList<QWidget*> group;
    for (QObject* child : container_->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control != nullptr && !grouped_.contains(control)) {
            grouped_.insert(control);
            if (TabStopsAt(control, container_)) {
                group << control;
            }
        }
    }
    if (!group.isEmpty()) {
        SortInReadingOrder(group, [](const QWidget* control) { return control->pos(); });
        groups_ << group;
    }
}

void TabGroups::Apply() {
    EndGroup();
    SortInReadingOrder(groups_, [](const QList<QWidget*>& group) { return group.first()->pos(); });
    QWidget* previous = nullptr;
    for (const QList<QWidget*>& group : groups_) {
        for (QWidget* control : group) {
            if (previous != nullptr) {
                QWidget::setTabOrder(previous, control);
            }
            previous = control;
        }
    }
}
