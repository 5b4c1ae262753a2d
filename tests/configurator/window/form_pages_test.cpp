// The window's pages switched as a user switches them: Ctrl+Tab from a control on a page, and
// clicks on the tabs.

#include "components/pages/page_control.h"
#include "tests/configurator/window/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>

namespace {

class FormPagesTest : public WindowTest {
protected:
    TWkPageControl* Pages() { return Find<TWkPageControl>("WkPageControl"); }

    // Ctrl+Tab typed into a combo box of the shown page (a grid keeps Tab for its cells).
    void CtrlTab(bool shift) {
        QWidget* page = Pages()->currentWidget();
        QWidget* target = page->findChild<QComboBox*>();
        if (!target)
            target = page;
        const Qt::KeyboardModifiers modifiers =
            Qt::ControlModifier | (shift ? Qt::ShiftModifier : Qt::NoModifier);
        QKeyEvent press(QEvent::KeyPress, shift ? Qt::Key_Backtab : Qt::Key_Tab, modifiers);
        QApplication::sendEvent(target, &press);
    }

    void ClickTab(int index) {
        QTabBar* bar = Pages()->tabBar();
        const QPointF at = bar->tabRect(index).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, bar->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, bar->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &release);
    }
};

TEST_F(FormPagesTest, TheWindowUsesTheLibraryPageControlWithItsDefaults) {
    Open();
    ASSERT_NE(Pages(), nullptr);
    EXPECT_FALSE(Pages()->HandleGlobalTab());
    EXPECT_FALSE(Pages()->HideAllTabs());
    EXPECT_EQ(Pages()->ClientBorderWidth(), TWkPageControl::DefaultClientBorderWidth);
    EXPECT_EQ(Pages()->count(), 6);
}

TEST_F(FormPagesTest, CtrlTabStepsOnePageAtATime) {
    TMForm& window = Open();
    window.show();
    for (int page = 1; page < 6; ++page) {
        CtrlTab(false);
        EXPECT_EQ(Pages()->currentIndex(), page);
    }
    CtrlTab(false);
    EXPECT_EQ(Pages()->currentIndex(), 0) << "wraps to the first page";
    CtrlTab(true);
    EXPECT_EQ(Pages()->currentIndex(), 5);
    CtrlTab(true);
    EXPECT_EQ(Pages()->currentIndex(), 4);
}

TEST_F(FormPagesTest, ClickingATabShowsItsPage) {
    TMForm& window = Open();
    window.show();
    ClickTab(TMForm::TabLED);
    EXPECT_EQ(Pages()->currentIndex(), TMForm::TabLED);
    ClickTab(TMForm::TabJoyStat);
    EXPECT_EQ(Pages()->currentIndex(), TMForm::TabJoyStat);
    ClickTab(TMForm::TabOSI);
    EXPECT_EQ(Pages()->currentIndex(), TMForm::TabOSI);
}

} // namespace
