#include "components/data/data_consumer.h"
#include "components/data/data_errors.h"
#include "test_provider.h"

#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A control that shows one item of a provider, or its own caption without one, the way the
// library's label attaches to a consumer.
class CaptionControl : public QWidget {
public:
    CaptionControl() {
        consumer.OnChanged = [this](TWkDataConsumer&, TWkDataConsumerChangeReason reason) {
            reasons.push_back(reason);
            update();
        };
    }

    QString ShownText() {
        TWkDataConsumerItemSelect* select = consumer.ItemSelect();
        if (consumer.Provider() == nullptr || select == nullptr || select->ItemIntf() == nullptr)
            return caption;
        const EnterScope scope(consumer);
        auto* text = Supports<IWkDataItemText>(select->ItemIntf());
        return text != nullptr ? text->Caption() : QString();
    }

    QString caption = QStringLiteral("Filter");
    TWkDataConsumer consumer{this, {TWkDataConsumer::caOneItem, TWkDataConsumer::caOneItem}};
    std::vector<TWkDataConsumerChangeReason> reasons;
};

} // namespace

TEST(DataConsumer, AControlWithoutProviderShowsItsOwnCaption) {
    CaptionControl control;
    EXPECT_EQ(control.ShownText(), QStringLiteral("Filter"));
    EXPECT_EQ(control.consumer.Owner(), &control);
    EXPECT_TRUE(control.consumer.HasAttribute(TWkDataConsumer::caOneItem));
    EXPECT_FALSE(control.consumer.HasAttribute(TWkDataConsumer::caItemList));
    EXPECT_EQ(control.consumer.ItemSelect(), nullptr);
    EXPECT_EQ(Supports<IWkDataConsumer>(&control.consumer),
              static_cast<IWkDataConsumer*>(&control.consumer));
    try {
        control.consumer.SetContext(QStringLiteral("Night"));
        FAIL() << "no error";
    } catch (const EWkDataConsumer& error) {
        EXPECT_EQ(error.Message(),
                  QStringLiteral("You must specify a provider before setting the context"));
    }
    control.consumer.SetLoading(true);
    control.consumer.SetContext(QStringLiteral("Night"));
    EXPECT_EQ(control.consumer.Context(), QStringLiteral("Night")) << "kept until a provider comes";
}

TEST(DataConsumer, AControlWithAProviderShowsTheSelectedItem) {
    TestProvider provider;
    provider.AddItem(QStringLiteral("A"), QStringLiteral("Dead zone"));
    CaptionControl control;
    control.consumer.SetProvider(&provider);
    ASSERT_NE(control.consumer.ItemSelect(), nullptr);
    EXPECT_EQ(control.reasons.back(), ccrProviderSelect);
    EXPECT_EQ(control.ShownText(), QStringLiteral("Filter")) << "no item chosen yet";

    provider.log.clear();
    control.consumer.ItemSelect()->SetItem(QStringLiteral("A"));
    EXPECT_EQ(control.ShownText(), QStringLiteral("Dead zone"));
    EXPECT_EQ(provider.log.mid(0, 4), QStringList({"select consumer", "select context none",
                                                   "release context", "release consumer"}));
    EXPECT_THROW(control.consumer.ItemSelect()->SetItem(QStringLiteral("missing")),
                 EWkDataConsumer);

    control.reasons.clear();
    Supports<IWkDataItemText>(provider.root.Item(0))->SetCaption(QStringLiteral("Trim"));
    EXPECT_EQ(control.reasons, std::vector({ccrProviderChange}));
    EXPECT_EQ(control.ShownText(), QStringLiteral("Trim"));

    provider.Manage().Clear();
    EXPECT_EQ(control.consumer.ItemSelect()->ItemIntf(), nullptr) << "the item went with its list";
    EXPECT_EQ(control.ShownText(), QStringLiteral("Filter"));
}

