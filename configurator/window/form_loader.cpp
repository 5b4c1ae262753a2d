// The firmware page's loader start, serial-port list and registry cleaning, the tool and panel
// buttons below the pages and the about box.

#include "components/edit/file_name_rules.h"
#include "components/image/image.h"
#include "configurator/loader/about_box.h"
#include "configurator/loader/firmware_loader.h"
#include "configurator/loader/loader_console.h"
#include "configurator/loader/registry_cleaning.h"
#include "configurator/loader/serial_ports.h"
#include "configurator/loader/tool_launchers.h"
#include "configurator/window/event_guard.h"
#include "configurator/window/main_form.h"
#include "configurator/window/named_control.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void TMForm::ConnectLoaderHandlers() {
    const std::pair<const char*, void (TMForm::*)()> buttons[] = {
        {"btnStartFirmware", &TMForm::btnStartFirmwareClick},
        {"BtnGetCPorts", &TMForm::BtnGetCPortsClick},
        {"clear_reg", &TMForm::clear_regClick},
        {"btn_about", &TMForm::btn_aboutClick},
        {"Direct_Input_Viewer", &TMForm::Direct_Input_ViewerClick},
        {"USBDeview", &TMForm::USBDeviewClick},
        {"DAZ_Button_Tester", &TMForm::DAZ_Button_TesterClick},
        {"DAZ_Joystick_Tester", &TMForm::DAZ_Joystick_TesterClick},
        {"btn_devmgmt", &TMForm::btn_devmgmtClick},
        {"Windows_Joysticks", &TMForm::Windows_JoysticksClick},
        {"BtnDonate", &TMForm::BtnDonateClick},
    };
    for (const auto& [name, handler] : buttons) {
        connect(FindNamed<QPushButton>(*this, name), &QPushButton::clicked, this,
                Guarded([this, handler = handler] { (this->*handler)(); }));
    }
    FindNamed<TWkImage>(*this, "img_red")->OnClick = TNotifyEvent(this, &TMForm::img_redClick);
    FindNamed<TWkImage>(*this, "img_grn")->OnClick = TNotifyEvent(this, &TMForm::img_grnClick);
}

// The chosen loader kind shows its template in command_file; the "--" kind runs the template
// named there. The loader runs in the window's loader console, made on first use.
void TMForm::btnStartFirmwareClick() {
    auto* commandFile = FindNamed<QLineEdit>(*this, "command_file");
    FirmwareLoaderRequest request;
    request.programFolder = programFolder_;
    request.loaderKind = FindNamed<QComboBox>(*this, "select_bootloader")->currentIndex();
    commandFile->setText(
        loaderTemplatePath(programFolder_, request.loaderKind, commandFile->text()));
    request.commandFile = commandFile->text();
    request.chip = FindNamed<QComboBox>(*this, "joy_hardware_mcu")->currentText();
    // The script quotes every value itself; the field's own quotes would reach the loader.
    request.firmwareFile = UnquoteFileName(FindNamed<QLineEdit>(*this, "FileFirm")->text());
    request.port = FindNamed<QLineEdit>(*this, "com_port")->text();
    auto* console = findChild<LoaderConsole*>(QStringLiteral("loaderConsole"));
    if (!console) {
        console = new LoaderConsole(this);
        console->setObjectName(QStringLiteral("loaderConsole"));
    }
    startFirmwareLoader(request, *console);
}

void TMForm::BtnGetCPortsClick() {
    FindNamed<QLineEdit>(*this, "com_port")->setText(GetComPortList());
}

// The keys live in the registry kept in the program folder.
void TMForm::clear_regClick() {
    Registry registry(programFolder_);
    clearJoystickRegistryKeys(registry, state_.FilterVidText, state_.FilterPidText);
}

void TMForm::btn_aboutClick() {
    showAboutBox(this);
}

void TMForm::img_redClick(QObject*) {
    showAboutBox(this);
}

void TMForm::img_grnClick(QObject*) {
    showAboutBox(this);
}

void TMForm::Direct_Input_ViewerClick() {
    openToolProgram(programFolder_, ToolProgram::DirectInputViewer);
}

void TMForm::USBDeviewClick() {
    openToolProgram(programFolder_, ToolProgram::UsbDeview);
}

void TMForm::DAZ_Button_TesterClick() {
    openToolProgram(programFolder_, ToolProgram::ButtonTester);
}

void TMForm::DAZ_Joystick_TesterClick() {
    openToolProgram(programFolder_, ToolProgram::JoystickTester);
}

void TMForm::btn_devmgmtClick() {
    openDeviceManager();
}

void TMForm::Windows_JoysticksClick() {
    openGameControllerPanel();
}

void TMForm::BtnDonateClick() {
    openDonationPage();
}
