#pragma once
// The services of a data consumer: the selected item and the flattened, expandable view of the
// provider's item tree. Each is an extension of its consumer and hears its changes.

#include "components/data/extensible_object.h"

#include <vector>

class TWkDataConsumer;

class TWkDataConsumerAggregatedObject : public TAggregatedPersistentEx {
public:
    explicit TWkDataConsumerAggregatedObject(TExtensibleInterfacedPersistent& consumer)
        : TAggregatedPersistentEx(consumer) {}

    TWkDataConsumer& Consumer() const;
    // Kept when the consumer changes provider or context (else removed and made again).
    virtual bool StaysAcrossProviderChange() const { return false; }
    virtual bool StaysAcrossContextChange() const { return true; }

    virtual void ProviderChanging() {}
    virtual void ProviderChanged() {}
    virtual void ContextChanging() {}
    virtual void ContextChanged() {}
    virtual void ViewChanged() {}
    virtual void ItemSelected(IWkDataItem*) {}
    virtual void ProviderNotifyChanging(TDataProviderChangeReason, IWkInterface*) {}
    virtual void ProviderNotifyChanged(TDataProviderChangeReason, IWkInterface*) {}

protected:
    void* OwnInterface(const QUuid&) override { return nullptr; }
};

// The selected item, by identifier.
class TWkDataConsumerItemSelect : public TWkDataConsumerAggregatedObject {
public:
    static constexpr const char* RegisteredName = "TWkDataConsumerItemSelect";

    using TWkDataConsumerAggregatedObject::TWkDataConsumerAggregatedObject;
    const char* ClassName() const override { return RegisteredName; }

    // The selected item's identifier, empty when none.
    TWkDataItemID Item() const { return FItemID; }
    // Selects the item of that identifier in the selected context. Raises EWkDataConsumer
    // "You must specify a provider before setting the item" without a provider, and "Item not
    // found in the selected context" for an identifier the provider does not hold.
    void SetItem(const TWkDataItemID& id);
    IWkDataItem* ItemIntf() const { return FItem; }
    void SetItemIntf(IWkDataItem* item);

    void ItemSelected(IWkDataItem* item) override { SetItemIntf(item); }
    void ProviderNotifyChanging(TDataProviderChangeReason reason, IWkInterface* source) override;

private:
    TWkDataItemID FItemID;
    IWkDataItem* FItem = nullptr;
};

// One row of the view: an item's identifier and its flags.
struct TViewListItem {
    static constexpr unsigned LevelMask = 0x00FFFFFF;
    static constexpr unsigned Expanded = 1u << 29;
    static constexpr unsigned HasSubList = 1u << 30;
    static constexpr unsigned HasChildren = 1u << 31;

    TWkDataItemID ItemID;
    unsigned Flags = 0;
    IWkDataItem* Item = nullptr;

    int Level() const { return int(Flags & LevelMask); }
};

// The rows of the provider's tree in display order; kept across provider changes and rebuilt
// after every change of the provider, its items or the context.
class TWkDataConsumerViewList : public TWkDataConsumerAggregatedObject {
public:
    static constexpr const char* RegisteredName = "TWkDataConsumerViewList";

    using TWkDataConsumerAggregatedObject::TWkDataConsumerAggregatedObject;
    const char* ClassName() const override { return RegisteredName; }
    bool StaysAcrossProviderChange() const override { return true; }

    int AutoExpandLevel() const { return FAutoExpandLevel; }
    void SetAutoExpandLevel(int level) { FAutoExpandLevel = level; }
    int LevelIndent() const { return FLevelIndent; }
    void SetLevelIndent(int indent);

    int Count() const { return int(FRows.size()); }
    // Null / false / 0 for a row outside the view.
    IWkDataItem* Item(int index) const;
    int ItemLevel(int index) const;
    bool ItemIsExpanded(int index) const;
    bool ItemHasChildren(int index) const;
    int IndexOfItem(IWkDataItem* item) const;
    int IndexOfID(const TWkDataItemID& id) const;
    // Opens a closed row with children, closes an open one.
    void ToggleItem(int index);

    int ItemParentIndex(int index) const;
    IWkDataItem* ItemParent(int index) const { return Item(ItemParentIndex(index)); }
    int ItemSiblingIndex(int index) const;
    IWkDataItem* ItemSibling(int index) const { return Item(ItemSiblingIndex(index)); }
    // The index-th child row of the row parent (-1: the roots), or -1.
    int SubItemIndex(int parent, int index) const;
    IWkDataItem* SubItem(int parent, int index) const { return Item(SubItemIndex(parent, index)); }
    // The same by parent item; a null parent stands for the roots.
    int SubItemIndex(IWkDataItem* parent, int index) const {
        return SubItemIndex(parent != nullptr ? IndexOfItem(parent) : -1, index);
    }
    IWkDataItem* SubItem(IWkDataItem* parent, int index) const {
        return Item(SubItemIndex(parent, index));
    }

    void Rebuild();

    void ProviderChanging() override { FRows.clear(); }
    void ProviderChanged() override { Rebuild(); }
    void ContextChanged() override { Rebuild(); }
    void ProviderNotifyChanging(TDataProviderChangeReason reason, IWkInterface* source) override;
    void ProviderNotifyChanged(TDataProviderChangeReason reason, IWkInterface* source) override;

private:
    // Inserts the rows of list's items at position, opening those above expandLevel; returns
    // the position after them.
    int InsertRows(int position, IWkDataItems* list, int level, int expandLevel);
    bool Valid(int index) const { return index >= 0 && index < Count(); }

    std::vector<TViewListItem> FRows;
    int FAutoExpandLevel = 0;
    int FLevelIndent = 16;
};
