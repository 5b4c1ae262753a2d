#pragma once
// The services of a data consumer (its sub-services): each is an extension of its consumer and
// hears its changes. The item selection is here; the view list has its own file.

#include "components/data/extensible_object.h"

#include <memory>

class TWkDataConsumer;
class TWkDataConsumerAggregatedObject;

// What a consumer makes for a service: the class's name and how to make one.
struct TWkDataConsumerServiceClass {
    const char* Name = nullptr;
    std::unique_ptr<TWkDataConsumerAggregatedObject> (*Make)(TWkDataConsumer&) = nullptr;

    explicit operator bool() const { return Make != nullptr; }
    bool operator==(const TWkDataConsumerServiceClass& other) const { return Make == other.Make; }
};

template <typename S> TWkDataConsumerServiceClass ServiceClassOf() {
    return {S::RegisteredName,
            [](TWkDataConsumer& consumer) -> std::unique_ptr<TWkDataConsumerAggregatedObject> {
                return std::make_unique<S>(consumer);
            }};
}

class TWkDataConsumerAggregatedObject : public TAggregatedPersistentEx {
public:
    // consumer is the TWkDataConsumer the service belongs to.
    explicit TWkDataConsumerAggregatedObject(TExtensibleInterfacedPersistent& consumer);

    TWkDataConsumer& Consumer() const;
    // Set by the service's last change: whether it was made while the consumer had no
    // provider. Such a service is kept when the provider comes and gets its fix-up then.
    bool StreamedInWithoutProvider() const { return FStreamedInWithoutProvider; }
    // Kept when the consumer changes provider or context (else removed and made again).
    virtual bool StaysAcrossProviderChange() const { return false; }
    virtual bool StaysAcrossContextChange() const { return true; }

    virtual void ProviderChanging() {}
    virtual void ProviderChanged() {}
    virtual void ContextChanging() {}
    virtual void ContextChanged() {}
    virtual void ViewChanged() {}
    virtual void ItemSelected(IWkDataItem*) {}
    // The consumer this one follows picked another item (null: none).
    virtual void ServerItemChanged(IWkDataItem*) {}
    // Resolves what was kept while there was no provider; the provider is set now.
    virtual void Fixup() {}
    virtual void ProviderNotifyChanging(TDataProviderChangeReason, IWkInterface*) {}
    virtual void ProviderNotifyChanged(TDataProviderChangeReason, IWkInterface*) {}

protected:
    void* OwnInterface(const QUuid&) override { return nullptr; }
    // A change of the service: raises the consumer's OnChanged with reason.
    void Changed(TWkDataConsumerChangeReason reason);
    // Waits for the provider: the consumer resolves it with the provider.
    void WaitForFixup();

private:
    bool FStreamedInWithoutProvider = false;
};

// The selected item, by identifier.
class TWkDataConsumerItemSelect : public TWkDataConsumerAggregatedObject {
public:
    static constexpr const char* RegisteredName = "TWkDataConsumerItemSelect";

    using TWkDataConsumerAggregatedObject::TWkDataConsumerAggregatedObject;
    const char* ClassName() const override { return RegisteredName; }

    // The selected item's identifier, empty when none.
    TWkDataItemID Item() const { return FItemID; }
    // Selects the item of that identifier in the selected context. Without a provider the
    // identifier is kept while the consumer is loading and raises EWkDataConsumer "You must
    // specify a provider before setting the item" otherwise; an identifier the provider does
    // not hold raises "Item not found in the selected context".
    void SetItem(const TWkDataItemID& id);
    IWkDataItem* ItemIntf() const { return FItem; }
    void SetItemIntf(IWkDataItem* item);

    void ItemSelected(IWkDataItem* item) override { SetItemIntf(item); }
    // A kept identifier that the provider does not hold selects nothing.
    void Fixup() override;
    void ProviderNotifyChanging(TDataProviderChangeReason reason, IWkInterface* source) override;
    void ProviderNotifyChanged(TDataProviderChangeReason reason, IWkInterface* source) override;

private:
    IWkDataItem* Find(const TWkDataItemID& id) const;

    TWkDataItemID FItemID;
    IWkDataItem* FItem = nullptr;
};
