#include "components/pages/page_control.h"

#include "components/pages/page_tab_bar.h"
#include "components/pages/tab_control_painter.h"

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>
#include <QStackedWidget>

TWkPageControl::TWkPageControl(QWidget* parent) : TWkExPageControl(parent) {
    setTabBar(new TWkPageTabBar(*this));
    tabBar()->installEventFilter(this);
    FImageChangeLink.OnChange = [this](TImageList&) {
        UpdateTabImages();
    };
}

TWkPageControl::~TWkPageControl() {
    if (FHandleGlobalTab)
        qApp->removeEventFilter(this);
    if (FTabPainter)
        FTabPainter->UnregisterClient(this);
}

void TWkPageControl::SetClientBorderWidth(int width) {
    if (width == FClientBorderWidth)
        return;
    FClientBorderWidth = width;
    ApplyClientBorder();
}

// Qt lays the pages out on resizes, tab changes and layout requests; each time the area it
// chose is widened by what the border gives up.
void TWkPageControl::ApplyClientBorder() {
    auto* stack = findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly);
    if (!stack)
        return;
    if (stack->geometry() != FWidenedArea)
        FLaidOutArea = stack->geometry();
    const int grow = DefaultClientBorderWidth - FClientBorderWidth;
    FWidenedArea = FLaidOutArea.adjusted(-grow, -grow, grow, grow);
    stack->setGeometry(FWidenedArea);
}

void TWkPageControl::SetHideAllTabs(bool hide) {
    FHideAllTabs = hide;
    tabBar()->setVisible(!hide);
    // Out of the Tab order, still taking the focus on a click when it did.
    QWidget* active = currentWidget();
    if (hide && active)
        active->setFocusPolicy((active->focusPolicy() & Qt::ClickFocus) ? Qt::ClickFocus
                                                                        : Qt::NoFocus);
}

void TWkPageControl::SetHandleGlobalTab(bool on) {
    if (on == FHandleGlobalTab)
        return;
    FHandleGlobalTab = on;
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

void TWkPageControl::SetTabPainter(TWkTabControlPainter* painter) {
    if (painter == FTabPainter)
        return;
    if (FTabPainter)
        FTabPainter->UnregisterClient(this);
    FTabPainter = painter;
    if (FTabPainter)
        FTabPainter->RegisterClient(this);
    InvalidateTabs();
}

void TWkPageControl::SetImages(TImageList* images) {
    if (images == Images())
        return;
    if (Images())
        Images()->UnRegisterChanges(FImageChangeLink);
    if (images)
        images->RegisterChanges(FImageChangeLink);
    UpdateTabImages();
}

// The index lives with the tab, so it moves with its page.
int TWkPageControl::PageImageIndex(int page) const {
    const QVariant index = tabBar()->tabData(page);
    return index.isValid() ? index.toInt() : -1;
}

void TWkPageControl::SetPageImageIndex(int page, int imageIndex) {
    if (page < 0 || page >= count())
        return;
    tabBar()->setTabData(page, imageIndex);
    UpdateTabImages();
}

void TWkPageControl::UpdateTabImages() {
    const TImageList* images = Images();
    if (images)
        setIconSize(QSize(images->Width(), images->Height()));
    for (int page = 0; page < count(); ++page) {
        const int index = PageImageIndex(page);
        const bool shown = images && index >= 0 && index < images->Count();
        setTabIcon(page, shown ? QIcon(QPixmap::fromImage(images->Image(index))) : QIcon());
    }
    InvalidateTabs();
}

void TWkPageControl::InvalidateTabs() {
    tabBar()->update();
}

int TWkPageControl::IndexOfTabAt(QPoint point) const {
    return tabBar()->tabAt(tabBar()->mapFrom(this, point));
}

int TWkPageControl::FindNextPage(int page, bool goForward) const {
    const int pages = count();
    if (FHideAllTabs || pages == 0)
        return -1;
    int index = page < 0 ? (goForward ? -1 : pages) : page;
    for (int step = 0; step < pages; ++step) {
        index = ((goForward ? index + 1 : index - 1) % pages + pages) % pages;
        if (isTabVisible(index))
            return index;
    }
    return -1;
}

void TWkPageControl::DrawTab(TCanvas& canvas, int visibleIndex, const TRect& rect, bool active) {
    if (!FTabPainter)
        return;
    int seen = -1;
    for (int page = 0; page < count(); ++page) {
        if (isTabVisible(page) && ++seen == visibleIndex) {
            FTabPainter->DrawTab(*this, canvas, Images(), PageImageIndex(page), tabText(page), rect,
                                 active, widget(page)->isEnabled());
            return;
        }
    }
}

namespace {

// QWidget::destroy is protected; this opens it to the page control alone.
struct TNativeWindowRelease : QWidget {
    using QWidget::destroy;
};

} // namespace

bool TWkPageControl::CanChange() {
    bool allowChange = true;
    if (OnChanging)
        OnChanging(*this, allowChange);
    QWidget* leaving = currentWidget();
    if (allowChange && FReduceMemoryUse && leaving && leaving->internalWinId())
        (leaving->*&TNativeWindowRelease::destroy)(true, true);
    return allowChange;
}

// Disabled pages are passed over; nothing happens when no other page can be shown or the
// change is refused.
void TWkPageControl::StepPage(bool goForward) {
    const int start = currentIndex();
    int page = FindNextPage(start, goForward);
    for (int tries = 0; page >= 0 && page != start && !widget(page)->isEnabled(); ++tries) {
        if (tries == count())
            return;
        page = FindNextPage(page, goForward);
    }
    if (page >= 0 && page != start && CanChange())
        setCurrentIndex(page);
}

bool TWkPageControl::IsGlobalTabKey(QObject* watched, QEvent* event) const {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::ControlModifier) ||
        (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab))
        return false;
    return static_cast<QWidget*>(watched)->window() == window() && isVisible() && isEnabled();
}

