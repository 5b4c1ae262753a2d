#include "components/data/data_errors.h"
#include "components/data/data_paths.h"
#include "components/data/render_pass.h"
#include "platform/ui/canvas.h"
#include "test_provider.h"

#include <QImage>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

int freedItems = 0;

class CountedItem : public TWkBaseDataItem {
public:
    using TWkBaseDataItem::TWkBaseDataItem;
    ~CountedItem() override { ++freedItems; }
};

class FixedItem : public CountedItem {
public:
    using CountedItem::CountedItem;
    bool Deletable() const override { return false; }
};

} // namespace

TEST(DataItems, NewItemsGetAHexIdentifierOfTheirOwn) {
    TestProvider provider;
    const TWkBaseDataItem first(&provider.root);
    const TWkBaseDataItem second(&provider.root);
    EXPECT_EQ(first.ID().size(), 32);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9A-F]{32}$")).match(first.ID()).hasMatch());
    EXPECT_NE(first.ID(), second.ID());
}

TEST(DataItems, ChangesAreAnnouncedAroundTheirWork) {
    TestProvider provider;
    auto& manage = provider.Manage();
    auto item = std::make_unique<CountedItem>(&provider.root);
    item->SetID(QStringLiteral("A"));
    manage.Add(std::move(item));
    manage.Add(std::make_unique<CountedItem>(&provider.root))->SetID(QStringLiteral("B"));
    EXPECT_EQ(provider.log.mid(0, 2), QStringList({"changing 0 list", "changed 0 item A"}));

    provider.log.clear();
    manage.Delete(0);
    EXPECT_EQ(provider.log, QStringList({"changing 1 item A", "changed 1 none"}));
    provider.log.clear();
    EXPECT_THROW(manage.Delete(5), EWkDataItems) << "the list form checks its index";
    EXPECT_EQ(provider.root.Count(), 1);
    EXPECT_TRUE(provider.log.isEmpty());

    freedItems = 0;
    provider.log.clear();
    manage.Add(std::make_unique<CountedItem>(&provider.root));
    provider.log.clear();
    manage.Clear();
    EXPECT_EQ(provider.log, QStringList({"changing 3 list", "changed 3 list"}))
        << "clearing is one update of the list, not deletions";
    EXPECT_EQ(freedItems, 2);
    EXPECT_EQ(provider.root.Count(), 0);
}

TEST(DataItems, AnItemThatRefusesDeletionStays) {
    TestProvider provider;
    auto* fixed = provider.Manage().Add(std::make_unique<FixedItem>(&provider.root));
    provider.log.clear();
    EXPECT_THROW(provider.Manage().Delete(0), EWkDataItems);
    TWkRef<IWkDataItem> reference(fixed);
    EXPECT_THROW(provider.Manage().Remove(reference), EWkDataItems);
    EXPECT_EQ(provider.root.Count(), 1);
    EXPECT_TRUE(provider.Changes().isEmpty());
    try {
        provider.Manage().Delete(0);
    } catch (const EWkDataItems& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Item cannot be deleted"));
    }
}

TEST(DataItems, SubItemListsHangUnderTheirParent) {
    TestProvider provider;
    TWkBaseDataItem* parent = provider.AddItem(QStringLiteral("P"), QStringLiteral("Axes"));
    EXPECT_EQ(parent->SubItems(), nullptr);
    TWkDataItemsList* children = MakeSubItems(*parent);
    EXPECT_EQ(Supports<IWkDataItems>(parent), static_cast<IWkDataItems*>(children))
        << "the parent answers for its sub-list";
    TWkBaseDataItem* child = provider.AddItem(QStringLiteral("C"), QStringLiteral("X"), children);
    TWkBaseDataItem* grandchild =
        provider.AddItem(QStringLiteral("G"), QStringLiteral("Dead zone"), MakeSubItems(*child));

    EXPECT_EQ(children->Provider(), &provider);
    EXPECT_EQ(provider.root.FindItem(QStringLiteral("G"), false), nullptr);
    EXPECT_EQ(provider.root.FindItem(QStringLiteral("G"), true), grandchild);
    EXPECT_TRUE(parent->IsParentOf(grandchild, false));
    EXPECT_FALSE(parent->IsParentOf(grandchild, true));
    EXPECT_TRUE(child->IsParentOf(grandchild, true));
    EXPECT_FALSE(grandchild->IsParentOf(parent, false));
    EXPECT_EQ(child->Index(), 0);
    EXPECT_EQ(grandchild->NamePath(), QStringLiteral("Provider1: Item[G]"));

    freedItems = 0;
    children->Append(std::make_unique<CountedItem>(children));
    provider.root.ClearItems();
    EXPECT_EQ(freedItems, 1) << "freeing a parent frees its sub-list and its items";
}

