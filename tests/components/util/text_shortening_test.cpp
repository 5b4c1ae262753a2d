#include "components/util/text_shortening.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class TextShortening : public ::testing::Test {
protected:
    QImage surface{200, 50, QImage::Format_ARGB32};
    TCanvas canvas{&surface};
};

} // namespace

TEST_F(TextShortening, KeepsAFittingTextAndGivesAnEllipsisWhenNothingFits) {
    const QString text = QStringLiteral("Calibration");
    EXPECT_EQ(ShortenTextToWidth(text, canvas, canvas.TextWidth(text)), text);
    EXPECT_EQ(ShortenTextToWidth(text, canvas, 0), QStringLiteral("..."));
    EXPECT_EQ(ShortenTextToWidth(QString(), canvas, 0), QString());
    EXPECT_EQ(ShortenTextToWidth(QStringLiteral("W"), canvas, 0), QStringLiteral("..."));
}

TEST_F(TextShortening, CutsToTheLongestStartThatFitsWithItsEllipsis) {
    const QString text = QStringLiteral("Autocalibration of every axis");
    for (const int width : {20, 45, 80, canvas.TextWidth(text) - 1}) {
        const QString shortened = ShortenTextToWidth(text, canvas, width);
        ASSERT_TRUE(shortened.endsWith(QStringLiteral("..."))) << width;
        const qsizetype kept = shortened.size() - 3;
        EXPECT_LE(kept, text.size() - 2) << "the first cut drops two characters";
        EXPECT_EQ(shortened.left(kept), text.left(kept));
        EXPECT_LE(canvas.TextWidth(shortened), width);
        EXPECT_GT(canvas.TextWidth(text.left(kept + 1) + QStringLiteral("...")), width)
            << "one more character would still fit at " << width;
    }
}

TEST_F(TextShortening, MeasuresRectanglesGivenInEitherOrder) {
    EXPECT_EQ(AbsRectWidth(Rect(10, 4, 3, 20)), 7);
    EXPECT_EQ(AbsRectHeight(Rect(10, 20, 3, 4)), 16);
    EXPECT_EQ(AbsRectWidth(Rect(3, 4, 10, 20)), 7);
}

TEST_F(TextShortening, DrawsOnlyTheCountedCharacters) {
    const QString text = QStringLiteral("Filter axis");
    TRect whole{0, 0, 200, 50};
    TRect counted = whole;
    TRect start = whole;
    DrawTextOnCanvas(canvas, text, -1, whole, DT_CALCRECT | DT_SINGLELINE | DT_MODIFYSTRING);
    DrawTextOnCanvas(canvas, text, 6, counted, DT_CALCRECT | DT_SINGLELINE | DT_MODIFYSTRING);
    canvas.DrawText(text.left(6), start, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(counted, start);
    EXPECT_GT(whole.Right, counted.Right);
}
