#include "components/image/image.h"
#include "configurator/model/item_lists.h"
#include "configurator/window/design_items.h"
#include "configurator/window/device_list_box.h"
#include "configurator/window/form_layout.h"
#include "configurator/window/tab_order.h"
#include "configurator/window/text_fit.h"
#include "configurator/window/widget_factory.h"
#include "pictures/gif/gif_image.h"
#include "pictures/status/status_pictures.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// A connection indicator: a lamp picture on the window background.
TWkImage* MakeStatusImage(QWidget* group, const QString& name, const QByteArray& gif) {
    auto* image = new TWkImage(group);
    image->setObjectName(name);
    image->setGeometry(8, 22, 113, 113);
    TWkGIFImage picture;
    picture.LoadFromBytes(gif);
    image->Picture().SetGraphic(&picture);
    return image;
}

// Five control rows fill the group above the check line.
constexpr int RowTop = 18;
constexpr int RowStep = 22;
constexpr int RowHeight = 21;
constexpr int ListLeft = 128;
constexpr int ListWidth = 312;
constexpr int LanguageLeft = ListLeft + ListWidth + 8;
constexpr int LanguageWidth = 170;
constexpr int CommandLeft = LanguageLeft + LanguageWidth + 8;
constexpr int CommandWidth = 180;
constexpr int IdentityLabelLeft = CommandLeft + CommandWidth + 8;
constexpr int IdentityLabelWidth = 170;
constexpr int IdentityLeft = IdentityLabelLeft + IdentityLabelWidth + 4;
constexpr int GroupRight = 1165;
constexpr int CheckTop = RowTop + 5 * RowStep + 1;
constexpr int CheckHeight = 20;
constexpr int GroupHeight = PagesTop - 2;

int Row(int row) {
    return RowTop + RowStep * row;
}

void BuildIndicators(QWidget* group) {
    MakeStatusImage(group, QStringLiteral("img_red"), RedLampGif());
    MakeStatusImage(group, QStringLiteral("img_grn"), GreenLampGif())->hide();
}

void BuildDeviceList(QWidget* group) {
    auto* list = new DeviceListBox(group);
    list->setObjectName(QStringLiteral("lstHID_DeviceList"));
    list->setGeometry(ListLeft, RowTop, ListWidth, 3 * RowStep + RowHeight - 4);
    MakeButton(group, QStringLiteral("btn_clr_dev_list"), QStringLiteral("Clear list"),
               {ListLeft, Row(4) - 1, 150, RowHeight + 1});
    MakeLabel(group, QStringLiteral("connect_status"), QString(),
              {ListLeft, CheckTop, ListWidth, CheckHeight});
}

void BuildLanguageAndBoard(QWidget* group) {
    MakeCombo(group, QStringLiteral("Translate"), {},
              {LanguageLeft, Row(0), LanguageWidth, RowHeight});
    MakeButton(group, QStringLiteral("btn_about"), QStringLiteral("About"),
               {LanguageLeft, Row(1), LanguageWidth, RowHeight});
    MakeLabel(group, QStringLiteral("lbl_dev_shm"), QStringLiteral("Board"),
              {LanguageLeft, Row(2) + 2, LanguageWidth, RowHeight - 2});
    MakeCombo(group, QStringLiteral("joy_hardware"), BoardItems(),
              {LanguageLeft, Row(3), LanguageWidth, RowHeight});
}

// Where the configuration goes to and comes from, and back to the defaults.
void BuildCommands(QWidget* group) {
    const char* commands[][2] = {{"btnRead_MK", "Read from controller"},
                                 {"btnWrite_MK", "Write to controller"},
                                 {"btnRead_PC", "Load from file"},
                                 {"btnWrite_PC", "Save to file"},
                                 {"btnClrConfig", "Reset configuration"}};
    for (int row = 0; row < 5; ++row) {
        MakeButton(group, QString::fromLatin1(commands[row][0]),
                   QString::fromLatin1(commands[row][1]),
                   {CommandLeft, Row(row), CommandWidth, RowHeight});
    }
}

