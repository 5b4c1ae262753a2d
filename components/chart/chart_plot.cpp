// The plot steps of TWkChart: everything PlotGraph draws into the off-screen picture.

#include "components/chart/chart.h"
#include "platform/ui/shading.h"

#include <algorithm>
#include <cmath>

void TWkChart::plotGraph(bool invalidate) {
    if (FOptions.YEnd <= 0 || FOptions.XEnd <= 0 || FBitmap.size() != size() ||
        width() < FOptions.XEnd || height() < FOptions.YEnd) {
        FInPlotGraph = true;
        ResizeChartCanvas();
        FInPlotGraph = false;
    }
    FPlotGraphCalled = true;
    if (isEnabled() && !isHidden() && !FBitmap.isNull())
        plotInto(FBitmap);
    else
        FPictureCurrent = false;
    if (invalidate)
        update();
}

void TWkChart::plotInto(QImage& target, const QRect& clip) {
    TCanvas canvas(&target);
    if (!clip.isNull())
        canvas.Painter().setClipRect(clip);
    plotOn(canvas, target.width(), target.height());
    // A picture of another size (a print) leaves its own frame behind, not the control's.
    FPictureCurrent = &target == &FBitmap;
}

void TWkChart::plotOn(TCanvas& canvas, int width, int height) {
    FPictureCurrent = false;
    FOptions.PrimaryYAxis().Active = true;
    bool secondary = false;
    for (int p = 0; p < FOptions.PenCount(); ++p)
        secondary = secondary || FOptions.PenSecondaryAxisFlag(p);
    FOptions.SecondaryYAxis().Active = secondary;

    canvas.Brush = TBrush{FOptions.PaperColor(), bsSolid};
    canvas.FillRect(Rect(0, 0, 3 * FOptions.XStartOffset + FOptions.XEnd + FOptions.LegendWidth,
                         5 * FOptions.YStartOffset + FOptions.YEnd));
    FOptions.XValueCount = std::min(FOptions.XValueCount, MaxPlottedValues);
    RebuildYLegends();
    if (!PrintInSession && !FOptions.XAxisHeader.isEmpty()) {
        canvas.Font = FOptions.HeaderFont;
        const int needed = 2 * (canvas.TextHeight(FOptions.XAxisHeader) + 8);
        if (FOptions.YStartOffset < needed) {
            FOptions.YStartOffset = needed;
            LayoutPlotArea(FOptions, width, height);
            FOptions.PrimaryYAxis().Normalize();
            FOptions.SecondaryYAxis().Normalize();
        }
    }
    FOldYOrigin = FOptions.YOrigin;
    if (FOptions.ChartKind == ckChartStackedBar || FOptions.ChartKind == ckChartStackedBarAverage)
        FOptions.YOrigin = 0;
    FOldYGap = FOptions.PrimaryYAxis().YGap;

    if (FData.ValueCount() > 0)
        FOptions.XValueCount = std::min(FData.ValueCount(), MaxPlottedValues);
    drawFrame(canvas);
    if (FData.ValueCount() != 0)
        plotWithValues(canvas);
    else
        plotWithoutValues(canvas);
    FOptions.YOrigin = FOldYOrigin;
}

void TWkChart::drawFrame(TCanvas& canvas) {
    FOptions.PrimaryYAxis().Normalize();
    FOptions.SecondaryYAxis().Normalize();
    FFrame = ComputeFrame(FOptions, FOptions.XValueCount);
    FOptions.XPixelGap = FFrame.XPixelGap;
    canvas.Pen = TPen{FOptions.AxisLineColor, psSolid, 1};
    canvas.Brush.Style = bsClear;
    canvas.Rectangle(
        RoundHalfEven(FFrame.XOrigin), FOptions.YStartOffset - 1,
        RoundHalfEven(std::max(1, FFrame.XValueCount) * FFrame.XPixelGap + FOptions.XStartOffset),
        RoundHalfEven(FFrame.YOrigin) + 1);
    canvas.Brush.Style = bsSolid;
}

void TWkChart::plotWithValues(TCanvas& canvas) {
    drawPaperGradient(canvas);
    drawShadedBars(canvas);
    drawYAxis(canvas);
    drawYLegends(canvas);
    drawXAxis(canvas);
    drawVerticalDivisions(canvas);
    drawXLegends(canvas);
    drawPenLegend(canvas);
    drawTitles(canvas);
    plotKind(canvas);
    drawYAxisHeader(canvas);
}

