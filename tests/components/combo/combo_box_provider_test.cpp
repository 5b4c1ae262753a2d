// The combo box with a data provider: rows from the consumer's view list, picking a row,
// searching, drawing and measuring through the provider, and letting go of it.

#include "components/combo/combo_box_provider.h"
#include "components/data/data_consumer.h"
#include "platform/ui/canvas.h"
#include "tests/components/data/test_provider.h"

#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// An item aspect that draws and measures the item itself and notes how it was asked.
class SelfDrawing : public TWkDataItemAggregatedObject, public IWkDataItemDraw {
public:
    using TWkDataItemAggregatedObject::TWkDataItemAggregatedObject;
    const char* ClassName() const override { return "TSelfDrawing"; }
    void Draw(TCanvas&, const TRect& rect, TProviderDrawStates state) override {
        drawnAt = rect;
        drawnState = state;
    }
    TSize Measure(TCanvas&) override { return TSize{10, 40}; }

    TRect drawnAt{};
    TProviderDrawStates drawnState = 0;

protected:
    void* OwnInterface(const QUuid& iid) override {
        return iid == IWkDataItemDraw::IID ? static_cast<IWkDataItemDraw*>(this) : nullptr;
    }
};

// An item that runs an action when picked.
class Action : public TWkDataItemAggregatedObject, public IWkDataItemAction {
public:
    using TWkDataItemAggregatedObject::TWkDataItemAggregatedObject;
    const char* ClassName() const override { return "TAction"; }
    void Execute(QObject* control) override { ranOn = control; }

    QObject* ranOn = nullptr;

protected:
    void* OwnInterface(const QUuid& iid) override {
        return iid == IWkDataItemAction::IID ? static_cast<IWkDataItemAction*>(this) : nullptr;
    }
};

// Roots "Red", "Green" (child "Lime"), "Blue".
class ComboBoxProviderTest : public ::testing::Test {
protected:
    void SetUp() override {
        provider.AddItem("R", "Red");
        TWkBaseDataItem* green = provider.AddItem("G", "Green");
        provider.AddItem("L", "Lime", MakeSubItems(*green));
        provider.AddItem("B", "Blue");
        box.setGeometry(0, 0, 140, 22);
        box.OnClick = TNotifyEvent::FromCallable([this](QObject*) { events << "click"; });
        box.OnChange = TNotifyEvent::FromCallable([this](QObject*) { events << "change"; });
    }
    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < box.count(); ++i)
            rows << box.GetItemText(i);
        return rows;
    }
    TWkCustomDataConsumerViewList& View() { return *box.DataConsumer().ViewList(); }
    void DrawRow(int index, TOwnerDrawState state) {
        QImage image(140, 16, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&image);
        TCanvas canvas(painter);
        box.DrawRequest(canvas, index, TRect{0, 0, 140, 16}, state);
    }

    TestProvider provider;
    TWkCustomComboBox box;
    QStringList events;
};

} // namespace

TEST_F(ComboBoxProviderTest, TheConsumerListsItemsAndLetsTheUserPickOne) {
    TWkDataConsumer& consumer = box.DataConsumer();
    EXPECT_TRUE(consumer.HasAttribute(1));
    EXPECT_TRUE(consumer.HasAttribute(3));
    EXPECT_FALSE(consumer.HasAttribute(2));
    EXPECT_EQ(consumer.Owner(), &box);
    box.SetProvider(&provider);
    EXPECT_NE(consumer.ViewList(), nullptr);
    EXPECT_NE(consumer.ItemSelect(), nullptr);
}