TEST(DataConsumer, ContextsAreChosenByName) {
    TestProvider provider;
    auto* day = provider.contexts.Add(std::make_unique<TWkDataContext>(&provider.contexts, "Day"));
    auto* night =
        provider.contexts.Add(std::make_unique<TWkDataContext>(&provider.contexts, "Night"));
    TWkDataConsumer consumer(nullptr, {TWkDataConsumer::caOneItem});
    consumer.SetProvider(&provider);
    EXPECT_EQ(consumer.ContextIntf(), day) << "the first context is selected";
    consumer.SetContext(QStringLiteral("night"));
    EXPECT_EQ(consumer.ContextIntf(), night);
    try {
        consumer.SetContext(QStringLiteral("Dusk"));
        FAIL() << "no error";
    } catch (const EWkDataConsumer& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Provider has no context named \"Dusk\""));
    }
    consumer.SetContext(QString());
    EXPECT_EQ(consumer.ContextIntf(), nullptr);
    provider.withContexts = false;
    EXPECT_THROW(consumer.SetContext(QStringLiteral("Day")), EWkDataConsumer);

    provider.withContexts = true;
    TWkDataConsumer loading(nullptr, {});
    loading.SetLoading(true);
    loading.SetContext(QStringLiteral("Night"));
    loading.SetProvider(&provider);
    EXPECT_EQ(loading.ContextIntf(), night) << "the stored name is resolved with the provider";
}

TEST(DataConsumer, AProviderThatGoesLeavesTheConsumerEmpty) {
    TWkDataConsumer consumer(nullptr, {TWkDataConsumer::caItemList});
    {
        TestProvider provider;
        provider.AddItem(QStringLiteral("A"), QStringLiteral("X"));
        consumer.SetProvider(&provider);
        ASSERT_NE(consumer.ViewList(), nullptr);
        EXPECT_EQ(consumer.ViewList()->Count(), 1);
    }
    EXPECT_EQ(consumer.Provider(), nullptr);
    EXPECT_EQ(consumer.ViewList()->Count(), 0) << "the view list stays, empty";
    EXPECT_THROW(consumer.Enter(), EWkDataConsumer);
}

namespace {

class CountingViewList : public TWkDataConsumerViewList {
public:
    static constexpr const char* RegisteredName = "CountingViewList";
    using TWkDataConsumerViewList::TWkDataConsumerViewList;
    const char* ClassName() const override { return RegisteredName; }
};

// A service that stays across provider changes and logs what it is told.
class RecordingService : public TWkDataConsumerAggregatedObject {
public:
    RecordingService(TExtensibleInterfacedPersistent& consumer, QStringList& log)
        : TWkDataConsumerAggregatedObject(consumer), log(log) {}
    const char* ClassName() const override { return "RecordingService"; }
    bool StaysAcrossProviderChange() const override { return true; }
    void ProviderChanging() override { log << "changing"; }
    void ProviderChanged() override { log << "changed"; }

private:
    QStringList& log;
};

// A follower that logs what its master tells it.
class RecordingServer : public IWkDataConsumerServer {
public:
    void MasterProviderSelected(TWkDataConsumer& master) override {
        log << QStringLiteral("provider selected, item select %1")
                   .arg(master.ItemSelect() != nullptr ? "made" : "missing");
    }
    void MasterItemChanged(TWkDataConsumer&, IWkDataItem* item) override {
        log << QStringLiteral("item %1").arg(item != nullptr ? item->ID() : "none");
    }
    QStringList log;
};

} // namespace

TEST(DataConsumer, SubServicesAreMadeThroughTheEvents) {
    TestProvider provider;
    TWkDataConsumer consumer(nullptr, {TWkDataConsumer::caItemList, TWkDataConsumer::caSelectItem});
    QStringList log;
    consumer.BeforeCreateSubSvc = [&](TWkDataConsumer& sender,
                                      TWkDataConsumerServiceClass& subSvcClass) {
        EXPECT_EQ(&sender, &consumer);
        log << QStringLiteral("before ") + subSvcClass.Name;
        if (subSvcClass == ServiceClassOf<TWkDataConsumerViewList>())
            subSvcClass = ServiceClassOf<CountingViewList>();
    };
    consumer.AfterCreateSubSvc = [&](TWkDataConsumer&, TWkDataConsumerAggregatedObject& subSvc) {
        log << QStringLiteral("after ") + subSvc.ClassName();
    };
    consumer.SetProvider(&provider);
    EXPECT_EQ(log,
              QStringList({"before TWkDataConsumerItemSelect", "after TWkDataConsumerItemSelect",
                           "before TWkDataConsumerViewList", "after CountingViewList"}));
    EXPECT_NE(dynamic_cast<CountingViewList*>(consumer.ViewList()), nullptr);

    TWkDataConsumer without(nullptr, {TWkDataConsumer::caOneItem});
    without.BeforeCreateSubSvc = [](TWkDataConsumer&, TWkDataConsumerServiceClass& subSvcClass) {
        subSvcClass = {};
    };
    without.SetProvider(&provider);
    EXPECT_EQ(without.ItemSelect(), nullptr) << "an emptied class makes no service";
}

