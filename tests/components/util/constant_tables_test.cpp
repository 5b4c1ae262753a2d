#include "components/util/constant_tables.h"

#include <QString>
#include <gtest/gtest.h>
#include <iconv.h>

namespace {

// The table's bytes read in the code page by the C library's converter.
QString Decoded(const TCyrillicLetterTable& table, const char* codePage) {
    iconv_t converter = iconv_open("UTF-16LE", codePage);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return {};
    char in[66];
    std::copy(table.begin(), table.end(), in);
    char16_t out[66];
    char* from = in;
    char* to = reinterpret_cast<char*>(out);
    size_t inLeft = sizeof in;
    size_t outLeft = sizeof out;
    const size_t done = iconv(converter, &from, &inLeft, &to, &outLeft);
    iconv_close(converter);
    if (done == static_cast<size_t>(-1) || inLeft != 0)
        return {};
    return QString::fromUtf16(out, 66 - static_cast<qsizetype>(outLeft / 2));
}

const QString Alphabet = QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"
                                        "абвгдеёжзийклмнопрстуфхцчшщъыьэюя");

} // namespace

TEST(ConstantTables, BothLetterTablesHoldTheAlphabetAtTheSamePlaces) {
    ASSERT_EQ(Alphabet.size(), 66);
    EXPECT_EQ(Decoded(CyrillicWindowsLetters(), "CP1251"), Alphabet);
    EXPECT_EQ(Decoded(CyrillicKoi8Letters(), "KOI8-R"), Alphabet);
}

TEST(ConstantTables, WordsForCountsAndTrueTexts) {
    EXPECT_EQ(RussianDayWords()[0], QStringLiteral("день"));
    EXPECT_EQ(RussianMonthWords()[2], QStringLiteral("месяцев"));
    EXPECT_EQ(RussianYearWords()[2], QStringLiteral("лет"));
    EXPECT_EQ(RussianWeekWords()[3], QStringLiteral("неделю"));
    const std::array<QString, 5> expected{"True", "t", "y", "yes", "1"};
    EXPECT_EQ(TrueBoolTexts(), expected);
}
