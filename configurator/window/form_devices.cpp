// The device list: every HID interface the controller offers, the selection of a controller by
// its ids, and the two interfaces of the selected controller the window borrows.

#include "configurator/window/device_line.h"
#include "configurator/window/event_guard.h"
#include "configurator/window/main_form.h"
#include "configurator/window/named_control.h"
#include "hid/device_access.h"
#include "hid/hid_controller.h"
#include "platform/ui/ui_host.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

constexpr USAGE ConfigurationUsage = 1;
constexpr USAGE JoystickUsage = 4;

} // namespace

void TMForm::CreateHidController() {
    hid_ = std::make_unique<TWkHidDeviceController>();
    // Handlers are set as a stored form sets them: without the rescan a new handler causes.
    hid_->SetLoading(true);
    hid_->SetOnEnumerate(TWkHidEnumerateEvent(this, &TMForm::HIDEnumerate));
    hid_->SetOnDeviceChange(TNotifyEvent(this, &TMForm::HIDDeviceChange));
    hid_->SetOnDeviceData(TWkHidDataEvent(this, &TMForm::HIDDeviceData));
    hid_->SetLoading(false);
    connect(deviceList_, &QListWidget::itemClicked, this,
            Guarded([this] { lstHID_DeviceListClick(); }));
    connect(FindNamed<QPushButton>(*this, "btn_clr_dev_list"), &QPushButton::clicked, this,
            Guarded([this] { btn_clr_dev_listClick(); }));
}

bool TMForm::HIDEnumerate(TWkHidDevice* device, int) {
    RunGuarded([&] { ListDevice(device); });
    return true;
}

void TMForm::ListDevice(TWkHidDevice* device) {
    const HIDD_ATTRIBUTES attributes = device->Attributes();
    const QString product = device->ProductName();
    const QString line =
        DeviceLine(attributes.VendorID, attributes.ProductID, product, device->SerialNumber());
    int row = -1;
    for (int i = 0; i < deviceList_->count() && row < 0; ++i) {
        if (deviceList_->item(i)->text() == line) {
            row = i;
        }
    }
    if (row < 0) {
        deviceList_->addItem(line);
        row = deviceList_->count() - 1;
    }
    const bool selected =
        attributes.VendorID == state_.FilterVid && attributes.ProductID == state_.FilterPid;
    if (!selected) {
        return;
    }
    const USAGE usage = device->Caps().Usage;
    if (usage == ConfigurationUsage && Borrow(device, state_.ConfigDevice)) {
        ShowConnected(attributes, product);
        const QSignalBlocker blocker(deviceList_);
        deviceList_->setCurrentRow(row);
    } else if (usage == JoystickUsage) {
        Borrow(device, state_.JoystickDevice);
    }
}

// Takes device into reference, giving back the interface the reference held before (a second
// interface of the same kind replaces the first).
bool TMForm::Borrow(TWkHidDevice* device, TWkHidDevice*& reference) {
    if (reference == device) {
        return true;
    }
    if (!device->CheckOut()) {
        return false;
    }
    hid_->CheckIn(reference);
    reference = device;
    return true;
}

QString TMForm::ConnectedStatusText(const HIDD_ATTRIBUTES& attributes,
                                    const QString& product) const {
    return state_.LngStrings.line(46) + QStringLiteral(" VID[") + HexId(attributes.VendorID) +
           QStringLiteral("] PID[") + HexId(attributes.ProductID) + QStringLiteral("] ") + product;
}

void TMForm::ShowConnected(const HIDD_ATTRIBUTES& attributes, const QString& product) {
    connectStatus_->setText(ConnectedStatusText(attributes, product));
    btnRead_MK_->setEnabled(true);
    btnWrite_MK_->setEnabled(true);
    btnRestart_->setEnabled(true);
    // A firmware-page command or an LED set without a controller disables these two, and
    // nothing else would ever enable them again.
    FindNamed<QPushButton>(*this, "btnOpenBL")->setEnabled(true);
    FindNamed<QPushButton>(*this, "btnResetCnf")->setEnabled(true);
    imgRed_->hide();
    imgGrn_->show();
    state_.PollingEnabled = true;
}

void TMForm::DropDevices() {
    if (hid_ != nullptr) {
        hid_->CheckIn(state_.ConfigDevice);
        hid_->CheckIn(state_.JoystickDevice);
    }
    state_.ConfigDevice = nullptr;
    state_.JoystickDevice = nullptr;
}

void TMForm::EnumerateDevices() {
    if (hid_ != nullptr) {
        hid_->Enumerate();
    }
}

void TMForm::ClearDeviceList() {
    const QSignalBlocker blocker(deviceList_);
    deviceList_->clear();
}

void TMForm::HIDDeviceChange(QObject*) {
    RunGuarded([this] {
        ClearDeviceList();
        DropDevices();
        // Shown before the scan, so the chosen controller found again (back from a restart,
        // or still there when another device came or went) shows as connected.
        ShowNoDevice();
        state_.PollingEnabled = false;
        // The poll interval stays: it belongs to the configuration being edited, which a
        // device plugged in elsewhere does not change.
        FindNamed<QLineEdit>(*this, "joy_usbpps")->clear();
        EnumerateDevices();
    });
}

void TMForm::lstHID_DeviceListClick() {
    const QListWidgetItem* item = deviceList_->currentItem();
    if (item == nullptr) {
        return;
    }
    const QString line = item->text();
    debugText_->setText(line);
    ShowNoDevice();
    const DeviceLineIds ids = ParseDeviceLine(line);
    state_.FilterVidText = ids.vidText;
    state_.FilterPidText = ids.pidText;
    state_.FilterVid = ids.vid;
    state_.FilterPid = ids.pid;
    DropDevices();
    EnumerateDevices();
    if (state_.ConfigDevice != nullptr) {
        const QString problem = AccessProblemText(*state_.ConfigDevice);
        if (!problem.isEmpty()) {
            uiHost().showMessage(problem);
        }
    }
    CheckConfig();
}

void TMForm::btn_clr_dev_listClick() {
    state_.FilterVid = 0;
    state_.FilterPid = 0;
    HIDDeviceChange(this);
}
