#include "components/data/data_errors.h"
#include "test_provider.h"

#include <gtest/gtest.h>
#include <new>

TEST(DataContexts, NamesAreUniqueAndFixedContextsStay) {
    TestProvider provider;
    auto* day = provider.contexts.Add(std::make_unique<TWkDataContext>(&provider.contexts, "Day"));
    auto* fixed =
        provider.contexts.Add(std::make_unique<TWkFixedDataContext>(&provider.contexts, "Default"));
    EXPECT_EQ(provider.log, QStringList({"changing 5 none", "changed 5 context Day",
                                         "changing 5 none", "changed 5 context Default"}));
    EXPECT_THROW(provider.contexts.Add(std::make_unique<TWkDataContext>(&provider.contexts, "DAY")),
                 EWkDataContexts);
    EXPECT_THROW(TWkDataContext(nullptr, "Lost"), EWkDataContexts);
    EXPECT_FALSE(day->Streamable());
    EXPECT_TRUE(fixed->Streamable());

    provider.log.clear();
    provider.contexts.Remove(fixed);
    provider.contexts.Delete(1);
    EXPECT_EQ(provider.contexts.Count(), 2);
    EXPECT_TRUE(provider.log.isEmpty());
    provider.contexts.Delete(0);
    EXPECT_EQ(provider.log, QStringList({"changing 6 context Day", "changed 6 none"}));
    provider.log.clear();
    provider.contexts.Clear();
    EXPECT_EQ(provider.contexts.Count(), 0);
    EXPECT_TRUE(provider.log.isEmpty()) << "clearing announces nothing";
}

TEST(DataContexts, NamesAndPathsFindContextsWithoutRegardToCase) {
    TestProvider provider;
    auto managed = std::make_unique<TWkManagedDataContext>(&provider.contexts, "Night");
    TWkManagedDataContext* night = managed.get();
    provider.contexts.Add(std::move(managed));
    auto* day = provider.contexts.Add(std::make_unique<TWkDataContext>(&provider.contexts, "Day"));
    EXPECT_EQ(provider.contexts.ContextByName("night"), night);
    EXPECT_EQ(provider.contexts.ContextByName("/DAY"), day);
    EXPECT_EQ(provider.contexts.ContextByName("\\Day"), day);
    EXPECT_EQ(provider.contexts.ContextByName(".."), nullptr) << "the root list has no ancestor";
    EXPECT_EQ(provider.contexts.ContextByName("Dusk"), nullptr);
    EXPECT_EQ(provider.contexts.ContextByName("Day/../Night"), night)
        << "back from a context without sub-contexts";
    EXPECT_EQ(provider.contexts.ContextByName("Day/../.."), nullptr);
    EXPECT_EQ(provider.contexts.IndexOf(day), 1);
    EXPECT_NE(Supports<IWkDataContext>(night), nullptr);
    EXPECT_NE(night->QueryInterface(IWkDataContextNaming::IID), nullptr);
    EXPECT_EQ(day->QueryInterface(IWkDataContextNaming::IID), nullptr);
    EXPECT_THROW(night->SetName("day"), EWkDataContexts);
    night->SetName("Evening");
    EXPECT_EQ(provider.contexts.ContextByName("evening"), night);
}

TEST(DataContexts, ContextTextsFallBackToThePlainCaption) {
    TestProvider provider;
    auto* day = provider.contexts.Add(std::make_unique<TWkDataContext>(&provider.contexts, "Day"));
    TWkBaseDataItem* item = provider.AddItem(QStringLiteral("A"), QString());
    auto* text = item->AddExtension<TWkDataItemContextTextImpl>();
    text->SetCaption(QStringLiteral("Plain"));
    provider.SelectContext(day);
    EXPECT_EQ(text->Caption(), QStringLiteral("Plain"));
    EXPECT_TRUE(item->IsEqualToAncestor());
    text->SetCaption(QStringLiteral("Daylight"));
    EXPECT_EQ(text->Caption(), QStringLiteral("Daylight"));
    EXPECT_FALSE(item->IsEqualToAncestor());
    provider.ReleaseContext();
    EXPECT_EQ(text->Caption(), QStringLiteral("Plain"));
    provider.SelectContext(day);
    item->RevertToAncestor();
    EXPECT_EQ(text->Caption(), QStringLiteral("Plain"));
    EXPECT_TRUE(item->IsEqualToAncestor());
}

namespace {

// A manager whose new contexts can be renamed.
class ManagedContexts : public TWkBaseDataContextsManager {
public:
    using TWkBaseDataContextsManager::TWkBaseDataContextsManager;
    const char* ClassName() const override { return "ManagedContexts"; }
    TWkBaseDataContext* NewContext(const TWkDataContextID& name) override {
        return Add(std::make_unique<TWkManagedDataContext>(&Contexts(), name));
    }
};

} // namespace

