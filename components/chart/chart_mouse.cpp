// Mouse handling of TWkChart: floating-marker dragging, the scale and header dialogs, region
// events, the legend-width drag and the value hint box.

#include "components/chart/chart.h"
#include "components/util/text_to_float.h"
#include "platform/ui/ui_host.h"

#include <QDateTime>
#include <QLocale>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace {

// Date-times count days since 30 December 1899.
QDateTime fromDateTimeValue(double value) {
    const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
    return epoch.addMSecs(static_cast<qint64>(std::llround(value * 86400000.0)));
}

// Numbers read the same on every desktop: plain digits and a point, which the scale dialog's
// reading takes in any locale as well.

constexpr int HintPrecision = 7;
constexpr int HintDecimals = 3;

// A value in fixed notation with three decimals, rounded to seven significant digits (the
// decimals beyond them show as zeros); scientific once it has more than seven digits before the
// point.
QString fixedValueText(double value) {
    // The exponent after rounding to seven digits: 9999999.7 has eight digits then.
    const QString scientific = QString::number(value, 'E', HintPrecision - 1);
    const int integerDigits = scientific.mid(scientific.indexOf(QLatin1Char('E')) + 1).toInt() + 1;
    if (integerDigits > HintPrecision)
        return scientific;
    const int decimals = std::clamp(HintPrecision - integerDigits, 0, HintDecimals);
    QString text = QString::number(value, 'f', decimals);
    if (decimals == 0)
        text += QLatin1Char('.');
    return text + QString(HintDecimals - decimals, QLatin1Char('0'));
}

QString numberText(double value) {
    return QString::number(value, 'g', 15);
}

} // namespace

void TWkChart::mousePressEvent(QMouseEvent* event) {
    TWkExGraphicControl::mousePressEvent(event);
    if (startsAutomaticDrag(*event))
        return;
    guarded([&] { mousePress(event); });
}

void TWkChart::mousePress(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    const int y = event->position().toPoint().y();
    if (FOptions.MouseDragObjects && !FDragFloatingMarker && pickFloatingMarker(x, y))
        return;
    if (FOptions.MouseEdit && handleEditRegions(x, y))
        return;
    if (fireRegionEvents(x, y))
        return;
    if (!FOptions.MouseInfo)
        return;
    FStartDrag = false;
    FMouseDownX = x;
    FMouseDownY = y;
    const bool inValues = FOptions.YStartOffset < y && y < FOptions.YStartOffset + FOptions.YEnd &&
                          FOptions.XStartOffset < x &&
                          x < FOptions.XStartOffset + FOptions.XEnd + 10;
    if (!inValues)
        return;
    if (x > FOptions.XStartOffset + FOptions.XEnd - 5) {
        FStartDrag = true;
        setCursor(Qt::SizeHorCursor);
        return;
    }
    if (FOptions.ChartKind == ckChartPieChart || FOptions.ChartKind == ckChartDeltaAverage)
        return;
    showValueHint(event->button(), event->modifiers(), x, y);
}

bool TWkChart::pickFloatingMarker(int x, int y) {
    const int reach = 2 * FOptions.MarkerSize;
    for (const auto& m : FFloatingMarkers) {
        if (!m->Visible || !(m->XDraggable || m->YDraggable))
            continue;
        if (std::abs(x - m->RawX) >= reach)
            continue;
        if (m->Marker != pmkNone && std::abs(y - m->RawY) >= reach)
            continue;
        FDragFloatingMarker = m.get();
        m->Dragging = true;
        if (OnBeginFloatingMarkerDrag)
            OnBeginFloatingMarkerDrag(this, m.get());
        return true;
    }
    return false;
}

bool TWkChart::handleEditRegions(int x, int y) {
    if (x < FOptions.XStartOffset) {
        editYScale();
        return true;
    }
    if (y < FOptions.YStartOffset && !OnTitleClick) {
        editTitle();
        return true;
    }
    if (y > FOptions.YStartOffset + FOptions.YEnd && !OnXAxisClick) {
        editXAxisHeader();
        return true;
    }
    return false;
}

bool TWkChart::fireRegionEvents(int x, int y) {
    if (x >= FOptions.XStartOffset) {
        if (y < FOptions.YStartOffset && OnTitleClick)
            OnTitleClick(this);
    } else if (OnYAxisClick) {
        OnYAxisClick(this);
        return true;
    }
    if (OnXAxisClick && y > FOptions.YEnd && x > FOptions.XStartOffset) {
        OnXAxisClick(this);
        return true;
    }
    if (OnAltYAxisClick && y < FOptions.YEnd && x > FOptions.XEnd)
        OnAltYAxisClick(this);
    return false;
}

