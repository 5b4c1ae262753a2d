#include "configurator/model/descriptor_builder.h"

#include "configurator/model/input_report_layout.h"
#include "configurator/model/item_lists.h"
#include "configurator/model/report_bits.h"

#include <initializer_list>

namespace {

constexpr int GenericDesktopPage = 1;
constexpr int SimulationPage = 2;
constexpr int ButtonPage = 9;

struct UsageEntry {
    int page;
    std::uint8_t code;
    const char* dumpName;
};

// By osi_N_name index; index 0 ("--") is refused by the check for an axis with a source.
constexpr UsageEntry Usages[] = {
    {GenericDesktopPage, 0x00, ""},        {GenericDesktopPage, 0x30, "X"},
    {GenericDesktopPage, 0x31, "Y"},       {GenericDesktopPage, 0x32, "Z"},
    {GenericDesktopPage, 0x33, "rX"},      {GenericDesktopPage, 0x34, "rY"},
    {GenericDesktopPage, 0x35, "rZ"},      {GenericDesktopPage, 0x36, "Slider"},
    {GenericDesktopPage, 0x37, "Dial"},    {GenericDesktopPage, 0x38, "Wheel"},
    {SimulationPage, 0xBA, "Rubber   ba"}, {SimulationPage, 0xBB, "Throttle bb"},
    {SimulationPage, 0xB0, "Aileron  b0"}, {SimulationPage, 0xB8, "Elevator b8"},
};

const UsageEntry& UsageOf(int index) {
    return index > 0 && index < int(std::size(Usages)) ? Usages[index] : Usages[0];
}

QString Num(int value) {
    return QString::number(value);
}

class DescriptorWriter {
public:
    explicit DescriptorWriter(JoystickDescriptor& out) : out_(out) {}

    void item(std::initializer_list<std::uint8_t> bytes, const QString& line) {
        out_.bytes.insert(out_.bytes.end(), bytes);
        text(line);
    }

    void text(const QString& line) {
        if (line_ < HidDebugLineCount)
            out_.debugLines[line_++] = line;
    }

    // Switches the usage page when it differs; the dump line depends on where it happens.
    void page(int wanted, const QString& line) {
        if (page_ == wanted)
            return;
        item({0x05, std::uint8_t(wanted)}, line);
        page_ = wanted;
    }

