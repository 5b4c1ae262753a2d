#include "configurator/window/serial_port_watch.h"

namespace {

// Reads a quoted item starting at the opening quote; pos ends after the closing one.
QString QuotedItem(const QString& text, qsizetype& pos) {
    QString item;
    ++pos;
    while (pos < text.size()) {
        const QChar c = text[pos++];
        if (c != QLatin1Char('"')) {
            item += c;
        } else if (pos < text.size() && text[pos] == QLatin1Char('"')) {
            item += c;
            ++pos;
        } else {
            break;
        }
    }
    return item;
}

} // namespace

QStringList SplitCommaText(const QString& text) {
    QStringList items;
    if (text.trimmed().isEmpty()) {
        return items;
    }
    qsizetype pos = 0;
    while (true) {
        while (pos < text.size() && text[pos].isSpace()) {
            ++pos;
        }
        QString item;
        if (pos < text.size() && text[pos] == QLatin1Char('"')) {
            item = QuotedItem(text, pos);
        }
        const qsizetype comma = text.indexOf(QLatin1Char(','), pos);
        const qsizetype end = comma < 0 ? text.size() : comma;
        item += text.mid(pos, end - pos).trimmed();
        items << item;
        if (comma < 0) {
            return items;
        }
        pos = comma + 1;
    }
}

bool PortListed(const QString& portList, const QString& port) {
    return !port.isEmpty() && SplitCommaText(portList).contains(port);
}
