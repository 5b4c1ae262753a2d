#include "components/data/data_consumer.h"
#include "components/data/data_errors.h"
#include "test_provider.h"

#include <functional>
#include <gtest/gtest.h>

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
        view->Rebuild(false);
    }
    QString IdAt(int row) const {
        IWkDataItem* item = view->Item(row);
        return item != nullptr ? item->ID() : QStringLiteral("-");
    }

    TestProvider provider;
    TWkDataConsumer consumer{nullptr, {TWkDataConsumer::caItemList}};
    TWkCustomDataConsumerViewList* view = nullptr;
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

namespace {

// An item that can be hidden; the change is announced like any aspect change.
class StateAspect : public TWkDataItemAggregatedObject, public IWkDataItemState {
public:
    using TWkDataItemAggregatedObject::TWkDataItemAggregatedObject;
    const char* ClassName() const override { return "StateAspect"; }
    bool Visible() const override { return visible; }
    void SetVisible(bool value) {
        Announce([&] { visible = value; });
    }

protected:
    void* OwnInterface(const QUuid& iid) override {
        return iid == IWkDataItemState::IID ? static_cast<IWkDataItemState*>(this) : nullptr;
    }

private:
    bool visible = true;
};

// The tree of ViewListTest, closed at first; the user then opens R0 and C1:
//   R0+ .C0 .C1+ ..G R1 R2
struct OpenedTree {
    OpenedTree() {
        r0 = provider.AddItem("R0", "R0");
        TWkDataItemsList* children = MakeSubItems(*r0);
        provider.AddItem("C0", "C0", children);
        c1 = provider.AddItem("C1", "C1", children);
        g = provider.AddItem("G", "G", MakeSubItems(*c1));
        r1 = provider.AddItem("R1", "R1");
        provider.AddItem("R2", "R2");
        r1->AddExtension<StateAspect>();
        consumer.SetProvider(&provider);
        view = consumer.ViewList();
        view->ToggleItem(0);
        view->ToggleItem(view->IndexOfID("C1"));
    }
    // Rows as "<dots for the level><id>[+ when open]".
    QString Rows() const {
        QStringList rows;
        for (int i = 0; i < view->Count(); ++i) {
            IWkDataItem* item = view->Item(i);
            rows << QString(view->ItemLevel(i), '.') + (item ? item->ID() : QString("?")) +
                        (view->ItemIsExpanded(i) ? "+" : "");
        }
        return rows.join(' ');
    }
    TWkBaseDataItemsListManagement& ManageUnder(TWkBaseDataItem* parent) {
        TWkBaseDataItems* list = parent->FindExtension<TWkBaseDataItemSubItems>()
                                     ? parent->FindExtension<TWkBaseDataItemSubItems>()->List()
                                     : MakeSubItems(*parent);
        if (auto* manage = list->FindExtension<TWkBaseDataItemsListManagement>())
            return *manage;
        return *list->AddExtension<TWkBaseDataItemsListManagement>();
    }
    void AddUnder(TWkBaseDataItem* parent, const QString& id) {
        TWkBaseDataItemsListManagement& manage = ManageUnder(parent);
        auto item = std::make_unique<TWkBaseDataItem>(&manage.ItemsObject());
        item->SetID(id);
        manage.Add(std::move(item));
    }
    void AddRoot(const QString& id) {
        auto item = std::make_unique<TWkBaseDataItem>(&provider.root);
        item->SetID(id);
        provider.Manage().Add(std::move(item));
    }

    TestProvider provider;
    TWkDataConsumer consumer{nullptr, {TWkDataConsumer::caItemList, TWkDataConsumer::caSelectItem}};
    TWkCustomDataConsumerViewList* view = nullptr;
    TWkBaseDataItem *r0, *c1, *g, *r1;
};

} // namespace

