#include "components/base/convert_error.h"
#include "components/base/format.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace {

class FormatTest : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(saved); }
    QLocale saved;
};

TEST_F(FormatTest, EverySpecifierFormatsItsArgument) {
    const int answer = 42;
    const struct {
        const char* pattern;
        std::vector<TFormatArg> args;
        const char* expected;
    } cases[] = {
        {"Custom", {0}, "Custom"},
        {"Custom %d", {3}, "Custom 3"},
        {"100%% %d", {7}, "100% 7"},
        {"%d|%5d|%-5d|%.3d|%.3d", {-7, 42, 42, 5, -5}, "-7|   42|42   |005|-005"},
        {"%u %u", {-1, qint64(-1)}, "4294967295 18446744073709551615"},
        {"%x %X %.6x %.2x", {255, 255, 255, 0x12345}, "ff FF 0000ff 12345"},
        {"%x", {-1}, "ffffffff"},
        {"%x", {qint64(-1)}, "ffffffffffffffff"},
        {"%e", {1.0}, "1.00000000000000E+000"},
        {"%.3e|%.1e", {-12345.678, 0.00012}, "-1.23E+004|1E-004"},
        {"%f|%.0f|%.3f", {3.14159, 2.7, -1.0}, "3.14|3|-1.000"},
        {"%g|%g|%g|%g", {0.5, 100.0, 1e20, 1.5e-7}, "0.5|100|1E20|1.5E-7"},
        {"%.3g", {1234.5}, "1.23E3"},
        {"%g", {0.0}, "0"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%s|%.2s|%6s|%-6s|",
         {QStringLiteral("Red"), "Green", "Blue", "Cyan"},
         "Red|Gr|  Blue|Cyan  |"},
        {"%s", {QChar(u'K')}, "K"},
        {"%1:s %0:s %s", {"a", "b"}, "b a b"},
        {"%*d|%-*d|%.*d", {4, 1, 3, 2, 3, 9}, "   1|2  |009"},
        {"%d %s", {answer, "apples"}, "42 apples"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(Format(QString::fromUtf8(c.pattern), c.args), QString::fromUtf8(c.expected));
    }
}

TEST_F(FormatTest, PointersShowEveryHexadecimalDigitInUpperCase) {
    const void* pointer = reinterpret_cast<const void*>(std::uintptr_t(0xabc));
    EXPECT_EQ(Format(u"%p", {pointer}),
              QStringLiteral("ABC").rightJustified(int(sizeof(void*) * 2), u'0'));
}

TEST_F(FormatTest, FloatsFollowTheLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(Format(u"%f|%n|%e|%g", {1.5, 1234.5, 2.0, 0.25}),
              QStringLiteral("1,50|1.234,50|2,00000000000000E+000|0,25"));
    EXPECT_EQ(Format(u"%g", {std::numeric_limits<double>::infinity()}), QStringLiteral("INF"));
    EXPECT_EQ(Format(u"%f", {std::numeric_limits<double>::quiet_NaN()}), QStringLiteral("NAN"));
    EXPECT_TRUE(Format(u"%m", {3.5}).contains(QStringLiteral("3,50")));
}

TEST_F(FormatTest, BadSpecifiersAndMissingArgumentsRaise) {
    const struct {
        const char* pattern;
        std::vector<TFormatArg> args;
        const char* message;
    } cases[] = {
        {"%s", {5}, "Format '%s' invalid or incompatible with argument"},
        {"%d", {1.5}, "Format '%d' invalid or incompatible with argument"},
        {"%f", {5}, "Format '%f' invalid or incompatible with argument"},
        {"%p", {5}, "Format '%p' invalid or incompatible with argument"},
        {"%k", {5}, "Format '%k' invalid or incompatible with argument"},
        {"100%", {5}, "Format '%' invalid or incompatible with argument"},
        {"%5.", {5}, "Format '%5.' invalid or incompatible with argument"},
        {"%*d", {"x", 5}, "Format '%*' invalid or incompatible with argument"},
        {"%d %d", {5}, "No argument for format '%d'"},
        {"%3:d", {5}, "No argument for format '%3:d'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        try {
            Format(QString::fromUtf8(c.pattern), c.args);
            ADD_FAILURE() << "no exception";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QString::fromUtf8(c.message));
        }
    }
}

TEST_F(FormatTest, HugeWidthsAndPrecisionsAreCapped) {
    EXPECT_EQ(Format(u"%99999999999d", {1}).size(), 4096);
    EXPECT_EQ(Format(u"%.99999999999d", {1}).size(), 4096);
    EXPECT_EQ(Format(u"%*d", {-5, 1}), QStringLiteral("1"));
}

} // namespace
