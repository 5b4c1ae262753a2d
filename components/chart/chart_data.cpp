#include "components/chart/chart_data.h"

#include "components/chart/chart_types.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Cells added beyond what a write needs, so a growing series does not reallocate every time.
constexpr std::int64_t GrowthSlack = 1025;

const char* const IndexTooLarge = "Data: index too large. Probably an internal error";

} // namespace

TWkChartData::TWkChartData() {
    growFor(100);
}

std::int64_t TWkChartData::flatIndex(int pen, int valueIndex) const {
    return static_cast<std::int64_t>(pen) + static_cast<std::int64_t>(valueIndex) * FPenCount;
}

void TWkChartData::growFor(int valueIndex) {
    const std::int64_t needed = static_cast<std::int64_t>(FPenCount) * (valueIndex + 1LL);
    if (needed >= static_cast<std::int64_t>(FData.size()))
        FData.resize(static_cast<std::size_t>(needed + GrowthSlack), FClearToValue);
}

void TWkChartData::SetPenCount(int count) {
    FPenCount = std::max(1, count);
}

double TWkChartData::Value(int pen, int valueIndex) const {
    if (pen < 0 || pen >= FPenCount)
        return std::numeric_limits<double>::quiet_NaN();
    const std::int64_t index = flatIndex(pen, valueIndex);
    if (index < 0 || index > MaxIndex)
        throw ERangeError(IndexTooLarge);
    if (index >= static_cast<std::int64_t>(FData.size()))
        return FClearToValue;
    return FData[static_cast<std::size_t>(index)];
}

void TWkChartData::SetValue(int pen, int valueIndex, double value) {
    if (pen < 0 || pen >= FPenCount)
        throw ERangeError("Data: pen index invalid/out of range.");
    const std::int64_t index = flatIndex(pen, valueIndex);
    if (index < 0 || index > MaxIndex)
        throw ERangeError(IndexTooLarge);
    growFor(valueIndex);
    FData[static_cast<std::size_t>(index)] = value;
    if (valueIndex >= FValueCount)
        FValueCount = valueIndex + 1;
}

double TWkChartData::Timestamp(int index) const {
    if (index < 0 || index >= static_cast<int>(FTimeStamp.size()))
        return 0;
    return FTimeStamp[static_cast<std::size_t>(index)];
}

void TWkChartData::PreGrow(int pen, int valueIndex) {
    const int penCount = std::max(FPenCount, pen);
    // The last cell of the grown store must lie within the limit before anything changes.
    if (valueIndex < 0 ||
        penCount - 1 + static_cast<std::int64_t>(valueIndex) * penCount > MaxIndex)
        throw ERangeError(IndexTooLarge);
    FPenCount = penCount;
    growFor(valueIndex);
}

void TWkChartData::Clear() {
    std::fill(FData.begin(), FData.end(), FClearToValue);
}

void TWkChartData::Scroll() {
    if (FValueCount <= FPenCount) {
        Clear();
        return;
    }
    // Only rows that exist move, so a ValueCount set beyond the store reads nothing past it.
    const std::size_t rows = std::min<std::size_t>(FValueCount, FData.size() / FPenCount);
    const std::size_t width = static_cast<std::size_t>(FPenCount);
    if (rows == 0) {
        Clear();
        return;
    }
    std::copy(FData.begin() + width, FData.begin() + rows * width, FData.begin());
    std::fill(FData.begin() + (rows - 1) * width, FData.begin() + rows * width, FClearToValue);
}

QString TWkChartData::DebugStr(int valueIndex) const {
    if (valueIndex < 0 || flatIndex(0, valueIndex) >= static_cast<std::int64_t>(FData.size()))
        return QString();
    QString result;
    const double stamp = Timestamp(valueIndex);
    if (stamp > 0) {
        // Date-times count days since 30 December 1899; the fraction is the time of day.
        const int seconds = static_cast<int>(std::lround((stamp - std::floor(stamp)) * 86400.0));
        result = QTime(0, 0).addSecs(seconds).toString(QStringLiteral("hh:mm:ss "));
    }
    QStringList values;
    for (int pen = 0; pen < FPenCount; ++pen) {
        const double v = Value(pen, valueIndex);
        values << (std::isnan(v) ? QStringLiteral("-") : QString::asprintf("%5.2f", v));
    }
    return result + values.join(QStringLiteral(", "));
}