TEST(ViewListChanges, FollowTheProviderRowByRowAndKeepOpenRowsOpen) {
    const struct {
        const char* what;
        std::function<void(OpenedTree&)> change;
        const char* rows;
    } cases[] = {
        {"nothing", [](OpenedTree&) {}, "R0+ .C0 .C1+ ..G R1 R2"},
        {"a root item added", [](OpenedTree& t) { t.AddRoot("R3"); }, "R0+ .C0 .C1+ ..G R1 R2 R3"},
        {"a child of an open row", [](OpenedTree& t) { t.AddUnder(t.c1, "G2"); },
         "R0+ .C0 .C1+ ..G ..G2 R1 R2"},
        {"a child of a closed row", [](OpenedTree& t) { t.AddUnder(t.r1, "N"); },
         "R0+ .C0 .C1+ ..G R1 R2"},
        {"a child of a closed row, opening on new items",
         [](OpenedTree& t) {
             t.view->SetExpandOnNewItem(true);
             t.AddUnder(t.r1, "N");
         },
         "R0+ .C0 .C1+ ..G R1+ .N R2"},
        {"a child of an item out of view, opening on new items",
         [](OpenedTree& t) {
             t.view->ToggleItem(2);
             t.view->SetExpandOnNewItem(true);
             t.AddUnder(t.g, "N");
         },
         "R0+ .C0 .C1+ ..G+ ...N R1 R2"},
        {"a deleted sibling", [](OpenedTree& t) { t.ManageUnder(t.r0).Delete(0); },
         "R0+ .C1+ ..G R1 R2"},
        {"the last child deleted", [](OpenedTree& t) { t.ManageUnder(t.c1).Delete(0); },
         "R0+ .C0 .C1 R1 R2"},
        {"an open root deleted", [](OpenedTree& t) { t.provider.Manage().Delete(0); }, "R1 R2"},
        {"an open row's children cleared", [](OpenedTree& t) { t.ManageUnder(t.r0).Clear(); },
         "R0 R1 R2"},
        {"a root hidden",
         [](OpenedTree& t) { t.r1->FindExtension<StateAspect>()->SetVisible(false); },
         "R0+ .C0 .C1+ ..G R2"},
        {"a root hidden and shown",
         [](OpenedTree& t) {
             t.r1->FindExtension<StateAspect>()->SetVisible(false);
             t.r1->FindExtension<StateAspect>()->SetVisible(true);
         },
         "R0+ .C0 .C1+ ..G R1 R2"},
        {"the root list's images changed",
         [](OpenedTree& t) {
             TCustomImageList images;
             t.provider.root.AddExtension<TWkCustomDataItemsImages>()->SetImages(&images);
         },
         "R0+ .C0 .C1+ ..G R1 R2"},
        {"a full refresh",
         [](OpenedTree& t) { t.provider.NotifyChanged(pcrFullRefresh, &t.provider.root); },
         "R0+ .C0 .C1+ ..G R1 R2"},
        {"another context",
         [](OpenedTree& t) {
             t.provider.contexts.Add(
                 std::make_unique<TWkDataContext>(&t.provider.contexts, "Night"));
             t.consumer.SetContext("Night");
         },
         "R0+ .C0 .C1+ ..G R1 R2"},
        {"an item selected", [](OpenedTree& t) { t.consumer.ItemSelect()->SetItem("R2"); },
         "R0+ .C0 .C1+ ..G R1 R2"},
    };
    for (const auto& c : cases) {
        OpenedTree tree;
        ASSERT_EQ(tree.Rows(), QStringLiteral("R0+ .C0 .C1+ ..G R1 R2"));
        c.change(tree);
        EXPECT_EQ(tree.Rows(), QString::fromLatin1(c.rows)) << c.what;
    }
}

TEST(ViewListChanges, ARowGetsItsChildrenFlagFromTheChange) {
    OpenedTree tree;
    const int r1 = tree.view->IndexOfID("R1");
    EXPECT_FALSE(tree.view->ItemHasChildren(r1));
    tree.AddUnder(tree.r1, "N");
    EXPECT_TRUE(tree.view->ItemHasChildren(r1));
    tree.view->ToggleItem(r1);
    EXPECT_EQ(tree.Rows(), QStringLiteral("R0+ .C0 .C1+ ..G R1+ .N R2"));
}

