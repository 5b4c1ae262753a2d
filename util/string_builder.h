#pragma once
// A growable UTF-16 text buffer with an upper bound on its capacity. Every member that changes
// the text returns the builder so calls can be chained; a change that would pass MaxCapacity
// raises ArgumentOutOfRangeException and keeps what was written before it. Appends and inserts
// hold the capacity, not the length, to the bound: a piece is refused once the capacity plus
// the piece passes MaxCapacity, even where the text would still hold it, while growth itself
// may take the capacity past it.

#include "util/format_arg.h"
#include "util/indexed_format.h"
#include "util/to_string.h"

#include <QChar>
#include <QString>
#include <QStringView>
#include <array>
#include <concepts>
#include <span>
#include <vector>

class TCkStringBuilder : public ICkToString {
public:
    static constexpr int DefaultMaxCapacity = 0x7FFFFFFF;

    // Raises ArgumentOutOfRangeException for a negative capacity.
    explicit TCkStringBuilder(int capacity, int maxCapacity = DefaultMaxCapacity);
    TCkStringBuilder(QStringView value, int capacity);
    // The part of value from the 0-based startIndex, at most length characters.
    TCkStringBuilder(QStringView value, int startIndex, int length, int capacity);
    virtual ~TCkStringBuilder() = default;

    TCkStringBuilder& Append(QStringView value);
    // At most length characters from the 0-based startIndex; nothing when length <= 0 or
    // startIndex lies behind the text; ArgumentOutOfRangeException when startIndex < 0.
    TCkStringBuilder& Append(QStringView value, int startIndex, int length);
    TCkStringBuilder& Append(QChar value, int repeatCount);
    // Only a real bool: texts and pointers must not slip in through the pointer conversion.
    template <std::same_as<bool> T> TCkStringBuilder& Append(T value) {
        return AppendText(BoolText(value));
    }
    TCkStringBuilder& Append(int value);
    TCkStringBuilder& Append(qint64 value);
    TCkStringBuilder& Append(double value);
    TCkStringBuilder& Append(const ICkToString* object);

    TCkStringBuilder& AppendFormat(QStringView format, std::span<const TCkFormatArg> args);
    template <typename... Args>
    TCkStringBuilder& AppendFormat(QStringView format, const Args&... args) {
        const std::array<TCkFormatArg, sizeof...(Args)> list{TCkFormatArg(args)...};
        return AppendFormat(format, std::span<const TCkFormatArg>(list));
    }

    // Inserts at the 0-based index, which must lie in 0 .. Length, else
    // ArgumentOutOfRangeException.
    TCkStringBuilder& Insert(int index, QStringView value, int count = 1);
    TCkStringBuilder& Insert(int index, QStringView value, int startIndex, int length);
    template <std::same_as<bool> T> TCkStringBuilder& Insert(int index, T value) {
        return InsertText(index, BoolText(value));
    }
    TCkStringBuilder& Insert(int index, int value);
    TCkStringBuilder& Insert(int index, qint64 value);
    TCkStringBuilder& Insert(int index, double value);
    TCkStringBuilder& Insert(int index, const ICkToString* object);

    // ArgumentOutOfRangeException unless the range lies inside the text.
    TCkStringBuilder& Remove(int startIndex, int length);
    // count -1 means up to the end. ArgumentOutOfRangeException unless the range lies inside
    // the text.
    TCkStringBuilder& Replace(QChar oldChar, QChar newChar, int startIndex, int count);
    // Replaces every occurrence that begins inside the range; the replacement is not searched
    // again. ArgumentException for an empty oldValue.
    TCkStringBuilder& Replace(QStringView oldValue, QStringView newValue, int startIndex,
                              int count);

    // Grows the buffer to capacity when it is smaller; returns the capacity.
    int EnsureCapacity(int capacity);
    // ArgumentOutOfRangeException when index is not in 0 .. Length - 1.
    QChar CharAt(int index) const;
    QString ToString() const override;

    int Length() const { return FLength; }
    // ArgumentOutOfRangeException unless 0 <= value <= Capacity.
    void SetLength(int value);
    int Capacity() const { return static_cast<int>(FChars.size()); }
    // Cuts the text when it is longer; ArgumentOutOfRangeException for a negative value.
    void SetCapacity(int value);
    int MaxCapacity() const { return FMaxCapacity; }

private:
    void AppendChars(const char16_t* chars, int count, int repeatCount);
    void InsertChars(int index, const char16_t* chars, int count, int repeatCount);
    void CheckRoom(qint64 added) const;
    void GrowFor(qint64 needed, qint64 added);
    static QString BoolText(bool value);
    TCkStringBuilder& AppendText(const QString& text);
    TCkStringBuilder& InsertText(int index, const QString& text);

    std::vector<char16_t> FChars;
    int FLength = 0;
    int FMaxCapacity = DefaultMaxCapacity;
};
