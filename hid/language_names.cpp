#include "hid/language_names.h"

#include <QLocale>

namespace {

struct KnownLanguage {
    WORD id;
    QLocale::Language language;
    QLocale::Territory territory;
};

// The language ids USB devices report in practice.
constexpr KnownLanguage KnownLanguages[] = {
    {0x0404, QLocale::Chinese, QLocale::Taiwan},
    {0x0405, QLocale::Czech, QLocale::Czechia},
    {0x0406, QLocale::Danish, QLocale::Denmark},
    {0x0407, QLocale::German, QLocale::Germany},
    {0x0408, QLocale::Greek, QLocale::Greece},
    {0x0409, QLocale::English, QLocale::UnitedStates},
    {0x040A, QLocale::Spanish, QLocale::Spain},
    {0x040B, QLocale::Finnish, QLocale::Finland},
    {0x040C, QLocale::French, QLocale::France},
    {0x040E, QLocale::Hungarian, QLocale::Hungary},
    {0x0410, QLocale::Italian, QLocale::Italy},
    {0x0411, QLocale::Japanese, QLocale::Japan},
    {0x0412, QLocale::Korean, QLocale::SouthKorea},
    {0x0413, QLocale::Dutch, QLocale::Netherlands},
    {0x0414, QLocale::NorwegianBokmal, QLocale::Norway},
    {0x0415, QLocale::Polish, QLocale::Poland},
    {0x0416, QLocale::Portuguese, QLocale::Brazil},
    {0x0419, QLocale::Russian, QLocale::Russia},
    {0x041D, QLocale::Swedish, QLocale::Sweden},
    {0x041F, QLocale::Turkish, QLocale::Turkey},
    {0x0422, QLocale::Ukrainian, QLocale::Ukraine},
    {0x0804, QLocale::Chinese, QLocale::China},
    {0x0809, QLocale::English, QLocale::UnitedKingdom},
    {0x0816, QLocale::Portuguese, QLocale::Portugal},
    {0x0C0A, QLocale::Spanish, QLocale::Spain},
};

} // namespace

QString LanguageIdName(WORD languageId) {
    for (const auto& known : KnownLanguages) {
        if (known.id == languageId)
            return QStringLiteral("%1 (%2)").arg(QLocale::languageToString(known.language),
                                                 QLocale::territoryToString(known.territory));
    }
    return QStringLiteral("Unknown Locale ID $%1").arg(languageId, 4, 16, QLatin1Char('0'));
}
