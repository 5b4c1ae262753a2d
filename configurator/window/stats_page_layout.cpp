#include "configurator/model/item_lists.h"
#include "configurator/window/color_combo.h"
#include "configurator/window/design_items.h"
#include "configurator/window/form_layout.h"
#include "configurator/window/tab_order.h"
#include "configurator/window/widget_factory.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// The value table fills the page's right side; its columns are as wide as their longest caption
// word in either language ("Изменений/с").
constexpr int FieldWidth = 84;
constexpr int FieldStep = FieldWidth + 3;
constexpr int TableRight = 1170;
constexpr int TableLeft = TableRight - 5 * FieldStep;
constexpr int AxisNumberLeft = TableLeft - 28;
constexpr int ChartWidth = AxisNumberLeft - 14;

} // namespace

// Tab groups: the chart, its range edits, the pens, the value table, the rate with its reset.
void BuildStatisticsPage(QWidget* page) {
    TabGroups tabs(page);
    MakeChart(page, QStringLiteral("joy_osi_visual"), {4, 4, ChartWidth, 440});
    tabs.EndGroup();
    constexpr int RangeLeft = ChartWidth + 10;
    MakeEdit(page, QStringLiteral("joy_osi_visual_max"), QStringLiteral("16384"),
             {RangeLeft, 4, 70, 22});
    MakeEdit(page, QStringLiteral("joy_osi_visual_min"), QStringLiteral("0"),
             {RangeLeft, 422, 70, 22});
    tabs.EndGroup();
    const QStringList pens = RangeAxisItems(); // "--", axes "1".."8"
    MakeCombo(page, QStringLiteral("joy_osi_use_01"), pens, {850, 4, 60, 22});
    MakeCombo(page, QStringLiteral("joy_osi_use_02"), pens, {850, 32, 60, 22});
    MakeColorCombo(page, QStringLiteral("joy_osi_clr_01"), {916, 4, 110, 22}, coStdColors)
        ->SetColorValue(clRed);
    MakeColorCombo(page, QStringLiteral("joy_osi_clr_02"), {916, 32, 110, 22}, coStdColors)
        ->SetColorValue(clBlue);
    tabs.EndGroup();
    const char* headers[][2] = {{"lbl_joy_osi_raw", "Raw"},
                                {"lbl_joy_osi_min", "Min"},
                                {"lbl_joy_osi_max", "Max"},
                                {"lbl_joy_osi_stp", "Step"},
                                {"lbl_joy_osi_fps", "Changes/s"}};
    const char* fields[] = {"joy_osi_raw_%1", "joy_osi_min_%1", "joy_osi_max_%1", "joy_osi_stp_%1",
                            "joy_osi_fps_%1"};
    constexpr int FirstRowTop = 98;
    for (int f = 0; f < 5; ++f) {
        const int x = TableLeft + FieldStep * f;
        MakeFlatCaption(page, QString::fromLatin1(headers[f][0]),
                        QString::fromLatin1(headers[f][1]), {x, 64, FieldWidth, 30});
        for (int axis = 1; axis <= 8; ++axis) {
            MakeEdit(page, NumberName(fields[f], axis, 2), QStringLiteral("x"),
                     {x, FirstRowTop + 24 * (axis - 1), FieldWidth, 22})
                ->setReadOnly(true);
        }
    }
    for (int axis = 1; axis <= 8; ++axis) {
        MakeLabel(page, QString(), QString::number(axis),
                  {AxisNumberLeft, FirstRowTop + 24 * (axis - 1), 24, 22})
            ->setAlignment(Qt::AlignCenter);
    }
    tabs.EndGroup();
    MakeLabel(page, QStringLiteral("lbl_usb_pps"), QStringLiteral("Reports/s"),
              {TableLeft, 306, 150, 22});
    MakeEdit(page, QStringLiteral("joy_usbpps"), QString(), {TableLeft + 154, 306, 80, 22})
        ->setReadOnly(true);
    MakeButton(page, QStringLiteral("JoyStatReset"), QStringLiteral("Reset"),
               {TableLeft, 338, 234, 26});
    tabs.Apply();
}
