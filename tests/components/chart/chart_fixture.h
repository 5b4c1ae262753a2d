#pragma once
// A 300 x 200 chart inside a parent widget, with a 0..100 primary axis in ten divisions:
// plot origin (45, 189), 17.9 pixels per division.

#include "components/chart/chart.h"

#include <QWidget>
#include <memory>

struct ChartFixture {
    ChartFixture() {
        parent = std::make_unique<QWidget>();
        chart = new TWkChart(parent.get());
        chart->setGeometry(0, 0, 300, 200);
        chart->ResizeChartCanvas();
        TWkChartOptions& options = chart->Options();
        options.PrimaryYAxis().SetYMin(0);
        options.PrimaryYAxis().SetYMax(100);
        options.PrimaryYAxis().SetYDivisions(10);
    }

    // Two pens of n values each, every value the same per pen.
    void fill(int n, double pen0, double pen1) {
        TWkChartOptions& options = chart->Options();
        options.SetPenCount(2);
        for (int v = 0; v < n; ++v) {
            chart->Data().SetValue(0, v, pen0);
            chart->Data().SetValue(1, v, pen1);
        }
    }

    QRgb picture(int x, int y) const { return chart->Picture().pixel(x, y); }

    std::unique_ptr<QWidget> parent;
    TWkChart* chart;
};

inline QRgb Rgb(TColor color) {
    return ToQColor(color).rgb();
}
