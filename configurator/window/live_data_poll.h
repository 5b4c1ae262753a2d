#pragma once
// The work of the 100 ms live-data timer: on the firmware page it watches for the serial port
// named in com_port (and starts the loader once when asked to); on the four configuration pages,
// while live polling is on, it reads report 7 from the controller and shows it.

#include "configurator/window/live_data_view.h"

class ExchangeWindow;
class QCheckBox;
class QLineEdit;

class LiveDataPoll {
public:
    // Finds the controls under root by name; throws std::runtime_error naming a missing one.
    LiveDataPoll(const QWidget& root, const ControlArrays& arrays, ExchangeWindow& window);

    // One tick; the caller pauses the timer around it.
    void Run();

private:
    void WatchSerialPort();
    void ReadLiveData();

    ExchangeWindow& window_;
    QLineEdit* comPort_;
    QCheckBox* autoFirmware_;
    LiveDataView view_;
};
