#pragma once
// The chart control: draws the values of its Data store into an off-screen picture on each
// PlotGraph (or only the strip of a few changed values on PlotValues), and on each paint copies
// the damaged part of that picture and adds floating markers, the cursor line and the value hint.
// Clicks beside the plot edit the scale and headers; see chart_mouse.cpp.

#include "components/base/control_drag.h"
#include "components/base/ext_control.h"
#include "components/chart/chart_bars.h"
#include "components/chart/chart_data.h"
#include "components/chart/chart_layout.h"
#include "components/chart/chart_options.h"
#include "platform/ui/canvas.h"
#include "platform/ui/screen_cursors.h"

#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QPrinter;
class TWkChart;

using TWkChartPaintEvent = std::function<void(TWkChart* sender, TCanvas& canvas)>;
// The handler fills hintStrs and says whether to show them and whether the first line is bold.
using TWkChartClickEvent =
    std::function<void(TWkChart* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x,
                       int y, int chartValueIndex, int chartPenIndex, bool& showHint,
                       bool& hintFirstLineBold, QStringList& hintStrs)>;
using TWkChartFloatingMarkerDragEvent =
    std::function<void(TWkChart* sender, TWkChartFloatingMarker* marker)>;
using TWkChartNotifyEvent = std::function<void(TWkChart* sender)>;

class TWkChart : public TWkExGraphicControl, public TWkChartOptionsOwner, public TWkDraggable {
public:
    explicit TWkChart(QWidget* parent = nullptr);
    ~TWkChart() override;

    TWkChartData& Data() { return FData; }
    TWkChartData& AverageData() { return FAverageData; }
    TWkChartOptions& Options() { return FOptions; }
    // The off-screen picture of the last plot.
    const QImage& Picture() const { return FBitmap; }
    // Pixel positions of the last plot.
    const TWkChartFrame& Frame() const { return FFrame; }

    // Font of the hint box and of the rotated Y-axis header.
    TFont Font;

    int CursorPosition() const { return FCursorPosition; }
    // Any value is stored; the paint step draws the line only within 0..XValueCount. Repaints
    // the columns the line leaves and enters.
    void SetCursorPosition(int position);

    // Redraws the off-screen picture from Data and Options and repaints.
    void PlotGraph();
    // Redraws and repaints only the strip of the picture that shows value indexes first..last,
    // for a caller that changed nothing but those values since the last plot (options that
    // notify no change, such as pen colours, are followed by Options().Changed()): the picture
    // is the one PlotGraph would draw. Plots the whole chart instead when there was no plot yet,
    // when options, size or value count changed since, and for kinds other than lines or pens
    // with markers or value labels.
    void PlotValues(int first, int last);
    // Sizes the picture to the control, lays out the plot area and plots again when due.
    void ResizeChartCanvas();
    // Clears the data and legends and returns the options to one pen and no values.
    void ResetGraphModule();
    // Swaps pens and value indexes. Throws ERangeError, changing nothing, when there are more
    // values than a chart can have pens.
    void PivotData();
    void GraphToClipboard();
    // Plots into picture, with the offsets and fonts scaled by fontScaling for the time of the
    // call, then returns to the control's own size. Throws std::runtime_error for a null
    // picture.
    void PlotPicture(QImage& picture, double fontScaling);
    // Prints the chart as one document on printer, laid out for its page. Throws
    // std::runtime_error when the printer cannot start the document.
    void PrintGraph(QPrinter& printer);
    // Plots onto a page the caller has open, laid out for graphWidth x graphHeight from the
    // page's origin (the start positions are not used).
    void AddGraphToOpenPrintCanvas(TCanvas& printCanvas, int xStartPos, int yStartPos,
                                   int graphHeight, int graphWidth);
    // True while the chart draws on a printer.
    bool PrintInSession = false;

    TWkChartHorizontalBar* AddHorizontalBar();
    TWkChartVerticalBar* AddVerticalBar();
    void ClearHorizontalBars();
    void ClearVerticalBars();
    int HorizontalBarsCount() const { return static_cast<int>(FHorizontalBars.size()); }
    int VerticalBarsCount() const { return static_cast<int>(FVerticalBars.size()); }
    TWkChartHorizontalBar* HorizontalBar(int index) const;
    TWkChartVerticalBar* VerticalBar(int index) const;

    TWkChartFloatingMarker* AddFloatingMarker();
    void DeleteFloatingMarker(int index);
    void DeleteFloatingMarkerObj(TWkChartFloatingMarker* marker);
    void CopyFloatingMarkers(const TWkChart& source);
    void ClearFloatingMarkers();
    int FloatingMarkerCount() const { return static_cast<int>(FFloatingMarkers.size()); }
    TWkChartFloatingMarker* FloatingMarker(int index) const;

    // True while a value hint is on the control.
    bool HintShown() const { return FMouseLegend; }
    const QStringList& HintLines() const { return FMouseDownHintStrs; }
    // The hint lines for value index FMouseValue.
    void AutoHint();

