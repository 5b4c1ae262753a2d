// The combo edit's popup and what closes it, and its completion options.

#include "components/edit/combo_edit.h"
#include "components/edit/edit_button.h"
#include "components/edit/edit_completer.h"
#include "tests/support/recording_ui_host.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

namespace {

// Takes the popup list's current line as the popup's value.
class ListComboEdit final : public TWkCustomComboEdit {
public:
    using TWkCustomComboEdit::TWkCustomComboEdit;

protected:
    std::optional<QString> GetPopupValue() const override {
        auto* list = qobject_cast<QListWidget*>(Popup());
        if (!list || !list->currentItem())
            return std::nullopt;
        return list->currentItem()->text();
    }
};

bool send(QWidget* widget, QEvent::Type type, int key,
          Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(type, key, modifiers);
    event.ignore();
    QCoreApplication::sendEvent(widget, &event);
    return event.isAccepted();
}

bool press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return send(widget, QEvent::KeyPress, key, modifiers);
}

// Types the characters as the keyboard would.
void type(QWidget* widget, const QString& characters) {
    for (const QChar character : characters) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_A + (character.toUpper().unicode() - 'A'),
                        Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(widget, &event);
    }
}

void mouse(QWidget* widget, QEvent::Type type) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void click(QWidget* widget) {
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

class ComboEditPopup : public ::testing::Test {
protected:
    ComboEditPopup() {
        window.resize(400, 100);
        edit->setGeometry(10, 10, 200, 21);
        other->setGeometry(10, 50, 200, 21);
        popup.addItems({"one", "two", "three"});
        popup.setCurrentRow(0);
        popup.setAttribute(Qt::WA_ShowWithoutActivating);
        popup.resize(150, 80);
        edit->SetPopup(&popup);
        edit->OnPopupValueAccepted = TNotifyEvent::FromCallable([this](QObject*) { ++accepted; });
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setText("typed");
        edit->setFocus(Qt::TabFocusReason);
    }
    ~ComboEditPopup() override {
        edit->ClosePopup(false);
        edit->SetPopup(nullptr);
        QApplication::setActiveWindow(nullptr);
    }

    QListWidget popup{nullptr};
    QWidget window;
    ListComboEdit* edit = new ListComboEdit(&window);
    QLineEdit* other = new QLineEdit(&window);
    int accepted = 0;
};

TEST_F(ComboEditPopup, KeysGoToTheListWhileItIsOpen) {
    edit->DoClick();
    ASSERT_TRUE(edit->PopupVisible());
    EXPECT_TRUE(press(edit, Qt::Key_Down));
    EXPECT_EQ(popup.currentRow(), 1);
    EXPECT_TRUE(press(edit, Qt::Key_End));
    EXPECT_EQ(popup.currentRow(), 2) << "the list moves, not the edit's cursor";
    EXPECT_EQ(edit->text(), "typed");

    EXPECT_TRUE(press(edit, Qt::Key_Return)) << "the list leaves Enter to the edit";
    EXPECT_FALSE(edit->PopupVisible());
    EXPECT_EQ(edit->text(), "three");
    EXPECT_EQ(accepted, 1);

    press(edit, Qt::Key_Down);
    EXPECT_EQ(popup.currentRow(), 2) << "a closed popup takes no keys";
}

TEST_F(ComboEditPopup, ClickKeyAndEscapeAreTheEditsOwn) {
    edit->DoClick();
    press(edit, Qt::Key_Down, Qt::AltModifier);
    EXPECT_FALSE(edit->PopupVisible()) << "the button's key closes the popup, accepting";
    EXPECT_EQ(edit->text(), "one");

    edit->DoClick();
    press(edit, Qt::Key_Down);
    EXPECT_TRUE(press(edit, Qt::Key_Escape));
    EXPECT_FALSE(edit->PopupVisible());
    EXPECT_EQ(edit->text(), "one") << "Esc closes without accepting";
    EXPECT_EQ(accepted, 1);
}

TEST_F(ComboEditPopup, FocusGoingElsewhereClosesWithoutAccepting) {
    edit->DoClick();
    press(edit, Qt::Key_Down);
    other->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(edit->PopupVisible()) << "closed once the focus change is done";
    QCoreApplication::processEvents();
    EXPECT_FALSE(edit->PopupVisible());
    EXPECT_FALSE(popup.isVisible());
    EXPECT_EQ(edit->text(), "typed");
    EXPECT_EQ(accepted, 0);
}

TEST_F(ComboEditPopup, PressElsewhereCancelsButNotOnThePopupOrTheEdit) {
    edit->DoClick();
    click(popup.viewport());
    EXPECT_TRUE(edit->PopupVisible());
    click(edit);
    EXPECT_TRUE(edit->PopupVisible());
    click(other);
    EXPECT_FALSE(edit->PopupVisible());
    EXPECT_EQ(edit->text(), "typed");

    edit->DoClick();
    edit->CancelMode(&window);
    EXPECT_FALSE(edit->PopupVisible()) << "cancel mode from the window closes it";
    edit->DoClick();
    edit->CancelMode(edit->Button());
    EXPECT_TRUE(edit->PopupVisible()) << "the button closes the popup itself";
}

TEST_F(ComboEditPopup, TabGoesToTheListAndKeepsTheFocusWhileItIsOpen) {
    edit->DoClick();
    popup.setTabKeyNavigation(true);
    EXPECT_TRUE(press(edit, Qt::Key_Tab));
    EXPECT_EQ(popup.currentRow(), 1) << "the list has the key first";
    popup.setTabKeyNavigation(false);
    EXPECT_TRUE(press(edit, Qt::Key_Tab));
    EXPECT_TRUE(press(edit, Qt::Key_Backtab, Qt::ShiftModifier));
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_TRUE(edit->PopupVisible());
    EXPECT_EQ(popup.currentRow(), 1);

    press(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "two") << "the choice made before the Tab is kept";
    EXPECT_EQ(accepted, 1);
    EXPECT_FALSE(press(edit, Qt::Key_Tab)) << "with the popup closed Tab is not the edit's";
}

TEST_F(ComboEditPopup, DoubleClickOnTheButtonOpensThePopupOnce) {
    int clicks = 0;
    edit->OnButtonClick = TNotifyEvent::FromCallable([&](QObject*) { ++clicks; });
    QWidget* button = edit->Button();
    mouse(button, QEvent::MouseButtonPress);
    mouse(button, QEvent::MouseButtonRelease);
    mouse(button, QEvent::MouseButtonDblClick);
    mouse(button, QEvent::MouseButtonRelease);
    EXPECT_TRUE(edit->PopupVisible());
    EXPECT_EQ(clicks, 1);
    mouse(button, QEvent::MouseButtonPress);
    mouse(button, QEvent::MouseButtonRelease);
    EXPECT_FALSE(edit->PopupVisible()) << "the next press closes it";
}

TEST_F(ComboEditPopup, ClosingWithoutAcceptingResetsAMaskedEdit) {
    const struct {
        const char* name;
        const char* mask;
        bool byEscape;
        const char* text;
    } cases[] = {
        {"masked, Esc", "9999;_", true, "12"},
        {"masked, closed from code", "9999;_", false, "12"},
        {"unmasked, Esc", "", true, "123"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        other->setFocus(Qt::TabFocusReason);
        edit->SetEditMask(c.mask);
        edit->setText("12");
        edit->setFocus(Qt::TabFocusReason);
        edit->setCursorPosition(2);
        edit->insert("3");
        ASSERT_TRUE(edit->isModified());
        edit->DoClick();
        ASSERT_TRUE(edit->PopupVisible());
        if (c.byEscape)
            press(edit, Qt::Key_Escape);
        else
            edit->ClosePopup(false);
        EXPECT_FALSE(edit->PopupVisible());
        EXPECT_EQ(edit->text(), c.text);
        EXPECT_EQ(edit->isModified(), std::string(c.mask).empty());
    }
    EXPECT_EQ(accepted, 0);
}

// Its popup holds digits; taking them fails after the text was set.
class RefusingComboEdit final : public TWkCustomComboEdit {
public:
    using TWkCustomComboEdit::TWkCustomComboEdit;

protected:
    std::optional<QString> GetPopupValue() const override { return QStringLiteral("77"); }
    void AcceptPopupValue(const QString& value) override {
        TWkCustomComboEdit::AcceptPopupValue(value);
        throw std::runtime_error("refused");
    }
};

TEST_F(ComboEditPopup, AnErrorWhileAcceptingResetsAndGoesOn) {
    auto* refusing = new RefusingComboEdit(&window);
    refusing->setGeometry(10, 80, 200, 21);
    refusing->show();
    refusing->SetPopup(&popup);
    refusing->SetEditMask("9999;_");
    refusing->setText("12");
    refusing->setFocus(Qt::TabFocusReason);
    refusing->setCursorPosition(2);
    refusing->insert("3");
    refusing->DoClick();
    ASSERT_TRUE(refusing->PopupVisible());
    EXPECT_THROW(refusing->ClosePopup(true), std::runtime_error);
    EXPECT_FALSE(refusing->PopupVisible());
    EXPECT_EQ(refusing->text(), "12");
    EXPECT_FALSE(refusing->isModified());
    delete refusing;
}

TEST_F(ComboEditPopup, WindowLosingTheFocusCloses) {
    edit->DoClick();
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&window, &deactivate);
    EXPECT_FALSE(edit->PopupVisible());
    EXPECT_EQ(accepted, 0);
}

class ComboEditCompletion : public ::testing::Test {
protected:
    ComboEditCompletion() {
        window.resize(400, 100);
        edit->setGeometry(10, 10, 200, 21);
        edit->SetAutoCompleteItems({"www.alpha.org", "http://alps.net", "beta"});
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus(Qt::TabFocusReason);
    }
    ~ComboEditCompletion() override { QApplication::setActiveWindow(nullptr); }

    QStringList completions(const QString& typed) {
        QCompleter* completer = edit->AutoComplete();
        completer->setCompletionPrefix(typed);
        QStringList found;
        for (int row = 0; completer->setCurrentRow(row); ++row)
            found << completer->currentCompletion();
        return found;
    }

    QWidget window;
    TWkCustomComboEdit* edit = new TWkCustomComboEdit(&window);
    RecordingUiHost host;
    ScopedUiHost scopedHost{host};
};

TEST_F(ComboEditCompletion, FilterPrefixesLeavesAddressPrefixesOutOfMatching) {
    edit->SetAutoCompleteOptions(acoAutoSuggest);
    EXPECT_TRUE(completions("al").isEmpty());
    EXPECT_EQ(completions("www.al"), QStringList({"www.alpha.org"}));

    edit->SetAutoCompleteOptions(acoAutoSuggest | acoFilterPrefixes);
    EXPECT_EQ(completions("al"), QStringList({"www.alpha.org", "http://alps.net"}))
        << "the whole item is completed";
    EXPECT_EQ(completions("https://al"), QStringList({"www.alpha.org", "http://alps.net"}));
    EXPECT_EQ(completions("b"), QStringList({"beta"}));
}

TEST_F(ComboEditCompletion, SearchRowSearchesForWhatWasTyped) {
    edit->SetAutoCompleteOptions(acoAutoSuggest | acoSearch);
    QCompleter* completer = edit->AutoComplete();
    completer->setCompletionPrefix("be");
    EXPECT_EQ(completer->completionCount(), 2) << "the item and the search row";
    completer->setCompletionPrefix("zz top");
    ASSERT_EQ(completer->completionCount(), 1);
    completer->complete();
    QAbstractItemView* list = completer->popup();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), "Search for \u201Czz top\u201D");
    list->setCurrentIndex(list->model()->index(0, 0));
    press(list, Qt::Key_Return);
    EXPECT_EQ(host.entries("shellOpen"),
              QStringList({"shellOpen: " + WebSearchAddress("zz top") + " |  | "}));
    EXPECT_TRUE(WebSearchAddress("zz top").contains("zz%20top"));

    edit->SetAutoCompleteOptions(acoAutoSuggest);
    completer->setCompletionPrefix("zz");
    EXPECT_EQ(completer->completionCount(), 0);
}

