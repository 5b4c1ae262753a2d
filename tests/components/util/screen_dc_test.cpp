#include "components/util/screen_dc.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

TEST(ScreenCompatibleDC, IsOnePixelInTheScreensFormatAndMeasuresLikeAnyCanvas) {
    const auto dc = CreateScreenCompatibleDC();
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(dc->Image().size(), QSize(1, 1));
    EXPECT_EQ(dc->Image().format(), ScreenImageFormat());
    EXPECT_EQ(dc->Image().depth(), QGuiApplication::primaryScreen()->depth());

    dc->Canvas().Font = TFont{QString(), -14, clBlack};
    QImage wide(400, 40, QImage::Format_ARGB32_Premultiplied);
    TCanvas other(&wide);
    other.Font = dc->Canvas().Font;
    const QString text = QStringLiteral("Dead zone");
    EXPECT_GT(dc->Canvas().TextWidth(text), 0);
    EXPECT_EQ(dc->Canvas().TextExtent(text).cx, other.TextExtent(text).cx);
    TRect measured{0, 0, 40, 0};
    dc->Canvas().DrawText(text, measured, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GT(measured.Bottom, dc->Canvas().TextHeight(text)) << "wrapped onto two lines";
}
