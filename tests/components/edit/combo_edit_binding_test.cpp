// A combo edit bound to a data field, and linked to an action.

#include "components/buttons/action_list.h"
#include "components/edit/combo_edit.h"
#include "components/edit/combo_edit_action_link.h"
#include "platform/ui/image_list.h"
#include "tests/support/record_data_source.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

// Counts the connectors it is asked for, to show that the edit makes its own through the hook.
class CountingComboEdit final : public TWkCustomComboEdit {
public:
    using TWkCustomComboEdit::TWkCustomComboEdit;
    int connectorsMade = 0;

protected:
    std::unique_ptr<TWkCustomComboEditDataConnector> NewDataConnector() override {
        ++connectorsMade;
        return TWkCustomComboEdit::NewDataConnector();
    }
};

class BoundComboEdit : public ::testing::Test {
protected:
    BoundComboEdit() {
        window.resize(400, 100);
        edit->setGeometry(10, 10, 200, 21);
        other->setGeometry(10, 50, 200, 21);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    ~BoundComboEdit() override { QApplication::setActiveWindow(nullptr); }

    // Sends Esc to the edit; true when something took it.
    bool escape() {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        event.ignore();
        QCoreApplication::sendEvent(edit, &event);
        return event.isAccepted();
    }

    void type(const QString& text) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, text);
        QCoreApplication::sendEvent(edit, &event);
    }

    std::shared_ptr<RecordDataSource> source = std::make_shared<RecordDataSource>();
    QWidget window;
    CountingComboEdit* edit = new CountingComboEdit(&window);
    QLineEdit* other = new QLineEdit(&window);
};

TEST_F(BoundComboEdit, ShowsItsFieldAndPublishesTheBinding) {
    edit->SetDataField("Name");
    edit->SetDataSource(source);
    EXPECT_EQ(edit->connectorsMade, 1);
    EXPECT_EQ(edit->DataSource(), source);
    EXPECT_EQ(edit->DataField(), "Name");
    EXPECT_EQ(source->connectors.count(&edit->DataConnector()), 1u);
    EXPECT_EQ(edit->text(), "stick");
    EXPECT_FALSE(edit->ReadOnly());

    edit->SetDataField("Id");
    EXPECT_EQ(edit->text(), "7");
    EXPECT_TRUE(edit->ReadOnly()) << "a field that cannot be modified locks the edit";
    edit->SetDataField("Serial");
    EXPECT_EQ(edit->text(), "");
    EXPECT_TRUE(edit->ReadOnly());
    EXPECT_EQ(edit->connectorsMade, 1) << "one connector for the edit's life";
}

TEST_F(BoundComboEdit, TypingModifiesAndLeavingWritesTheField) {
    edit->SetDataField("Name");
    edit->SetDataSource(source);
    edit->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(edit->hasFocus());
    edit->end(false);
    type("s");
    EXPECT_EQ(source->edits, 1) << "the change puts the record into edit mode";
    EXPECT_TRUE(edit->DataConnector().Modified());
    EXPECT_EQ(source->fields["Name"], "stick") << "nothing is written while the edit is held";

    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(source->fields["Name"], "STICKS");
    EXPECT_EQ(edit->text(), "STICKS") << "the edit shows the field as the source keeps it";
    EXPECT_FALSE(edit->DataConnector().Modified());
}

TEST_F(BoundComboEdit, WindowChangeIsNoLeaving) {
    edit->SetDataField("Name");
    edit->SetDataSource(source);
    edit->setFocus(Qt::TabFocusReason);
    edit->end(false);
    type("s");
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(edit, &away);
    EXPECT_EQ(source->fields["Name"], "stick");
    EXPECT_TRUE(edit->DataConnector().Modified());
}

TEST_F(BoundComboEdit, EscapeDropsTheChangeOnlyOfABoundEdit) {
    edit->setText("free");
    EXPECT_FALSE(escape()) << "without a source Esc goes on to the window";
    EXPECT_EQ(edit->text(), "free");

    edit->SetDataField("Name");
    edit->SetDataSource(source);
    edit->setFocus(Qt::TabFocusReason);
    edit->end(false);
    type("s");
    EXPECT_TRUE(escape());
    EXPECT_EQ(edit->text(), "stick");
    EXPECT_FALSE(edit->DataConnector().Modified());
    other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(source->fields["Name"], "stick") << "a dropped change is not written on leaving";
}

TEST_F(BoundComboEdit, DestroyedEditLetsGoOfItsSource) {
    edit->SetDataField("Name");
    edit->SetDataSource(source);
    delete edit;
    EXPECT_TRUE(source->connectors.empty());
}