TEST(ViewListChanges, HiddenItemsGetNoRows) {
    OpenedTree tree;
    tree.g->AddExtension<StateAspect>()->SetVisible(false);
    tree.view->Rebuild(true);
    EXPECT_EQ(tree.Rows(), QStringLiteral("R0+ .C0 .C1+ R1 R2"));
    EXPECT_TRUE(tree.view->ItemHasChildren(2)) << "C1 still holds an item";
}

TEST(ViewListExpand, ExpandTreeToOpensEveryAncestorFromTheTop) {
    OpenedTree tree;
    tree.view->ToggleItem(0);
    EXPECT_EQ(tree.Rows(), QStringLiteral("R0 R1 R2"));
    tree.view->ExpandTreeTo(tree.g);
    EXPECT_EQ(tree.Rows(), QStringLiteral("R0+ .C0 .C1+ ..G R1 R2")) << "G itself stays closed";
    tree.view->ExpandTreeTo(tree.r1);
    EXPECT_EQ(tree.Rows(), QStringLiteral("R0+ .C0 .C1+ ..G R1 R2")) << "a root needs nothing";
}

TEST(ViewListExpand, AnAncestorWithoutItsRowIsOutOfSync) {
    OpenedTree tree;
    // Added behind the view's back: nothing announced.
    const auto addSilently = [](TWkBaseDataItems* list, const QString& id) {
        auto item = std::make_unique<TWkBaseDataItem>(list);
        item->SetID(id);
        TWkBaseDataItem* added = item.get();
        list->Append(std::move(item));
        return added;
    };
    TWkBaseDataItem* hidden =
        addSilently(tree.r0->FindExtension<TWkBaseDataItemSubItems>()->List(), "C2");
    TWkBaseDataItem* below = addSilently(MakeSubItems(*hidden), "X");
    try {
        tree.view->ExpandTreeTo(below);
        FAIL() << "no error";
    } catch (const EWkDataConsumer& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("ViewList out of sync"));
    }
    hidden->AddExtension<StateAspect>()->SetVisible(false);
    EXPECT_NO_THROW(tree.view->ExpandTreeTo(below)) << "a hidden ancestor cannot be opened";
}

TEST(ViewListExpand, GroupInfoPlacesARowAmongItsSiblings) {
    OpenedTree tree; // 0 R0, 1 C0, 2 C1, 3 G, 4 R1, 5 R2
    const struct {
        int row;
        TViewListGroupInfo expected;
    } cases[] = {
        {0, {-1, 0, 3}}, {1, {0, 0, 2}},    {2, {0, 1, 2}},     {3, {2, 0, 1}},
        {5, {-1, 2, 3}}, {6, {-1, -1, -1}}, {-1, {-1, -1, -1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tree.view->ItemGroupInfo(c.row), c.expected) << c.row;
    EXPECT_EQ(tree.view->ChildIndexOfItem(tree.c1), 1);
    EXPECT_EQ(tree.view->ChildIndexOfID("R2"), 2);
    EXPECT_EQ(tree.view->ChildIndexOfID("missing"), -1);
}

TEST(ViewListExpand, ClosedOrAbsentParentsHaveNoChildRows) {
    OpenedTree tree;
    tree.view->ToggleItem(2); // C1 closed: 0 R0, 1 C0, 2 C1, 3 R1, 4 R2
    EXPECT_EQ(tree.view->SubItemIndex(2, 0), -1) << "the row below a closed row is no child";
    EXPECT_EQ(tree.view->SubItem(tree.g, 0), nullptr) << "a parent out of view";
    EXPECT_EQ(tree.view->SubItemIndex(static_cast<IWkDataItem*>(nullptr), 1), 3);
    EXPECT_EQ(tree.view->SubItemIndex(9, 0), -1);
}

TEST(ViewListExpand, AChangedIndentIsAnnounced) {
    OpenedTree tree;
    std::vector<TWkDataConsumerChangeReason> reasons;
    tree.consumer.OnChanged = [&](TWkDataConsumer&, TWkDataConsumerChangeReason reason) {
        reasons.push_back(reason);
    };
    EXPECT_EQ(tree.view->LevelIndent(), 16);
    tree.view->SetLevelIndent(16);
    tree.view->SetLevelIndent(20);
    EXPECT_EQ(reasons, std::vector({ccrOther}));
}