TEST(DataItems, ASubListFreedFirstUnlinksItself) {
    TestProvider provider;
    TWkBaseDataItem* parent = provider.AddItem(QStringLiteral("P"), QStringLiteral("Axes"));
    {
        TWkDataItemsList standalone(*parent);
        EXPECT_EQ(parent->SubItems(), static_cast<IWkDataItems*>(&standalone));
    }
    EXPECT_EQ(parent->SubItems(), nullptr);
    EXPECT_EQ(parent->ExtensionCount(), 1) << "only the text aspect is left";
}

TEST(DataItems, AspectChangesAreAnnouncedOnlyWhenTheyChangeSomething) {
    TestProvider provider;
    TWkBaseDataItem* item = provider.AddItem(QStringLiteral("A"), QStringLiteral("Filter"));
    auto* text = Supports<IWkDataItemText>(item);
    ASSERT_NE(text, nullptr);
    provider.log.clear();
    text->SetCaption(QStringLiteral("Filter"));
    EXPECT_TRUE(provider.log.isEmpty());
    text->SetCaption(QStringLiteral("filter"));
    EXPECT_EQ(provider.log, QStringList({"changing 2 item A", "changed 2 item A"}));

    auto* blockable = item->AddExtension<TWkDataItemBlockableTextImpl>();
    blockable->SetCaption(QStringLiteral("Trim"));
    blockable->SetReadOnly(true);
    blockable->SetCaption(QStringLiteral("Curve"));
    EXPECT_EQ(Supports<IWkDataItemText>(item)->Caption(), QStringLiteral("Trim"))
        << "the newest aspect answers, and it is blocked";
}

TEST(DataItems, TheRendererIsFoundUpTheTreeAndChecksIndexes) {
    TestProvider provider;
    TWkBaseDataItem* parent = provider.AddItem(QStringLiteral("P"), QStringLiteral("Axes"));
    TWkBaseDataItem* child =
        provider.AddItem(QStringLiteral("C"), QStringLiteral("X"), MakeSubItems(*parent));
    IWkDataItemsRenderer* renderer = FindRenderer(child);
    ASSERT_NE(renderer, nullptr);
    EXPECT_EQ(renderer, FindRenderer(parent));

    QImage surface(100, 20, QImage::Format_ARGB32);
    TCanvas canvas(&surface);
    EXPECT_EQ(renderer->MeasureItem(canvas, child), canvas.TextExtent(QStringLiteral("X")));
    auto* text = provider.root.FindExtension<TWkCustomDataItemsTextRenderer>();
    EXPECT_THROW(text->MeasureItemAt(canvas, 1), EWkDataItems);
    EXPECT_EQ(text->MeasureItemAt(canvas, 0), canvas.TextExtent(QStringLiteral("Axes")));
}

namespace {

// A provider's own pass: it notes what it was made for.
class MarkingRender : public TWkDP_ProviderBaseRender {
public:
    using TWkDP_ProviderBaseRender::TWkDP_ProviderBaseRender;
    static inline QString log;

protected:
    void DoDraw(const TRect& rect) override {
        log =
            QStringLiteral("draw %1 at %2 state %3").arg(Item()->ID()).arg(rect.Left).arg(State());
    }
    TSize DoMeasure() override { return TSize{int(State()), 7}; }
};

} // namespace

TEST(DataItems, RenderPassesDrawAndMeasureOneItem) {
    TestProvider provider;
    TWkBaseDataItem* item = provider.AddItem(QStringLiteral("A"), QStringLiteral("Throttle"));
    TWkBaseDataItem* bare = provider.AddItem(QStringLiteral("B"), QString());
    bare->ClearExtensions();
    QImage surface(100, 20, QImage::Format_ARGB32);
    surface.fill(Qt::white);
    TCanvas canvas(&surface);

    EXPECT_EQ(TWkDP_ProviderTextOnlyRender::Measure(item, canvas, 0),
              canvas.TextExtent(QStringLiteral("Throttle")));
    EXPECT_EQ(TWkDP_ProviderTextOnlyRender::Measure(bare, canvas, 0), canvas.TextExtent(QString()));
    TWkDP_ProviderTextOnlyRender::Draw(item, canvas, TRect{0, 0, 50, 20}, 0);
    bool inside = false;
    bool outside = false;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 100; ++x)
            (x < 50 ? inside : outside) |= surface.pixel(x, y) != qRgb(255, 255, 255);
    }
    EXPECT_TRUE(inside) << "the caption is drawn";
    EXPECT_FALSE(outside) << "and kept in its rectangle";

    TWkDP_ProviderBaseRender::Draw<MarkingRender>(item, canvas, TRect{3, 0, 9, 9}, pdsHot);
    EXPECT_EQ(MarkingRender::log, QStringLiteral("draw A at 3 state 64"));
    EXPECT_EQ(TWkDP_ProviderBaseRender::Measure<MarkingRender>(item, canvas, pdsChecked),
              (TSize{int(pdsChecked), 7}));
}

