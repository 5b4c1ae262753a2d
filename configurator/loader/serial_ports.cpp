#include "configurator/loader/serial_ports.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

bool needsQuotes(const QString& item) {
    if (item.isEmpty())
        return true;
    return std::any_of(item.begin(), item.end(), [](QChar c) {
        return c.unicode() <= ' ' || c == QLatin1Char(',') || c == QLatin1Char('"');
    });
}

// The legacy 8250 driver lists its ports whether or not hardware sits behind them; ports found
// by probing a bus have a driver of their own ("serial" for ACPI/PnP ports).
bool isPlaceholderPort(const QString& ttyFolder) {
    const QFileInfo driver(ttyFolder + QStringLiteral("/device/driver"));
    return QFileInfo(driver.symLinkTarget()).fileName() == QLatin1String("serial8250");
}

// Compares names with their digit runs taken as numbers, so ttyACM2 sorts before ttyACM10.
bool naturalLess(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && a.at(endA).isDigit())
                ++endA;
            while (endB < b.size() && b.at(endB).isDigit())
                ++endB;
            const QStringView runA = QStringView(a).mid(i, endA - i);
            const QStringView runB = QStringView(b).mid(j, endB - j);
            if (runA.size() != runB.size())
                return runA.size() < runB.size();
            if (runA != runB)
                return runA < runB;
            i = endA;
            j = endB;
            continue;
        }
        if (a.at(i) != b.at(j))
            return a.at(i) < b.at(j);
        ++i;
        ++j;
    }
    return a.size() - i < b.size() - j;
}

} // namespace

QStringList serialPortNames(const QString& sysfsRoot) {
    const QDir ttys(sysfsRoot + QStringLiteral("/class/tty"));
    QStringList names;
    for (const QString& name : ttys.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        const QString folder = ttys.filePath(name);
        if (QFileInfo(folder + QStringLiteral("/device")).isDir() && !isPlaceholderPort(folder))
            names << name;
    }
    std::sort(names.begin(), names.end(), naturalLess);
    for (QString& name : names)
        name.prepend(QStringLiteral("/dev/"));
    return names;
}

QString commaText(const QStringList& items) {
    QStringList quoted;
    for (const QString& item : items) {
        if (!needsQuotes(item)) {
            quoted << item;
            continue;
        }
        QString text = item;
        text.replace(QLatin1Char('"'), QLatin1String("\"\""));
        quoted << QLatin1Char('"') + text + QLatin1Char('"');
    }
    return quoted.join(QLatin1Char(','));
}

QString GetComPortList(const QString& sysfsRoot) {
    return commaText(serialPortNames(sysfsRoot));
}