void TWkChart::plotWithoutValues(TCanvas& canvas) {
    drawFrame(canvas);
    drawXAxis(canvas);
    drawVerticalDivisions(canvas);
    drawYAxis(canvas);
    drawYLegends(canvas);
    const QString message = FOptions.NoDataMessage.isEmpty()
                                ? QStringLiteral("No data. (Data.ValueCount=0)")
                                : FOptions.NoDataMessage;
    canvas.Font = FOptions.AxisFont;
    canvas.Font.Color = clRed;
    canvas.Brush = TBrush{FOptions.PaperColor(), bsSolid};
    canvas.TextOut(RoundHalfEven(FFrame.XOrigin), RoundHalfEven(FFrame.YOrigin) + 4 + 1, message);
}

void TWkChart::drawPaperGradient(TCanvas& canvas) {
    if (FOptions.GradientDirection == grNone || FOptions.GradientColor == FOptions.PaperColor())
        return;
    const TRect area = Rect(
        RoundHalfEven(FFrame.XOrigin), FOptions.YStartOffset,
        RoundHalfEven(FFrame.XPixelGap * std::max(1, FFrame.XValueCount) + FOptions.XStartOffset) -
            1,
        TruncToInt(FFrame.YOrigin));
    const TColor paper = FOptions.PaperColor();
    const TColor shade = FOptions.GradientColor;
    switch (FOptions.GradientDirection) {
    case grUp:
        FillShaded(canvas, area, shade, paper, ShadeDirection::TopToBottom);
        break;
    case grDown:
        FillShaded(canvas, area, paper, shade, ShadeDirection::TopToBottom);
        break;
    case grLeft:
        FillShaded(canvas, area, paper, shade, ShadeDirection::LeftToRight);
        break;
    case grRight:
        FillShaded(canvas, area, shade, paper, ShadeDirection::LeftToRight);
        break;
    case grNone:
        break;
    }
}

namespace {

void fillBar(TCanvas& canvas, const TRect& r, const TWkChartGradientBar& bar, bool vertical) {
    const TColor color = bar.Color();
    const TColor grad = bar.GradColor;
    if (grad != color) {
        switch (bar.GradDirection) {
        case grUp:
            FillShaded(canvas, r, grad, color, ShadeDirection::TopToBottom);
            return;
        case grDown:
            FillShaded(canvas, r, color, grad, ShadeDirection::TopToBottom);
            return;
        case grLeft:
            if (vertical) {
                FillShaded(canvas, r, color, grad, ShadeDirection::LeftToRight);
                return;
            }
            break;
        case grRight:
            if (vertical) {
                FillShaded(canvas, r, grad, color, ShadeDirection::LeftToRight);
                return;
            }
            break;
        case grNone:
            break;
        }
    }
    canvas.Brush = TBrush{color, bsSolid};
    canvas.FillRect(r);
}

void outlineBar(TCanvas& canvas, const TRect& r, const TWkChartGradientBar& bar) {
    if (bar.PenStyle == psClear)
        return;
    canvas.Pen = TPen{bar.PenColor, bar.PenStyle, 1};
    canvas.Brush.Style = bsClear;
    canvas.Rectangle(r);
    canvas.Brush.Style = bsSolid;
}

} // namespace

