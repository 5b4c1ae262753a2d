#include "util/string_builder.h"

#include "util/argument_errors.h"
#include "util/locale_utils.h"

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 LargestCapacity = std::numeric_limits<int>::max();

const char16_t* Units(QStringView text) {
    return reinterpret_cast<const char16_t*>(text.utf16());
}

// The part of value that a (startIndex, length) pair names, clipped to the text.
QStringView Part(QStringView value, int startIndex, int length) {
    if (startIndex < 0)
        throw ArgumentOutOfRangeException();
    if (length <= 0 || startIndex >= value.size())
        return {};
    return value.sliced(startIndex, std::min<qsizetype>(length, value.size() - startIndex));
}

} // namespace

TCkStringBuilder::TCkStringBuilder(int capacity, int maxCapacity) : FMaxCapacity(maxCapacity) {
    if (capacity < 0)
        throw ArgumentOutOfRangeException();
    FChars.resize(capacity);
}

TCkStringBuilder::TCkStringBuilder(QStringView value, int capacity) : TCkStringBuilder(capacity) {
    Append(value);
}

TCkStringBuilder::TCkStringBuilder(QStringView value, int startIndex, int length, int capacity)
    : TCkStringBuilder(capacity) {
    Append(value, startIndex, length);
}

QString TCkStringBuilder::BoolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

void TCkStringBuilder::CheckRoom(qint64 added) const {
    if (Capacity() + added > FMaxCapacity)
        throw ArgumentOutOfRangeException();
}

// Grows by added plus two thirds of the current capacity, so repeated appends stay linear.
void TCkStringBuilder::GrowFor(qint64 needed, qint64 added) {
    const qint64 capacity = Capacity();
    if (capacity >= needed)
        return;
    FChars.resize(std::min(added + capacity * 5 / 3, LargestCapacity));
}

void TCkStringBuilder::AppendChars(const char16_t* chars, int count, int repeatCount) {
    if (count <= 0)
        return;
    for (int i = 0; i < repeatCount; ++i) {
        CheckRoom(count);
        GrowFor(qint64{FLength} + count, count);
        std::copy_n(chars, count, FChars.begin() + FLength);
        FLength += count;
    }
}

void TCkStringBuilder::InsertChars(int index, const char16_t* chars, int count, int repeatCount) {
    if (index < 0 || index > FLength)
        throw ArgumentOutOfRangeException();
    if (index == FLength) {
        AppendChars(chars, count, repeatCount);
        return;
    }
    if (count <= 0)
        return;
    for (int i = 0; i < repeatCount; ++i) {
        CheckRoom(count);
        GrowFor(qint64{FLength} + count, count);
        const auto at = FChars.begin() + index;
        std::copy_backward(at, FChars.begin() + FLength, FChars.begin() + FLength + count);
        std::copy_n(chars, count, at);
        FLength += count;
        index += count;
    }
}

TCkStringBuilder& TCkStringBuilder::AppendText(const QString& text) {
    AppendChars(Units(text), static_cast<int>(text.size()), 1);
    return *this;
}

TCkStringBuilder& TCkStringBuilder::InsertText(int index, const QString& text) {
    InsertChars(index, Units(text), static_cast<int>(text.size()), 1);
    return *this;
}

TCkStringBuilder& TCkStringBuilder::Append(QStringView value) {
    AppendChars(Units(value), static_cast<int>(value.size()), 1);
    return *this;
}

TCkStringBuilder& TCkStringBuilder::Append(QStringView value, int startIndex, int length) {
    return Append(Part(value, startIndex, length));
}

TCkStringBuilder& TCkStringBuilder::Append(QChar value, int repeatCount) {
    const char16_t unit = value.unicode();
    AppendChars(&unit, 1, repeatCount);
    return *this;
}

TCkStringBuilder& TCkStringBuilder::Append(int value) {
    return AppendText(QString::number(value));
}

TCkStringBuilder& TCkStringBuilder::Append(qint64 value) {
    return AppendText(QString::number(value));
}

TCkStringBuilder& TCkStringBuilder::Append(double value) {
    return AppendText(FloatToText(value));
}

TCkStringBuilder& TCkStringBuilder::Append(const ICkToString* object) {
    return AppendFormat(u"{0}", object);
}

