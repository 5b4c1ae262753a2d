#include "configurator/model/live_data.h"

#include "configurator/model/report_bits.h"

#include <QStringList>
#include <algorithm>

namespace {

constexpr int BoardAt = 1;
constexpr int UptimeAt = 2;
constexpr int RawValuesAt = 5;
constexpr int ButtonsAt = 25;
constexpr int AxisValuesAt = 121;
constexpr int DebugWordsAt = 141;
constexpr int ErrorCountersAt = 149;

class ReportReader {
public:
    ReportReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    int byte(int at) const { return at >= 0 && std::size_t(at) < size_ ? data_[at] : 0; }
    int word(int at) const { return byte(at) | (byte(at + 1) << 8); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

void PutWord(std::uint8_t* out, int at, int value) {
    out[at] = std::uint8_t(value & 0xFF);
    out[at + 1] = std::uint8_t((value >> 8) & 0xFF);
}

} // namespace

LiveData DecodeLiveData(const std::uint8_t* data, std::size_t size) {
    const ReportReader r(data, size);
    LiveData live;
    live.board = r.byte(BoardAt);
    for (int i = 0; i < 3; ++i)
        live.uptime[i] = r.byte(UptimeAt + i);
    for (int i = 0; i < LiveAxisCount; ++i) {
        live.rawValues[i] = r.word(RawValuesAt + 2 * i);
        live.axisValues[i] = r.word(AxisValuesAt + 2 * i);
        live.errorCounters[i] = r.byte(ErrorCountersAt + i);
    }
    for (int k = 0; k < LiveButtonCount; ++k)
        live.buttons[k] = r.byte(ButtonsAt + k) & 1;
    for (int i = 0; i < DebugWordCount; ++i)
        live.debugWords[i] = r.word(DebugWordsAt + 2 * i);
    return live;
}

void EncodeLiveData(const LiveData& data, std::uint8_t* out) {
    std::fill_n(out, LiveDataReportLength, std::uint8_t(0));
    out[0] = LiveDataReportId;
    out[BoardAt] = std::uint8_t(data.board);
    for (int i = 0; i < 3; ++i)
        out[UptimeAt + i] = std::uint8_t(data.uptime[i]);
    for (int i = 0; i < LiveAxisCount; ++i) {
        PutWord(out, RawValuesAt + 2 * i, data.rawValues[i]);
        PutWord(out, AxisValuesAt + 2 * i, data.axisValues[i]);
        out[ErrorCountersAt + i] = std::uint8_t(data.errorCounters[i]);
    }
    for (int k = 0; k < LiveButtonCount; ++k)
        out[ButtonsAt + k] = data.buttons[k] ? 1 : 0;
    for (int i = 0; i < DebugWordCount; ++i)
        PutWord(out, DebugWordsAt + 2 * i, data.debugWords[i]);
}

QString UptimeText(const LiveData& data) {
    return QStringLiteral("%1:%2:%3").arg(data.uptime[0]).arg(data.uptime[1]).arg(data.uptime[2]);
}

QString DebugLineText(const LiveData& data) {
    QStringList pieces;
    for (int word : data.debugWords)
        pieces << QStringLiteral("d[%1] b[%2").arg(word).arg(IntToBinText(std::uint32_t(word), 16));
    return pieces.join(QStringLiteral("]   ")) + QLatin1Char(']');
}

QString BoardMcuName(int board) {
    switch (board) {
    case 1:
        return QStringLiteral("ATmega32U4");
    case 2:
        return QStringLiteral("AT90USB646");
    case 3:
        return QStringLiteral("AT90USB1286");
    default:
        return {};
    }
}
