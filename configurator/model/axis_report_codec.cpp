// Report 4: ten 18-byte axis records from byte 1, six 12-byte slot records from byte 181, the
// curve symmetry bits in byte 253.

#include "configurator/model/item_lists.h"
#include "configurator/model/report_bits.h"
#include "configurator/model/report_codec_parts.h"

namespace {

constexpr int AxisRecordStart = 1;
constexpr int AxisRecordSize = 18;
constexpr int SlotRecordStart = 181;
constexpr int SlotRecordSize = 12;
constexpr int SymmetryByte = 253;
constexpr int ByteMax = 255;

int UsageItemCountOf(int row) {
    return row > JoystickAxisCount ? MouseUsageItemCount : UsageItemCount;
}

void PutWord(ReportImage& image, int at, int value) {
    const int v = std::clamp(value, 0, CalibrationMax);
    image[at] = std::uint8_t(v & 0xFF);
    image[at + 1] = std::uint8_t(v >> 8);
}

int Word(const ReportImage& image, int at) {
    return image[at] | (image[at + 1] << 8);
}

void EncodeAxis(const AxisRow& row, int number, std::uint8_t* r) {
    r[0] = std::uint8_t(StoredIndex(row.source, SourceItemCount) +
                        16 * StoredIndex(row.channel, ChannelItemCount));
    r[1] = std::uint8_t(StoredIndex(row.port, PortItemCount));
    r[2] = std::uint8_t(StoredIndex(row.filter, FilterItemCount) + 16 * (row.invert ? 1 : 0) +
                        32 * StoredIndex(row.autoCalibration, AutoCalibrationItemCount));
    r[3] = std::uint8_t(StoredIndex(row.usage, UsageItemCountOf(number)));
    r[4] = std::uint8_t(StoredIndex(row.precision, PrecisionItemCount));
    r[5] = FitByte(row.step.value_or(0), StepMax);
    r[6] = std::uint8_t(StoredIndex(row.buttonUp, ButtonItemCount));
    r[7] = std::uint8_t(StoredIndex(row.buttonCentre, ButtonItemCount));
    r[8] = std::uint8_t(StoredIndex(row.buttonDown, ButtonItemCount));
    r[9] = std::uint8_t(StoredIndex(row.specialFunction, SpecialFunctionItemCount));
    r[10] = std::uint8_t(FitByte(row.deadZoneLow, DeadZoneMax) +
                         16 * FitByte(row.deadZoneHigh, DeadZoneMax));
    r[11] = std::uint8_t(FitByte(row.deadZoneCentre, DeadZoneMax) +
                         16 * FitByte(row.deadZoneSecond, DeadZoneMax));
}

void DecodeAxis(const std::uint8_t* r, int number, AxisRow& row) {
    row.source = ByteToIndex(r[0] & 15, SourceItemCount);
    row.channel = ByteToIndex(r[0] >> 4, ChannelItemCount);
    row.port = ByteToIndex(r[1], PortItemCount);
    row.autoCalibration = ByteToIndex(r[2] >> 5, AutoCalibrationItemCount);
    row.invert = (r[2] >> 4) & 1;
    row.filter = ByteToIndex(r[2] & 15, FilterItemCount);
    row.usage = ByteToIndex(r[3], UsageItemCountOf(number));
    row.precision = ByteToIndex(r[4], PrecisionItemCount);
    row.step = r[5];
    row.buttonUp = ByteToIndex(r[6], ButtonItemCount);
    row.buttonCentre = ByteToIndex(r[7], ButtonItemCount);
    row.buttonDown = ByteToIndex(r[8], ButtonItemCount);
    row.specialFunction = ByteToIndex(r[9], SpecialFunctionItemCount);
    row.deadZoneLow = r[10] & 15;
    row.deadZoneHigh = r[10] >> 4;
    row.deadZoneCentre = r[11] & 15;
    row.deadZoneSecond = r[11] >> 4;
}

} // namespace

void EncodeAxisReport(const Config& config, ReportImage& image) {
    image[0] = 4;
    for (int n = 1; n <= AxisRowCount; ++n) {
        const int at = AxisRecordStart + AxisRecordSize * (n - 1);
        const AxisRow& row = config.axes[n - 1];
        EncodeAxis(row, n, &image[at]);
        PutWord(image, at + 12, row.calibrationMin);
        PutWord(image, at + 14, row.calibrationCentre);
        PutWord(image, at + 16, row.calibrationMax);
    }
    for (int s = 1; s <= SlotCount; ++s) {
        const int at = SlotRecordStart + SlotRecordSize * (s - 1);
        const SpecialFunctionSlot& slot = config.specialFunctions[s - 1];
        for (int p = 0; p < CurvePointCount; ++p)
            image[at + p] = FitByte(slot.points[p], CurvePointMax);
        image[at + 9] = std::uint8_t(StoredIndex(slot.button, ButtonItemCount));
        image[at + 10] = FitByte(slot.delay.value_or(0), ByteMax);
        image[at + 11] = FitByte(slot.speed.value_or(0), ByteMax);
        if (slot.symmetric)
            image[SymmetryByte] |= std::uint8_t(1 << (s - 1));
    }
}

void DecodeAxisReport(const ReportImage& image, Config& config) {
    for (int n = 1; n <= AxisRowCount; ++n) {
        const int at = AxisRecordStart + AxisRecordSize * (n - 1);
        AxisRow& row = config.axes[n - 1];
        DecodeAxis(&image[at], n, row);
        row.calibrationMin = Word(image, at + 12);
        row.calibrationCentre = Word(image, at + 14);
        row.calibrationMax = Word(image, at + 16);
    }
    for (int s = 1; s <= SlotCount; ++s) {
        const int at = SlotRecordStart + SlotRecordSize * (s - 1);
        SpecialFunctionSlot& slot = config.specialFunctions[s - 1];
        for (int p = 0; p < CurvePointCount; ++p)
            slot.points[p] = std::min<int>(image[at + p], CurvePointMax);
        slot.button = ByteToIndex(image[at + 9], ButtonItemCount);
        slot.delay = image[at + 10];
        slot.speed = image[at + 11];
        slot.symmetric = TestBit(image[SymmetryByte], s - 1);
    }
}
