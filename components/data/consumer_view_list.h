#pragma once
// The view list of a consumer: the provider's item tree flattened into rows in display order,
// one per visible item whose parent rows are expanded. It stays across provider changes and
// follows the provider's changes row by row, so the rows the user expanded stay expanded.

#include "components/data/data_consumer_services.h"

#include <QSet>
#include <vector>

// One row: an item's identifier and its flags.
struct TViewListItem {
    static constexpr unsigned LevelMask = 0x00FFFFFF;
    static constexpr unsigned Expanded = 1u << 29;
    static constexpr unsigned HasSubList = 1u << 30;
    static constexpr unsigned HasChildren = 1u << 31;

    TWkDataItemID ItemID;
    unsigned Flags = 0;

    int Level() const { return int(Flags & LevelMask); }
};
using TViewListItems = std::vector<TViewListItem>;

// Where a row stands among the rows of its parent: the parent row (-1 for the roots), its
// position among them and how many there are; all -1 for a row outside the view.
struct TViewListGroupInfo {
    int Parent = -1;
    int Position = -1;
    int Count = -1;

    bool operator==(const TViewListGroupInfo&) const = default;
};

class TWkCustomDataConsumerViewList : public TWkDataConsumerAggregatedObject {
public:
    using TWkDataConsumerAggregatedObject::TWkDataConsumerAggregatedObject;
    bool StaysAcrossProviderChange() const override { return true; }

    // Levels below this open by themselves when the view is rebuilt.
    int AutoExpandLevel() const { return FAutoExpandLevel; }
    void SetAutoExpandLevel(int level) { FAutoExpandLevel = level; }
    // A new item under a closed parent opens the tree down to it.
    bool ExpandOnNewItem() const { return FExpandOnNewItem; }
    void SetExpandOnNewItem(bool expand) { FExpandOnNewItem = expand; }
    // Pixels per level; a change raises OnChanged with ccrOther.
    int LevelIndent() const { return FLevelIndent; }
    void SetLevelIndent(int indent);

    virtual int Count() const = 0;
    // Null / false / 0 / -1 for a row outside the view.
    virtual IWkDataItem* Item(int index) const = 0;
    virtual int ItemLevel(int index) const = 0;
    virtual bool ItemIsExpanded(int index) const = 0;
    virtual bool ItemHasChildren(int index) const = 0;
    virtual int IndexOfItem(IWkDataItem* item) const = 0;
    virtual int IndexOfID(const TWkDataItemID& id) const = 0;
    // The item's position among the rows of its parent.
    virtual int ChildIndexOfItem(IWkDataItem* item) const = 0;
    virtual int ChildIndexOfID(const TWkDataItemID& id) const = 0;
    // Opens a closed row with children, closes an open one.
    virtual void ToggleItem(int index) = 0;
    virtual int ItemParentIndex(int index) const = 0;
    virtual IWkDataItem* ItemParent(int index) const = 0;
    virtual int ItemSiblingIndex(int index) const = 0;
    virtual IWkDataItem* ItemSibling(int index) const = 0;
    // The index-th child row of the row parent (-1: the roots), or -1.
    virtual int SubItemIndex(int parent, int index) const = 0;
    virtual IWkDataItem* SubItem(int parent, int index) const = 0;
    // The same by parent item; a null parent stands for the roots.
    virtual int SubItemIndex(IWkDataItem* parent, int index) const = 0;
    virtual IWkDataItem* SubItem(IWkDataItem* parent, int index) const = 0;
    // Clears the view and adds the root rows, opening levels up to AutoExpandLevel and, with
    // keepExpanded, the rows that were open; then marks the view changed.
    virtual void Rebuild(bool keepExpanded) = 0;

    // Opens every ancestor of item from the top. Raises EWkDataConsumer "ViewList out of sync"
    // when a visible ancestor has no row although the row above it is open.
    void ExpandTreeTo(IWkDataItem* item);
    TViewListGroupInfo ItemGroupInfo(int index) const;

