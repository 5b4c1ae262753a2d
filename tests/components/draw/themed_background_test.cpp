#include "components/draw/themed_background.h"

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
