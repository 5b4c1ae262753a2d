#pragma once
// Item lists: the provider's root list and the sub-item lists of items. A list made for a
// parent item puts a sub-items extension on the parent, which holds the list; so the parent
// answers IWkDataItems with the list, and either side may go first and unlinks the other.
//
// Lists live by their references: one made for a parent is made with new (MakeSubItems) and
// goes with the last reference to it. A sub-list of a parent in a dynamic list holds its parent
// while anything besides the parent holds the sub-list.

#include "components/data/data_item.h"

#include <memory>
#include <vector>

class TWkBaseDataItemSubItems;

class TWkBaseDataItems : public TExtensibleInterfacedPersistent,
                         public IWkDataItems,
                         public IWkDataItemsFind,
                         public IWkDataContextDestroying {
public:
    ~TWkBaseDataItems() override;

    IWkDataItem* ParentItem() const override { return FParent; }
    TWkBaseDataItem* Parent() const { return FParent; }
    IWkDataProvider* Provider() const override { return FProvider.Get(); }
    bool IsDynamic() const override { return true; }
    IWkDataItem* FindItem(const TWkDataItemID& id, bool recurse) override;
    // Tells each extension, then each item, in index order.
    void ContextDestroying(IWkDataContext* context) override;
    virtual const char* ClassName() const = 0;
    // Whether an item is stored with the list.
    virtual bool IsStreamableItem(TWkBaseDataItem*) const { return true; }

    virtual void Append(std::unique_ptr<TWkBaseDataItem> item) = 0;
    // Takes the item at index out of the list: freed, or in a dynamic list released.
    // Raises EWkDataItems "List index out of bounds (%d)" outside the list.
    virtual void Delete(int index) = 0;
    virtual void Move(int from, int to) = 0;
    // Takes every item out as Delete does.
    virtual void ClearItems() = 0;
    // The item object at index, null outside the list.
    virtual TWkBaseDataItem* ItemObject(int index) const = 0;
    // Raises EWkDataItems "List index out of bounds (%d)" outside the list.
    IWkDataItem* Item(int index) const override;

    int AddRef() override;
    int Release() override;

    void* QueryInterface(const QUuid& iid) override {
        return TExtensibleInterfacedPersistent::QueryInterface(iid);
    }

protected:
    // A list of no provider.
    TWkBaseDataItems() = default;
    // A root list of provider.
    explicit TWkBaseDataItems(IWkDataProvider* provider);
    // The sub-item list of parent: the provider is that of the parent's list.
    explicit TWkBaseDataItems(TWkBaseDataItem& parent);
    void* OwnInterface(const QUuid& iid) override;
    bool FreesWhenUnreferenced() const override { return true; }

private:
    friend class TWkBaseDataItemSubItems;

    // Holds the parent while anything besides the parent's extension holds this list.
    void UpdateParentHold();

    TWkBaseDataItem* FParent = nullptr;
    TWkRef<IWkDataItem> FParentIntf;
    TWkRef<IWkDataProvider> FProvider;
    TWkBaseDataItemSubItems* FSubAggregate = nullptr;
};

// A list of item objects. It is not dynamic: it owns its items. A class derived from it that
// says dynamic holds a reference to each item instead, so an item it lets go of lives on while
// it is referenced elsewhere.
class TWkDataItemsList : public TWkBaseDataItems {
public:
    static constexpr const char* RegisteredName = "TWkDataItemsList";

    explicit TWkDataItemsList(IWkDataProvider* provider) : TWkBaseDataItems(provider) {}
    explicit TWkDataItemsList(TWkBaseDataItem& parent) : TWkBaseDataItems(parent) {}
    ~TWkDataItemsList() override;

    const char* ClassName() const override { return RegisteredName; }
    bool IsDynamic() const override { return false; }
    int Count() const override { return int(FList.size()); }
    TWkBaseDataItem* ItemObject(int index) const override;
    void Append(std::unique_ptr<TWkBaseDataItem> item) override;
    void Delete(int index) override;
    void Move(int from, int to) override;
    void ClearItems() override;

private:
    struct Entry {
        TWkBaseDataItem* item;
        bool counted;
    };
    static void LetGo(const Entry& entry);

    std::vector<Entry> FList;
};

// Put on a parent item by its sub-item list: holds the list and answers the list's interfaces
// for the item.
class TWkBaseDataItemSubItems : public TAggregatedPersistentEx {
public:
    static constexpr const char* RegisteredName = "TWkBaseDataItemSubItems";

    TWkBaseDataItemSubItems(TExtensibleInterfacedPersistent& item, TWkBaseDataItems* list);
    // Releases the sub-list, unless the list is going first.
    ~TWkBaseDataItemSubItems() override;

    const char* ClassName() const override { return RegisteredName; }
    TWkBaseDataItems* List() const { return FList; }

protected:
    void* OwnInterface(const QUuid& iid) override;

private:
    friend class TWkBaseDataItems;

    TWkBaseDataItems* FList;
};

// Makes a TWkDataItemsList the sub-item list of item, replacing the one it had.
TWkDataItemsList* MakeSubItems(TWkBaseDataItem& item);

// The maker of item class T for the list it is read into; the list takes it with Append.
template <typename T> TWkClassMaker ItemMaker() {
    return [](TWkStreamable& owner) -> std::unique_ptr<TWkStreamable> {
        auto* list = dynamic_cast<TWkBaseDataItems*>(&owner);
        return list != nullptr ? std::make_unique<T>(list) : nullptr;
    };
}

// The maker of list class L as the sub-item list of an item, replacing none: the made list is
// already held by the item's sub-items extension, so the caller lets go of the pointer
// (release) instead of freeing it.
template <typename L> TWkClassMaker SubItemsMaker() {
    return [](TWkStreamable& owner) -> std::unique_ptr<TWkStreamable> {
        auto* parent = dynamic_cast<TWkBaseDataItem*>(&owner);
        return parent != nullptr ? std::unique_ptr<TWkStreamable>(new L(*parent)) : nullptr;
    };
}
