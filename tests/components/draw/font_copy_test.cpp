#include "components/draw/font_copy.h"

#include <QFont>
#include <gtest/gtest.h>

namespace {

TFont hotFont() {
    TFont font;
    font.Name = QStringLiteral("Hot");
    font.Height = -20;
    font.Color = clRed;
    font.Style = fsUnderline;
    font.Weight = 300;
    font.Escapement = 900;
    font.Pitch = fpVariable;
    return font;
}

TFont sourceFont() {
    TFont font;
    font.Name = QStringLiteral("Source");
    font.Height = -11;
    font.Color = clBlue;
    font.Style = fsBold | fsItalic;
    font.Weight = 700;
    font.Escapement = 0;
    font.Pitch = fpFixed;
    return font;
}

struct CopyCase {
    const char* name;
    TWkTrackFontOptions options;
    bool color, height, name_, pitch, style;
};

class CopyFontExceptTest : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopyFontExceptTest, CopiesEveryAttributeNotPreserved) {
    const CopyCase& c = GetParam();
    TFont font = hotFont();
    CopyFontExcept(font, sourceFont(), c.options);
    const TFont source = sourceFont(), hot = hotFont();
    EXPECT_EQ(font.Color, c.color ? source.Color : hot.Color);
    EXPECT_EQ(font.Height, c.height ? source.Height : hot.Height);
    EXPECT_EQ(font.Name, c.name_ ? source.Name : hot.Name);
    EXPECT_EQ(font.Pitch, c.pitch ? source.Pitch : hot.Pitch);
    EXPECT_EQ(font.Style, c.style ? source.Style : hot.Style);
    EXPECT_EQ(font.Weight, c.style ? source.Weight : hot.Weight);
    EXPECT_EQ(font.Escapement, hot.Escapement) << "the text angle is the control's own";
}

INSTANTIATE_TEST_SUITE_P(
    Options, CopyFontExceptTest,
    ::testing::Values(
        CopyCase{"NotFollowing", {}, false, false, false, false, false},
        CopyCase{"NotFollowingPreservesAll", TWkTrackFontOptions{hoPreserveColor}, false, false,
                 false, false, false},
        CopyCase{"FollowingAll", hoFollowFont, true, true, true, true, true},
        CopyCase{"Default", DefaultTrackFontOptions, false, true, true, true, false},
        CopyCase{"KeepHeightAndName", hoFollowFont | hoPreserveHeight | hoPreserveName, true, false,
                 false, true, true},
        CopyCase{"KeepPitch", hoFollowFont | hoPreservePitch, true, true, true, false, true},
        CopyCase{"CharSetKeepsNothingElse", hoFollowFont | hoPreserveCharSet, true, true, true,
                 true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FontPitch, AsksQtForAFamilyOfThatPitch) {
    const struct {
        TFontPitch pitch;
        bool fixed;
        QFont::StyleHint hint;
    } cases[] = {
        {fpFixed, true, QFont::TypeWriter},
        {fpVariable, false, QFont::AnyStyle},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pitch);
        TFont font = sourceFont();
        font.Pitch = c.pitch;
        const QFont qt = ToQFont(font);
        EXPECT_EQ(qt.fixedPitch(), c.fixed);
        EXPECT_EQ(qt.styleHint(), c.hint);
        EXPECT_EQ(FromQFont(qt, clBlack).Pitch, c.fixed ? fpFixed : fpDefault);
    }
}

TEST(TrackFontOptions, DefaultIsStoredAs69) {
    EXPECT_EQ(DefaultTrackFontOptions.toInt(), 69);
}

} // namespace
