#include "util/errors.h"
#include "util/text_format.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <limits>

namespace {

// Keeps the C locale's number format while a test runs.
class TextFormatTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

TEST_F(TextFormatTest, PlaceholdersShowTheirArguments) {
    const int minusOne = -1;
    const void* pointer = reinterpret_cast<const void*>(quintptr{0xBEEF});
    const struct {
        const char* name;
        QString result;
        QString expected;
    } cases[] = {
        {"text", TextFormat(QStringLiteral("[%s]"), {QStringLiteral("ab")}),
         QStringLiteral("[ab]")},
        {"signed", TextFormat(QStringLiteral("%d"), {-42}), QStringLiteral("-42")},
        {"minimum digits", TextFormat(QStringLiteral("%.4d"), {-7}), QStringLiteral("-0007")},
        {"unsigned of a negative 32-bit value", TextFormat(QStringLiteral("%u"), {minusOne}),
         QStringLiteral("4294967295")},
        {"64-bit", TextFormat(QStringLiteral("%d"), {qint64{-5000000000}}),
         QStringLiteral("-5000000000")},
        {"hexadecimal", TextFormat(QStringLiteral("%X %.4X"), {255, 10}),
         QStringLiteral("FF 000A")},
        {"hexadecimal of a negative value", TextFormat(QStringLiteral("%X"), {minusOne}),
         QStringLiteral("FFFFFFFF")},
        {"width", TextFormat(QStringLiteral("[%5d][%-5s]"), {12, "ab"}),
         QStringLiteral("[   12][ab   ]")},
        {"width and precision from arguments", TextFormat(QStringLiteral("[%*.*f]"), {7, 1, 2.04}),
         QStringLiteral("[    2.0]")},
        {"text precision cuts", TextFormat(QStringLiteral("%.2s"), {"abcdef"}),
         QStringLiteral("ab")},
        {"indexes", TextFormat(QStringLiteral("%1:s %0:s %s"), {"a", "b"}),
         QStringLiteral("b a b")},
        {"fixed", TextFormat(QStringLiteral("%f|%.3f"), {1.5, 2.0}), QStringLiteral("1.50|2.000")},
        {"scientific", TextFormat(QStringLiteral("%e|%.3e"), {1234.5, -0.5}),
         QStringLiteral("1.23450000000000E+003|-5.00E-001")},
        {"general", TextFormat(QStringLiteral("%g|%g|%g"), {0.25, 1e20, 100.0}),
         QStringLiteral("0.25|1E20|100")},
        {"thousands", TextFormat(QStringLiteral("%n"), {1234567.891}),
         QStringLiteral("1,234,567.89")},
        {"pointer", TextFormat(QStringLiteral("%p"), {pointer}),
         QStringLiteral("000000000000BEEF").right(int(sizeof(void*) * 2))},
        {"percent", TextFormat(QStringLiteral("100%% %s"), {"x"}), QStringLiteral("100% x")},
        {"placeholders are not read inside arguments", TextFormat(QStringLiteral("%s"), {"%d"}),
         QStringLiteral("%d")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result, c.expected) << c.name;
}

TEST_F(TextFormatTest, WidthsPrecisionsAndKindsOfEveryType) {
    const struct {
        const char* name;
        QString result;
        QString expected;
    } cases[] = {
        {"no placeholder", TextFormat(QStringLiteral("Custom"), {0}), QStringLiteral("Custom")},
        {"hexadecimal cases",
         TextFormat(QStringLiteral("%x %X %.6x %.2x"), {255, 255, 255, 0x12345}),
         QStringLiteral("ff FF 0000ff 12345")},
        {"64-bit hexadecimal", TextFormat(QStringLiteral("%x"), {qint64(-1)}),
         QStringLiteral("ffffffffffffffff")},
        {"64-bit unsigned", TextFormat(QStringLiteral("%u"), {qint64(-1)}),
         QStringLiteral("18446744073709551615")},
        {"signed widths", TextFormat(QStringLiteral("%5d|%-5d|%.3d"), {42, 42, 5}),
         QStringLiteral("   42|42   |005")},
        {"scientific precision", TextFormat(QStringLiteral("%.1e"), {0.00012}),
         QStringLiteral("1E-004")},
        {"general precision", TextFormat(QStringLiteral("%.3g|%g|%g"), {1234.5, 0.0, 1.5e-7}),
         QStringLiteral("1.23E3|0|1.5E-7")},
        {"text widths", TextFormat(QStringLiteral("%6s|%-6s|"), {"Blue", "Cyan"}),
         QStringLiteral("  Blue|Cyan  |")},
        {"character", TextFormat(QStringLiteral("%s"), {QChar(u'K')}), QStringLiteral("K")},
        {"counts from arguments", TextFormat(QStringLiteral("%*d|%-*d|%.*d"), {4, 1, 3, 2, 3, 9}),
         QStringLiteral("   1|2  |009")},
        {"negative width from an argument", TextFormat(QStringLiteral("%*d"), {-5, 1}),
         QStringLiteral("1")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result, c.expected) << c.name;
}

TEST_F(TextFormatTest, HugeWidthsAndPrecisionsAreCapped) {
    EXPECT_EQ(TextFormat(QStringLiteral("%99999999999d"), {1}).size(), 4096);
    EXPECT_EQ(TextFormat(QStringLiteral("%.99999999999d"), {1}).size(), 4096);
    EXPECT_EQ(TextFormat(QStringLiteral("%*d"), {1 << 30, 1}).size(), 4096);
}

TEST_F(TextFormatTest, InfinitiesAndNotANumber) {
    EXPECT_EQ(TextFormat(QStringLiteral("%g"), {std::numeric_limits<double>::infinity()}),
              QStringLiteral("INF"));
    EXPECT_EQ(TextFormat(QStringLiteral("%f"), {std::numeric_limits<double>::quiet_NaN()}),
              QStringLiteral("NAN"));
}

TEST_F(TextFormatTest, DecimalSeparatorIsTheLocales) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(TextFormat(QStringLiteral("%.1f"), {2.5}), QStringLiteral("2,5"));
    EXPECT_EQ(TextFormat(QStringLiteral("%n"), {1234.5}), QStringLiteral("1.234,50"));
}

TEST_F(TextFormatTest, MismatchedOrMissingArgumentsRaise) {
    const struct {
        const char* format;
        std::initializer_list<TCkFmtArg> args;
        QString message;
    } cases[] = {
        {"%d", {"x"}, QStringLiteral("Format '%d' invalid or incompatible with argument")},
        {"%s", {1}, QStringLiteral("Format '%s' invalid or incompatible with argument")},
        {"%f", {1}, QStringLiteral("Format '%f' invalid or incompatible with argument")},
        {"%q", {1}, QStringLiteral("Format '%q' invalid or incompatible with argument")},
        {"%*d", {"x", 1}, QStringLiteral("Format '%*d' invalid or incompatible with argument")},
        {"%s %s", {"a"}, QStringLiteral("No argument for format '%s %s'")},
        {"%", {}, QStringLiteral("No argument for format '%'")},
        {"%p", {5}, QStringLiteral("Format '%p' invalid or incompatible with argument")},
        {"%d", {1.5}, QStringLiteral("Format '%d' invalid or incompatible with argument")},
        {"%3:d", {5}, QStringLiteral("No argument for format '%3:d'")},
    };
    for (const auto& c : cases) {
        try {
            TextFormat(QString::fromUtf8(c.format), c.args);
            ADD_FAILURE() << c.format << " did not raise";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), c.message) << c.format;
        }
    }
}

} // namespace