    void ProviderChanging() override;
    void ProviderChanged() override { Rebuild(false); }
    void ContextChanged() override { Rebuild(true); }
    void ViewChanged() override { Rebuild(true); }
    void ServerItemChanged(IWkDataItem*) override { Rebuild(false); }

protected:
    // Drops every row.
    virtual void ClearRows() = 0;
    // Re-reads the flags of the row of item, giving its row or -1.
    virtual int RefreshRow(IWkDataItem* item) = 0;

private:
    int FAutoExpandLevel = 0;
    bool FExpandOnNewItem = false;
    int FLevelIndent = 16;
};

class TWkDataConsumerViewList : public TWkCustomDataConsumerViewList {
public:
    static constexpr const char* RegisteredName = "TWkDataConsumerViewList";

    using TWkCustomDataConsumerViewList::TWkCustomDataConsumerViewList;
    const char* ClassName() const override { return RegisteredName; }

    int Count() const override { return int(FRows.size()); }
    const TViewListItems& Rows() const { return FRows; }
    IWkDataItem* Item(int index) const override;
    int ItemLevel(int index) const override;
    bool ItemIsExpanded(int index) const override;
    bool ItemHasChildren(int index) const override;
    int IndexOfItem(IWkDataItem* item) const override;
    int IndexOfID(const TWkDataItemID& id) const override;
    int ChildIndexOfItem(IWkDataItem* item) const override;
    int ChildIndexOfID(const TWkDataItemID& id) const override;
    void ToggleItem(int index) override;
    int ItemParentIndex(int index) const override;
    IWkDataItem* ItemParent(int index) const override { return Item(ItemParentIndex(index)); }
    int ItemSiblingIndex(int index) const override;
    IWkDataItem* ItemSibling(int index) const override { return Item(ItemSiblingIndex(index)); }
    int SubItemIndex(int parent, int index) const override;
    IWkDataItem* SubItem(int parent, int index) const override {
        return Item(SubItemIndex(parent, index));
    }
    int SubItemIndex(IWkDataItem* parent, int index) const override;
    IWkDataItem* SubItem(IWkDataItem* parent, int index) const override {
        return Item(SubItemIndex(parent, index));
    }
    void Rebuild(bool keepExpanded) override;

    void ProviderNotifyChanging(TDataProviderChangeReason reason, IWkInterface* source) override;
    void ProviderNotifyChanged(TDataProviderChangeReason reason, IWkInterface* source) override;

protected:
    void ClearRows() override { FRows.clear(); }
    int RefreshRow(IWkDataItem* item) override;

private:
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    // The list whose items are the root rows, or null.
    IWkDataItems* Source() const;
    // The level item's row has (0 for an item of the source), or -1 outside the source.
    int LevelOf(IWkDataItem* item) const;
    // The row after index's row and the rows below it.
    int EndOfSubtree(int index) const;
    // Inserts rows for list's visible items at position; returns the position after them.
    int InsertRows(int position, IWkDataItems* list, int level);
    void RemoveRows(int index, int end);
    // Opened rows of a subtree, so that a re-read opens them again.
    void RememberExpanded(int begin, int end);
    // Where a row for item goes: after the rows of its nearest earlier visible sibling.
    int InsertionPoint(IWkDataItem* item, int parentRow) const;
    void ItemAdded(IWkDataItem* item);
    void ItemUpdated(IWkDataItem* item);
    // Takes out the rows of list's items before the list changes; gives the parent row.
    void ListChanging(IWkDataItems* list);
    void ListChanged();

    TViewListItems FRows;
    // Identifiers whose rows open again when they come back.
    QSet<TWkDataItemID> FReopen;
    int FRebuildExpandLevel = 0;
    // The parent whose rows a change is about; empty for the root rows.
    TWkDataItemID FChangingParent;
    bool FChangingParentKnown = false;
};

// True when the item has no visible-state aspect or that aspect says visible.
bool ItemVisible(IWkDataItem* item);