void TWkChart::drawShadedBars(TCanvas& canvas) {
    const TWkChartYAxisOptions& axis = FOptions.PrimaryYAxis();
    const int plotRight =
        RoundHalfEven(std::max(1, FFrame.XValueCount) * FFrame.XPixelGap + FOptions.XStartOffset);
    const auto rowOfValue = [&](double value) {
        return FFrame.YOrigin - (value - axis.YMin()) / axis.YGap * axis.YPixelGap;
    };
    std::vector<std::pair<TRect, const TWkChartGradientBar*>> drawn;
    if (axis.YGap != 0)
        for (const auto& bar : FHorizontalBars) {
            if (!bar->Visible())
                continue;
            const double top = rowOfValue(bar->YTop);
            const double bottom = rowOfValue(bar->YBottom);
            TRect r;
            r.Left = RoundHalfEven(FFrame.XOrigin);
            r.Right = plotRight - 1;
            r.Top = std::isnan(top) || top < 0 ? FOptions.YStartOffset : TruncToInt(top);
            r.Bottom = std::isnan(bottom) || bottom < 0 || bottom > FFrame.YOrigin
                           ? TruncToInt(FFrame.YOrigin)
                           : TruncToInt(bottom);
            fillBar(canvas, r, *bar, false);
            drawn.emplace_back(r, bar.get());
        }
    const int lastValueColumn =
        RoundHalfEven(FFrame.XValueCount * FFrame.XPixelGap + FOptions.XStartOffset);
    for (const auto& bar : FVerticalBars) {
        if (!bar->Visible())
            continue;
        TRect r;
        r.Top = FOptions.YStartOffset;
        r.Bottom = TruncToInt(FFrame.YOrigin);
        r.Left = bar->XLeft <= 0
                     ? RoundHalfEven(FFrame.XOrigin)
                     : RoundHalfEven(bar->XLeft * FFrame.XPixelGap + FOptions.XStartOffset);
        // A bar that starts right of the last value has nothing of the plot to cover.
        if (r.Left > lastValueColumn)
            continue;
        r.Right = std::min(RoundHalfEven(bar->XRight * FFrame.XPixelGap + FOptions.XStartOffset),
                           lastValueColumn);
        // A bar from one value index to the same one still shows as a line.
        r.Right = std::max(r.Right, r.Left + 1);
        fillBar(canvas, r, *bar, true);
        drawn.emplace_back(r, bar.get());
    }
    for (const auto& [r, bar] : drawn)
        outlineBar(canvas, r, *bar);
}

void TWkChart::drawYAxis(TCanvas& canvas) {
    canvas.Pen = TPen{FOptions.AxisLineColor, psSolid, FOptions.AxisLineWidth};
    canvas.MoveTo(RoundHalfEven(FFrame.XOrigin), FOptions.YStartOffset);
    canvas.LineTo(RoundHalfEven(FFrame.XOrigin), FFrame.XAxisRow);
    canvas.Pen.Width = 1;
}

void TWkChart::drawXAxis(TCanvas& canvas) {
    canvas.Pen = TPen{FOptions.AxisLineColor, psSolid, FOptions.AxisLineWidth};
    canvas.MoveTo(FOptions.XStartOffset, FFrame.XAxisRow);
    canvas.LineTo(RoundHalfEven(FFrame.XValueCount * FFrame.XPixelGap + FOptions.XStartOffset),
                  FFrame.XAxisRow);
    canvas.Pen.Width = 1;
}

void TWkChart::RebuildYLegends() {
    TWkChartYAxisOptions& axis = FOptions.PrimaryYAxis();
    int decimals = std::max(0, axis.YLegendDecimalPlaces);
    for (;;) {
        QStringList legends;
        bool repeated = false;
        for (int k = 0; k <= axis.YDivisions(); ++k) {
            const double value = axis.YMin() + k * axis.YGap;
            // Plain digits and a point whatever the user's locale. Whole numbers are rounded in
            // floating point: a scale may reach far beyond int. Adding 0 turns a rounded -0
            // into 0.
            const QString text = decimals >= 1
                                     ? QString::number(value, 'f', decimals)
                                     : QString::number(std::nearbyint(value) + 0.0, 'f', 0);
            repeated = repeated || (!legends.isEmpty() && legends.last() == text);
            legends << text;
        }
        // Equal neighbours mean the texts are too coarse for the range: show one more decimal.
        if (repeated && decimals < 5) {
            ++decimals;
            continue;
        }
        axis.YLegendsList() = legends;
        return;
    }
}

void TWkChart::drawYLegends(TCanvas& canvas) {
    const TWkChartYAxisOptions& axis = FOptions.PrimaryYAxis();
    const int right = RoundHalfEven(FFrame.XOrigin - 3);
    const int plotRight =
        RoundHalfEven(std::max(1, FFrame.XValueCount) * FFrame.XPixelGap + FOptions.XStartOffset);
    canvas.Font = FOptions.AxisFont;
    for (int k = 0; k <= axis.YDivisions(); ++k) {
        const int y = RoundHalfEven(FFrame.YOrigin - (k - FOptions.YOrigin) * axis.YPixelGap);
        if (k < axis.YLegends().size()) {
            const QString& text = axis.YLegends()[k];
            const TSize extent = canvas.TextExtent(text);
            canvas.Brush.Style = bsClear;
            canvas.TextOut(right - extent.cx, y - extent.cy / 2, text);
            canvas.Brush.Style = bsSolid;
        }
        if (k > 0 && k < axis.YDivisions() && FOptions.YAxisDivisionMarkers) {
            canvas.Pen = TPen{FOptions.DivisionLineColor, psDot, 1};
            canvas.MoveTo(RoundHalfEven(FFrame.XOrigin) + 1, y);
            canvas.LineTo(plotRight, y);
        }
        if (k > 0 && axis.YPixelGap > 20) {
            const int tick = RoundHalfEven(y + axis.YPixelGap / 2);
            canvas.Pen = TPen{FOptions.AxisLineColor, psSolid, 1};
            canvas.MoveTo(FOptions.XStartOffset, tick);
            canvas.LineTo(FOptions.XStartOffset - 4, tick);
        }
    }
}

