// The combo box base: read-only keys and clicks, the placeholder, searches, the text limit and
// owner drawing through the delegate.

#include "components/combo/combo_box.h"
#include "platform/ui/canvas.h"
#include "tests/components/combo/list_item_image.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <gtest/gtest.h>

namespace {

class ComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        box.setGeometry(0, 0, 140, 22);
        for (const char* text : {"Red", "Green", "Blue", "Dark red"})
            box.Items().Add(QString::fromLatin1(text));
        box.OnClick = TNotifyEvent::FromCallable([this](QObject*) { events << "click"; });
        box.OnChange = TNotifyEvent::FromCallable([this](QObject*) { events << "change"; });
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&box, &press);
    }

    void LeftClick() {
        const QPointF at(box.width() - 5, box.height() / 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, box.mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&box, &press);
    }

    QImage DrawListItem(int index, QStyle::State state) {
        return ListItemImage(box, index, state, QSize(140, 16));
    }

    TWkCustomComboBox box;
    QStringList events;
};

TEST_F(ComboBoxTest, AReadOnlyListIgnoresKeysClicksAndTheWheel) {
    box.SetStyle(TComboBoxStyle::csDropDownList);
    box.SetItemIndex(1);
    box.SetReadOnly(true);
    struct Case {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
    };
    const Case cases[] = {
        {"down", Qt::Key_Down, Qt::NoModifier, {}}, {"up", Qt::Key_Up, Qt::NoModifier, {}},
        {"home", Qt::Key_Home, Qt::NoModifier, {}}, {"end", Qt::Key_End, Qt::NoModifier, {}},
        {"F4", Qt::Key_F4, Qt::NoModifier, {}},     {"alt+down", Qt::Key_Down, Qt::AltModifier, {}},
        {"typed", Qt::Key_B, Qt::NoModifier, "b"},  {"space", Qt::Key_Space, Qt::NoModifier, " "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Key(c.key, c.modifiers, c.text);
        EXPECT_EQ(box.ItemIndex(), 1);
        EXPECT_FALSE(box.view()->isVisible());
    }
    LeftClick();
    EXPECT_FALSE(box.view()->isVisible());
    QWheelEvent wheel(QPointF(5, 5), box.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&box, &wheel);
    EXPECT_EQ(box.ItemIndex(), 1);
    EXPECT_TRUE(events.isEmpty());

    box.SetReadOnly(false);
    Key(Qt::Key_Down);
    EXPECT_EQ(box.ItemIndex(), 2) << "the same key moves an editable selection";
    EXPECT_EQ(events, QStringList({"click", "change"}));
}

TEST_F(ComboBoxTest, AReadOnlyEditTakesNoTyping) {
    box.SetText("Red");
    box.SetReadOnly(true);
    Key(Qt::Key_X, Qt::NoModifier, "x");
    Key(Qt::Key_Backspace, Qt::NoModifier, "\b");
    EXPECT_EQ(box.Text(), "Red");
    EXPECT_TRUE(box.lineEdit()->isReadOnly());
}

TEST_F(ComboBoxTest, OnlyTheUserFiresClickAndChange) {
    box.SetStyle(TComboBoxStyle::csDropDownList);
    box.SetItemIndex(2);
    box.SetItemIndex(0);
    EXPECT_TRUE(events.isEmpty());
    Key(Qt::Key_Down);
    EXPECT_EQ(box.ItemIndex(), 1);
    EXPECT_EQ(events, QStringList({"click", "change"}));
}

TEST_F(ComboBoxTest, ThePlaceholderShowsOnlyWhileTheEmptyBoxHasNoFocus) {
    const QColor normal = box.lineEdit()->palette().color(QPalette::Text);
    box.SetText(QString());
    box.SetEmptyValue("Pick a colour");
    EXPECT_TRUE(box.IsEmptyValue());
    EXPECT_EQ(box.lineEdit()->text(), "Pick a colour");
    EXPECT_EQ(box.lineEdit()->palette().color(QPalette::Text), ToQColor(clGrayText));
    EXPECT_EQ(box.Text(), QString());

    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&box, &in);
    EXPECT_FALSE(box.IsEmptyValue());
    EXPECT_EQ(box.lineEdit()->text(), QString());
    EXPECT_EQ(box.lineEdit()->palette().color(QPalette::Text), normal);

    box.SetText("Green");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&box, &out);
    EXPECT_FALSE(box.IsEmptyValue()) << "a box with text keeps it";
    EXPECT_EQ(box.Text(), "Green");

    box.SetText(QString());
    EXPECT_TRUE(box.IsEmptyValue());
    box.SetText("Blue");
    EXPECT_FALSE(box.IsEmptyValue());
    EXPECT_EQ(box.Text(), "Blue");
}

