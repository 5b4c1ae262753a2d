#include "components/data/class_registry.h"
#include "components/data/data_provider_unit.h"

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
