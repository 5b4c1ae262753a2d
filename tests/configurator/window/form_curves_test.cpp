#include "platform/ui/color.h"
#include "tests/configurator/window/window_fixture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSpinBox>

namespace {

void Click(QWidget* widget) {
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

bool Highlighted(const QSpinBox* spin) {
    return spin->palette().color(QPalette::Base) == ToQColor(clSkyBlue);
}

TEST_F(WindowTest, ClickedCurveIsHighlighted) {
    TMForm& window = Open();
    const ControlArrays& a = window.Arrays();
    for (int slot : {4, 2}) {
        SCOPED_TRACE(slot);
        Click(a.CurvePoint[CurvePointSlot(slot, 5)]);
        EXPECT_EQ(window.State().SelectedCurve, slot);
        for (int s = 1; s <= 6; ++s) {
            for (int p = 1; p <= 9; ++p) {
                EXPECT_EQ(Highlighted(a.CurvePoint[CurvePointSlot(s, p)]), s == slot)
                    << "curve " << s << " point " << p;
            }
        }
    }
}

TEST_F(WindowTest, ClickOnTheTextOfAPointSelectsItsCurve) {
    TMForm& window = Open();
    QSpinBox* spin = window.Arrays().CurvePoint[CurvePointSlot(6, 9)];
    auto* text = spin->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(text, nullptr);
    Click(text);
    EXPECT_EQ(window.State().SelectedCurve, 6);
    EXPECT_TRUE(Highlighted(spin));
}

} // namespace
