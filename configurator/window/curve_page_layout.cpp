#include "components/label/label.h"
#include "configurator/model/item_lists.h"
#include "configurator/window/design_items.h"
#include "configurator/window/form_layout.h"
#include "configurator/window/tab_order.h"
#include "configurator/window/widget_factory.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

constexpr int HeaderTop = 2;
constexpr int HeaderHeight = 110;
constexpr int SlotLeft = 4;
constexpr int SlotWidth = 56;
constexpr int PointLeft = SlotLeft + SlotWidth + 2;
constexpr int PointWidth = 48;
constexpr int PointStep = 50;
constexpr int SymmetryLeft = PointLeft + 9 * PointStep;
constexpr int SymmetryWidth = 68;
constexpr int CheckWidth = 18;
constexpr int ButtonLeft = SymmetryLeft + SymmetryWidth + 4;
constexpr int ButtonWidth = 52;
constexpr int DelayLeft = ButtonLeft + ButtonWidth + 4;
constexpr int DelayWidth = 44;
constexpr int SpeedLeft = DelayLeft + DelayWidth + 4;
constexpr int SpeedWidth = 44;
constexpr int ChartLeft = SpeedLeft + SpeedWidth + 10;
constexpr int ChartWidth = 1167 - ChartLeft;
constexpr int ChartHeight = 400;

int SlotTop(int slot) {
    return HeaderTop + HeaderHeight + 4 + 28 * (slot - 1);
}

// An upright caption over a column of settings; a word too long for its box is cut short.
void Header(QWidget* page, const char* name, const char* text, int left, int width) {
    TWkLabel* caption =
        MakeColumnCaption(page, QString::fromLatin1(name), QString::fromLatin1(text),
                          {left, HeaderTop, width, HeaderHeight});
    caption->SetLayout(tlTop);
    caption->SetTextEllipsis(teWordEllipsis);
}

// A short caption written across its column, at the bottom of the header.
void FlatHeader(QWidget* page, const QString& name, const QString& text, int left, int width) {
    MakeFlatCaption(page, name, text, {left, HeaderTop, width, HeaderHeight});
}

void BuildHeaders(QWidget* page) {
    FlatHeader(page, QStringLiteral("lbl_curves"), QStringLiteral("Curves"), SlotLeft, SlotWidth);
    for (int point = 1; point <= 9; ++point) {
        FlatHeader(page, QString(), QString::number(point), PointLeft + PointStep * (point - 1),
                   PointWidth);
    }
    Header(page, "lbl_osi_curve_s", "Symmetric", SymmetryLeft, SymmetryWidth);
    Header(page, "osi_zoom_1", "Zoom button", ButtonLeft, ButtonWidth);
    Header(page, "osi_devis_1", "Delay", DelayLeft, DelayWidth);
    Header(page, "osi_redct_1", "Speed", SpeedLeft, SpeedWidth);
}

void BuildSlot(QWidget* page, int slot) {
    const int top = SlotTop(slot);
    MakeLabel(page, QString(), QString::number(slot), {SlotLeft, top, SlotWidth, 22})
        ->setAlignment(Qt::AlignCenter);
    for (int point = 1; point <= 9; ++point) {
        const QString name =
            QStringLiteral("osi_%1_curve_%2").arg(slot).arg(point, 2, 10, QLatin1Char('0'));
        MakeSpin(page, name, 0, 200, {PointLeft + PointStep * (point - 1), top, PointWidth, 22})
            ->setValue(100);
    }
    MakeCheck(page, NumberName("osi_%1_curve_s", slot), QString(),
              {SymmetryLeft + (SymmetryWidth - CheckWidth) / 2, top, CheckWidth, 22});
    MakeSharedListCombo(page, NumberName("osi_%1_zm_knp", slot), ButtonItems(),
                        {ButtonLeft, top, ButtonWidth, 22});
    MakeEdit(page, NumberName("osi_%1_zm_del", slot), QStringLiteral("2"),
             {DelayLeft, top, DelayWidth, 22});
    MakeEdit(page, NumberName("osi_%1_zm_spd", slot), QStringLiteral("1"),
             {SpeedLeft, top, SpeedWidth, 22});
}

// The chart with the axis whose live position it marks underneath.
void BuildChart(QWidget* page) {
    constexpr int AxisTop = HeaderTop + ChartHeight + 8;
    constexpr int AxisLabelWidth = 160;
    constexpr int AxisComboLeft = ChartLeft + AxisLabelWidth + 4;
    constexpr int ValueLeft = AxisComboLeft + 64;
    MakeChart(page, QStringLiteral("CurveVisual"), {ChartLeft, HeaderTop, ChartWidth, ChartHeight});
    MakeLabel(page, QStringLiteral("lbl_CurveVisualAxis"), QStringLiteral("Axis for the preview"),
              {ChartLeft, AxisTop, AxisLabelWidth, 22});
    MakeCombo(page, QStringLiteral("CurveVisualAxis"), CurveAxisItems(),
              {AxisComboLeft, AxisTop, 60, 22});
    MakeEdit(page, QStringLiteral("CurveVisualAxisValue"), QString(), {ValueLeft, AxisTop, 80, 22})
        ->setReadOnly(true);
    MakeEdit(page, QStringLiteral("CurveVisualAxisValueFixed"), QString(),
             {ValueLeft + 84, AxisTop, 80, 22})
        ->setReadOnly(true);
}

} // namespace

void BuildCurvePage(QWidget* page) {
    TabGroups tabs(page);
    BuildHeaders(page);
    for (int slot = 1; slot <= 6; ++slot) {
        BuildSlot(page, slot);
    }
    tabs.EndGroup();
    BuildChart(page);
    tabs.Apply();
}
