#include "configurator/model/item_lists.h"
#include "configurator/window/design_items.h"
#include "configurator/window/form_layout.h"
#include "configurator/window/named_control.h"
#include "configurator/window/tab_order.h"
#include "configurator/window/text_fit.h"
#include "configurator/window/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

// 23 columns share the page's width: the table's controls use a font one and a half points
// smaller than the page's.
constexpr double TableFontShrink = 1.5;
constexpr int RowHeight = 22;
constexpr int Gap = 1;
constexpr int TableRight = 1170;
// Column captions stand upright above their columns, wrapped into lines side by side.
constexpr int HeaderTop = 2;
constexpr int HeaderHeight = 124;
constexpr int FirstRowTop = HeaderTop + HeaderHeight + 4;
constexpr int RowStep = 24;
constexpr int MouseHeadingTop = FirstRowTop + 8 * RowStep + 2;
constexpr int MouseRowTop = MouseHeadingTop + 20;
constexpr int IndicatorTop = MouseRowTop + 2 * RowStep + 16;

// Vertical place of axis row n; the two mouse axes sit below their own heading.
int RowTop(int n) {
    return n <= 8 ? FirstRowTop + RowStep * (n - 1) : MouseRowTop + RowStep * (n - 9);
}

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

// One column of the axis table: its header.
struct Column {
    const char* header;
    const char* headerName;
};

constexpr Column Columns[ColumnCount] = {
    {"Source", nullptr},
    {"Pin", nullptr},
    {"Ch.", nullptr},
    {"Usage", "lbl_osi_name"},
    {"Filter", "lbl_osi_filter"},
    {"Invert", "lbl_osi_invert"},
    {"Auto-calibration", "lbl_osi_acal"},
    {"Low dead zone", "lbl_osi_ldz"},
    {"Centre dead zone", "lbl_osi_cdz"},
    {"High dead zone", "lbl_osi_hdz"},
    {"Second centre zone", "lbl_osi_ddz"},
    {"Calibration min", "lbl_osi_acal_min"},
    {"Calibration centre", "lbl_osi_acal_cnt"},
    {"Calibration max", "lbl_osi_acal_max"},
    {"Precision, bits", "lbl_osi_prcsn"},
    {"Special functions", "lbl_osi_specfunc"},
    {"Step", "lbl_osi_ms_step"},
    {"Decrease", "osi_btn_decr"},
    {"Centre", "osi_btn_rcnt"},
    {"Increase", "osi_btn_incr"},
    {"Value (sensor)", "osi_value"},
    {"Value (axis)", "osi_value_pr"},
    {"Sensor errors", "lbl_link_error"},
};

// The widest number each edit of a row shows: 16-bit values, a one-byte error count.
const QString WidestValue = QStringLiteral("65535");
const QString WidestErrorCount = QStringLiteral("255");
const QString WidestStep = QStringLiteral("100");
const QString WidestDeadZone = QStringLiteral("15");

int EditWidthFor(QWidget* page, const QFont& font, const QString& widest) {
    QLineEdit probe(page);
    probe.setFont(font);
    return probe.fontMetrics().horizontalAdvance(widest) + probe.sizeHint().width() -
           probe.fontMetrics().horizontalAdvance(QString(17, QLatin1Char('x')));
}

int SpinWidthFor(QWidget* page, const QFont& font) {
    QSpinBox probe(page);
    probe.setFont(font);
    probe.setRange(0, WidestDeadZone.toInt());
    return probe.sizeHint().width();
}

// Every column as wide as its widest content in the table's font; the source and the
// auto-calibration lists, whose items are long, share what is left of the page's width.
struct Layout {
    int width[ColumnCount];

    int Left(int column) const {
        int x = Gap;
        for (int c = 0; c < column; ++c) {
            x += width[c] + Gap;
        }
        return x;
    }
    Place Cell(int column, int n) const {
        return {Left(column), RowTop(n), width[column], RowHeight};
    }
};

Layout TableLayout(QWidget* page, const QFont& font) {
    Layout layout{};
    int* w = layout.width;
    w[Port] = ComboWidthFor(page, font, PortItems());
    w[Chnl] = ComboWidthFor(page, font, ChannelItems());
    w[Usage] = ComboWidthFor(page, font, UsageItems(1) + UsageItems(9));
    w[Filter] = ComboWidthFor(page, font, FilterItems());
    w[Invert] = CheckWidthFor(page, font, QString());
    w[Dzl] = w[Dzc] = w[Dzh] = w[Dzd] = SpinWidthFor(page, font);
    w[CalMin] = w[CalCen] = w[CalMax] = EditWidthFor(page, font, WidestValue);
    w[Prcsn] = ComboWidthFor(page, font, PrecisionItems());
    w[Specfunc] = ComboWidthFor(page, font, SpecialFunctionItems());
    w[Step] = EditWidthFor(page, font, WidestStep);
    w[BtnDown] = w[BtnCentre] = w[BtnUp] = ComboWidthFor(page, font, ButtonItems());
    w[Value] = w[AxisValue] = EditWidthFor(page, font, WidestValue);
    w[Error] = EditWidthFor(page, font, WidestErrorCount);
    const int sourceWanted =
        ComboWidthFor(page, font, SourceItems(LanguageLines()) + DesignSourceItems());
    const int calibrationWanted = ComboWidthFor(page, font, DesignItems::AutoCalibration());
    w[Src] = w[Acal] = 0;
    const int left = TableRight - layout.Left(ColumnCount);
    const int spare = left - sourceWanted - calibrationWanted;
    // Room to spare goes to both halves alike (a language's items may be longer than the
    // design's); too little room is shared in proportion to what each wants.
    w[Src] = spare >= 0 ? sourceWanted + spare / 2
                        : left * sourceWanted / (sourceWanted + calibrationWanted);
    w[Acal] = left - w[Src];
    return layout;
}

