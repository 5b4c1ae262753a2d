#include "platform/win32/last_error.h"
#include "util/char_tables.h"
#include "util/code_page.h"
#include "util/errors.h"

#include <QChar>
#include <future>
#include <gtest/gtest.h>
#include <vector>

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
    const AnsiCharTables latin1 = BuildAnsiCharTables(28591);
    for (const auto& c : cases) {
        const WORD wide = WideCharType(c.c);
        EXPECT_EQ(wide & c.set, c.set) << int(c.c);
        EXPECT_EQ(wide & c.clear, 0) << int(c.c);
        EXPECT_EQ(latin1.types[static_cast<BYTE>(c.c)], wide) << int(c.c);
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
    const AnsiCharTables latin1 = BuildAnsiCharTables(28591);
    for (const auto& c : ansi) {
        EXPECT_EQ(latin1.lower[c.c], c.lower) << int(c.c);
        EXPECT_EQ(latin1.upper[c.c], c.upper) << int(c.c);
        EXPECT_EQ(latin1.reflect[c.c], c.reflect) << int(c.c);
    }
    // The process's own tables agree on the characters every code page shares.
    for (const BYTE c : {BYTE('a'), BYTE('A'), BYTE('1')}) {
        EXPECT_EQ(AnsiLowerCase(c), latin1.lower[c]);
        EXPECT_EQ(AnsiUpperCase(c), latin1.upper[c]);
        EXPECT_EQ(AnsiReflectCase(c), latin1.reflect[c]);
        EXPECT_EQ(AnsiCharType(c), latin1.types[c]);
    }
}

// The start-up builds the wide tables on a thread of their own; look-ups that come while it runs
// wait for the whole tables.
TEST(CharTables, LookUpsFromSeveralThreadsDuringTheBuildSeeWholeTables) {
    BuildCharTables();
    std::vector<std::future<int>> mismatches;
    for (int part = 0; part < 4; ++part) {
        mismatches.push_back(std::async(std::launch::async, [part] {
            int wrong = 0;
            for (int unit = part; unit < 0x10000; unit += 4) {
                const auto c = char16_t(unit);
                wrong += WideUpperCase(c) != QChar(c).toUpper().unicode();
                wrong += WideLowerCase(c) != QChar(c).toLower().unicode();
                wrong += bool(WideCharType(c) & C1_DEFINED) !=
                         (QChar(c).category() != QChar::Other_NotAssigned);
            }
            return wrong;
        }));
    }
    for (auto& part : mismatches)
        EXPECT_EQ(part.get(), 0);
}

TEST(CharTables, EightBitTablesFollowTheCodePage) {
    const AnsiCharTables cyrillic = BuildAnsiCharTables(1251);
    EXPECT_EQ(cyrillic.types[0xC6] & (C1_UPPER | C1_ALPHA), C1_UPPER | C1_ALPHA); // Ж
    EXPECT_EQ(cyrillic.lower[0xC6], 0xE6);                                        // ж
    EXPECT_EQ(cyrillic.reflect[0xE6], 0xC6);
    EXPECT_EQ(cyrillic.types[0x98], 0); // left undefined by the code page
    EXPECT_EQ(cyrillic.lower[0x98], 0x98);

    const AnsiCharTables koi8 = BuildAnsiCharTables(20866);
    EXPECT_EQ(koi8.upper[0xD6], 0xF6); // ж -> Ж

    const AnsiCharTables ascii = BuildAnsiCharTables(20127);
    EXPECT_EQ(ascii.types[0xE9], 0);
    EXPECT_EQ(ascii.upper['q'], 'Q');

    // A code page that is not 8-bit leaves Latin-1 in place.
    const AnsiCharTables utf8 = BuildAnsiCharTables(65001);
    EXPECT_EQ(utf8.upper[0xE9], 0xC9);
}

TEST(CharTables, ReplacementCharacter) {
    EXPECT_EQ(AnsiReplacementChar(), '?');
    EXPECT_EQ(AnsiReplacementChar(1251), '?');
    try {
        AnsiReplacementChar(12345);
        ADD_FAILURE() << "unknown code page answered";
    } catch (const ECkInternalError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Failed to get ANSI replacement character"));
    }
    CPINFO info{};
    EXPECT_FALSE(GetCPInfo(12345, &info));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    ASSERT_TRUE(GetCPInfo(65001, &info));
    EXPECT_EQ(info.MaxCharSize, 4u);
    ASSERT_TRUE(GetCPInfo(1252, &info));
    EXPECT_EQ(info.MaxCharSize, 1u);
}

} // namespace
