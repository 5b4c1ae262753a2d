#include "components/data/consumer_view_list.h"

#include "components/data/data_consumer.h"
#include "components/data/data_errors.h"

#include <deque>

namespace {

IWkDataItems* ViewSource(const TWkDataConsumer& consumer) {
    if (IWkDataItems* own = consumer.ItemSource())
        return own;
    IWkDataProvider* provider = consumer.Provider();
    return provider != nullptr ? provider->RootItems() : nullptr;
}

TViewListItem MakeRow(IWkDataItem* item, int level) {
    TViewListItem row{item->ID(), unsigned(level) & TViewListItem::LevelMask};
    if (IWkDataItems* sub = Supports<IWkDataItems>(item)) {
        row.Flags |= TViewListItem::HasSubList;
        if (sub->Count() > 0)
            row.Flags |= TViewListItem::HasChildren;
    }
    return row;
}

} // namespace

bool ItemVisible(IWkDataItem* item) {
    auto* state = Supports<IWkDataItemState>(item);
    return state == nullptr || state->Visible();
}

void TWkCustomDataConsumerViewList::SetLevelIndent(int indent) {
    if (indent == FLevelIndent)
        return;
    FLevelIndent = indent;
    Changed(ccrOther);
}

void TWkCustomDataConsumerViewList::ProviderChanging() {
    ClearRows();
}

void TWkCustomDataConsumerViewList::ExpandTreeTo(IWkDataItem* item) {
    IWkDataItems* source = ViewSource(Consumer());
    std::deque<IWkDataItem*> ancestors;
    IWkDataItems* list = item != nullptr ? item->OwnerList() : nullptr;
    while (list != nullptr && list != source) {
        IWkDataItem* parent = list->ParentItem();
        if (parent == nullptr)
            return; // not an item of this view
        ancestors.push_front(parent);
        list = parent->OwnerList();
    }
    if (list == nullptr)
        return;
    for (IWkDataItem* ancestor : ancestors) {
        const int row = IndexOfItem(ancestor);
        if (row < 0) {
            // Its parent row is open (or it is a root): a visible item must have a row.
            if (ItemVisible(ancestor))
                throw EWkDataConsumer(QStringLiteral("ViewList out of sync"));
            return;
        }
        if (!ItemIsExpanded(row)) {
            RefreshRow(ancestor);
            ToggleItem(row);
        }
    }
}

TViewListGroupInfo TWkCustomDataConsumerViewList::ItemGroupInfo(int index) const {
    if (index < 0 || index >= Count())
        return {};
    TViewListGroupInfo info;
    info.Parent = ItemParentIndex(index);
    info.Count = 0;
    for (int row = SubItemIndex(info.Parent, 0); row >= 0; row = ItemSiblingIndex(row)) {
        if (row == index)
            info.Position = info.Count;
        ++info.Count;
    }
    return info;
}

IWkDataItems* TWkDataConsumerViewList::Source() const {
    return ViewSource(Consumer());
}

IWkDataItem* TWkDataConsumerViewList::Item(int index) const {
    return Valid(index) ? FindItemBelow(Source(), FRows[index].ItemID) : nullptr;
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
    return item != nullptr ? IndexOfID(item->ID()) : -1;
}

int TWkDataConsumerViewList::IndexOfID(const TWkDataItemID& id) const {
    for (int i = 0; i < Count(); ++i) {
        if (FRows[i].ItemID == id)
            return i;
    }
    return -1;
}

int TWkDataConsumerViewList::ChildIndexOfItem(IWkDataItem* item) const {
    return ItemGroupInfo(IndexOfItem(item)).Position;
}

int TWkDataConsumerViewList::ChildIndexOfID(const TWkDataItemID& id) const {
    return ItemGroupInfo(IndexOfID(id)).Position;
}

int TWkDataConsumerViewList::LevelOf(IWkDataItem* item) const {
    IWkDataItems* source = Source();
    int level = 0;
    for (IWkDataItems* list = item != nullptr ? item->OwnerList() : nullptr; list != nullptr;
         ++level) {
        if (list == source)
            return level;
        IWkDataItem* parent = list->ParentItem();
        list = parent != nullptr ? parent->OwnerList() : nullptr;
    }
    return -1;
}

int TWkDataConsumerViewList::EndOfSubtree(int index) const {
    int end = index + 1;
    while (end < Count() && FRows[end].Level() > FRows[index].Level())
        ++end;
    return end;
}

