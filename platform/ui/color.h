#pragma once
// Colours as the window code stores them: 32-bit values, $00BBGGRR for plain colours and
// $FF000000 + index for the desktop's system colours, which resolve only when drawn.

#include <QColor>
#include <cstdint>

using TColor = std::int32_t;

constexpr TColor SystemColorBase = static_cast<TColor>(0xFF000000u);

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clScrollBar = SystemColorBase + 0;
constexpr TColor clBackground = SystemColorBase + 1;
constexpr TColor clActiveCaption = SystemColorBase + 2;
constexpr TColor clInactiveCaption = SystemColorBase + 3;
constexpr TColor clMenu = SystemColorBase + 4;
constexpr TColor clWindow = SystemColorBase + 5;
constexpr TColor clWindowFrame = SystemColorBase + 6;
constexpr TColor clMenuText = SystemColorBase + 7;
constexpr TColor clWindowText = SystemColorBase + 8;
constexpr TColor clCaptionText = SystemColorBase + 9;
constexpr TColor clActiveBorder = SystemColorBase + 10;
constexpr TColor clInactiveBorder = SystemColorBase + 11;
constexpr TColor clAppWorkSpace = SystemColorBase + 12;
constexpr TColor clHighlight = SystemColorBase + 13;
constexpr TColor clHighlightText = SystemColorBase + 14;
constexpr TColor clBtnFace = SystemColorBase + 15;
constexpr TColor clBtnShadow = SystemColorBase + 16;
constexpr TColor clGrayText = SystemColorBase + 17;
constexpr TColor clBtnText = SystemColorBase + 18;
constexpr TColor clInactiveCaptionText = SystemColorBase + 19;
constexpr TColor clBtnHighlight = SystemColorBase + 20;
constexpr TColor cl3DDkShadow = SystemColorBase + 21;
constexpr TColor cl3DLight = SystemColorBase + 22;
constexpr TColor clInfoText = SystemColorBase + 23;
constexpr TColor clInfoBk = SystemColorBase + 24;
constexpr TColor clHotLight = SystemColorBase + 26;
constexpr TColor clGradientActiveCaption = SystemColorBase + 27;
constexpr TColor clGradientInactiveCaption = SystemColorBase + 28;
constexpr TColor clMenuHighlight = SystemColorBase + 29;
constexpr TColor clMenuBar = SystemColorBase + 30;

inline bool IsSystemColor(TColor color) {
    return (color & SystemColorBase) == SystemColorBase;
}

// The $00BBGGRR value of a colour, system colours resolved against the application palette.
// clNone and clDefault have no RGB value of their own and resolve to black and window colour.
TColor ColorToRGB(TColor color);

// One conversion to Qt's colour type, so byte-order mistakes live in one place.
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

inline int GetRValue(TColor c) {
    return c & 0xFF;
}
inline int GetGValue(TColor c) {
    return (c >> 8) & 0xFF;
}
inline int GetBValue(TColor c) {
    return (c >> 16) & 0xFF;
}
inline TColor RGB(int r, int g, int b) {
    return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
}
