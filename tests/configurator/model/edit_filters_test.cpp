#include "configurator/model/edit_filters.h"

#include <gtest/gtest.h>

namespace {

TEST(EditFilters, KeyPredicates) {
    const struct {
        char16_t key;
        bool digit;
        bool hex;
        bool name;
    } cases[] = {
        {8, true, true, true},       {u'0', true, true, true},    {u'9', true, true, true},
        {u'A', false, true, true},   {u'F', false, true, true},   {u'G', false, false, true},
        {u'a', false, false, true},  {u'z', false, false, true},  {u' ', false, false, true},
        {u'(', false, false, true},  {u')', false, false, true},  {u'-', false, false, true},
        {u'[', false, false, true},  {u']', false, false, true},  {u'_', false, false, true},
        {u'.', false, false, false}, {u'/', false, false, false}, {u'@', false, false, false},
        {u'{', false, false, false}, {u'Ж', false, false, false}, {13, false, false, false},
    };
    for (const auto& c : cases) {
        const QChar key(c.key);
        EXPECT_EQ(IsDigitKey(key), c.digit) << int(c.key);
        EXPECT_EQ(IsHexDigitKey(key), c.hex) << int(c.key);
        EXPECT_EQ(IsDeviceNameKey(key), c.name) << int(c.key);
    }
}

TEST(EditFilters, CutIdentity) {
    DeviceIdentity identity{QStringLiteral("12345"), QStringLiteral("AB"),
                            QStringLiteral("A name that is too long")};
    CutIdentity(identity);
    EXPECT_EQ(identity.vendorId, QStringLiteral("1234"));
    EXPECT_EQ(identity.productId, QStringLiteral("AB"));
    EXPECT_EQ(identity.name, QStringLiteral("A name that is "));
}

TEST(EditFilters, ClampedTexts) {
    const struct {
        const char* text;
        const char* timer;
        const char* step;
        const char* rangeBound;
        const char* calibration;
    } cases[] = {
        {"", "0", "0", "", ""},
        {"0", "0", "0", "0", "0"},
        {"007", "007", "007", "007", "007"},
        {"42", "42", "42", "42", "42"},
        {"100", "100", "100", "100", "100"},
        {"101", "101", "100", "101", "101"},
        {"254", "254", "100", "254", "254"},
        {"256", "254", "100", "255", "256"},
        {"300", "254", "100", "255", "300"},
        {"65535", "254", "100", "255", "65535"},
        {"99999", "254", "100", "255", "65535"},
        {"-5", "0", "0", "0", "0"},
        {"abc", "0", "0", "abc", "abc"},
        {"99999999999", "254", "100", "255", "65535"},
    };
    for (const auto& c : cases) {
        const QString text = QLatin1String(c.text);
        EXPECT_EQ(ClampedTimerText(text), QLatin1String(c.timer)) << c.text;
        EXPECT_EQ(ClampedStepText(text), QLatin1String(c.step)) << c.text;
        EXPECT_EQ(LimitedText(text, RangeBoundMax), QLatin1String(c.rangeBound)) << c.text;
        EXPECT_EQ(LimitedText(text, CalibrationMax), QLatin1String(c.calibration)) << c.text;
    }
}

TEST(EditFilters, Numbers) {
    EXPECT_EQ(LenientNumber(QStringLiteral("17")), 17);
    EXPECT_EQ(LenientNumber(QString()), 0);
    EXPECT_EQ(LenientNumber(QStringLiteral("x1")), 0);
    EXPECT_EQ(StrictNumber(QStringLiteral("17")), 17);
    EXPECT_EQ(StrictNumber(QString()), std::nullopt);
    EXPECT_EQ(StrictNumber(QStringLiteral("1x")), std::nullopt);
}

} // namespace