int TWkChart::valueIndexAt(int x) const {
    const int pens = std::max(1, FOptions.PenCount());
    // Beside the first or the last bar the nearest bar is meant, as with the line kind.
    const auto plotted = [this](int index) {
        return std::clamp(index, 0, std::max(0, FFrame.XValueCount - 1));
    };
    switch (FOptions.ChartKind) {
    case ckChartBar:
    case ckChartBarAverage: {
        const int slotCount = pens * FFrame.XValueCount;
        if (slotCount <= 0)
            return 0;
        const double w = (FOptions.XEnd - FOptions.XStartOffset - 1.0) / slotCount;
        if (w <= 0.001)
            return 0;
        return plotted(static_cast<int>(std::floor((x - FFrame.XOrigin) / w)) / pens);
    }
    case ckChartStackedBar:
    case ckChartStackedBarAverage:
        if (FFrame.XPixelGap <= 0.001)
            return 0;
        return plotted(static_cast<int>(
            std::floor((x - FFrame.XOrigin - FFrame.XPixelGap / 2) / FFrame.XPixelGap)));
    default:
        return MouseToXValue(FOptions, FFrame, x, FData.ValueCount());
    }
}

int TWkChart::penIndexAt(int x, int valueIndex) const {
    const int pens = std::max(1, FOptions.PenCount());
    switch (FOptions.ChartKind) {
    case ckChartBar:
    case ckChartBarAverage: {
        const int slotCount = pens * FFrame.XValueCount;
        const double w =
            slotCount > 0 ? (FOptions.XEnd - FOptions.XStartOffset - 1.0) / slotCount : 0;
        if (w <= 0.001)
            return 0;
        const int slot = static_cast<int>(std::floor((x - FFrame.XOrigin) / w));
        return std::clamp(slot - valueIndex * pens, 0, pens - 1);
    }
    case ckChartNone:
    case ckChartMarkers:
        return FMousePen;
    default:
        return 0;
    }
}

void TWkChart::showValueHint(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    FMouseValue = valueIndexAt(x);
    FMousePen = penIndexAt(x, FMouseValue);
    if (FMouseValue < 0 || FMouseValue > FOptions.XValueCount)
        FMouseValue = 0;
    if (OnChartClick) {
        FMouseDownShowHint = false;
        FMouseDownHintBold = false;
        FMouseDownHintStrs.clear();
        if (x <= FOptions.XEnd)
            OnChartClick(this, button, shift, x, y, FMouseValue, FMousePen, FMouseDownShowHint,
                         FMouseDownHintBold, FMouseDownHintStrs);
    } else if (button != Qt::LeftButton) {
        FMouseDownShowHint = false;
    } else {
        FMouseDownShowHint = true;
        FMouseDownHintBold = true;
        AutoHint();
    }
    if (FMouseDownShowHint) {
        FMouseLegend = true;
        update();
    }
}

void TWkChart::AutoHint() {
    FMouseDownHintStrs.clear();
    if (FOptions.XAxisDateTimeMode) {
        const QDateTime stamp = fromDateTimeValue(FData.Timestamp(FMouseValue));
        FMouseDownHintStrs << (FOptions.DateTimeFormat.isEmpty()
                                   ? QLocale().toString(stamp, QLocale::ShortFormat)
                                   : stamp.toString(FOptions.DateTimeFormat));
    } else if (FMouseValue >= 0 && FMouseValue < FOptions.XLegends.size()) {
        FMouseDownHintStrs << FOptions.XLegends[FMouseValue];
    }
    for (int i = 0; i < FOptions.PenCount() && i < FOptions.PenLegends.size(); ++i) {
        const QString& legend = FOptions.PenLegends[i];
        const double value = FData.Value(i, FMouseValue);
        QString line = legend.isEmpty() ? QString::number(i + 1) : legend;
        line += QStringLiteral(" : ");
        line += std::isnan(value) ? QStringLiteral(" n/a ") : fixedValueText(value);
        if (i < FOptions.PenUnit.size())
            line += QStringLiteral(" ") + FOptions.PenUnit[i];
        FMouseDownHintStrs << line;
    }
}