namespace {

int freedLists = 0;

// A list whose items are counted: they live while references to them exist.
class DynamicList : public TWkDataItemsList {
public:
    using TWkDataItemsList::TWkDataItemsList;
    ~DynamicList() override { ++freedLists; }
    bool IsDynamic() const override { return true; }
};

// A dynamic list of the test provider, with list management, held by a counted reference.
struct DynamicFixture {
    DynamicFixture() {
        list->AddExtension<TWkBaseDataItemsListManagement>();
        freedItems = 0;
        freedLists = 0;
    }
    TWkBaseDataItemsListManagement& Manage() {
        return *list->FindExtension<TWkBaseDataItemsListManagement>();
    }
    CountedItem* Add(const QString& id) {
        auto* item = static_cast<CountedItem*>(Manage().Add(std::make_unique<CountedItem>(list)));
        item->SetID(id);
        return item;
    }

    TestProvider provider;
    DynamicList* list = new DynamicList(static_cast<IWkDataProvider*>(&provider));
    TWkRef<IWkDataItems> listRef{list};
};

} // namespace

TEST(DataItems, ItemsOfAListThatIsNotDynamicAreNotCounted) {
    TestProvider provider;
    auto* day = provider.contexts.Add(std::make_unique<TWkDataContext>(&provider.contexts, "Day"));
    freedItems = 0;
    auto* item = provider.Manage().Add(std::make_unique<CountedItem>(&provider.root));
    provider.SelectContext(day);
    provider.log.clear();
    EXPECT_EQ(item->AddRef(), -1);
    EXPECT_EQ(provider.log, QStringList({"select context none", "release context"}))
        << "the list is asked with no context selected";
    EXPECT_EQ(provider.SelectedContext(), day) << "the consumer's selection is back";
    EXPECT_EQ(item->Release(), -1);
    EXPECT_EQ(item->Release(), -1);
    { const TWkRef<IWkDataItem> reference(item); }
    EXPECT_EQ(freedItems, 0) << "dropping references never frees it";
    EXPECT_EQ(provider.root.Count(), 1);
}

TEST(DataItems, ACountedItemLivesWhileReferenced) {
    DynamicFixture f;
    CountedItem* a = f.Add("A");
    EXPECT_EQ(a->RefCount(), 1) << "the list's own reference";
    EXPECT_EQ(a->AddRef(), 2);
    EXPECT_EQ(a->Release(), 1);

    TWkRef<IWkDataItem> held(a);
    f.Manage().Delete(0);
    EXPECT_EQ(f.list->Count(), 0);
    EXPECT_EQ(freedItems, 0) << "a deleted item still referenced stays alive";
    EXPECT_EQ(a->Index(), -1);
    EXPECT_EQ(a->OwnerList(), static_cast<IWkDataItems*>(f.list));
    held.Reset();
    EXPECT_EQ(freedItems, 1);

    f.Add("B");
    f.Manage().Delete(0);
    EXPECT_EQ(freedItems, 2) << "an item nobody else holds goes with its deletion";
}

TEST(DataItems, RemovingAnItemReferencedElsewhereOnlyDropsTheCallersReference) {
    DynamicFixture f;
    CountedItem* a = f.Add("A");
    TWkRef<IWkDataItem> other(a);
    TWkRef<IWkDataItem> caller(a);
    f.provider.log.clear();
    f.Manage().Remove(caller);
    EXPECT_FALSE(caller);
    EXPECT_EQ(f.list->Count(), 1) << "still referenced: it stays in the list";
    EXPECT_TRUE(f.provider.Changes().isEmpty());

    f.Manage().Remove(other);
    EXPECT_FALSE(other);
    EXPECT_EQ(f.list->Count(), 0);
    EXPECT_EQ(freedItems, 1);
    EXPECT_EQ(f.provider.Changes(), QStringList({"changing 1 item A", "changed 1 none"}));

    TWkRef<IWkDataItem> none;
    f.Manage().Remove(none);
    EXPECT_EQ(f.provider.Changes().size(), 2) << "no item: nothing";
}

