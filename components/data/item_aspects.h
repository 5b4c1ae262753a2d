#pragma once
// Aspects of one item: its caption (plain, per context, or blockable) and its image indexes.
// Every change of an aspect is announced to the provider of the item's list with
// pcrUpdateItem and the item before and after; an equal value changes nothing.

#include "components/base/text_alignment.h"
#include "components/data/data_item.h"

#include <utility>
#include <vector>

// The base of an item's aspects: reaches the item through its controller.
class TWkDataItemAggregatedObject : public TAggregatedPersistentEx {
public:
    using TAggregatedPersistentEx::TAggregatedPersistentEx;

    // The item this aspect belongs to, or null on another kind of object.
    TWkBaseDataItem* Item() const;
    IWkDataProvider* Provider() const;

protected:
    // Runs store between the provider's changing and changed notifications.
    template <typename Store> void Announce(Store store) {
        IWkDataProvider* provider = Provider();
        IWkInterface* source = static_cast<IWkDataItem*>(Item());
        if (provider != nullptr)
            provider->NotifyChanging(pcrUpdateItem, source);
        store();
        if (provider != nullptr)
            provider->NotifyChanged(pcrUpdateItem, source);
    }
};

class TWkBaseDataItemTextImpl : public TWkDataItemAggregatedObject, public IWkDataItemText {
public:
    using TWkDataItemAggregatedObject::TWkDataItemAggregatedObject;

    QString Caption() const override { return ReadText(); }
    // Ignored while the text is not editable or equal (with case) to the caption.
    void SetCaption(const QString& caption) override;
    virtual bool Editable() const { return true; }

protected:
    void* OwnInterface(const QUuid& iid) override;
    virtual QString ReadText() const = 0;
    virtual void StoreText(const QString& caption) = 0;
};

class TWkDataItemTextImpl : public TWkBaseDataItemTextImpl {
public:
    static constexpr const char* RegisteredName = "TWkDataItemTextImpl";

    using TWkBaseDataItemTextImpl::TWkBaseDataItemTextImpl;
    const char* ClassName() const override { return RegisteredName; }

    // The caption kept for no context: what is stored with the item.
    QString PlainCaption() const { return FCaption; }
    // Announced when different; not blocked.
    void SetPlainCaption(const QString& caption);

    // "Caption", the plain caption: texts kept per context belong to the running provider's
    // contexts.
    void WriteProperties(THackWriter& writer) override;
    bool ReadProperty(TWkPropertyReader& reader, const QString& name) override;

protected:
    QString ReadText() const override { return FCaption; }
    void StoreText(const QString& caption) override { FCaption = caption; }

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
    bool Editable() const override { return !FReadOnly; }

    // The caption's properties and "ReadOnly".
    void WriteProperties(THackWriter& writer) override;
    bool ReadProperty(TWkPropertyReader& reader, const QString& name) override;

private:
    bool FReadOnly = false;
};

// A caption per context: reading walks from the provider's selected context up through its
// ancestors and gives the first caption stored for one of them, else the plain caption.
// Writing stores the caption for the selected context, or the plain caption without one.
class TWkDataItemContextTextImpl : public TWkDataItemTextImpl,
                                   public IWkDataItemAncestor,
                                   public IWkDataContextDestroying {
public:
    static constexpr const char* RegisteredName = "TWkDataItemContextTextImpl";

    using TWkDataItemTextImpl::TWkDataItemTextImpl;
    const char* ClassName() const override { return RegisteredName; }

    // Drops the caption stored for the selected context.
    void RevertToAncestor() override;
    bool IsEqualToAncestor() const override;
    // A context that goes takes its caption with it.
    void ContextDestroying(IWkDataContext* context) override;
    int ContextCaptionCount() const { return int(FTexts.size()); }

protected:
    void* OwnInterface(const QUuid& iid) override;
    QString ReadText() const override;
    void StoreText(const QString& caption) override;

private:
    IWkDataContext* SelectedContext() const;

    std::vector<std::pair<IWkDataContext*, QString>> FTexts;
};

class TWkBaseDataItemImageImpl : public TWkDataItemAggregatedObject, public IWkDataItemImage {
public:
    using TWkDataItemAggregatedObject::TWkDataItemAggregatedObject;

protected:
    void* OwnInterface(const QUuid& iid) override;
};

class TWkDataItemImageImpl : public TWkBaseDataItemImageImpl {
public:
    static constexpr const char* RegisteredName = "TWkDataItemImageImpl";

    using TWkBaseDataItemImageImpl::TWkBaseDataItemImageImpl;
    const char* ClassName() const override { return RegisteredName; }

    TAlignment ImageAlignment() const override { return FImageAlignment; }
    void SetImageAlignment(TAlignment alignment) override;
    int ImageIndex() const override { return FImageIndex; }
    void SetImageIndex(int index) override;
    int SelectedIndex() const override { return FSelectedIndex; }
    void SetSelectedIndex(int index) override;

    // "ImageAlignment", "ImageIndex" and "SelectedIndex".
    void WriteProperties(THackWriter& writer) override;
    bool ReadProperty(TWkPropertyReader& reader, const QString& name) override;

private:
    template <typename T> void Change(T& field, T value);

    TAlignment FImageAlignment = taLeftJustify;
    int FImageIndex = -1;
    int FSelectedIndex = -1;
};
