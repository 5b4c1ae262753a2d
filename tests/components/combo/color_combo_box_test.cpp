// The colour combo box: its lists, colours added by code and by the colour dialog, names and
// drawing.

#include "components/base/convert_error.h"
#include "components/combo/color_combo_box.h"
#include "components/combo/color_ident.h"
#include "platform/ui/canvas.h"
#include "tests/components/combo/list_item_image.h"
#include "tests/support/recording_ui_host.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr TColor ShadowGray = 0x808080;

const QStringList StandardNames{"Black",  "Maroon",     "Green",   "Olive",   "Navy",
                                "Purple", "Teal",       "Gray",    "Silver",  "Red",
                                "Lime",   "Yellow",     "Blue",    "Fuchsia", "Aqua",
                                "White",  "MoneyGreen", "SkyBlue", "Cream",   "MedGray"};

class ColorComboTest : public ::testing::Test {
protected:
    void Watch(TWkColorComboBox& box) {
        box.OnChange = TNotifyEvent::FromCallable([this](QObject*) { ++changes; });
    }
    // The user picks an item as the keyboard or the list would.
    void Pick(TWkColorComboBox& box, int index) {
        box.setCurrentIndex(index);
        emit box.activated(index);
    }
    QStringList Texts(const TWkColorComboBox& box) {
        QStringList texts;
        for (int i = 0; i < box.count(); ++i)
            texts << box.itemText(i);
        return texts;
    }
    QImage Draw(TWkColorComboBox& box, int index, QStyle::State state = QStyle::State_None) {
        box.resize(140, 22);
        return ListItemImage(box, index, state, QSize(140, 18));
    }

    RecordingUiHost host;
    ScopedUiHost hostGuard{host};
    int changes = 0;
};

TEST_F(ColorComboTest, ListsTheStandardColoursByName) {
    TWkColorComboBox box;
    EXPECT_EQ(Texts(box), StandardNames);
    EXPECT_EQ(box.ColorValue(), clBlack);
    EXPECT_EQ(box.ItemIndex(), 0);
    EXPECT_EQ(TColor(box.Items().Objects(16)), clMoneyGreen);
}

TEST_F(ColorComboTest, OptionsChooseTheLists) {
    TWkColorComboBox box(nullptr, coStdColors | coSysColors | coCustomColors);
    EXPECT_EQ(box.count(), 20 + 30 + 1);
    EXPECT_EQ(box.itemText(20), "ScrollBar");
    EXPECT_EQ(box.itemText(50), "Custom...");
    EXPECT_EQ(TColor(box.Items().Objects(50)), TWkColorComboBox::DialogEntryValue);
    box.SetOptions(coText);
    EXPECT_EQ(box.count(), 0);
}

TEST_F(ColorComboTest, AnUnlistedColourIsAddedOnceAndThenOnlyReselected) {
    TWkColorComboBox box;
    Watch(box);
    box.SetColorValue(0x00FF8000);
    EXPECT_EQ(box.count(), 21);
    EXPECT_EQ(box.itemText(20), "Custom");
    EXPECT_EQ(box.ItemIndex(), 20);
    EXPECT_EQ(box.ColorValue(), 0x00FF8000);
    EXPECT_EQ(changes, 1);

    box.SetColorValue(0x00FF8000);
    EXPECT_EQ(box.count(), 21);
    EXPECT_EQ(changes, 1) << "already selected: no change";

    box.SetColorValue(clRed);
    box.SetColorValue(0x00FF8000);
    EXPECT_EQ(box.count(), 21);
    EXPECT_EQ(box.ItemIndex(), 20);
    EXPECT_EQ(changes, 3);
}

TEST_F(ColorComboTest, SelectingFromCodeChoosesThatColour) {
    TWkColorComboBox box;
    box.SetColorValue(clRed);
    box.SetItemIndex(0);
    EXPECT_EQ(box.ColorValue(), clBlack);
}