void TWkChart::drawDateTimeDivisions(TCanvas& canvas) {
    // The data's date-time span is spread over the plot's width.
    constexpr int MaxDivisionLines = 10000;
    const double span = FData.EndDateTime - FData.StartDateTime;
    const double division = FOptions.XAxisDateTimeDivision;
    if (!(span > 0) || !(division > 0))
        return;
    const double pixelsPerDay = (FOptions.XEnd - FOptions.XStartOffset) / span;
    canvas.Pen = TPen{FOptions.DivisionLineColor, psDot, 1};
    for (int k = 1; k <= MaxDivisionLines; ++k) {
        const int x = RoundHalfEven(FOptions.XStartOffset + k * division * pixelsPerDay);
        if (x > FOptions.XEnd)
            return;
        canvas.MoveTo(x, FFrame.XAxisRow - 1);
        canvas.LineTo(x, FOptions.YStartOffset + 1);
    }
}

void TWkChart::drawVerticalDivisions(TCanvas& canvas) {
    if (FOptions.XAxisDateTimeMode) {
        if (isEnabled() && FOptions.XAxisDivisionMarkers)
            drawDateTimeDivisions(canvas);
        return;
    }
    const int per = FOptions.XAxisValuesPerDivision;
    if (!isEnabled() || FFrame.XValueCount < 1 || FOptions.XStartOffset < 1 ||
        !FOptions.XAxisDivisionMarkers || per < 1)
        return;
    const int n = (FFrame.XValueCount + per / 2) / per - 1;
    canvas.Pen = TPen{FOptions.DivisionLineColor, psDot, 1};
    for (int k = 1; k <= n; ++k) {
        const int x = RoundHalfEven(k * FFrame.XPixelGap * per + FOptions.XStartOffset);
        canvas.MoveTo(x, FFrame.XAxisRow - 1);
        canvas.LineTo(x, FOptions.YStartOffset + 1);
    }
}

void TWkChart::drawXLegends(TCanvas& canvas) {
    if (FOptions.XLegends.isEmpty())
        return;
    const double step = LineStep(FOptions, FFrame.XValueCount);
    const int skip = std::max(1, FOptions.XAxisLegendSkipBy);
    canvas.Font = FOptions.AxisFont;
    canvas.Brush.Style = bsClear;
    for (int v = 0; v < FFrame.XValueCount && v < FOptions.XLegends.size(); v += skip) {
        const QString& text = FOptions.XLegends[v];
        const int x = RoundHalfEven(FFrame.XOrigin + v * step);
        canvas.TextOut(x - canvas.TextWidth(text) / 2, FFrame.XAxisRow + 3, text);
    }
    canvas.Brush.Style = bsSolid;
}

void TWkChart::drawPenLegend(TCanvas& canvas) {
    if (FOptions.Legend == clChartLegendNone || FOptions.PenLegends.isEmpty())
        return;
    canvas.Font = FOptions.LegendFont;
    const int rowHeight = canvas.TextHeight(QStringLiteral("Ag")) + 4;
    const bool right = FOptions.Legend == clChartLegendRight;
    int x = right ? FOptions.XEnd + FOptions.XStartOffset / 2 : FOptions.XStartOffset;
    int y = right ? FOptions.YStartOffset : FOptions.YStartOffset + FOptions.YEnd + rowHeight;
    for (int p = 0; p < FOptions.PenCount() && p < FOptions.PenLegends.size(); ++p) {
        canvas.Pen = TPen{FOptions.AxisLineColor, psSolid, 1};
        canvas.Brush = TBrush{FOptions.PenColor(p), bsSolid};
        canvas.Rectangle(x, y + 2, x + 10, y + 12);
        canvas.Brush.Style = bsClear;
        canvas.TextOut(x + 14, y, FOptions.PenLegends[p]);
        canvas.Brush.Style = bsSolid;
        if (right)
            y += rowHeight;
        else
            x += canvas.TextWidth(FOptions.PenLegends[p]) + 30;
    }
}