TEST(DataConsumer, SelectingAProviderTellsTheServersAfterTheServices) {
    TestProvider provider;
    TWkDataConsumer master(nullptr, {TWkDataConsumer::caSelectItem});
    RecordingServer server;
    master.OnChanged = [&](TWkDataConsumer&, TWkDataConsumerChangeReason reason) {
        if (reason == ccrProviderSelect)
            server.log << "changed";
    };
    master.AddServer(&server);
    master.AddServer(&server);
    EXPECT_EQ(master.ServerCount(), 1);
    master.SetProvider(&provider);
    EXPECT_EQ(server.log, QStringList({"provider selected, item select made", "changed"}));
    master.RemoveServer(&server);
    master.OnChanged = nullptr;
    master.SetProvider(nullptr);
    EXPECT_EQ(server.log.size(), 2);
}

TEST(DataConsumer, AFollowerShowsTheSubItemsOfItsMastersItem) {
    TestProvider provider;
    TWkBaseDataItem* parent = provider.AddItem("P", "Axes");
    provider.AddItem("X", "X", MakeSubItems(*parent));
    provider.AddItem("Q", "Buttons");
    TWkDataConsumer master(nullptr, {TWkDataConsumer::caSelectItem});
    {
        TWkDataConsumer follower(nullptr, {TWkDataConsumer::caItemList});
        master.AddServer(&follower);
        master.SetProvider(&provider);
        EXPECT_EQ(follower.Provider(), &provider) << "the follower takes the master's provider";
        ASSERT_NE(follower.ViewList(), nullptr);
        EXPECT_EQ(follower.ViewList()->Count(), 2);
        master.ItemSelect()->SetItem("P");
        ASSERT_EQ(follower.ViewList()->Count(), 1);
        EXPECT_EQ(follower.ViewList()->Item(0)->ID(), QStringLiteral("X"));
        master.ItemSelect()->SetItem(QString());
        EXPECT_EQ(follower.ViewList()->Count(), 2) << "no item: the root items again";
    }
    EXPECT_EQ(master.ServerCount(), 0) << "a follower leaves its master's list as it goes";
}

TEST(DataConsumer, AnItemSetWhileLoadingWaitsForTheProvider) {
    TestProvider provider;
    provider.AddItem("A", "Dead zone");
    TWkDataConsumer consumer(nullptr, {TWkDataConsumer::caOneItem});
    QStringList log;
    consumer.AddExtension<RecordingService>(log);
    auto* select = consumer.AddExtension<TWkDataConsumerItemSelect>();
    try {
        select->SetItem("A");
        FAIL() << "no error";
    } catch (const EWkDataConsumer& error) {
        EXPECT_EQ(error.Message(),
                  QStringLiteral("You must specify a provider before setting the item"));
    }
    consumer.SetLoading(true);
    select->SetItem("A");
    EXPECT_EQ(select->Item(), QStringLiteral("A"));
    EXPECT_TRUE(select->StreamedInWithoutProvider());
    EXPECT_TRUE(consumer.NeedFixups());

    consumer.SetProvider(&provider);
    EXPECT_EQ(consumer.ItemSelect(), select) << "kept across the provider change";
    ASSERT_NE(select->ItemIntf(), nullptr);
    EXPECT_EQ(select->ItemIntf()->ID(), QStringLiteral("A"));
    EXPECT_FALSE(select->StreamedInWithoutProvider());
    EXPECT_FALSE(consumer.NeedFixups());
    EXPECT_EQ(log, QStringList({"changed"})) << "no provider to let go of while a fix-up waits";

    log.clear();
    TestProvider other;
    consumer.SetProvider(&other);
    EXPECT_EQ(log, QStringList({"changing", "changed"}));
}

