#pragma once
// The library's general text format: "%" [index ":"] ["-"] [width] ["." precision] type, where
// type is one of d (decimal), u (unsigned decimal), x (hexadecimal, lower-case; X upper-case),
// e (scientific), f (fixed), g (general), n (fixed with thousand separators), m (money),
// p (pointer) and s (text); "%%" is one percent sign. Index, width and precision may be "*",
// which takes the next argument (an integer). Numbers use the current locale's separators.

#include <QChar>
#include <QString>
#include <QStringView>
#include <concepts>
#include <initializer_list>
#include <span>
#include <type_traits>
#include <variant>

class TFormatArg {
public:
    // 32-bit integers stay 32-bit (u and x read them as 32 bits); wider ones and unsigned
    // 32-bit ones are 64-bit.
    template <std::integral T>
    requires(!std::is_same_v<T, bool> && !std::is_same_v<T, char> && !std::is_same_v<T, char16_t>)
        TFormatArg(T value)
        : FValue(FromIntegral(value)) {}
    template <std::floating_point T> TFormatArg(T value) : FValue(static_cast<double>(value)) {}
    TFormatArg(const QString& value) : FValue(value) {}
    TFormatArg(QChar value) : FValue(QString(value)) {}
    TFormatArg(const char* value) : FValue(QString::fromUtf8(value)) {}
    TFormatArg(const void* pointer) : FValue(pointer) {}

    using Value = std::variant<qint32, qint64, double, QString, const void*>;
    const Value& value() const { return FValue; }

private:
    template <typename T> static Value FromIntegral(T value) {
        if constexpr (sizeof(T) < 4 || (sizeof(T) == 4 && std::is_signed_v<T>))
            return static_cast<qint32>(value);
        else
            return static_cast<qint64>(value);
    }

    Value FValue;
};

// Raises EConvertError for a specifier without a type, with an unknown type or with an argument
// of a kind it cannot show, and for a specifier that has no argument left.
QString Format(QStringView pattern, std::span<const TFormatArg> args);
inline QString Format(QStringView pattern, std::initializer_list<TFormatArg> args) {
    return Format(pattern, std::span<const TFormatArg>(args.begin(), args.size()));
}
