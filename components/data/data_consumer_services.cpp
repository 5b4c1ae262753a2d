#include "components/data/data_consumer_services.h"

#include "components/data/data_consumer.h"
#include "components/data/data_errors.h"
#include "components/data/data_item.h"

TWkDataConsumerAggregatedObject::TWkDataConsumerAggregatedObject(
    TExtensibleInterfacedPersistent& consumer)
    : TAggregatedPersistentEx(consumer) {}

TWkDataConsumer& TWkDataConsumerAggregatedObject::Consumer() const {
    return dynamic_cast<TWkDataConsumer&>(*Controller());
}

void TWkDataConsumerAggregatedObject::Changed(TWkDataConsumerChangeReason reason) {
    TWkDataConsumer& consumer = Consumer();
    FStreamedInWithoutProvider = consumer.Provider() == nullptr;
    consumer.Changed(reason);
}

void TWkDataConsumerAggregatedObject::WaitForFixup() {
    Consumer().SetNeedFixups();
    FStreamedInWithoutProvider = true;
}

IWkDataItem* TWkDataConsumerItemSelect::Find(const TWkDataItemID& id) const {
    TWkDataConsumer& consumer = Consumer();
    const EnterScope scope(consumer);
    return FindItemBelow(consumer.Provider()->RootItems(), id);
}

void TWkDataConsumerItemSelect::SetItem(const TWkDataItemID& id) {
    if (id == FItemID)
        return;
    if (id.isEmpty()) {
        SetItemIntf(nullptr);
        return;
    }
    TWkDataConsumer& consumer = Consumer();
    if (consumer.Provider() == nullptr) {
        if (!consumer.IsLoading())
            throw EWkDataConsumer(
                QStringLiteral("You must specify a provider before setting the item"));
        FItemID = id;
        WaitForFixup();
        return;
    }
    IWkDataItem* item = Find(id);
    if (item == nullptr)
        throw EWkDataConsumer(QStringLiteral("Item not found in the selected context"));
    SetItemIntf(item);
}

void TWkDataConsumerItemSelect::SetItemIntf(IWkDataItem* item) {
    if (item == FItem && (item != nullptr || FItemID.isEmpty()))
        return;
    FItem = item;
    FItemID = item != nullptr ? item->ID() : TWkDataItemID();
    TWkDataConsumer& consumer = Consumer();
    consumer.ViewChanged(this);
    consumer.SelectedItemChanged(item);
}

void TWkDataConsumerItemSelect::Fixup() {
    const TWkDataItemID kept = FItemID;
    IWkDataItem* item = kept.isEmpty() ? nullptr : Find(kept);
    FItem = nullptr;
    FItemID.clear();
    SetItemIntf(item);
    Changed(ccrOther);
}

void TWkDataConsumerItemSelect::ProviderNotifyChanging(TDataProviderChangeReason reason,
                                                       IWkInterface* source) {
    if (FItem == nullptr)
        return;
    // The selected item may go: on its own, below a deleted item or with its list. It is looked
    // up again by its identifier once the change is done.
    bool itemMayGo = reason == pcrDestroy;
    if (reason == pcrDelete) {
        auto* going = Supports<IWkDataItem>(source);
        auto* goingItem = dynamic_cast<TWkBaseDataItem*>(going);
        itemMayGo = going == FItem || (goingItem != nullptr && goingItem->IsParentOf(FItem, false));
    } else if (reason == pcrUpdateItems) {
        auto* list = Supports<IWkDataItems>(source);
        for (IWkDataItems* above = FItem->OwnerList(); above != nullptr && !itemMayGo;) {
            itemMayGo = above == list;
            IWkDataItem* parent = above->ParentItem();
            above = parent != nullptr ? parent->OwnerList() : nullptr;
        }
        itemMayGo = itemMayGo || list == nullptr;
    }
    if (itemMayGo)
        FItem = nullptr;
}

void TWkDataConsumerItemSelect::ProviderNotifyChanged(TDataProviderChangeReason, IWkInterface*) {
    if (FItem != nullptr || FItemID.isEmpty() || Consumer().Provider() == nullptr)
        return;
    FItem = Find(FItemID);
    if (FItem == nullptr)
        FItemID.clear();
}
