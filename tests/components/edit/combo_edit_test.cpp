#include "components/edit/combo_edit.h"
#include "components/edit/edit_button.h"
#include "components/edit/edit_glyphs.h"
#include "tests/support/recording_ui_host.h"

#include <QApplication>
#include <QClipboard>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QStyle>
#include <functional>
#include <gtest/gtest.h>

namespace {

void press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           const QString& text = QString()) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(widget, &event);
}

void pressAltDown(QWidget* widget) {
    press(widget, Qt::Key_Down, Qt::AltModifier);
}

class ComboEdit : public ::testing::Test {
protected:
    ComboEdit() {
        window.resize(400, 100);
        edit->setGeometry(10, 10, 200, 21);
        edit->OnButtonClick = TNotifyEvent::FromCallable([this](QObject*) { ++buttonClicks; });
    }

    QWidget window;
    TWkCustomComboEdit* edit = new TWkCustomComboEdit(&window);
    int buttonClicks = 0;
    RecordingUiHost host;
    ScopedUiHost scopedHost{host};
};

TEST_F(ComboEdit, ClickKeyRunsTheButtonActionEvenWithTheButtonHidden) {
    pressAltDown(edit);
    EXPECT_EQ(buttonClicks, 1);
    edit->DoClick();
    EXPECT_EQ(buttonClicks, 2);

    edit->SetShowButton(false);
    EXPECT_EQ(edit->ButtonWidth(), TWkCustomComboEdit::DefaultButtonWidth);
    pressAltDown(edit);
    EXPECT_EQ(buttonClicks, 3);

    edit->SetButtonWidth(0); // while hidden: only the kept width changes
    pressAltDown(edit);
    EXPECT_EQ(buttonClicks, 3);
}

TEST_F(ComboEdit, ButtonWidthBelowTwoHidesAndShowButtonBringsItBack) {
    edit->SetButtonWidth(30);
    EXPECT_EQ(edit->Button()->width(), 30);
    edit->SetButtonWidth(1);
    EXPECT_FALSE(edit->ShowButton());
    EXPECT_EQ(edit->ButtonWidth(), 30);
    EXPECT_EQ(edit->textMargins().right(), 0);
    edit->SetShowButton(true);
    EXPECT_TRUE(edit->ShowButton());
    EXPECT_EQ(edit->ButtonWidth(), 30);
    EXPECT_EQ(edit->textMargins().right(), 32) << "the text stops before the button";
}

TEST_F(ComboEdit, ReadOnlyBlocksTheButtonUnlessAlwaysEnabled) {
    edit->SetReadOnly(true);
    edit->DoClick();
    EXPECT_EQ(buttonClicks, 0);
    edit->SetAlwaysEnableButton(true);
    edit->DoClick();
    EXPECT_EQ(buttonClicks, 1);
}

