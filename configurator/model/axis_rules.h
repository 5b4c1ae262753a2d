#pragma once
// The rules that keep the configuration consistent while it is edited: which controls of an
// axis row are enabled for its source and what the source forces (osi_Change), the hat switches
// (hat_1_onClick) and the virtual-axis step clamp.

#include "configurator/model/config.h"

// Controls of one axis row that take input for a source.
struct AxisRowEnabled {
    bool usage = false;           // osi_N_name
    bool port = false;            // osi_N_src_port
    bool channel = false;         // osi_N_src_chnl
    bool deadZones = false;       // the four dead-zone spins
    bool filter = false;          // osi_N_filter
    bool invert = false;          // osi_N_invert
    bool autoCalibration = false; // osi_N_acal
    bool specialFunction = false; // osi_N_specfunc
    bool calibration = false;     // the three calibration edits
    bool virtualAxis = false;     // osi_N_ms_step and the three virtual-axis buttons

    bool operator==(const AxisRowEnabled&) const = default;
};

AxisRowEnabled AxisRowEnabling(int source);

// The values a row's source forces: derived auto-calibration, cleared fields of a row without
// source, of a non-virtual row and of a virtual row, and the channel of a row without ADC.
void ApplyAxisRowRule(AxisRow& row);

// osi_Change: the row rule for rows 1..10, then every axis-to-button range without a button is
// cleared.
void ApplyAxisRules(Config& config);

// hat_1_onClick: a hat that is off has no directions. Its directions are enabled exactly when
// Hat::on is set.
void ApplyHatRule(Config& config);

// The virtual-axis step of every row: empty becomes 0, above StepMax becomes StepMax, below 0
// becomes 0.
void ClampVirtualAxisSteps(Config& config);
