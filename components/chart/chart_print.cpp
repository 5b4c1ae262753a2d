#include "components/chart/chart.h"

#include <QPainter>
#include <QPrinter>
#include <stdexcept>

namespace {

// The layout values printing sets for the page and puts back afterwards.
struct PrintLayout {
    TWkChartOptions& options;
    bool& printing;
    int legendWidth = options.LegendWidth;
    int xStartOffset = options.XStartOffset;
    int yStartOffset = options.YStartOffset;
    int xEnd = options.XEnd;
    int yEnd = options.YEnd;

    void fitPage(int pageWidth, int pageHeight) {
        printing = true;
        // A chart never plotted has no plot area to share with the legend yet.
        const int screenWidth = xEnd + legendWidth;
        if (screenWidth > 0)
            options.LegendWidth =
                RoundHalfEven(pageWidth * static_cast<double>(legendWidth) / screenWidth);
        options.XStartOffset = RoundHalfEven(pageWidth * 0.08);
        options.YStartOffset = RoundHalfEven(pageHeight * 0.1);
        options.XEnd = RoundHalfEven(pageWidth - options.LegendWidth * 1.2) - options.XStartOffset;
        options.YEnd = std::min(RoundHalfEven(pageHeight * 0.75), options.XEnd);
    }

    ~PrintLayout() {
        options.LegendWidth = legendWidth;
        options.XStartOffset = xStartOffset;
        options.YStartOffset = yStartOffset;
        options.XEnd = xEnd;
        options.YEnd = yEnd;
        printing = false;
    }
};

} // namespace

void TWkChart::PrintGraph(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("The printer could not start the chart's document");
    {
        TCanvas canvas(painter);
        printOn(canvas, printer.width(), printer.height());
    }
    painter.end();
}

void TWkChart::AddGraphToOpenPrintCanvas(TCanvas& printCanvas, int, int, int graphHeight,
                                         int graphWidth) {
    printOn(printCanvas, graphWidth, graphHeight);
}

void TWkChart::printOn(TCanvas& canvas, int pageWidth, int pageHeight) {
    PrintLayout layout{FOptions, PrintInSession};
    layout.fitPage(pageWidth, pageHeight);
    FOptions.PrimaryYAxis().Normalize();
    FOptions.SecondaryYAxis().Normalize();
    FPlotGraphCalled = true;
    plotOn(canvas, pageWidth, pageHeight);
}
