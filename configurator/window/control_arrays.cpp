#include "configurator/window/control_arrays.h"

#include "configurator/window/named_control.h"
#include "configurator/window/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

namespace {

template <typename Control, std::size_t Size>
void Fill(std::array<Control*, Size>& array, const QWidget& root, const char* pattern,
          int width = 1, int count = int(Size) - 1) {
    for (int n = 1; n <= count; ++n) {
        array[n] = FindNamed<Control>(root, NumberName(pattern, n, width));
    }
}

} // namespace

ControlArrays AssignObjects(const QWidget& root) {
    ControlArrays a;
    Fill(a.OsiSrc, root, "osi_%1_src");
    Fill(a.OsiSrcPort, root, "osi_%1_src_port");
    Fill(a.OsiSrcChnl, root, "osi_%1_src_chnl");
    Fill(a.OsiName, root, "osi_%1_name");
    Fill(a.OsiFilter, root, "osi_%1_filter");
    Fill(a.OsiDzl, root, "osi_%1_dzl");
    Fill(a.OsiDzc, root, "osi_%1_dzc");
    Fill(a.OsiDzh, root, "osi_%1_dzh");
    Fill(a.OsiDzd, root, "osi_%1_dzd");
    Fill(a.OsiAcal, root, "osi_%1_acal");
    Fill(a.OsiAcalMin, root, "osi_%1_acal_min");
    Fill(a.OsiAcalCen, root, "osi_%1_acal_cen");
    Fill(a.OsiAcalMax, root, "osi_%1_acal_max");
    Fill(a.OsiInvert, root, "osi_%1_invert");
    Fill(a.OsiMsStep, root, "osi_%1_ms_step");
    Fill(a.OsiMsBtnD, root, "osi_%1_ms_btn_d");
    Fill(a.OsiMsBtn, root, "osi_%1_ms_btn");
    Fill(a.OsiMsBtnU, root, "osi_%1_ms_btn_u");
    Fill(a.OsiSpecfunc, root, "osi_%1_specfunc");
    Fill(a.OsiPrcsn, root, "osi_%1_prcsn");
    Fill(a.OsiValue, root, "joy_osi_%1_t", 2);
    Fill(a.OsiAxisValue, root, "joy_osi_%1_t_axis", 2);
    Fill(a.StatRaw, root, "joy_osi_raw_%1", 2, StatisticsAxes);
    Fill(a.StatMin, root, "joy_osi_min_%1", 2, StatisticsAxes);
    Fill(a.StatMax, root, "joy_osi_max_%1", 2, StatisticsAxes);
    Fill(a.StatStp, root, "joy_osi_stp_%1", 2, StatisticsAxes);
    Fill(a.StatFps, root, "joy_osi_fps_%1", 2, StatisticsAxes);
    Fill(a.ZmKnp, root, "osi_%1_zm_knp");
    Fill(a.ZmDel, root, "osi_%1_zm_del");
    Fill(a.ZmSpd, root, "osi_%1_zm_spd");
    Fill(a.CurveSym, root, "osi_%1_curve_s");
    for (int slot = 1; slot <= CurveSlots; ++slot) {
        for (int point = 1; point <= CurvePoints; ++point) {
            a.CurvePoint[CurvePointSlot(slot, point)] = FindNamed<QSpinBox>(
                root,
                QStringLiteral("osi_%1_curve_%2").arg(slot).arg(point, 2, 10, QLatin1Char('0')));
        }
    }
    return a;
}
