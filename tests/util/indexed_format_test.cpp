#include "util/argument_errors.h"
#include "util/indexed_format.h"

#include <QDate>
#include <QPoint>
#include <QTimer>
#include <QVariant>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

struct Described : ICkToString {
    QString ToString() const override { return QStringLiteral("described"); }
};

struct Plain {};

const QMetaObject* const ObjectClass = &QObject::staticMetaObject;
const CkCurrency Amount{125000};

TEST(IndexedFormat, FillsPlaceholders) {
    const Described described;
    const int anchor = 0;
    const struct {
        const char* name;
        QString format;
        std::vector<TCkFormatArg> args;
        QString expected;
    } cases[] = {
        {"braces and index", "a{{b}}c{0}", {5}, "a{b}c5"},
        {"no arguments leaves braces", "a{{b}}{7}", {}, "a{{b}}{7}"},
        {"empty format without arguments", "", {}, ""},
        {"order and reuse", "{1}{0}{1}", {u'x', QStringLiteral("yz")}, "yzxyz"},
        {"lone closing brace", "a}b{0}", {1}, "a}b1"},
        {"placeholder at end without brace", "a{0", {7}, "a7"},
        {"booleans", "{0}/{1}", {true, false}, "True/False"},
        {"negative and unsigned 64-bit",
         "{0} {1}",
         {-3, quint64{18446744073709551615u}},
         "-3 18446744073709551615"},
        {"utf-8 text", "<{0}>", {"é"}, "<é>"},
        {"utf-16 text", "<{0}>", {u"ж"}, "<ж>"},
        {"object", "[{0}]", {static_cast<const ICkToString*>(&described)}, "[described]"},
        {"variants",
         "{0},{1},{2}",
         {QVariant(12), QVariant(QStringLiteral("v")), QVariant(true)},
         "12,v,True"},
        {"class names", "{0} {1}", {ObjectClass, &QTimer::staticMetaObject}, "QObject QTimer"},
        {"currency amounts",
         "{0} {1} {2} {3} {4}",
         {CkCurrency{12345678}, CkCurrency{-5}, CkCurrency{30000}, CkCurrency{0},
          CkCurrency{std::numeric_limits<qint64>::min()}},
         "1234.5678 -0.0005 3 0 -922337203685477.5808"},
        {"currency through a pointer and a variant",
         "{0} {1}",
         {&Amount, QVariant::fromValue(CkCurrency{25000})},
         "12.5 2.5"},
        {"whole pointer",
         "{0}",
         {static_cast<const void*>(&anchor)},
         QStringLiteral("%1")
             .arg(reinterpret_cast<quintptr>(&anchor), int(sizeof(void*) * 2), 16, QLatin1Char('0'))
             .toUpper()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IndexedFormat(c.format, c.args), c.expected) << c.name;
}

template <typename E>
void ExpectError(const QString& format, const std::vector<TCkFormatArg>& args,
                 const QString& message) {
    try {
        IndexedFormat(format, args);
        ADD_FAILURE() << "no error for " << format.toStdString();
    } catch (const E& e) {
        EXPECT_EQ(e.Message(), message) << format.toStdString();
    }
}

TEST(IndexedFormat, RefusesBadPlaceholdersAndArguments) {
    const Plain plain;
    ExpectError<FormatException>("{1}", {5}, "Format exception");
    ExpectError<FormatException>("{-1}", {5}, "Format exception");
    ExpectError<FormatException>("{x}", {5}, "Format exception");
    ExpectError<FormatException>("{}", {5}, "Format exception");
    ExpectError<FormatException>("ab{", {5}, "Format exception");
    ExpectError<ArgumentNullException>("", {5}, "Format string is null");
    ExpectError<ArgumentNullException>("{0}{1}", {1, nullptr}, "Argument 1 is null");
    ExpectError<ArgumentNullException>("{0}", {static_cast<const ICkToString*>(nullptr)},
                                       "Argument 0 is null");
    ExpectError<ArgumentNullException>("{0}", {QVariant()}, "Argument 0 is null");
    ExpectError<ArgumentException>("{0}", {QVariant(QPoint(1, 2))},
                                   "Argument type of 0 is not supported");
    ExpectError<ArgumentException>("{1}", {0, &plain}, "Argument type of 1 is not supported");
    ExpectError<ArgumentNullException>("{0}", {static_cast<const QMetaObject*>(nullptr)},
                                       "Argument 0 is null");
    ExpectError<ArgumentNullException>("{0}", {static_cast<const CkCurrency*>(nullptr)},
                                       "Argument 0 is null");
}

TEST(IndexedFormat, UnusedBadArgumentsDoNoHarm) {
    const std::vector<TCkFormatArg> args{1, nullptr};
    EXPECT_EQ(IndexedFormat(u"{0}", args), QStringLiteral("1"));
}

} // namespace
