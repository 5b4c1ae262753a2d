#pragma once
// Puts one live-data report into the window: board and chip, uptime, the raw value and axis
// output of each axis row that has a source, the 96 button indicators, the debug line and the
// sensor error counters. Only what changed since the last report is touched.

#include "configurator/model/live_data.h"
#include "configurator/window/control_arrays.h"

#include <array>
#include <optional>

class ExchangeWindow;
class QComboBox;
class QLabel;
class QLineEdit;

class LiveDataView {
public:
    // Finds the controls under root by name; throws std::runtime_error naming a missing one.
    LiveDataView(const QWidget& root, const ControlArrays& arrays, ExchangeWindow& window);

    // Shows data. With curvePage the axis chosen in CurveVisualAxis also moves the curve
    // chart's cursor. A board outside the known ones leaves the board and chip boxes alone.
    void Show(const LiveData& data, bool curvePage);

private:
    void ShowBoard(int board);
    void ShowButtons(const LiveData& data);
    void ShowAxisOutputs(const LiveData& data, bool curvePage);
    bool RowHasSource(int row) const;

    const ControlArrays& arrays_;
    ExchangeWindow& window_;
    QComboBox* hardware_;
    QComboBox* hardwareMcu_;
    QLineEdit* uptime_;
    QLineEdit* debugText_;
    QComboBox* curveAxis_;
    QLineEdit* curveAxisValue_;
    std::array<QLabel*, LiveButtonCount> buttons_{};
    // What each lamp shows, empty before the first report: a lamp's palette is set only when its
    // button changes, as setting it relays out and repaints the lamp.
    std::array<std::optional<bool>, LiveButtonCount> lampsPressed_{};
    std::array<QLineEdit*, LiveAxisCount> errorCounters_{};
};
