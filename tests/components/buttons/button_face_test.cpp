#include "components/buttons/button_face.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QRgb rgb(TColor color) {
    return ToQColor(ColorToRGB(color)).rgb();
}

TEST(ButtonFace, HighlightAndShadowShiftEachChannelWithinRange) {
    EXPECT_EQ(FaceHighlight(0x808080), 0xC0C0C0u);
    EXPECT_EQ(FaceShadow(0x808080), 0x404040u);
    EXPECT_EQ(FaceHighlight(0x20F0D0), 0x60FFFFu);
    EXPECT_EQ(FaceShadow(0x10A030), 0x006000u);
}

TEST(ButtonFace, ClassicFrameFollowsStyleStateAndFlatness) {
    const TColor face = 0x808080;
    const struct {
        const char* name;
        bool pressed;
        TButtonStyle style;
        bool flat;
        TColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
        int inset;
    } cases[] = {
        {"raised", false, bsNew, false, 0xC0C0C0, clWindowFrame, face, 0x404040, 2},
        {"pressed", true, bsAutoDetect, false, clWindowFrame, 0xC0C0C0, 0x404040, face, 2},
        {"flat raised", false, bsNew, true, 0xC0C0C0, 0x404040, face, face, 1},
        {"flat pressed", true, bsNew, true, 0x404040, 0xC0C0C0, face, face, 1},
        {"old raised", false, bsWin31, false, clWindowFrame, clWindowFrame, 0xC0C0C0, 0x404040, 2},
        {"old pressed", true, bsWin31, false, clWindowFrame, clWindowFrame, clBtnShadow, face, 1},
        {"old flat", false, bsWin31, true, 0xC0C0C0, clWindowFrame, face, face, 1},
    };
    for (const auto& c : cases) {
        QImage surface(10, 10, QImage::Format_RGB32);
        surface.fill(ToQColor(face));
        TRect r{0, 0, 10, 10};
        {
            TCanvas canvas(&surface);
            DrawClassicFrame(canvas, r, c.pressed, c.style, c.flat, face);
        }
        EXPECT_EQ(surface.pixel(0, 0), rgb(c.outerTopLeft)) << c.name;
        EXPECT_EQ(surface.pixel(9, 9), rgb(c.outerBottomRight)) << c.name;
        EXPECT_EQ(surface.pixel(1, 1), rgb(c.innerTopLeft)) << c.name;
        EXPECT_EQ(surface.pixel(8, 8), rgb(c.innerBottomRight)) << c.name;
        EXPECT_EQ(r, (TRect{c.inset, c.inset, 10 - c.inset, 10 - c.inset})) << c.name;
    }
}

} // namespace
