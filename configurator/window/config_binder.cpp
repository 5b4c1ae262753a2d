#include "configurator/window/config_binder.h"

#include "configurator/model/axis_rules.h"
#include "configurator/model/edit_filters.h"
#include "configurator/window/color_combo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

int Index(const QComboBox* combo) {
    return std::max(combo->currentIndex(), 0);
}

void SetIndex(QComboBox* combo, int index) {
    if (index < 0 || index >= combo->count()) {
        index = 0;
    }
    if (combo->currentIndex() != index) {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(index);
    }
}

void SetValue(QSpinBox* spin, int value) {
    if (spin->value() != value) {
        const QSignalBlocker blocker(spin);
        spin->setValue(value);
    }
}

void SetChecked(QCheckBox* box, bool checked) {
    if (box->isChecked() != checked) {
        const QSignalBlocker blocker(box);
        box->setChecked(checked);
    }
}

AxisRow ReadAxis(const ControlArrays& a, int n) {
    AxisRow row;
    row.source = Index(a.OsiSrc[n]);
    row.port = Index(a.OsiSrcPort[n]);
    row.channel = Index(a.OsiSrcChnl[n]);
    row.usage = Index(a.OsiName[n]);
    row.filter = Index(a.OsiFilter[n]);
    row.invert = a.OsiInvert[n]->isChecked();
    row.autoCalibration = Index(a.OsiAcal[n]);
    row.precision = Index(a.OsiPrcsn[n]);
    row.specialFunction = Index(a.OsiSpecfunc[n]);
    row.deadZoneLow = a.OsiDzl[n]->value();
    row.deadZoneCentre = a.OsiDzc[n]->value();
    row.deadZoneHigh = a.OsiDzh[n]->value();
    row.deadZoneSecond = a.OsiDzd[n]->value();
    row.calibrationMin = LenientNumber(a.OsiAcalMin[n]->text());
    row.calibrationCentre = LenientNumber(a.OsiAcalCen[n]->text());
    row.calibrationMax = LenientNumber(a.OsiAcalMax[n]->text());
    row.step = StrictNumber(a.OsiMsStep[n]->text());
    row.buttonUp = Index(a.OsiMsBtnU[n]);
    row.buttonCentre = Index(a.OsiMsBtn[n]);
    row.buttonDown = Index(a.OsiMsBtnD[n]);
    return row;
}

// Everything of a row but its texts.
void ShowAxisChoices(const ControlArrays& a, int n, const AxisRow& row) {
    SetIndex(a.OsiSrc[n], row.source);
    SetIndex(a.OsiSrcPort[n], row.port);
    SetIndex(a.OsiSrcChnl[n], row.channel);
    SetIndex(a.OsiName[n], row.usage);
    SetIndex(a.OsiFilter[n], row.filter);
    SetChecked(a.OsiInvert[n], row.invert);
    SetIndex(a.OsiAcal[n], row.autoCalibration);
    SetIndex(a.OsiPrcsn[n], row.precision);
    SetIndex(a.OsiSpecfunc[n], row.specialFunction);
    SetValue(a.OsiDzl[n], row.deadZoneLow);
    SetValue(a.OsiDzc[n], row.deadZoneCentre);
    SetValue(a.OsiDzh[n], row.deadZoneHigh);
    SetValue(a.OsiDzd[n], row.deadZoneSecond);
    SetIndex(a.OsiMsBtnU[n], row.buttonUp);
    SetIndex(a.OsiMsBtn[n], row.buttonCentre);
    SetIndex(a.OsiMsBtnD[n], row.buttonDown);
}

void ShowCalibrationTexts(const ControlArrays& a, int n, const AxisRow& row) {
    SetTextQuietly(a.OsiAcalMin[n], QString::number(row.calibrationMin));
    SetTextQuietly(a.OsiAcalCen[n], QString::number(row.calibrationCentre));
    SetTextQuietly(a.OsiAcalMax[n], QString::number(row.calibrationMax));
}

void ShowAxis(const ControlArrays& a, int n, const AxisRow& row) {
    ShowAxisChoices(a, n, row);
    ShowCalibrationTexts(a, n, row);
    SetTextQuietly(a.OsiMsStep[n], NumberText(row.step));
}

// The texts the row rule sets: the calibration of a row without sensor, the step of a row that
// is no virtual axis.
void ShowAxisRule(const ControlArrays& a, int n, const AxisRow& row) {
    ShowAxisChoices(a, n, row);
    if (row.source <= SourceVirtual) {
        ShowCalibrationTexts(a, n, row);
    }
    if (row.source != SourceVirtual) {
        SetTextQuietly(a.OsiMsStep[n], NumberText(row.step));
    }
}