int TWkDataConsumerViewList::InsertRows(int position, IWkDataItems* list, int level) {
    if (list == nullptr)
        return position;
    for (int i = 0; i < list->Count(); ++i) {
        IWkDataItem* item = list->Item(i);
        if (!ItemVisible(item))
            continue;
        TViewListItem row = MakeRow(item, level);
        const bool expand = (row.Flags & TViewListItem::HasChildren) &&
                            (level < FRebuildExpandLevel || FReopen.contains(row.ItemID));
        if (expand)
            row.Flags |= TViewListItem::Expanded;
        FRows.insert(FRows.begin() + position++, row);
        if (expand)
            position = InsertRows(position, Supports<IWkDataItems>(item), level + 1);
    }
    return position;
}

void TWkDataConsumerViewList::RemoveRows(int index, int end) {
    FRows.erase(FRows.begin() + index, FRows.begin() + end);
}

void TWkDataConsumerViewList::RememberExpanded(int begin, int end) {
    for (int i = begin; i < end; ++i) {
        if (FRows[i].Flags & TViewListItem::Expanded)
            FReopen.insert(FRows[i].ItemID);
    }
}

void TWkDataConsumerViewList::ToggleItem(int index) {
    if (!ItemHasChildren(index))
        return;
    TViewListItem& row = FRows[index];
    if (row.Flags & TViewListItem::Expanded) {
        row.Flags &= ~TViewListItem::Expanded;
        RemoveRows(index + 1, EndOfSubtree(index));
    } else {
        row.Flags |= TViewListItem::Expanded;
        // Children open closed, whatever the automatic level says.
        InsertRows(index + 1, Supports<IWkDataItems>(Item(index)), row.Level() + 1);
    }
    Consumer().ViewChanged(this);
}

void TWkDataConsumerViewList::Rebuild(bool keepExpanded) {
    FReopen.clear();
    if (keepExpanded)
        RememberExpanded(0, Count());
    FRows.clear();
    if (Consumer().Provider() != nullptr) {
        FRebuildExpandLevel = AutoExpandLevel();
        InsertRows(0, Source(), 0);
        FRebuildExpandLevel = 0;
    }
    FReopen.clear();
    Consumer().ViewChanged(this);
}

int TWkDataConsumerViewList::RefreshRow(IWkDataItem* item) {
    const int index = IndexOfItem(item);
    if (index < 0)
        return -1;
    TViewListItem& row = FRows[index];
    const unsigned kept = row.Flags & (TViewListItem::LevelMask | TViewListItem::Expanded);
    row.Flags = (MakeRow(item, 0).Flags & ~TViewListItem::LevelMask) | kept;
    if (!(row.Flags & TViewListItem::HasChildren) && (row.Flags & TViewListItem::Expanded)) {
        row.Flags &= ~TViewListItem::Expanded;
        RemoveRows(index + 1, EndOfSubtree(index));
    }
    return index;
}

int TWkDataConsumerViewList::InsertionPoint(IWkDataItem* item, int parentRow) const {
    IWkDataItems* list = item->OwnerList();
    int at = list->Count() - 1;
    while (at >= 0 && list->Item(at) != item)
        --at;
    for (int i = at - 1; i >= 0; --i) {
        const int row = IndexOfItem(list->Item(i));
        if (row > parentRow)
            return EndOfSubtree(row);
    }
    return parentRow + 1;
}

void TWkDataConsumerViewList::ItemAdded(IWkDataItem* item) {
    const int level = LevelOf(item);
    if (level < 0)
        return;
    if (level == 0) {
        if (ItemVisible(item))
            FRows.insert(FRows.begin() + InsertionPoint(item, -1), MakeRow(item, 0));
        return;
    }
    IWkDataItem* parent = item->OwnerList()->ParentItem();
    const int parentRow = RefreshRow(parent);
    if (parentRow >= 0 && ItemIsExpanded(parentRow)) {
        if (ItemVisible(item))
            FRows.insert(FRows.begin() + InsertionPoint(item, parentRow), MakeRow(item, level));
        return;
    }
    if (!ExpandOnNewItem())
        return;
    ExpandTreeTo(parent);
    const int shown = RefreshRow(parent);
    if (shown >= 0 && !ItemIsExpanded(shown))
        ToggleItem(shown);
}

