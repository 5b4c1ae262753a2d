#pragma once
// The interfaces through which a control (the consumer) shows items that a separate provider
// supplies. Each interface carries its identifier; an object answers QueryInterface with its
// implementation of an identifier or null. Most objects are owned by their lists and providers
// and an answer lives as long as the object that gave it; the items of dynamic lists live while
// counted references (TWkRef) to them exist.

#include "components/base/text_alignment.h"

#include <QObject>
#include <QString>
#include <QUuid>
#include <utility>

class TCanvas;
struct TRect;
struct TSize;

class IWkInterface {
public:
    virtual ~IWkInterface() = default;
    // This object's implementation of interface iid, or null.
    virtual void* QueryInterface(const QUuid& iid) = 0;
    // The reference count after the change, or -1 for an object whose lifetime is not counted
    // (it belongs to its container, which frees it).
    virtual int AddRef() { return -1; }
    virtual int Release() { return -1; }
};

// A counted reference: AddRef when taken, Release when dropped. For an object that is not
// counted it is a plain pointer.
template <typename I> class TWkRef {
public:
    TWkRef() = default;
    TWkRef(I* object) : FObject(object) { // NOLINT(google-explicit-constructor)
        if (FObject != nullptr)
            FObject->AddRef();
    }
    TWkRef(const TWkRef& other) : TWkRef(other.FObject) {}
    TWkRef(TWkRef&& other) noexcept : FObject(std::exchange(other.FObject, nullptr)) {}
    TWkRef& operator=(TWkRef other) noexcept {
        std::swap(FObject, other.FObject);
        return *this;
    }
    ~TWkRef() { Reset(); }

    // Drops the reference; the object may be freed by it.
    void Reset() {
        if (I* object = std::exchange(FObject, nullptr))
            object->Release();
    }
    I* Get() const { return FObject; }
    I* operator->() const { return FObject; }
    explicit operator bool() const { return FObject != nullptr; }

private:
    I* FObject = nullptr;
};

// The object's implementation of I, or null (also for a null object).
template <typename I> I* Supports(IWkInterface* object) {
    return object != nullptr ? static_cast<I*>(object->QueryInterface(I::IID)) : nullptr;
}

enum TDataProviderChangeReason {
    pcrAdd,
    pcrDelete,
    pcrUpdateItem,
    pcrUpdateItems,
    pcrDestroy,
    pcrContextAdd,
    pcrContextDelete,
    pcrContextUpdate,
    pcrFullRefresh,
};

// Bits of the draw state; the low byte of a list control's owner-draw state, bit for bit.
enum TProviderDrawState : unsigned {
    pdsSelected = 1u << 0,
    pdsGrayed = 1u << 1,
    pdsDisabled = 1u << 2,
    pdsChecked = 1u << 3,
    pdsFocused = 1u << 4,
    pdsDefault = 1u << 5,
    pdsHot = 1u << 6,
};
using TProviderDrawStates = unsigned;

enum TWkDataConsumerChangeReason {
    ccrProviderSelect,
    ccrProviderChange,
    ccrViewChange,
    ccrContextChange,
    ccrOther,
};

using TWkDataItemID = QString;
using TWkDataContextID = QString;

class IWkDataProvider;
class IWkDataItem;
class IWkDataContext;
class IWkDataContexts;
class IWkDataConsumer;

class IWkDataItems : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{93747660-24FB-4294-BF4E-C7F88EA23983}")};
    // The item whose sub-items these are; null for the provider's root list.
    virtual IWkDataItem* ParentItem() const = 0;
    virtual IWkDataProvider* Provider() const = 0;
    virtual int Count() const = 0;
    // Raises EWkDataItems for an index outside 0 .. Count - 1.
    virtual IWkDataItem* Item(int index) const = 0;
    // A dynamic list's items are counted and live while references to them exist; the items
    // of any other list live as long as the list holds them.
    virtual bool IsDynamic() const = 0;
};

// Finding an item of a list by identifier.
class IWkDataItemsFind : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{0F5BDC79-893B-45C9-94E9-C2B2FD4ABFE7}")};
    // The last item with that identifier, searching sub-item lists too when recurse is set;
    // null when none.
    virtual IWkDataItem* FindItem(const TWkDataItemID& id, bool recurse) = 0;
};

// The item with that identifier in list or its sub-item lists; null when none or for a list
// that cannot be searched.
inline IWkDataItem* FindItemBelow(IWkInterface* list, const TWkDataItemID& id) {
    auto* find = Supports<IWkDataItemsFind>(list);
    return find != nullptr ? find->FindItem(id, true) : nullptr;
}

class IWkDataItem : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{C965CF64-A1F2-44A4-B856-3A4EC6B693E1}")};
    virtual TWkDataItemID ID() const = 0;
    virtual IWkDataItems* OwnerList() const = 0;
};

// The text aspect of an item.
class IWkDataItemText : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{6D1C4D0E-2B5A-4F35-9E51-5A2F3C1B7E10}")};
    virtual QString Caption() const = 0;
    virtual void SetCaption(const QString& caption) = 0;
};

// The item's caption; empty for a null item or one without text.
inline QString ItemCaption(IWkDataItem* item) {
    const auto* text = Supports<IWkDataItemText>(item);
    return text != nullptr ? text->Caption() : QString();
}

