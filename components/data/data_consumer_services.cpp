#include "components/data/data_consumer_services.h"

#include "components/data/data_consumer.h"
#include "components/data/data_errors.h"

TWkDataConsumer& TWkDataConsumerAggregatedObject::Consumer() const {
    return dynamic_cast<TWkDataConsumer&>(*Controller());
}

void TWkDataConsumerItemSelect::SetItem(const TWkDataItemID& id) {
    if (id == FItemID)
        return;
    if (id.isEmpty()) {
        SetItemIntf(nullptr);
        return;
    }
    TWkDataConsumer& consumer = Consumer();
    IWkDataProvider* provider = consumer.Provider();
    if (provider == nullptr)
        throw EWkDataConsumer(
            QStringLiteral("You must specify a provider before setting the item"));
    IWkDataItem* item = nullptr;
    {
        const EnterScope scope(consumer);
        auto* find = Supports<IWkDataItemsFind>(provider->RootItems());
        item = find != nullptr ? find->FindItem(id, true) : nullptr;
    }
    if (item == nullptr)
        throw EWkDataConsumer(QStringLiteral("Item not found in the selected context"));
    SetItemIntf(item);
}

void TWkDataConsumerItemSelect::SetItemIntf(IWkDataItem* item) {
    if (item == FItem)
        return;
    FItem = item;
    FItemID = item != nullptr ? item->ID() : TWkDataItemID();
    Consumer().ViewChanged(this);
}

void TWkDataConsumerItemSelect::ProviderNotifyChanging(TDataProviderChangeReason reason,
                                                       IWkInterface* source) {
    if (FItem == nullptr)
        return;
    // The selected item is about to go: with its list, on its own or below a deleted item.
    const bool itemGoes = reason == pcrUpdateItems || reason == pcrDestroy ||
                          (reason == pcrDelete && source != nullptr);
    if (itemGoes) {
        FItem = nullptr;
        FItemID.clear();
    }
}

void TWkDataConsumerViewList::SetLevelIndent(int indent) {
    if (indent == FLevelIndent)
        return;
    FLevelIndent = indent;
    Consumer().Changed(ccrOther);
}

IWkDataItem* TWkDataConsumerViewList::Item(int index) const {
    return Valid(index) ? FRows[index].Item : nullptr;
}

int TWkDataConsumerViewList::ItemLevel(int index) const {
    return Valid(index) ? FRows[index].Level() : 0;
}

bool TWkDataConsumerViewList::ItemIsExpanded(int index) const {
    return Valid(index) && (FRows[index].Flags & TViewListItem::Expanded);
}

bool TWkDataConsumerViewList::ItemHasChildren(int index) const {
    return Valid(index) && (FRows[index].Flags & TViewListItem::HasChildren);
}

int TWkDataConsumerViewList::IndexOfItem(IWkDataItem* item) const {
    for (int i = 0; i < Count(); ++i) {
        if (FRows[i].Item == item)
            return i;
    }
    return -1;
}

int TWkDataConsumerViewList::IndexOfID(const TWkDataItemID& id) const {
    for (int i = 0; i < Count(); ++i) {
        if (FRows[i].ItemID == id)
            return i;
    }
    return -1;
}

int TWkDataConsumerViewList::InsertRows(int position, IWkDataItems* list, int level,
                                        int expandLevel) {
    if (list == nullptr)
        return position;
    for (int i = 0; i < list->Count(); ++i) {
        IWkDataItem* item = list->Item(i);
        IWkDataItems* sub = Supports<IWkDataItems>(item);
        TViewListItem row{item->ID(), unsigned(level) & TViewListItem::LevelMask, item};
        if (sub != nullptr)
            row.Flags |= TViewListItem::HasSubList;
        if (sub != nullptr && sub->Count() > 0)
            row.Flags |= TViewListItem::HasChildren;
        const bool expand = (row.Flags & TViewListItem::HasChildren) && level < expandLevel;
        if (expand)
            row.Flags |= TViewListItem::Expanded;
        FRows.insert(FRows.begin() + position++, row);
        if (expand)
            position = InsertRows(position, sub, level + 1, expandLevel);
    }
    return position;
}

void TWkDataConsumerViewList::ToggleItem(int index) {
    if (!ItemHasChildren(index))
        return;
    TViewListItem& row = FRows[index];
    if (row.Flags & TViewListItem::Expanded) {
        row.Flags &= ~TViewListItem::Expanded;
        int end = index + 1;
        while (end < Count() && FRows[end].Level() > row.Level())
            ++end;
        FRows.erase(FRows.begin() + index + 1, FRows.begin() + end);
    } else {
        row.Flags |= TViewListItem::Expanded;
        // Children open closed, whatever the automatic level says.
        InsertRows(index + 1, Supports<IWkDataItems>(row.Item), row.Level() + 1, 0);
    }
    Consumer().ViewChanged(this);
}

void TWkDataConsumerViewList::Rebuild() {
    FRows.clear();
    IWkDataProvider* provider = Consumer().Provider();
    if (provider != nullptr)
        InsertRows(0, provider->RootItems(), 0, FAutoExpandLevel);
    Consumer().ViewChanged(this);
}

void TWkDataConsumerViewList::ProviderNotifyChanging(TDataProviderChangeReason reason,
                                                     IWkInterface*) {
    // Rows point at items: drop them before any item can go, rebuild once the change is done.
    if (reason != pcrUpdateItem)
        FRows.clear();
}

void TWkDataConsumerViewList::ProviderNotifyChanged(TDataProviderChangeReason reason,
                                                    IWkInterface*) {
    if (reason != pcrUpdateItem && reason != pcrDestroy)
        Rebuild();
}

int TWkDataConsumerViewList::ItemParentIndex(int index) const {
    if (!Valid(index))
        return -1;
    const int level = FRows[index].Level();
    for (int i = index - 1; i >= 0; --i) {
        if (FRows[i].Level() < level)
            return i;
    }
    return -1;
}

int TWkDataConsumerViewList::ItemSiblingIndex(int index) const {
    if (!Valid(index))
        return -1;
    const int level = FRows[index].Level();
    for (int i = index + 1; i < Count(); ++i) {
        if (FRows[i].Level() == level)
            return i;
        if (FRows[i].Level() < level)
            return -1;
    }
    return -1;
}

int TWkDataConsumerViewList::SubItemIndex(int parent, int index) const {
    int row = parent + 1;
    if (parent < -1 || !Valid(row))
        return -1;
    for (int step = 0; step < index; ++step) {
        row = ItemSiblingIndex(row);
        if (row < 0)
            return -1;
    }
    return row;
}
