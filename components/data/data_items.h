#pragma once
// Item lists: the provider's root list and the sub-item lists of items. A TWkDataItemsList owns
// its items. A list made for a parent item puts a sub-items extension on the parent, so the
// parent answers IWkDataItems with the list; either side may go first and unlinks the other.

#include "components/data/data_item.h"

#include <memory>
#include <vector>

class TWkBaseDataItemSubItems;

class TWkBaseDataItems : public TExtensibleInterfacedPersistent,
                         public IWkDataItems,
                         public IWkDataItemsFind {
public:
    ~TWkBaseDataItems() override;

    IWkDataItem* ParentItem() const override { return FParent; }
    TWkBaseDataItem* Parent() const { return FParent; }
    IWkDataProvider* Provider() const override { return FProvider; }
    IWkDataItem* FindItem(const TWkDataItemID& id, bool recurse) override;
    virtual const char* ClassName() const = 0;

    // The item object at index, null outside the list.
    virtual TWkBaseDataItem* ItemObject(int index) const = 0;
    virtual void Append(std::unique_ptr<TWkBaseDataItem> item) = 0;
    // Takes the item out without freeing it; null outside the list.
    virtual std::unique_ptr<TWkBaseDataItem> Take(int index) = 0;
    virtual void Move(int from, int to) = 0;
    virtual void ClearItems() = 0;
    IWkDataItem* Item(int index) const override;

    void* QueryInterface(const QUuid& iid) override {
        return TExtensibleInterfacedPersistent::QueryInterface(iid);
    }

protected:
    // A root list of provider.
    explicit TWkBaseDataItems(IWkDataProvider* provider);
    // The sub-item list of parent: the provider is that of the parent's list.
    explicit TWkBaseDataItems(TWkBaseDataItem& parent);
    void* OwnInterface(const QUuid& iid) override;

private:
    friend class TWkBaseDataItemSubItems;

    TWkBaseDataItem* FParent = nullptr;
    IWkDataProvider* FProvider = nullptr;
    TWkBaseDataItemSubItems* FSubAggregate = nullptr;
};

class TWkDataItemsList : public TWkBaseDataItems {
public:
    static constexpr const char* RegisteredName = "TWkDataItemsList";

    explicit TWkDataItemsList(IWkDataProvider* provider) : TWkBaseDataItems(provider) {}
    explicit TWkDataItemsList(TWkBaseDataItem& parent) : TWkBaseDataItems(parent) {}
    ~TWkDataItemsList() override;

    const char* ClassName() const override { return RegisteredName; }
    int Count() const override { return int(FList.size()); }
    TWkBaseDataItem* ItemObject(int index) const override;
    void Append(std::unique_ptr<TWkBaseDataItem> item) override;
    std::unique_ptr<TWkBaseDataItem> Take(int index) override;
    void Move(int from, int to) override;
    void ClearItems() override;

private:
    std::vector<std::unique_ptr<TWkBaseDataItem>> FList;
};

// Put on a parent item by its sub-item list: answers the list's interfaces for the item.
class TWkBaseDataItemSubItems : public TAggregatedPersistentEx {
public:
    static constexpr const char* RegisteredName = "TWkBaseDataItemSubItems";

    TWkBaseDataItemSubItems(TExtensibleInterfacedPersistent& item, TWkBaseDataItems* list)
        : TAggregatedPersistentEx(item), FList(list) {}
    // Frees the sub-list with the extension, unless the list is going first.
    ~TWkBaseDataItemSubItems() override;

    const char* ClassName() const override { return RegisteredName; }
    TWkBaseDataItems* List() const { return FList; }
    // Owns the list from now on.
    void Adopt(std::unique_ptr<TWkBaseDataItems> list) { FOwned = std::move(list); }

protected:
    void* OwnInterface(const QUuid& iid) override;

private:
    friend class TWkBaseDataItems;

    TWkBaseDataItems* FList;
    std::unique_ptr<TWkBaseDataItems> FOwned;
};

// Adding, clearing and deleting the items of a TWkDataItemsList, each change announced to the
// provider before and after.
class TWkBaseDataItemsListManagement : public TAggregatedPersistentEx {
public:
    static constexpr const char* RegisteredName = "TWkBaseDataItemsListManagement";
    static inline const QUuid IID{QStringLiteral("{C0D7E1A4-5B3F-4E62-9A18-2F4D6B8E0C35}")};

    using TAggregatedPersistentEx::TAggregatedPersistentEx;
    const char* ClassName() const override { return RegisteredName; }

    // Appends item; announces pcrAdd with the list before and the item after. Returns the item.
    TWkBaseDataItem* Add(std::unique_ptr<TWkBaseDataItem> item);
    // Frees every item; announces pcrUpdateItems with the list.
    void Clear();
    // Frees the item at index; nothing outside the list. Raises EWkDataItems "Item cannot be
    // deleted" for an item that refuses, leaving the list alone.
    void Delete(int index);
    // The same by item; nothing for a null item or one of another list.
    void Remove(TWkBaseDataItem* item);

protected:
    void* OwnInterface(const QUuid& iid) override { return iid == IID ? this : nullptr; }

private:
    TWkBaseDataItems& List() const;
};

// Makes the sub-item list of item (of the class of list, owned by the item from now on).
TWkDataItemsList* MakeSubItems(TWkBaseDataItem& item);
