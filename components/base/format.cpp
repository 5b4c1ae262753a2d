#include "components/base/format.h"

#include "components/base/convert_error.h"

#include <QLocale>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

// Widths and precisions past this are taken as this: a pattern cannot make a huge text.
constexpr int MaxFieldSize = 4096;
// Significant digits a floating-point text can carry.
constexpr int MaxFloatDigits = 18;
constexpr int DefaultScientificDigits = 15;
constexpr int DefaultDecimals = 2;

struct TSpec {
    bool leftJustify = false;
    int width = 0;
    std::optional<int> precision;
    QChar type;
    QStringView text; // the specifier as written, for the error messages
};

[[noreturn]] void invalidFormat(QStringView spec) {
    throw EConvertError(
        QStringLiteral("Format '%1' invalid or incompatible with argument").arg(spec));
}

QString withMinimumDigits(QString digits, const std::optional<int>& precision) {
    if (precision && digits.size() < *precision)
        digits.prepend(QString(*precision - digits.size(), u'0'));
    return digits;
}

QString specialFloat(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString localised(QString text) {
    const QString point = QLocale().decimalPoint();
    if (point != QStringLiteral("."))
        text.replace(u'.', point);
    return text;
}

// "-d.ddd...E+ddd": digits significant digits, an exponent of at least three digits.
QString scientific(double value, int digits) {
    const QString text = QString::number(value, 'e', digits - 1);
    const qsizetype e = text.indexOf(u'e');
    const int exponent = text.mid(e + 1).toInt();
    const QString power = QString::number(std::abs(exponent)).rightJustified(3, u'0');
    return localised(text.left(e)) + u'E' + (exponent < 0 ? u'-' : u'+') + power;
}

// Fixed notation while the integer part has at most digits digits and the value is not below
// 0.00001, else scientific with the exponent as short as it goes; no trailing zeros.
QString general(double value, int digits) {
    if (value == 0)
        return QStringLiteral("0");
    const QString text = QString::number(std::abs(value), 'e', digits - 1);
    const qsizetype e = text.indexOf(u'e');
    const int exponent = text.mid(e + 1).toInt();
    QString mantissa = text.left(e);
    mantissa.remove(u'.');
    while (mantissa.size() > 1 && mantissa.endsWith(u'0'))
        mantissa.chop(1);
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    const QString point = QLocale().decimalPoint();
    if (exponent < digits && std::abs(value) >= 0.00001) {
        if (exponent < 0)
            return sign + u'0' + point + QString(-exponent - 1, u'0') + mantissa;
        if (mantissa.size() <= exponent + 1)
            return sign + mantissa + QString(exponent + 1 - mantissa.size(), u'0');
        return sign + mantissa.left(exponent + 1) + point + mantissa.mid(exponent + 1);
    }
    QString result = sign + mantissa.left(1);
    if (mantissa.size() > 1)
        result += point + mantissa.mid(1);
    return result + u'E' + QString::number(exponent);
}

QString fixed(double value, int decimals, bool grouped) {
    if (std::abs(value) >= 1e18)
        return general(value, MaxFloatDigits);
    QLocale locale;
    locale.setNumberOptions(grouped ? locale.numberOptions() & ~QLocale::OmitGroupSeparator
                                    : locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', decimals);
}

QString integerText(const TFormatArg::Value& value, const TSpec& spec) {
    const auto* small = std::get_if<qint32>(&value);
    const auto* large = std::get_if<qint64>(&value);
    if (!small && !large)
        invalidFormat(spec.text);
    const qint64 number = small ? *small : *large;
    switch (spec.type.toLower().unicode()) {
    case u'd': {
        const QString digits = withMinimumDigits(
            QString::number(number < 0 ? -quint64(number) : quint64(number)), spec.precision);
        return number < 0 ? QLatin1Char('-') + digits : digits;
    }
    case u'u':
        return withMinimumDigits(
            QString::number(small ? quint64(quint32(*small)) : quint64(*large)), spec.precision);
    default: {
        const quint64 bits = small ? quint64(quint32(*small)) : quint64(*large);
        const QString digits = QString::number(bits, 16);
        return withMinimumDigits(spec.type == u'X' ? digits.toUpper() : digits, spec.precision);
    }
    }
}

QString floatText(const TFormatArg::Value& value, const TSpec& spec) {
    const auto* number = std::get_if<double>(&value);
    if (!number)
        invalidFormat(spec.text);
    if (!std::isfinite(*number))
        return specialFloat(*number);
    const int decimals = std::min(spec.precision.value_or(DefaultDecimals), MaxFloatDigits);
    const int digits =
        std::clamp(spec.precision.value_or(DefaultScientificDigits), 1, MaxFloatDigits);
    switch (spec.type.toLower().unicode()) {
    case u'e':
        return scientific(*number, digits);
    case u'f':
        return fixed(*number, decimals, false);
    case u'g':
        return general(*number, digits);
    case u'n':
        return fixed(*number, decimals, true);
    default:
        return QLocale().toCurrencyString(*number, QLocale().currencySymbol(),
                                          spec.precision ? decimals : -1);
    }
}

QString pointerText(const TFormatArg::Value& value, const TSpec& spec) {
    const auto* pointer = std::get_if<const void*>(&value);
    if (!pointer)
        invalidFormat(spec.text);
    constexpr int digits = sizeof(void*) * 2;
    return QString::number(reinterpret_cast<std::uintptr_t>(*pointer), 16)
        .rightJustified(digits, u'0')
        .toUpper();
}

QString stringText(const TFormatArg::Value& value, const TSpec& spec) {
    const auto* text = std::get_if<QString>(&value);
    if (!text)
        invalidFormat(spec.text);
    return spec.precision ? text->left(*spec.precision) : *text;
}

QString argumentText(const TFormatArg::Value& value, const TSpec& spec) {
    switch (spec.type.toLower().unicode()) {
    case u'd':
    case u'u':
    case u'x':
        return integerText(value, spec);
    case u'e':
    case u'f':
    case u'g':
    case u'n':
    case u'm':
        return floatText(value, spec);
    case u'p':
        return pointerText(value, spec);
    case u's':
        return stringText(value, spec);
    default:
        invalidFormat(spec.text);
    }
}

// Reads one specifier after its "%" and formats its argument.
class TSpecReader {
public:
    TSpecReader(QStringView pattern, std::span<const TFormatArg> args)
        : FPattern(pattern), FArgs(args) {}

    QString Run() {
        QString result;
        while (FPos < FPattern.size()) {
            const QChar c = FPattern[FPos++];
            if (c != u'%') {
                result += c;
            } else if (FPos < FPattern.size() && FPattern[FPos] == u'%') {
                result += u'%';
                ++FPos;
            } else {
                result += Specifier(FPos - 1);
            }
        }
        return result;
    }

private:
    QString Specifier(qsizetype start) {
        TSpec spec;
        std::optional<int> number = Number(start);
        if (number && FPos < FPattern.size() && FPattern[FPos] == u':') {
            ++FPos;
            FNextArg = *number;
            number = Number(start);
        }
        if (!number && FPos < FPattern.size() && FPattern[FPos] == u'-') {
            spec.leftJustify = true;
            ++FPos;
            number = Number(start);
        }
        spec.width = number.value_or(0);
        if (FPos < FPattern.size() && FPattern[FPos] == u'.') {
            ++FPos;
            spec.precision = Number(start).value_or(0);
        }
        if (FPos >= FPattern.size())
            invalidFormat(FPattern.mid(start));
        spec.type = FPattern[FPos++];
        spec.text = FPattern.mid(start, FPos - start);
        QString text = argumentText(NextArg(spec.text).value(), spec);
        if (text.size() < spec.width) {
            const QString padding(spec.width - text.size(), u' ');
            text = spec.leftJustify ? text + padding : padding + text;
        }
        return text;
    }

    // Digits or "*" (the next argument, which must be an integer); none when neither is there.
    std::optional<int> Number(qsizetype start) {
        if (FPos < FPattern.size() && FPattern[FPos] == u'*') {
            ++FPos;
            const TFormatArg& arg = NextArg(FPattern.mid(start, FPos - start));
            const auto* value = std::get_if<qint32>(&arg.value());
            if (!value)
                invalidFormat(FPattern.mid(start, FPos - start));
            return std::clamp(*value, 0, MaxFieldSize);
        }
        if (!AtDigit())
            return std::nullopt;
        int value = 0;
        while (AtDigit()) {
            value = std::min(value * 10 + (FPattern[FPos].unicode() - u'0'), MaxFieldSize);
            ++FPos;
        }
        return value;
    }

    bool AtDigit() const {
        return FPos < FPattern.size() && FPattern[FPos].unicode() >= u'0' &&
               FPattern[FPos].unicode() <= u'9';
    }

    const TFormatArg& NextArg(QStringView spec) {
        if (FNextArg < 0 || FNextArg >= int(FArgs.size()))
            throw EConvertError(QStringLiteral("No argument for format '%1'").arg(spec));
        return FArgs[FNextArg++];
    }

    QStringView FPattern;
    std::span<const TFormatArg> FArgs;
    qsizetype FPos = 0;
    int FNextArg = 0;
};

} // namespace

QString Format(QStringView pattern, std::span<const TFormatArg> args) {
    return TSpecReader(pattern, args).Run();
}
