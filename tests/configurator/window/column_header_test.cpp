#include "configurator/window/column_header.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

struct InkRows {
    int bands = 0; // runs of pixel rows with ink, one per text line
    int last = -1; // lowest row with ink
};

InkRows Scan(ColumnHeader& header) {
    const QImage image = header.grab().toImage();
    const QColor paper = header.palette().color(QPalette::Window);
    InkRows ink;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool rowHasInk = false;
        for (int x = 0; x < image.width() && !rowHasInk; ++x) {
            rowHasInk = QColor(image.pixel(x, y)).lightness() < paper.lightness() - 60;
        }
        if (rowHasInk && !inBand) {
            ++ink.bands;
        }
        if (rowHasInk) {
            ink.last = y;
        }
        inBand = rowHasInk;
    }
    return ink;
}

struct CaptionCase {
    const char* name;
    const char* caption;
    int width;
    int bands;
};

const CaptionCase CaptionCases[] = {
    {"ShortWordOneLine", "Step", 60, 1},
    {"TwoWordsWrap", "Calibration centre", 60, 2},
    {"WordWiderThanColumnBreaksInside", "Автокалибровкаавтокалибровка", 40, 3},
};

class ColumnHeaderCaption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(ColumnHeaderCaption, ShowsEveryLineBottomAligned) {
    const CaptionCase& c = GetParam();
    ColumnHeader header(QString::fromUtf8(c.caption), nullptr);
    header.resize(c.width, 60);
    const InkRows ink = Scan(header);
    EXPECT_GE(ink.bands, c.bands);
    EXPECT_GT(ink.last, header.height() - 8);
}

INSTANTIATE_TEST_SUITE_P(Captions, ColumnHeaderCaption, ::testing::ValuesIn(CaptionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ColumnHeader, ToolTipShowsTheCurrentCaption) {
    ColumnHeader header(QStringLiteral("Design"), nullptr);
    header.resize(40, 40);
    header.show();
    header.setText(QStringLiteral("Калибровка: минимум"));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), header.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&header, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Калибровка: минимум"));
    QToolTip::hideText();
}

} // namespace