TEST_F(ComboEditCompletion, UpDownKeyDropsTheListOnlyWhenAsked) {
    edit->SetAutoCompleteOptions(acoAutoSuggest);
    edit->setText("b");
    edit->AutoComplete()->popup()->hide();
    press(edit, Qt::Key_Down);
    EXPECT_FALSE(edit->AutoComplete()->popup()->isVisible());

    edit->SetAutoCompleteOptions(acoAutoSuggest | acoUpDownKeyDropsList);
    EXPECT_TRUE(press(edit, Qt::Key_Down));
    EXPECT_TRUE(edit->AutoComplete()->popup()->isVisible());
    EXPECT_EQ(edit->AutoComplete()->completionPrefix(), "b");
    edit->AutoComplete()->popup()->hide();
}

TEST_F(ComboEditCompletion, TabWalksTheListWithUseTab) {
    edit->SetAutoCompleteOptions(acoAutoSuggest | acoUseTab | acoFilterPrefixes);
    QCompleter* completer = edit->AutoComplete();
    completer->setCompletionPrefix("al");
    completer->complete();
    QAbstractItemView* list = completer->popup();
    ASSERT_TRUE(list->isVisible());
    press(list, Qt::Key_Tab);
    EXPECT_EQ(list->currentIndex().row(), 0);
    press(list, Qt::Key_Tab);
    EXPECT_EQ(list->currentIndex().row(), 1);
    press(list, Qt::Key_Tab);
    EXPECT_EQ(list->currentIndex().row(), 0) << "the walk wraps round";
    press(list, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(list->currentIndex().row(), 1);
    EXPECT_TRUE(list->isVisible());
    list->hide();
}

TEST_F(ComboEditCompletion, AppendingWithSuggestionsCompletesInTheTextToo) {
    const struct {
        const char* name;
        unsigned options;
        const char* typed;
        const char* text;
        const char* selected;
        bool list;
    } cases[] = {
        {"suggest", acoAutoSuggest, "b", "b", "", true},
        {"suggest and append", acoAutoSuggest | acoAutoAppend, "b", "beta", "eta", true},
        {"typing on", acoAutoSuggest | acoAutoAppend, "be", "beta", "ta", true},
        {"other case", acoAutoSuggest | acoAutoAppend, "B", "Beta", "eta", true},
        {"no match", acoAutoSuggest | acoAutoAppend, "x", "x", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        edit->SetAutoCompleteOptions(c.options);
        edit->clear();
        type(edit, c.typed);
        EXPECT_EQ(edit->text(), c.text);
        EXPECT_EQ(edit->selectedText(), c.selected);
        EXPECT_EQ(edit->AutoComplete()->popup()->isVisible(), c.list);
        EXPECT_TRUE(edit->isModified());
        edit->AutoComplete()->popup()->hide();
    }
    edit->SetAutoCompleteOptions(acoAutoSuggest | acoAutoAppend);
    edit->clear();
    type(edit, "b");
    press(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "b") << "deleting the appended part appends nothing again";
    edit->AutoComplete()->popup()->hide();
}

TEST_F(ComboEditCompletion, RtlReadingTurnsTheList) {
    edit->SetAutoCompleteOptions(acoAutoSuggest | acoRTLReading);
    EXPECT_EQ(edit->AutoComplete()->popup()->layoutDirection(), Qt::RightToLeft);
    edit->SetAutoCompleteOptions(acoAutoSuggest);
    EXPECT_EQ(edit->AutoComplete()->popup()->layoutDirection(), edit->layoutDirection());
}

} // namespace
