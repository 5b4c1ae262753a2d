#include "components/data/data_items.h"

#include "components/data/data_errors.h"

TWkBaseDataItems::TWkBaseDataItems(IWkDataProvider* provider) : FProvider(provider) {}

TWkBaseDataItems::TWkBaseDataItems(TWkBaseDataItem& parent)
    : FParent(&parent), FProvider(parent.Items() ? parent.Items()->Provider() : nullptr),
      FSubAggregate(parent.AddExtension<TWkBaseDataItemSubItems>(this)) {}

TWkBaseDataItems::~TWkBaseDataItems() {
    if (FSubAggregate == nullptr)
        return;
    // Going before the extension that holds it: unlink, and let the parent drop the extension
    // without freeing this list a second time.
    TWkBaseDataItemSubItems* extension = FSubAggregate;
    FSubAggregate = nullptr;
    extension->FList = nullptr;
    (void)extension->FOwned.release();
    FParent->RemoveExtension(extension);
}

IWkDataItem* TWkBaseDataItems::Item(int index) const {
    TWkBaseDataItem* item = ItemObject(index);
    if (item == nullptr)
        throw EWkDataItems(QStringLiteral("List index out of bounds (%1)").arg(index));
    return item;
}

IWkDataItem* TWkBaseDataItems::FindItem(const TWkDataItemID& id, bool recurse) {
    for (int i = Count() - 1; i >= 0; --i) {
        TWkBaseDataItem* item = ItemObject(i);
        if (item->ID() == id)
            return item;
    }
    if (!recurse)
        return nullptr;
    for (int i = Count() - 1; i >= 0; --i) {
        auto* find = Supports<IWkDataItemsFind>(ItemObject(i)->SubItems());
        if (IWkDataItem* found = find != nullptr ? find->FindItem(id, true) : nullptr)
            return found;
    }
    return nullptr;
}

void* TWkBaseDataItems::OwnInterface(const QUuid& iid) {
    if (iid == IWkDataItems::IID)
        return static_cast<IWkDataItems*>(this);
    if (iid == IWkDataItemsFind::IID)
        return static_cast<IWkDataItemsFind*>(this);
    return nullptr;
}

TWkDataItemsList::~TWkDataItemsList() {
    ClearItems();
}

TWkBaseDataItem* TWkDataItemsList::ItemObject(int index) const {
    return index >= 0 && index < Count() ? FList[index].get() : nullptr;
}

void TWkDataItemsList::Append(std::unique_ptr<TWkBaseDataItem> item) {
    FList.push_back(std::move(item));
}

std::unique_ptr<TWkBaseDataItem> TWkDataItemsList::Take(int index) {
    if (index < 0 || index >= Count())
        return nullptr;
    std::unique_ptr<TWkBaseDataItem> item = std::move(FList[index]);
    FList.erase(FList.begin() + index);
    return item;
}

void TWkDataItemsList::Move(int from, int to) {
    if (from < 0 || from >= Count() || to < 0 || to >= Count())
        throw EWkDataItems(QStringLiteral("List index out of bounds (%1)").arg(from));
    std::unique_ptr<TWkBaseDataItem> item = std::move(FList[from]);
    FList.erase(FList.begin() + from);
    FList.insert(FList.begin() + to, std::move(item));
}

void TWkDataItemsList::ClearItems() {
    FreeLastFirst(FList);
}

TWkBaseDataItemSubItems::~TWkBaseDataItemSubItems() {
    if (FList != nullptr)
        FList->FSubAggregate = nullptr;
}

void* TWkBaseDataItemSubItems::OwnInterface(const QUuid& iid) {
    return FList != nullptr ? FList->QueryInterface(iid) : nullptr;
}

TWkDataItemsList* MakeSubItems(TWkBaseDataItem& item) {
    if (auto* existing = item.FindExtension<TWkBaseDataItemSubItems>())
        item.RemoveExtension(existing);
    auto list = std::make_unique<TWkDataItemsList>(item);
    TWkDataItemsList* made = list.get();
    item.FindExtension<TWkBaseDataItemSubItems>()->Adopt(std::move(list));
    return made;
}

TWkBaseDataItems& TWkBaseDataItemsListManagement::List() const {
    return dynamic_cast<TWkBaseDataItems&>(*Controller());
}

namespace {

void changing(TWkBaseDataItems& list, TDataProviderChangeReason reason, IWkInterface* source) {
    if (IWkDataProvider* provider = list.Provider())
        provider->NotifyChanging(reason, source);
}

void changed(TWkBaseDataItems& list, TDataProviderChangeReason reason, IWkInterface* source) {
    if (IWkDataProvider* provider = list.Provider())
        provider->NotifyChanged(reason, source);
}

} // namespace

TWkBaseDataItem* TWkBaseDataItemsListManagement::Add(std::unique_ptr<TWkBaseDataItem> item) {
    TWkBaseDataItems& list = List();
    changing(list, pcrAdd, static_cast<IWkDataItems*>(&list));
    TWkBaseDataItem* added = item.get();
    list.Append(std::move(item));
    changed(list, pcrAdd, static_cast<IWkDataItem*>(added));
    return added;
}

void TWkBaseDataItemsListManagement::Clear() {
    TWkBaseDataItems& list = List();
    changing(list, pcrUpdateItems, static_cast<IWkDataItems*>(&list));
    list.ClearItems();
    changed(list, pcrUpdateItems, static_cast<IWkDataItems*>(&list));
}

void TWkBaseDataItemsListManagement::Delete(int index) {
    TWkBaseDataItems& list = List();
    TWkBaseDataItem* item = list.ItemObject(index);
    if (item == nullptr)
        return;
    if (!item->Deletable())
        throw EWkDataItems(QStringLiteral("Item cannot be deleted"));
    changing(list, pcrDelete, static_cast<IWkDataItem*>(item));
    list.Take(index).reset();
    changed(list, pcrDelete, nullptr);
}

void TWkBaseDataItemsListManagement::Remove(TWkBaseDataItem* item) {
    if (item == nullptr)
        return;
    if (!item->Deletable())
        throw EWkDataItems(QStringLiteral("Item cannot be deleted"));
    const int index = item->Items() == &List() ? item->Index() : -1;
    if (index >= 0)
        Delete(index);
}
