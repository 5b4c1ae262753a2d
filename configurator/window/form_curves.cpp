// The special-function slot editors: the clicked curve becomes the shown one and its nine
// point editors are highlighted.

#include "configurator/window/click_filter.h"
#include "configurator/window/control_color.h"
#include "configurator/window/event_guard.h"
#include "configurator/window/main_form.h"

#include <QCheckBox>
#include <QSpinBox>

void TMForm::osi_S_curve_Click(int slot) {
    state_.SelectedCurve = slot;
    CurveVisualRefrash();
}

void TMForm::CurveVisualRefrash() {
    for (int point = 1; point <= CurveSlots * CurvePoints; ++point) {
        SetControlColor(arrays_.CurvePoint[point], QPalette::Base, clWindow);
    }
    if (state_.SelectedCurve < 1 || state_.SelectedCurve > CurveSlots) {
        return;
    }
    for (int point = 1; point <= CurvePoints; ++point) {
        QSpinBox* spin = arrays_.CurvePoint[CurvePointSlot(state_.SelectedCurve, point)];
        SetControlColor(spin, QPalette::Base, clSkyBlue);
        spin->setValue(spin->value());
    }
    ShowCurveChart();
}

void TMForm::osi_1_curve_03Change() {
    CurveVisualRefrash();
}

void TMForm::ConnectCurveHandlers() {
    for (int slot = 1; slot <= CurveSlots; ++slot) {
        for (int point = 1; point <= CurvePoints; ++point) {
            QSpinBox* spin = arrays_.CurvePoint[CurvePointSlot(slot, point)];
            ClickFilter::Install(spin, [this, slot] { osi_S_curve_Click(slot); });
            connect(spin, &QSpinBox::valueChanged, this, Guarded([this] { CurveVisualRefrash(); }));
        }
        connect(arrays_.CurveSym[slot], &QCheckBox::toggled, this,
                Guarded([this] { CurveVisualRefrash(); }));
    }
}
