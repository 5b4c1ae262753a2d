#pragma once
// Aspects of an item list: drawing and measuring its items, adding and deleting them, and the
// image lists its items index into. Each change is announced to the list's provider before
// and after.

#include "components/data/custom_image_list.h"
#include "components/data/data_items.h"

#include <QPointer>

// The base of a list's aspects: reaches the list through its controller.
class TWkDataItemsAggregatedObject : public TAggregatedPersistentEx {
public:
    using TAggregatedPersistentEx::TAggregatedPersistentEx;

    // The list as its interface, for its operations and its provider.
    IWkDataItems& ItemsIntf() const;
    // The list for direct access.
    TWkBaseDataItems& ItemsObject() const;

protected:
    void Changing(TDataProviderChangeReason reason, IWkInterface* source) const;
    void Changed(TDataProviderChangeReason reason, IWkInterface* source) const;
};

// Draws and measures the list's items: an item that draws itself does so, the others go to
// the renderer's own operations.
class TWkBaseDataItemsRenderer : public TWkDataItemsAggregatedObject, public IWkDataItemsRenderer {
public:
    using TWkDataItemsAggregatedObject::TWkDataItemsAggregatedObject;

    void DrawItem(TCanvas& canvas, const TRect& rect, TProviderDrawStates state,
                  IWkDataItem* item) override;
    TSize MeasureItem(TCanvas& canvas, IWkDataItem* item) override;
    // By index into the list; raises EWkDataItems "List index out of bounds (%d)".
    void DrawItemAt(TCanvas& canvas, const TRect& rect, TProviderDrawStates state, int index);
    TSize MeasureItemAt(TCanvas& canvas, int index);

protected:
    void* OwnInterface(const QUuid& iid) override;
    virtual void DoDrawItem(TCanvas& canvas, const TRect& rect, TProviderDrawStates state,
                            IWkDataItem* item) = 0;
    virtual TSize DoMeasureItem(TCanvas& canvas, IWkDataItem* item) = 0;
};

// Draws an item's caption in its rectangle.
class TWkCustomDataItemsTextRenderer : public TWkBaseDataItemsRenderer {
public:
    static constexpr const char* RegisteredName = "TWkCustomDataItemsTextRenderer";
    // Measured for the average item size.
    static constexpr const char* SampleText = "WyWyWyWyWyWyWyWyWyWy";

    using TWkBaseDataItemsRenderer::TWkBaseDataItemsRenderer;
    const char* ClassName() const override { return RegisteredName; }
    TSize AverageItemSize(TCanvas& canvas) override;

protected:
    void DoDrawItem(TCanvas& canvas, const TRect& rect, TProviderDrawStates state,
                    IWkDataItem* item) override;
    TSize DoMeasureItem(TCanvas& canvas, IWkDataItem* item) override;
};

// Adding, clearing and deleting items, each change announced around its work.
class TWkBaseDataItemsManagement : public TWkDataItemsAggregatedObject {
public:
    static inline const QUuid IID{QStringLiteral("{C0D7E1A4-5B3F-4E62-9A18-2F4D6B8E0C35}")};

    using TWkDataItemsAggregatedObject::TWkDataItemsAggregatedObject;

    // Appends item; announces pcrAdd with the list before and the item after. Returns the item.
    virtual TWkBaseDataItem* Add(std::unique_ptr<TWkBaseDataItem> item) = 0;
    // Makes a new item of the provider's own kind and adds it; a provider supplies it.
    virtual TWkBaseDataItem* NewItem();
    // Frees every item; announces pcrUpdateItems with the list.
    virtual void Clear() = 0;
    // Takes out the item at index; nothing where the list gives no item. Raises EWkDataItems
    // "Item cannot be deleted" for an item that refuses, leaving the list alone.
    virtual void Delete(int index) = 0;
    // Takes the caller's reference: an item still referenced elsewhere stays in the list and
    // only the caller's reference is cleared. Nothing for no item; raises like Delete.
    virtual void Remove(TWkRef<IWkDataItem>& item) = 0;

protected:
    void* OwnInterface(const QUuid& iid) override { return iid == IID ? this : nullptr; }
};

// The management of a TWkDataItemsList, working on its object list.
class TWkBaseDataItemsListManagement : public TWkBaseDataItemsManagement {
public:
    static constexpr const char* RegisteredName = "TWkBaseDataItemsListManagement";

    using TWkBaseDataItemsManagement::TWkBaseDataItemsManagement;
    const char* ClassName() const override { return RegisteredName; }

    TWkBaseDataItem* Add(std::unique_ptr<TWkBaseDataItem> item) override;
    void Clear() override;
    void Delete(int index) override;
    void Remove(TWkRef<IWkDataItem>& item) override;

private:
    TWkDataItemsList& List() const;
};

// The image lists a list's items index into. The lists are referenced, not owned; a
// reference clears itself when its list is destroyed.
class TWkBaseDataItemsImagesImpl : public TWkDataItemsAggregatedObject {
public:
    static inline const QUuid IID{QStringLiteral("{5C3E9B27-0D41-4A8F-B6E2-71F94A0D3C58}")};

    using TWkDataItemsAggregatedObject::TWkDataItemsAggregatedObject;

    virtual TCustomImageList* DisabledImages() const = 0;
    virtual void SetDisabledImages(TCustomImageList* images) = 0;
    virtual TCustomImageList* HotImages() const = 0;
    virtual void SetHotImages(TCustomImageList* images) = 0;
    virtual TCustomImageList* Images() const = 0;
    virtual void SetImages(TCustomImageList* images) = 0;

protected:
    void* OwnInterface(const QUuid& iid) override { return iid == IID ? this : nullptr; }
};

class TWkCustomDataItemsImages : public TWkBaseDataItemsImagesImpl {
public:
    static constexpr const char* RegisteredName = "TWkCustomDataItemsImages";

    using TWkBaseDataItemsImagesImpl::TWkBaseDataItemsImagesImpl;
    const char* ClassName() const override { return RegisteredName; }

    // Setting a different list announces pcrUpdateItems with the list around it.
    TCustomImageList* DisabledImages() const override { return FDisabledImages; }
    void SetDisabledImages(TCustomImageList* images) override { Change(FDisabledImages, images); }
    TCustomImageList* HotImages() const override { return FHotImages; }
    void SetHotImages(TCustomImageList* images) override { Change(FHotImages, images); }
    TCustomImageList* Images() const override { return FImages; }
    void SetImages(TCustomImageList* images) override { Change(FImages, images); }

    // "DisabledImages", "HotImages" and "Images", each the name of a list that is found again
    // under the stream's root; a list that cannot be is not written. Reading a name that the
    // root does not hold leaves the reference empty.
    void WriteProperties(THackWriter& writer) override;
    bool ReadProperty(TWkPropertyReader& reader, const QString& name) override;

private:
    void Change(QPointer<TCustomImageList>& field, TCustomImageList* images);

    QPointer<TCustomImageList> FDisabledImages;
    QPointer<TCustomImageList> FHotImages;
    QPointer<TCustomImageList> FImages;
};

// The renderer for an item: asked of its owning list, then up through the parents' lists.
IWkDataItemsRenderer* FindRenderer(IWkDataItem* item);