    void setPage(int page) { page_ = page; }

private:
    JoystickDescriptor& out_;
    int page_ = GenericDesktopPage;
    int line_ = 0;
};

const QString IndentedDesktopPage =
    QStringLiteral("0x05, 0x01,                    //   USAGE_PAGE (Generic Desktop)");

void WriteHeader(DescriptorWriter& w) {
    w.text(QStringLiteral("ХИД ДИСКРИПТОР #1, джойстик"));
    w.item({0x05, 0x01},
           QStringLiteral("0x05, 0x01,                    // USAGE_PAGE (Generic Desktop)"));
    w.item({0x09, 0x04}, QStringLiteral("0x09, 0x04,                    // USAGE (Joystick)"));
    w.item({0xA1, 0x01},
           QStringLiteral("0xa1, 0x01,                    // COLLECTION (Application)"));
    w.item({0x85, 0x01}, QStringLiteral("0x85, 0x01,                    //   REPORT_ID (1)"));
    w.setPage(GenericDesktopPage);
}

int WriteAxis(DescriptorWriter& w, const AxisRow& row) {
    const int bits = AxisFieldBits(row);
    const int max = PrecisionMaxValue(bits - 8);
    const UsageEntry& usage = UsageOf(row.usage);
    w.item({0x15, 0x00}, QStringLiteral("0x15, 0x00,                    //   LOGICAL_MINIMUM (0)"));
    w.item({0x26, 0xFF, std::uint8_t(max >> 8)},
           QStringLiteral("0x26, 0xff, 0x??,              //   LOGICAL_MAXIMUM (") + Num(max) +
               QLatin1Char(')'));
    w.item({0x95, 0x01}, QStringLiteral("0x95, 0x01,                    //   REPORT_COUNT (1)"));
    w.item({0x75, std::uint8_t(bits)},
           QStringLiteral("0x75, 0x??,                    //   REPORT_SIZE (") + Num(bits) +
               QLatin1Char(')'));
    if (usage.page == SimulationPage)
        w.page(
            SimulationPage,
            QStringLiteral("0x05, 0x02,                    //   USAGE_PAGE (Simulation Controls)"));
    else
        w.page(GenericDesktopPage, IndentedDesktopPage);
    w.item({0x09, usage.code}, QStringLiteral("0x09, ") + Num(usage.code) +
                                   QStringLiteral(", //     USAGE ( Ось 1(") +
                                   QLatin1String(usage.dumpName) + QLatin1Char(')'));
    w.item({0x81, 0x02},
           QStringLiteral("0x81, 0x02,                    //     INPUT (Data,Var,Abs)"));
    return bits;
}

int WriteHats(DescriptorWriter& w, const Config& config) {
    const QString usage = QStringLiteral("0x09, 0x39,                    //   USAGE (Hat switch)");
    w.text(QStringLiteral("ХАТКИ ШАПКА"));
    w.page(GenericDesktopPage, IndentedDesktopPage);
    w.item({0x09, 0x39}, usage);
    w.item({0x35, 0x00},
           QStringLiteral("0x35, 0x00,                    //   PHYSICAL_MINIMUM (0)"));
    w.item({0x46, 0x3B, 0x01},
           QStringLiteral("0x46, 0x3b, 0x01,              //   PHYSICAL_MAXIMUM (315)"));
    w.item({0x15, 0x00}, QStringLiteral("0x15, 0x00,                    //   LOGICAL_MINIMUM (0)"));
    w.item({0x25, 0x07}, QStringLiteral("0x25, 0x07,                    //   LOGICAL_MAXIMUM (7)"));
    w.item({0x65, 0x14},
           QStringLiteral("0x65, 0x14,                    //   UNIT (Eng Rot:Angular Pos)"));
    w.item({0x95, 0x01}, QStringLiteral("0x95, 0x01,                    //   REPORT_COUNT (1)"));
    w.item({0x75, 0x04}, QStringLiteral("0x75, 0x04,                    //   REPORT_SIZE (4)"));
    int bits = 0;
    if (config.hats[0].on) {
        w.item({0x81, 0x02},
               QStringLiteral("0x81, 0x02,                    //   INPUT (Data,Var,Abs) ХАТКА 1"));
        bits += HatFieldBits;
    }
    if (config.hats[1].on) {
        w.item({0x09, 0x39}, usage);
        w.item({0x81, 0x02},
               QStringLiteral("0x81, 0x02,                    //   INPUT (Data,Var,Abs) ХАТКА 2"));
        bits += HatFieldBits;
    }
    return bits;
}

void WriteButtons(DescriptorWriter& w, int n) {
    const auto count = std::uint8_t(n);
    w.text(QStringLiteral("КНОПКИ ШАПКА ") + Num(n));
    w.page(ButtonPage, QStringLiteral("0x05, 0x09,                    //   USAGE_PAGE (Button)"));
    w.item({0x15, 0x00}, QStringLiteral("0x15, 0x00,                    //   LOGICAL_MINIMUM (0)"));
    w.item({0x25, 0x01}, QStringLiteral("0x25, 0x01,                    //   LOGICAL_MAXIMUM (1)"));
    w.item({0x19, 0x01},
           QStringLiteral("0x19, 0x01,                    //   USAGE_MINIMUM (Button 1)"));
    w.item({0x29, count},
           QStringLiteral("0x29, ") + Num(n) +
               QStringLiteral(",                    //   USAGE_MAXIMUM (Button active_knp1)"));
    w.item({0x75, 0x01}, QStringLiteral("0x75, 0x01,                    //   REPORT_SIZE (1)"));
    w.item({0x95, count},
           QStringLiteral("0x95, ") + Num(n) +
               QStringLiteral(",                    //   REPORT_COUNT (active_knp)"));
    w.item({0x81, 0x02},
           QStringLiteral("0x81, 0x02,                    //   INPUT (Data,Var,Abs)"));
}

void WritePadding(DescriptorWriter& w, int pad) {
    w.text(QStringLiteral("ДОБИВКА ШАПКА "));
    w.text(QStringLiteral("Добивка длины пакета до байта =") + Num(pad) + QStringLiteral(" бит"));
    w.page(GenericDesktopPage,
           QStringLiteral("0x05, 0x01,                    // USAGE_PAGE (Generic Desktop)"));
    w.item({0x15, 0x00}, QStringLiteral("0x15, 0x00,                    //   LOGICAL_MINIMUM (0)"));
    w.item({0x25, 0x01}, QStringLiteral("0x25, 0x01,                    //   LOGICAL_MAXIMUM (1)"));
    w.item({0x75, 0x01}, QStringLiteral("0x75, 0x01,                    //   REPORT_SIZE (1)"));
    w.item({0x95, std::uint8_t(pad)},
           QStringLiteral("0x95, ") + Num(pad) +
               QStringLiteral(",                    //   REPORT_COUNT (") + Num(pad) +
               QLatin1Char(')'));
    w.item({0x81, 0x03},
           QStringLiteral("0x81, 0x03,                    //   INPUT (Cnst,Var,Abs)"));
}

void WriteSummary(DescriptorWriter& w, int length) {
    w.text(QStringLiteral("Джойстик массив хид дискриптор [") + Num(length) +
           QStringLiteral("]байт"));
    w.text(QStringLiteral("Итого массив хид дискриптор [") + Num(length) +
           QStringLiteral("]байт (свободный остаток:") + Num(DescriptorLimit - length) +
           QLatin1Char(')'));
    w.text(QStringLiteral("r4_num [0]"));
    w.text(QStringLiteral("r5_num [") + Num(23 + length) + QLatin1Char(']'));
    w.text(QStringLiteral("=END HID DEBUG FILE="));
}

bool HasJoystickAxis(const Config& config) {
    for (int i = 0; i < JoystickAxisCount; ++i)
        if (HasSource(config.axes[i]))
            return true;
    return false;
}

} // namespace

