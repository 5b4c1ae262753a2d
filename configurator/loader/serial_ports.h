#pragma once
// The machine's serial ports, as the firmware page lists and watches them.

#include <QString>
#include <QStringList>

// The device paths ("/dev/ttyACM0") of the serial ports the kernel lists under
// sysfsRoot + "/class/tty" that belong to a device (virtual terminals have none) other than the
// placeholder ports of the legacy "platform" serial driver, in natural name order
// (ttyACM2 before ttyACM10). A missing folder gives an empty list.
QStringList serialPortNames(const QString& sysfsRoot = QStringLiteral("/sys"));

// The items joined by commas; an item that is empty or holds a blank, a control character, a
// comma or a double quote is put in double quotes, with its double quotes doubled.
QString commaText(const QStringList& items);

// The firmware page's port list: commaText(serialPortNames(sysfsRoot)).
QString GetComPortList(const QString& sysfsRoot = QStringLiteral("/sys"));