TEST_F(ComboBoxTest, SearchesAndDeletesOverTheItems) {
    EXPECT_EQ(box.SearchExactString("green", false), 1);
    EXPECT_EQ(box.SearchExactString("green", true), -1);
    EXPECT_EQ(box.SearchPrefix("dark", false), 3);
    EXPECT_EQ(box.SearchSubString("red", false), 0);
    EXPECT_EQ(box.SearchSubString("k r", true), 3);
    box.Items().Add("Red");
    EXPECT_EQ(box.DeleteExactString("RED", true, false), 2);
    EXPECT_EQ(box.count(), 3);
    EXPECT_EQ(box.Items().IndexOf("dark RED"), 2);
}

TEST_F(ComboBoxTest, ListReadsOutsideTheItemsRaise) {
    for (int index : {-1, 4, 100}) {
        try {
            box.GetItemText(index);
            ADD_FAILURE() << index;
        } catch (const EListError& error) {
            EXPECT_EQ(error.Message(), QStringLiteral("List index out of bounds (%1)").arg(index));
        }
    }
    EXPECT_THROW(box.Items().Objects(4), EListError);
    EXPECT_THROW(box.Items().InsertObject(6, "x", 1), EListError);
    box.Items().InsertObject(4, "last", 7);
    EXPECT_EQ(box.Items().Objects(4), 7);
}

TEST_F(ComboBoxTest, ClearingKeepsTheEditText) {
    box.SetText("typed");
    box.Items().Clear();
    EXPECT_EQ(box.count(), 0);
    EXPECT_EQ(box.Text(), "typed");
}

TEST_F(ComboBoxTest, TheEditTextIsCutToThePixelLimit) {
    const QFontMetrics metrics(box.font(), &box);
    box.MaxPixel().SetLength(metrics.horizontalAdvance("Red") + 1);
    box.SetText("Redwood");
    EXPECT_EQ(box.Text(), "Red");
    EXPECT_EQ(box.lineEdit()->cursorPosition(), 3);

    box.MaxPixel().SetLength(metrics.horizontalAdvance("R") + 1);
    EXPECT_EQ(box.Text(), "R") << "a narrower limit cuts the text at once";
}

TEST_F(ComboBoxTest, OwnerDrawnItemsAreDrawnByTheBox) {
    box.SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    const QImage plain = DrawListItem(1, QStyle::State_None);
    const QImage selected = DrawListItem(1, QStyle::State_Selected);
    EXPECT_EQ(plain.pixelColor(135, 8), box.palette().color(QPalette::Base));
    EXPECT_EQ(selected.pixelColor(135, 8), ToQColor(clHighlight));
    EXPECT_NE(plain, DrawListItem(2, QStyle::State_None)) << "each item shows its own text";

    std::vector<std::pair<int, TOwnerDrawState>> drawn;
    box.OnDrawItem = [&](TWkCustomComboBox&, TCanvas& canvas, int index, const TRect& rect,
                         TOwnerDrawState state) {
        drawn.emplace_back(index, state);
        canvas.Brush.Color = clLime;
        canvas.FillRect(rect);
    };
    EXPECT_EQ(DrawListItem(3, QStyle::State_Selected).pixelColor(135, 8), ToQColor(clLime));
    box.SetItemIndex(2);
    box.grab();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0], std::make_pair(3, TOwnerDrawState(odSelected)));
    EXPECT_EQ(drawn[1].first, 2) << "the closed face draws the selected item";
    EXPECT_TRUE(drawn[1].second & odComboBoxEdit);
}

