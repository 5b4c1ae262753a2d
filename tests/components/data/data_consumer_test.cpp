#include "components/data/data_consumer.h"
#include "components/data/data_errors.h"
#include "test_provider.h"

#include <QWidget>
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

// Roots R0 (children C0, C1 with child G), R1, R2, expanded two levels:
//   0 R0, 1 C0, 2 C1, 3 G, 4 R1, 5 R2
class ViewListTest : public ::testing::Test {
protected:
    void SetUp() override {
        TWkBaseDataItem* r0 = provider.AddItem("R0", "R0");
        TWkDataItemsList* children = MakeSubItems(*r0);
        provider.AddItem("C0", "C0", children);
        TWkBaseDataItem* c1 = provider.AddItem("C1", "C1", children);
        provider.AddItem("G", "G", MakeSubItems(*c1));
        provider.AddItem("R1", "R1");
        provider.AddItem("R2", "R2");
        consumer.SetProvider(&provider);
        view = consumer.ViewList();
        ASSERT_NE(view, nullptr);
        view->SetAutoExpandLevel(2);
        view->Rebuild();
    }
    QString IdAt(int row) const {
        IWkDataItem* item = view->Item(row);
        return item != nullptr ? item->ID() : QStringLiteral("-");
    }

    TestProvider provider;
    TWkDataConsumer consumer{nullptr, {TWkDataConsumer::caItemList}};
    TWkDataConsumerViewList* view = nullptr;
};

} // namespace

TEST_F(ViewListTest, RowsFollowTheTreeInDisplayOrder) {
    ASSERT_EQ(view->Count(), 6);
    const QStringList ids = {"R0", "C0", "C1", "G", "R1", "R2"};
    const int levels[] = {0, 1, 1, 2, 0, 0};
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(IdAt(row), ids[row]);
        EXPECT_EQ(view->ItemLevel(row), levels[row]);
    }
    EXPECT_TRUE(view->ItemIsExpanded(0));
    EXPECT_TRUE(view->ItemHasChildren(2));
    EXPECT_FALSE(view->ItemHasChildren(4));
    EXPECT_EQ(view->IndexOfID("G"), 3);
}

TEST_F(ViewListTest, NavigatesParentsSiblingsAndChildren) {
    const struct {
        const char* what;
        int got;
        int expected;
    } cases[] = {
        {"parent of a root", view->ItemParentIndex(0), -1},
        {"parent of C1", view->ItemParentIndex(2), 0},
        {"parent of G", view->ItemParentIndex(3), 2},
        {"sibling of R0 skips its rows", view->ItemSiblingIndex(0), 4},
        {"sibling of C1 ends at the lower level", view->ItemSiblingIndex(2), -1},
        {"sibling of the last row", view->ItemSiblingIndex(5), -1},
        {"first root", view->SubItemIndex(-1, 0), 0},
        {"third root", view->SubItemIndex(-1, 2), 5},
        {"no fourth root", view->SubItemIndex(-1, 3), -1},
        {"second child of R0", view->SubItemIndex(0, 1), 2},
        {"R0 has two children", view->SubItemIndex(0, 2), -1},
        {"negative index: first child", view->SubItemIndex(0, -1), 1},
        {"after the last row", view->SubItemIndex(5, 0), -1},
        {"row outside the view", view->ItemParentIndex(17), -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.expected) << c.what;
    EXPECT_EQ(view->ItemParent(0), nullptr);
    EXPECT_EQ(view->ItemSibling(5), nullptr);
    EXPECT_EQ(view->SubItem(provider.root.Item(0), 0)->ID(), QStringLiteral("C0"));
}

TEST_F(ViewListTest, TogglingClosesAndOpensARow) {
    view->ToggleItem(0);
    EXPECT_EQ(view->Count(), 3);
    EXPECT_FALSE(view->ItemIsExpanded(0));
    view->ToggleItem(0);
    EXPECT_EQ(view->Count(), 5) << "children open, their own children closed";
    EXPECT_FALSE(view->ItemIsExpanded(2));
    view->ToggleItem(4);
    EXPECT_EQ(view->Count(), 5) << "a row without children does not toggle";

    provider.Manage().Delete(0);
    EXPECT_EQ(view->Count(), 2) << "the view follows a deleted item";
}
