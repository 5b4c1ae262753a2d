// The firmware page's loader start, serial-port list and registry cleaning, the tool and panel
// buttons below the pages and the about box.

#include "components/edit/file_name_rules.h"
#include "configurator/loader/about_box.h"
#include "configurator/loader/firmware_loader.h"
#include "configurator/loader/loader_console.h"
#include "configurator/loader/registry_cleaning.h"
#include "configurator/loader/serial_ports.h"
#include "configurator/loader/tool_launchers.h"
#include "configurator/window/click_filter.h"
#include "configurator/window/event_guard.h"
#include "configurator/window/main_form.h"
#include "configurator/window/named_control.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

void TMForm::ConnectLoaderHandlers() {
    const QString folder = programFolder_;
    const std::pair<const char*, std::function<void()>> buttons[] = {
        {"btnStartFirmware",
         [this] {
             btnStartFirmwareClick();
         }},
        {"BtnGetCPorts",
         [this] {
             BtnGetCPortsClick();
         }},
        {"clear_reg",
         [this] {
             clear_regClick();
         }},
        {"btn_about",
         [this] {
             btn_aboutClick();
         }},
        {"Direct_Input_Viewer",
         [folder] {
             openToolProgram(folder, ToolProgram::DirectInputViewer);
         }},
        {"USBDeview",
         [folder] {
             openToolProgram(folder, ToolProgram::UsbDeview);
         }},
        {"DAZ_Button_Tester",
         [folder] {
             openToolProgram(folder, ToolProgram::ButtonTester);
         }},
        {"DAZ_Joystick_Tester",
         [folder] {
             openToolProgram(folder, ToolProgram::JoystickTester);
         }},
        {"btn_devmgmt",
         [] {
             openDeviceManager();
         }},
        {"Windows_Joysticks",
         [] {
             openGameControllerPanel();
         }},
        {"BtnDonate",
         [] {
             openDonationPage();
         }},
    };
    for (const auto& [name, handler] : buttons) {
        connect(FindNamed<QPushButton>(*this, name), &QPushButton::clicked, this, Guarded(handler));
    }
    ClickFilter::Install(imgRed_, [this] { btn_aboutClick(); });
    ClickFilter::Install(imgGrn_, [this] { btn_aboutClick(); });
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