void ShowRange(const ConfigControls& c, int k, const AxisButtonRange& range) {
    SetIndex(c.rangeButtons[k], range.button);
    SetIndex(c.rangeAxes[k], range.axis);
    SetTextQuietly(c.rangeLows[k], QString::number(range.low));
    SetTextQuietly(c.rangeHighs[k], QString::number(range.high));
}

// An edit that holds value, as a number, keeps its text ("007" stays).
void ShowNumber(QLineEdit* edit, const std::optional<int>& value) {
    if (StrictNumber(edit->text()) != value) {
        SetTextQuietly(edit, NumberText(value));
    }
}

SpecialFunctionSlot ReadSlot(const ControlArrays& a, int s) {
    SpecialFunctionSlot slot;
    for (int p = 1; p <= CurvePointCount; ++p) {
        slot.points[p - 1] = a.CurvePoint[CurvePointSlot(s, p)]->value();
    }
    slot.symmetric = a.CurveSym[s]->isChecked();
    slot.button = Index(a.ZmKnp[s]);
    slot.delay = StrictNumber(a.ZmDel[s]->text());
    slot.speed = StrictNumber(a.ZmSpd[s]->text());
    return slot;
}

void ShowSlot(const ControlArrays& a, int s, const SpecialFunctionSlot& slot) {
    for (int p = 1; p <= CurvePointCount; ++p) {
        SetValue(a.CurvePoint[CurvePointSlot(s, p)], slot.points[p - 1]);
    }
    SetChecked(a.CurveSym[s], slot.symmetric);
    SetIndex(a.ZmKnp[s], slot.button);
    SetTextQuietly(a.ZmDel[s], NumberText(slot.delay));
    SetTextQuietly(a.ZmSpd[s], NumberText(slot.speed));
}

} // namespace

void SetTextQuietly(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) {
        const QSignalBlocker blocker(edit);
        edit->setText(text);
    }
}

QString NumberText(const std::optional<int>& number) {
    return number ? QString::number(*number) : QString();
}

Config ReadConfig(const ConfigControls& c, const std::array<KnpRow, LogicalButtonCount>& knpTable,
                  const std::array<KbMsRow, KbMsRowCount>& kbMsTable) {
    Config config;
    for (int n = 1; n <= AxisRowCount; ++n) {
        config.axes[n - 1] = ReadAxis(*c.rows, n);
    }
    for (int s = 1; s <= SlotCount; ++s) {
        config.specialFunctions[s - 1] = ReadSlot(*c.rows, s);
    }
    for (int hat = 0; hat < HatCount; ++hat) {
        config.hats[hat].on = c.hatOn[hat]->isChecked();
        for (int d = 0; d < 4; ++d) {
            config.hats[hat].directions[d] = Index(c.hatDirections[hat][d]);
        }
    }
    for (int k = 0; k < MatrixLineCount; ++k) {
        config.matrixRows[k] = Index(c.matrixRows[k]);
        config.matrixColumns[k] = Index(c.matrixColumns[k]);
    }
    config.knpTable = knpTable;
    config.kbMsTable = kbMsTable;
    for (int k = 0; k < ShiftButtonCount; ++k) {
        config.shiftButtons[k] = Index(c.shiftButtons[k]);
        config.buttonTimers[k] = LenientNumber(c.buttonTimers[k]->text());
    }
    for (int k = 0; k < EncoderCount; ++k) {
        config.encoders[k] = {Index(c.encoders[k][0]), Index(c.encoders[k][1])};
    }
    for (int k = 0; k < ShiftRegisterCount; ++k) {
        config.shiftRegisters[k] = {Index(c.registerPins[k]), Index(c.registerLengths[k])};
    }
    for (int k = 0; k < AxisButtonRangeCount; ++k) {
        config.axisButtonRanges[k] = {Index(c.rangeButtons[k]), Index(c.rangeAxes[k]),
                                      LenientNumber(c.rangeLows[k]->text()),
                                      LenientNumber(c.rangeHighs[k]->text())};
    }
    config.pollInterval = Index(c.poll);
    config.ledPort = Index(c.ledPort);
    config.ledColorInit = std::uint32_t(ColorToRGB(c.ledColorInit->ColorValue()));
    config.identity = {c.vendorId->text(), c.productId->text(), c.name->text()};
    return config;
}