TEST(DataConsumer, AKeptItemTheProviderLacksSelectsNothing) {
    TestProvider provider;
    TWkDataConsumer consumer(nullptr, {TWkDataConsumer::caOneItem});
    auto* select = consumer.AddExtension<TWkDataConsumerItemSelect>();
    consumer.SetLoading(true);
    select->SetItem("missing");
    EXPECT_NO_THROW(consumer.SetProvider(&provider));
    EXPECT_EQ(select->ItemIntf(), nullptr);
    EXPECT_EQ(select->Item(), QString());
}

TEST(DataConsumer, TheContextIsStoredOnlyWhenItIsNotTheFirst) {
    TestProvider provider;
    TWkDataConsumer consumer(nullptr, {});
    EXPECT_FALSE(consumer.IsContextStored()) << "no provider";
    consumer.SetProvider(&provider);
    EXPECT_FALSE(consumer.IsContextStored()) << "no contexts";
    provider.contexts.Add(std::make_unique<TWkDataContext>(&provider.contexts, "Day"));
    provider.contexts.Add(std::make_unique<TWkDataContext>(&provider.contexts, "Night"));
    consumer.SetContext("Day");
    EXPECT_FALSE(consumer.IsContextStored());
    consumer.SetContext("Night");
    EXPECT_TRUE(consumer.IsContextStored());
    consumer.SetContext(QString());
    EXPECT_TRUE(consumer.IsContextStored());
}

namespace {

// Counts the contexts of its kind that are alive.
class CountedContext : public TWkDataContext {
public:
    CountedContext(TWkBaseDataContexts* contexts, const TWkDataContextID& name)
        : TWkDataContext(contexts, name) {
        ++alive;
    }
    ~CountedContext() override { --alive; }
    static inline int alive = 0;
};

} // namespace

TEST(DataConsumer, ASelectedContextOutlivesItsList) {
    const struct {
        const char* how;
        std::function<void(TestProvider&, IWkDataContext*)> letGo;
    } cases[] = {
        {"deleted by index",
         [](TestProvider& p, IWkDataContext*) {
             p.contexts.Delete(1);
         }},
        {"removed",
         [](TestProvider& p, IWkDataContext* night) {
             p.contexts.Remove(night);
         }},
        {"cleared",
         [](TestProvider& p, IWkDataContext*) {
             p.contexts.Clear();
         }},
    };
    for (const auto& c : cases) {
        TestProvider provider;
        provider.contexts.Add(std::make_unique<CountedContext>(&provider.contexts, "Day"));
        IWkDataContext* night =
            provider.contexts.Add(std::make_unique<CountedContext>(&provider.contexts, "Night"));
        TWkDataConsumer consumer(nullptr, {TWkDataConsumer::caOneItem});
        consumer.SetProvider(&provider);
        consumer.SetContext(QStringLiteral("Night"));

        c.letGo(provider, night);
        EXPECT_EQ(provider.contexts.IndexOf(night), -1) << c.how;
        EXPECT_EQ(consumer.Context(), QStringLiteral("Night")) << c.how;
        ASSERT_EQ(consumer.ContextIntf(), night) << c.how;
        EXPECT_EQ(night->ContextList(), nullptr) << c.how << ": it has left its list";
        provider.log.clear();
        consumer.Enter();
        ASSERT_EQ(provider.SelectedContext(), night) << c.how;
        EXPECT_EQ(provider.SelectedContext()->Name(), QStringLiteral("Night")) << c.how;
        consumer.Leave();
        EXPECT_EQ(provider.log, QStringList({"select consumer", "select context Night",
                                             "release context", "release consumer"}))
            << c.how;

        const int before = CountedContext::alive;
        consumer.SetContext(QString());
        EXPECT_EQ(CountedContext::alive, before - 1) << c.how << ": freed with the last reference";
        provider.contexts.Clear();
        EXPECT_EQ(CountedContext::alive, 0) << c.how;
    }
}

TEST(DataConsumer, AContextLeftUnselectedGoesWithItsList) {
    TestProvider provider;
    provider.contexts.Add(std::make_unique<CountedContext>(&provider.contexts, "Day"));
    TWkDataConsumer consumer(nullptr, {});
    consumer.SetProvider(&provider);
    ASSERT_NE(consumer.ContextIntf(), nullptr);
    consumer.SetProvider(nullptr);
    EXPECT_EQ(CountedContext::alive, 1) << "the list still holds it";
    provider.contexts.Delete(0);
    EXPECT_EQ(CountedContext::alive, 0);
}