TEST_F(ColorComboTest, TheUserPicksAColour) {
    TWkColorComboBox box;
    Watch(box);
    int clicks = 0;
    box.OnClick = TNotifyEvent::FromCallable([&](QObject*) { ++clicks; });
    box.setFocus();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(&box, &down);
    EXPECT_EQ(box.ColorValue(), clMaroon);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(ColorComboTest, TheDialogEntryAddsTheChosenColourBeforeItself) {
    TWkColorComboBox box(nullptr, coText | coStdColors | coCustomColors);
    box.SetColorValue(clRed);
    Watch(box);
    host.colorAnswers.push_back(ColorDialogAnswer{0x123456, {"ColorA=FFFFFF", "ColorB=00ff80"}});
    Pick(box, box.count() - 1);

    ASSERT_EQ(host.colorRequests.size(), 1u);
    EXPECT_EQ(host.colorRequests[0].color, clRed);
    EXPECT_EQ(box.ColorValue(), 0x123456);
    EXPECT_EQ(Texts(box).mid(20), QStringList({"Custom", "Custom", "Custom..."}));
    EXPECT_EQ(TColor(box.Items().Objects(20)), 0x00FF80) << "the dialog's own custom colours";
    EXPECT_EQ(TColor(box.Items().Objects(21)), 0x123456);
    EXPECT_EQ(box.ItemIndex(), 21);
    EXPECT_EQ(box.CustomColorCount(), 2);
    EXPECT_GE(changes, 1);

    Pick(box, box.count() - 1);
    ASSERT_EQ(host.colorRequests.size(), 2u);
    EXPECT_EQ(host.colorRequests[1].customColors, QStringList({"ColorA=00ff80", "ColorB=123456"}));
    EXPECT_EQ(box.ItemIndex(), box.count() - 2) << "a cancelled dialog selects the entry above";
    EXPECT_EQ(box.ColorValue(), 0x123456);
}

TEST_F(ColorComboTest, TheDialogEntryIsNeverAColour) {
    TWkColorComboBox box(nullptr, coStdColors | coCustomColors);
    box.SetColorValue(TWkColorComboBox::DialogEntryValue);
    EXPECT_EQ(box.count(), 22);
    EXPECT_EQ(box.ItemIndex(), 20);
    EXPECT_EQ(TColor(box.Items().Objects(20)), TWkColorComboBox::DialogEntryValue);
    EXPECT_EQ(box.FindColor(TWkColorComboBox::DialogEntryValue), 20);
}

TEST_F(ColorComboTest, UpdatesRebuildOnceAtTheOutermostEnd) {
    TWkColorComboBox box;
    box.SetColorValue(0x00FF8000);
    EXPECT_EQ(box.BeginUpdate(), 1);
    EXPECT_EQ(box.BeginUpdate(), 2);
    EXPECT_EQ(box.EndUpdate(), 1);
    EXPECT_EQ(box.count(), 21);
    EXPECT_EQ(box.EndUpdate(), 0);
    EXPECT_EQ(box.count(), 21) << "the rebuild drops the custom item and the value adds it again";
    EXPECT_EQ(box.ColorValue(), 0x00FF8000);

    TWkColorComboBox unmatched(nullptr, 0);
    EXPECT_EQ(unmatched.EndUpdate(), 0);
    EXPECT_EQ(unmatched.count(), 0);
    EXPECT_EQ(unmatched.BeginUpdate(), 1) << "an unmatched end leaves no debt";
}

TEST_F(ColorComboTest, ARebuildChoosesTheColourAgainWithAChange) {
    const struct {
        const char* name;
        TColor chosen;
        std::function<void(TWkColorComboBox&)> rebuild;
        int index;
    } cases[] = {
        {"first colour, new options", clBlack,
         [](TWkColorComboBox& box) { box.SetOptions(coText | coStdColors | coSysColors); }, 0},
        {"first colour, end of update", clBlack,
         [](TWkColorComboBox& box) {
             box.BeginUpdate();
             box.EndUpdate();
         },
         0},
        {"first colour, asked for", clBlack, [](TWkColorComboBox& box) { box.GetColors(); }, 0},
        {"later colour", clRed, [](TWkColorComboBox& box) { box.GetColors(); }, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWkColorComboBox box;
        box.SetColorValue(c.chosen);
        Watch(box);
        changes = 0;
        c.rebuild(box);
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(box.ItemIndex(), c.index);
        EXPECT_EQ(box.ColorValue(), c.chosen);
    }
}

TEST_F(ColorComboTest, DroppedDownWidthIsTheOpenListsWidth) {
    const struct {
        int set;
        int width;
    } cases[] = {{0, 135}, {60, 135}, {200, 200}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.set);
        TWkColorComboBox box;
        box.resize(135, 22);
        box.SetDroppedDownWidth(c.set);
        EXPECT_EQ(box.DroppedDownWidth(), c.width);
        box.show();
        box.showPopup();
        const QWidget* list = box.view()->window();
        ASSERT_TRUE(list->isVisible());
        EXPECT_EQ(box.DroppedDownWidth(), list->width());
        EXPECT_GE(box.DroppedDownWidth(), c.width);
        box.hidePopup();
    }
}

TEST_F(ColorComboTest, DisplayNamesFollowTheMapThenTheIdentifier) {
    TWkColorComboBox box;
    EXPECT_EQ(ColorToString(clRed), "clRed");
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(0x00FF8000), "$00FF8000");
    EXPECT_EQ(box.ColorDisplayName(clRed, {}), "Red");
    EXPECT_EQ(box.ColorDisplayName(0x00FF8000, {}), "$00FF8000");
    EXPECT_EQ(box.ColorDisplayName(0x00FF8000, "Custom"), "Custom");
    box.SetColorNameMap({"clRed=Scarlet", "clBlue=Ocean"});
    EXPECT_EQ(box.ColorDisplayName(clRed, "Custom"), "Scarlet");
    box.OnGetDisplayName = [](TWkColorComboBox&, int, TColor, QString& name) {
        name = "Any";
    };
    EXPECT_EQ(box.ColorName(0x00FF8000), "$00FF8000");
}

