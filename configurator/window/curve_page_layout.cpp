#include "configurator/model/item_lists.h"
#include "configurator/window/design_items.h"
#include "configurator/window/form_layout.h"
#include "configurator/window/widget_factory.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

constexpr int PointLeft = 28;
constexpr int PointWidth = 48;
constexpr int PointStep = 50;
constexpr int SymmetryLeft = PointLeft + 9 * PointStep + 4;
constexpr int ButtonLeft = SymmetryLeft + 28;
constexpr int DelayLeft = ButtonLeft + 56;
constexpr int SpeedLeft = DelayLeft + 48;

int SlotTop(int slot) {
    return 22 + 28 * (slot - 1);
}

void BuildHeaders(QWidget* page) {
    MakeLabel(page, QStringLiteral("lbl_curves"), QStringLiteral("Curve"), {4, 2, 24, 18});
    for (int point = 1; point <= 9; ++point) {
        MakeLabel(page, QString(), QString::number(point),
                  {PointLeft + PointStep * (point - 1), 2, PointWidth, 18})
            ->setAlignment(Qt::AlignCenter);
    }
    MakeLabel(page, QStringLiteral("lbl_osi_curve_s"), QStringLiteral("Sym"),
              {SymmetryLeft - 4, 2, 30, 18});
    MakeLabel(page, QStringLiteral("osi_zoom_1"), QStringLiteral("Button"),
              {ButtonLeft, 2, 52, 18});
    MakeLabel(page, QStringLiteral("osi_devis_1"), QStringLiteral("Delay"), {DelayLeft, 2, 44, 18});
    MakeLabel(page, QStringLiteral("osi_redct_1"), QStringLiteral("Speed"), {SpeedLeft, 2, 44, 18});
}

void BuildSlot(QWidget* page, int slot) {
    const int top = SlotTop(slot);
    MakeLabel(page, QString(), QString::number(slot), {4, top, 20, 22});
    for (int point = 1; point <= 9; ++point) {
        const QString name =
            QStringLiteral("osi_%1_curve_%2").arg(slot).arg(point, 2, 10, QLatin1Char('0'));
        MakeSpin(page, name, 0, 200, {PointLeft + PointStep * (point - 1), top, PointWidth, 22})
            ->setValue(100);
    }
    MakeCheck(page, NumberName("osi_%1_curve_s", slot), QString(), {SymmetryLeft, top, 22, 22});
    MakeCombo(page, NumberName("osi_%1_zm_knp", slot), ButtonItems(), {ButtonLeft, top, 52, 22});
    MakeEdit(page, NumberName("osi_%1_zm_del", slot), QStringLiteral("2"),
             {DelayLeft, top, 44, 22});
    MakeEdit(page, NumberName("osi_%1_zm_spd", slot), QStringLiteral("1"),
             {SpeedLeft, top, 44, 22});
}

} // namespace

void BuildCurvePage(QWidget* page) {
    BuildHeaders(page);
    for (int slot = 1; slot <= 6; ++slot) {
        BuildSlot(page, slot);
    }
    MakeChart(page, QStringLiteral("CurveVisual"), {680, 4, 480, 400});
    MakeLabel(page, QStringLiteral("lbl_CurveVisualAxis"), QStringLiteral("Axis"),
              {680, 412, 110, 22});
    MakeCombo(page, QStringLiteral("CurveVisualAxis"), CurveAxisItems(), {794, 412, 60, 22});
    MakeEdit(page, QStringLiteral("CurveVisualAxisValue"), QString(), {860, 412, 80, 22})
        ->setReadOnly(true);
    MakeEdit(page, QStringLiteral("CurveVisualAxisValueFixed"), QString(), {946, 412, 80, 22})
        ->setReadOnly(true);
}