void BuildHeaders(QWidget* page, const Layout& layout) {
    for (int column = 0; column < ColumnCount; ++column) {
        const Column& c = Columns[column];
        const QString name = c.headerName ? QString::fromLatin1(c.headerName) : QString();
        MakeColumnCaption(page, name, QString::fromUtf8(c.header),
                          {layout.Left(column), HeaderTop, layout.width[column], HeaderHeight});
    }
    MakeLabel(page, QStringLiteral("osi_mouse"), QStringLiteral("Mouse axes"),
              {4, MouseHeadingTop, 300, 18});
}

void BuildSelections(QWidget* page, const Layout& layout, int n) {
    auto name = [n](const char* pattern) {
        return NumberName(pattern, n);
    };
    MakeCombo(page, name("osi_%1_src"), DesignSourceItems(), layout.Cell(Src, n));
    MakeCombo(page, name("osi_%1_src_port"), PortItems(), layout.Cell(Port, n));
    MakeCombo(page, name("osi_%1_src_chnl"), ChannelItems(), layout.Cell(Chnl, n));
    MakeCombo(page, name("osi_%1_name"), UsageItems(n), layout.Cell(Usage, n));
    MakeCombo(page, name("osi_%1_filter"), FilterItems(), layout.Cell(Filter, n));
    MakeCheck(page, name("osi_%1_invert"), QString(), layout.Cell(Invert, n));
    MakeCombo(page, name("osi_%1_acal"), DesignItems::AutoCalibration(), layout.Cell(Acal, n));
    MakeCombo(page, name("osi_%1_prcsn"), PrecisionItems(), layout.Cell(Prcsn, n));
    MakeCombo(page, name("osi_%1_specfunc"), SpecialFunctionItems(), layout.Cell(Specfunc, n));
    MakeSharedListCombo(page, name("osi_%1_ms_btn_d"), ButtonItems(), layout.Cell(BtnDown, n));
    MakeSharedListCombo(page, name("osi_%1_ms_btn"), ButtonItems(), layout.Cell(BtnCentre, n));
    MakeSharedListCombo(page, name("osi_%1_ms_btn_u"), ButtonItems(), layout.Cell(BtnUp, n));
}

void BuildNumbers(QWidget* page, const Layout& layout, int n) {
    auto name = [n](const char* pattern) {
        return NumberName(pattern, n);
    };
    MakeSpin(page, name("osi_%1_dzl"), 0, 15, layout.Cell(Dzl, n));
    MakeSpin(page, name("osi_%1_dzc"), 0, 15, layout.Cell(Dzc, n));
    MakeSpin(page, name("osi_%1_dzh"), 0, 15, layout.Cell(Dzh, n));
    MakeSpin(page, name("osi_%1_dzd"), 0, 15, layout.Cell(Dzd, n));
    MakeEdit(page, name("osi_%1_acal_min"), QStringLiteral("0"), layout.Cell(CalMin, n));
    MakeEdit(page, name("osi_%1_acal_cen"), QStringLiteral("0"), layout.Cell(CalCen, n));
    MakeEdit(page, name("osi_%1_acal_max"), QStringLiteral("0"), layout.Cell(CalMax, n));
    MakeEdit(page, name("osi_%1_ms_step"), QStringLiteral("0"), layout.Cell(Step, n));
    MakeEdit(page, NumberName("joy_osi_%1_t", n, 2), QString(), layout.Cell(Value, n))
        ->setReadOnly(true);
    MakeEdit(page, NumberName("joy_osi_%1_t_axis", n, 2), QString(), layout.Cell(AxisValue, n))
        ->setReadOnly(true);
    MakeEdit(page, name("adc_error_%1"), QString(), layout.Cell(Error, n))->setReadOnly(true);
}

// The rows' controls are made inside a panel that has the table's font already: a font set on a
// combo box once it exists makes the box build its drop-down list at once, for every box.
QWidget* MakeTablePanel(QWidget* page, const QFont& font) {
    auto* panel = new QWidget(page);
    panel->setObjectName(QStringLiteral("osi_table"));
    panel->setFont(font);
    panel->setGeometry(0, 0, TableRight + Gap, MouseRowTop + 2 * RowStep);
    return panel;
}

// The live state of the controller's 96 physical button inputs.
void BuildButtonIndicators(QWidget* page) {
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

QFont AxisTableFont(const QWidget& page) {
    QFont font = page.font();
    font.setPointSizeF(font.pointSizeF() - TableFontShrink);
    return font;
}

} // namespace

void BuildAxisPage(QWidget* page) {
    const QFont font = AxisTableFont(*page);
    const Layout layout = TableLayout(page, font);
    QWidget* table = MakeTablePanel(page, font);
    for (int n = 1; n <= 10; ++n) {
        BuildSelections(table, layout, n);
        BuildNumbers(table, layout, n);
    }
    TabGroups(table).Apply();
    for (int n = 1; n <= 10; ++n) {
        FitTextFont(FindNamed<QComboBox>(*page, NumberName("osi_%1_src", n)), font);
        FitTextFont(FindNamed<QComboBox>(*page, NumberName("osi_%1_acal", n)), font);
    }
    BuildHeaders(page, layout);
    BuildButtonIndicators(page);
    TabGroups(page).Apply();
}
