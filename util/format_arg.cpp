#include "util/format_arg.h"

#include "util/argument_errors.h"
#include "util/locale_utils.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <cstdint>

namespace {

QString BoolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// All digits of the address: a 64-bit pointer cut to 8 digits would name another address.
QString PointerText(const void* pointer) {
    constexpr int digits = sizeof(void*) * 2;
    return QStringLiteral("%1")
        .arg(reinterpret_cast<std::uintptr_t>(pointer), digits, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace

QString CurrencyToText(CkCurrency value) {
    constexpr quint64 Scale = 10000;
    const bool negative = value.tenThousandths < 0;
    // Through unsigned arithmetic, so the most negative amount has a magnitude too.
    const quint64 magnitude =
        negative ? 0 - quint64(value.tenThousandths) : quint64(value.tenThousandths);
    QString text = QString::number(magnitude / Scale);
    if (const quint64 fraction = magnitude % Scale) {
        QString digits = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (digits.endsWith(QLatin1Char('0')))
            digits.chop(1);
        text += CurrentDecimalSeparator() + digits;
    }
    return negative ? QLatin1Char('-') + text : text;
}

TCkFormatArg::TCkFormatArg(const CkCurrency* value)
    : FValue(value ? Value(*value) : Value(Null{})) {}

TCkFormatArg::TCkFormatArg(const QMetaObject* metaClass)
    : FValue(metaClass ? Value(metaClass) : Value(Null{})) {}

TCkFormatArg::TCkFormatArg(const char* value)
    : FValue(value ? Value(QString::fromUtf8(value)) : Value(Null{})) {}

TCkFormatArg::TCkFormatArg(const char16_t* value)
    : FValue(value ? Value(QString::fromUtf16(value)) : Value(Null{})) {}

TCkFormatArg::TCkFormatArg(const ICkToString* object)
    : FValue(object ? Value(object) : Value(Null{})) {}

QString TCkFormatArg::Text(int index) const {
    struct Visitor {
        int index;
        QString operator()(Null) const { throw ArgumentNullException::ForArgument(index); }
        QString operator()(Unsupported) const { throw ArgumentException::TypeNotSupported(index); }
        QString operator()(qint64 v) const { return QString::number(v); }
        QString operator()(quint64 v) const { return QString::number(v); }
        QString operator()(double v) const { return FloatToText(v); }
        QString operator()(bool v) const { return BoolText(v); }
        QString operator()(QChar v) const { return QString(v); }
        QString operator()(const QString& v) const { return v; }
        QString operator()(const void* v) const { return PointerText(v); }
        QString operator()(const ICkToString* v) const { return v->ToString(); }
        QString operator()(const QVariant& v) const { return VariantText(v, index); }
        QString operator()(CkCurrency v) const { return CurrencyToText(v); }
        QString operator()(const QMetaObject* v) const {
            return QString::fromLatin1(v->className());
        }
    };
    return std::visit(Visitor{index}, FValue);
}

QString TCkFormatArg::VariantText(const QVariant& value, int index) {
    if (!value.isValid() || value.typeId() == QMetaType::Nullptr)
        throw ArgumentNullException::ForArgument(index);
    switch (value.typeId()) {
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::SChar:
        return QString::number(value.toLongLong());
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UChar:
        return QString::number(value.toULongLong());
    case QMetaType::Float:
    case QMetaType::Double:
        return FloatToText(value.toDouble());
    case QMetaType::Bool:
        return BoolText(value.toBool());
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QDate:
        return QLocale().toString(value.toDate(), QLocale::ShortFormat);
    case QMetaType::QDateTime:
        return QLocale().toString(value.toDateTime(), QLocale::ShortFormat);
    default:
        if (value.metaType() == QMetaType::fromType<CkCurrency>())
            return CurrencyToText(value.value<CkCurrency>());
        throw ArgumentException::TypeNotSupported(index);
    }
}
