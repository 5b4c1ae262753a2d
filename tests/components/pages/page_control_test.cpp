// The page control: Ctrl+Tab, clicks on tabs, the border, hidden tabs, hints and the painter.

#include "components/pages/page_control.h"
#include "components/pages/tab_control_painter.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolTip>
#include <functional>
#include <gtest/gtest.h>

namespace {

class RecordingPainter final : public TWkTabControlPainter {
public:
    using TWkTabControlPainter::TWkTabControlPainter;
    QStringList drawn;
    QList<const TImageList*> lists;
    void DrawTab(TWkPageControl&, TCanvas&, const TImageList* images, int imageIndex,
                 const QString& caption, const TRect&, bool active, bool enabled) override {
        drawn << caption + (active ? " active" : "") + (enabled ? "" : " disabled") +
                     (imageIndex >= 0 ? QStringLiteral(" image %1").arg(imageIndex) : QString());
        lists << images;
    }
};

THintInfo shownHint;
void recordHint(const THintInfo& info) {
    shownHint = info;
}

QImage Filled(QColor color) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

class PageControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(400, 300);
        outside = new QLineEdit(&window);
        outside->setGeometry(0, 0, 100, 20);
        pages = new TWkPageControl(&window);
        pages->setGeometry(0, 30, 400, 270);
        for (const char* caption : {"One", "Two", "Three", "Four"}) {
            auto* page = new QWidget;
            inside.push_back(new QLineEdit(page));
            pages->addTab(page, QString::fromLatin1(caption));
        }
        window.show();
        outside->setFocus();
        QApplication::processEvents();
    }

    void CtrlTab(QWidget* target, bool shift = false) {
        const Qt::KeyboardModifiers modifiers =
            Qt::ControlModifier | (shift ? Qt::ShiftModifier : Qt::NoModifier);
        QKeyEvent press(QEvent::KeyPress, shift ? Qt::Key_Backtab : Qt::Key_Tab, modifiers);
        QApplication::sendEvent(target, &press);
    }

    void ClickTab(int index, Qt::MouseButton button = Qt::LeftButton) {
        QTabBar* bar = pages->tabBar();
        const QPointF at = bar->tabRect(index).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, bar->mapToGlobal(at), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(bar, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, bar->mapToGlobal(at), button,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &release);
    }

    QRect PageArea() const {
        return pages->findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly)->geometry();
    }

    QWidget window;
    QLineEdit* outside = nullptr;
    TWkPageControl* pages = nullptr;
    std::vector<QLineEdit*> inside;
};

TEST_F(PageControlTest, GlobalCtrlTabStepsForwardAndCtrlShiftTabBack) {
    pages->SetHandleGlobalTab(true);
    CtrlTab(outside);
    EXPECT_EQ(pages->currentIndex(), 1);
    CtrlTab(outside);
    EXPECT_EQ(pages->currentIndex(), 2);
    CtrlTab(outside, true);
    EXPECT_EQ(pages->currentIndex(), 1);
    CtrlTab(outside, true);
    CtrlTab(outside, true);
    EXPECT_EQ(pages->currentIndex(), 3) << "wraps around";
}

TEST_F(PageControlTest, CtrlTabInsideTheControlStepsOnce) {
    for (bool global : {true, false}) {
        SCOPED_TRACE(global ? "global" : "platform");
        pages->SetHandleGlobalTab(global);
        pages->setCurrentIndex(0);
        CtrlTab(inside[0]);
        EXPECT_EQ(pages->currentIndex(), 1);
        CtrlTab(pages);
        EXPECT_EQ(pages->currentIndex(), 2);
        CtrlTab(inside[2], true);
        EXPECT_EQ(pages->currentIndex(), 1);
    }
}

TEST_F(PageControlTest, WithoutTheGlobalSwitchCtrlTabElsewhereLeavesThePage) {
    CtrlTab(outside);
    EXPECT_EQ(pages->currentIndex(), 0);
}

TEST_F(PageControlTest, CtrlTabPassesOverDisabledPagesAndAsksFirst) {
    pages->SetHandleGlobalTab(true);
    pages->widget(1)->setEnabled(false);
    CtrlTab(outside);
    EXPECT_EQ(pages->currentIndex(), 2);
    CtrlTab(outside, true);
    EXPECT_EQ(pages->currentIndex(), 0);

    int asked = 0;
    pages->OnChanging = [&](TWkPageControl&, bool& allow) {
        ++asked;
        allow = false;
    };
    CtrlTab(outside);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(asked, 1);

    for (int page = 1; page < 4; ++page)
        pages->widget(page)->setEnabled(false);
    pages->OnChanging = nullptr;
    CtrlTab(outside);
    EXPECT_EQ(pages->currentIndex(), 0) << "no other page can be shown";
}