TCkStringBuilder& TCkStringBuilder::AppendFormat(QStringView format,
                                                 std::span<const TCkFormatArg> args) {
    return AppendText(IndexedFormat(format, args));
}

TCkStringBuilder& TCkStringBuilder::Insert(int index, QStringView value, int count) {
    InsertChars(index, Units(value), static_cast<int>(value.size()), count);
    return *this;
}

TCkStringBuilder& TCkStringBuilder::Insert(int index, QStringView value, int startIndex,
                                           int length) {
    return Insert(index, Part(value, startIndex, length));
}

TCkStringBuilder& TCkStringBuilder::Insert(int index, int value) {
    return InsertText(index, QString::number(value));
}

TCkStringBuilder& TCkStringBuilder::Insert(int index, qint64 value) {
    return InsertText(index, QString::number(value));
}

TCkStringBuilder& TCkStringBuilder::Insert(int index, double value) {
    return InsertText(index, FloatToText(value));
}

TCkStringBuilder& TCkStringBuilder::Insert(int index, const ICkToString* object) {
    const TCkFormatArg arg(object);
    return InsertText(index, IndexedFormat(u"{0}", std::span<const TCkFormatArg>(&arg, 1)));
}

TCkStringBuilder& TCkStringBuilder::Remove(int startIndex, int length) {
    if (startIndex < 0 || length < 0 || qint64{startIndex} + length > FLength)
        throw ArgumentOutOfRangeException();
    const auto from = FChars.begin() + startIndex;
    std::copy(from + length, FChars.begin() + FLength, from);
    FLength -= length;
    return *this;
}

TCkStringBuilder& TCkStringBuilder::Replace(QChar oldChar, QChar newChar, int startIndex,
                                            int count) {
    if (count == -1)
        count = FLength - startIndex;
    if (startIndex < 0 || count < 0 || qint64{startIndex} + count > FLength)
        throw ArgumentOutOfRangeException();
    if (count == 0 || oldChar == newChar)
        return *this;
    const auto from = FChars.begin() + startIndex;
    std::replace(from, from + count, oldChar.unicode(), newChar.unicode());
    return *this;
}

TCkStringBuilder& TCkStringBuilder::Replace(QStringView oldValue, QStringView newValue,
                                            int startIndex, int count) {
    if (count == -1)
        count = FLength - startIndex;
    if (startIndex < 0 || count < 0 || qint64{startIndex} + count > FLength)
        throw ArgumentOutOfRangeException();
    if (oldValue.isEmpty())
        throw ArgumentException::NullArgument(0);
    if (count == 0 || oldValue == newValue)
        return *this;

    // The new text is built apart and taken over only when it fits, so a refused replace leaves
    // the builder as it was.
    const QStringView text(FChars.data(), FLength);
    QString result = text.first(startIndex).toString();
    const qsizetype rangeEnd = qint64{startIndex} + count;
    qsizetype i = startIndex;
    while (i < rangeEnd) {
        if (text.sliced(i).startsWith(oldValue)) {
            result += newValue;
            i += oldValue.size();
        } else {
            result += text[i];
            ++i;
        }
    }
    if (i < FLength)
        result += text.sliced(i);
    if (result.size() > FMaxCapacity)
        throw ArgumentOutOfRangeException();

    GrowFor(result.size(), result.size() - FLength);
    std::copy_n(Units(result), result.size(), FChars.begin());
    FLength = static_cast<int>(result.size());
    return *this;
}

int TCkStringBuilder::EnsureCapacity(int capacity) {
    if (Capacity() < capacity)
        FChars.resize(capacity);
    return Capacity();
}

QChar TCkStringBuilder::CharAt(int index) const {
    if (index < 0 || index >= FLength)
        throw ArgumentOutOfRangeException();
    return QChar(FChars[index]);
}

QString TCkStringBuilder::ToString() const {
    if (FLength <= 0)
        return {};
    return QString(reinterpret_cast<const QChar*>(FChars.data()), FLength);
}

void TCkStringBuilder::SetLength(int value) {
    if (value < 0 || value > Capacity())
        throw ArgumentOutOfRangeException();
    FLength = value;
}

void TCkStringBuilder::SetCapacity(int value) {
    if (value < 0)
        throw ArgumentOutOfRangeException();
    if (value == Capacity())
        return;
    FChars.resize(value);
    FLength = std::min(FLength, value);
}