void ShowConfig(const ConfigControls& c, const Config& config) {
    for (int n = 1; n <= AxisRowCount; ++n) {
        ShowAxis(*c.rows, n, config.axes[n - 1]);
    }
    for (int s = 1; s <= SlotCount; ++s) {
        ShowSlot(*c.rows, s, config.specialFunctions[s - 1]);
    }
    ShowHats(c, config);
    for (int k = 0; k < MatrixLineCount; ++k) {
        SetIndex(c.matrixRows[k], config.matrixRows[k]);
        SetIndex(c.matrixColumns[k], config.matrixColumns[k]);
    }
    for (int k = 0; k < ShiftButtonCount; ++k) {
        SetIndex(c.shiftButtons[k], config.shiftButtons[k]);
        SetTextQuietly(c.buttonTimers[k], QString::number(config.buttonTimers[k]));
    }
    for (int k = 0; k < EncoderCount; ++k) {
        SetIndex(c.encoders[k][0], config.encoders[k].left);
        SetIndex(c.encoders[k][1], config.encoders[k].right);
    }
    for (int k = 0; k < ShiftRegisterCount; ++k) {
        SetIndex(c.registerPins[k], config.shiftRegisters[k].pin);
        SetIndex(c.registerLengths[k], config.shiftRegisters[k].length);
    }
    for (int k = 0; k < AxisButtonRangeCount; ++k) {
        ShowRange(c, k, config.axisButtonRanges[k]);
    }
    SetIndex(c.poll, config.pollInterval);
    SetIndex(c.ledPort, config.ledPort);
    {
        const QSignalBlocker blocker(c.ledColorInit);
        c.ledColorInit->SetColorValue(TColor(config.ledColorInit));
    }
    SetTextQuietly(c.vendorId, config.identity.vendorId);
    SetTextQuietly(c.productId, config.identity.productId);
    SetTextQuietly(c.name, config.identity.name);
}

void ShowAxisRules(const ConfigControls& c, const Config& config) {
    for (int n = 1; n <= AxisRowCount; ++n) {
        ShowAxisRule(*c.rows, n, config.axes[n - 1]);
    }
    for (int k = 0; k < AxisButtonRangeCount; ++k) {
        if (config.axisButtonRanges[k].button == 0) {
            ShowRange(c, k, config.axisButtonRanges[k]);
        }
    }
}

void ShowHats(const ConfigControls& c, const Config& config) {
    for (int hat = 0; hat < HatCount; ++hat) {
        SetChecked(c.hatOn[hat], config.hats[hat].on);
        for (int d = 0; d < 4; ++d) {
            SetIndex(c.hatDirections[hat][d], config.hats[hat].directions[d]);
        }
    }
}

void ShowEnabling(const ConfigControls& c, const Config& config) {
    const ControlArrays& a = *c.rows;
    for (int n = 1; n <= AxisRowCount; ++n) {
        const AxisRowEnabled on = AxisRowEnabling(config.axes[n - 1].source);
        a.OsiName[n]->setEnabled(on.usage);
        a.OsiSrcPort[n]->setEnabled(on.port);
        a.OsiSrcChnl[n]->setEnabled(on.channel);
        for (QSpinBox* spin : {a.OsiDzl[n], a.OsiDzc[n], a.OsiDzh[n], a.OsiDzd[n]}) {
            spin->setEnabled(on.deadZones);
        }
        a.OsiFilter[n]->setEnabled(on.filter);
        a.OsiInvert[n]->setEnabled(on.invert);
        a.OsiAcal[n]->setEnabled(on.autoCalibration);
        a.OsiSpecfunc[n]->setEnabled(on.specialFunction);
        for (QLineEdit* edit : {a.OsiAcalMin[n], a.OsiAcalCen[n], a.OsiAcalMax[n]}) {
            edit->setEnabled(on.calibration);
        }
        a.OsiMsStep[n]->setEnabled(on.virtualAxis);
        for (QComboBox* combo : {a.OsiMsBtnD[n], a.OsiMsBtn[n], a.OsiMsBtnU[n]}) {
            combo->setEnabled(on.virtualAxis);
        }
    }
    for (int hat = 0; hat < HatCount; ++hat) {
        for (QComboBox* direction : c.hatDirections[hat]) {
            direction->setEnabled(config.hats[hat].on);
        }
    }
}

void ShowSlotTimings(const ConfigControls& c, const Config& config, const QWidget* skip) {
    for (int s = 1; s <= SlotCount; ++s) {
        const SpecialFunctionSlot& slot = config.specialFunctions[s - 1];
        if (c.rows->ZmDel[s] != skip) {
            ShowNumber(c.rows->ZmDel[s], slot.delay);
        }
        if (c.rows->ZmSpd[s] != skip) {
            ShowNumber(c.rows->ZmSpd[s], slot.speed);
        }
    }
}
