#include "configurator/window/widget_factory.h"
#include "tests/configurator/window/window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

void Wheel(QWidget* widget) {
    const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

TEST(WheelFocusFilter, WheelEditsOnlyTheFocusedControl) {
    EnsureApplication();
    QWidget window;
    auto* combo = MakeCombo(&window, QStringLiteral("combo"), {"a", "b", "c"}, {0, 0, 80, 22});
    auto* spin = MakeSpin(&window, QStringLiteral("spin"), 0, 15, {0, 30, 80, 22});
    auto* other = MakeEdit(&window, QStringLiteral("other"), QString(), {0, 60, 80, 22});
    window.show();
    QApplication::setActiveWindow(&window);
    other->setFocus();
    ASSERT_TRUE(other->hasFocus());

    Wheel(combo);
    Wheel(spin);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(spin->value(), 0);

    combo->setFocus();
    Wheel(combo);
    EXPECT_EQ(combo->currentIndex(), 1);
    spin->setFocus();
    Wheel(spin);
    EXPECT_EQ(spin->value(), 0) << "wheel down at the minimum";
    spin->setValue(5);
    Wheel(spin);
    EXPECT_EQ(spin->value(), 4);
}

} // namespace