TEST_F(PageControlTest, ClicksSelectOnlyEnabledPages) {
    pages->widget(2)->setEnabled(false);
    ClickTab(2);
    EXPECT_EQ(pages->currentIndex(), 0);
    ClickTab(3);
    EXPECT_EQ(pages->currentIndex(), 3);
    ClickTab(1, Qt::RightButton);
    EXPECT_EQ(pages->currentIndex(), 3) << "right clicks select only when asked to";
    pages->SetRightClickSelect(true);
    ClickTab(1, Qt::RightButton);
    EXPECT_EQ(pages->currentIndex(), 1);
}

TEST_F(PageControlTest, TheBorderWidthGrowsThePages) {
    const QRect standard = PageArea();
    pages->SetClientBorderWidth(0);
    EXPECT_EQ(PageArea(), standard.adjusted(-4, -4, 4, 4));
    pages->resize(380, 260);
    QApplication::processEvents();
    const QRect resized = PageArea();
    pages->SetClientBorderWidth(4);
    EXPECT_EQ(PageArea(), resized.adjusted(4, 4, -4, -4)) << "widened once, not at every layout";
}

TEST_F(PageControlTest, HidingAllTabsKeepsEachPagesOwnTab) {
    pages->setTabVisible(2, false);
    pages->setCurrentIndex(1);
    pages->SetHideAllTabs(true);
    EXPECT_FALSE(pages->tabBar()->isVisibleTo(pages));
    EXPECT_EQ(pages->currentIndex(), 1);
    pages->SetHideAllTabs(false);
    EXPECT_TRUE(pages->tabBar()->isVisibleTo(pages));
    EXPECT_TRUE(pages->isTabVisible(1));
    EXPECT_FALSE(pages->isTabVisible(2));
    pages->SetHandleGlobalTab(true);
    CtrlTab(outside);
    EXPECT_EQ(pages->currentIndex(), 3) << "a hidden tab is passed over";
}

