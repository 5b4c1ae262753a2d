// The plot kinds other than lines, and the pen markers every kind draws last.

#include "components/chart/chart.h"

#include <algorithm>
#include <cmath>

void TWkChart::plotKind(TCanvas& canvas) {
    switch (FOptions.ChartKind) {
    case ckChartLine:
        plotLines(canvas);
        break;
    case ckChartBar:
    case ckChartBarAverage:
        plotBars(canvas);
        break;
    case ckChartStackedBar:
        plotStackedBars(canvas, false);
        break;
    case ckChartStackedBarAverage:
        plotStackedBars(canvas, true);
        break;
    case ckChartPieChart:
        plotPie(canvas);
        break;
    case ckChartMarkers:
        drawPenMarkers(canvas);
        break;
    case ckChartDeltaAverage:
        plotDeltaAverage(canvas);
        break;
    case ckChartNone:
        break;
    }
}

void TWkChart::computeAverages() {
    const int pens = FOptions.PenCount();
    for (int v = 0; v < std::min(FData.ValueCount(), MaxPlottedValues); ++v) {
        double sum = 0;
        for (int p = 0; p < pens; ++p)
            sum += FData.Value(p, v);
        FOptions.SetAverageValue(v, pens == 0 ? 0 : sum / pens);
    }
}

void TWkChart::plotBars(TCanvas& canvas) {
    const int pens = FOptions.PenCount();
    const int slotCount = pens * FFrame.XValueCount;
    if (slotCount <= 0)
        return;
    if (FOptions.ChartKind == ckChartBarAverage)
        computeAverages();
    const double w = (FOptions.XEnd - FOptions.XStartOffset - 1.0) / slotCount;
    for (int v = 0; v < FFrame.XValueCount; ++v)
        for (int p = 0; p < pens; ++p) {
            const TWkChartYAxisOptions& axis = FOptions.YAxisOfPen(p);
            const double value = FData.Value(p, v);
            if (FOptions.PenStyle(p) == psClear || std::isnan(value) || axis.YGap == 0)
                continue;
            const int s = p + v * pens;
            const int left = RoundHalfEven(s * w + FFrame.XOrigin) + 1;
            const int right = RoundHalfEven((s + 1) * w + FFrame.XOrigin) - 3;
            const int top =
                std::clamp(RoundHalfEven(FFrame.YOrigin - value / axis.YGap * axis.YPixelGap), -1,
                           FFrame.XAxisRow - 1);
            canvas.Brush = TBrush{FOptions.PenColor(p), bsSolid};
            if (right - left > 3) {
                canvas.Pen = TPen{FOptions.AxisLineColor, FOptions.PenStyle(p), 1};
                canvas.Rectangle(left, top, right, FFrame.XAxisRow);
            } else {
                canvas.FillRect(Rect(left, top, std::max(right, left + 1), FFrame.XAxisRow));
            }
        }
    if (FOptions.ChartKind == ckChartBarAverage) {
        canvas.Pen = TPen{FOptions.AverageLineColor, psSolid, 1};
        // An index with a NaN value has no average: the line breaks there, as a pen's does.
        bool broken = true;
        for (int v = 0; v < FFrame.XValueCount; ++v) {
            const double row = rowOf(0, FOptions.AverageValue(v));
            if (std::isnan(row)) {
                broken = true;
                continue;
            }
            const int x = RoundHalfEven(v * FFrame.XPixelGap + FFrame.XOrigin);
            if (broken)
                canvas.MoveTo(x, static_cast<int>(row));
            else
                canvas.LineTo(x, static_cast<int>(row));
            broken = false;
        }
    }
    drawPenMarkers(canvas);
}

void TWkChart::plotStackedBars(TCanvas& canvas, bool shares) {
    const TWkChartYAxisOptions& axis = FOptions.PrimaryYAxis();
    if (axis.YGap == 0)
        return;
    const int pens = FOptions.PenCount();
    const int gap = FOptions.XEnd > 200 ? 3 : 1;
    const double xg = FFrame.XPixelGap;
    if (shares)
        FAverageData.SetPenCount(std::max(1, pens));
    for (int v = 0; v < FFrame.XValueCount; ++v) {
        if (shares) {
            double sum = 0;
            for (int p = 0; p < pens; ++p)
                if (!std::isnan(FData.Value(p, v)))
                    sum += FData.Value(p, v);
            for (int p = 0; p < pens; ++p)
                FAverageData.SetValue(p, v, sum == 0 ? 0 : FData.Value(p, v) * 100.0 / sum);
        }
        const int left = RoundHalfEven(FFrame.XOrigin + v * xg + xg / 2);
        const int right = RoundHalfEven(FFrame.XOrigin + (v + 1) * xg + xg / 2 - gap);
        int base = RoundHalfEven(FFrame.YOrigin);
        for (int p = 0; p < pens; ++p) {
            const double value = shares ? FAverageData.Value(p, v) : FData.Value(p, v);
            if (FOptions.PenStyle(p) == psClear || std::isnan(value))
                continue;
            // Worked out in floating point and kept from one row above the picture: a pile of
            // values far off the scale would otherwise overflow.
            const int top =
                RoundHalfEven(std::max(-1.0, base - value / axis.YGap * axis.YPixelGap));
            canvas.Brush = TBrush{FOptions.PenColor(p), bsSolid};
            if (xg < 3) {
                canvas.Pen = TPen{FOptions.PenColor(p), psSolid, 1};
                canvas.Rectangle(left, top, std::max(right, left + 1), base);
            } else {
                canvas.FillRect(Rect(left, top, right, base));
            }
            base = top;
        }
    }
    drawPenMarkers(canvas);
}