// The image aspect of an item: indexes into the list's image lists, -1 for none.
class IWkDataItemImage : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{2A0F8C3B-7E44-4C1D-8B5F-9D6E1A3C4B21}")};
    // Where the image stands beside the text.
    virtual TAlignment ImageAlignment() const = 0;
    virtual void SetImageAlignment(TAlignment alignment) = 0;
    virtual int ImageIndex() const = 0;
    virtual void SetImageIndex(int index) = 0;
    virtual int SelectedIndex() const = 0;
    virtual void SetSelectedIndex(int index) = 0;
};

// Whether an item is shown: a view only gives rows to visible items. An item without this
// aspect is visible.
class IWkDataItemState : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{8B41C2F7-3D6E-4A95-B0C8-E25F7A1D9346}")};
    virtual bool Visible() const = 0;
};

// Told before a context goes, so that values kept for it go too.
class IWkDataContextDestroying : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{D47A0E19-6C2B-4F83-9E5D-18B3C6F0A725}")};
    virtual void ContextDestroying(IWkDataContext* context) = 0;
};

// What an item does when the user picks it in a control.
class IWkDataItemAction : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{3F6B2D91-84C7-4E0A-A5D3-6C1E9B7F2A44}")};
    virtual void Execute(QObject* control) = 0;
};

// An item that draws and measures itself.
class IWkDataItemDraw : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{9E877A0D-01C2-4204-AA74-84D6516BBEB9}")};
    virtual void Draw(TCanvas& canvas, const TRect& rect, TProviderDrawStates state) = 0;
    virtual TSize Measure(TCanvas& canvas) = 0;
};

// Drawing and measuring the items of a list; asked of a list and then of its ancestors' lists.
class IWkDataItemsRenderer : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{4EA490F4-7CCF-44A1-AA26-5320CDE9FAFC}")};
    virtual void DrawItem(TCanvas& canvas, const TRect& rect, TProviderDrawStates state,
                          IWkDataItem* item) = 0;
    virtual TSize MeasureItem(TCanvas& canvas, IWkDataItem* item) = 0;
    virtual TSize AverageItemSize(TCanvas& canvas) = 0;
};

// Reverting a per-context value to the one its ancestor context gives.
class IWkDataItemAncestor : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{7067F5C1-05DC-4DAC-A595-AF9151695FBB}")};
    virtual void RevertToAncestor() = 0;
    virtual bool IsEqualToAncestor() const = 0;
};

// The component that holds a provider.
class IWkDataProviderComponent : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{E28B1858-EC86-4559-8FCD-6B4F824151ED}")};
    virtual QObject* Component() const = 0;
};

// What a provider tells the consumers that registered with it.
class IWkDataProviderNotify {
public:
    virtual ~IWkDataProviderNotify() = default;
    virtual void ProviderChanging(IWkDataProvider* provider, TDataProviderChangeReason reason,
                                  IWkInterface* source) = 0;
    virtual void ProviderChanged(IWkDataProvider* provider, TDataProviderChangeReason reason,
                                 IWkInterface* source) = 0;
};

class IWkDataProvider : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{62A7A17D-1E21-427E-861D-C92FBB9B09A6}")};
    virtual IWkDataItems* RootItems() = 0;
    // The root context list, or null for a provider without contexts.
    virtual IWkDataContexts* Contexts() = 0;
    virtual void RegisterNotify(IWkDataProviderNotify* notify) = 0;
    virtual void UnregisterNotify(IWkDataProviderNotify* notify) = 0;
    // Sent by the provider's lists around every change; passed on to every registered notify.
    virtual void NotifyChanging(TDataProviderChangeReason reason, IWkInterface* source) = 0;
    virtual void NotifyChanged(TDataProviderChangeReason reason, IWkInterface* source) = 0;
    // The consumer and context on whose behalf items are read; each select has its release.
    virtual void SelectConsumer(IWkDataConsumer* consumer) = 0;
    virtual void ReleaseConsumer() = 0;
    virtual void SelectContext(IWkDataContext* context) = 0;
    virtual void ReleaseContext() = 0;
    virtual IWkDataContext* SelectedContext() const = 0;
};

class IWkDataConsumer : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{B2F18D03-F615-4AA2-A51A-74D330C05C0E}")};
    // The control that owns the consumer.
    virtual QObject* Owner() const = 0;
    virtual bool HasAttribute(int attribute) const = 0;
};

class IWkDataContext : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{F226D92A-3493-4EF8-9CE6-037357EB0CEA}")};
    virtual TWkDataContextID Name() const = 0;
    // The list that holds the context.
    virtual IWkDataContexts* ContextList() const = 0;
    virtual bool Deletable() const = 0;
    virtual bool Streamable() const = 0;
};

class IWkDataContexts : public virtual IWkInterface {
public:
    static inline const QUuid IID{QStringLiteral("{BA5DC787-29C6-40FA-9542-F0A1E92A2B30}")};
    virtual IWkDataProvider* Provider() const = 0;
    // The context whose sub-contexts these are; null for the provider's root list.
    virtual IWkDataContext* Ancestor() const = 0;
    virtual int Count() const = 0;
    // Raises EWkDataContexts for an index outside 0 .. Count - 1.
    virtual IWkDataContext* Context(int index) const = 0;
    // The context a name path leads to (see ContextByPath), or null.
    virtual IWkDataContext* ContextByName(const QString& path) = 0;
    virtual int IndexOf(IWkDataContext* context) const = 0;
};
