#include "configurator/model/item_lists.h"
#include "configurator/window/design_items.h"
#include "configurator/window/device_list_box.h"
#include "configurator/window/form_layout.h"
#include "configurator/window/widget_factory.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

namespace {

// The connection indicator: a lamp of the given colour on the window background.
QPixmap Lamp(const QColor& color) {
    QPixmap lamp(113, 113);
    lamp.fill(Qt::transparent);
    QPainter painter(&lamp);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color.darker(160), 3));
    painter.setBrush(color);
    painter.drawEllipse(QRectF(12.5, 12.5, 88, 88));
    return lamp;
}

void BuildIndicators(QWidget* group) {
    auto* red = MakeLabel(group, QStringLiteral("img_red"), QString(), {8, 22, 113, 113});
    red->setPixmap(Lamp(QColor(220, 30, 30)));
    auto* green = MakeLabel(group, QStringLiteral("img_grn"), QString(), {8, 22, 113, 113});
    green->setPixmap(Lamp(QColor(30, 190, 60)));
    green->hide();
}

void BuildDeviceList(QWidget* group) {
    auto* list = new DeviceListBox(group);
    list->setObjectName(QStringLiteral("lstHID_DeviceList"));
    list->setGeometry(128, 22, 440, 88);
    MakeButton(group, QStringLiteral("btn_clr_dev_list"), QStringLiteral("Clear list"),
               {128, 114, 140, 26});
    MakeLabel(group, QStringLiteral("connect_status"), QString(), {128, 146, 440, 20});
}

void BuildCommands(QWidget* group) {
    MakeCombo(group, QStringLiteral("Translate"), {}, {576, 22, 130, 24});
    MakeButton(group, QStringLiteral("btn_about"), QStringLiteral("About"), {576, 52, 130, 26});
    MakeLabel(group, QStringLiteral("lbl_dev_shm"), QStringLiteral("Board"), {576, 84, 130, 18});
    MakeCombo(group, QStringLiteral("joy_hardware"), BoardItems(), {576, 104, 130, 24});
    MakeButton(group, QStringLiteral("btnRead_MK"), QStringLiteral("Read from device"),
               {716, 22, 150, 26});
    MakeButton(group, QStringLiteral("btnWrite_MK"), QStringLiteral("Write to device"),
               {716, 52, 150, 26});
    MakeButton(group, QStringLiteral("btnRead_PC"), QStringLiteral("Load from file"),
               {716, 82, 150, 26});
    MakeButton(group, QStringLiteral("btnWrite_PC"), QStringLiteral("Save to file"),
               {716, 112, 150, 26});
    MakeButton(group, QStringLiteral("btnClrConfig"), QStringLiteral("Defaults"),
               {1050, 22, 115, 26});
}

void BuildIdentity(QWidget* group) {
    MakeLabel(group, QStringLiteral("lbl_dev_uptime"), QStringLiteral("Uptime"), {876, 24, 70, 20});
    auto* uptime = MakeEdit(group, QStringLiteral("joy_uptime"), QString(), {950, 22, 90, 24});
    uptime->setReadOnly(true);
    MakeLabel(group, QStringLiteral("lbl_usb_name"), QStringLiteral("USB name"), {876, 54, 70, 20});
    MakeEdit(group, QStringLiteral("dev_name"), QString(), {950, 52, 110, 24});
    MakeLabel(group, QString(), QStringLiteral("VID / PID"), {876, 84, 70, 20});
    MakeEdit(group, QStringLiteral("dev_vid"), QString(), {950, 82, 52, 24});
    MakeEdit(group, QStringLiteral("dev_pid"), QString(), {1008, 82, 52, 24});
    MakeLabel(group, QString(), QStringLiteral("Poll, ms"), {876, 114, 70, 20});
    MakeCombo(group, QStringLiteral("dev_poll"), PollIntervalItems(), {950, 112, 52, 24});
    auto* check =
        MakeEdit(group, QStringLiteral("chk_report_info"), QString(), {576, 144, 589, 22});
    check->setReadOnly(true);
}

} // namespace

void BuildMainGroup(QWidget* form) {
    auto* group = new QGroupBox(QStringLiteral("Controller"), form);
    group->setObjectName(QStringLiteral("grp_main"));
    group->setGeometry(0, 0, 1175, 172);
    BuildIndicators(group);
    BuildDeviceList(group);
    BuildCommands(group);
    BuildIdentity(group);
}

void BuildBottomLine(QWidget* form) {
    MakeCheck(form, QStringLiteral("DebugView"), QStringLiteral("Debug"), {4, 668, 70, 22});
    auto* debug = MakeEdit(form, QStringLiteral("DebugText"), QString(), {78, 668, 400, 22});
    debug->setReadOnly(true);
    struct Tool {
        const char* name;
        const char* caption;
    };
    const Tool tools[] = {
        {"BtnDonate", "Donate"},
        {"Windows_Joysticks", "Game controllers"},
        {"Direct_Input_Viewer", "DIView"},
        {"DAZ_Joystick_Tester", "Joystick tester"},
        {"DAZ_Button_Tester", "Button tester"},
        {"USBDeview", "USBDeview"},
    };
    int x = 486;
    for (const Tool& tool : tools) {
        MakeButton(form, QString::fromLatin1(tool.name), QString::fromLatin1(tool.caption),
                   {x, 666, 112, 26});
        x += 114;
    }
}