void TWkChart::plotPie(TCanvas& canvas) {
    double total = 0;
    for (int v = 0; v < FFrame.XValueCount; ++v)
        if (FData.Value(0, v) > 0)
            total += FData.Value(0, v);
    if (total <= 0)
        return;
    const int side = std::min(FOptions.XEnd, FOptions.YEnd);
    const QRect square(FOptions.XStartOffset + (FOptions.XEnd - FOptions.XStartOffset - side) / 2,
                       FOptions.YStartOffset, side, side);
    QPainter& painter = canvas.Painter();
    painter.setPen(ToQPen(TPen{FOptions.AxisLineColor, psSolid, 1}));
    int start = 90 * 16; // Qt counts sixteenths of a degree from three o'clock
    for (int v = 0; v < FFrame.XValueCount; ++v) {
        const double value = FData.Value(0, v);
        if (!(value > 0))
            continue;
        const int span = -RoundHalfEven(value / total * 360 * 16);
        painter.setBrush(ToQColor(FOptions.PenColor(v)));
        painter.drawPie(square, start, span);
        start += span;
    }
}

void TWkChart::plotDeltaAverage(TCanvas& canvas) {
    const int pens = FOptions.PenCount();
    const int slotCount = pens * FFrame.XValueCount;
    if (slotCount <= 0)
        return;
    computeAverages();
    const double w = (FOptions.XEnd - FOptions.XStartOffset - 1.0) / slotCount;
    for (int v = 0; v < FFrame.XValueCount; ++v) {
        const double average = rowOf(0, FOptions.AverageValue(v));
        for (int p = 0; p < pens; ++p) {
            const double row = rowOf(p, FData.Value(p, v));
            if (FOptions.PenStyle(p) == psClear || std::isnan(row) || std::isnan(average))
                continue;
            const int s = p + v * pens;
            const int left = RoundHalfEven(s * w + FFrame.XOrigin) + 1;
            const int right = std::max(left + 1, RoundHalfEven((s + 1) * w + FFrame.XOrigin) - 1);
            canvas.Brush = TBrush{FOptions.PenColor(p), bsSolid};
            canvas.FillRect(Rect(left, static_cast<int>(std::min(row, average)), right,
                                 static_cast<int>(std::max(row, average)) + 1));
        }
    }
}

void TWkChart::drawMarkerShape(TCanvas& canvas, TWkChartPenMarkerKind kind, int x, int y,
                               TColor color) {
    const int s = FOptions.MarkerSize;
    canvas.Pen = TPen{color, psSolid, 1};
    switch (kind) {
    case pmkDiamond: {
        const TPoint points[] = {{x, y - s}, {x + s, y}, {x, y + s}, {x - s, y}};
        canvas.Brush = TBrush{color, bsSolid};
        canvas.Polygon(points);
        break;
    }
    case pmkCircle:
        canvas.Brush.Style = bsClear;
        canvas.Ellipse(Rect(x - s, y - s, x + s, y + s));
        break;
    case pmkSquare:
        canvas.Brush.Style = bsClear;
        canvas.Rectangle(x - s, y - s, x + s, y + s);
        break;
    case pmkCross:
        canvas.MoveTo(x - s, y);
        canvas.LineTo(x + s, y);
        canvas.MoveTo(x, y - s);
        canvas.LineTo(x, y + s);
        break;
    case pmkNone:
        break;
    }
    canvas.Brush.Style = bsSolid;
}

void TWkChart::drawPenMarkers(TCanvas& canvas) {
    const double dx = LineStep(FOptions, FFrame.XValueCount);
    for (int p = 0; p < FOptions.PenCount(); ++p) {
        const TWkChartPenMarkerKind kind = FOptions.PenMarkerKind(p);
        const bool labels = FOptions.PenValueLabels(p);
        if (kind == pmkNone && !labels)
            continue;
        const int decimals = FOptions.YAxisOfPen(p).MarkerValueDecimals;
        for (int v = 0; v < FFrame.XValueCount; ++v) {
            const double value = FData.Value(p, v);
            const double row = rowOf(p, value);
            if (std::isnan(row))
                continue;
            const int x = RoundHalfEven(FFrame.XOrigin + v * dx);
            drawMarkerShape(canvas, kind, x, static_cast<int>(row), FOptions.PenColor(p));
            if (!labels)
                continue;
            // Plain digits and a point, as the axis legends.
            const QString text =
                decimals < 0 ? QString::number(value) : QString::number(value, 'f', decimals);
            canvas.Font = FOptions.AxisFont;
            canvas.Brush.Style = bsClear;
            const TSize extent = canvas.TextExtent(text);
            canvas.TextOut(x - extent.cx / 2,
                           static_cast<int>(row) - FOptions.MarkerSize - extent.cy, text);
            canvas.Brush.Style = bsSolid;
        }
    }
}
