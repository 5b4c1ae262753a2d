#include "components/edit/file_name_edit.h"
#include "configurator/model/item_lists.h"
#include "configurator/window/color_combo.h"
#include "configurator/window/design_items.h"
#include "configurator/window/form_layout.h"
#include "configurator/window/tab_order.h"
#include "configurator/window/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int Margin = 10;
constexpr int RowHeight = 22;

// A line between groups of controls on a page.
void Separator(QWidget* page, int top) {
    auto* line = new QFrame(page);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(Margin, top, 830, 2);
}

} // namespace

void BuildLedPage(QWidget* page) {
    TabGroups tabs(page);
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
    tabs.EndGroup();
    MakeLabel(page, QStringLiteral("lbl_led_defcolor"), QStringLiteral("Start colour"),
              {StartLeft, 10, CaptionWidth, RowHeight});
    MakeColorCombo(page, QStringLiteral("led_color_init"),
                   {StartLeft + CaptionWidth + 4, 10, ColorWidth, RowHeight});
    MakeButton(page, QStringLiteral("led_get"), QStringLiteral("Read colours"),
               {StartLeft, 44, 170, 26});
    MakeButton(page, QStringLiteral("led_set"), QStringLiteral("Write colours"),
               {StartLeft, 74, 170, 26});
    tabs.Apply();
}

// Three groups: the outside loader with what it needs, the commands the controller takes, and
// the system's tools.
void BuildFirmwarePage(QWidget* page) {
    TabGroups tabs(page);
    constexpr int CaptionWidth = 160;
    constexpr int FieldLeft = Margin + CaptionWidth + 4;
    constexpr int FieldRight = 840;
    constexpr int ButtonWidth = 260;
    constexpr int ButtonStep = ButtonWidth + 10;
    auto caption = [page](const char* name, const char* text, int top) {
        MakeLabel(page, QString::fromLatin1(name), QString::fromLatin1(text),
                  {Margin, top, CaptionWidth, RowHeight});
    };
    caption("lblBootloader", "Loader", 10);
    MakeCombo(page, QStringLiteral("select_bootloader"), DesignItems::Bootloaders(),
              {FieldLeft, 10, 150, RowHeight});
    MakeEdit(page, QStringLiteral("command_file"), QStringLiteral("-"),
             {FieldLeft + 156, 10, FieldRight - FieldLeft - 156, RowHeight});
    caption("lblFirmwareFile", "Firmware file", 40);
    auto* firmwareFile = new TWkFilenameEdit(page);
    firmwareFile->setObjectName(QStringLiteral("FileFirm"));
    firmwareFile->setGeometry(FieldLeft, 40, FieldRight - FieldLeft, RowHeight);
    firmwareFile->SetFilter(QStringLiteral("Hex|*.hex"));
    firmwareFile->setText(QStringLiteral("-"));
    caption("lblPort", "Serial port", 70);
    MakeEdit(page, QStringLiteral("com_port"), QStringLiteral("COM1"),
             {FieldLeft, 70, 100, RowHeight});
    MakeButton(page, QStringLiteral("BtnGetCPorts"), QStringLiteral("List ports"),
               {FieldLeft + 106, 68, 150, 26});
    MakeCheck(page, QStringLiteral("chk_autofirmware"),
              QStringLiteral("Start when the port appears"), {FieldLeft + 266, 70, 300, RowHeight});
    caption("lbl_dev_mcu", "Microcontroller", 100);
    auto* chip = MakeCombo(page, QStringLiteral("joy_hardware_mcu"), DesignItems::Chips(),
                           {FieldLeft, 100, 150, RowHeight});
    chip->setEditable(true);
    MakeButton(page, QStringLiteral("btnStartFirmware"), QStringLiteral("Flash firmware"),
               {FieldLeft, 132, ButtonWidth, 28});
    tabs.EndGroup();

    Separator(page, 172);
    const char* commands[][2] = {{"btnOpenBL", "Start bootloader"},
                                 {"btnRestart", "Restart controller"},
                                 {"btnResetCnf", "Reset controller configuration"}};
    for (int c = 0; c < 3; ++c) {
        MakeButton(page, QString::fromLatin1(commands[c][0]), QString::fromLatin1(commands[c][1]),
                   {Margin + ButtonStep * c, 184, ButtonWidth, 28});
    }
    tabs.EndGroup();

    Separator(page, 224);
    MakeButton(page, QStringLiteral("btn_devmgmt"), QStringLiteral("Device manager"),
               {Margin, 236, ButtonWidth, 28});
    MakeButton(page, QStringLiteral("clear_reg"), QStringLiteral("Clear joystick registry keys"),
               {Margin + ButtonStep, 236, ButtonWidth, 28});
    tabs.Apply();
}
