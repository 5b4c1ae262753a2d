#include "util/char_tables.h"

#include <gtest/gtest.h>

namespace {

TEST(CharTables, ClassifiesLettersDigitsAndAccentedLetters) {
    const struct {
        char16_t c;
        WORD set;
        WORD clear;
    } cases[] = {
        {u'a', C1_LOWER | C1_ALPHA | C1_XDIGIT | C1_DEFINED, C1_UPPER | C1_DIGIT | C1_PUNCT},
        {u'Z', C1_UPPER | C1_ALPHA | C1_DEFINED, C1_LOWER | C1_XDIGIT | C1_DIGIT},
        {u'7', C1_DIGIT | C1_XDIGIT | C1_DEFINED, C1_ALPHA | C1_UPPER | C1_LOWER},
        {u'\u00E9', C1_LOWER | C1_ALPHA | C1_DEFINED, C1_UPPER | C1_XDIGIT},
        {u'\u00C9', C1_UPPER | C1_ALPHA | C1_DEFINED, C1_LOWER},
        {u' ', C1_SPACE | C1_BLANK | C1_DEFINED, C1_ALPHA | C1_PUNCT},
        {u'\t', C1_SPACE | C1_BLANK | C1_CNTRL, C1_ALPHA},
        {u'$', C1_PUNCT | C1_DEFINED, C1_ALPHA | C1_DIGIT},
        {u',', C1_PUNCT, C1_ALPHA},
    };
    for (const auto& c : cases) {
        const WORD wide = WideCharType(c.c);
        EXPECT_EQ(wide & c.set, c.set) << int(c.c);
        EXPECT_EQ(wide & c.clear, 0) << int(c.c);
        EXPECT_EQ(AnsiCharType(static_cast<BYTE>(c.c)), wide) << int(c.c);
    }
    EXPECT_EQ(WideCharType(u'\u0416') & (C1_UPPER | C1_ALPHA), C1_UPPER | C1_ALPHA); // Ж
    EXPECT_EQ(WideCharType(0xFFFF) & C1_DEFINED, 0);
}

TEST(CharTables, CaseMaps) {
    const struct {
        char16_t c;
        char16_t lower;
        char16_t upper;
        char16_t reflect;
    } wide[] = {
        {u'a', u'a', u'A', u'A'},
        {u'A', u'a', u'A', u'a'},
        {u'1', u'1', u'1', u'1'},
        {u'\u00E9', u'\u00E9', u'\u00C9', u'\u00C9'},
        {u'\u0416', u'\u0436', u'\u0416', u'\u0436'},
        {u'\u00DF', u'\u00DF', u'\u00DF', u'\u00DF'}, // ß has no single-unit upper case
    };
    for (const auto& c : wide) {
        EXPECT_EQ(WideLowerCase(c.c), c.lower) << int(c.c);
        EXPECT_EQ(WideUpperCase(c.c), c.upper) << int(c.c);
        EXPECT_EQ(WideReflectCase(c.c), c.reflect) << int(c.c);
    }

    const struct {
        BYTE c;
        BYTE lower;
        BYTE upper;
        BYTE reflect;
    } ansi[] = {
        {'a', 'a', 'A', 'A'},     {'A', 'a', 'A', 'a'},     {'1', '1', '1', '1'},
        {0xE9, 0xE9, 0xC9, 0xC9}, {0xFF, 0xFF, 0xFF, 0xFF}, // ÿ upper-cases outside Latin-1 and
                                                            // stays
    };
    for (const auto& c : ansi) {
        EXPECT_EQ(AnsiLowerCase(c.c), c.lower) << int(c.c);
        EXPECT_EQ(AnsiUpperCase(c.c), c.upper) << int(c.c);
        EXPECT_EQ(AnsiReflectCase(c.c), c.reflect) << int(c.c);
    }
}

} // namespace
