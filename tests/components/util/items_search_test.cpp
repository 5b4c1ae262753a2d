// Searching and deleting items by text, and cutting texts to a pixel width.

#include "components/util/items_search.h"
#include "components/util/max_pixel.h"

#include <QFontMetrics>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// Records the order in which a search reads the items.
class VisitLog final : public TWkSearchableItems {
public:
    explicit VisitLog(QStringList list) : items(std::move(list)) {}
    int Count() const override { return int(items.size()); }
    QString Get(int index) const override {
        visited.push_back(index);
        return items.at(index);
    }
    void Delete(int index) override { items.removeAt(index); }
    void BeginUpdate() override { ++updates; }
    void EndUpdate() override { --updates; }

    QStringList items;
    mutable std::vector<int> visited;
    int updates = 0;
};

TEST(ItemsSearch, ScansAfterTheStartAndWrapsToIt) {
    struct Case {
        const char* name;
        int start;
        std::vector<int> order;
    };
    const Case cases[] = {
        {"from before the first", -1, {0, 1, 2}}, {"from the middle", 1, {2, 0, 1}},
        {"from the last", 2, {0, 1, 2}},          {"from the count", 3, {}},
        {"far beyond the count", 1000, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VisitLog list({"a", "b", "c"});
        EXPECT_EQ(TWkItemsSearchs::SearchExactString(list, "none", true, c.start), -1);
        EXPECT_EQ(list.visited, c.order);
    }
}

TEST(ItemsSearch, FirstMatchAfterTheStartWins) {
    QStringList names{"Red", "Green", "red", "Dark red"};
    const TWkStringListItems items(names);
    EXPECT_EQ(TWkItemsSearchs::SearchExactString(items, "red", true, -1), 2);
    EXPECT_EQ(TWkItemsSearchs::SearchExactString(items, "red", false, -1), 0);
    EXPECT_EQ(TWkItemsSearchs::SearchExactString(items, "red", false, 0), 2);
    EXPECT_EQ(TWkItemsSearchs::SearchExactString(items, "RED", false, 2), 0);
}

TEST(ItemsSearch, PrefixAndSubstringFollowTheCaseRule) {
    QStringList names{"Dark red", "Green", "Redwood", "Ölgrün"};
    const TWkStringListItems items(names);
    struct Case {
        const char* value;
        bool caseSensitive;
        int prefix;
        int substring;
    };
    const Case cases[] = {
        {"Red", true, 2, 2},    {"red", true, -1, 0}, {"red", false, 2, 0},
        {"ee", false, -1, 1},   {"ÖL", false, 3, 3},  {"ÖL", true, -1, -1},
        {"grÜn", false, -1, 3}, {"", false, -1, -1},  {"", true, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(TWkItemsSearchs::SearchPrefix(items, c.value, c.caseSensitive, -1), c.prefix);
        EXPECT_EQ(TWkItemsSearchs::SearchSubString(items, c.value, c.caseSensitive, -1),
                  c.substring);
    }
}

TEST(ItemsSearch, EmptyValuesAndLists) {
    QStringList names{"a", ""};
    const TWkStringListItems items(names);
    EXPECT_EQ(TWkItemsSearchs::SearchExactString(items, "", true, -1), 1);
    QStringList none;
    const TWkStringListItems empty(none);
    EXPECT_EQ(TWkItemsSearchs::SearchExactString(empty, "", true, -1), -1);
    EXPECT_EQ(TWkItemsSearchs::SearchPrefix(empty, "a", true, -1), -1);
    EXPECT_EQ(TWkItemsSearchs::SearchSubString(empty, "a", true, 0), -1);
}

TEST(ItemsSearch, DeletesOneOrEveryExactMatchInsideAnUpdate) {
    struct Case {
        const char* name;
        const char* value;
        bool all;
        bool caseSensitive;
        int deleted;
        QStringList left;
    };
    const Case cases[] = {
        {"all three", "x", true, true, 3, {"y", "z"}},
        {"the first", "x", false, true, 1, {"y", "x", "z", "x"}},
        {"absent", "w", true, true, 0, {"x", "y", "x", "z", "x"}},
        {"any case", "X", true, false, 3, {"y", "z"}},
        {"exact case", "X", true, true, 0, {"x", "y", "x", "z", "x"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VisitLog list({"x", "y", "x", "z", "x"});
        EXPECT_EQ(TWkItemsSearchs::DeleteExactString(list, c.value, c.all, c.caseSensitive),
                  c.deleted);
        EXPECT_EQ(list.items, c.left);
        EXPECT_EQ(list.updates, 0);
    }
}

class MaxPixelTest : public ::testing::Test {
protected:
    QWidget owner;
    TWkMaxPixel fit{&owner};
    QFont font = owner.font();
    int Width(const QString& text) const {
        return QFontMetrics(font, &owner).horizontalAdvance(text);
    }
};

TEST_F(MaxPixelTest, WithoutALimitNothingIsCut) {
    QString text = QStringLiteral("a long text that goes on");
    EXPECT_TRUE(fit.Test(text, font));
    EXPECT_EQ(text, QStringLiteral("a long text that goes on"));
}

TEST_F(MaxPixelTest, CutsFromTheEndUntilTheTextFits) {
    const QString full = QStringLiteral("WWWWWWWWWW");
    fit.SetLength(Width(QStringLiteral("WWWW")) + 1);
    QString text = full;
    EXPECT_TRUE(fit.Test(text, font));
    EXPECT_EQ(text, QStringLiteral("WWWW"));
    EXPECT_FALSE(fit.Test(text, font)) << "a text that fits is left alone";
    EXPECT_EQ(text, QStringLiteral("WWWW"));

    fit.SetLength(1);
    text = full;
    EXPECT_TRUE(fit.Test(text, font));
    EXPECT_EQ(text, QString()) << "narrower than the first character";
}

TEST_F(MaxPixelTest, NeverSplitsACharacterOutsideTheBasicPlane) {
    const QString clef = QString::fromUcs4(U"\U0001D11E");
    const QString fits = QStringLiteral("a") + clef;
    fit.SetLength(Width(fits));
    QString text = fits + clef;
    EXPECT_TRUE(fit.Test(text, font));
    EXPECT_EQ(text, fits);
}

TEST_F(MaxPixelTest, MeasuresWithItsOwnFontWhenAsked) {
    QFont big = font;
    big.setPixelSize(font.pixelSize() > 0 ? font.pixelSize() * 4 : 60);
    fit.SetFont(big);
    fit.SetLength(Width(QStringLiteral("WWWW")) + 1);
    QString text = QStringLiteral("WWWW");
    EXPECT_FALSE(fit.Test(text, font));
    fit.SetUseControlFont(false);
    EXPECT_TRUE(fit.Test(text, font));
    EXPECT_LT(text.size(), 4);
}

TEST_F(MaxPixelTest, OnlyRealChangesAreReported) {
    int changes = 0;
    fit.OnChanged = [&] {
        ++changes;
    };
    fit.SetLength(0);
    fit.SetUseControlFont(true);
    EXPECT_EQ(changes, 0);
    fit.SetLength(10);
    fit.SetUseControlFont(false);
    fit.SetFont(font);
    EXPECT_EQ(changes, 3);
}

} // namespace
