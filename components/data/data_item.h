#pragma once
// One item of a provider's tree: its identifier, its owning list and its aspects (text, image,
// sub-items), which are extensions of the item.

#include "components/data/extensible_object.h"

class TWkBaseDataItems;

class TWkBaseDataItem : public TExtensibleInterfacedPersistent, public IWkDataItem {
public:
    // A new item gets a new identifier: the 32 upper-case hex digits of a new GUID's bytes.
    explicit TWkBaseDataItem(TWkBaseDataItems* owner);
    ~TWkBaseDataItem() override;

    static QString NewItemID();

    TWkDataItemID ID() const override { return FID; }
    // Stored as given: neither checked for uniqueness nor announced.
    void SetID(const TWkDataItemID& id) { FID = id; }
    IWkDataItems* OwnerList() const override;
    TWkBaseDataItems* Items() const { return FItems; }
    // The item's place in its list, -1 without one.
    int Index() const;
    // The provider of the owning list, or null.
    IWkDataProvider* Provider() const;
    // The component of that provider, or null.
    QObject* Owner() const;
    // "<owner's name>: Item[<id>]", with "Unknown" for an item without owner.
    QString NamePath() const;
    // True when item lies below this one: directly only, or at any depth.
    bool IsParentOf(IWkDataItem* item, bool directParent) const;
    virtual bool Deletable() const { return true; }
    void RevertToAncestor();
    bool IsEqualToAncestor() const;
    // The item's sub-items, or null.
    IWkDataItems* SubItems() { return Supports<IWkDataItems>(this); }

    void* QueryInterface(const QUuid& iid) override {
        return TExtensibleInterfacedPersistent::QueryInterface(iid);
    }

protected:
    void* OwnInterface(const QUuid& iid) override;

private:
    TWkBaseDataItems* FItems;
    TWkDataItemID FID;
};
