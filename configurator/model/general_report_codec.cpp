// Report 5: matrix pins, hats, the two button tables, shifts, timers, encoders, shift registers,
// axis-to-button ranges, interface flags and LED settings.

#include "configurator/model/descriptor_builder.h"
#include "configurator/model/input_report_layout.h"
#include "configurator/model/item_lists.h"
#include "configurator/model/report_bits.h"
#include "configurator/model/report_codec_parts.h"

namespace {

constexpr int MatrixRowsAt = 1;
constexpr int MatrixColumnsAt = 11;
constexpr int HatsAt = 21;
constexpr int KnpNumberAt = 29;
constexpr int KbMsNumberAt = 93;
constexpr int KnpParamsAt = 108;
constexpr int KbMsParamsAt = 172;
constexpr int KbMsTypeAt = 187;
constexpr int ShiftButtonsAt = 202;
constexpr int TimersAt = 205;
constexpr int EncodersAt = 208;
constexpr int ShiftRegistersAt = 220;
constexpr int RangesAt = 224;
constexpr int InterfaceFlagsAt = 240;
constexpr int LedPortAt = 242;
constexpr int LedColorAt = 243;

constexpr int JoystickInterface = 1;
constexpr int MouseInterface = 2;
constexpr int KeyboardInterface = 4;
constexpr int MouseTypeLast = 3;

// dev_poll item -> interval in the high nibble of the flags; "-" sends 8.
constexpr int PollIntervals[PollIntervalItemCount] = {8, 1, 2, 4, 8};

std::uint8_t PackParams(const KnpRow& row) {
    return std::uint8_t(StoredIndex(row.mode, GridModeItemCount) +
                        8 * StoredIndex(row.shift, GridShiftItemCount) +
                        32 * StoredIndex(row.timOn, GridTimOnItemCount) +
                        128 * StoredIndex(row.timOf, GridTimOfItemCount));
}

void UnpackParams(std::uint8_t b, KnpRow& row) {
    row.mode = ByteToIndex(b & 7, GridModeItemCount);
    row.shift = (b >> 3) & 3;
    row.timOn = (b >> 5) & 3;
    row.timOf = b >> 7;
}

int InterfaceFlags(const Config& config) {
    bool joystick = config.hats[0].on || config.hats[1].on;
    for (int i = 0; i < JoystickAxisCount; ++i)
        joystick = joystick || HasSource(config.axes[i]);
    joystick = joystick || HighestMappedButton(config) > 0;
    bool mouse = HasSource(config.axes[8]) || HasSource(config.axes[9]);
    bool keyboard = false;
    for (const KbMsRow& row : config.kbMsTable) {
        const int type = StoredIndex(row.type, KbMsFunctionItemCount);
        mouse = mouse || (type >= 1 && type <= MouseTypeLast);
        keyboard = keyboard || type > MouseTypeLast;
    }
    return (joystick ? JoystickInterface : 0) + (mouse ? MouseInterface : 0) +
           (keyboard ? KeyboardInterface : 0) +
           16 * PollIntervals[StoredIndex(config.pollInterval, PollIntervalItemCount)];
}

int PollItemOfInterval(int interval, int current) {
    switch (interval) {
    case 1:
        return 1;
    case 2:
        return 2;
    case 4:
        return 3;
    case 0:
    case 8:
        return 4;
    default:
        return current;
    }
}

} // namespace