TEST(DataContexts, AListMadeWithAManagerClassIsManagedThroughIt) {
    TestProvider provider;
    TWkDataContexts plain(&provider, nullptr);
    EXPECT_EQ(Supports<IWkDataContextsManager>(&plain), nullptr);

    TWkDataContexts list(&provider, nullptr, ContextsManagerClass<ManagedContexts>());
    auto* manager = Supports<IWkDataContextsManager>(&list);
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(list.Provider(), static_cast<IWkDataProvider*>(&provider));
    TWkBaseDataContext* day = manager->NewContext("Day");
    EXPECT_EQ(list.Count(), 1);
    EXPECT_NE(Supports<IWkDataContextNaming>(day), nullptr) << "the provider's own kind";
    TWkBaseDataContext* night = manager->Add(std::make_unique<TWkFixedDataContext>(&list, "Night"));
    EXPECT_EQ(list.IndexOf(night), 1);
    EXPECT_EQ(provider.log, QStringList({"changing 5 none", "changed 5 context Day",
                                         "changing 5 none", "changed 5 context Night"}));

    provider.log.clear();
    manager->Delete(night);
    EXPECT_EQ(list.Count(), 2) << "a fixed context is not deleted";
    EXPECT_TRUE(provider.log.isEmpty());
    manager->Delete(day);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(provider.log, QStringList({"changing 6 context Day", "changed 6 none"}));
    provider.log.clear();
    manager->Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(provider.log.isEmpty());
}

namespace {

// Records the contexts it is told are going, under a label.
class DestroyingRecorder : public TAggregatedPersistentEx, public IWkDataContextDestroying {
public:
    DestroyingRecorder(TExtensibleInterfacedPersistent& owner, QStringList& log, QString label)
        : TAggregatedPersistentEx(owner), log(log), label(std::move(label)) {}
    const char* ClassName() const override { return "DestroyingRecorder"; }
    void ContextDestroying(IWkDataContext* context) override {
        log << label + QStringLiteral(" ") + context->Name();
    }

protected:
    void* OwnInterface(const QUuid& iid) override {
        return iid == IWkDataContextDestroying::IID ? static_cast<IWkDataContextDestroying*>(this)
                                                    : nullptr;
    }

private:
    QStringList& log;
    QString label;
};

// Contexts of this class take the storage the last one left, as an allocator may.
class RecycledContext : public TWkDataContext {
public:
    using TWkDataContext::TWkDataContext;
    static void* operator new(std::size_t size) {
        EXPECT_LE(size, sizeof(storage));
        return storage;
    }
    static void operator delete(void*) {}

private:
    alignas(std::max_align_t) static inline unsigned char storage[512];
};

} // namespace

TEST(DataContexts, AGoingContextIsToldToTheListThenItsExtensionsItemsAndSubLists) {
    TestProvider provider;
    QStringList log;
    provider.root.AddExtension<DestroyingRecorder>(log, "list");
    TWkBaseDataItem* a = provider.AddItem("A", "A");
    a->AddExtension<DestroyingRecorder>(log, "A");
    TWkDataItemsList* sub = MakeSubItems(*a);
    sub->AddExtension<DestroyingRecorder>(log, "A's list");
    provider.AddItem("A1", "A1", sub)->AddExtension<DestroyingRecorder>(log, "A1");
    provider.AddItem("B", "B")->AddExtension<DestroyingRecorder>(log, "B");
    provider.contexts.Add(std::make_unique<TWkDataContext>(&provider.contexts, "Day"));
    provider.contexts.Add(std::make_unique<TWkFixedDataContext>(&provider.contexts, "Fixed"));

    provider.contexts.Delete(0);
    EXPECT_EQ(log, QStringList({"list Day", "A Day", "A's list Day", "A1 Day", "B Day"}));
    log.clear();
    provider.contexts.Clear();
    EXPECT_EQ(log.size(), 5) << "clearing tells the items about every context too";
}

TEST(DataContexts, ADeletedContextTakesItsCaptionsWithIt) {
    TestProvider provider;
    TWkBaseDataItem* item = provider.AddItem("A", QString());
    auto* text = item->AddExtension<TWkDataItemContextTextImpl>();
    text->SetCaption("Plain");
    auto* day = provider.contexts.Add(std::make_unique<RecycledContext>(&provider.contexts, "Day"));
    provider.SelectContext(day);
    text->SetCaption("Daylight");
    EXPECT_FALSE(item->IsEqualToAncestor());
    provider.ReleaseContext();

    provider.contexts.Delete(0);
    EXPECT_EQ(text->ContextCaptionCount(), 0);
    auto* night =
        provider.contexts.Add(std::make_unique<RecycledContext>(&provider.contexts, "Night"));
    ASSERT_EQ(static_cast<IWkDataContext*>(night), static_cast<IWkDataContext*>(day))
        << "the new context lives where the old one did";
    provider.SelectContext(night);
    EXPECT_EQ(text->Caption(), QStringLiteral("Plain")) << "no caption of the old context";
    EXPECT_TRUE(item->IsEqualToAncestor());
    provider.ReleaseContext();
    provider.contexts.Clear();
}
