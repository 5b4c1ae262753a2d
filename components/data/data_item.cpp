#include "components/data/data_item.h"

#include "components/data/data_items.h"

#include <algorithm>

TWkBaseDataItem::TWkBaseDataItem(TWkBaseDataItems* owner) : FItems(owner), FID(NewItemID()) {}

TWkBaseDataItem::~TWkBaseDataItem() {
    // The sub-item list goes with its extension, before this item's other parts.
    ClearExtensions();
}

QString TWkBaseDataItem::NewItemID() {
    // The GUID's bytes in memory order: its first three fields little-endian.
    QByteArray bytes = QUuid::createUuid().toRfc4122();
    std::reverse(bytes.begin(), bytes.begin() + 4);
    std::reverse(bytes.begin() + 4, bytes.begin() + 6);
    std::reverse(bytes.begin() + 6, bytes.begin() + 8);
    return QString::fromLatin1(bytes.toHex().toUpper());
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
    for (int i = 0; i < ExtensionCount(); ++i) {
        if (auto* ancestor = Supports<IWkDataItemAncestor>(Extension(i)))
            ancestor->RevertToAncestor();
    }
}

bool TWkBaseDataItem::IsEqualToAncestor() const {
    for (int i = 0; i < ExtensionCount(); ++i) {
        auto* ancestor = Supports<IWkDataItemAncestor>(Extension(i));
        if (ancestor != nullptr && !ancestor->IsEqualToAncestor())
            return false;
    }
    return true;
}

void* TWkBaseDataItem::OwnInterface(const QUuid& iid) {
    if (iid == IWkDataItem::IID)
        return static_cast<IWkDataItem*>(this);
    return nullptr;
}
