#pragma once
// The buttons that start outside programs: tool programs from the "tools" folder next to the
// program, the system's device and game-controller panels and the project's web pages. These
// are other parties' programs: when one is absent nothing is started and nothing is shown.

#include <QString>

enum class ToolProgram {
    DirectInputViewer, // Direct_Input_Viewer: tools/DIView.exe
    UsbDeview,         // USBDeview: tools/USBDeview.exe
    ButtonTester,      // DAZ_Button_Tester: tools/DAZ_BtnTester.exe
    JoystickTester,    // DAZ_Joystick_Tester: tools/DAZ_JoyTester.exe
};

// Program folder + "/tools/" + the tool's file name.
QString toolProgramPath(const QString& programFolder, ToolProgram tool);

// Opens the tool's file when it is there.
void openToolProgram(const QString& programFolder, ToolProgram tool);
// Starts the program of that name found on the search path; when there is none nothing is
// started (and nothing shown). Returns whether it was handed to the shell.
bool openInstalledProgram(const QString& name);
// btn_devmgmt: the desktop's hardware overview ("hardinfo").
void openDeviceManager();
// Windows_Joysticks: the game-controller panel ("jstest-gtk").
void openGameControllerPanel();
// BtnDonate: the project's donation page.
void openDonationPage();
// The about box's address button: the project's web page.
void openProjectPage();

// The addresses the two pages open.
QString projectPageAddress();
QString donationPageAddress();
