#include "chart_fixture.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct LayoutValues {
    int legendWidth, xStartOffset, yStartOffset, xEnd, yEnd;
    explicit LayoutValues(const TWkChartOptions& o)
        : legendWidth(o.LegendWidth), xStartOffset(o.XStartOffset), yStartOffset(o.YStartOffset),
          xEnd(o.XEnd), yEnd(o.YEnd) {}
    bool operator==(const LayoutValues&) const = default;
};

int pageCount(const QByteArray& pdf) {
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1))
        if (pdf.mid(at + 11, 1) != "s")
            ++pages;
    return pages;
}

} // namespace

TEST(ChartPrint, PrintGraphWritesOnePageAndRestoresTheLayout) {
    ChartFixture f;
    f.fill(5, 20, 60);
    f.chart->PlotGraph();
    const LayoutValues before(f.chart->Options());

    QTemporaryDir dir;
    const QString path = dir.filePath("chart.pdf");
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    bool printingSeen = false;
    f.chart->OnChartPaint = [&](TWkChart* chart, TCanvas&) {
        printingSeen |= chart->PrintInSession;
    };
    f.chart->PrintGraph(printer);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pageCount(pdf), 1);
    EXPECT_FALSE(f.chart->PrintInSession);
    EXPECT_EQ(LayoutValues(f.chart->Options()), before);
}

TEST(ChartPrint, OpenCanvasGetsThePageLayout) {
    ChartFixture f;
    f.fill(5, 20, 60);
    f.chart->PlotGraph();
    const LayoutValues before(f.chart->Options());
    const TColor paper = f.chart->Options().PaperColor();

    // A 1000 x 800 page: XStartOffset 80, YStartOffset 80, so the frame's top is row 79.
    QImage page(1000, 800, QImage::Format_RGB32);
    page.fill(Qt::magenta);
    {
        TCanvas canvas(&page);
        f.chart->AddGraphToOpenPrintCanvas(canvas, 500, 500, 800, 1000);
    }
    EXPECT_EQ(page.pixel(300, 60), ToQColor(paper).rgb());
    EXPECT_NE(page.pixel(300, 79), ToQColor(paper).rgb());
    EXPECT_NE(page.pixel(300, 79), QColor(Qt::magenta).rgb());
    EXPECT_EQ(LayoutValues(f.chart->Options()), before);
}

TEST(ChartPrint, ChartWithoutPlotAreaOrLegendStillPrints) {
    ChartFixture f;
    f.chart->Options().LegendWidth = 0;
    f.chart->Options().XEnd = 0;
    QImage page(400, 300, QImage::Format_RGB32);
    page.fill(Qt::magenta);
    {
        TCanvas canvas(&page);
        f.chart->AddGraphToOpenPrintCanvas(canvas, 0, 0, 300, 400);
    }
    EXPECT_EQ(page.pixel(10, 10), ToQColor(f.chart->Options().PaperColor()).rgb());
    EXPECT_EQ(f.chart->Options().LegendWidth, 0);
    EXPECT_EQ(f.chart->Options().XEnd, 0);
}