TEST(DataItems, AReferencedItemKeepsItsDynamicListAlive) {
    DynamicFixture f;
    TWkRef<IWkDataItem> held(f.Add("A"));
    f.Add("B");
    f.listRef.Reset();
    EXPECT_EQ(freedLists, 0) << "the held item needs its list";
    EXPECT_EQ(held->OwnerList()->Count(), 2);
    held.Reset();
    EXPECT_EQ(freedLists, 1);
    EXPECT_EQ(freedItems, 2) << "the list and its items go together, nothing is left behind";
}

TEST(DataItems, ASubListOfACountedParentKeepsItsParentWhileHeld) {
    DynamicFixture f;
    CountedItem* parent = f.Add("P");
    TWkDataItemsList* children = MakeSubItems(*parent);
    children->Append(std::make_unique<CountedItem>(children));
    TWkRef<IWkDataItems> held(children);
    f.Manage().Delete(0);
    EXPECT_EQ(freedItems, 0) << "the held sub-list keeps its parent";
    EXPECT_EQ(held->ParentItem(), static_cast<IWkDataItem*>(parent));
    held.Reset();
    EXPECT_EQ(freedItems, 2) << "parent and child go once the sub-list is let go";

    CountedItem* alone = f.Add("Q");
    MakeSubItems(*alone);
    f.Manage().Delete(0);
    EXPECT_EQ(freedItems, 3) << "a parent and its unheld sub-list do not hold each other";
}

namespace {

// Roots R0 (children C0, C1 with child G) and R1.
struct PathTree {
    PathTree() {
        r0 = provider.AddItem("R0", "R0");
        TWkDataItemsList* children = MakeSubItems(*r0);
        c0 = provider.AddItem("C0", "C0", children);
        c1 = provider.AddItem("C1", "C1", children);
        g = provider.AddItem("G", "G", MakeSubItems(*c1));
        r1 = provider.AddItem("R1", "R1");
    }
    TestProvider provider;
    TWkBaseDataItem *r0, *c0, *c1, *g, *r1;
};

} // namespace

TEST(DataItems, PathsOfIdentifiersLeadThroughTheTree) {
    PathTree t;
    IWkDataItems* root = &t.provider.root;
    IWkDataItems* underC1 = t.c1->SubItems();
    const struct {
        const char* path;
        IWkDataItems* from;
        IWkDataItem* expected;
    } cases[] = {
        {"R0", root, t.r0},
        {"r0/c1/g", root, t.g},
        {"R0\\C1", root, t.c1},
        {"R0/C1\\G", root, t.g},
        {"../C0", underC1, t.c0},
        {"../../R1", underC1, t.r1},
        {"/R1", underC1, t.r1},
        {"\\R0/C0", underC1, t.c0},
        {"R0/C1/..", root, t.c1},
        {"..", root, nullptr},
        {"R0/missing", root, nullptr},
        {"R1/x", root, nullptr},
        {"", root, nullptr},
        {"G", root, nullptr},
        // Stepping back from an item without sub-items, as from one with them.
        {"R0/C0/../C1", root, t.c1},
        {"R0/C1/G/../../C0", root, t.c0},
        {"R1/../R0", root, t.r0},
        {"R0/C0/..", root, t.c0},
        {"R1/../..", root, nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ItemByPath(c.from, QString::fromLatin1(c.path)), c.expected) << c.path;

    TWkBaseDataItem* twin = t.provider.AddItem("r1", "second R1");
    EXPECT_EQ(ItemByPath(root, "R1"), twin) << "the last item of that identifier";
}

TEST(DataItems, IndexesLeadOneLevelEach) {
    PathTree t;
    IWkDataItems* root = &t.provider.root;
    const struct {
        std::vector<int> indexes;
        IWkDataItem* expected;
    } cases[] = {
        {{0}, t.r0},       {{1}, t.r1},       {{0, 1, 0}, t.g}, {{0, 0}, t.c0},
        {{0, 5}, nullptr}, {{1, 0}, nullptr}, {{-1}, nullptr},  {{}, nullptr},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ItemByIndexes(root, c.indexes), c.expected) << c.indexes.size();
}
