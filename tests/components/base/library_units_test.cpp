#include "components/base/library_units.h"
#include "components/base/next_char.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

TEST(LibraryUnits, OnlyTheLastShutDownReleasesAndLastRegisteredGoesFirst) {
    QStringList log;
    const TWkLibraryUnit unit = TWkLibraryUnit::WkColorCombo;
    WkUnitInitialization(unit);
    WkUnitInitialization(unit);
    EXPECT_EQ(WkUnitCounter(unit), -2);
    AtWkUnitShutDown(unit, [&] { log << "colour object"; });
    AtWkUnitShutDown(unit, [&] { log << "its list"; });
    AtWkUnitShutDown(TWkLibraryUnit::WkCalc, [&] { log << "calculator strings"; });

    WkUnitFinalization(unit);
    EXPECT_TRUE(log.isEmpty()) << "another start-up is still open";
    WkUnitFinalization(unit);
    EXPECT_EQ(log, QStringList({"its list", "colour object"}));
    EXPECT_EQ(WkUnitCounter(unit), 0);

    // The next round starts without the releases already done.
    log.clear();
    WkUnitInitialization(unit);
    WkUnitFinalization(unit);
    EXPECT_TRUE(log.isEmpty());

    WkUnitInitialization(TWkLibraryUnit::WkCalc);
    WkUnitFinalization(TWkLibraryUnit::WkCalc);
    EXPECT_EQ(log, QStringList({"calculator strings"}));
}

TEST(LibraryUnits, AllUnitsStartInOrderAndTheComponentBaseChoosesItsNextCharacterStep) {
    ASSERT_EQ(WkNextChar(), nullptr);
    QStringList order;
    for (const TWkLibraryUnit unit : WkLibraryUnitOrder)
        AtWkUnitShutDown(unit, [&order, unit] { order << QString::number(int(unit)); });
    WkLibraryUnitsInitialization();
    for (const TWkLibraryUnit unit : WkLibraryUnitOrder)
        EXPECT_EQ(WkUnitCounter(unit), -1) << int(unit);
    EXPECT_EQ(WkNextChar(), &CharNextW);
    WkLibraryUnitsFinalization();
    EXPECT_EQ(WkNextChar(), nullptr);

    QStringList reversed;
    for (auto unit = std::rbegin(WkLibraryUnitOrder); unit != std::rend(WkLibraryUnitOrder); ++unit)
        reversed << QString::number(int(*unit));
    EXPECT_EQ(order, reversed);
}

TEST(NextChar, StepsOverWholeCharactersOrSingleUnits) {
    const struct {
        const char16_t* text;
        std::ptrdiff_t charNext; // units CharNextW moves
        std::ptrdiff_t wideNext; // units NextWideChar moves
    } cases[] = {
        {u"ab", 1, 1},
        {u"", 0, 0},
        {u"\U0001F600x", 2, 1},    // a surrogate pair
        {u"e\u0301\u0302x", 3, 1}, // two combining accents after the letter
        {u"a\U0001D167b", 3, 1},   // a combining mark outside the first plane
        {u"\xD800x", 1, 1},        // a lone high surrogate is one unit
        {u"\u0301x", 1, 1},        // a mark with nothing before it
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CharNextW(c.text) - c.text, c.charNext);
        EXPECT_EQ(NextWideChar(c.text) - c.text, c.wideNext);
    }
}

TEST(NextChar, TheChoiceFollowsThePlatformFamily) {
    EXPECT_EQ(NextCharFunctionFor(VER_PLATFORM_WIN32_NT), &CharNextW);
    EXPECT_EQ(NextCharFunctionFor(VER_PLATFORM_WIN32_WINDOWS), &NextWideChar);
    EXPECT_EQ(NextCharFunctionFor(0), &NextWideChar);
}

} // namespace