// One identity row: its caption on the left, the control of the given width on the right.
void IdentityCaption(QWidget* group, const char* name, const char* text, int row) {
    MakeLabel(group, QString::fromLatin1(name), QString::fromLatin1(text),
              {IdentityLabelLeft, Row(row), IdentityLabelWidth, RowHeight});
}

Place IdentityPlace(int row, int width) {
    return {IdentityLeft, Row(row), width, RowHeight};
}

void BuildIdentity(QWidget* group) {
    IdentityCaption(group, "lbl_dev_uptime", "Uptime", 0);
    MakeEdit(group, QStringLiteral("joy_uptime"), QString(), IdentityPlace(0, 100))
        ->setReadOnly(true);
    IdentityCaption(group, "lbl_usb_name", "USB device name", 1);
    MakeEdit(group, QStringLiteral("dev_name"), QString(),
             IdentityPlace(1, GroupRight - IdentityLeft));
    IdentityCaption(group, "lbl_dev_int_axis2", "Vendor ID (VID)", 2);
    MakeEdit(group, QStringLiteral("dev_vid"), QString(), IdentityPlace(2, 60));
    IdentityCaption(group, "lbl_dev_int_axis3", "Product ID (PID)", 3);
    MakeEdit(group, QStringLiteral("dev_pid"), QString(), IdentityPlace(3, 60));
    IdentityCaption(group, "lbl_dev_int_axis1", "Polling interval, ms", 4);
    MakeCombo(group, QStringLiteral("dev_poll"), PollIntervalItems(), IdentityPlace(4, 60));
    MakeEdit(group, QStringLiteral("chk_report_info"), QString(),
             {LanguageLeft, CheckTop, GroupRight - LanguageLeft, CheckHeight})
        ->setReadOnly(true);
}

} // namespace

void BuildMainGroup(QWidget* form) {
    auto* group = new QGroupBox(QStringLiteral("Controller"), form);
    group->setObjectName(QStringLiteral("grp_main"));
    group->setGeometry(0, 0, 1175, GroupHeight);
    TabGroups tabs(group);
    BuildIndicators(group);
    BuildDeviceList(group);
    tabs.EndGroup();
    BuildLanguageAndBoard(group);
    tabs.EndGroup();
    BuildCommands(group);
    tabs.EndGroup();
    BuildIdentity(group);
    tabs.Apply();
}

// Below the pages: the debug line across the whole window, for it holds four debug words of 16
// binary digits each, and the tool buttons under it.
void BuildBottomLine(QWidget* form) {
    constexpr int Margin = 4;
    constexpr int Right = 1175 - Margin;
    constexpr int DebugTop = PagesTop + PagesHeight + 2;
    constexpr int DebugHeight = 22;
    constexpr int ToolTop = DebugTop + DebugHeight + 2;
    constexpr int ToolHeight = 24;
    constexpr int ToolCount = 6;
    constexpr int ToolGap = 2;
    constexpr int ToolWidth = (Right - Margin - (ToolCount - 1) * ToolGap) / ToolCount;
    const QString debugCaption = QStringLiteral("Debug");
    const int checkWidth = CheckWidthFor(form, form->font(), debugCaption);
    MakeCheck(form, QStringLiteral("DebugView"), debugCaption,
              {Margin, DebugTop, checkWidth, DebugHeight});
    const int debugLeft = Margin + checkWidth + Margin;
    MakeEdit(form, QStringLiteral("DebugText"), QString(),
             {debugLeft, DebugTop, Right - debugLeft, DebugHeight})
        ->setReadOnly(true);
    struct Tool {
        const char* name;
        const char* caption;
    };
    const Tool tools[ToolCount] = {
        {"BtnDonate", "Donate"},
        {"Windows_Joysticks", "Game controllers"},
        {"Direct_Input_Viewer", "DIView"},
        {"DAZ_Joystick_Tester", "Joystick tester"},
        {"DAZ_Button_Tester", "Button tester"},
        {"USBDeview", "USBDeview"},
    };
    int x = Margin;
    for (const Tool& tool : tools) {
        MakeButton(form, QString::fromLatin1(tool.name), QString::fromLatin1(tool.caption),
                   {x, ToolTop, ToolWidth, ToolHeight});
        x += ToolWidth + ToolGap;
    }
}
