// What the label paints, read back from the screen's pixels: where Layout puts the text and
// the focus rectangle, the shadow, the plain, cut-corner and hot-track frames.

#include "components/label/label.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QStyle>
#include <gtest/gtest.h>
#include <set>

namespace {

const QColor Paper(0, 0, 128);

// One label on a dark page, drawn without antialiasing so that colours stay exact.
class LabelPaintTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFont sharp = previousFont;
        sharp.setStyleStrategy(QFont::NoAntialias);
        QApplication::setFont(sharp);
        page.resize(240, 200);
        QPalette colors = page.palette();
        colors.setColor(QPalette::Window, Paper);
        page.setPalette(colors);
        page.setAutoFillBackground(true);
        focusTarget = new QLineEdit(&page);
        focusTarget->setGeometry(0, 150, 80, 20);
        other = new QLineEdit(&page);
        other->setGeometry(100, 150, 80, 20);
        label = new TWkLabel(&page);
        label->SetFont(TFont{QString(), -14, clWhite});
        label->SetAutoSize(false);
        label->SetTransparent(true);
        label->setGeometry(Box);
    }
    void TearDown() override { QApplication::setFont(previousFont); }

    // The label's own pixels.
    QImage Shot() { return page.grab(Box).toImage(); }
    // The box around the pixels of one colour.
    static QRect BoxOf(const QImage& image, QColor color) {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == color)
                    box |= QRect(x, y, 1, 1);
        return box;
    }
    int LineHeight(const QString& caption) {
        QImage image(1, 1, QImage::Format_RGB32);
        TCanvas canvas(&image);
        canvas.Font = label->Font();
        TRect r{0, 0, 1000, 0};
        canvas.DrawText(caption, r, DT_CALCRECT);
        return r.Bottom;
    }

    const QFont previousFont = QApplication::font();
    const QRect Box{10, 10, 80, 40};
    QWidget page;
    QLineEdit* focusTarget = nullptr;
    QLineEdit* other = nullptr;
    TWkLabel* label = nullptr;
};

// Rows where a dotted line runs across most of the label.
std::set<int> DottedRows(const QImage& image) {
    std::set<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        int white = 0;
        for (int x = 0; x < image.width(); ++x)
            white += image.pixelColor(x, y) == Qt::white;
        if (white >= image.width() / 5)
            rows.insert(y);
    }
    return rows;
}

TEST_F(LabelPaintTest, LayoutMovesTheTextAndItsFocusRectangleByTheSpareHeight) {
    const QString caption = QStringLiteral("Ag");
    const int line = LineHeight(caption);
    const int h = Box.height();
    const struct {
        const char* name;
        TTextLayout layout;
        int margin;
        int shift;               // how far the text moves from where tlTop puts it
        std::set<int> focusRows; // rows of the focus rectangle inside the label
    } cases[] = {
        {"top", tlTop, 0, 0, {0, h - 1}},
        {"bottom", tlBottom, 0, h - 1 - line, {h - 1 - line}},
        {"centre", tlCenter, 0, (h - 1 - line) / 2, {(h - 1 - line) / 2}},
        {"bottom with margins", tlBottom, 3, h - 4 - line, {h - 1 - line}},
        {"centre with margins", tlCenter, 3, (h - 4 - line) / 2, {3 + (h - 4 - line) / 2}},
    };
    page.show();
    QApplication::setActiveWindow(&page);
    label->SetCaption(caption);
    label->SetShowFocus(true);
    label->SetFocusControl(focusTarget);
    for (const auto& c : cases) {
        label->SetMargin(c.margin);
        label->SetLayout(tlTop);
        other->setFocus();
        const QRect top = BoxOf(Shot(), Qt::white);
        ASSERT_FALSE(top.isEmpty()) << c.name;
        label->SetLayout(c.layout);
        const QRect moved = BoxOf(Shot(), Qt::white);
        EXPECT_EQ(moved, top.translated(0, c.shift)) << c.name;
        EXPECT_TRUE(DottedRows(Shot()).empty()) << c.name << ": no focus, no rectangle";
        focusTarget->setFocus();
        EXPECT_EQ(DottedRows(Shot()), c.focusRows) << c.name;
    }
}

// The window's own captions: turned by 90 degrees and centred whatever the layout says.
TEST_F(LabelPaintTest, LayoutLeavesATurnedCaptionCentred) {
    label->setGeometry(10, 10, 40, 120);
    label->SetAngle(90);
    label->SetAlignment(taCenter);
    label->SetWordWrap(true);
    label->SetCaption(QStringLiteral("Dead zone"));
    const QImage top = page.grab(label->geometry()).toImage();
    const QRect ink = BoxOf(top, Qt::white);
    ASSERT_GT(ink.height(), ink.width());
    EXPECT_NEAR(ink.center().y(), 60, 2);
    for (const TTextLayout layout : {tlBottom, tlCenter}) {
        label->SetLayout(layout);
        EXPECT_EQ(page.grab(label->geometry()).toImage(), top) << layout;
    }
}