TEST_F(ComboBoxProviderTest, RowsFollowTheProvidersViewList) {
    box.Items().Add("own item");
    box.SetProvider(&provider);
    EXPECT_EQ(Rows(), (QStringList{"Red", "Green", "Blue"}));
    EXPECT_EQ(box.itemText(1), QStringLiteral("Green")) << "the box's own rows carry captions";

    View().ToggleItem(1);
    EXPECT_EQ(Rows(), (QStringList{"Red", "Green", "Lime", "Blue"}));
    provider.Manage().Add(std::make_unique<TWkBaseDataItem>(&provider.root));
    EXPECT_EQ(box.count(), 5);
    EXPECT_EQ(box.GetItemText(4), QString()) << "an item without text has an empty caption";
    EXPECT_THROW(box.GetItemText(5), EListError);
    EXPECT_EQ(events, QStringList()) << "following the provider is no user action";
}

TEST_F(ComboBoxProviderTest, PickingARowSelectsItsItem) {
    box.SetStyle(TComboBoxStyle::csDropDown);
    auto* blue = static_cast<TWkBaseDataItem*>(provider.root.FindItem("B", false));
    Action* action = blue->AddExtension<Action>();
    box.SetProvider(&provider);

    emit box.activated(2);
    EXPECT_EQ(events, (QStringList{"click", "change"}));
    EXPECT_EQ(box.DataConsumer().ItemSelect()->Item(), QStringLiteral("B"));
    EXPECT_EQ(box.lineEdit()->text(), QStringLiteral("Blue"));
    EXPECT_EQ(action->ranOn, &box);
    EXPECT_EQ(provider.entered, 0) << "every Enter has its Leave";

    // The selection stays with the item when rows move.
    View().ToggleItem(1);
    EXPECT_EQ(box.currentIndex(), 3);
}

TEST_F(ComboBoxProviderTest, ChangingTheItemsLetsGoOfTheProvider) {
    box.SetProvider(&provider);
    ASSERT_EQ(box.count(), 3);
    box.Items().Add("own item");
    EXPECT_EQ(box.Provider(), nullptr);
    EXPECT_EQ(Rows(), QStringList{"own item"});
    EXPECT_TRUE(provider.notifies.empty());
}

TEST_F(ComboBoxProviderTest, SearchesWrapFromTheRowAfterTheStart) {
    provider.AddItem("R2", "red wine");
    box.SetProvider(&provider);
    TWkComboBoxProviderLink& link = box.ProviderLink();
    const struct {
        int start;
        const char* text;
        bool exact;
        int expected;
    } cases[] = {
        {-1, "RED", false, 0}, {0, "red", false, 3}, {3, "red", false, 0},
        {-1, "Red", true, 0},  {0, "Red", true, 0},  {-1, "red", true, -1},
        {-1, "Gr", false, 1},  {1, "x", false, -1},  {7, "Blue", true, 2},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(c.exact ? link.FindStringExact(c.start, text) : link.FindString(c.start, text),
                  c.expected)
            << c.start << ' ' << c.text;
    }
    EXPECT_EQ(link.SelectString(0, "b"), 2);
    EXPECT_EQ(box.currentIndex(), 2);
    EXPECT_EQ(link.SelectString(0, "none"), -1);
    EXPECT_EQ(box.currentIndex(), 2);
}

TEST_F(ComboBoxProviderTest, ItemsAreDrawnAndMeasuredByTheProvider) {
    auto* lime = static_cast<TWkBaseDataItem*>(provider.root.FindItem("L", true));
    SelfDrawing* drawing = lime->AddExtension<SelfDrawing>();
    box.SetStyle(TComboBoxStyle::csDropDownList);
    box.SetProvider(&provider);
    View().ToggleItem(1);

    DrawRow(2, odSelected | odFocused);
    EXPECT_EQ(drawing->drawnAt.Left, View().LevelIndent()) << "indented by its level";
    EXPECT_EQ(drawing->drawnState, unsigned(pdsSelected | pdsFocused));
    EXPECT_EQ(box.ItemHeightOf(0), TWkCustomComboBox::DefaultItemHeight);

    box.SetStyle(TComboBoxStyle::csOwnerDrawVariable);
    EXPECT_EQ(box.ItemHeightOf(2), 40) << "the larger of the item's height and the box's";
    EXPECT_EQ(provider.entered, 0);
}
