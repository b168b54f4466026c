#pragma once

#include "gui/results/resultsformat.h"

#include <QChartView>
#include <QColor>
#include <QString>

class QPainter;

#include <vector>

class QXYSeries;

namespace velmora {

// The plots of the results pane, drawn with Qt Charts. Each series carries what it shows as
// properties, for the hover text and the tests:
//   "mode"         int, 1..17: a mode's curve, one point per span of the range (spans that
//                  no initial state governs are left out);
//   "criticalSpan" double: the vertical marker at a real critical span inside the range;
//   "permissible"  "max" or "avg": the horizontal line of σmax or σavg (stress plot only).

// The colour of a mode's curve, the same in every plot.
// The line style of a mode's curve: with its colour, each of the 17 modes looks different.
Qt::PenStyle ModeLineStyle(int mode);
// A mode's name in a plot's legend: "7: Maximum temperature", "12: -10 °C".
QString ModeLegendName(int mode, const DesignMode &conditions);
QColor ModeColor(int mode);

// Fills chart with the sag against the span of each mode of `modes` that was taken, the
// critical-span markers and axes titled with their units. An empty chart for results
// that hold no spans.
void ShowSagPlot(QChart &chart, const CalcResults &results, const std::vector<int> &modes,
                 const ShownUnits &units);

// Fills chart with the stress against the span of every taken mode, σmax and σavg as
// horizontal lines, the critical-span markers and axes titled with their units.
void ShowStressPlot(QChart &chart, const CalcResults &results, const ShownUnits &units);

// What hovering at `at` over a mode's curve tells: the nearest span of the curve, the mode
// and its value with unit ("Span 50 m, mode 7: 1.234 m"). Empty for another series.
QString HoverText(const QXYSeries &series, QPointF at, const QString &unit);

// A view that shows the hover text of its curves as a tooltip.
class ResultsChartView : public QChartView
{
    Q_OBJECT

public:
    explicit ResultsChartView(QWidget *parent = nullptr);

    // The unit the hover text gives values in.
    void SetValueUnit(const QString &unit) { m_unit = unit; }
    // Connects the hover of every series of the chart (after the chart was filled).
    void WatchHover();

private:
    QString m_unit;
};

// Draws the view's plot into target of painter as it looks at 1000 × 640, whatever its size on
// screen (a plot whose tab was never opened has none); the screen shows nothing of it.
void RenderPlot(QChartView &view, QPainter &painter, const QRectF &target);

// Saves the plot as PNG or SVG through a temporary file that replaces path. False with the
// system's reason in *error when the file cannot be written.
bool SaveChartPng(QChartView &view, const QString &path, QString *error);
bool SaveChartSvg(QChartView &view, const QString &path, QString *error);

} // namespace velmora
