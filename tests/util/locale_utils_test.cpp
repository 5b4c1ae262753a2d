#include "util/code_page.h"
#include "util/locale_utils.h"
#include "util/system_info.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(previous); }

private:
    QLocale previous;
};

TEST(LocaleUtils, DecimalSeparatorAndFloatTextFollowTheLocale) {
    {
        const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
        EXPECT_EQ(CurrentDecimalSeparator(), QChar(u','));
        EXPECT_EQ(FloatToText(-1234.25), QStringLiteral("-1234,25"));
    }
    const DefaultLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(CurrentDecimalSeparator(), QChar(u'.'));
    EXPECT_EQ(FloatToText(0.1), QStringLiteral("0.1"));
    EXPECT_EQ(FloatToText(3), QStringLiteral("3"));
}

TEST(LocaleUtils, CompareTextRange) {
    const QString same = QStringLiteral("abc");
    const struct {
        const char* name;
        QString s1;
        QString s2;
        int index;
        int count;
        bool caseSensitive;
        int expected;
    } cases[] = {
        {"equal range", "xabcx", "yabcy", 2, 3, true, 0},
        {"case ignored", "ABC", "abc", 1, 3, false, 0},
        {"case counted", "ABC", "abc", 1, 3, true, 'A' - 'a'},
        {"first difference", "abd", "abc", 1, 3, true, 1},
        {"one empty", "", "abc", 1, 1, true, -1},
        {"other empty", "abc", "", 1, 1, true, -1},
        {"no count", "abc", "abc", 1, 0, true, -2},
        {"past end of first", "abc", "abcdef", 2, 3, true, -2},
        {"index before start", "abc", "abc", 0, 1, true, -2},
        {"past end of second", "abcd", "ab", 1, 4, true, 'c'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompareTextRange(c.s1, c.s2, c.index, c.count, c.caseSensitive), c.expected)
            << c.name;
    EXPECT_EQ(CompareTextRange(same, same, 3, 5, true), 0);
}

TEST(LocaleUtils, CompareTextLocaleIgnoresCase) {
    EXPECT_EQ(CompareTextLocale(u"Apple", u"aPPLE"), 0);
    EXPECT_EQ(CompareTextLocale(u"apple", u"Banana"), -1);
    EXPECT_EQ(CompareTextLocale(u"Cherry", u"banana"), 1);
}

} // namespace

TEST(LocaleUtils, CodePageOfTheCharacterSet) {
    const struct {
        const char* codeset;
        unsigned codePage;
    } cases[] = {
        {"UTF-8", 65001},
        {"utf8", 65001},
        {"CP1251", 1251},
        {"WINDOWS-1252", 1252},
        {"ISO-8859-5", 28595},
        {"KOI8-R", 20866},
        {"ANSI_X3.4-1968", 20127},
        {"CP", 65001},
        {"CPx1", 65001},
        {"ISO-8859-99999", 65001},
        {"", 65001},
        {"klingon", 65001},
        {"TIS-620", 874},
        {"tis620", 874},
        {"ISO-8859-11", 28601},
        {"GBK", 936},
        {"BIG5-HKSCS", 950},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodePageOfCodeset(c.codeset), c.codePage) << c.codeset;
}

TEST(LocaleUtils, EightBitCodeSetsConvertByteForByte) {
    const struct {
        const char* codeset;
        BYTE byte;
        char16_t character;
    } cases[] = {
        {"TIS-620", 0xA1, u'\u0E01'}, // Thai ko kai
        {"CP1251", 0xC0, u'\u0410'},  // Cyrillic A
        {"KOI8-R", 0xC1, u'\u0430'},  // Cyrillic a
    };
    for (const auto& c : cases) {
        const UINT codePage = CodePageOfCodeset(c.codeset);
        CPINFO info{};
        ASSERT_TRUE(GetCPInfo(codePage, &info)) << c.codeset;
        EXPECT_EQ(info.MaxCharSize, 1u) << c.codeset;
        std::array<char16_t, 256> characters{};
        ASSERT_TRUE(SingleByteCharacters(codePage, characters)) << c.codeset;
        EXPECT_EQ(characters[c.byte], c.character) << c.codeset;
    }
}

// Sets LC_CTYPE for the guard's lifetime.
class ProcessCharacterSet {
public:
    explicit ProcessCharacterSet(const char* locale) : FPrevious(setlocale(LC_CTYPE, nullptr)) {
        FSet = setlocale(LC_CTYPE, locale) != nullptr;
    }
    ~ProcessCharacterSet() { setlocale(LC_CTYPE, FPrevious.c_str()); }
    bool Set() const { return FSet; }

private:
    std::string FPrevious;
    bool FSet = false;
};

TEST(LocaleUtils, CodePageOfANamedLocale) {
    // Only the locales every C library has; a missing one falls back to the process's set.
    for (const char* process : {"C", "C.UTF-8"}) {
        const ProcessCharacterSet set(process);
        if (!set.Set())
            continue;
        const unsigned own = LocaleCodePage();
        const struct {
            const char* locale;
            unsigned codePage;
        } cases[] = {
            {"C", 20127},
            {"POSIX", 20127},
            {"C.UTF-8", 65001},
            {"xx_NOWHERE.TIS-620", own},
            {"not a locale name", own},
        };
        for (const auto& c : cases)
            EXPECT_EQ(CodePageOfLocale(c.locale), c.codePage) << process << ": " << c.locale;
    }
}

TEST(LocaleUtils, SystemOfTheNtLineComparesTextsAsTheyAre) {
    EXPECT_TRUE(SystemInfo().ntLine);
    EXPECT_GE(SystemInfo().processorCount, 1u);
    EXPECT_EQ(SystemInfo().pageSize, DWORD(sysconf(_SC_PAGESIZE)));
    // The C locale's 8-bit set holds neither letter: a comparison through it would find them
    // equal.
    const ProcessCharacterSet set("C");
    ASSERT_TRUE(set.Set());
    EXPECT_EQ(CompareTextLocale(u"\u03B1", u"\u03B2"), -1);
    EXPECT_EQ(CompareTextLocale(u"\u03B2", u"\u0392"), 0);
}

TEST(LocaleUtils, LocaleCodePageFollowsTheProcessLocale) {
    const std::string previous = setlocale(LC_CTYPE, nullptr);
    ASSERT_NE(setlocale(LC_CTYPE, "C"), nullptr);
    EXPECT_EQ(LocaleCodePage(), 20127u);
    if (setlocale(LC_CTYPE, "C.UTF-8") != nullptr) {
        EXPECT_EQ(LocaleCodePage(), 65001u);
    }
    setlocale(LC_CTYPE, previous.c_str());
}
