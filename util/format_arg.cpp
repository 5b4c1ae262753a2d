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
        throw ArgumentException::TypeNotSupported(index);
    }
}
