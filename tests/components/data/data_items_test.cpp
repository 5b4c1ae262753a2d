#include "components/data/data_errors.h"
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
    manage.Delete(5);
    EXPECT_EQ(provider.root.Count(), 1) << "an index outside the list deletes nothing";

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
    EXPECT_THROW(provider.Manage().Remove(fixed), EWkDataItems);
    EXPECT_EQ(provider.root.Count(), 1);
    EXPECT_TRUE(provider.log.isEmpty());
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
    EXPECT_EQ(provider.contexts.IndexOf(day), 1);
    EXPECT_NE(Supports<IWkDataContext>(night), nullptr);
    EXPECT_NE(night->QueryInterface(TWkManagedDataContext::NamingIID), nullptr);
    EXPECT_EQ(day->QueryInterface(TWkManagedDataContext::NamingIID), nullptr);
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
