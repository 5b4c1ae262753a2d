#include "configurator/loader/tool_launchers.h"

#include "platform/ui/ui_host.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

void shellOpen(const QString& target) {
    // Absent programs are expected: the result is not reported.
    uiHost().shellOpen(target, {}, QString());
}

} // namespace

QString toolProgramPath(const QString& programFolder, ToolProgram tool) {
    const char* name = "DIView.exe";
    switch (tool) {
    case ToolProgram::DirectInputViewer:
        break;
    case ToolProgram::UsbDeview:
        name = "USBDeview.exe";
        break;
    case ToolProgram::ButtonTester:
        name = "DAZ_BtnTester.exe";
        break;
    case ToolProgram::JoystickTester:
        name = "DAZ_JoyTester.exe";
        break;
    }
    return QDir(programFolder).filePath(QStringLiteral("tools/") + QLatin1String(name));
}

void openToolProgram(const QString& programFolder, ToolProgram tool) {
    // Handed to the desktop, a missing file would only make it print its own complaint.
    const QString program = toolProgramPath(programFolder, tool);
    if (QFileInfo(program).isFile())
        shellOpen(program);
}

bool openInstalledProgram(const QString& name) {
    // A bare name the shell cannot find would be taken for a web address.
    const QString program = QStandardPaths::findExecutable(name);
    if (program.isEmpty())
        return false;
    shellOpen(program);
    return true;
}

void openDeviceManager() {
    openInstalledProgram(QStringLiteral("hardinfo"));
}

void openGameControllerPanel() {
    openInstalledProgram(QStringLiteral("jstest-gtk"));
}

void openDonationPage() {
    shellOpen(donationPageAddress());
}

void openProjectPage() {
    shellOpen(projectPageAddress());
}

QString projectPageAddress() {
    return QStringLiteral("https://tavro2.example.org/");
}

QString donationPageAddress() {
    return QStringLiteral("https://tavro2.example.org/donate");
}