void TWkDataConsumerViewList::ItemUpdated(IWkDataItem* item) {
    const int level = LevelOf(item);
    if (level < 0)
        return;
    const int row = IndexOfItem(item);
    const bool visible = ItemVisible(item);
    if (row >= 0) {
        if (visible)
            RefreshRow(item);
        else
            RemoveRows(row, EndOfSubtree(row));
        return;
    }
    if (!visible)
        return;
    int parentRow = -1;
    if (level > 0) {
        parentRow = IndexOfItem(item->OwnerList()->ParentItem());
        if (!ItemIsExpanded(parentRow))
            return;
    }
    FRows.insert(FRows.begin() + InsertionPoint(item, parentRow), MakeRow(item, level));
}

void TWkDataConsumerViewList::ListChanging(IWkDataItems* list) {
    FChangingParentKnown = false;
    // Every row is read again once the change is done.
    const auto rereadAll = [this] {
        RememberExpanded(0, Count());
        FRows.clear();
        FChangingParent.clear();
        FChangingParentKnown = true;
    };
    IWkDataItems* source = Source();
    if (list == source) {
        rereadAll();
        return;
    }
    IWkDataItem* parent = list != nullptr ? list->ParentItem() : nullptr;
    const int parentRow = IndexOfItem(parent);
    if (parentRow >= 0) {
        const int end = EndOfSubtree(parentRow);
        RememberExpanded(parentRow + 1, end);
        RemoveRows(parentRow + 1, end);
        FChangingParent = parent->ID();
        FChangingParentKnown = true;
        return;
    }
    // A change of something else than a list, or of a list above the view's source: read
    // everything again once it is done.
    bool above = list == nullptr;
    for (IWkDataItems* walk = source; walk != nullptr && !above;) {
        IWkDataItem* owner = walk->ParentItem();
        walk = owner != nullptr ? owner->OwnerList() : nullptr;
        above = walk == list;
    }
    if (above)
        rereadAll();
}

void TWkDataConsumerViewList::ListChanged() {
    if (!FChangingParentKnown)
        return;
    FChangingParentKnown = false;
    if (FChangingParent.isEmpty()) {
        InsertRows(0, Source(), 0);
    } else {
        IWkDataItem* parent = FindItemBelow(Source(), FChangingParent);
        const int parentRow = RefreshRow(parent);
        if (parentRow >= 0 && ItemIsExpanded(parentRow))
            InsertRows(parentRow + 1, Supports<IWkDataItems>(parent), ItemLevel(parentRow) + 1);
    }
    FReopen.clear();
}

void TWkDataConsumerViewList::ProviderNotifyChanging(TDataProviderChangeReason reason,
                                                     IWkInterface* source) {
    switch (reason) {
    case pcrDelete: {
        IWkDataItem* item = Supports<IWkDataItem>(source);
        const int row = IndexOfItem(item);
        if (row >= 0)
            RemoveRows(row, EndOfSubtree(row));
        IWkDataItems* list = item != nullptr ? item->OwnerList() : nullptr;
        IWkDataItem* parent = list != nullptr ? list->ParentItem() : nullptr;
        FChangingParent = parent != nullptr ? parent->ID() : TWkDataItemID();
        FChangingParentKnown = parent != nullptr;
        break;
    }
    case pcrUpdateItems:
        ListChanging(Supports<IWkDataItems>(source));
        break;
    case pcrDestroy:
        FRows.clear();
        break;
    default:
        break;
    }
}

void TWkDataConsumerViewList::ProviderNotifyChanged(TDataProviderChangeReason reason,
                                                    IWkInterface* source) {
    switch (reason) {
    case pcrAdd:
        ItemAdded(Supports<IWkDataItem>(source));
        break;
    case pcrDelete:
        if (FChangingParentKnown) {
            FChangingParentKnown = false;
            RefreshRow(FindItemBelow(Source(), FChangingParent));
        }
        break;
    case pcrUpdateItems:
        ListChanged();
        break;
    case pcrUpdateItem:
        ItemUpdated(Supports<IWkDataItem>(source));
        break;
    default:
        break;
    }
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
    if (parent < -1 || parent >= Count() || !Valid(row))
        return -1;
    // A closed or childless parent row has no child rows below it.
    if (parent >= 0 && FRows[row].Level() <= FRows[parent].Level())
        return -1;
    for (int step = 0; step < index; ++step) {
        row = ItemSiblingIndex(row);
        if (row < 0)
            return -1;
    }
    return row;
}

int TWkDataConsumerViewList::SubItemIndex(IWkDataItem* parent, int index) const {
    if (parent == nullptr)
        return SubItemIndex(-1, index);
    // A parent without a row has no child rows, rather than standing for the roots.
    const int row = IndexOfItem(parent);
    return row >= 0 ? SubItemIndex(row, index) : -1;
}
