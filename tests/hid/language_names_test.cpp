#include "hid/language_names.h"

#include <gtest/gtest.h>

namespace {

TEST(LanguageNames, NamesComeFromTheLocaleDataByLanguageAndCountry) {
    const struct {
        WORD id;
        const char* name;
    } cases[] = {
        {0x0409, "English (United States)"},
        {0x0809, "English (United Kingdom)"},
        {0x0C07, "German (Austria)"},
        {0x080A, "Spanish (Mexico)"},
        {0x0418, "Romanian (Romania)"},
        {0x041E, "Thai (Thailand)"},
        {0x0439, "Hindi (India)"},
        {0x3801, "Arabic (United Arab Emirates)"},
        {0x540A, "Spanish (United States)"},
        // Ids of no language, or of a language without a country, keep the text for unknown ids.
        {0x0000, "Unknown Locale ID $0000"},
        {0x0009, "Unknown Locale ID $0009"},
        {0x7FFF, "Unknown Locale ID $7fff"},
        {0xFFFF, "Unknown Locale ID $ffff"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LanguageIdName(c.id), QString::fromLatin1(c.name)) << std::hex << c.id;
}

} // namespace
