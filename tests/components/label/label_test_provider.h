#pragma once
// A provider of the label tests' own: one root list of captioned items with a text renderer, no
// contexts. An item may also draw itself and act when picked, recording both.

#include "components/data/item_aspects.h"

#include <QObject>
#include <QStringList>
#include <algorithm>
#include <vector>

// Draws a solid block over its rectangle and records what it was given; records being picked.
class RecordingItemAspect : public TAggregatedPersistentEx,
                            public IWkDataItemDraw,
                            public IWkDataItemAction {
public:
    RecordingItemAspect(TExtensibleInterfacedPersistent& item, QStringList& log)
        : TAggregatedPersistentEx(item), log(log) {}
    const char* ClassName() const override { return "RecordingItemAspect"; }
    void* QueryInterface(const QUuid& iid) override { return OwnInterface(iid); }

    void Draw(TCanvas& canvas, const TRect& rect, TProviderDrawStates state) override {
        log << QStringLiteral("draw %1,%2,%3,%4 state %5")
                   .arg(rect.Left)
                   .arg(rect.Top)
                   .arg(rect.Right)
                   .arg(rect.Bottom)
                   .arg(state);
        canvas.Brush = TBrush{clBlack, bsSolid};
        canvas.FillRect(rect);
    }
    TSize Measure(TCanvas&) override { return {30, 12}; }
    void Execute(QObject*) override { log << QStringLiteral("execute"); }

protected:
    void* OwnInterface(const QUuid& iid) override {
        if (iid == IWkDataItemDraw::IID)
            return static_cast<IWkDataItemDraw*>(this);
        if (iid == IWkDataItemAction::IID)
            return static_cast<IWkDataItemAction*>(this);
        return nullptr;
    }

private:
    QStringList& log;
};

class LabelTestProvider : public IWkDataProvider {
public:
    LabelTestProvider() { root.AddExtension<TWkCustomDataItemsTextRenderer>(); }
    ~LabelTestProvider() override {
        NotifyChanging(pcrDestroy, this);
        root.ClearItems();
    }

    TWkBaseDataItem* AddItem(const QString& id, const QString& caption) {
        auto item = std::make_unique<TWkBaseDataItem>(&root);
        item->SetID(id);
        item->AddExtension<TWkDataItemTextImpl>()->SetCaption(caption);
        TWkBaseDataItem* added = item.get();
        root.Append(std::move(item));
        return added;
    }

    void* QueryInterface(const QUuid& iid) override {
        return iid == IWkDataProvider::IID ? static_cast<IWkDataProvider*>(this) : nullptr;
    }
    IWkDataItems* RootItems() override { return &root; }
    IWkDataContexts* Contexts() override { return nullptr; }
    void RegisterNotify(IWkDataProviderNotify* notify) override { notifies.push_back(notify); }
    void UnregisterNotify(IWkDataProviderNotify* notify) override { std::erase(notifies, notify); }
    void NotifyChanging(TDataProviderChangeReason reason, IWkInterface* source) override {
        for (IWkDataProviderNotify* notify : std::vector(notifies))
            notify->ProviderChanging(this, reason, source);
    }
    void NotifyChanged(TDataProviderChangeReason reason, IWkInterface* source) override {
        for (IWkDataProviderNotify* notify : std::vector(notifies))
            notify->ProviderChanged(this, reason, source);
    }
    void SelectConsumer(IWkDataConsumer*) override { ++entered; }
    void ReleaseConsumer() override { --entered; }
    void SelectContext(IWkDataContext*) override {}
    void ReleaseContext() override {}
    IWkDataContext* SelectedContext() const override { return nullptr; }

    TWkDataItemsList root{this};
    std::vector<IWkDataProviderNotify*> notifies;
    int entered = 0; // consumers reading now: 0 between uses
};
