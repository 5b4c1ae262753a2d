#pragma once
// Moves the configuration between the window's controls and a Config. Reading takes item
// indexes and numbers from the controls; showing writes them back without raising any change
// handler, and leaves a control alone when it already shows the value.

#include "configurator/model/config.h"
#include "configurator/window/config_controls.h"

// The configuration the controls show; the button tables come from the window's tables.
Config ReadConfig(const ConfigControls& controls,
                  const std::array<KnpRow, LogicalButtonCount>& knpTable,
                  const std::array<KbMsRow, KbMsRowCount>& kbMsTable);

// Shows config in the controls (the button tables and grids are not touched). An index that
// selects no item of its list shows the list's first item.
void ShowConfig(const ConfigControls& controls, const Config& config);

// What the axis rules write back: every row's items, spins and switches, but only the texts the
// rules set (the calibration of a row without sensor, the step of a row that is no virtual axis,
// the ranges without a button); every other text stays as typed.
void ShowAxisRules(const ConfigControls& controls, const Config& config);

// Both hats' switches and directions.
void ShowHats(const ConfigControls& controls, const Config& config);

// Enables each axis row's controls for its source and each hat's directions for its switch.
void ShowEnabling(const ConfigControls& controls, const Config& config);

// Texts of the special-function delay and speed edits, for the check's clamps: an edit whose
// number is the value keeps its text.
void ShowSlotTimings(const ConfigControls& controls, const Config& config, const QWidget* skip);

// Writes text into edit without raising its change handler; an edit that already shows it is
// left alone, so its cursor stays where the user put it.
void SetTextQuietly(QLineEdit* edit, const QString& text);

// The text an optional number shows: empty when there is none.
QString NumberText(const std::optional<int>& number);