    // Shown at the pointer on a right click (or the menu key); null again once the menu is
    // destroyed.
    QMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }

    // Dragging: with dmAutomatic (and dkDrag) a left press starts dragging the chart to another
    // control instead of the chart's own press: no marker drag, dialog or hint. The chart takes
    // no drop.

    // A left double click; the chart then handles the second press as a press.
    TNotifyEvent OnDblClick;
    TWkChartPaintEvent OnChartPaint;
    TWkChartClickEvent OnChartClick;
    TWkChartFloatingMarkerDragEvent OnBeginFloatingMarkerDrag;
    TWkChartFloatingMarkerDragEvent OnEndFloatingMarkerDrag;
    TWkChartNotifyEvent OnYAxisClick;
    TWkChartNotifyEvent OnXAxisClick;
    TWkChartNotifyEvent OnAltYAxisClick;
    TWkChartNotifyEvent OnTitleClick;
    TWkChartNotifyEvent OnOptionsChange;

    void OptionsChanged() override;
    void RebuildYLegends() override;
    void RepaintChart() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void NotifyBoundsChanged() override;

private:
    // Value indexes whose lines a plot draws.
    struct ValueSpan {
        int first = 0;
        int last = MaxPlottedValues;
    };

    // Plot steps (chart_plot.cpp).
    void plotGraph(bool invalidate);
    // Draws into target; with a clip only the pixels within it change.
    void plotInto(QImage& target, const QRect& clip = QRect());
    void plotOn(TCanvas& canvas, int width, int height);
    // Print steps (chart_print.cpp).
    void printOn(TCanvas& canvas, int pageWidth, int pageHeight);
    // Runs a step that may throw from an event handler; the error is reported, not passed on.
    void guarded(const std::function<void()>& step);
    void plotWithValues(TCanvas& canvas);
    void plotWithoutValues(TCanvas& canvas);
    void drawFrame(TCanvas& canvas);
    void drawPaperGradient(TCanvas& canvas);
    void drawShadedBars(TCanvas& canvas);
    void drawYAxis(TCanvas& canvas);
    void drawYLegends(TCanvas& canvas);
    void drawXAxis(TCanvas& canvas);
    void drawVerticalDivisions(TCanvas& canvas);
    void drawDateTimeDivisions(TCanvas& canvas);
    void drawXLegends(TCanvas& canvas);
    void drawPenLegend(TCanvas& canvas);
    void drawTitles(TCanvas& canvas);
    void drawYAxisHeader(TCanvas& canvas);
    void plotLines(TCanvas& canvas);
    double rowOf(int pen, double value);
    // The row pen draws value index v at: one pixel up for each earlier pen on the same row, so
    // that pen stays visible; lifted tells whether it moved.
    double liftedRow(int pen, int v, double row, bool& lifted);
    // Strip plots (chart_strip.cpp).
    bool canPlotStrip() const;
    void repaintCursorLine(int position);
    // Other kinds and pen markers (chart_kinds.cpp).
    void plotKind(TCanvas& canvas);
    void plotBars(TCanvas& canvas);
    void plotStackedBars(TCanvas& canvas, bool shares);
    void plotPie(TCanvas& canvas);
    void plotDeltaAverage(TCanvas& canvas);
    void drawPenMarkers(TCanvas& canvas);
    void drawMarkerShape(TCanvas& canvas, TWkChartPenMarkerKind kind, int x, int y, TColor color);
    void computeAverages();
    // Paint step (chart.cpp).
    void paintFloatingMarkers(TCanvas& canvas);
    void dropMarkerDrag();
    void paintCursor(TCanvas& canvas);
    // Drags of the chart itself (chart_input.cpp); as a target it takes nothing.
    bool DragOver(QObject* source, int x, int y, TDragState state) override;
    void DragDrop(QObject* source, int x, int y) override;
    void DoStartDrag(QObject*& dragObject) override;
    void DoEndDrag(QObject* target, int x, int y) override;
    bool startsAutomaticDrag(const QMouseEvent& event);
    // Mouse (chart_mouse.cpp).
    void mousePress(QMouseEvent* event);
    void mouseRelease(QMouseEvent* event);
    bool pickFloatingMarker(int x, int y);
    bool handleEditRegions(int x, int y);
    bool fireRegionEvents(int x, int y);
    void showValueHint(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    int valueIndexAt(int x) const;
    int penIndexAt(int x, int valueIndex) const;
    void paintHintBox(TCanvas& canvas);
    void editYScale();
    void editTitle();
    void editXAxisHeader();

    TWkChartData FData;
    TWkChartData FAverageData;
    TWkChartOptions FOptions;
    QImage FBitmap;
    TWkChartFrame FFrame;
    std::vector<std::unique_ptr<TWkChartHorizontalBar>> FHorizontalBars;
    std::vector<std::unique_ptr<TWkChartVerticalBar>> FVerticalBars;
    std::vector<std::unique_ptr<TWkChartFloatingMarker>> FFloatingMarkers;
    int FCursorPosition = -1;
    // The picture shows Data with the options, size and value count of the last whole plot.
    bool FPictureCurrent = false;
    ValueSpan FLineValues;
    bool FAutoPlotDone = false;
    bool FPlotGraphCalled = false;
    bool FInPlotGraph = false;
    double FOldYOrigin = 0;
    double FOldYGap = 0;

    int FMouseDownX = 0;
    int FMouseDownY = 0;
    int FMouseValue = 0;
    int FMousePen = 0;
    bool FStartDrag = false;
    bool FMouseLegend = false;
    bool FMouseDownShowHint = false;
    bool FMouseDownHintBold = false;
    QStringList FMouseDownHintStrs;
    TWkChartFloatingMarker* FDragFloatingMarker = nullptr;

    QPointer<QMenu> FPopupMenu;
};
