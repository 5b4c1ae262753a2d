#include "components/base/types.h"

#include "components/base/unit_lifetime.h"

#include <QCoreApplication>

TWkNameThreadProc WkNameThreadHook = nullptr;

namespace {

// Each entry's description source text; translated when the unit starts.
struct ColorSource {
    TColor value;
    const char* constant;
    const char* description;
};

constexpr ColorSource StandardSources[] = {
    {clBlack, "clBlack", QT_TRANSLATE_NOOP("WkTypes", "Black")},
    {clMaroon, "clMaroon", QT_TRANSLATE_NOOP("WkTypes", "Maroon")},
    {clGreen, "clGreen", QT_TRANSLATE_NOOP("WkTypes", "Green")},
    {clOlive, "clOlive", QT_TRANSLATE_NOOP("WkTypes", "Olive green")},
    {clNavy, "clNavy", QT_TRANSLATE_NOOP("WkTypes", "Navy blue")},
    {clPurple, "clPurple", QT_TRANSLATE_NOOP("WkTypes", "Purple")},
    {clTeal, "clTeal", QT_TRANSLATE_NOOP("WkTypes", "Teal")},
    {clGray, "clGray", QT_TRANSLATE_NOOP("WkTypes", "Gray")},
    {clSilver, "clSilver", QT_TRANSLATE_NOOP("WkTypes", "Silver")},
    {clRed, "clRed", QT_TRANSLATE_NOOP("WkTypes", "Red")},
    {clLime, "clLime", QT_TRANSLATE_NOOP("WkTypes", "Lime")},
    {clYellow, "clYellow", QT_TRANSLATE_NOOP("WkTypes", "Yellow")},
    {clBlue, "clBlue", QT_TRANSLATE_NOOP("WkTypes", "Blue")},
    {clFuchsia, "clFuchsia", QT_TRANSLATE_NOOP("WkTypes", "Fuchsia")},
    {clAqua, "clAqua", QT_TRANSLATE_NOOP("WkTypes", "Aqua")},
    {clWhite, "clWhite", QT_TRANSLATE_NOOP("WkTypes", "White")},
    {clMoneyGreen, "clMoneyGreen", QT_TRANSLATE_NOOP("WkTypes", "Money green")},
    {clSkyBlue, "clSkyBlue", QT_TRANSLATE_NOOP("WkTypes", "Sky blue")},
    {clCream, "clCream", QT_TRANSLATE_NOOP("WkTypes", "Cream")},
    {clMedGray, "clMedGray", QT_TRANSLATE_NOOP("WkTypes", "Medium gray")},
};

constexpr ColorSource SystemSources[] = {
    {clScrollBar, "clScrollBar", QT_TRANSLATE_NOOP("WkTypes", "Scrollbar")},
    {clBackground, "clBackground", QT_TRANSLATE_NOOP("WkTypes", "Desktop background")},
    {clActiveCaption, "clActiveCaption", QT_TRANSLATE_NOOP("WkTypes", "Active window title bar")},
    {clInactiveCaption, "clInactiveCaption",
     QT_TRANSLATE_NOOP("WkTypes", "Inactive window title bar")},
    {clMenu, "clMenu", QT_TRANSLATE_NOOP("WkTypes", "Menu background")},
    {clWindow, "clWindow", QT_TRANSLATE_NOOP("WkTypes", "Window background")},
    {clWindowFrame, "clWindowFrame", QT_TRANSLATE_NOOP("WkTypes", "Window frame")},
    {clMenuText, "clMenuText", QT_TRANSLATE_NOOP("WkTypes", "Menu text")},
    {clWindowText, "clWindowText", QT_TRANSLATE_NOOP("WkTypes", "Window text")},
    {clCaptionText, "clCaptionText", QT_TRANSLATE_NOOP("WkTypes", "Active window title bar text")},
    {clActiveBorder, "clActiveBorder", QT_TRANSLATE_NOOP("WkTypes", "Active window border")},
    {clInactiveBorder, "clInactiveBorder", QT_TRANSLATE_NOOP("WkTypes", "Inactive window border")},
    {clAppWorkSpace, "clAppWorkSpace", QT_TRANSLATE_NOOP("WkTypes", "Application workspace")},
    {clHighlight, "clHighlight", QT_TRANSLATE_NOOP("WkTypes", "Selection background")},
    {clHighlightText, "clHighlightText", QT_TRANSLATE_NOOP("WkTypes", "Selection text")},
    {clBtnFace, "clBtnFace", QT_TRANSLATE_NOOP("WkTypes", "Button face")},
    {clBtnShadow, "clBtnShadow", QT_TRANSLATE_NOOP("WkTypes", "Button shadow")},
    {clGrayText, "clGrayText", QT_TRANSLATE_NOOP("WkTypes", "Dimmed text")},
    {clBtnText, "clBtnText", QT_TRANSLATE_NOOP("WkTypes", "Button text")},
    {clInactiveCaptionText, "clInactiveCaptionText",
     QT_TRANSLATE_NOOP("WkTypes", "Inactive window title bar text")},
    {clBtnHighlight, "clBtnHighlight", QT_TRANSLATE_NOOP("WkTypes", "Button highlight")},
    {cl3DDkShadow, "cl3DDkShadow", QT_TRANSLATE_NOOP("WkTypes", "Dark shadow 3D elements")},
    {cl3DLight, "cl3DLight", QT_TRANSLATE_NOOP("WkTypes", "Highlight 3D elements")},
    {clInfoText, "clInfoText", QT_TRANSLATE_NOOP("WkTypes", "Tooltip text")},
    {clInfoBk, "clInfoBk", QT_TRANSLATE_NOOP("WkTypes", "Tooltip background")},
    {clGradientActiveCaption, "clGradientActiveCaption",
     QT_TRANSLATE_NOOP("WkTypes", "Gradient Active Caption")},
    {clGradientInactiveCaption, "clGradientInactiveCaption",
     QT_TRANSLATE_NOOP("WkTypes", "Gradient Inactive Caption")},
    {clHotLight, "clHotLight", QT_TRANSLATE_NOOP("WkTypes", "Hot Light")},
    {clMenuBar, "clMenuBar", QT_TRANSLATE_NOOP("WkTypes", "Menu Bar")},
    {clMenuHighlight, "clMenuHighlight", QT_TRANSLATE_NOOP("WkTypes", "Menu Highlight")},
};

// A 40-colour palette; nothing outside this unit reads it.
constexpr ColorSource PaletteSources[] = {
    {0x000000, "clBlack", QT_TRANSLATE_NOOP("WkTypes", "Black")},
    {0x003399, "clBrown", QT_TRANSLATE_NOOP("WkTypes", "Brown")},
    {0x003333, "clOliveGreen", QT_TRANSLATE_NOOP("WkTypes", "Olive Green")},
    {0x003300, "clDarkGreen", QT_TRANSLATE_NOOP("WkTypes", "Dark Green")},
    {0x663300, "clDarkTeal", QT_TRANSLATE_NOOP("WkTypes", "Dark Teal")},
    {0x800000, "clDarkBlue", QT_TRANSLATE_NOOP("WkTypes", "Dark Blue")},
    {0x993333, "clIndigo", QT_TRANSLATE_NOOP("WkTypes", "Indigo")},
    {0x333333, "clGray80", QT_TRANSLATE_NOOP("WkTypes", "Gray 80%")},
    {0x000080, "clDarkRed", QT_TRANSLATE_NOOP("WkTypes", "Dark Red")},
    {0x0066FF, "clOrange", QT_TRANSLATE_NOOP("WkTypes", "Orange")},
    {0x008080, "clDarkYellow", QT_TRANSLATE_NOOP("WkTypes", "Dark Yellow")},
    {0x008000, "clGreen", QT_TRANSLATE_NOOP("WkTypes", "Green")},
    {0x808000, "clTeal", QT_TRANSLATE_NOOP("WkTypes", "Teal")},
    {0xFF0000, "clBlue", QT_TRANSLATE_NOOP("WkTypes", "Blue")},
    {0x996666, "clBlueGray", QT_TRANSLATE_NOOP("WkTypes", "Blue Gray")},
    {0x808080, "clGray50", QT_TRANSLATE_NOOP("WkTypes", "Gray 50%")},
    {0x0000FF, "clRed", QT_TRANSLATE_NOOP("WkTypes", "Red")},
    {0x0099FF, "clLightOrange", QT_TRANSLATE_NOOP("WkTypes", "Light Orange")},
    {0x00CC99, "clLime", QT_TRANSLATE_NOOP("WkTypes", "Lime")},
    {0x669933, "clSeaGreen", QT_TRANSLATE_NOOP("WkTypes", "Sea Green")},
    {0x999933, "clAqua", QT_TRANSLATE_NOOP("WkTypes", "Aqua")},
    {0xFF6633, "clLightBlue", QT_TRANSLATE_NOOP("WkTypes", "Light Blue")},
    {0x800080, "clViolet", QT_TRANSLATE_NOOP("WkTypes", "Violet")},
    {0x999999, "clGray40", QT_TRANSLATE_NOOP("WkTypes", "Gray 40%")},
    {0xFF00FF, "clPink", QT_TRANSLATE_NOOP("WkTypes", "Pink")},
    {0x00CCFF, "clGold", QT_TRANSLATE_NOOP("WkTypes", "Gold")},
    {0x00FFFF, "clYellow", QT_TRANSLATE_NOOP("WkTypes", "Yellow")},
    {0x00FF00, "clBrightGreen", QT_TRANSLATE_NOOP("WkTypes", "Bright Green")},
    {0xFFFF00, "clTurquoise", QT_TRANSLATE_NOOP("WkTypes", "Turquoise")},
    {0xF0CAA6, "clSkyBlue", QT_TRANSLATE_NOOP("WkTypes", "Sky blue")},
    {0x663399, "clPlum", QT_TRANSLATE_NOOP("WkTypes", "Plum")},
    {0xC0C0C0, "clGray25", QT_TRANSLATE_NOOP("WkTypes", "Gray 25%")},
    {0xCC99FF, "clRose", QT_TRANSLATE_NOOP("WkTypes", "Rose")},
    {0x99CCFF, "clTan", QT_TRANSLATE_NOOP("WkTypes", "Tan")},
    {0x99FFFF, "clLightYellow", QT_TRANSLATE_NOOP("WkTypes", "Light Yellow")},
    {0xCCFFCC, "clLightGreen", QT_TRANSLATE_NOOP("WkTypes", "Light Green")},
    {0xFFFFCC, "clLightTurquoise", QT_TRANSLATE_NOOP("WkTypes", "Light Turquoise")},
    {0xFFCC99, "clPaleBlue", QT_TRANSLATE_NOOP("WkTypes", "Pale Blue")},
    {0xFF99CC, "clLavender", QT_TRANSLATE_NOOP("WkTypes", "Lavender")},
    {0xFFFFFF, "clWhite", QT_TRANSLATE_NOOP("WkTypes", "White")},
};

template <std::size_t N> std::array<TDefColorItem, N> MakeTable(const ColorSource (&sources)[N]) {
    std::array<TDefColorItem, N> table;
    for (std::size_t i = 0; i < N; ++i)
        table[i] = {sources[i].value, QString::fromLatin1(sources[i].constant), QString()};
    return table;
}

template <std::size_t N>
void BindDescriptions(std::array<TDefColorItem, N>& table, const ColorSource (&sources)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        table[i].Description = QCoreApplication::translate("WkTypes", sources[i].description);
}

template <std::size_t N> void ReleaseDescriptions(std::array<TDefColorItem, N>& table) {
    for (auto& item : table)
        item.Description.clear();
}

TWkStandardColorTable& StandardTable() {
    static TWkStandardColorTable table = MakeTable(StandardSources);
    return table;
}

TWkSystemColorTable& SystemTable() {
    static TWkSystemColorTable table = MakeTable(SystemSources);
    return table;
}

TWkPaletteColorTable& PaletteTable() {
    static TWkPaletteColorTable table = MakeTable(PaletteSources);
    return table;
}

UnitLifetime& TypesUnit() {
    static UnitLifetime unit;
    return unit;
}

} // namespace

const TWkStandardColorTable& WkStandardColors() {
    return StandardTable();
}

const TWkSystemColorTable& WkSystemColors() {
    return SystemTable();
}

const TWkPaletteColorTable& WkPaletteColors() {
    return PaletteTable();
}

void WkTypesInitialization() {
    TypesUnit().Initialize([] {
        BindDescriptions(StandardTable(), StandardSources);
        BindDescriptions(SystemTable(), SystemSources);
        BindDescriptions(PaletteTable(), PaletteSources);
    });
}

void WkTypesFinalization() {
    TypesUnit().Finalize([] {
        ReleaseDescriptions(StandardTable());
        ReleaseDescriptions(PaletteTable());
        ReleaseDescriptions(SystemTable());
    });
}
