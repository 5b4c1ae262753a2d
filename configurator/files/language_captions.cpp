#include "configurator/files/language_captions.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>
#include <array>

namespace {

struct PlainCaption {
    const char* objectName;
    int line;
};

// Controls whose caption is one language line.
constexpr std::array<PlainCaption, 84> PlainCaptions = {{
    {"grp_main", 2},
    {"btnRead_MK", 3},
    {"btnWrite_MK", 4},
    {"btnRead_PC", 5},
    {"btnWrite_PC", 6},
    {"btn_clr_dev_list", 7},
    {"btnClrConfig", 9},
    {"lbl_dev_shm", 11},
    {"lbl_dev_uptime", 13},
    {"lbl_dev_int_axis1", 14},
    {"lbl_dev_int_axis2", 15},
    {"lbl_dev_int_axis3", 16},
    {"lbl_dev_btn", 17},
    {"lbl_usb_name", 19},
    {"clear_reg", 20},
    {"TabKNP", 21},
    {"lbl_joybtn_hat", 23},
    {"lbl_hat_1_up", 24},
    {"lbl_hat_1_dw", 25},
    {"lbl_hat_1_lf", 26},
    {"lbl_hat_1_rt", 27},
    {"TabOSI", 28},
    {"lbl_osi_name", 31},
    {"lbl_osi_filter", 32},
    {"lbl_osi_invert", 33},
    {"osi_zoom_1", 34},
    {"osi_devis_1", 35},
    {"osi_redct_1", 36},
    {"osi_btn_decr", 39},
    {"osi_btn_rcnt", 40},
    {"osi_btn_incr", 41},
    {"lbl_osi_ms_step", 42},
    {"lbl_usb_pps", 71},
    {"btnRestart", 80},
    {"lbl_dev_enc", 83},
    {"btn_about", 84},
    {"lbl_osi_acal", 85},
    {"btnOpenBL", 90},
    {"lblFirmwareFile", 91},
    {"lbl_dev_mcu", 92},
    {"lblBootloader", 93},
    {"lblPort", 94},
    {"btnStartFirmware", 95},
    {"btnResetCnf", 96},
    {"BtnDonate", 97},
    {"BtnGetCPorts", 98},
    {"btn_devmgmt", 99},
    {"lbl_dev_btn_r", 100},
    {"lbl_dev_btn_c", 101},
    {"TabFMW", 103},
    {"lbl_osi_ddz", 104},
    {"TabJoyStat", 106},
    {"lbl_joy_osi_raw", 107},
    {"lbl_joy_osi_min", 108},
    {"lbl_joy_osi_max", 109},
    {"lbl_joy_osi_stp", 110},
    {"lbl_joy_osi_fps", 111},
    {"JoyStatReset", 112},
    {"lbl_dev_btn_sr", 113},
    {"lbl_led_port", 114},
    {"lbl_led_defcolor", 115},
    {"led_get", 116},
    {"led_set", 117},
    {"lbl_osi_specfunc", 119},
    {"lbl_CurveVisualAxis", 120},
    {"lbl_osi_curve_s", 121},
    {"lbl_curves", 122},
    {"lbl_osi_ldz", 123},
    {"lbl_osi_cdz", 124},
    {"lbl_osi_hdz", 125},
    {"lbl_osi_prcsn", 126},
    {"lbl_axisbutton", 127},
    {"lbl_axisbutton_b", 128},
    {"lbl_axisbutton_a", 129},
    {"lbl_axisbutton_l", 130},
    {"lbl_axisbutton_h", 131},
    {"lbl_btnpar_sft", 132},
    {"lbl_btnpar_tmr", 133},
    {"BTN_ClearButtons", 141},
    {"lbl_osi_acal_min", 146},
    {"lbl_osi_acal_cnt", 147},
    {"lbl_osi_acal_max", 148},
    {"lbl_link_error", 149},
    {"osi_mouse", 150},
}};

QString joined(const LanguageLines& lines, int first, const char* glue, int second) {
    return lines.line(first) + QLatin1String(glue) + lines.line(second);
}

void setCaption(QWidget* widget, const QString& text) {
    for (QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
            const int index = tabs->indexOf(widget);
            if (index >= 0) {
                tabs->setTabText(index, text);
                return;
            }
        }
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (widget->metaObject()->indexOfProperty("Caption") >= 0)
        widget->setProperty("Caption", text); // the library's labels publish their caption
}

} // namespace

QList<LanguageCaption> languageCaptions(const LanguageLines& lines) {
    QList<LanguageCaption> captions;
    for (const PlainCaption& caption : PlainCaptions)
        captions.append({QLatin1String(caption.objectName), lines.line(caption.line)});
    captions.append({QStringLiteral("TabOSI_SF"), lines.line(28) + QStringLiteral(" (") +
                                                      lines.line(119) + QStringLiteral(")")});
    captions.append({QStringLiteral("osi_value"), joined(lines, 102, " ", 144)});
    captions.append({QStringLiteral("osi_value_pr"), joined(lines, 102, " ", 145)});
    captions.append({QStringLiteral("hat_1_on"), lines.line(23) + QStringLiteral(" 1")});
    captions.append({QStringLiteral("hat_2_on"), lines.line(23) + QStringLiteral(" 2")});
    return captions;
}

QStringList buttonGridHeaders(const LanguageLines& lines, bool buttonGrid) {
    return {lines.line(buttonGrid ? 78 : 151),
            lines.line(134),
            lines.line(136),
            lines.line(132),
            joined(lines, 133, " ", 138),
            joined(lines, 133, " ", 139)};
}

QString buttonGridRowLabel(const LanguageLines& lines, int row) {
    return lines.line(135) + QLatin1Char(' ') + QString::number(row);
}

QList<QWidget*> applyLanguageCaptions(const FindNamedControl& find,
                                      const QList<LanguageCaption>& captions) {
    QList<QWidget*> captioned;
    for (const LanguageCaption& caption : captions) {
        if (QWidget* widget = find(caption.objectName)) {
            setCaption(widget, caption.text);
            captioned.append(widget);
        }
    }
    return captioned;
}