TEST_F(ColorComboTest, ColourNamesAreLookedUpIgnoringCase) {
    TWkColorComboBox box;
    box.SetColorNameMap({"CLRED=Scarlet", "$00ff8000=Orange", "clblue", "Navy=Deep"});
    EXPECT_EQ(box.ColorDisplayName(clRed, {}), "Scarlet");
    EXPECT_EQ(box.ColorDisplayName(0x00FF8000, {}), "Orange");
    EXPECT_EQ(box.ColorDisplayName(clBlue, {}), "Blue") << "a line without = names nothing";
    EXPECT_EQ(box.ColorDisplayName(clNavy, {}), "Navy") << "the identifier is looked up whole";
}

TEST_F(ColorComboTest, AddedColoursAreCaptionedThroughTheFormat) {
    const struct {
        const char* pattern;
        QStringList captions;
    } cases[] = {
        {"Custom", {"Custom", "Custom"}},   {"Custom %d", {"Custom 0", "Custom 1"}},
        {"#%.3d %%", {"#000 %", "#001 %"}}, {"[%-3d]", {"[0  ]", "[1  ]"}},
        {"%.2x|%0:u", {"00|0", "01|1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        TWkColorComboBox box(nullptr, coText | coStdColors | coCustomColors);
        box.SetNewColorText(c.pattern);
        box.SetColorValue(0x00FF8000);
        box.SetColorValue(0x00FF8001);
        EXPECT_EQ(Texts(box).mid(20, 2), c.captions);
    }
    TWkColorComboBox box(nullptr, coText | coStdColors);
    box.SetNewColorText("Custom %s");
    EXPECT_THROW(box.SetColorValue(0x00FF8000), EConvertError);
    EXPECT_EQ(box.count(), 20) << "nothing is added";
    EXPECT_EQ(box.ColorValue(), clBlack);
}

TEST_F(ColorComboTest, HexAndRgbOptionsDrawExactlyTheirTexts) {
    // A text box captioned by OnGetDisplayName draws the same pixels only for the same text.
    const auto captioned = [this](const QString& caption, TColor color = clRed) {
        TWkColorComboBox box;
        box.OnGetDisplayName = [caption](TWkColorComboBox&, int, TColor, QString& name) {
            name = caption;
        };
        box.SetColorValue(color);
        return Draw(box, box.ItemIndex());
    };
    const struct {
        TWkColorComboOptions options;
        const char* text;
        const char* near;
    } cases[] = {
        {coHex | coStdColors, "0x0000ff", "0x0000FF"},
        {coHex | coRGB | coStdColors, "0x0000ff", "0xff"},
        {coRGB | coStdColors, "(255,0,0)", "(0,0,255)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TWkColorComboBox box(nullptr, c.options);
        const QImage drawn = Draw(box, 9);
        EXPECT_EQ(drawn, captioned(c.text));
        EXPECT_NE(drawn, captioned(c.near));
    }
    TWkColorComboBox box(nullptr, coHex | coStdColors);
    box.SetColorValue(0x00123456);
    EXPECT_EQ(Draw(box, 20), captioned("0x123456", 0x00123456))
        << "blue-green-red order, as stored";
}

TEST_F(ColorComboTest, APenBoxDrawsOnlyTheColour) {
    TWkColorComboBox box(nullptr, coStdColors);
    const QImage red = Draw(box, 9);
    EXPECT_EQ(red.pixelColor(10, 9), QColor(Qt::red)) << "box across the item";
    EXPECT_EQ(red.pixelColor(135, 9), QColor(Qt::red));
    EXPECT_EQ(red.pixelColor(136, 9), QColor(Qt::black)) << "outline 3 pixels inside the edge";
    EXPECT_EQ(red.pixelColor(138, 9), ToQColor(ShadowGray)) << "shadow";
    EXPECT_EQ(red.pixelColor(138, 2), ToQColor(clWhite));
    const QImage selected = Draw(box, 9, QStyle::State_Selected);
    EXPECT_EQ(selected.pixelColor(0, 9), ToQColor(clHighlight)) << "framed in the hilite colour";
}

TEST_F(ColorComboTest, AnLedBoxDrawsTheNameBesideTheColour) {
    TWkColorComboBox box;
    const QImage red = Draw(box, 9);
    EXPECT_EQ(red.pixelColor(10, 9), QColor(Qt::red));
    EXPECT_NE(red.pixelColor(30, 9), QColor(Qt::red)) << "the box is ColorWidth wide";
    box.SetOptions(coHex | coStdColors);
    EXPECT_NE(Draw(box, 9), red) << "the hex form is drawn instead of the name";
}

} // namespace
