#include "components/buttons/action_list.h"
#include "components/buttons/image_speed_button.h"
#include "components/buttons/image_speed_button_action_link.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ButtonAction : public ::testing::Test {
protected:
    ButtonAction() {
        button->resize(25, 25);
        action.setToolTip("shoot");
        action.setProperty("imageIndex", 2);
        QObject::connect(&action, &QAction::triggered, [this] { ++runs; });
    }

    QWidget window;
    TWkImageSpeedButton* button = new TWkImageSpeedButton(&window);
    QAction action{"&Fire"};
    int runs = 0;
};

TEST_F(ButtonAction, ButtonTakesTheActionsValuesAndRunsIt) {
    action.setProperty("groupIndex", 3);
    action.setCheckable(true);
    action.setChecked(true);
    button->SetAction(&action);
    EXPECT_EQ(button->Action(), &action);
    EXPECT_EQ(button->Caption(), "&Fire");
    EXPECT_EQ(button->toolTip(), "shoot");
    EXPECT_EQ(button->ImageIndex(), 2);
    EXPECT_EQ(button->GroupIndex(), 3);
    EXPECT_TRUE(button->Down()) << "the group comes first, so the button can go down";
    EXPECT_EQ(button->State(), rbsExclusive);
    ASSERT_NE(button->ActionLink(), nullptr);
    EXPECT_TRUE(button->ActionLink()->IsOnExecuteLinked());
    button->Click();
    EXPECT_EQ(runs, 1);
}

TEST_F(ButtonAction, ButtonFollowsOnlyTheValuesItStillShares) {
    button->SetAction(&action);
    action.setToolTip("aim");
    action.setProperty("imageIndex", 4);
    action.setProperty("groupIndex", 1);
    EXPECT_EQ(button->toolTip(), "aim");
    EXPECT_EQ(button->ImageIndex(), 4);
    EXPECT_EQ(button->GroupIndex(), 1);

    button->setToolTip("mine");
    button->SetImageIndex(9);
    action.setToolTip("again");
    action.setProperty("imageIndex", 5);
    EXPECT_EQ(button->toolTip(), "mine");
    EXPECT_EQ(button->ImageIndex(), 9);

    action.setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
    action.setEnabled(true);
    EXPECT_TRUE(button->isEnabled());
}

TEST_F(ButtonAction, CheckedDrivesDownOnlyOnAGroupThatAllowsAllUp) {
    action.setCheckable(true);
    button->SetAction(&action);
    button->SetGroupIndex(1);
    action.setChecked(true);
    EXPECT_FALSE(button->Down()) << "without AllowAllUp the checked state is not linked";

    button->SetAllowAllUp(true);
    action.setChecked(false);
    action.setChecked(true);
    EXPECT_TRUE(button->Down());
    action.setChecked(false);
    EXPECT_FALSE(button->Down());
}

TEST_F(ButtonAction, ButtonTakesTheImagesOfTheActionsList) {
    TImageList listImages(8, 8);
    TImageList ownImages(8, 8);
    TActionList list;
    list.SetImages(&listImages);
    QAction listed("Listed", &list);
    const struct {
        const char* name;
        bool checkDefaults;
        TImageList* own;
        TImageList* images;
    } cases[] = {
        {"linked", false, &ownImages, &listImages},
        {"defaults, none set", true, nullptr, &listImages},
        {"defaults, own set", true, &ownImages, &ownImages},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWkImageSpeedButton probe;
        probe.SetImages(c.own);
        TWkImageSpeedButtonActionLink link(&probe);
        link.ActionChange(listed, c.checkDefaults);
        EXPECT_EQ(probe.Images(), c.images);
    }
    button->SetImages(&ownImages);
    button->SetAction(&action);
    EXPECT_EQ(button->Images(), &ownImages) << "an action outside a list has no images to give";
    button->SetImages(nullptr);
}

TEST_F(ButtonAction, CheckingDefaultsKeepsWhatTheButtonSetItself) {
    button->SetCaption("own");
    button->setToolTip("own hint");
    auto* link = new TWkImageSpeedButtonActionLink(button);
    link->ActionChange(action, true);
    EXPECT_EQ(button->Caption(), "own");
    EXPECT_EQ(button->toolTip(), "own hint");
    EXPECT_EQ(button->ImageIndex(), 2) << "-1 is the default and takes the action's";
    EXPECT_TRUE(link->IsOnExecuteLinked());
}

TEST_F(ButtonAction, ADestroyedActionIsLetGo) {
    auto* doomed = new QAction("gone");
    button->SetAction(doomed);
    delete doomed;
    EXPECT_EQ(button->Action(), nullptr);
    button->Click(); // runs nothing and does not crash
}

TEST_F(ButtonAction, AltWithTheCaptionsLetterClicksTheButton) {
    int clicks = 0;
    button->OnClick = TNotifyEvent::FromCallable([&](QObject*) { ++clicks; });
    button->SetCaption("&Fire");
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_EQ(QApplication::activeWindow(), &window);

    QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(&window, Qt::Key_F);
    EXPECT_EQ(clicks, 1) << "the letter alone is no accelerator";

    button->setEnabled(false);
    QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    button->setEnabled(true);

    button->SetCaption("&Go");
    QTest::keyClick(&window, Qt::Key_F, Qt::AltModifier);
    QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicks, 2);
    button->SetCaption("Plain");
    QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicks, 2);
}

} // namespace
