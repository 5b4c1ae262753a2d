#pragma once
// A small provider for the tests: a root item list with list management and a text renderer,
// a root context list, and a log of every change it announces. Context selections nest, as a
// provider's must: each release goes back to the context selected before.

#include "components/data/data_contexts.h"
#include "components/data/item_aspects.h"
#include "components/data/list_aspects.h"

#include <QObject>
#include <QStringList>
#include <algorithm>
#include <ostream>
#include <vector>

// Readable failure messages for the texts the tests compare.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{' << texts.join(QStringLiteral(" | ")).toStdString() << '}';
}

class TestProvider : public QObject, public IWkDataProvider, public IWkDataProviderComponent {
public:
    TestProvider() {
        setObjectName(QStringLiteral("Provider1"));
        root.AddExtension<TWkBaseDataItemsListManagement>();
        root.AddExtension<TWkCustomDataItemsTextRenderer>();
    }
    ~TestProvider() override {
        NotifyChanging(pcrDestroy, static_cast<IWkDataProvider*>(this));
        // Items and contexts go before the provider they announce to.
        root.ClearItems();
        contexts.Clear();
    }

    TWkBaseDataItemsListManagement& Manage() {
        return *root.FindExtension<TWkBaseDataItemsListManagement>();
    }
    // A root item with a caption.
    TWkBaseDataItem* AddItem(const QString& id, const QString& caption,
                             TWkBaseDataItems* list = nullptr) {
        TWkBaseDataItems& owner = list != nullptr ? *list : root;
        auto item = std::make_unique<TWkBaseDataItem>(&owner);
        item->SetID(id);
        item->AddExtension<TWkDataItemTextImpl>()->SetCaption(caption);
        TWkBaseDataItem* added = item.get();
        owner.Append(std::move(item));
        return added;
    }

    void* QueryInterface(const QUuid& iid) override {
        if (iid == IWkDataProvider::IID)
            return static_cast<IWkDataProvider*>(this);
        if (iid == IWkDataProviderComponent::IID)
            return static_cast<IWkDataProviderComponent*>(this);
        return nullptr;
    }
    QObject* Component() const override { return const_cast<TestProvider*>(this); }
    IWkDataItems* RootItems() override { return &root; }
    IWkDataContexts* Contexts() override { return withContexts ? &contexts : nullptr; }
    void RegisterNotify(IWkDataProviderNotify* notify) override { notifies.push_back(notify); }
    void UnregisterNotify(IWkDataProviderNotify* notify) override { std::erase(notifies, notify); }
    void NotifyChanging(TDataProviderChangeReason reason, IWkInterface* source) override {
        log << QStringLiteral("changing %1 %2").arg(reason).arg(Describe(source));
        for (IWkDataProviderNotify* notify : std::vector(notifies))
            notify->ProviderChanging(this, reason, source);
    }
    void NotifyChanged(TDataProviderChangeReason reason, IWkInterface* source) override {
        log << QStringLiteral("changed %1 %2").arg(reason).arg(Describe(source));
        for (IWkDataProviderNotify* notify : std::vector(notifies))
            notify->ProviderChanged(this, reason, source);
    }
    void SelectConsumer(IWkDataConsumer*) override {
        ++entered;
        log << QStringLiteral("select consumer");
    }
    void ReleaseConsumer() override {
        --entered;
        log << QStringLiteral("release consumer");
    }
    void SelectContext(IWkDataContext* context) override {
        selections.push_back(context);
        log << QStringLiteral("select context %1").arg(context ? context->Name() : "none");
    }
    void ReleaseContext() override {
        if (!selections.empty())
            selections.pop_back();
        log << QStringLiteral("release context");
    }
    IWkDataContext* SelectedContext() const override {
        return selections.empty() ? nullptr : selections.back();
    }

    // The announcements of the log, without the context selections.
    QStringList Changes() const {
        QStringList changes;
        for (const QString& line : log) {
            if (line.startsWith(QLatin1String("chang")))
                changes << line;
        }
        return changes;
    }

    // "list", "item <id>", "context <name>" or "none".
    static QString Describe(IWkInterface* source) {
        if (source == nullptr)
            return QStringLiteral("none");
        if (auto* item = Supports<IWkDataItem>(source))
            return QStringLiteral("item ") + item->ID();
        if (auto* context = Supports<IWkDataContext>(source))
            return QStringLiteral("context ") + context->Name();
        if (Supports<IWkDataItems>(source) != nullptr)
            return QStringLiteral("list");
        return QStringLiteral("provider");
    }

    TWkDataItemsList root{static_cast<IWkDataProvider*>(this)};
    TWkDataContexts contexts{static_cast<IWkDataProvider*>(this), nullptr};
    bool withContexts = true;
    std::vector<IWkDataContext*> selections;
    std::vector<IWkDataProviderNotify*> notifies;
    QStringList log;
    int entered = 0; // consumers reading now: 0 between uses
};
