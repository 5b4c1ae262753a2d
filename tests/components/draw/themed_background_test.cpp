#include "components/draw/themed_background.h"
#include "platform/ui/image_list.h"
#include "tests/support/classic_style.h"

#include <QApplication>
#include <QImage>
#include <QLinearGradient>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// A parent whose background is a left-to-right gradient from black to white, so a pixel tells
// whether it came from the parent or from a plain fill.
struct GradientParent {
    QWidget parent;
    QWidget* child;

    GradientParent() {
        parent.resize(200, 100);
        QLinearGradient gradient(0, 0, 200, 0);
        gradient.setColorAt(0, Qt::black);
        gradient.setColorAt(1, Qt::white);
        QPalette palette;
        palette.setBrush(QPalette::Window, QBrush(gradient));
        parent.setPalette(palette);
        child = new QWidget(&parent);
        child->setGeometry(100, 20, 40, 30);
    }
};

QImage paintChild(GradientParent& g, TColor color, bool mustDrawParent) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::green);
    TCanvas canvas(&image);
    FillThemedBackground(g.child, canvas, Rect(0, 0, 40, 30), mustDrawParent, color);
    return image;
}

} // namespace

TEST(ThemedBackground, SameColourAsParentShowsTheParentsBackground) {
    GradientParent g;
    const TColor parentColour = ControlColor(&g.parent);
    const QImage image = paintChild(g, parentColour, true);
    // Column 0 of the child sits at x = 100 of the parent: mid-grey, not a plain fill.
    const QColor left = image.pixelColor(0, 10);
    const QColor right = image.pixelColor(39, 10);
    EXPECT_NEAR(left.red(), 128, 3);
    EXPECT_GT(right.red(), left.red());
}

TEST(ThemedBackground, OtherColourOrOpaqueControlIsFilledPlainly) {
    const struct {
        const char* name;
        bool childFillsItself;
        bool sameColour;
    } cases[] = {
        {"different colour", false, false},
        {"opaque control that must show its parent", true, true},
    };
    for (const auto& c : cases) {
        GradientParent g;
        g.child->setAutoFillBackground(c.childFillsItself);
        const TColor colour = c.sameColour ? ControlColor(&g.parent) : clRed;
        const QImage image = paintChild(g, colour, true);
        EXPECT_EQ(image.pixelColor(0, 10), ToQColor(colour)) << c.name;
        EXPECT_EQ(image.pixelColor(39, 29), ToQColor(colour)) << c.name;
    }
}

TEST(ThemedBackground, ControlAtTheParentsLeftEdgeStillGetsItsOwnPart) {
    GradientParent g;
    g.child->move(0, 20);
    const QImage image = paintChild(g, ControlColor(&g.parent), true);
    EXPECT_LT(image.pixelColor(0, 10).red(), 10);
}

TEST(ThemedBackground, ClippedEraseLeavesTheRestAndTheClipAsTheyWere) {
    GradientParent g;
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::green);
    TCanvas canvas(&image);
    const bool clippedBefore = canvas.Painter().hasClipping();
    EraseParentBackground(g.child, canvas, g.child->pos(), Rect(0, 0, 10, 10));
    EXPECT_EQ(canvas.Painter().hasClipping(), clippedBefore);
    EXPECT_NE(image.pixelColor(5, 5), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(10, 5), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(5, 10), QColor(Qt::green));
}

namespace {

bool transparentAt(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) == 0;
}

} // namespace

TEST(ThemedBackground, WithThemesOffEveryBackgroundIsPlain) {
    EXPECT_TRUE(ThemesEnabled());
    ClassicStyle classic;
    EXPECT_FALSE(ThemesEnabled());
    GradientParent g;
    const TColor parentColour = ControlColor(&g.parent);
    const QImage image = paintChild(g, parentColour, true);
    EXPECT_EQ(image.pixelColor(0, 10), image.pixelColor(39, 10));
}

