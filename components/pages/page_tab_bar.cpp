#include "components/pages/page_tab_bar.h"

#include "components/pages/page_control.h"
#include "platform/ui/canvas.h"

TWkPageTabBar::TWkPageTabBar(TWkPageControl& owner) : QTabBar(&owner), owner_(owner) {}

void TWkPageTabBar::paintEvent(QPaintEvent* event) {
    if (!owner_.TabPainter()) {
        QTabBar::paintEvent(event);
        return;
    }
    TCanvas canvas(this);
    int visibleIndex = 0;
    for (int index = 0; index < count(); ++index) {
        if (!isTabVisible(index))
            continue;
        owner_.DrawTab(canvas, visibleIndex++, FromQRect(tabRect(index)), index == currentIndex());
    }
}