void TWkChart::drawTitles(TCanvas& canvas) {
    canvas.Font = FOptions.HeaderFont;
    canvas.Brush.Style = bsClear;
    if (!FOptions.Title.isEmpty()) {
        const TSize extent = canvas.TextExtent(FOptions.Title);
        const int centre = FOptions.XStartOffset + RoundHalfEven(FOptions.XEnd / 2.0);
        canvas.TextOut(centre - extent.cx / 2, std::max(0, (FOptions.YStartOffset - extent.cy) / 2),
                       FOptions.Title);
    }
    if (!FOptions.XAxisHeader.isEmpty()) {
        const TSize extent = canvas.TextExtent(FOptions.XAxisHeader);
        const int centre = FOptions.XStartOffset + RoundHalfEven(FOptions.XEnd / 2.0);
        canvas.TextOut(centre - extent.cx / 2,
                       FOptions.YStartOffset + FOptions.YEnd + RoundHalfEven(1.6 * extent.cy),
                       FOptions.XAxisHeader);
    }
    canvas.Brush.Style = bsSolid;
}

void TWkChart::drawYAxisHeader(TCanvas& canvas) {
    if (FOptions.XStartOffset <= 10 || FOptions.YAxisHeader.isEmpty())
        return;
    TFont rotated;
    rotated.Name = Font.Name;
    rotated.Height = std::abs(Font.Height) + 2;
    rotated.Escapement = 900;
    rotated.Weight = 700;
    rotated.Style = fsItalic;
    rotated.Color = Font.Color;
    canvas.Font = rotated;
    const int textWidth = canvas.TextWidth(FOptions.YAxisHeader);
    canvas.Brush.Style = bsClear;
    canvas.TextOut(2,
                   std::max(0, 2 * FOptions.YStartOffset + canvas.Painter().device()->height() / 2 -
                                   textWidth / 2),
                   FOptions.YAxisHeader);
    canvas.Brush.Style = bsSolid;
}

double TWkChart::rowOf(int pen, double value) {
    return PixelRow(FOptions, FFrame, FOptions.YAxisOfPen(pen), value);
}

double TWkChart::liftedRow(int pen, int v, double row, bool& lifted) {
    for (int q = 0; q < pen; ++q) {
        const double other = rowOf(q, FData.Value(q, v));
        if (!std::isnan(other) && other == row) {
            row -= 1;
            lifted = true;
        }
    }
    return row;
}

void TWkChart::plotLines(TCanvas& canvas) {
    const double dx = LineStep(FOptions, FFrame.XValueCount);
    const int first = std::max(0, FLineValues.first);
    const int last = std::min(FFrame.XValueCount - 1, FLineValues.last);
    for (int p = 0; p < FOptions.PenCount(); ++p) {
        if (FOptions.PenStyle(p) == psClear)
            continue;
        canvas.Pen = TPen{FOptions.PenColor(p), psSolid, 1};
        bool broken = true;
        for (int v = first; v <= last; ++v) {
            const int x = RoundHalfEven(FFrame.XOrigin + v * dx);
            double row = rowOf(p, FData.Value(p, v));
            if (std::isnan(row)) {
                broken = true;
                continue;
            }
            if (broken) {
                canvas.MoveTo(x, static_cast<int>(row));
                broken = false;
                continue;
            }
            // Equal rows would hide the earlier pen: lift this one and dot it.
            bool lifted = false;
            row = liftedRow(p, v, row, lifted);
            canvas.Pen.Style = FOptions.PenStyle(p);
            if (lifted && canvas.Pen.Style == psSolid)
                canvas.Pen.Style = psDot;
            canvas.Pen.Width = FOptions.PenLineWidth;
            canvas.LineTo(x, static_cast<int>(row));
            canvas.Pen.Width = 1;
        }
    }
    drawPenMarkers(canvas);
    canvas.Pen = TPen{FOptions.AxisLineColor, psSolid, 1};
}
