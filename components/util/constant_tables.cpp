#include "components/util/constant_tables.h"

namespace {

constexpr unsigned char Win1251Yo = 0xA8;
constexpr unsigned char Win1251SmallYo = 0xB8;

constexpr TCyrillicLetterTable windowsLetters() {
    TCyrillicLetterTable table{};
    std::size_t i = 0;
    // The code page keeps Ё and ё apart from the other letters, which run in alphabet order.
    for (const int first : {0xC0, 0xE0}) {
        for (int letter = first; letter < first + 32; ++letter) {
            table[i++] = static_cast<unsigned char>(letter);
            if (letter == first + 5) // Е
                table[i++] = first == 0xC0 ? Win1251Yo : Win1251SmallYo;
        }
    }
    return table;
}

constexpr TCyrillicLetterTable WindowsLetters = windowsLetters();

// KOI8-R orders the letters by their Latin sound: capitals at 0xE0.., small letters at 0xC0..
constexpr TCyrillicLetterTable Koi8Letters{
    0xE1, 0xE2, 0xF7, 0xE7, 0xE4, 0xE5, 0xB3, 0xF6, 0xFA, 0xE9, 0xEA, 0xEB, 0xEC, 0xED,
    0xEE, 0xEF, 0xF0, 0xF2, 0xF3, 0xF4, 0xF5, 0xE6, 0xE8, 0xE3, 0xFE, 0xFB, 0xFD, 0xFF,
    0xF9, 0xF8, 0xFC, 0xE0, 0xF1, 0xC1, 0xC2, 0xD7, 0xC7, 0xC4, 0xC5, 0xA3, 0xD6, 0xDA,
    0xC9, 0xCA, 0xCB, 0xCC, 0xCD, 0xCE, 0xCF, 0xD0, 0xD2, 0xD3, 0xD4, 0xD5, 0xC6, 0xC8,
    0xC3, 0xDE, 0xDB, 0xDD, 0xDF, 0xD9, 0xD8, 0xDC, 0xC0, 0xD1,
};

} // namespace

const TCyrillicLetterTable& CyrillicWindowsLetters() {
    return WindowsLetters;
}

const TCyrillicLetterTable& CyrillicKoi8Letters() {
    return Koi8Letters;
}

const std::array<QString, 3>& RussianDayWords() {
    static const std::array<QString, 3> words{QStringLiteral("день"), QStringLiteral("дня"),
                                              QStringLiteral("дней")};
    return words;
}

const std::array<QString, 3>& RussianMonthWords() {
    static const std::array<QString, 3> words{QStringLiteral("месяц"), QStringLiteral("месяца"),
                                              QStringLiteral("месяцев")};
    return words;
}

const std::array<QString, 3>& RussianYearWords() {
    static const std::array<QString, 3> words{QStringLiteral("год"), QStringLiteral("года"),
                                              QStringLiteral("лет")};
    return words;
}

const std::array<QString, 4>& RussianWeekWords() {
    static const std::array<QString, 4> words{QStringLiteral("неделя"), QStringLiteral("недели"),
                                              QStringLiteral("недель"), QStringLiteral("неделю")};
    return words;
}

const std::array<QString, 5>& TrueBoolTexts() {
    static const std::array<QString, 5> words{QStringLiteral("True"), QStringLiteral("t"),
                                              QStringLiteral("y"), QStringLiteral("yes"),
                                              QStringLiteral("1")};
    return words;
}