void TWkChart::paintHintBox(TCanvas& canvas) {
    canvas.Font = Font;
    canvas.Pen = TPen{clBlack, psSolid, 1};
    int w = 100;
    int h = 8;
    for (const QString& line : FMouseDownHintStrs) {
        const TSize extent = canvas.TextExtent(line);
        w = std::max(w, extent.cx);
        h = std::max(h, extent.cy);
    }
    h = RoundHalfEven(h * 1.07) + 1;
    int x = FMouseDownX;
    int y = FMouseDownY;
    if (FMouseDownHintStrs.isEmpty()) {
        const QString text = QStringLiteral("No values here!");
        w = std::max(w, canvas.TextWidth(text));
        canvas.Brush = TBrush{FOptions.HintColor, bsSolid};
        canvas.Rectangle(x + 3, y + 3, x + w + 8, y + h + 3);
        canvas.Brush = TBrush{FOptions.PaperColor(), bsSolid};
        canvas.Rectangle(x, y, x + w + 5, y + h);
        canvas.Brush = TBrush{FOptions.HintColor, bsSolid};
        canvas.TextOut(x + 2, y + 1, text);
        return;
    }
    w += 25;
    const int a = h * static_cast<int>(FMouseDownHintStrs.size()) + 8;
    if (y + a > height())
        y = height() - a;
    if (x + w > width())
        x = width() - w;
    canvas.Brush = TBrush{FOptions.PaperColor(), bsSolid};
    canvas.Rectangle(x + 3, y + 3, x + w + 3, y + a + 3);
    canvas.Brush = TBrush{FOptions.HintColor, bsSolid};
    canvas.Rectangle(x, y, x + w, y + a);
    for (int i = 0; i < FMouseDownHintStrs.size(); ++i) {
        canvas.Font = Font;
        if (i == 0 && FMouseDownHintBold)
            canvas.Font.Style |= fsBold;
        canvas.TextOut(x + 2, y + i * h + 4 + 1, FMouseDownHintStrs[i]);
    }
}

void TWkChart::editYScale() {
    TWkChartYAxisOptions& axis = FOptions.PrimaryYAxis();
    const QString current = numberText(axis.YMax());
    QString text = current;
    if (!uiHost().inputQuery(QStringLiteral("Graph Scale"),
                             QStringLiteral("Y Axis Scale: %1").arg(current), text))
        return;
    axis.SetYMax(TextToFloatDef(text, ' ', axis.YMax()));
    if (OnYAxisClick)
        OnYAxisClick(this);
    PlotGraph();
}

void TWkChart::editTitle() {
    QString text = FOptions.Title;
    if (uiHost().inputQuery(QStringLiteral("Graph Header"),
                            QStringLiteral("Current Header: %1").arg(FOptions.Title), text))
        FOptions.Title = text;
    PlotGraph();
}

void TWkChart::editXAxisHeader() {
    QString text = FOptions.XAxisHeader;
    if (uiHost().inputQuery(QStringLiteral("Graph Header"),
                            QStringLiteral("X Axis Header: %1").arg(FOptions.XAxisHeader), text))
        FOptions.XAxisHeader = text;
    PlotGraph();
}

void TWkChart::mouseMoveEvent(QMouseEvent* event) {
    TWkExGraphicControl::mouseMoveEvent(event);
    if (FDrag->MouseMoved(event->globalPosition().toPoint()) || !FDragFloatingMarker)
        return;
    const int x = event->position().toPoint().x();
    int y = event->position().toPoint().y();
    if (FDragFloatingMarker->XDraggable)
        FDragFloatingMarker->RawX =
            std::clamp(x, FOptions.XStartOffset, std::max(FOptions.XStartOffset, FOptions.XEnd));
    if (FDragFloatingMarker->YDraggable) {
        y = std::min(y, FFrame.XAxisRow);
        FDragFloatingMarker->RawY = std::max(y, FOptions.YStartOffset);
    }
    update();
}

void TWkChart::mouseReleaseEvent(QMouseEvent* event) {
    unsetCursor();
    TWkExGraphicControl::mouseReleaseEvent(event);
    // A drop handler may free the chart. After a drag the release still ends a hint.
    const QPointer<TWkChart> alive(this);
    FDrag->MouseReleased(event->globalPosition().toPoint());
    if (alive.isNull())
        return;
    guarded([&] { mouseRelease(event); });
}

void TWkChart::mouseRelease(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (FOptions.MouseDragObjects && FDragFloatingMarker) {
        TWkChartFloatingMarker* marker = FDragFloatingMarker;
        marker->Dragging = false;
        // Only the directions the marker may be dragged in move it.
        if (marker->XDraggable)
            marker->SetXPosition(MouseToXValue(FOptions, FFrame, marker->RawX, FData.ValueCount()));
        if (marker->YDraggable)
            marker->SetYPosition(MouseToYValue(FOptions, FFrame, marker->RawY));
        FDragFloatingMarker = nullptr;
        if (OnEndFloatingMarkerDrag)
            OnEndFloatingMarkerDrag(this, marker);
    } else {
        if (FStartDrag) {
            FOptions.LegendWidth += FMouseDownX - x;
            FOptions.XEnd += x - FMouseDownX;
            PlotGraph();
        }
        if (FMouseLegend) {
            PlotGraph();
            FMouseLegend = false;
        }
        FStartDrag = false;
    }
    update();
}
