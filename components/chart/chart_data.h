#pragma once
// The chart's value store: one flat array, row by row, the cell of (Pen, ValueIndex) being
// Pen + ValueIndex * PenCount. Writing grows it; reading never does.

#include <QString>
#include <cstdint>
#include <vector>

class TWkChartData {
public:
    // The largest flat index the store accepts.
    static constexpr std::int64_t MaxIndex = 12'000'000;

    TWkChartData();

    // NaN for a pen outside 0..PenCount-1; ClearToValue for a cell not allocated yet. Throws
    // ERangeError "Data: index too large. Probably an internal error" for a flat index outside
    // 0..MaxIndex.
    double Value(int pen, int valueIndex) const;
    // Stores the value, growing the store as needed, and raises ValueCount past valueIndex.
    // Throws ERangeError for a pen outside 0..PenCount-1 or a flat index out of range; the store
    // is unchanged then.
    void SetValue(int pen, int valueIndex, double value);

    // Highest value index ever written + 1; the plot shows this many values.
    int ValueCount() const { return FValueCount; }
    void SetValueCount(int count) { FValueCount = count; }
    int PenCount() const { return FPenCount; }
    // The row width; the chart keeps it equal to its options' pen count. Values at least 1.
    void SetPenCount(int count);
    double ClearToValue() const { return FClearToValue; }
    void SetClearToValue(double value) { FClearToValue = value; }
    // Number of cells allocated.
    int DataAlloc() const { return static_cast<int>(FData.size()); }

    // The stored time stamp (a date-time), 0 when there is none.
    double Timestamp(int index) const;
    double StartDateTime = 0;
    double EndDateTime = 0;

    // Raises the row width to pen when that is larger and allocates for valueIndex. Throws
    // ERangeError, changing nothing, when the grown store would pass MaxIndex.
    void PreGrow(int pen, int valueIndex);
    // Every allocated cell takes ClearToValue; ValueCount stays.
    void Clear();
    void ClearPenValues() { Clear(); }
    // Moves every value one index down and clears the last row. With ValueCount not above the
    // row width the whole store is cleared.
    void Scroll();
    // "hh:nn:ss " (when the time stamp is set) and each pen's value as "%5.2f" or "-",
    // separated by ", "; empty for an index beyond the store.
    QString DebugStr(int valueIndex) const;

private:
    std::int64_t flatIndex(int pen, int valueIndex) const;
    void growFor(int valueIndex);

    std::vector<double> FData;
    std::vector<double> FTimeStamp;
    double FClearToValue = 0;
    int FValueCount = 0;
    int FPenCount = 16;
};
