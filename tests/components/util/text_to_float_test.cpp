#include "components/util/text_to_float.h"

#include <gtest/gtest.h>

TEST(TextToFloat, ReadsWhatANumberCanBeMadeOf) {
    const QLocale comma(QLocale::German, QLocale::Germany);
    const QLocale point = QLocale::c();
    const struct {
        const char* text;
        QChar separator;
        const QLocale* locale;
        bool ok;
        double value;
    } cases[] = {
        {"", ' ', &point, false, 0},
        {"abc", ' ', &point, false, 0},
        {"12,5 mm", ' ', &comma, true, 12.5},
        {"1.5", ' ', &comma, true, 1.5},        // a point and no comma: the point separates
        {"1,234.5", ' ', &comma, true, 1.2345}, // the comma stays, the point is dropped
        {"3.", ' ', &point, true, 3},
        {"-", ' ', &point, true, 0},
        {"1e3", ' ', &point, true, 1000},
        {"16384", ' ', &point, true, 16384},
        {"-2;5", ';', &point, true, -2.5},
        {"5-", ' ', &point, false, 0},
        {"1.2.3", ' ', &point, false, 0},
    };
    for (const auto& c : cases) {
        double value = -99;
        const bool ok = TryTextToFloat(QString::fromUtf8(c.text), c.separator, value, *c.locale);
        EXPECT_EQ(ok, c.ok) << c.text;
        if (c.ok)
            EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        else
            EXPECT_EQ(value, -99) << c.text << ": a failure leaves the value alone";
    }
}

TEST(TextToFloat, FallsBackOnlyWhenTheTextIsNoNumber) {
    EXPECT_EQ(TextToFloatDef(QStringLiteral("x"), ' ', 16384, QLocale::c()), 16384);
    EXPECT_EQ(TextToFloatDef(QStringLiteral("200"), ' ', 16384, QLocale::c()), 200);
}

TEST(TextToCurrency, KeepsSignsDigitsAndTheCurrentSeparatorOnly) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", -1},
        {"12,5 EUR", 12.5},
        {"1.234,5", 1234.5}, // the point is no separator here and is dropped
        {"1,23456", 1.2346}, // four decimal places
        {"-", -1},
        {"1e3", 13},
        {"x", -1},
        {"99999999999999999999", -1}, // beyond the currency range
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(TextToCurrencyDef(QString::fromUtf8(c.text), -1), c.value) << c.text;
    QLocale::setDefault(previous);
}
