#pragma once
// One item of a provider's tree: its identifier, its owning list and its aspects (text, image,
// sub-items, state), which are extensions of the item.
//
// An item of a dynamic list is counted: it lives while references to it exist (its list holds
// one while the item is in it) and, while anything besides its list holds it, it holds its list
// in turn. An item of any other list is not counted and lives as long as its list holds it.

#include "components/data/extensible_object.h"

class TWkBaseDataItems;

class TWkBaseDataItem : public TExtensibleInterfacedPersistent,
                        public IWkDataItem,
                        public IWkDataContextDestroying {
public:
    static constexpr const char* RegisteredName = "TWkBaseDataItem";

    // A new item gets a new identifier: the 32 upper-case hex digits of a new GUID's bytes.
    explicit TWkBaseDataItem(TWkBaseDataItems* owner);
    ~TWkBaseDataItem() override;

    static QString NewItemID();

    // The registered class name the item streams under.
    virtual const char* ClassName() const { return RegisteredName; }
    // "ID"; the item's extensions and sub-items are stored by the item tree around it.
    void WriteProperties(THackWriter& writer) override;
    bool ReadProperty(TWkPropertyReader& reader, const QString& name) override;

    TWkDataItemID ID() const override { return FID; }
    // Stored as given: neither checked for uniqueness nor announced.
    void SetID(const TWkDataItemID& id) { FID = id; }
    IWkDataItems* OwnerList() const override;
    // Null once the list that held the item is gone.
    TWkBaseDataItems* Items() const { return FItems; }
    // The item's place in its list, -1 without one.
    int Index() const;
    // The provider of the owning list, or null.
    IWkDataProvider* Provider() const;
    // The component of that provider, or null.
    virtual QObject* Owner() const;
    // "<owner's name>: Item[<id>]", with "Unknown" for an item without owner.
    virtual QString NamePath() const;
    // True when item lies below this one: directly only, or at any depth.
    virtual bool IsParentOf(IWkDataItem* item, bool directParent) const;
    virtual bool Deletable() const { return true; }
    // Asks every extension with the ancestor aspect, in the order they were added.
    virtual void RevertToAncestor();
    virtual bool IsEqualToAncestor() const;
    // Tells each extension, then the sub-item list.
    void ContextDestroying(IWkDataContext* context) override;
    // The item's sub-items, or null.
    IWkDataItems* SubItems() { return Supports<IWkDataItems>(this); }

    // -1 without counting when the owning list is not dynamic. Asking the list selects no
    // context on the provider for the question.
    int AddRef() override;
    int Release() override;
    // The references held besides its list's, 0 for an item that is not counted.
    int OtherReferences() const { return FRefCount - (FHeldByList ? 1 : 0); }

    void* QueryInterface(const QUuid& iid) override {
        return TExtensibleInterfacedPersistent::QueryInterface(iid);
    }

protected:
    void* OwnInterface(const QUuid& iid) override;

private:
    friend class TWkDataItemsList;

    bool Counted() const;
    // Holds the owning list while anything besides the list holds this item.
    void UpdateListHold();
    // The list keeps a reference while the item is in it.
    void EnterList();
    void LeaveList();
    // The list is going without the item: the item keeps no link to it.
    void Orphan();

    TWkBaseDataItems* FItems;
    bool FDynamicOwner;
    bool FHeldByList = false;
    bool FHoldsList = false;
    TWkDataItemID FID;
};
