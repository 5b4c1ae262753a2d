#pragma once
// Shaded bars behind the plot and floating markers on top of it. They belong to a chart and
// ask it to repaint when a setting that shows changes.

#include "components/chart/chart_types.h"
#include "platform/ui/graphics_objects.h"

#include <QString>

class QWidget;

class TWkChartGradientBar {
public:
    TWkChartGradientBar(QWidget* chart, int index) : FChart(chart), Index(index) {}
    virtual ~TWkChartGradientBar() = default;

    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);
    TColor Color() const { return FColor; }
    void SetColor(TColor color);

    TWkChartGradientDirection GradDirection = grNone;
    TColor GradColor = 0xFFFFFF;
    TPenStyle PenStyle = psClear;
    TColor PenColor = clNone;

private:
    QWidget* FChart;
    bool FVisible = false;
    TColor FColor = 0xFFFFFF;

public:
    int Index; // place in the chart's list
};

// A band between two values of the primary Y axis.
class TWkChartHorizontalBar : public TWkChartGradientBar {
public:
    using TWkChartGradientBar::TWkChartGradientBar;
    double YTop = 0;
    double YBottom = 0;
};

// A band between two value indexes.
class TWkChartVerticalBar : public TWkChartGradientBar {
public:
    using TWkChartGradientBar::TWkChartGradientBar;
    int XLeft = 0;
    int XRight = 0;
};

class TWkChartFloatingMarker {
public:
    TWkChartFloatingMarker(QWidget* chart, int index) : Index(index), FChart(chart) {}

    int XPosition() const { return FXPosition; }
    void SetXPosition(int position);
    double YPosition() const { return FYPosition; }
    void SetYPosition(double position);
    // Copies every setting; the positions through their setters and Visible last.
    void Assign(const TWkChartFloatingMarker& source);

    bool Visible = false;
    int Index;
    int Tag = 0;
    TWkChartPenMarkerKind Marker = pmkDiamond;
    TColor MarkerColor = 0x0000FF;
    bool XDraggable = false;
    bool YDraggable = false;
    int XDragMin = -1;
    int XDragMax = -1;
    int LineToMarker = -1; // index of the marker a line goes to, -1 for none
    bool LineVertical = false;
    TPenStyle LineStyle = psDot;
    TColor LineColor = 0xFF0000;
    int LineWidth = 1;
    QString Caption;
    TColor CaptionColor = 0;
    TWkChartCaptionPosition CaptionPosition = cpMarker;
    bool CaptionBoxed = false;

    // Where the marker was last drawn, or where it is while dragged.
    int RawX = -1;
    int RawY = -1;
    bool Dragging = false;

private:
    QWidget* FChart;
    int FXPosition = 0;
    double FYPosition = 0;
};
