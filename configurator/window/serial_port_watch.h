#pragma once
// The firmware page's serial-port watch: is the port named in com_port among the machine's
// ports? The port list is comma text, so names are compared whole ("COM1" is not "COM10").

#include <QString>
#include <QStringList>

// The items of a comma text: separated by commas, blanks around an item dropped; an item in
// double quotes keeps its commas and blanks, and a doubled quote inside stands for one.
QStringList SplitCommaText(const QString& text);

// True when port is one of the names in portList. An empty port matches nothing.
bool PortListed(const QString& portList, const QString& port);
