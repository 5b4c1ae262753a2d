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
constexpr int Gap = 3;

// Vertical place of axis row n; the two mouse axes sit below their own heading.
int RowTop(int n) {
    return n <= 8 ? 22 + 24 * (n - 1) : 238 + 24 * (n - 9);
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
    {104, "Source", nullptr},
    {50, "Pin", nullptr},
    {40, "Ch.", nullptr},
    {70, "Usage", "lbl_osi_name"},
    {50, "Filter", "lbl_osi_filter"},
    {20, "Inv", "lbl_osi_invert"},
    {70, "Calibration", "lbl_osi_acal"},
    {38, "Low", "lbl_osi_ldz"},
    {38, "Centre", "lbl_osi_cdz"},
    {38, "High", "lbl_osi_hdz"},
    {38, "Centre 2", "lbl_osi_ddz"},
    {48, "Min", "lbl_osi_acal_min"},
    {48, "Centre", "lbl_osi_acal_cnt"},
    {48, "Max", "lbl_osi_acal_max"},
    {44, "Bits", "lbl_osi_prcsn"},
    {44, "Func.", "lbl_osi_specfunc"},
    {36, "Step", "lbl_osi_ms_step"},
    {46, "Down", "osi_btn_decr"},
    {46, "Centre", "osi_btn_rcnt"},
    {46, "Up", "osi_btn_incr"},
    {46, "Raw", "osi_value"},
    {46, "Axis", "osi_value_pr"},
    {28, "Err", "lbl_link_error"},
};

int ColumnLeft(int column) {
    int x = 2;
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
        auto* label = MakeLabel(page, name, QString::fromUtf8(c.header),
                                {ColumnLeft(column), 2, c.width, 18});
        label->setToolTip(label->text());
    }
    MakeLabel(page, QStringLiteral("osi_mouse"), QStringLiteral("Mouse"), {4, 218, 200, 18});
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
    MakeCheck(page, name("osi_%1_invert"), QString(), Cell(Invert, n));
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
    MakeLabel(page, QStringLiteral("lbl_dev_btn"), QStringLiteral("Buttons"), {4, 290, 200, 18});
    for (int k = 1; k <= 96; ++k) {
        const int column = (k - 1) % 48;
        const int line = (k - 1) / 48;
        auto* indicator = MakeLabel(page, NumberName("joy_knp_%1", k, 2), QString::number(k),
                                    {4 + 24 * column, 310 + 24 * line, 22, 22});
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