TEST_F(PageControlTest, HidingAllTabsTakesTheActivePageOutOfTheTabOrder) {
    for (int page = 0; page < 4; ++page)
        pages->widget(page)->setFocusPolicy(Qt::StrongFocus);
    pages->setCurrentIndex(2);
    pages->SetHideAllTabs(true);
    EXPECT_EQ(pages->widget(2)->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(pages->widget(1)->focusPolicy(), Qt::StrongFocus);
    pages->SetHideAllTabs(false);
    EXPECT_EQ(pages->widget(2)->focusPolicy(), Qt::ClickFocus) << "not given back";
}

TEST_F(PageControlTest, ReduceMemoryUseLetsGoOfTheLeftPagesWindow) {
    const struct {
        const char* name;
        bool reduce;
        bool allow;
        std::function<void()> change;
        bool windowKept;
    } cases[] = {
        {"click, off", false, true, [this] { ClickTab(1); }, true},
        {"click", true, true, [this] { ClickTab(1); }, false},
        {"click refused", true, false, [this] { ClickTab(1); }, true},
        {"Ctrl+Tab", true, true, [this] { CtrlTab(outside); }, false},
        {"right click", true, true, [this] { ClickTab(1, Qt::RightButton); }, false},
        {"from code", true, true, [this] { pages->setCurrentIndex(1); }, true},
    };
    pages->SetHandleGlobalTab(true);
    pages->SetRightClickSelect(true);
    for (const auto& c : cases) {
        pages->SetReduceMemoryUse(false);
        pages->OnChanging = nullptr;
        pages->setCurrentIndex(0);
        QWidget* first = pages->widget(0);
        first->winId();
        ASSERT_NE(first->internalWinId(), 0u) << c.name;
        pages->SetReduceMemoryUse(c.reduce);
        pages->OnChanging = [&c](TWkPageControl&, bool& allow) {
            allow = c.allow;
        };
        c.change();
        EXPECT_EQ(pages->currentIndex(), c.allow ? 1 : 0) << c.name;
        EXPECT_EQ(first->internalWinId() != 0, c.windowKept) << c.name;

        ClickTab(0);
        EXPECT_EQ(pages->currentIndex(), 0) << c.name;
        EXPECT_TRUE(first->isVisible()) << c.name;
        EXPECT_NE(first->internalWinId(), 0u) << c.name << ": made again when shown";
    }
}

TEST_F(PageControlTest, HintsComeFromTheChosenSource) {
    pages->setToolTip("control");
    pages->widget(1)->setToolTip("second page");
    const QPoint tab = pages->tabBar()->mapTo(pages, pages->tabBar()->tabRect(1).center());
    const QPoint otherTab = pages->tabBar()->mapTo(pages, pages->tabBar()->tabRect(2).center());
    struct Case {
        TWkHintSource source;
        QPoint at;
        const char* hint;
    };
    const Case cases[] = {
        {TWkHintSource::hsDefault, tab, "control"},
        {TWkHintSource::hsForceMain, tab, "control"},
        {TWkHintSource::hsForceChildren, tab, "second page"},
        {TWkHintSource::hsPreferChildren, tab, "second page"},
        {TWkHintSource::hsPreferChildren, otherTab, "control"},
        {TWkHintSource::hsPreferMain, tab, "control"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hint);
        pages->SetHintSource(c.source);
        QHelpEvent help(QEvent::ToolTip, c.at, pages->mapToGlobal(c.at));
        QApplication::sendEvent(pages, &help);
        EXPECT_EQ(QToolTip::text(), c.hint);
        QToolTip::hideText();
    }
}

TEST_F(PageControlTest, APagesHintShowsWhileTheCursorStaysOnItsTab) {
    pages->SetHintWindowClass(&recordHint);
    pages->widget(1)->setToolTip("second page");
    const QRect tabRect = pages->tabBar()->tabRect(1);
    const QRect onControl(pages->tabBar()->mapTo(pages, tabRect.topLeft()), tabRect.size());
    const struct {
        const char* name;
        TWkHintSource source;
        const char* controlHint;
        const char* hint;
        QRect cursorRect;
    } cases[] = {
        {"prefer main, the control has none: the page's", TWkHintSource::hsPreferMain, "",
         "second page", onControl},
        {"prefer main, the control has one", TWkHintSource::hsPreferMain, "control", "control", {}},
        {"force children", TWkHintSource::hsForceChildren, "control", "second page", onControl},
        {"prefer children", TWkHintSource::hsPreferChildren, "", "second page", onControl},
        {"force main", TWkHintSource::hsForceMain, "control", "control", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shownHint = {};
        pages->setToolTip(c.controlHint);
        pages->SetHintSource(c.source);
        const QPoint at = onControl.center();
        QHelpEvent help(QEvent::ToolTip, at, pages->mapToGlobal(at));
        QApplication::sendEvent(pages, &help);
        EXPECT_EQ(shownHint.HintText, c.hint);
        EXPECT_EQ(shownHint.CursorRect, c.cursorRect);
    }
}

TEST_F(PageControlTest, TabsShowTheirPagesImages) {
    auto images = std::make_unique<TImageList>(16, 16);
    images->AddImage(Filled(Qt::red));
    images->AddImage(Filled(Qt::blue));
    pages->SetPageImageIndex(0, 1);
    pages->SetPageImageIndex(2, 0);
    pages->SetPageImageIndex(3, 7);
    EXPECT_TRUE(pages->tabIcon(0).isNull()) << "no image list yet";
    pages->SetImages(images.get());
    const auto shown = [this](int page) {
        return pages->tabIcon(page).pixmap(16, 16).toImage().pixelColor(8, 8);
    };
    EXPECT_EQ(shown(0), QColor(Qt::blue));
    EXPECT_TRUE(pages->tabIcon(1).isNull());
    EXPECT_EQ(shown(2), QColor(Qt::red));
    EXPECT_TRUE(pages->tabIcon(3).isNull()) << "an index past the list shows nothing";
    EXPECT_EQ(pages->PageImageIndex(1), -1);
    EXPECT_EQ(pages->PageImageIndex(3), 7);

    images->Replace(1, Filled(Qt::green));
    EXPECT_EQ(shown(0), QColor(Qt::green)) << "a change of the list reaches the tabs";
    pages->tabBar()->moveTab(0, 3);
    EXPECT_EQ(pages->PageImageIndex(3), 1) << "the index moves with its page";

    auto* painter = new RecordingPainter;
    pages->SetTabPainter(painter);
    pages->tabBar()->grab();
    EXPECT_EQ(painter->drawn,
              QStringList({"Two", "Three image 0", "Four image 7", "One active image 1"}));
    EXPECT_EQ(painter->lists, QList<const TImageList*>(4, images.get()));
    delete painter;

    images.reset();
    EXPECT_EQ(pages->Images(), nullptr);
    pages->UpdateTabImages();
    EXPECT_TRUE(pages->tabIcon(3).isNull());
}

TEST_F(PageControlTest, APainterDrawsTheVisibleTabsUntilItGoes) {
    auto* painter = new RecordingPainter;
    pages->widget(3)->setEnabled(false);
    pages->setTabVisible(1, false);
    pages->SetTabPainter(painter);
    EXPECT_EQ(painter->Clients(), QList<TWkPageControl*>{pages});
    pages->tabBar()->grab();
    EXPECT_EQ(painter->drawn, QStringList({"One active", "Three", "Four disabled"}));
    delete painter;
    EXPECT_EQ(pages->TabPainter(), nullptr);
    pages->tabBar()->grab();
}

} // namespace