TEST_F(ComboBoxTest, ItemHeightsAreFixedOrMeasured) {
    box.SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    box.OnMeasureItem = [](TWkCustomComboBox&, int index, int& height) {
        height += index;
    };
    QStyleOptionViewItem option;
    auto heightOf = [&](int index) {
        return box.ItemView()
            ->itemDelegate()
            ->sizeHint(option, box.model()->index(index, 0))
            .height();
    };
    EXPECT_EQ(heightOf(3), TWkCustomComboBox::DefaultItemHeight);
    box.SetItemHeight(20);
    EXPECT_EQ(heightOf(3), 20);
    box.SetStyle(TComboBoxStyle::csOwnerDrawVariable);
    EXPECT_EQ(heightOf(0), 20);
    EXPECT_EQ(heightOf(3), 23);
}

TEST_F(ComboBoxTest, TheMeasureStyleDecidesWhenHeightsAreMeasured) {
    const int base = TWkCustomComboBox::DefaultItemHeight;
    const struct {
        const char* name;
        TWkComboBoxMeasureStyle measureStyle;
        TComboBoxStyle style;
        std::vector<int> measuredOnShow;
        int heightBeforeDraw;               // of item 3, after the show
        std::vector<int> measuredByDrawing; // drawing item 3, then the closed face
        int heightAfterDraw;
        int editHeight;
    } cases[] = {
        {"standard, variable: on the list's request",
         cmsStandard,
         TComboBoxStyle::csOwnerDrawVariable,
         {},
         base + 13,
         {},
         base + 13,
         -1},
        {"standard, fixed: never",
         cmsStandard,
         TComboBoxStyle::csOwnerDrawFixed,
         {},
         base,
         {},
         base,
         -1},
        {"after create, variable: every item and the edit part once",
         cmsAfterCreate,
         TComboBoxStyle::csOwnerDrawVariable,
         {-1, 0, 1, 2, 3},
         base + 13,
         {},
         base + 13,
         base + 9},
        {"after create, fixed: the edit part only",
         cmsAfterCreate,
         TComboBoxStyle::csOwnerDrawFixed,
         {-1},
         base,
         {},
         base,
         base + 9},
        {"before draw, variable: what is drawn",
         cmsBeforeDraw,
         TComboBoxStyle::csOwnerDrawVariable,
         {},
         base,
         {3, -1},
         base + 13,
         base + 9},
        {"before draw, fixed: never",
         cmsBeforeDraw,
         TComboBoxStyle::csOwnerDrawFixed,
         {},
         base,
         {},
         base,
         -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWkCustomComboBox box;
        box.setGeometry(0, 0, 140, 22);
        for (const char* text : {"Red", "Green", "Blue", "Dark red"})
            box.Items().Add(QString::fromLatin1(text));
        std::vector<int> measured;
        box.OnMeasureItem = [&measured](TWkCustomComboBox&, int index, int& height) {
            measured.push_back(index);
            height += 10 + index;
        };
        box.SetStyle(c.style);
        box.SetMeasureStyle(c.measureStyle);
        box.SetItemIndex(2);
        box.show();
        box.hide();
        box.show();
        EXPECT_EQ(measured, c.measuredOnShow);
        measured.clear();
        const auto sizeOf = [&box](int index) {
            QStyleOptionViewItem option;
            return box.ItemView()->itemDelegate()->sizeHint(option, box.model()->index(index, 0));
        };
        EXPECT_EQ(sizeOf(3).height(), c.heightBeforeDraw);
        measured.clear();
        ListItemImage(box, 3, QStyle::State_None, QSize(140, 16));
        box.grab();
        EXPECT_EQ(measured, c.measuredByDrawing);
        measured.clear();
        EXPECT_EQ(sizeOf(3).height(), c.heightAfterDraw);
        EXPECT_EQ(box.EditHeight(), c.editHeight);
    }
}

TEST_F(ComboBoxTest, MeasuredHeightsStayWithTheirItemsAndSizeTheEditPart) {
    QStyleOptionViewItem option;
    auto heightOf = [&](int index) {
        return box.ItemView()
            ->itemDelegate()
            ->sizeHint(option, box.model()->index(index, 0))
            .height();
    };
    box.SetStyle(TComboBoxStyle::csOwnerDrawVariable);
    box.SetMeasureStyle(cmsAfterCreate);
    box.SetItemHeight(20);
    int editHeight = 20;
    box.OnMeasureItem = [&editHeight](TWkCustomComboBox&, int index, int& height) {
        height = index < 0 ? editHeight : height + index;
    };
    const int plainHeight = box.sizeHint().height();
    editHeight = 60;
    box.show();
    EXPECT_EQ(heightOf(3), 23);
    box.Items().Insert(0, QStringLiteral("White"));
    EXPECT_EQ(heightOf(4), 23) << "the height moved with its item";
    EXPECT_EQ(heightOf(0), 20) << "a new item is not measured after the show";
    EXPECT_EQ(box.EditHeight(), 60);
    EXPECT_GE(box.sizeHint().height(), 60);
    EXPECT_GT(box.sizeHint().height(), plainHeight);
}

// A box that does not edit makes its list only when it is needed; whenever that is, the open
// list draws the way the style asked last.
TEST(ComboBoxList, TheOpenListTakesTheStylesDelegateWhenItIsMade) {
    const auto ownerDrawn = [](QAbstractItemView* list) {
        QImage image(140, 16, QImage::Format_RGB32);
        QStyleOptionViewItem option;
        option.rect = image.rect();
        option.state = QStyle::State_Selected | QStyle::State_Enabled;
        QPainter painter(&image);
        list->itemDelegate()->paint(&painter, option, list->model()->index(1, 0));
        painter.end();
        return image.pixelColor(135, 8) == ToQColor(clLime);
    };
    const TWkCustomComboBox::TDrawItemEvent lime = [](TWkCustomComboBox&, TCanvas& canvas, int,
                                                      const TRect& rect, TOwnerDrawState) {
        canvas.Brush.Color = clLime;
        canvas.FillRect(rect);
    };
    const auto fill = [&](TWkCustomComboBox& box) {
        box.setGeometry(0, 0, 140, 22);
        box.Items().Add(QStringLiteral("Red"));
        box.Items().Add(QStringLiteral("Green"));
        box.OnDrawItem = lime;
    };

    TWkCustomComboBox opened(nullptr, TComboBoxStyle::csOwnerDrawVariable);
    fill(opened);
    opened.SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    opened.show();
    opened.showPopup();
    EXPECT_TRUE(ownerDrawn(opened.view())) << "the list made by opening it";
    opened.hidePopup();
    opened.SetStyle(TComboBoxStyle::csDropDownList);
    EXPECT_FALSE(ownerDrawn(opened.view())) << "Qt's own delegate back";

    TWkCustomComboBox asked(nullptr, TComboBoxStyle::csOwnerDrawFixed);
    fill(asked);
    asked.SetDropDownWidth(300);
    EXPECT_TRUE(ownerDrawn(asked.ItemView())) << "the list made by asking for it";
    EXPECT_EQ(asked.ItemView()->minimumWidth(), 300);

    TWkCustomComboBox editing(nullptr, TComboBoxStyle::csDropDown); // Qt makes its list at once
    fill(editing);
    QAbstractItemView* list = editing.view();
    editing.SetStyle(TComboBoxStyle::csOwnerDrawFixed);
    EXPECT_TRUE(ownerDrawn(list)) << "a list Qt made before the style changed";
    editing.SetStyle(TComboBoxStyle::csDropDown);
    EXPECT_FALSE(ownerDrawn(list));
}

TEST_F(ComboBoxTest, TheOpenListIsAtLeastTheDropDownWidth) {
    box.SetDropDownWidth(300);
    EXPECT_EQ(box.view()->minimumWidth(), 300);
    box.SetDropDownWidth(0);
    EXPECT_EQ(box.view()->minimumWidth(), 0);
}

} // namespace