TEST(ThemedBackground, PaintsOnGlassUnlessABufferingAncestorIntervenes) {
    const struct {
        const char* name;
        bool glass;
        bool middleBuffered;
        bool windowBuffered;
        bool expected;
    } cases[] = {
        {"no glass flag", false, false, false, false},
        {"glass up to the window", true, false, false, true},
        {"buffered panel between", true, true, false, false},
        {"buffered window itself", true, false, true, true},
    };
    for (const auto& c : cases) {
        QWidget window;
        auto* middle = new QWidget(&window);
        auto* control = new QWidget(middle);
        SetPaintsOnGlassState(control, c.glass);
        SetDoubleBufferedState(middle, c.middleBuffered);
        SetDoubleBufferedState(&window, c.windowBuffered);
        EXPECT_EQ(PaintsOnGlass(control), c.expected) << c.name;
    }
}

TEST(ThemedBackground, CompositedTextLeavesTheGlassAroundIt) {
    for (const bool composited : {false, true}) {
        QImage glass(60, 20, QImage::Format_ARGB32);
        glass.fill(Qt::transparent);
        TRect r = Rect(0, 0, 60, 20);
        {
            TCanvas canvas(&glass);
            canvas.Brush.Color = clWhite;
            canvas.Font.Color = clBlack;
            EXPECT_GT(DrawThemedText(canvas, "Mm", r, composited, DT_LEFT | DT_SINGLELINE), 0);
            EXPECT_EQ(canvas.Brush.Style, bsSolid);
        }
        EXPECT_EQ(transparentAt(glass, 0, 0), composited) << composited;
    }
    QImage image(10, 10, QImage::Format_ARGB32);
    TCanvas canvas(&image);
    TRect measured = Rect(0, 0, 0, 0);
    DrawThemedText(canvas, "Wide text", measured, true, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_GT(measured.Right, 10);
}

TEST(ThemedBackground, CompositedImageIsOpaqueInsideItsMaskOnly) {
    TImageList list(2, 1);
    QImage cell(2, 1, QImage::Format_ARGB32);
    cell.setPixel(0, 0, qRgba(255, 0, 0, 128)); // half-transparent: inside the mask
    cell.setPixel(1, 0, 0);
    list.AddImage(cell);
    QImage glass(2, 1, QImage::Format_ARGB32);
    glass.fill(Qt::transparent);
    {
        TCanvas canvas(&glass);
        DrawImageListImage(list, 0, canvas, 0, 0, ILD_NORMAL, true);
    }
    EXPECT_EQ(glass.pixel(0, 0), qRgba(255, 0, 0, 255));
    EXPECT_TRUE(transparentAt(glass, 1, 0));

    QImage mask(2, 1, QImage::Format_RGB32);
    mask.fill(Qt::green);
    {
        TCanvas canvas(&mask);
        DrawImageListImage(list, 0, canvas, 0, 0, ILD_MASK, false);
        DrawImageListImage(list, 3, canvas, 0, 0, ILD_NORMAL, false);
    }
    EXPECT_EQ(mask.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(mask.pixel(1, 0), qRgb(255, 255, 255));
}

TEST(ThemedBackground, ContentRectLiesInsideTheButtonForEitherStyle) {
    const TRect bounding = Rect(10, 10, 90, 40);
    TRect themed;
    EXPECT_TRUE(ThemedContentRect(QApplication::style(), bounding, themed));
    ClassicStyle classic;
    TRect plain;
    EXPECT_TRUE(ThemedContentRect(QApplication::style(), bounding, plain));
    for (const TRect& r : {themed, plain}) {
        EXPECT_GT(r.Left, bounding.Left);
        EXPECT_LT(r.Right, bounding.Right);
        EXPECT_GE(r.Top, bounding.Top);
        EXPECT_LE(r.Bottom, bounding.Bottom);
        EXPECT_FALSE(r.IsEmpty());
    }
}

namespace {

TRect ContentOf(TThemedClass element, int part, int state, const TRect& bounding) {
    TRect content;
    EXPECT_TRUE(
        ThemedContentRect(QApplication::style(), {element, part, state}, bounding, content));
    return content;
}

bool Inside(const TRect& inner, const TRect& outer) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom && !inner.IsEmpty();
}

} // namespace

TEST(ThemedBackground, ContentRectFollowsTheElementsPartAndState) {
    const TRect bounding = Rect(10, 10, 110, 50);
    const struct {
        const char* name;
        TThemedClass element;
        int part;
        int state;
    } cases[] = {
        {"push button", TThemedClass::Button, BP_PUSHBUTTON, PBS_NORMAL},
        {"pressed push button", TThemedClass::Button, BP_PUSHBUTTON, PBS_PRESSED},
        {"disabled push button", TThemedClass::Button, BP_PUSHBUTTON, PBS_DISABLED},
        {"checked check box", TThemedClass::Button, BP_CHECKBOX, CBS_CHECKEDNORMAL},
        {"radio button", TThemedClass::Button, BP_RADIOBUTTON, CBS_UNCHECKEDNORMAL},
        {"group box", TThemedClass::Button, BP_GROUPBOX, GBS_NORMAL},
        {"hot tool button", TThemedClass::ToolBar, TP_BUTTON, TS_HOT},
        {"checked tool button", TThemedClass::ToolBar, TP_BUTTON, TS_CHECKED},
    };
    for (const auto& c : cases) {
        const TRect content = ContentOf(c.element, c.part, c.state, bounding);
        EXPECT_TRUE(Inside(content, bounding)) << c.name;
        EXPECT_NE(content, bounding) << c.name << " keeps a frame or mark";
    }
    // A check box's text lies right of its mark; a tool button's content sits in its frame.
    EXPECT_GT(ContentOf(TThemedClass::Button, BP_CHECKBOX, CBS_CHECKEDNORMAL, bounding).Left,
              bounding.Left + 8);
    const TRect tool = ContentOf(TThemedClass::ToolBar, TP_BUTTON, TS_NORMAL, bounding);
    EXPECT_EQ(tool.Left - bounding.Left, bounding.Right - tool.Right);
    // A part the style has no layout for keeps the whole rectangle.
    EXPECT_EQ(ContentOf(TThemedClass::Button, 99, 1, bounding), bounding);
    EXPECT_EQ(ContentOf(TThemedClass::ToolBar, 7, 1, bounding), bounding);
}

TEST(ThemedBackground, DefaultButtonContentLeavesRoomForTheDefaultRingUnderClassicLook) {
    ClassicStyle classic;
    const TRect bounding = Rect(0, 0, 80, 30);
    const TRect normal = ContentOf(TThemedClass::Button, BP_PUSHBUTTON, PBS_NORMAL, bounding);
    const TRect defaulted = ContentOf(TThemedClass::Button, BP_PUSHBUTTON, PBS_DEFAULTED, bounding);
    EXPECT_TRUE(Inside(defaulted, normal));
    EXPECT_LT(defaulted.Width(), normal.Width());
    TRect plain;
    ThemedContentRect(QApplication::style(), bounding, plain);
    EXPECT_EQ(plain, normal);
}

TEST(ThemedBackground, StyleFlagsOfAControl) {
    QWidget control;
    EXPECT_FALSE(NeedsBorderPaint(&control));
    SetNeedsBorderPaint(&control, true);
    EXPECT_TRUE(NeedsBorderPaint(&control));
    SetNeedsBorderPaint(&control, false);
    EXPECT_FALSE(NeedsBorderPaint(&control));

    EXPECT_TRUE(HasParentBackground(&control));
    SetParentBackground(&control, false);
    EXPECT_FALSE(HasParentBackground(&control));
    EXPECT_TRUE(control.autoFillBackground()) << "the control fills its own background";
    SetParentBackground(&control, true);
    EXPECT_TRUE(HasParentBackground(&control));
}
