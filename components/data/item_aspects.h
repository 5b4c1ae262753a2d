#pragma once
// Aspects of items and item lists: an item's caption and image indexes, a list's text renderer
// and its image lists. Every change of an item aspect is announced to the provider with
// pcrUpdateItem and the item before and after; an equal value changes nothing.

#include "components/data/data_items.h"

class TImageList;

class TWkDataItemTextImpl : public TAggregatedPersistentEx, public IWkDataItemText {
public:
    static constexpr const char* RegisteredName = "TWkDataItemTextImpl";

    using TAggregatedPersistentEx::TAggregatedPersistentEx;
    const char* ClassName() const override { return RegisteredName; }

    QString Caption() const override { return FCaption; }
    void SetCaption(const QString& caption) override;

    void* QueryInterface(const QUuid& iid) override { return OwnInterface(iid); }

protected:
    void* OwnInterface(const QUuid& iid) override;

private:
    QString FCaption;
};

// A caption that can be blocked: while read-only it cannot be changed.
class TWkDataItemBlockableTextImpl : public TWkDataItemTextImpl {
public:
    static constexpr const char* RegisteredName = "TWkDataItemBlockableTextImpl";

    using TWkDataItemTextImpl::TWkDataItemTextImpl;
    const char* ClassName() const override { return RegisteredName; }

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool readOnly);
    // Ignored while read-only.
    void SetCaption(const QString& caption) override;

private:
    bool FReadOnly = false;
};

// A caption per context: reading walks from the provider's selected context up through its
// ancestors and gives the first caption stored for one of them, else the plain caption.
class TWkDataItemContextTextImpl : public TWkDataItemTextImpl, public IWkDataItemAncestor {
public:
    static constexpr const char* RegisteredName = "TWkDataItemContextTextImpl";

    using TWkDataItemTextImpl::TWkDataItemTextImpl;
    const char* ClassName() const override { return RegisteredName; }

    QString Caption() const override;
    // Stores the caption for the selected context, or the plain caption without one.
    void SetCaption(const QString& caption) override;
    // Drops the caption stored for the selected context.
    void RevertToAncestor() override;
    bool IsEqualToAncestor() const override;

    void* QueryInterface(const QUuid& iid) override { return OwnInterface(iid); }

protected:
    void* OwnInterface(const QUuid& iid) override;

private:
    IWkDataContext* SelectedContext() const;

    std::vector<std::pair<IWkDataContext*, QString>> FTexts;
};

class TWkDataItemImageImpl : public TAggregatedPersistentEx, public IWkDataItemImage {
public:
    static constexpr const char* RegisteredName = "TWkDataItemImageImpl";

    using TAggregatedPersistentEx::TAggregatedPersistentEx;
    const char* ClassName() const override { return RegisteredName; }

    int ImageIndex() const override { return FImageIndex; }
    void SetImageIndex(int index) override;
    int SelectedIndex() const override { return FSelectedIndex; }
    void SetSelectedIndex(int index) override;

    void* QueryInterface(const QUuid& iid) override { return OwnInterface(iid); }

protected:
    void* OwnInterface(const QUuid& iid) override;

private:
    int FImageIndex = -1;
    int FSelectedIndex = -1;
};

// Draws an item's caption in its rectangle, unless the item draws itself.
class TWkCustomDataItemsTextRenderer : public TAggregatedPersistentEx, public IWkDataItemsRenderer {
public:
    static constexpr const char* RegisteredName = "TWkCustomDataItemsTextRenderer";
    // Measured for the average item size.
    static constexpr const char* SampleText = "WyWyWyWyWyWyWyWyWyWy";

    using TAggregatedPersistentEx::TAggregatedPersistentEx;
    const char* ClassName() const override { return RegisteredName; }

    void DrawItem(TCanvas& canvas, const TRect& rect, TProviderDrawStates state,
                  IWkDataItem* item) override;
    TSize MeasureItem(TCanvas& canvas, IWkDataItem* item) override;
    TSize AverageItemSize(TCanvas& canvas) override;
    // By index into the owning list; raises EWkDataItems "List index out of bounds (%d)".
    void DrawItemAt(TCanvas& canvas, const TRect& rect, TProviderDrawStates state, int index);
    TSize MeasureItemAt(TCanvas& canvas, int index);

    void* QueryInterface(const QUuid& iid) override { return OwnInterface(iid); }

protected:
    void* OwnInterface(const QUuid& iid) override;

private:
    IWkDataItem* ItemAt(int index) const;
};

// The image lists a list's items index into; referenced, not owned.
class TWkCustomDataItemsImages : public TAggregatedPersistentEx {
public:
    static constexpr const char* RegisteredName = "TWkCustomDataItemsImages";
    static inline const QUuid IID{QStringLiteral("{5C3E9B27-0D41-4A8F-B6E2-71F94A0D3C58}")};

    using TAggregatedPersistentEx::TAggregatedPersistentEx;
    const char* ClassName() const override { return RegisteredName; }

    TImageList* Images() const { return FImages; }
    void SetImages(TImageList* images) { Change(FImages, images); }
    TImageList* DisabledImages() const { return FDisabledImages; }
    void SetDisabledImages(TImageList* images) { Change(FDisabledImages, images); }
    TImageList* HotImages() const { return FHotImages; }
    void SetHotImages(TImageList* images) { Change(FHotImages, images); }

protected:
    void* OwnInterface(const QUuid& iid) override { return iid == IID ? this : nullptr; }

private:
    void Change(TImageList*& field, TImageList* images);

    TImageList* FImages = nullptr;
    TImageList* FDisabledImages = nullptr;
    TImageList* FHotImages = nullptr;
};

// The renderer for an item: asked of its owning list, then up through the parents' lists.
IWkDataItemsRenderer* FindRenderer(IWkDataItem* item);