bool TWkPageControl::TabBarMousePress(const QMouseEvent& event) {
    const int page = tabBar()->tabAt(event.position().toPoint());
    if (page < 0)
        return false;
    if (event.button() == Qt::LeftButton)
        return !widget(page)->isEnabled() || (page != currentIndex() && !CanChange());
    if (event.button() == Qt::RightButton && FRightClickSelect && page != currentIndex() &&
        CanChange())
        setCurrentIndex(page);
    return false;
}

bool TWkPageControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabBar() && event->type() == QEvent::MouseButtonPress)
        return TabBarMousePress(*static_cast<QMouseEvent*>(event));
    // Taken here whatever the outcome: passed on, the key would reach Qt's own Ctrl+Tab of
    // this control, which steps a second time and asks no one.
    if (FHandleGlobalTab && IsGlobalTabKey(watched, event)) {
        const bool shift = static_cast<QKeyEvent*>(event)->modifiers() & Qt::ShiftModifier;
        StepPage(!shift);
        return true;
    }
    return TWkExPageControl::eventFilter(watched, event);
}

bool TWkPageControl::event(QEvent* event) {
    const bool result = TWkExPageControl::event(event);
    switch (event->type()) {
    case QEvent::LayoutRequest:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::StyleChange:
        ApplyClientBorder();
        break;
    default:
        break;
    }
    return result;
}

void TWkPageControl::tabInserted(int index) {
    TWkExPageControl::tabInserted(index);
    ApplyClientBorder();
}

void TWkPageControl::tabRemoved(int index) {
    TWkExPageControl::tabRemoved(index);
    ApplyClientBorder();
}

bool TWkPageControl::PrepareHint(THintInfo& info) {
    if (FHintSource != TWkHintSource::hsDefault && info.Control == this) {
        const int tab = IndexOfTabAt(mapFromGlobal(info.GlobalPos));
        const QWidget* sheet = tab >= 0 ? widget(tab) : nullptr;
        const QString mainHint = toolTip();
        const bool preferMain = FHintSource == TWkHintSource::hsPreferMain;
        if (FHintSource == TWkHintSource::hsForceMain || (preferMain && !mainHint.isEmpty())) {
            info.HintText = mainHint;
        } else if (sheet && (FHintSource == TWkHintSource::hsForceChildren ||
                             (FHintSource == TWkHintSource::hsPreferChildren &&
                              !sheet->toolTip().isEmpty()) ||
                             (preferMain && mainHint.isEmpty()))) {
            info.HintText = sheet->toolTip();
            const QRect tabRect = tabBar()->tabRect(tab);
            info.CursorRect = QRect(tabBar()->mapTo(this, tabRect.topLeft()), tabRect.size());
        }
    }
    return TWkExPageControl::PrepareHint(info);
}
