#include "components/data/class_registry.h"
#include "components/data/data_consumer.h"
#include "components/data/data_provider_unit.h"
#include "test_provider.h"

#include <gtest/gtest.h>

TEST(DataProviderUnit, RegistersItsFifteenClassesOnceAndTakesThemBack) {
    const std::vector<QString> before = RegisteredClassNames();
    WkDataProviderInitialization();
    WkDataProviderInitialization();
    const std::vector<QString> after = RegisteredClassNames();
    const std::vector<QString> added(after.begin() + qsizetype(before.size()), after.end());
    const std::vector<QString> expected = {"TWkDataItemsList",
                                           "TWkCustomDataItemsImages",
                                           "TWkCustomDataItemsTextRenderer",
                                           "TWkBaseDataItemsListManagement",
                                           "TWkBaseDataItem",
                                           "TWkDataItemTextImpl",
                                           "TWkDataItemImageImpl",
                                           "TWkDataItemContextTextImpl",
                                           "TWkDataItemBlockableTextImpl",
                                           "TWkDataConsumer",
                                           "TWkDataConsumerItemSelect",
                                           "TWkDataContexts",
                                           "TWkDataContext",
                                           "TWkManagedDataContext",
                                           "TWkFixedDataContext"};
    EXPECT_EQ(added, expected);
    EXPECT_TRUE(InheritsFrom("TWkDataItemContextTextImpl", "TAggregatedPersistentEx"));
    EXPECT_TRUE(InheritsFrom("TWkDataItemsList", "TWkBaseDataItems"));
    EXPECT_FALSE(InheritsFrom("TWkDataContext", "TWkBaseDataItems"));
    EXPECT_FALSE(InheritsFrom("TUnknown", "TWkBaseDataItems"));

    WkDataProviderFinalization();
    EXPECT_TRUE(FindClass("TWkDataConsumer").has_value()) << "one start-up is still open";
    WkDataProviderFinalization();
    EXPECT_FALSE(FindClass("TWkDataConsumer").has_value());
    EXPECT_EQ(RegisteredClassNames(), before);
}

namespace {

// The registered class name of a made object, or empty for none.
QString madeClass(const std::unique_ptr<TWkStreamable>& made) {
    if (auto* extension = dynamic_cast<TAggregatedPersistentEx*>(made.get()))
        return QString::fromLatin1(extension->ClassName());
    if (auto* item = dynamic_cast<TWkBaseDataItem*>(made.get()))
        return QString::fromLatin1(item->ClassName());
    if (auto* context = dynamic_cast<TWkBaseDataContext*>(made.get()))
        return QString::fromLatin1(context->ClassName());
    return {};
}

} // namespace

TEST(DataProviderUnit, TheRegistryMakesEachClassForTheObjectItServes) {
    WkDataProviderInitialization();
    TestProvider provider;
    TWkBaseDataItem* item = provider.AddItem(QStringLiteral("A"), QString());
    TWkDataConsumer consumer(nullptr, {});
    TWkStreamable& list = provider.root;
    TWkStreamable& contexts = provider.contexts;
    const struct {
        const char* name;
        TWkStreamable& owner;
        TWkStreamable& wrongOwner;
    } cases[] = {
        {"TWkCustomDataItemsImages", list, *item},
        {"TWkCustomDataItemsTextRenderer", list, *item},
        {"TWkBaseDataItemsListManagement", list, consumer},
        {"TWkBaseDataItem", list, *item},
        {"TWkDataItemTextImpl", *item, list},
        {"TWkDataItemImageImpl", *item, list},
        {"TWkDataItemContextTextImpl", *item, consumer},
        {"TWkDataItemBlockableTextImpl", *item, contexts},
        {"TWkDataConsumerItemSelect", consumer, *item},
        {"TWkDataContext", contexts, list},
        {"TWkManagedDataContext", contexts, *item},
        {"TWkFixedDataContext", contexts, consumer},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(madeClass(MakeClass(c.name, c.owner)), QString::fromLatin1(c.name)) << c.name;
        EXPECT_EQ(MakeClass(c.name, c.wrongOwner), nullptr) << c.name;
    }

    // A sub-list is made on its parent, which holds it.
    std::unique_ptr<TWkStreamable> sub = MakeClass("TWkDataItemsList", *item);
    auto* made = dynamic_cast<TWkDataItemsList*>(sub.release());
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(item->SubItems(), static_cast<IWkDataItems*>(made));
    EXPECT_EQ(made->Parent(), item);
    EXPECT_EQ(MakeClass("TWkDataItemsList", list), nullptr);

    for (const char* unmade : {"TWkDataConsumer", "TWkDataContexts", "TUnknown"})
        EXPECT_EQ(MakeClass(unmade, list), nullptr) << unmade;
    WkDataProviderFinalization();
}
