#include "components/data/data_item.h"

#include "components/data/data_items.h"
#include "components/data/property_stream.h"

#include <algorithm>

TWkBaseDataItem::TWkBaseDataItem(TWkBaseDataItems* owner)
    : FItems(owner), FDynamicOwner(owner != nullptr && owner->IsDynamic()), FID(NewItemID()) {}

TWkBaseDataItem::~TWkBaseDataItem() {
    // The sub-item list goes with its extension, before this item's other parts.
    ClearExtensions();
    if (FHoldsList && FItems != nullptr)
        FItems->Release();
}

QString TWkBaseDataItem::NewItemID() {
    // The GUID's bytes in memory order: its first three fields little-endian.
    QByteArray bytes = QUuid::createUuid().toRfc4122();
    std::reverse(bytes.begin(), bytes.begin() + 4);
    std::reverse(bytes.begin() + 4, bytes.begin() + 6);
    std::reverse(bytes.begin() + 6, bytes.begin() + 8);
    return QString::fromLatin1(bytes.toHex().toUpper());
}

void TWkBaseDataItem::WriteProperties(THackWriter& writer) {
    writer.WritePropName("ID");
    writer.WriteString(FID);
}

bool TWkBaseDataItem::ReadProperty(TWkPropertyReader& reader, const QString& name) {
    if (name != QLatin1String("ID"))
        return false;
    SetID(reader.ReadString());
    return true;
}

IWkDataItems* TWkBaseDataItem::OwnerList() const {
    return FItems;
}

int TWkBaseDataItem::Index() const {
    if (FItems == nullptr)
        return -1;
    for (int i = FItems->Count() - 1; i >= 0; --i) {
        if (FItems->ItemObject(i) == this)
            return i;
    }
    return -1;
}

IWkDataProvider* TWkBaseDataItem::Provider() const {
    return FItems != nullptr ? FItems->Provider() : nullptr;
}

QObject* TWkBaseDataItem::Owner() const {
    auto* component = Supports<IWkDataProviderComponent>(Provider());
    return component != nullptr ? component->Component() : nullptr;
}

QString TWkBaseDataItem::NamePath() const {
    const QObject* owner = Owner();
    const QString name = owner != nullptr && !owner->objectName().isEmpty()
                             ? owner->objectName()
                             : QStringLiteral("Unknown");
    return name + QStringLiteral(": Item[") + FID + QLatin1Char(']');
}

bool TWkBaseDataItem::IsParentOf(IWkDataItem* item, bool directParent) const {
    if (item == nullptr)
        return false;
    IWkDataItems* list = item->OwnerList();
    if (directParent)
        return list != nullptr && list->ParentItem() == static_cast<const IWkDataItem*>(this);
    while (list != nullptr) {
        IWkDataItem* parent = list->ParentItem();
        if (parent == static_cast<const IWkDataItem*>(this))
            return true;
        list = parent != nullptr ? parent->OwnerList() : nullptr;
    }
    return false;
}

void TWkBaseDataItem::RevertToAncestor() {
    for (IWkDataItemAncestor* ancestor : ExtensionsSupporting<IWkDataItemAncestor>())
        ancestor->RevertToAncestor();
}

bool TWkBaseDataItem::IsEqualToAncestor() const {
    for (IWkDataItemAncestor* ancestor : ExtensionsSupporting<IWkDataItemAncestor>()) {
        if (!ancestor->IsEqualToAncestor())
            return false;
    }
    return true;
}

void TWkBaseDataItem::ContextDestroying(IWkDataContext* context) {
    // The sub-items extension answers for the sub-list, which is told last.
    for (int i = 0; i < ExtensionCount(); ++i) {
        TAggregatedPersistentEx* extension = Extension(i);
        auto* told = dynamic_cast<TWkBaseDataItemSubItems*>(extension) == nullptr
                         ? static_cast<IWkDataContextDestroying*>(
                               extension->GetInterface(IWkDataContextDestroying::IID))
                         : nullptr;
        if (told != nullptr)
            told->ContextDestroying(context);
    }
    if (auto* sub = Supports<IWkDataContextDestroying>(SubItems()))
        sub->ContextDestroying(context);
}

bool TWkBaseDataItem::Counted() const {
    if (FItems == nullptr)
        return FDynamicOwner;
    IWkDataProvider* provider = FItems->Provider();
    if (provider == nullptr)
        return FItems->IsDynamic();
    // The question is asked outside any consumer's context.
    provider->SelectContext(nullptr);
    bool dynamic = false;
    try {
        dynamic = FItems->IsDynamic();
    } catch (...) {
        provider->ReleaseContext();
        throw;
    }
    provider->ReleaseContext();
    return dynamic;
}

int TWkBaseDataItem::AddRef() {
    if (!Counted())
        return -1;
    const int count = ++FRefCount;
    UpdateListHold();
    return count;
}

int TWkBaseDataItem::Release() {
    if (!Counted())
        return -1;
    const int count = --FRefCount;
    if (count == 0) {
        delete this;
        return 0;
    }
    UpdateListHold();
    return count;
}

void TWkBaseDataItem::UpdateListHold() {
    const bool wanted = FItems != nullptr && FRefCount > (FHeldByList ? 1 : 0);
    if (wanted == FHoldsList)
        return;
    FHoldsList = wanted;
    if (wanted) {
        FItems->AddRef();
        return;
    }
    // Dropping the hold may free the list, which releases this item last: nothing of this
    // object is touched after it.
    FItems->Release();
}

void TWkBaseDataItem::EnterList() {
    FHeldByList = true;
    AddRef();
}

void TWkBaseDataItem::LeaveList() {
    FHeldByList = false;
    Release();
}

void TWkBaseDataItem::Orphan() {
    FItems = nullptr;
    FHoldsList = false;
}

void* TWkBaseDataItem::OwnInterface(const QUuid& iid) {
    if (iid == IWkDataItem::IID)
        return static_cast<IWkDataItem*>(this);
    if (iid == IWkDataContextDestroying::IID)
        return static_cast<IWkDataContextDestroying*>(this);
    return nullptr;
}