void EncodeGeneralReport(const Config& config, ReportImage& image) {
    image[0] = 5;
    for (int i = 0; i < MatrixLineCount; ++i) {
        image[MatrixRowsAt + i] = StoredIndex(config.matrixRows[i], PortItemCount);
        image[MatrixColumnsAt + i] = StoredIndex(config.matrixColumns[i], PortItemCount);
    }
    // A hat is stored only by its directions (decoding turns it on when up is set), so a hat
    // that is off stores none.
    for (int h = 0; h < HatCount; ++h)
        for (int d = 0; d < 4 && config.hats[h].on; ++d)
            image[HatsAt + 4 * h + d] = StoredIndex(config.hats[h].directions[d], ButtonItemCount);
    for (int r = 0; r < LogicalButtonCount; ++r) {
        image[KnpNumberAt + r] = StoredIndex(config.knpTable[r].number, GridNumberItemCount);
        image[KnpParamsAt + r] = PackParams(config.knpTable[r]);
    }
    for (int r = 0; r < KbMsRowCount; ++r) {
        image[KbMsNumberAt + r] = StoredIndex(config.kbMsTable[r].number, GridNumberItemCount);
        image[KbMsParamsAt + r] = PackParams(config.kbMsTable[r]);
        image[KbMsTypeAt + r] = StoredIndex(config.kbMsTable[r].type, KbMsFunctionItemCount);
    }
    for (int i = 0; i < ShiftButtonCount; ++i)
        image[ShiftButtonsAt + i] = StoredIndex(config.shiftButtons[i], ButtonItemCount);
    for (int i = 0; i < ButtonTimerCount; ++i)
        image[TimersAt + i] = FitByte(config.buttonTimers[i], ButtonTimerMax);
    for (int e = 0; e < EncoderCount; ++e) {
        image[EncodersAt + 2 * e] = StoredIndex(config.encoders[e].left, ButtonItemCount);
        image[EncodersAt + 2 * e + 1] = StoredIndex(config.encoders[e].right, ButtonItemCount);
    }
    for (int s = 0; s < ShiftRegisterCount; ++s) {
        image[ShiftRegistersAt + 2 * s] = StoredIndex(config.shiftRegisters[s].pin, PortItemCount);
        image[ShiftRegistersAt + 2 * s + 1] =
            StoredIndex(config.shiftRegisters[s].length, ShiftRegisterLengthItemCount);
    }
    for (int k = 0; k < AxisButtonRangeCount; ++k) {
        const AxisButtonRange& range = config.axisButtonRanges[k];
        image[RangesAt + 4 * k] = StoredIndex(range.button, ButtonItemCount);
        image[RangesAt + 4 * k + 1] = StoredIndex(range.axis, RangeAxisItemCount);
        image[RangesAt + 4 * k + 2] = FitByte(range.low, 255);
        image[RangesAt + 4 * k + 3] = FitByte(range.high, 255);
    }
    image[InterfaceFlagsAt] = std::uint8_t(InterfaceFlags(config));
    image[LedPortAt] = StoredIndex(config.ledPort, PortItemCount);
    image[LedColorAt] = std::uint8_t(config.ledColorInit & 0xFF);
    image[LedColorAt + 1] = std::uint8_t((config.ledColorInit >> 8) & 0xFF);
    image[LedColorAt + 2] = std::uint8_t((config.ledColorInit >> 16) & 0xFF);
}

void DecodeGeneralReport(const ReportImage& image, Config& config) {
    for (int i = 0; i < MatrixLineCount; ++i) {
        config.matrixRows[i] = ByteToIndex(image[MatrixRowsAt + i], PortItemCount);
        config.matrixColumns[i] = ByteToIndex(image[MatrixColumnsAt + i], PortItemCount);
    }
    for (int h = 0; h < HatCount; ++h) {
        Hat& hat = config.hats[h];
        for (int d = 0; d < 4; ++d)
            hat.directions[d] = ByteToIndex(image[HatsAt + 4 * h + d], ButtonItemCount);
        hat.on = hat.directions[HatUp] > 0;
    }
    for (int r = 0; r < LogicalButtonCount; ++r) {
        config.knpTable[r].number = ByteToIndex(image[KnpNumberAt + r], GridNumberItemCount);
        UnpackParams(image[KnpParamsAt + r], config.knpTable[r]);
    }
    for (int r = 0; r < KbMsRowCount; ++r) {
        config.kbMsTable[r].number = ByteToIndex(image[KbMsNumberAt + r], GridNumberItemCount);
        UnpackParams(image[KbMsParamsAt + r], config.kbMsTable[r]);
        config.kbMsTable[r].type = ByteToIndex(image[KbMsTypeAt + r], KbMsFunctionItemCount);
    }
    for (int i = 0; i < ShiftButtonCount; ++i)
        config.shiftButtons[i] = ByteToIndex(image[ShiftButtonsAt + i], ButtonItemCount);
    for (int i = 0; i < ButtonTimerCount; ++i)
        config.buttonTimers[i] = std::min<int>(image[TimersAt + i], ButtonTimerMax);
    for (int e = 0; e < EncoderCount; ++e) {
        config.encoders[e].left = ByteToIndex(image[EncodersAt + 2 * e], ButtonItemCount);
        config.encoders[e].right = ByteToIndex(image[EncodersAt + 2 * e + 1], ButtonItemCount);
    }
    for (int s = 0; s < ShiftRegisterCount; ++s) {
        config.shiftRegisters[s].pin = ByteToIndex(image[ShiftRegistersAt + 2 * s], PortItemCount);
        config.shiftRegisters[s].length =
            ByteToIndex(image[ShiftRegistersAt + 2 * s + 1], ShiftRegisterLengthItemCount);
    }
    for (int k = 0; k < AxisButtonRangeCount; ++k) {
        AxisButtonRange& range = config.axisButtonRanges[k];
        range.button = ByteToIndex(image[RangesAt + 4 * k], ButtonItemCount);
        range.axis = ByteToIndex(image[RangesAt + 4 * k + 1], RangeAxisItemCount);
        range.low = image[RangesAt + 4 * k + 2];
        range.high = image[RangesAt + 4 * k + 3];
    }
    config.pollInterval = PollItemOfInterval(image[InterfaceFlagsAt] >> 4, config.pollInterval);
    config.ledPort = ByteToIndex(image[LedPortAt], PortItemCount);
    config.ledColorInit = image[LedColorAt] | (image[LedColorAt + 1] << 8) |
                          (std::uint32_t(image[LedColorAt + 2]) << 16);
}
