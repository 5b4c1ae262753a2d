#include "util/text_format.h"

#include "util/errors.h"
#include "util/locale_utils.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr int DefaultFixedDigits = 2;
// A pattern cannot ask for more padding or digits than this: it must not build a huge text.
constexpr int MaxCount = 4096;
constexpr int DefaultSignificantDigits = 15;

struct Placeholder {
    bool leftAligned = false;
    std::optional<int> width;
    std::optional<int> precision;
    QChar type;
};

class Formatter {
public:
    Formatter(const QString& format, std::initializer_list<TCkFmtArg> args)
        : FFormat(format), FArgs(args) {}

    QString Run();

private:
    [[noreturn]] void Invalid() const {
        throw EConvertError(
            QStringLiteral("Format '%1' invalid or incompatible with argument").arg(FFormat));
    }
    QChar At(qsizetype i) const { return i < FFormat.size() ? FFormat[i] : QChar(); }
    std::optional<int> ReadNumber(qsizetype& i);
    std::optional<int> ReadCount(qsizetype& i);
    const TCkFmtArg::Value& NextArg();
    QString Show(const Placeholder& p, const TCkFmtArg::Value& arg) const;

    const QString& FFormat;
    std::initializer_list<TCkFmtArg> FArgs;
    std::size_t FNext = 0;
};

QString Digits(quint64 value, int base, std::optional<int> precision, bool upperCase = true) {
    QString text = QString::number(value, base);
    if (upperCase)
        text = text.toUpper();
    if (precision && text.size() < *precision)
        text.prepend(QString(*precision - text.size(), QLatin1Char('0')));
    return text;
}

quint64 AsUnsigned(const TCkFmtArg::Integer& n) {
    const auto bits = static_cast<quint64>(n.value);
    return n.bits == 32 ? (bits & 0xFFFFFFFFu) : bits;
}

// The number with the locale's decimal separator in place of the point.
QString Localized(QString text) {
    const QChar separator = CurrentDecimalSeparator();
    if (separator != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), separator);
    return text;
}

// "-d.dddE+ddd": digits significant digits, an exponent of at least three.
QString Scientific(double value, int digits) {
    QString text = QString::number(value, 'E', std::max(digits, 1) - 1);
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    QString exponent = text.mid(e + 2);
    if (exponent.size() < 3)
        exponent.prepend(QString(3 - exponent.size(), QLatin1Char('0')));
    return Localized(text.left(e + 2) + exponent);
}

// The shorter of fixed and scientific without trailing zeros, as "1E20" or "0.25".
QString General(double value, int digits) {
    QString text = QString::number(value, 'G', digits);
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    if (e >= 0) {
        QString mantissa = text.left(e);
        const int exponent = text.mid(e + 1).toInt();
        text = mantissa + QLatin1Char('E') + QString::number(exponent);
    }
    return Localized(text);
}

QString WithThousands(double value, int digits) {
    QLocale locale;
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale.toString(value, 'f', digits);
}

QString FloatText(QChar type, double value, std::optional<int> precision) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    switch (type.unicode()) {
    case 'E':
        return Scientific(value, precision.value_or(DefaultSignificantDigits));
    case 'F':
        return Localized(QString::number(value, 'f', precision.value_or(DefaultFixedDigits)));
    case 'G':
        return General(value, precision.value_or(DefaultSignificantDigits));
    case 'N':
        return WithThousands(value, precision.value_or(DefaultFixedDigits));
    default:
        return QLocale().toCurrencyString(value, QString(), precision.value_or(DefaultFixedDigits));
    }
}

} // namespace

std::optional<int> Formatter::ReadNumber(qsizetype& i) {
    const qsizetype start = i;
    while (At(i).isDigit())
        ++i;
    if (i == start)
        return std::nullopt;
    bool ok = false;
    const qint64 number = FFormat.mid(start, i - start).toLongLong(&ok);
    return ok ? int(std::min<qint64>(number, MaxCount)) : MaxCount;
}

// A width or precision: digits, or "*" for the next argument, which must be an integer.
std::optional<int> Formatter::ReadCount(qsizetype& i) {
    if (At(i) != QLatin1Char('*'))
        return ReadNumber(i);
    ++i;
    const auto* n = std::get_if<TCkFmtArg::Integer>(&NextArg());
    if (!n)
        Invalid();
    return int(std::clamp<qint64>(n->value, -1, MaxCount));
}

const TCkFmtArg::Value& Formatter::NextArg() {
    if (FNext >= FArgs.size())
        throw EConvertError(QStringLiteral("No argument for format '%1'").arg(FFormat));
    return (FArgs.begin() + FNext++)->Get();
}

QString Formatter::Show(const Placeholder& p, const TCkFmtArg::Value& arg) const {
    const QChar type = p.type.toUpper();
    if (const auto* n = std::get_if<TCkFmtArg::Integer>(&arg)) {
        if (type == QLatin1Char('D')) {
            if (n->isUnsigned || n->value >= 0)
                return Digits(static_cast<quint64>(n->value), 10, p.precision);
            return QLatin1Char('-') + Digits(0 - static_cast<quint64>(n->value), 10, p.precision);
        }
        if (type == QLatin1Char('U'))
            return Digits(AsUnsigned(*n), 10, p.precision);
        if (type == QLatin1Char('X'))
            return Digits(AsUnsigned(*n), 16, p.precision, p.type == QLatin1Char('X'));
    } else if (const auto* value = std::get_if<double>(&arg)) {
        if (QStringLiteral("EFGNM").contains(type))
            return FloatText(type, *value, p.precision);
    } else if (const auto* text = std::get_if<QString>(&arg)) {
        if (type == QLatin1Char('S'))
            return p.precision ? text->left(*p.precision) : *text;
    } else if (type == QLatin1Char('P')) {
        const auto address = reinterpret_cast<quintptr>(std::get<const void*>(arg));
        return Digits(address, 16, int(sizeof(void*) * 2));
    }
    Invalid();
}

QString Formatter::Run() {
    QString result;
    qsizetype i = 0;
    while (i < FFormat.size()) {
        const qsizetype percent = FFormat.indexOf(QLatin1Char('%'), i);
        if (percent < 0) {
            result += QStringView(FFormat).sliced(i);
            break;
        }
        result += QStringView(FFormat).sliced(i, percent - i);
        i = percent + 1;
        if (At(i) == QLatin1Char('%')) {
            result += QLatin1Char('%');
            ++i;
            continue;
        }
        Placeholder p;
        // Digits before ":" are an argument index; otherwise they are the width.
        std::optional<int> number = ReadCount(i);
        if (number && At(i) == QLatin1Char(':')) {
            if (*number < 0)
                Invalid();
            FNext = std::size_t(*number);
            ++i;
            number.reset();
        }
        if (!number && At(i) == QLatin1Char('-')) {
            p.leftAligned = true;
            ++i;
        }
        p.width = number ? number : ReadCount(i);
        if (At(i) == QLatin1Char('.')) {
            ++i;
            p.precision = ReadCount(i);
            if (!p.precision)
                Invalid();
        }
        p.type = At(i++);
        QString shown = Show(p, NextArg());
        if (p.width && shown.size() < *p.width) {
            const QString padding(*p.width - shown.size(), QLatin1Char(' '));
            shown = p.leftAligned ? shown + padding : padding + shown;
        }
        result += shown;
    }
    return result;
}

QString TextFormat(const QString& format, std::initializer_list<TCkFmtArg> args) {
    return Formatter(format, args).Run();
}
