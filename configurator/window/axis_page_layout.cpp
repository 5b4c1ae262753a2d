#include "configurator/model/item_lists.h"
#include "configurator/window/design_items.h"
#include "configurator/window/form_layout.h"
#include "configurator/window/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

constexpr int RowHeight = 22;
constexpr int Gap = 2;
// Column captions stand upright above their columns, wrapped into lines side by side.
constexpr int HeaderTop = 2;
constexpr int HeaderHeight = 110;
constexpr int FirstRowTop = HeaderTop + HeaderHeight + 4;
constexpr int RowStep = 24;
constexpr int MouseHeadingTop = FirstRowTop + 8 * RowStep + 2;
constexpr int MouseRowTop = MouseHeadingTop + 20;
constexpr int ButtonsHeadingTop = MouseRowTop + 2 * RowStep + 8;
constexpr int IndicatorTop = ButtonsHeadingTop + 20;
constexpr int CheckWidth = 18;

// Vertical place of axis row n; the two mouse axes sit below their own heading.
int RowTop(int n) {
    return n <= 8 ? FirstRowTop + RowStep * (n - 1) : MouseRowTop + RowStep * (n - 9);
}

// One column of the axis table: its header and the control of every row.
struct Column {
    int width;
    const char* header;
    const char* headerName;
};

// Column order of a row; the x position of each follows from the widths.
enum ColumnIndex {
    Src,
    Port,
    Chnl,
    Usage,
    Filter,
    Invert,
    Acal,
    Dzl,
    Dzc,
    Dzh,
    Dzd,
    CalMin,
    CalCen,
    CalMax,
    Prcsn,
    Specfunc,
    Step,
    BtnDown,
    BtnCentre,
    BtnUp,
    Value,
    AxisValue,
    Error,
    ColumnCount
};

constexpr Column Columns[ColumnCount] = {
    {80, "Source", nullptr},
    {40, "Pin", nullptr},
    {34, "Ch.", nullptr},
    {56, "Usage", "lbl_osi_name"},
    {46, "Filter", "lbl_osi_filter"},
    {48, "Invert", "lbl_osi_invert"},
    {70, "Auto-calibration", "lbl_osi_acal"},
    {42, "Low dead zone", "lbl_osi_ldz"},
    {42, "Centre dead zone", "lbl_osi_cdz"},
    {42, "High dead zone", "lbl_osi_hdz"},
    {38, "Second centre zone", "lbl_osi_ddz"},
    {56, "Calibration min", "lbl_osi_acal_min"},
    {56, "Calibration centre", "lbl_osi_acal_cnt"},
    {56, "Calibration max", "lbl_osi_acal_max"},
    {48, "Precision, bits", "lbl_osi_prcsn"},
    {62, "Special functions", "lbl_osi_specfunc"},
    {32, "Step", "lbl_osi_ms_step"},
    {50, "Decrease", "osi_btn_decr"},
    {38, "Centre", "osi_btn_rcnt"},
    {48, "Increase", "osi_btn_incr"},
    {46, "Value (sensor)", "osi_value"},
    {46, "Value (axis)", "osi_value_pr"},
    {44, "Sensor errors", "lbl_link_error"},
};

int ColumnLeft(int column) {
    int x = Gap;
    for (int c = 0; c < column; ++c) {
        x += Columns[c].width + Gap;
    }
    return x;
}

Place Cell(int column, int n) {
    return {ColumnLeft(column), RowTop(n), Columns[column].width, RowHeight};
}

void BuildHeaders(QWidget* page) {
    for (int column = 0; column < ColumnCount; ++column) {
        const Column& c = Columns[column];
        const QString name = c.headerName ? QString::fromLatin1(c.headerName) : QString();
        MakeColumnCaption(page, name, QString::fromUtf8(c.header),
                          {ColumnLeft(column), HeaderTop, c.width, HeaderHeight});
    }
    MakeLabel(page, QStringLiteral("osi_mouse"), QStringLiteral("Mouse axes"),
              {4, MouseHeadingTop, 300, 18});
}