int HighestMappedButton(const Config& config) {
    for (int r = LogicalButtonCount; r >= 1; --r)
        if (config.knpTable[r - 1].number > 0 &&
            config.knpTable[r - 1].number < GridNumberItemCount)
            return r;
    return 0;
}

QString DescriptorTooLongMessage() {
    return QStringLiteral("ОШИБКА. Длина HID дескриптора превышает 250 байт.(сохраните текущую "
                          "настройку в файл и сообщите разработчику)");
}

JoystickDescriptor BuildJoystickDescriptor(const Config& config) {
    JoystickDescriptor out;
    out.debugLines = QStringList(HidDebugLineCount, QString());
    DescriptorWriter w(out);
    w.text(QStringLiteral("=BEGIN HID DEBUG FILE="));

    const bool axes = HasJoystickAxis(config);
    const bool hats = config.hats[0].on || config.hats[1].on;
    const int n = HighestMappedButton(config);
    if (axes || hats || n > 0) {
        WriteHeader(w);
        int bits = 0;
        if (axes)
            w.text(QStringLiteral("ОСИ ШАПКА"));
        for (int i = 0; i < JoystickAxisCount; ++i)
            if (HasSource(config.axes[i]))
                bits += WriteAxis(w, config.axes[i]);
        if (hats)
            bits += WriteHats(w, config);
        if (n > 0) {
            WriteButtons(w, n);
            bits += n;
        }
        bits += 8;
        out.bitCount = bits;
        out.inputReportLength = (bits + 7) / 8;
        out.padBits = 8 * out.inputReportLength - bits;
        w.text(QStringLiteral("Динамическая длина пакета джойстика1[") + Num(bits) +
               QStringLiteral("]бит)"));
        w.text(QStringLiteral("Динамическая длина пакета джойстика1[") +
               Num(out.inputReportLength) + QStringLiteral("]байт)"));
        if (out.padBits > 0)
            WritePadding(w, out.padBits);
        w.item({0xC0}, QStringLiteral("0xc0                           // END_COLLECTION"));
    }
    WriteSummary(w, int(out.bytes.size()));
    return out;
}
