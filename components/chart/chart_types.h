#pragma once
// Kinds, marker shapes, legend places and the range error of the chart control.

#include <stdexcept>

enum TWkChartKind {
    ckChartNone,
    ckChartLine,
    ckChartBar,
    ckChartStackedBar,
    ckChartBarAverage,
    ckChartStackedBarAverage,
    ckChartPieChart,
    ckChartMarkers,
    ckChartDeltaAverage
};

enum TWkChartPenMarkerKind { pmkNone, pmkDiamond, pmkCircle, pmkSquare, pmkCross };

enum TWkChartGradientDirection { grNone, grUp, grDown, grLeft, grRight };

enum TWkChartLegend { clChartLegendNone, clChartLegendRight, clChartLegendBelow };

enum TWkChartCaptionPosition { cpMarker, cpXAxisBottom, cpXAxisTop, cpTitleArea };

// An index or count outside what the chart can hold; the chart is unchanged when it is thrown.
class ERangeError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};
