#pragma once
// Reading and writing the controller's configuration (reports 4, 5 and 6) and its commands
// (restart, bootloader, reset configuration on report 7), with their pauses and messages. Live
// polling is off while a sequence runs. A message box or pause runs the event loop, so after
// each one a sequence that lost its device shows the not-connected state and stops.

#include "configurator/model/controller_reports.h"
#include "configurator/model/report_codec.h"

#include <QString>

class DeviceSession;
class ExchangeWindow;
class QLineEdit;
class QPushButton;
class QWidget;

class ControllerExchange {
public:
    // Finds the check line and the restart button under root; throws std::runtime_error naming
    // a missing one.
    ControllerExchange(const QWidget& root, ExchangeWindow& window);

    void btnRead_MKClick();
    void btnWrite_MKClick();
    void btnRestartClick();
    void btnOpenBLClick();
    void btnResetCnfClick();

    // ConfigAxisBuffer, ConfigBuffer and ConfigHidBuffer as the last transfer, command, save
    // or language switch left them: the window's shared images.
    const ReportImages& Images() const { return images_; }

private:
    enum class Step { Done, DeviceLost };

    // Pauses and message boxes run the event loop: a session whose device went meanwhile shows
    // the not-connected state and ends.
    Step StillThere(const DeviceSession& session);

    // The sets a write sent out, and how many of them failed.
    struct WriteTally {
        int sent = 0;
        int failed = 0;
    };

    Step ReadImage(DeviceSession& session, ReportImage& image, std::uint8_t reportId, int length,
                   const char* failure);
    // Sends the three encoded images.
    Step WriteConfiguration(DeviceSession& session, WriteTally& tally);
    // Returns Done also after a failed set, which the tally counts.
    Step WriteImage(DeviceSession& session, ReportImage& image, int length, const char* failure,
                    WriteTally& tally);
    bool EncodeForWrite();
    void Command(ControllerCommand command);
    void ShowNoDeviceFor(ControllerCommand command);

    ExchangeWindow& window_;
    QLineEdit* checkInfo_;
    QPushButton* restart_;
    ReportImages& images_; // the window state's images
};
