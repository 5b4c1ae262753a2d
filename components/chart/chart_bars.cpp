#include "components/chart/chart_bars.h"

#include <QWidget>

void TWkChartGradientBar::SetVisible(bool visible) {
    if (visible == FVisible)
        return;
    FVisible = visible;
    if (FChart)
        FChart->update();
}

void TWkChartGradientBar::SetColor(TColor color) {
    if (color == FColor)
        return;
    FColor = color;
    if (FChart)
        FChart->update();
}

void TWkChartFloatingMarker::SetXPosition(int position) {
    if (position == FXPosition)
        return;
    FXPosition = position;
    if (Visible && FChart)
        FChart->update();
}

void TWkChartFloatingMarker::SetYPosition(double position) {
    if (position == FYPosition)
        return;
    FYPosition = position;
    if (Visible && FChart)
        FChart->update();
}

void TWkChartFloatingMarker::Assign(const TWkChartFloatingMarker& s) {
    Tag = s.Tag;
    Marker = s.Marker;
    MarkerColor = s.MarkerColor;
    XDraggable = s.XDraggable;
    YDraggable = s.YDraggable;
    XDragMin = s.XDragMin;
    XDragMax = s.XDragMax;
    LineToMarker = s.LineToMarker;
    LineVertical = s.LineVertical;
    LineStyle = s.LineStyle;
    LineColor = s.LineColor;
    LineWidth = s.LineWidth;
    Caption = s.Caption;
    CaptionColor = s.CaptionColor;
    CaptionPosition = s.CaptionPosition;
    CaptionBoxed = s.CaptionBoxed;
    SetXPosition(s.FXPosition);
    SetYPosition(s.FYPosition);
    Visible = s.Visible;
}