TEST_F(ComboEdit, WithoutDirectInputOnlyTheButtonWorks) {
    edit->setText("abc");
    edit->SetDirectInput(false);
    press(edit, Qt::Key_X, Qt::NoModifier, "x");
    EXPECT_EQ(edit->text(), "abc");
    edit->selectAll();
    EXPECT_FALSE(edit->Cut());
    QApplication::clipboard()->setText("pasted");
    EXPECT_FALSE(edit->Paste());
    EXPECT_EQ(edit->text(), "abc");
    edit->deselect();
    edit->SelectAll();
    EXPECT_FALSE(edit->hasSelectedText());
    edit->DoClick();
    EXPECT_EQ(buttonClicks, 1);

    auto* other = new QLineEdit(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    for (const bool direct : {true, false}) {
        SCOPED_TRACE(direct);
        edit->SetDirectInput(direct);
        other->setFocus(Qt::TabFocusReason);
        edit->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(edit->hasFocus());
        EXPECT_EQ(edit->hasSelectedText(), direct) << "entering by key selects through SelectAll";
    }
    QApplication::setActiveWindow(nullptr);
}

TEST_F(ComboEdit, ClipboardCommandsGateKeysAndCalls) {
    edit->setText("abc");
    edit->SetClipboardCommands(caCopy);
    QApplication::clipboard()->setText("pasted");
    EXPECT_FALSE(edit->Paste());
    edit->end(false);
    press(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "abc");
    EXPECT_FALSE(edit->Clear());
    edit->SetClipboardCommands(AllClipboardCommands);
    EXPECT_TRUE(edit->Paste());
    EXPECT_EQ(edit->text(), "abcpasted");
    EXPECT_TRUE(edit->Clear());
    EXPECT_EQ(edit->text(), "");

    edit->SetReadOnly(true);
    edit->SetClipboardCommands(caCut | caPaste);
    EXPECT_EQ(edit->ClipboardCommands(), unsigned(caCopy));
    edit->SetClipboardCommands(0);
    EXPECT_EQ(edit->ClipboardCommands(), 0u);
}

TEST_F(ComboEdit, TypingClearsTheOtherEditsOfTheGroup) {
    auto* other = new TWkCustomComboEdit(&window);
    auto* twin = new TWkCustomComboEdit(&window);
    auto* loner = new TWkCustomComboEdit(&window);
    edit->setObjectName("first");
    other->setObjectName("second");
    twin->setObjectName("first");
    for (TWkCustomComboEdit* e : {other, twin, loner})
        e->setText("kept");
    edit->SetGroupIndex(1);
    other->SetGroupIndex(1);
    twin->SetGroupIndex(1);
    press(edit, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_EQ(edit->text(), "a");
    EXPECT_EQ(other->text(), "");
    EXPECT_EQ(twin->text(), "kept") << "an edit of the same name is skipped";
    EXPECT_EQ(loner->text(), "kept") << "group -1 clears nothing";
}

TEST_F(ComboEdit, GlyphKindsMakeTheirFaces) {
    edit->SetImageKind(ikEllipsis);
    EXPECT_EQ(edit->Button()->Glyph().Width(), 15);
    EXPECT_EQ(edit->Button()->Glyph().Height(), 4);

    edit->SetImageKind(ikDropDown);
    EXPECT_EQ(edit->ButtonWidth(), edit->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    EXPECT_TRUE(edit->Button()->DrawThemedDropDownBtn());
    edit->SetButtonFlat(true);
    EXPECT_FALSE(edit->Button()->DrawThemedDropDownBtn());
    EXPECT_EQ(edit->Button()->Glyph().Width(), 7);

    TImageList images(16, 16);
    edit->SetImages(&images);
    edit->SetImageIndex(0);
    edit->SetImageKind(ikCustom);
    EXPECT_EQ(edit->Button()->Images(), &images);
    EXPECT_EQ(edit->Button()->ImageIndex(), 0);
    edit->SetImages(nullptr);
}

TEST(EditGlyphs, EllipsisDotsSpreadOverTheButton) {
    const struct {
        int buttonWidth;
        int width;
        std::vector<int> dots;
    } cases[] = {{21, 15, {1, 6, 11}}, {12, 6, {0, 2, 5}}, {5, 1, {0}}};
    for (const auto& c : cases) {
        const auto glyph = MakeEllipsisGlyph(c.buttonWidth);
        ASSERT_EQ(glyph->Width(), c.width);
        ASSERT_EQ(glyph->Height(), 4);
        std::vector<int> dots;
        for (int x = 0; x < glyph->Width(); ++x) {
            if (glyph->Pixel(x, 1) == clBlack && (x == 0 || glyph->Pixel(x - 1, 1) != clBlack))
                dots.push_back(x);
        }
        EXPECT_EQ(dots, c.dots) << c.buttonWidth;
        EXPECT_EQ(glyph->Pixel(c.width / 2, 0), clWhite);
    }
}

TEST_F(ComboEdit, PopupOpensReadOnlyAndClosesWithEscape) {
    QWidget popup(nullptr, Qt::Tool);
    popup.resize(150, 80);
    edit->SetPopup(&popup);
    edit->setText("kept");
    edit->DoClick();
    EXPECT_TRUE(edit->PopupVisible());
    EXPECT_TRUE(popup.isVisible());
    EXPECT_TRUE(edit->isReadOnly());
    press(edit, Qt::Key_Escape);
    EXPECT_FALSE(edit->PopupVisible());
    EXPECT_FALSE(popup.isVisible());
    EXPECT_FALSE(edit->isReadOnly());
    EXPECT_EQ(edit->text(), "kept") << "a plain popup holds no value to accept";
    edit->SetPopup(nullptr);
}

TEST_F(ComboEdit, CompletesFromItsItemsWhileOptionsAreSet) {
    edit->SetAutoCompleteItems({"alpha", "alps", "beta"});
    EXPECT_EQ(edit->AutoComplete(), nullptr);
    edit->SetAutoCompleteOptions(acoAutoSuggest);
    ASSERT_NE(edit->AutoComplete(), nullptr);
    EXPECT_EQ(edit->completer(), edit->AutoComplete());
    EXPECT_EQ(edit->AutoComplete()->completionMode(), QCompleter::PopupCompletion);
    edit->AutoComplete()->setCompletionPrefix("al");
    EXPECT_EQ(edit->AutoComplete()->completionCount(), 2);
    edit->SetAutoCompleteOptions(acoAutoAppend);
    EXPECT_EQ(edit->AutoComplete()->completionMode(), QCompleter::InlineCompletion);
    edit->SetAutoCompleteOptions(0);
    EXPECT_EQ(edit->AutoComplete(), nullptr);
    EXPECT_EQ(edit->completer(), nullptr);
}

TEST_F(ComboEdit, MaskValidation) {
    edit->SetBeepOnError(false);
    edit->SetEditMask("999;_");
    edit->setText("12");
    EXPECT_FALSE(edit->ValidateEdit());
    edit->setText("123");
    EXPECT_TRUE(edit->ValidateEdit());
}

TEST_F(ComboEdit, EnablingOrDisablingIsTold) {
    int told = 0;
    edit->OnEnabledChanged = TNotifyEvent::FromCallable([&](QObject* sender) {
        EXPECT_EQ(sender, edit);
        ++told;
    });
    edit->setEnabled(false);
    EXPECT_EQ(told, 1);
    EXPECT_FALSE(edit->Button()->isEnabled());
    window.setEnabled(false);
    EXPECT_EQ(told, 1) << "already disabled";
    edit->setEnabled(true);
    EXPECT_EQ(told, 1) << "still disabled with its window";
    window.setEnabled(true);
    EXPECT_EQ(told, 2);
    EXPECT_TRUE(edit->Button()->isEnabled());
}

// Records which of the edit's overridable steps its own code reached.
class ProbeEdit final : public TWkCustomComboEdit {
public:
    using TWkCustomComboEdit::TWkCustomComboEdit;
    using TWkCustomComboEdit::UpdateEditRect;
    QStringList calls;
    bool readOnly = false;

    void ClosePopup(bool accept) override {
        calls << QStringLiteral("ClosePopup %1").arg(accept);
        TWkCustomComboEdit::ClosePopup(accept);
    }
    void PostClosePopup(bool accept) override {
        calls << QStringLiteral("PostClosePopup %1").arg(accept);
    }
    void SetDisabledColor(TColor value) override {
        calls << "SetDisabledColor";
        TWkCustomComboEdit::SetDisabledColor(value);
    }
    void SetDisabledTextColor(TColor value) override {
        calls << "SetDisabledTextColor";
        TWkCustomComboEdit::SetDisabledTextColor(value);
    }

protected:
    void UpdateEditRect() override { calls << "UpdateEditRect"; }
    void AttachAutoComplete() override {
        calls << "AttachAutoComplete";
        TWkCustomComboEdit::AttachAutoComplete();
    }
    void DetachAutoComplete() override {
        calls << "DetachAutoComplete";
        TWkCustomComboEdit::DetachAutoComplete();
    }
    bool GetReadOnly() const override { return readOnly; }
};

TEST(ComboEditSteps, TheEditsOwnCodeGoesThroughTheOverridableSteps) {
    QWidget window;
    window.resize(300, 100);
    auto* probe = new ProbeEdit(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 50);
    QWidget popup;
    probe->SetPopup(&popup);
    window.show();
    QApplication::setActiveWindow(&window);
    TWkCustomComboEdit& edit = *probe;
    const struct {
        const char* name;
        std::function<void()> run;
        QStringList calls;
    } cases[] = {
        {"the button closes an open popup",
         [&] {
             edit.DoClick();
             edit.DoClick();
         },
         {"ClosePopup 1"}},
        {"the focus leaving an open popup",
         [&] {
             edit.DoClick();
             other->setFocus();
         },
         {"PostClosePopup 0"}},
        {"disabled colours",
         [&] {
             edit.SetDisabledColor(clRed);
             edit.SetDisabledTextColor(clRed);
         },
         {"SetDisabledColor", "SetDisabledTextColor"}},
        {"a new size", [&] { edit.resize(150, 30); }, {"UpdateEditRect"}},
        {"completion on and off",
         [&] {
             edit.SetAutoCompleteOptions(acoAutoSuggest);
             edit.SetAutoCompleteOptions(0);
         },
         {"AttachAutoComplete", "DetachAutoComplete"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        probe->ClosePopup(false);
        probe->setFocus();
        probe->calls.clear();
        c.run();
        EXPECT_EQ(probe->calls, c.calls);
    }
    probe->ClosePopup(false);
    int clicks = 0;
    probe->OnButtonClick = TNotifyEvent::FromCallable([&](QObject*) { ++clicks; });
    probe->readOnly = true;
    EXPECT_TRUE(edit.ReadOnly());
    edit.DoClick();
    EXPECT_EQ(clicks, 0) << "read-only as GetReadOnly says: the button does nothing";
    EXPECT_EQ(edit.ClipboardCommands(), AllClipboardCommands);
    edit.SetClipboardCommands(caCut | caPaste);
    EXPECT_EQ(edit.ClipboardCommands(), TWkClipboardCommands(caCopy));
    QApplication::setActiveWindow(nullptr);
}

TEST(ComboEditGeometry, ButtonSitsInsideTheFrameItHas) {
    const struct {
        bool frame;
        bool flat;
        QRect button;
    } cases[] = {
        {true, false, {200 - 21 - 3, 1, 21, 25 - 4}},
        {true, true, {200 - 21 - 2, 2, 21, 25 - 4}},
        {false, false, {200 - 21, 0, 21, 25}},
        {false, true, {200 - 21, 0, 21, 25}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComboButtonRect({200, 25}, 21, c.frame, c.flat), c.button) << c.frame << c.flat;
}

TEST_F(ComboEdit, ButtonFollowsTheFrameAndTheSize) {
    window.show();
    edit->resize(200, 25);
    EXPECT_EQ(edit->Button()->parentWidget()->geometry(), QRect(176, 1, 21, 21));
    edit->SetFlat(true);
    EXPECT_FALSE(edit->ParentFlat());
    EXPECT_EQ(edit->Button()->parentWidget()->geometry(), QRect(177, 2, 21, 21));
    edit->setFrame(false);
    edit->resize(240, 25);
    EXPECT_EQ(edit->Button()->parentWidget()->geometry(), QRect(219, 0, 21, 25));
    EXPECT_EQ(edit->Button()->geometry(), QRect(0, 0, 21, 25)) << "the button fills its place";

    edit->setFrame(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(edit->Button()->parentWidget()->geometry(), QRect(217, 2, 21, 21))
        << "switching the frame places the button when the edit repaints";
    edit->setFrame(false);
    edit->grab();
    EXPECT_EQ(edit->Button()->parentWidget()->geometry(), QRect(219, 0, 21, 25));
}

TEST(ComboEditGeometry, LeastAndAdjustedHeightsCountTheFrame) {
    EXPECT_EQ(MinimumEditHeight(13, true, false), 21);
    EXPECT_EQ(MinimumEditHeight(13, true, true), 19);
    EXPECT_EQ(MinimumEditHeight(13, false, false), 13);
    EXPECT_EQ(AdjustedEditHeight(13, true), 18);
    EXPECT_EQ(AdjustedEditHeight(13, false), 13);
}

TEST_F(ComboEdit, EditKeepsItsLeastHeightAndAdjustSizeGrowsItToTheFont) {
    window.show();
    const int text = edit->fontMetrics().height();
    edit->resize(200, 4);
    EXPECT_EQ(edit->height(), MinimumEditHeight(text, true, false));
    edit->setFrame(false);
    edit->resize(200, 4);
    EXPECT_EQ(edit->height(), text);

    QFont big = edit->font();
    big.setPixelSize(40);
    edit->setFont(big);
    const int bigText = edit->fontMetrics().height();
    ASSERT_GT(bigText, text);
    EXPECT_EQ(edit->height(), text) << "a new font alone does not resize";
    edit->AdjustSize();
    EXPECT_EQ(edit->height(), bigText);
    edit->resize(200, bigText + 30);
    edit->AdjustSize();
    EXPECT_EQ(edit->height(), bigText + 30) << "AdjustSize only grows";
}

TEST_F(ComboEdit, DroppedTextNeedsThePasteGate) {
    const auto dropText = [this](const QString& text) {
        QMimeData data;
        data.setText(text);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(edit, &dropped);
        return enter.isAccepted();
    };
    edit->setText("abc");
    edit->SetClipboardCommands(AllClipboardCommands & ~caPaste);
    EXPECT_FALSE(dropText("dropped"));
    EXPECT_EQ(edit->text(), "abc");
    edit->SetClipboardCommands(AllClipboardCommands);
    edit->SetDirectInput(false);
    EXPECT_FALSE(dropText("dropped"));
    EXPECT_EQ(edit->text(), "abc");
    edit->SetDirectInput(true);
    EXPECT_TRUE(dropText("dropped"));
    EXPECT_TRUE(edit->text().contains("dropped")) << edit->text().toStdString();
}

} // namespace
