#include "configurator/model/axis_rules.h"

#include <algorithm>

namespace {

constexpr int SourceKma200 = 3;
constexpr int AutoCalibrationCentre = 1;
constexpr int AutoCalibrationFull = 2;

bool HasAdcChannel(int source) {
    return source == 5 || source == 6 || source == 7 || source == 9 || source == 11;
}

bool CalibratesItself(int source) {
    return source == SourceKma200 || source == 8 || source == 9 || source == 10;
}

void DeriveAutoCalibration(AxisRow& row) {
    if (row.autoCalibration == 0 && CalibratesItself(row.source))
        row.autoCalibration = AutoCalibrationFull;
    if (row.autoCalibration == 0 && row.deadZoneLow > 0)
        row.autoCalibration = AutoCalibrationFull;
    if (row.autoCalibration == 0 && row.deadZoneHigh > 0)
        row.autoCalibration = AutoCalibrationFull;
    if (row.autoCalibration == 0 && row.deadZoneCentre > 0)
        row.autoCalibration = AutoCalibrationCentre;
}

void ClearSignalProcessing(AxisRow& row) {
    row.invert = false;
    row.autoCalibration = 0;
    row.calibrationMin = 0;
    row.calibrationCentre = 0;
    row.calibrationMax = 0;
    row.filter = 0;
}

} // namespace

AxisRowEnabled AxisRowEnabling(int source) {
    AxisRowEnabled e;
    const bool any = source > SourceNone;
    e.usage = any;
    e.port = source > SourceVirtual;
    e.channel = HasAdcChannel(source);
    e.deadZones = e.filter = e.invert = e.autoCalibration = any;
    e.specialFunction = e.calibration = any;
    e.virtualAxis = source == SourceVirtual;
    return e;
}

void ApplyAxisRowRule(AxisRow& row) {
    DeriveAutoCalibration(row);
    if (row.source == SourceNone) {
        row.port = 0;
        row.channel = 0;
        row.deadZoneLow = row.deadZoneCentre = row.deadZoneHigh = row.deadZoneSecond = 0;
        ClearSignalProcessing(row);
        row.usage = 0;
        row.specialFunction = 0;
        row.precision = 0;
    }
    if (row.source != SourceVirtual) {
        row.step = 0;
        row.buttonUp = row.buttonCentre = row.buttonDown = 0;
    } else {
        ClearSignalProcessing(row);
    }
    if (!AxisRowEnabling(row.source).channel)
        row.channel = 0;
}

void ApplyAxisRules(Config& config) {
    for (AxisRow& row : config.axes)
        ApplyAxisRowRule(row);
    for (AxisButtonRange& range : config.axisButtonRanges)
        if (range.button == 0)
            range = AxisButtonRange{};
}

void ApplyHatRule(Config& config) {
    for (Hat& hat : config.hats)
        if (!hat.on)
            hat.directions = {};
}

void ClampVirtualAxisSteps(Config& config) {
    for (AxisRow& row : config.axes)
        row.step = std::clamp(row.step.value_or(0), 0, StepMax);
}