TEST_F(LabelPaintTest, TheShadowIsTheTextMovedByItsPositionAndSize) {
    const struct {
        TShadowPosition position;
        int size;
        QPoint offset;
    } cases[] = {
        {spLeftTop, 2, {-2, -2}},
        {spLeftBottom, 3, {-3, 3}},
        {spRightBottom, 2, {2, 2}},
        {spRightTop, 3, {3, -3}},
    };
    // A single bar: the shadow, a few pixels aside, never lies under the text.
    label->SetCaption(QStringLiteral("|"));
    label->SetAlignment(taCenter);
    label->SetLayout(tlCenter);
    label->SetShadowColor(clRed);
    for (const auto& c : cases) {
        label->SetShadowSize(c.size);
        label->SetShadowPos(c.position);
        const QImage image = Shot();
        const QRect text = BoxOf(image, Qt::white);
        ASSERT_FALSE(text.isEmpty()) << c.position;
        EXPECT_EQ(BoxOf(image, Qt::red), text.translated(c.offset)) << c.position;
    }
    label->SetShadowSize(0);
    EXPECT_TRUE(BoxOf(Shot(), Qt::red).isEmpty());
}

TEST_F(LabelPaintTest, FramesArePlainOrCutAtTheCornersAndHotTrackingHasItsOwn) {
    const int w = Box.width();
    const int h = Box.height();
    const QColor hotFill = Qt::green;
    const QColor hotFrame = Qt::yellow;
    struct Pixel {
        QPoint at;
        QColor color;
    };
    const struct {
        const char* name;
        int cut;
        bool transparent;
        bool hot;
        bool hotFrameVisible;
        std::vector<Pixel> pixels;
    } cases[] = {
        {"plain",
         0,
         true,
         false,
         false,
         {{{0, 0}, Qt::red},
          {{w - 1, h - 1}, Qt::red},
          {{w / 2, 0}, Qt::red},
          {{w / 2, h / 2}, Paper}}},
        {"cut corners",
         4,
         true,
         false,
         false,
         {{{0, 0}, Paper},
          {{1, 1}, Paper},
          {{2, 2}, Qt::red},
          {{4, 0}, Qt::red},
          {{0, 4}, Qt::red},
          {{w - 5, 0}, Qt::red},
          {{w - 3, h - 3}, Qt::red},
          {{w - 1, h - 1}, Paper},
          {{w / 2, h / 2}, Paper}}},
        {"cut corners, filled",
         4,
         false,
         false,
         false,
         {{{2, 2}, Qt::red}, {{w - 1, h / 2}, Qt::red}, {{w / 2, h / 2}, Qt::magenta}}},
        {"hot, framed",
         0,
         true,
         true,
         true,
         {{{0, 0}, hotFrame}, {{w - 1, h - 1}, hotFrame}, {{w / 2, h / 2}, hotFill}}},
        {"hot, cut corners",
         4,
         true,
         true,
         true,
         {{{0, 0}, Paper}, {{2, 2}, hotFrame}, {{w / 2, 0}, hotFrame}, {{w / 2, h / 2}, Paper}}},
        {"hot, cut corners, filled",
         4,
         false,
         true,
         true,
         {{{2, 2}, hotFrame}, {{w - 1, h / 2}, hotFrame}, {{w / 2, h / 2}, hotFill}}},
        {"hot, no frame",
         4,
         true,
         true,
         false,
         {{{0, 0}, hotFill}, {{2, 2}, hotFill}, {{w - 1, h - 1}, hotFill}}},
    };
    page.show();
    QApplication::setActiveWindow(&page);
    label->SetFrameColor(clRed);
    label->SetColor(clFuchsia);
    label->HotTrackOptions().SetEnabled(true);
    label->HotTrackOptions().SetColor(clLime);
    label->HotTrackOptions().SetFrameColor(clYellow);
    const QString style = QApplication::style()->name();
    for (const auto& c : cases) {
        // A themed desktop draws every label transparent; the plain style lets it fill.
        QApplication::setStyle(c.transparent ? style : QStringLiteral("Windows"));
        label->SetRoundedFrame(c.cut);
        label->SetTransparent(c.transparent);
        ASSERT_EQ(label->Transparent(), c.transparent) << c.name;
        label->SetHotTrack(c.hot);
        label->HotTrackOptions().SetFrameVisible(c.hotFrameVisible);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(label, &enter);
        ASSERT_EQ(label->MouseOver(), true) << c.name;
        const QImage image = Shot();
        for (const Pixel& p : c.pixels)
            EXPECT_EQ(image.pixelColor(p.at), p.color)
                << c.name << " at " << p.at.x() << "," << p.at.y();
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(label, &leave);
    }
    QApplication::setStyle(style);
}

} // namespace