void BuildSelections(QWidget* page, int n) {
    auto name = [n](const char* pattern) {
        return NumberName(pattern, n);
    };
    MakeCombo(page, name("osi_%1_src"), DesignSourceItems(), Cell(Src, n));
    MakeCombo(page, name("osi_%1_src_port"), PortItems(), Cell(Port, n));
    MakeCombo(page, name("osi_%1_src_chnl"), ChannelItems(), Cell(Chnl, n));
    MakeCombo(page, name("osi_%1_name"), UsageItems(n), Cell(Usage, n));
    MakeCombo(page, name("osi_%1_filter"), FilterItems(), Cell(Filter, n));
    const Place invert = Cell(Invert, n);
    MakeCheck(page, name("osi_%1_invert"), QString(),
              {invert.x + (invert.width - CheckWidth) / 2, invert.y, CheckWidth, RowHeight});
    MakeCombo(page, name("osi_%1_acal"), DesignItems::AutoCalibration(), Cell(Acal, n));
    MakeCombo(page, name("osi_%1_prcsn"), PrecisionItems(), Cell(Prcsn, n));
    MakeCombo(page, name("osi_%1_specfunc"), SpecialFunctionItems(), Cell(Specfunc, n));
    MakeCombo(page, name("osi_%1_ms_btn_d"), ButtonItems(), Cell(BtnDown, n));
    MakeCombo(page, name("osi_%1_ms_btn"), ButtonItems(), Cell(BtnCentre, n));
    MakeCombo(page, name("osi_%1_ms_btn_u"), ButtonItems(), Cell(BtnUp, n));
}

void BuildNumbers(QWidget* page, int n) {
    auto name = [n](const char* pattern) {
        return NumberName(pattern, n);
    };
    MakeSpin(page, name("osi_%1_dzl"), 0, 15, Cell(Dzl, n));
    MakeSpin(page, name("osi_%1_dzc"), 0, 15, Cell(Dzc, n));
    MakeSpin(page, name("osi_%1_dzh"), 0, 15, Cell(Dzh, n));
    MakeSpin(page, name("osi_%1_dzd"), 0, 15, Cell(Dzd, n));
    MakeEdit(page, name("osi_%1_acal_min"), QStringLiteral("0"), Cell(CalMin, n));
    MakeEdit(page, name("osi_%1_acal_cen"), QStringLiteral("0"), Cell(CalCen, n));
    MakeEdit(page, name("osi_%1_acal_max"), QStringLiteral("0"), Cell(CalMax, n));
    MakeEdit(page, name("osi_%1_ms_step"), QStringLiteral("0"), Cell(Step, n));
    MakeEdit(page, NumberName("joy_osi_%1_t", n, 2), QString(), Cell(Value, n))->setReadOnly(true);
    MakeEdit(page, NumberName("joy_osi_%1_t_axis", n, 2), QString(), Cell(AxisValue, n))
        ->setReadOnly(true);
    MakeEdit(page, name("adc_error_%1"), QString(), Cell(Error, n))->setReadOnly(true);
}

void BuildButtonIndicators(QWidget* page) {
    MakeLabel(page, QStringLiteral("lbl_dev_btn"), QStringLiteral("Buttons"),
              {4, ButtonsHeadingTop, 300, 18});
    for (int k = 1; k <= 96; ++k) {
        const int column = (k - 1) % 48;
        const int line = (k - 1) / 48;
        auto* indicator = MakeLabel(page, NumberName("joy_knp_%1", k, 2), QString::number(k),
                                    {4 + 24 * column, IndicatorTop + 24 * line, 22, 22});
        indicator->setAlignment(Qt::AlignCenter);
        indicator->setFrameShape(QFrame::Panel);
        indicator->setFrameShadow(QFrame::Sunken);
        indicator->setAutoFillBackground(true);
    }
}

} // namespace

void BuildAxisPage(QWidget* page) {
    BuildHeaders(page);
    for (int n = 1; n <= 10; ++n) {
        BuildSelections(page, n);
        BuildNumbers(page, n);
    }
    BuildButtonIndicators(page);
}
