#pragma once
// One argument of the indexed format: a number, currency amount, character, Boolean, pointer,
// text, object, class or QVariant, turned into text only when the format uses it.

#include "util/to_string.h"

#include <QChar>
#include <QMetaType>
#include <QString>
#include <QVariant>
#include <concepts>
#include <cstddef>
#include <type_traits>
#include <variant>

// A currency amount: a 64-bit count of ten-thousandths.
struct CkCurrency {
    qint64 tenThousandths = 0;
    friend bool operator==(const CkCurrency&, const CkCurrency&) = default;
};

// The amount as text: its decimals without trailing zeros, the current decimal separator.
QString CurrencyToText(CkCurrency value);

class TCkFormatArg {
public:
    TCkFormatArg(std::nullptr_t) : FValue(Null{}) {}

    template <std::integral T> TCkFormatArg(T value) : FValue(FromIntegral(value)) {}

    template <std::floating_point T> TCkFormatArg(T value) : FValue(static_cast<double>(value)) {}

    TCkFormatArg(QChar value) : FValue(value) {}
    TCkFormatArg(const QString& value) : FValue(value) {}
    // A null-terminated UTF-8 text; a null pointer is a null argument.
    TCkFormatArg(const char* value);
    // A null-terminated UTF-16 text; a null pointer is a null argument.
    TCkFormatArg(const char16_t* value);
    TCkFormatArg(const void* pointer) : FValue(pointer) {}
    // An object that describes itself; a null pointer is a null argument.
    TCkFormatArg(const ICkToString* object);
    TCkFormatArg(const QVariant& value) : FValue(value) {}
    TCkFormatArg(CkCurrency value) : FValue(value) {}
    // A null pointer is a null argument.
    TCkFormatArg(const CkCurrency* value);
    // A class, shown by its name; a null pointer is a null argument.
    TCkFormatArg(const QMetaObject* metaClass);

    // Objects that cannot describe themselves are refused when formatted.
    template <typename T>
    requires(std::is_class_v<T> && !std::is_base_of_v<ICkToString, T> &&
             !std::is_same_v<T, QVariant> && !std::is_same_v<T, QString>) TCkFormatArg(const T*)
        : FValue(Unsupported{}) {}

    // The argument as text; index names it in the messages of ArgumentNullException (a null
    // argument) and ArgumentException (a type the format cannot show).
    QString Text(int index) const;

private:
    struct Null {};
    struct Unsupported {};
    using Value =
        std::variant<Null, Unsupported, qint64, quint64, double, bool, QChar, QString, const void*,
                     const ICkToString*, QVariant, CkCurrency, const QMetaObject*>;

    template <typename T> static Value FromIntegral(T value) {
        if constexpr (std::is_same_v<T, bool>)
            return value;
        else if constexpr (std::is_same_v<T, char> || std::is_same_v<T, char16_t>)
            return QChar(static_cast<char16_t>(value));
        else if constexpr (std::is_signed_v<T>)
            return static_cast<qint64>(value);
        else
            return static_cast<quint64>(value);
    }

    static QString VariantText(const QVariant& value, int index);

    Value FValue;
};
