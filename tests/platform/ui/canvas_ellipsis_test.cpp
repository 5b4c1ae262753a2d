#include "platform/ui/canvas.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr unsigned Ellipses = DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS;

QImage Drawn(const QString& text, int width, unsigned flags) {
    QImage image(400, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    TCanvas canvas(&image);
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clBlack;
    TRect r = Rect(0, 0, width, 80);
    canvas.DrawText(text, r, flags | DT_NOPREFIX);
    return image;
}

int MeasuredWidth(const QString& text, int width, unsigned flags) {
    QImage image(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&image);
    TRect r = Rect(0, 0, width, 80);
    canvas.DrawText(text, r, flags | DT_NOPREFIX | DT_CALCRECT);
    return r.Width();
}

int Width(const QString& text) {
    QImage image(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&image);
    return canvas.TextWidth(text);
}

// The candidate (by how many characters it keeps) whose plain drawing is what the ellipsis
// drawing shows; empty when none is.
QString Shown(const QString& text, int width, unsigned flags,
              const std::function<QString(int)>& candidate, int most) {
    const QImage drawn = Drawn(text, width, flags);
    for (int keep = most; keep >= 0; --keep) {
        if (Drawn(candidate(keep), width, flags & ~Ellipses) == drawn)
            return candidate(keep);
    }
    return {};
}

TEST(CanvasEllipsis, PathKeepsItsStartAndTheFileName) {
    const QString path = QStringLiteral("/home/user/projects/tavro/firmware.hex");
    const QString tail = QStringLiteral("/firmware.hex");
    const int width = Width(QStringLiteral("/home/us...") + tail);
    const int separator = int(path.lastIndexOf(QLatin1Char('/')));
    const QString shown = Shown(
        path, width, DT_SINGLELINE | DT_PATH_ELLIPSIS,
        [&](int keep) { return path.left(keep) + QStringLiteral("...") + tail; }, separator - 1);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_TRUE(shown.startsWith(QStringLiteral("/home")));
    EXPECT_LE(Width(shown), width);
}

TEST(CanvasEllipsis, EndCutsTheLineToTheWidth) {
    const QString text = QStringLiteral("Calibration centre");
    const int width = Width(QStringLiteral("Calibration"));
    const QString shown = Shown(
        text, width, DT_SINGLELINE | DT_END_ELLIPSIS,
        [&](int keep) { return text.left(keep) + QStringLiteral("..."); }, int(text.size()) - 1);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_LE(Width(shown), width);
    EXPECT_GT(Width(shown + QStringLiteral("W")), width - Width(QStringLiteral("...")));
}

// Wrapped lines keep their short words; only the word longer than a line is cut.
TEST(CanvasEllipsis, WordCutsOnlyTheOverlongWordWhenLinesWrap) {
    const QString text = QStringLiteral("Low Autocalibration zone");
    const int width = Width(QStringLiteral("Autocalib"));
    const unsigned flags = DT_WORDBREAK | DT_WORD_ELLIPSIS;
    const QString shown = Shown(
        text, width, flags,
        [&](int keep) {
            return QStringLiteral("Low ") + text.mid(4, keep) + QStringLiteral("... zone");
        },
        14);
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_LE(MeasuredWidth(text, width, flags), width);
    EXPECT_GT(MeasuredWidth(text, width, DT_WORDBREAK), width);
}

TEST(CanvasEllipsis, TextThatFitsIsDrawnUnchanged) {
    const QString text = QStringLiteral("C:\\Tools\\Step");
    const int width = Width(text) + 2;
    for (const unsigned ellipsis : {DT_END_ELLIPSIS, DT_WORD_ELLIPSIS, DT_PATH_ELLIPSIS}) {
        for (const unsigned wrap : {unsigned{DT_SINGLELINE}, unsigned{DT_WORDBREAK}}) {
            EXPECT_EQ(Drawn(text, width, wrap | ellipsis), Drawn(text, width, wrap))
                << ellipsis << " " << wrap;
        }
    }
}

TEST(CanvasEllipsis, EachLineOfAnUnwrappedTextIsCutByItself) {
    const QString text = QStringLiteral("Short\nA rather long second line");
    const int width = Width(QStringLiteral("A rather"));
    EXPECT_LE(MeasuredWidth(text, width, DT_END_ELLIPSIS), width);
    EXPECT_EQ(Drawn(text, width, DT_END_ELLIPSIS).copy(0, 0, 400, 12),
              Drawn(QStringLiteral("Short"), width, 0).copy(0, 0, 400, 12));
}

} // namespace
