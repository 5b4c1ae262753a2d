#include "configurator/model/item_lists.h"

namespace {

const QString GridBlank = QStringLiteral("----------");

QStringList Numbered(const QString& first, int from, int to, int width) {
    QStringList items{first};
    for (int i = from; i <= to; ++i)
        items << QStringLiteral("%1").arg(i, width, 10, QLatin1Char('0'));
    return items;
}

QStringList WithSuffixes(const QString& first, const QString& stem, int count) {
    QStringList items{first};
    for (int i = 1; i <= count; ++i)
        items << stem + QStringLiteral(" %1").arg(i);
    return items;
}

} // namespace

QStringList SourceItems(const LanguageLines& lines) {
    return {QStringLiteral("--"),
            lines.line(45),
            lines.line(44),
            QStringLiteral("KMA200"),
            QStringLiteral("MCP3201"),
            QStringLiteral("MCP3202"),
            QStringLiteral("MCP3204s/MCP3208s"),
            QStringLiteral("MCP3204d/MCP3208d"),
            QStringLiteral("KMZ60+MCP3202"),
            QStringLiteral("KMZ60+MCP3208d"),
            QStringLiteral("TLE5010/5011"),
            QStringLiteral("S/C-TLE5010/5011")};
}

QStringList DesignSourceItems() {
    QStringList items = SourceItems(LanguageLines());
    items[1] = QStringLiteral("Virtual axis");
    items[2] = QStringLiteral("Internal ADC");
    return items;
}

// Made once: dozens of the window's boxes show this list and share its texts.
QStringList PortItems() {
    static const QStringList items = [] {
        QStringList pins{QStringLiteral("--")};
        for (char port = 'A'; port <= 'F'; ++port)
            for (int pin = 0; pin < 8; ++pin)
                pins << QStringLiteral("%1%2").arg(QLatin1Char(port)).arg(pin);
        return pins;
    }();
    return items;
}

QStringList ChannelItems() {
    return Numbered(QStringLiteral("--"), 1, 8, 1);
}

QStringList UsageItems(int row) {
    if (row == 9 || row == 10)
        return {QStringLiteral("--"), QStringLiteral("Mouse X"), QStringLiteral("Mouse Y")};
    return {QStringLiteral("--"),      QStringLiteral("X"),       QStringLiteral("Y"),
            QStringLiteral("Z"),       QStringLiteral("rX"),      QStringLiteral("rY"),
            QStringLiteral("rZ"),      QStringLiteral("Slider"),  QStringLiteral("Dial"),
            QStringLiteral("Wheel"),   QStringLiteral("Rudder"),  QStringLiteral("Throttle"),
            QStringLiteral("Aileron"), QStringLiteral("Elevator")};
}

QStringList FilterItems() {
    QStringList items{QStringLiteral("---")};
    for (int i = 2; i <= 14; ++i)
        items << QStringLiteral("x%1").arg(i);
    return items;
}

QStringList AutoCalibrationItems(const LanguageLines& lines) {
    return {QStringLiteral("---"), lines.line(86), lines.line(87), lines.line(88), lines.line(89)};
}

QStringList PrecisionItems() {
    QStringList items;
    for (int bits = 8; bits <= 14; ++bits)
        items << QString::number(bits);
    return items;
}

QStringList SpecialFunctionItems() {
    return Numbered(QStringLiteral("---"), 1, 6, 1);
}

// Made once: dozens of the window's boxes show this list and share its texts.
QStringList ButtonItems() {
    static const QStringList items = Numbered(QStringLiteral("--"), 1, 96, 2);
    return items;
}

QStringList RangeAxisItems() {
    return Numbered(QStringLiteral("--"), 1, 8, 1);
}

QStringList ShiftRegisterLengthItems() {
    return Numbered(QStringLiteral("--"), 1, 4, 2);
}

QStringList PollIntervalItems() {
    return {QStringLiteral("-"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"),
            QStringLiteral("8")};
}

QStringList BoardItems() {
    return {QStringLiteral("--"), QStringLiteral("TAVRO2.ATMEGA32U4"),
            QStringLiteral("TAVRO2.AT90USB646"), QStringLiteral("TAVRO2.AT90USB1286")};
}

QStringList CurveAxisItems() {
    return Numbered(QStringLiteral("--"), 1, 16, 1);
}

QStringList KbMsFunctionItems() {
    QStringList items{QStringLiteral("--"), QStringLiteral("MOUSE_1"), QStringLiteral("MOUSE_2"),
                      QStringLiteral("MOUSE_3")};
    const auto key = [&items](const QString& name) {
        items << QStringLiteral("KEYB_") + name;
    };
    for (char c = 'A'; c <= 'Z'; ++c)
        key(QString(QLatin1Char(c)));
    for (int d = 1; d <= 9; ++d)
        key(QString::number(d));
    for (const char* name :
         {"0", "ENTER", "ESCAPE", "BACKSPACE", "TAB", "SPACE", "MINUS", "PLUS", "OPENING_BRACKET",
          "CLOSING_BRACKET", "BACKSLASH", "NON_US_HASHMARK", "SEMICOLON", "APOSTROPHE",
          "GRAVE_ACCENT", "COMMA", "DOT", "SLASH", "CAPS_LOCK"})
        key(QLatin1String(name));
    for (int f = 1; f <= 12; ++f)
        key(QStringLiteral("F%1").arg(f));
    for (const char* name :
         {"PRINT_SCREEN", "SCROLL_LOCK", "PAUSE", "INSERT", "HOME", "PAGE_UP", "DELETE", "END",
          "PAGE_DOWN", "RIGHT_ARROW", "LEFT_ARROW", "DOWN_ARROW", "UP_ARROW", "NUM_LOCK",
          "KEYPAD_SLASH", "KEYPAD_ASTERISK", "KEYPAD_MINUS", "KEYPAD_PLUS", "KEYPAD_ENTER"})
        key(QLatin1String(name));
    for (int d = 1; d <= 9; ++d)
        key(QStringLiteral("KEYPAD_%1").arg(d));
    for (const char* name : {"KEYPAD_0", "KEYPAD_DOT", "NON_US_BACKSLASH", "APPLICATION", "POWER",
                             "KEYPAD_EQUAL_SIGN"})
        key(QLatin1String(name));
    for (int f = 13; f <= 24; ++f)
        key(QStringLiteral("F%1").arg(f));
    for (const char* name : {"EXECUTE", "HELP", "MENU", "SELECT", "STOP", "AGAIN", "UNDO", "CUT",
                             "COPY", "PASTE", "FIND", "MUTE", "VOLUME_UP", "VOLUME_DOWN"})
        key(QLatin1String(name));
    return items;
}

QStringList GridNumberItems() {
    static const QStringList items = Numbered(GridBlank, 1, 96, 1);
    return items;
}

QStringList GridModeItems(const LanguageLines& lines) {
    const QString mode = lines.line(137);
    return {GridBlank, mode, mode + QLatin1Char(' ') + lines.line(138),
            mode + QLatin1Char(' ') + lines.line(139), lines.line(140)};
}

QStringList GridShiftItems(const LanguageLines& lines) {
    return WithSuffixes(GridBlank, lines.line(132), 3);
}

QStringList GridTimOnItems(const LanguageLines& lines) {
    return WithSuffixes(GridBlank, lines.line(133), 3);
}

QStringList GridTimOfItems(const LanguageLines& lines) {
    return {lines.line(143), lines.line(142)};
}

QString ItemText(const QStringList& items, int index) {
    return index >= 0 && index < items.size() ? items[index] : QString();
}