class ComboEditAction : public ::testing::Test {
protected:
    ComboEditAction() {
        action.setToolTip("browse");
        action.setShortcut(QKeySequence(Qt::Key_F4));
        action.setProperty("imageIndex", 3);
        QObject::connect(&action, &QAction::triggered, [this] { ++runs; });
    }

    QWidget window;
    TWkCustomComboEdit* edit = new TWkCustomComboEdit(&window);
    QAction action{"Browse"};
    int runs = 0;
};

TEST_F(ComboEditAction, ButtonTakesTheActionsHintKeyAndImageAndRunsIt) {
    edit->setText("own text");
    edit->SetAction(&action);
    EXPECT_EQ(edit->Action(), &action);
    EXPECT_EQ(edit->ButtonHint(), "browse");
    EXPECT_EQ(edit->ClickKey(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(edit->ImageIndex(), 3);
    EXPECT_EQ(edit->text(), "own text") << "the caption is never linked";
    ASSERT_NE(edit->ActionLink(), nullptr);
    EXPECT_FALSE(edit->ActionLink()->IsCaptionLinked());
    EXPECT_TRUE(edit->ActionLink()->IsOnExecuteLinked());

    edit->DoClick();
    EXPECT_EQ(runs, 1);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &key);
    EXPECT_EQ(runs, 2) << "the action's shortcut is the button's key";
}

TEST_F(ComboEditAction, EditFollowsOnlyWhatItStillShares) {
    edit->SetAction(&action);
    action.setToolTip("open");
    action.setShortcut(QKeySequence(Qt::Key_F5));
    EXPECT_EQ(edit->ButtonHint(), "open");
    EXPECT_EQ(edit->ClickKey(), QKeySequence(Qt::Key_F5));

    edit->SetButtonHint("mine");
    edit->SetClickKey(QKeySequence(Qt::Key_F6));
    action.setToolTip("again");
    action.setShortcut(QKeySequence(Qt::Key_F7));
    EXPECT_EQ(edit->ButtonHint(), "mine");
    EXPECT_EQ(edit->ClickKey(), QKeySequence(Qt::Key_F6));

    action.setEnabled(false);
    EXPECT_FALSE(edit->isEnabled());
}

TEST_F(ComboEditAction, EditTakesTheImagesOfTheActionsListAndItsHelpTopic) {
    TImageList listImages(14, 12);
    TImageList ownImages(14, 12);
    TActionList list;
    list.SetImages(&listImages);
    const struct {
        const char* name;
        bool checkDefaults;
        TImageList* ownImages;
        int ownHelp;
        TImageList* images;
        int help;
    } cases[] = {
        {"linked", false, &ownImages, 5, &listImages, 42},
        {"defaults, none set", true, nullptr, 0, &listImages, 42},
        {"defaults, own set", true, &ownImages, 5, &ownImages, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QAction listed("Browse", &list);
        listed.setProperty("helpContext", 42);
        TWkCustomComboEdit probe;
        probe.SetImages(c.ownImages);
        probe.SetHelpContext(c.ownHelp);
        TWkCustomComboEditActionLink link(&probe);
        link.ActionChange(listed, c.checkDefaults);
        EXPECT_EQ(probe.Images(), c.images);
        EXPECT_EQ(probe.HelpContext(), c.help);
        probe.SetImages(nullptr);
    }
    edit->SetImages(&ownImages);
    edit->SetAction(&action);
    EXPECT_EQ(edit->Images(), &ownImages) << "an action outside a list has no images to give";
    EXPECT_EQ(edit->HelpContext(), 0);
    edit->SetImages(nullptr);
}

TEST_F(ComboEditAction, CheckingDefaultsKeepsWhatTheEditSetItself) {
    int ownClicks = 0;
    edit->SetButtonHint("mine");
    edit->OnButtonClick = TNotifyEvent::FromCallable([&](QObject*) { ++ownClicks; });
    TWkCustomComboEditActionLink link(edit);
    link.ActionChange(action, true);
    EXPECT_EQ(edit->ButtonHint(), "mine");
    EXPECT_EQ(edit->ImageIndex(), 3) << "the image number was still unset";
    EXPECT_EQ(edit->ClickKey(), QKeySequence(Qt::AltModifier | Qt::Key_Down))
        << "the edit's own key is no empty default";
    edit->DoClick();
    EXPECT_EQ(ownClicks, 1);
    EXPECT_EQ(runs, 0);
}

} // namespace
