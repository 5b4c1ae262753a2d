#pragma once
// The run-time library's Format: "%" [index ":"] ["-"] [width] ["." precision] type, with the
// types d (signed), u (unsigned), x (hexadecimal, lower case; X upper case), e, f, g, n, m
// (floating point: scientific, fixed, shortest, with thousands, as money), p (pointer) and s
// (text); width and precision may be "*", taken from the next integer argument, and are held to
// 4096; "%%" is a percent sign.

#include <QChar>
#include <QString>
#include <concepts>
#include <initializer_list>
#include <type_traits>
#include <variant>

class TCkFmtArg {
public:
    struct Integer {
        qint64 value;
        int bits; // 32 or 64: how much of value %u and %x show
        bool isUnsigned;
    };
    using Value = std::variant<Integer, double, QString, const void*>;

    template <std::integral T>
    requires(!std::is_same_v<T, bool> && !std::is_same_v<T, char> && !std::is_same_v<T, char16_t>)
        TCkFmtArg(T value)
        : FValue(Integer{static_cast<qint64>(value), sizeof(T) > 4 ? 64 : 32,
                         std::is_unsigned_v<T>}) {}
    template <std::floating_point T> TCkFmtArg(T value) : FValue(static_cast<double>(value)) {}
    TCkFmtArg(QChar value) : FValue(QString(value)) {}
    TCkFmtArg(char value) : FValue(QString(QLatin1Char(value))) {}
    TCkFmtArg(const QString& value) : FValue(value) {}
    // A null-terminated UTF-8 text; a null pointer is an empty text.
    TCkFmtArg(const char* value) : FValue(QString::fromUtf8(value)) {}
    TCkFmtArg(const void* value) : FValue(value) {}

    const Value& Get() const { return FValue; }

private:
    Value FValue;
};

// Raises EConvertError (util/errors.h) for a placeholder whose argument is missing or of another
// kind.
QString TextFormat(const QString& format, std::initializer_list<TCkFmtArg> args);
