#include "configurator/model/item_lists.h"
#include "configurator/window/color_combo.h"
#include "configurator/window/design_items.h"
#include "configurator/window/form_layout.h"
#include "configurator/window/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int Margin = 10;
constexpr int RowHeight = 22;

} // namespace

void BuildLedPage(QWidget* page) {
    constexpr int CaptionWidth = 140;
    constexpr int ColorLeft = Margin + CaptionWidth + 4;
    constexpr int ColorWidth = 130;
    constexpr int StartLeft = ColorLeft + ColorWidth + 40;
    MakeLabel(page, QStringLiteral("lbl_led_port"), QStringLiteral("LED pin"),
              {Margin, 10, CaptionWidth, RowHeight});
    MakeCombo(page, QStringLiteral("led_port"), PortItems(), {ColorLeft, 10, 60, RowHeight});
    for (int k = 1; k <= 10; ++k) {
        const int y = 44 + 28 * (k - 1);
        MakeLabel(page, QString(), QStringLiteral("LED %1").arg(k),
                  {Margin, y, CaptionWidth, RowHeight});
        MakeColorCombo(page, NumberName("led_color_%1", k, 2),
                       {ColorLeft, y, ColorWidth, RowHeight});
    }
    MakeLabel(page, QStringLiteral("lbl_led_defcolor"), QStringLiteral("Start colour"),
              {StartLeft, 10, CaptionWidth, RowHeight});
    MakeColorCombo(page, QStringLiteral("led_color_init"),
                   {StartLeft + CaptionWidth + 4, 10, ColorWidth, RowHeight});
    MakeButton(page, QStringLiteral("led_get"), QStringLiteral("Read colours"),
               {StartLeft, 44, 170, 26});
    MakeButton(page, QStringLiteral("led_set"), QStringLiteral("Write colours"),
               {StartLeft, 74, 170, 26});
}

void BuildFirmwarePage(QWidget* page) {
    MakeLabel(page, QStringLiteral("lblBootloader"), QStringLiteral("Loader"), {10, 10, 126, 22});
    MakeCombo(page, QStringLiteral("select_bootloader"), DesignItems::Bootloaders(),
              {140, 10, 150, 22});
    MakeEdit(page, QStringLiteral("command_file"), QStringLiteral("-"), {300, 10, 500, 22});
    MakeLabel(page, QStringLiteral("lblFirmwareFile"), QStringLiteral("Firmware file"),
              {10, 40, 126, 22});
    MakeEdit(page, QStringLiteral("FileFirm"), QString(), {140, 40, 660, 22});
    MakeLabel(page, QStringLiteral("lblPort"), QStringLiteral("Port"), {10, 70, 126, 22});
    MakeEdit(page, QStringLiteral("com_port"), QStringLiteral("COM1"), {140, 70, 100, 22});
    MakeButton(page, QStringLiteral("BtnGetCPorts"), QStringLiteral("Get ports"),
               {250, 68, 140, 26});
    MakeCheck(page, QStringLiteral("chk_autofirmware"),
              QStringLiteral("Start when the port appears"), {400, 70, 260, 22});
    MakeLabel(page, QStringLiteral("lbl_dev_mcu"), QStringLiteral("Chip"), {10, 100, 126, 22});
    auto* chip = MakeCombo(page, QStringLiteral("joy_hardware_mcu"), DesignItems::Chips(),
                           {140, 100, 150, 22});
    chip->setEditable(true);
    const char* commands[][2] = {{"btnStartFirmware", "Start loader"},
                                 {"btnOpenBL", "Bootloader"},
                                 {"btnRestart", "Restart"},
                                 {"btnResetCnf", "Reset configuration"}};
    for (int c = 0; c < 4; ++c) {
        MakeButton(page, QString::fromLatin1(commands[c][0]), QString::fromLatin1(commands[c][1]),
                   {10 + 210 * c, 140, 200, 28});
    }
    MakeButton(page, QStringLiteral("btn_devmgmt"), QStringLiteral("Device manager"),
               {10, 180, 200, 28});
    MakeButton(page, QStringLiteral("clear_reg"), QStringLiteral("Clear joystick registry"),
               {220, 180, 200, 28});
}
