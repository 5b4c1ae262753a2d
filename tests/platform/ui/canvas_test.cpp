#include "platform/ui/canvas.h"
#include "platform/ui/shading.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;

// Draws on a white 16 x 12 image and returns which pixels changed, row by row.
QStringList paint(const std::function<void(TCanvas&)>& draw) {
    QImage image(16, 12, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        TCanvas canvas(&image);
        draw(canvas);
    }
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x)
            row += image.pixel(x, y) == White ? '.' : '#';
        rows << row;
    }
    return rows;
}

QString pixelsOf(const QStringList& rows, int y, int from, int to) {
    return rows[y].mid(from, to - from);
}

} // namespace

TEST(Canvas, RectanglesAndLinesLeaveOutRightAndBottom) {
    const struct {
        const char* name;
        std::function<void(TCanvas&)> draw;
        int row;
        const char* expected; // columns 0..11 of that row
    } cases[] = {
        {"outline top edge",
         [](TCanvas& c) {
             c.Brush.Style = bsClear;
             c.Rectangle(2, 2, 8, 6);
         },
         2, "..######...."},
        {"outline bottom edge is Bottom-1",
         [](TCanvas& c) {
             c.Brush.Style = bsClear;
             c.Rectangle(2, 2, 8, 6);
         },
         5, "..######...."},
        {"outline leaves the row Bottom alone",
         [](TCanvas& c) {
             c.Brush.Style = bsClear;
             c.Rectangle(2, 2, 8, 6);
         },
         6, "............"},
        {"fill covers Left..Right-1",
         [](TCanvas& c) {
             c.Brush.Color = clBlack;
             c.FillRect(Rect(3, 1, 7, 4));
         },
         3, "...####....."},
        {"horizontal line without end pixel",
         [](TCanvas& c) {
             c.MoveTo(1, 4);
             c.LineTo(9, 4);
         },
         4, ".########..."},
        {"clear pen fills one pixel less",
         [](TCanvas& c) {
             c.Pen.Style = psClear;
             c.Brush.Color = clBlack;
             c.Rectangle(2, 2, 8, 6);
         },
         2, "..#####....."},
        {"dotted pen: three on, three off",
         [](TCanvas& c) {
             c.Pen.Style = psDot;
             c.MoveTo(0, 1);
             c.LineTo(12, 1);
         },
         1, "###...###..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pixelsOf(paint(c.draw), c.row, 0, 12), QString(c.expected)) << c.name;
}

TEST(Canvas, VerticalLineStopsAboveItsEnd) {
    const QStringList rows = paint([](TCanvas& c) {
        c.MoveTo(5, 2);
        c.LineTo(5, 7);
    });
    EXPECT_EQ(rows[2][5], '#');
    EXPECT_EQ(rows[6][5], '#');
    EXPECT_EQ(rows[7][5], '.');
}

TEST(Canvas, TextIsOpaqueUnlessTheBrushIsClear) {
    for (const TBrushStyle style : {bsSolid, bsClear}) {
        QImage image(60, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            TCanvas canvas(&image);
            canvas.Brush = TBrush{clRed, style};
            canvas.Font.Color = clBlack;
            canvas.TextOut(2, 2, QStringLiteral("  "));
        }
        const QRgb expected = style == bsSolid ? 0xFFFF0000 : White;
        EXPECT_EQ(image.pixel(3, 4), expected) << style;
    }
}

TEST(Canvas, CalcRectMeasuresWithoutDrawing) {
    QImage image(100, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanvas canvas(&image);
    TRect r = Rect(5, 5, 6, 6);
    const int height = canvas.DrawText(QStringLiteral("Wide text"), r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(height, canvas.TextHeight(QStringLiteral("Wide text")));
    EXPECT_EQ(r.Width(), canvas.TextWidth(QStringLiteral("Wide text")));
    EXPECT_EQ(r.Height(), height);
    canvas.Painter().end();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y), White);
}

TEST(Canvas, RightAlignedTextEndsAtTheRectangle) {
    QImage image(100, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        TCanvas canvas(&image);
        canvas.Brush.Style = bsClear;
        canvas.Font.Color = clBlack;
        TRect r = Rect(0, 0, 50, 30);
        canvas.DrawText(QStringLiteral("MMM"), r, DT_RIGHT | DT_SINGLELINE | DT_VCENTER);
    }
    int rightmost = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != White)
                rightmost = std::max(rightmost, x);
    EXPECT_GT(rightmost, 40);
    EXPECT_LT(rightmost, 50);
}

TEST(Shading, ChannelsStepByTheCeilingOfTheirShare) {
    const struct {
        TColor first, second;
        int i, n;
        TColor expected;
    } cases[] = {
        {clBlack, clRed, 0, 4, clBlack},
        {clBlack, clRed, 1, 4, RGB(64, 0, 0)},  // 63.75 goes up
        {clBlack, clRed, 3, 4, RGB(192, 0, 0)}, // 191.25 goes up
        {clRed, clBlack, 1, 4, RGB(192, 0, 0)}, // -63.75 goes up to -63
        {RGB(10, 20, 30), RGB(10, 120, 0), 2, 10, RGB(10, 40, 24)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShadeColor(c.first, c.second, c.i, c.n), c.expected) << c.i << "/" << c.n;
}

TEST(Shading, FillsEveryRowOnceAndKeepsThePen) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        TCanvas canvas(&image);
        canvas.Pen = TPen{clLime, psDot, 2};
        FillShaded(canvas, Rect(1, 2, 5, 6), clBlack, clBlue, ShadeDirection::TopToBottom);
        EXPECT_EQ(canvas.Pen, (TPen{clLime, psDot, 2}));
    }
    EXPECT_EQ(image.pixel(1, 2), Black);
    EXPECT_EQ(image.pixel(4, 5), ToQColor(RGB(0, 0, 192)).rgb());
    EXPECT_EQ(image.pixel(5, 5), White);
    EXPECT_EQ(image.pixel(1, 6), White);
}
