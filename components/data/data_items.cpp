#include "components/data/data_items.h"

#include "components/data/data_errors.h"

namespace {

[[noreturn]] void outOfBounds(int index) {
    throw EWkDataItems(QStringLiteral("List index out of bounds (%1)").arg(index));
}

} // namespace

TWkBaseDataItems::TWkBaseDataItems(IWkDataProvider* provider) : FProvider(provider) {}

TWkBaseDataItems::TWkBaseDataItems(TWkBaseDataItem& parent)
    : FParent(&parent), FProvider(parent.Items() ? parent.Items()->Provider() : nullptr) {
    parent.AddExtension<TWkBaseDataItemSubItems>(this);
}

TWkBaseDataItems::~TWkBaseDataItems() {
    FParentIntf.Reset();
    if (FSubAggregate == nullptr)
        return;
    // Going before the extension that holds it: unlink, and let the parent drop the extension
    // without releasing this list a second time.
    TWkBaseDataItemSubItems* extension = std::exchange(FSubAggregate, nullptr);
    extension->FList = nullptr;
    FParent->RemoveExtension(extension);
}

int TWkBaseDataItems::AddRef() {
    const int count = TExtensibleInterfacedPersistent::AddRef();
    UpdateParentHold();
    return count;
}

int TWkBaseDataItems::Release() {
    if (FRefCount == 1)
        return TExtensibleInterfacedPersistent::Release();
    const int count = TExtensibleInterfacedPersistent::Release();
    UpdateParentHold();
    return count;
}

void TWkBaseDataItems::UpdateParentHold() {
    if (FParent == nullptr)
        return;
    const bool wanted = FRefCount > (FSubAggregate != nullptr ? 1 : 0);
    if (wanted == bool(FParentIntf))
        return;
    if (wanted)
        FParentIntf = TWkRef<IWkDataItem>(FParent);
    else
        FParentIntf.Reset();
}

IWkDataItem* TWkBaseDataItems::Item(int index) const {
    TWkBaseDataItem* item = ItemObject(index);
    if (item == nullptr)
        outOfBounds(index);
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
        if (IWkDataItem* found = FindItemBelow(ItemObject(i)->SubItems(), id))
            return found;
    }
    return nullptr;
}

void TWkBaseDataItems::ContextDestroying(IWkDataContext* context) {
    for (IWkDataContextDestroying* extension : ExtensionsSupporting<IWkDataContextDestroying>())
        extension->ContextDestroying(context);
    for (int i = 0; i < Count(); ++i)
        ItemObject(i)->ContextDestroying(context);
}

void* TWkBaseDataItems::OwnInterface(const QUuid& iid) {
    if (iid == IWkDataItems::IID)
        return static_cast<IWkDataItems*>(this);
    if (iid == IWkDataItemsFind::IID)
        return static_cast<IWkDataItemsFind*>(this);
    if (iid == IWkDataContextDestroying::IID)
        return static_cast<IWkDataContextDestroying*>(this);
    return nullptr;
}

TWkDataItemsList::~TWkDataItemsList() {
    // Items that outlive the list (counted and still referenced) keep no link to it.
    while (!FList.empty()) {
        const Entry last = FList.back();
        FList.pop_back();
        last.item->Orphan();
        LetGo(last);
    }
}

void TWkDataItemsList::LetGo(const Entry& entry) {
    if (entry.counted)
        entry.item->LeaveList();
    else
        delete entry.item;
}

TWkBaseDataItem* TWkDataItemsList::ItemObject(int index) const {
    return index >= 0 && index < Count() ? FList[index].item : nullptr;
}

void TWkDataItemsList::Append(std::unique_ptr<TWkBaseDataItem> item) {
    const Entry entry{item.release(), IsDynamic()};
    FList.push_back(entry);
    if (entry.counted)
        entry.item->EnterList();
}

void TWkDataItemsList::Delete(int index) {
    if (index < 0 || index >= Count())
        outOfBounds(index);
    const Entry entry = FList[index];
    FList.erase(FList.begin() + index);
    LetGo(entry);
}

void TWkDataItemsList::Move(int from, int to) {
    if (from < 0 || from >= Count())
        outOfBounds(from);
    if (to < 0 || to >= Count())
        outOfBounds(to);
    const Entry entry = FList[from];
    FList.erase(FList.begin() + from);
    FList.insert(FList.begin() + to, entry);
}

void TWkDataItemsList::ClearItems() {
    while (!FList.empty()) {
        const Entry last = FList.back();
        FList.pop_back();
        LetGo(last);
    }
}

TWkBaseDataItemSubItems::TWkBaseDataItemSubItems(TExtensibleInterfacedPersistent& item,
                                                 TWkBaseDataItems* list)
    : TAggregatedPersistentEx(item), FList(list) {
    // Linked before counted, so the list knows this reference is its parent's.
    list->FSubAggregate = this;
    list->AddRef();
}

TWkBaseDataItemSubItems::~TWkBaseDataItemSubItems() {
    if (FList == nullptr)
        return;
    TWkBaseDataItems* list = std::exchange(FList, nullptr);
    list->FSubAggregate = nullptr;
    list->Release();
}

void* TWkBaseDataItemSubItems::OwnInterface(const QUuid& iid) {
    return FList != nullptr ? FList->QueryInterface(iid) : nullptr;
}

TWkDataItemsList* MakeSubItems(TWkBaseDataItem& item) {
    if (auto* existing = item.FindExtension<TWkBaseDataItemSubItems>())
        item.RemoveExtension(existing);
    return new TWkDataItemsList(item);
}
