#include "components/chart/chart.h"

#include "platform/ui/ui_host.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPaintEvent>
#include <algorithm>
#include <cmath>
#include <stdexcept>

TWkChart::TWkChart(QWidget* parent)
    : TWkExGraphicControl(parent), TWkDraggable(this), FOptions(this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (!parent)
        resize(300, 300);
}

TWkChart::~TWkChart() = default;

void TWkChart::SetCursorPosition(int position) {
    if (position == FCursorPosition)
        return;
    repaintCursorLine(FCursorPosition);
    FCursorPosition = position;
    repaintCursorLine(position);
}

void TWkChart::OptionsChanged() {
    if (FData.PenCount() != FOptions.PenCount() && FOptions.PenCount() > 0)
        FData.SetPenCount(FOptions.PenCount());
    FPictureCurrent = false;
    if (OnOptionsChange)
        OnOptionsChange(this);
    if (FOptions.AutoUpdateGraph) {
        FAutoPlotDone = false;
        update();
    }
}

void TWkChart::RepaintChart() {
    FPictureCurrent = false;
    update();
}

void TWkChart::NotifyBoundsChanged() {
    if (FBitmap.size() != size())
        guarded([this] { ResizeChartCanvas(); });
}

void TWkChart::ResizeChartCanvas() {
    FPictureCurrent = false;
    if (FBitmap.size() != size()) {
        FBitmap = QImage(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
        FBitmap.fill(ToQColor(FOptions.PaperColor()));
    }
    LayoutPlotArea(FOptions, FBitmap.width(), FBitmap.height());
    FOptions.PrimaryYAxis().Normalize();
    FOptions.SecondaryYAxis().Normalize();
    if (FInPlotGraph || isHidden() || (!FOptions.AutoUpdateGraph && !FPlotGraphCalled))
        return;
    plotGraph(true);
}

void TWkChart::PlotGraph() {
    plotGraph(true);
}

void TWkChart::ResetGraphModule() {
    FPictureCurrent = false;
    FData.Clear();
    FPlotGraphCalled = false;
    FOptions.Title.clear();
    FOptions.SetPenCount(1);
    FOptions.XValueCount = 0;
    FOptions.PrimaryYAxis().Clear();
    FOptions.SecondaryYAxis().Clear();
    FOptions.XOrigin = 0;
    FOptions.YOrigin = 0;
    FOptions.XGap = 1.0;
    FOptions.PenLegends.clear();
    FOptions.XLegends.clear();
    FData.Clear();
    FAverageData.Clear();
}

void TWkChart::PivotData() {
    const int pens = FOptions.PenCount();
    const int values = std::min(FOptions.XValueCount, MaxPlottedValues);
    // Refused up front: the pen count is checked only after the values would have moved.
    if (values < 0 || values > TWkChartOptions::MaxPens)
        throw ERangeError("WkChart.Options.PenCount - PenCount out of range");
    std::vector<double> old(static_cast<std::size_t>(pens) * values);
    for (int p = 0; p < pens; ++p)
        for (int v = 0; v < values; ++v)
            old[static_cast<std::size_t>(p) * values + v] = FData.Value(p, v);
    FData.Clear();
    FData.SetValueCount(0);
    std::swap(FOptions.XLegends, FOptions.PenLegends);
    FOptions.XValueCount = pens;
    FOptions.SetPenCount(values);
    FData.SetPenCount(std::max(1, values));
    for (int p = 0; p < pens; ++p)
        for (int v = 0; v < values; ++v)
            FData.SetValue(v, p, old[static_cast<std::size_t>(p) * values + v]);
    computeAverages();
    PlotGraph();
}

void TWkChart::guarded(const std::function<void()>& step) {
    try {
        step();
    } catch (const std::exception& e) {
        uiHost().reportException(QString::fromUtf8(e.what()));
    }
}

namespace {

// Offsets and font heights that PlotPicture scales and puts back.
struct ScaledSettings {
    TWkChartOptions& options;
    int xStartOffset = options.XStartOffset;
    int yStartOffset = options.YStartOffset;
    int headerHeight = options.HeaderFont.Height;
    int legendHeight = options.LegendFont.Height;
    int axisHeight = options.AxisFont.Height;

    void scale(double factor) {
        const auto scaled = [factor](int value) {
            return RoundHalfEven(value * factor);
        };
        options.XStartOffset = scaled(xStartOffset);
        options.YStartOffset = scaled(yStartOffset);
        options.HeaderFont.Height = scaled(headerHeight);
        options.LegendFont.Height = scaled(legendHeight);
        options.AxisFont.Height = scaled(axisHeight);
    }
    ~ScaledSettings() {
        options.XStartOffset = xStartOffset;
        options.YStartOffset = yStartOffset;
        options.HeaderFont.Height = headerHeight;
        options.LegendFont.Height = legendHeight;
        options.AxisFont.Height = axisHeight;
    }
};

} // namespace

void TWkChart::PlotPicture(QImage& picture, double fontScaling) {
    if (picture.isNull())
        throw std::runtime_error(
            "WkChart.PlotToPicture: You must initialize picture.Graphic.Bitmap first");
    {
        ScaledSettings settings{FOptions};
        settings.scale(fontScaling);
        LayoutPlotArea(FOptions, picture.width(), picture.height());
        FOptions.PrimaryYAxis().Normalize();
        FOptions.SecondaryYAxis().Normalize();
        FPlotGraphCalled = true;
        plotInto(picture);
        TCanvas canvas(&picture);
        paintFloatingMarkers(canvas);
    }
    ResizeChartCanvas();
    update();
}

void TWkChart::GraphToClipboard() {
    if (auto* clipboard = QGuiApplication::clipboard())
        clipboard->setImage(FBitmap);
}

TWkChartHorizontalBar* TWkChart::AddHorizontalBar() {
    FPictureCurrent = false;
    FHorizontalBars.push_back(std::make_unique<TWkChartHorizontalBar>(this, HorizontalBarsCount()));
    return FHorizontalBars.back().get();
}

TWkChartVerticalBar* TWkChart::AddVerticalBar() {
    FPictureCurrent = false;
    FVerticalBars.push_back(std::make_unique<TWkChartVerticalBar>(this, VerticalBarsCount()));
    return FVerticalBars.back().get();
}

void TWkChart::ClearHorizontalBars() {
    FPictureCurrent = false;
    FHorizontalBars.clear();
}

void TWkChart::ClearVerticalBars() {
    FPictureCurrent = false;
    FVerticalBars.clear();
}

TWkChartHorizontalBar* TWkChart::HorizontalBar(int index) const {
    if (index < 0 || index >= HorizontalBarsCount())
        return nullptr;
    return FHorizontalBars[static_cast<std::size_t>(index)].get();
}

TWkChartVerticalBar* TWkChart::VerticalBar(int index) const {
    if (index < 0 || index >= VerticalBarsCount())
        return nullptr;
    return FVerticalBars[static_cast<std::size_t>(index)].get();
}

TWkChartFloatingMarker* TWkChart::AddFloatingMarker() {
    FFloatingMarkers.push_back(
        std::make_unique<TWkChartFloatingMarker>(this, FloatingMarkerCount()));
    return FFloatingMarkers.back().get();
}

void TWkChart::DeleteFloatingMarker(int index) {
    if (index < 0 || index >= FloatingMarkerCount())
        return;
    dropMarkerDrag();
    FFloatingMarkers.erase(FFloatingMarkers.begin() + index);
    for (int i = 0; i < FloatingMarkerCount(); ++i) {
        TWkChartFloatingMarker& marker = *FFloatingMarkers[static_cast<std::size_t>(i)];
        marker.Index = i;
        if (marker.LineToMarker == index)
            marker.LineToMarker = -1;
        else if (marker.LineToMarker > index)
            --marker.LineToMarker;
    }
    update();
}

void TWkChart::DeleteFloatingMarkerObj(TWkChartFloatingMarker* marker) {
    for (int i = 0; i < FloatingMarkerCount(); ++i)
        if (FFloatingMarkers[static_cast<std::size_t>(i)].get() == marker) {
            DeleteFloatingMarker(i);
            return;
        }
}

void TWkChart::CopyFloatingMarkers(const TWkChart& source) {
    ClearFloatingMarkers();
    for (const auto& marker : source.FFloatingMarkers)
        AddFloatingMarker()->Assign(*marker);
}

void TWkChart::ClearFloatingMarkers() {
    dropMarkerDrag();
    FFloatingMarkers.clear();
    update();
}

// The marker that was being dragged, if it stays, is placed from its positions again.
void TWkChart::dropMarkerDrag() {
    if (FDragFloatingMarker)
        FDragFloatingMarker->Dragging = false;
    FDragFloatingMarker = nullptr;
}

TWkChartFloatingMarker* TWkChart::FloatingMarker(int index) const {
    if (index < 0 || index >= FloatingMarkerCount())
        return nullptr;
    return FFloatingMarkers[static_cast<std::size_t>(index)].get();
}

void TWkChart::paintEvent(QPaintEvent* event) {
    if (FOptions.AutoUpdateGraph && !FAutoPlotDone) {
        FAutoPlotDone = true;
        guarded([this] { plotGraph(false); });
    }
    TCanvas canvas(this);
    if (FBitmap.isNull()) {
        canvas.Brush = TBrush{FOptions.PaperColor(), bsSolid};
        canvas.FillRect(Rect(0, 0, width(), height()));
    }
    if (FBitmap.size() == size()) {
        // Only the damaged part: a live chart repaints a few columns many times a second.
        const QRect damaged = event->rect();
        canvas.Painter().drawImage(damaged.topLeft(), FBitmap, damaged);
    } else {
        canvas.StretchDraw(Rect(0, 0, width(), height()), FBitmap);
    }
    paintFloatingMarkers(canvas);
    paintCursor(canvas);
    if (FMouseLegend)
        paintHintBox(canvas);
    if (OnChartPaint)
        guarded([&] { OnChartPaint(this, canvas); });
}

void TWkChart::paintCursor(TCanvas& canvas) {
    if (FCursorPosition < 0 || FCursorPosition > FOptions.XValueCount)
        return;
    const int x = CursorColumn(FOptions, FCursorPosition);
    canvas.Pen = TPen{FOptions.CursorColor, FOptions.CursorStyle, 1};
    canvas.MoveTo(x, FOptions.YStartOffset);
    canvas.LineTo(x, FFrame.XAxisRow - 1);
}

void TWkChart::paintFloatingMarkers(TCanvas& canvas) {
    const int count = std::max(2, FOptions.XValueCount);
    const TWkChartYAxisOptions& axis = FOptions.PrimaryYAxis();
    const auto inRange = [&](const TWkChartFloatingMarker& m) {
        return m.Visible && m.XPosition() >= 0 && m.XPosition() < count;
    };
    for (const auto& m : FFloatingMarkers) {
        if (!inRange(*m) || m->Dragging)
            continue;
        m->RawY = axis.YGap > 0 ? TruncToInt(FFrame.YOrigin - (m->YPosition() - axis.YMin()) /
                                                                  axis.YGap * axis.YPixelGap)
                                : RoundHalfEven(FFrame.YOrigin);
        m->RawX = RoundHalfEven(LineStep(FOptions, count) * m->XPosition() + FFrame.XOrigin);
    }
    for (const auto& m : FFloatingMarkers) {
        if (!inRange(*m))
            continue;
        canvas.Pen = TPen{m->LineColor, m->LineStyle, m->LineWidth};
        if (TWkChartFloatingMarker* target = FloatingMarker(m->LineToMarker)) {
            canvas.MoveTo(m->RawX, m->RawY);
            canvas.LineTo(target->RawX, target->RawY);
        } else if (m->LineVertical) {
            canvas.MoveTo(m->RawX, FOptions.YStartOffset);
            canvas.LineTo(m->RawX, FFrame.XAxisRow - 1);
        }
        drawMarkerShape(canvas, m->Marker, m->RawX, m->RawY, m->MarkerColor);
        if (m->Caption.isEmpty())
            continue;
        canvas.Font = FOptions.LegendFont;
        canvas.Font.Color = m->CaptionColor;
        const TSize extent = canvas.TextExtent(m->Caption);
        int y = m->RawY - RoundHalfEven(1.4 * extent.cy);
        if (m->CaptionPosition == cpXAxisBottom)
            y = FFrame.XAxisRow + 2;
        else if (m->CaptionPosition == cpXAxisTop)
            y = TruncToInt(FFrame.YOrigin - RoundHalfEven(1.4 * extent.cy));
        else if (m->CaptionPosition == cpTitleArea)
            y = (FOptions.YStartOffset - extent.cy) / 2;
        const int x = m->RawX - extent.cx / 2;
        canvas.Brush.Style = bsClear;
        canvas.TextOut(x, y, m->Caption);
        if (m->CaptionBoxed) {
            canvas.Pen = TPen{m->LineColor, psSolid, 1};
            canvas.Rectangle(x - 2, y - 1, x + extent.cx + 2, y + extent.cy + 1);
        }
        canvas.Brush.Style = bsSolid;
    }
}
