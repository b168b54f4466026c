#include "gui/results/resultsplots.h"

#include "gui/uitext.h"
#include "gui/wholefile.h"

#include <QBuffer>
#include <QCursor>
#include <QGraphicsScene>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QSvgGenerator>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace velmora {

namespace {

// The size a plot is drawn at in files and on paper, whatever its size on screen.
const QSize ExportSize(1000, 640);

QPen CurvePen(int mode)
{
    QPen pen(ModeColor(mode));
    pen.setWidthF(2);
    pen.setStyle(ModeLineStyle(mode));
    return pen;
}

// What one series of a plot shows; the plot's series are made from a list of these.
struct SeriesData
{
    QString name;
    QPen pen;
    QList<QPointF> points;
    const char *role = nullptr; // "mode", "criticalSpan" or "permissible"
    QVariant value; // of the role's property
    QString label; // a critical-span marker's name, drawn at its second point
};

const char *const Roles[] = {"mode", "criticalSpan", "permissible"};

// A mode's curve, named by its number and conditions ("7: Maximum temperature", "12: -10 °C")
// so that the legend tells the modes apart without the table.
SeriesData ModeCurve(const CalcResults &results, const ModeResults &mode, Quantity quantity,
                     const UnitFactors &factors)
{
    SeriesData data;
    data.name = ModeLegendName(mode.mode, mode.conditions);
    data.pen = CurvePen(mode.mode);
    data.role = "mode";
    data.value = mode.mode;
    // One point per governed span of the range (entry 0, l2, is shown by its marker).
    data.points.reserve(static_cast<qsizetype>(results.spans.size()));
    for (std::size_t i = 1; i < results.spans.size(); ++i) {
        if (results.state[i] != NoState)
            data.points.append({results.spans[i], ShownValue(mode, quantity, i, factors)});
    }
    return data;
}

struct Range
{
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    void Take(double value)
    {
        low = std::min(low, value);
        high = std::max(high, value);
    }
};

// The chart's axis on one side, made the first time and kept: Qt Charts 6.4 leaves the drawing
// of a removed axis in the scene, so the axes are never replaced.
QValueAxis *AxisAt(QChart &chart, Qt::Alignment side)
{
    const QList<QAbstractAxis *> axes
        = chart.axes(side == Qt::AlignBottom ? Qt::Horizontal : Qt::Vertical);
    if (!axes.isEmpty())
        return static_cast<QValueAxis *>(axes.first());
    auto *axis = new QValueAxis;
    axis->setLabelFormat(QStringLiteral("%g"));
    // Small enough that "100" stays whole between the ticks of a narrow plot.
    QFont font = axis->labelsFont();
    font.setPointSizeF(8);
    axis->setLabelsFont(font);
    chart.addAxis(axis, side);
    return axis;
}

void SetAxis(QValueAxis *axis, const QString &title, Range range)
{
    if (range.low > range.high)
        range = {0, 1};
    if (range.high - range.low < 1E-9)
        range.high = range.low + 1;
    // Every change of an axis's range redraws every series of the chart: the nice range is
    // found on an axis of no chart, and set once, only when it differs.
    QValueAxis nice;
    nice.setRange(range.low, range.high);
    nice.applyNiceNumbers();
    if (axis->min() != nice.min() || axis->max() != nice.max())
        axis->setRange(nice.min(), nice.max());
    axis->setTickCount(nice.tickCount());
    axis->setTitleText(title);
}

// The series of allSeries on the chart, in their order. Series already on the chart are given the
// new points rather than replaced: making and attaching a series costs far more than its points.
void ApplySeries(QChart &chart, QValueAxis *x, QValueAxis *y, const QList<SeriesData> &allSeries)
{
    QList<QAbstractSeries *> existing = chart.series();
    // A series whose label is to change is made anew with those after it (the order stays):
    // a reused one went on drawing its old label until the plot was shown again.
    qsizetype kept = std::min(existing.size(), allSeries.size());
    for (qsizetype i = 0; i < kept; ++i) {
        if (static_cast<QLineSeries *>(existing[i])->pointLabelsFormat() != allSeries[i].label) {
            kept = i;
            break;
        }
    }
    for (qsizetype i = kept; i < existing.size(); ++i) {
        chart.removeSeries(existing[i]);
        existing[i]->deleteLater();
    }
    existing.resize(kept);
    for (qsizetype i = 0; i < allSeries.size(); ++i) {
        const SeriesData &data = allSeries[i];
        const bool reused = i < existing.size();
        auto *series = reused ? static_cast<QLineSeries *>(existing[i]) : new QLineSeries;
        for (const char *role : Roles)
            series->setProperty(role, role == data.role ? data.value : QVariant());
        series->setName(data.name);
        series->setPen(data.pen);
        series->replace(data.points);
        series->clearPointsConfiguration();
        series->setPointLabelsFormat(data.label);
        series->setPointLabelsClipping(false);
        if (!data.label.isEmpty())
            series->setPointConfiguration(data.points.size() - 1,
                                          QXYSeries::PointConfiguration::LabelVisibility, true);
        if (!reused) {
            chart.addSeries(series);
            series->attachAxis(x);
            series->attachAxis(y);
        }
    }
}

// A critical-span marker rises from the bottom of the value axis to its name, which stands above
// every curve: the value axis is given headroom over the curves for the names. Markers close
// together stand at two heights, so that one's name never crosses the other's line.
constexpr double CurvesShare = 0.76; // of the value axis, the most the curves reach to
constexpr double MarkerTops[] = {0.82, 0.9}; // of the value axis, where the names stand
constexpr double CloseMarkers = 0.12; // of the span axis: nearer than this, the heights alternate

// Puts the curves and lines on the chart over axes that cover them, and the critical-span
// markers under their names.
void Finish(QChart &chart, const CalcResults &results, QList<SeriesData> allSeries,
            const QString &valueTitle, Range values)
{
    Range spans;
    spans.Take(results.spans.size() > 1 ? results.spans[1] : 0);
    spans.Take(results.spans.empty() ? 1 : results.spans.back());
    values.Take(0);
    const struct
    {
        const char *name;
        std::optional<double> span;
    } critical[] = {{"l1", results.l1}, {"l2", results.l2}, {"l3", results.l3}};
    const std::vector<double> inRange = results.CriticalSpansInRange();
    std::vector<std::pair<double, const char *>> markers;
    for (const auto &c : critical) {
        if (c.span && std::find(inRange.begin(), inRange.end(), *c.span) != inRange.end())
            markers.emplace_back(*c.span, c.name);
    }
    if (!markers.empty() && values.high > values.low)
        values.Take(values.low + (values.high - values.low) / CurvesShare);

    QValueAxis *x = AxisAt(chart, Qt::AlignBottom);
    QValueAxis *y = AxisAt(chart, Qt::AlignLeft);
    SetAxis(x, UiText("Res_span_m"), spans);
    SetAxis(y, valueTitle, values);

    QPen pen(QColor(90, 90, 90));
    pen.setStyle(Qt::DashDotLine);
    pen.setWidthF(1.2);
    // The heights are dealt out from the left; the markers keep the order l1, l2, l3.
    std::vector<std::size_t> fromLeft(markers.size());
    for (std::size_t i = 0; i < fromLeft.size(); ++i)
        fromLeft[i] = i;
    std::sort(fromLeft.begin(), fromLeft.end(),
              [&markers](std::size_t a, std::size_t b) { return markers[a] < markers[b]; });
    std::vector<int> levels(markers.size(), 0);
    for (std::size_t k = 1; k < fromLeft.size(); ++k) {
        const double gap = markers[fromLeft[k]].first - markers[fromLeft[k - 1]].first;
        if (gap < CloseMarkers * (x->max() - x->min()))
            levels[fromLeft[k]] = 1 - levels[fromLeft[k - 1]];
    }
    for (std::size_t i = 0; i < markers.size(); ++i) {
        const auto [span, name] = markers[i];
        const int level = levels[i];
        SeriesData data;
        data.name = QStringLiteral("%1 = %2 %3")
                        .arg(QLatin1String(name), ShortNumber(span, 4), UiText("meter"));
        data.pen = pen;
        const double top = y->min() + MarkerTops[level] * (y->max() - y->min());
        data.points = {{span, y->min()}, {span, top}};
        data.role = "criticalSpan";
        data.value = span;
        data.label = QLatin1String(name);
        allSeries.append(data);
    }
    ApplySeries(chart, x, y, allSeries);
}

// An empty chart with its title and the legend beside the plot: there may be 22 names, which a
// legend below would cut. On screen the legend is the view's own (PlotLegend) beside the chart.
void PrepareChart(QChart &chart, const QString &title)
{
    chart.setTitle(title);
    QLegend *legend = chart.legend();
    legend->setVisible(false);
    legend->setAlignment(Qt::AlignRight);
    legend->setMarkerShape(QLegend::MarkerShapeFromSeries);
    QFont font = legend->font();
    font.setPointSizeF(8);
    legend->setFont(font);
    chart.setMargins(QMargins(4, 4, 4, 4));
}

} // namespace

Qt::PenStyle ModeLineStyle(int mode)
{
    // Colours that come near each other (the blues of modes 1, 15 and 16, the reds of 2, 10
    // and 12) differ in their lines.
    static const Qt::PenStyle styles[]
        = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
    return styles[(std::clamp(mode, 1, 17) - 1) % 4];
}

QString ModeLegendName(int mode, const DesignMode &conditions)
{
    const QString name = mode >= 10 ? ShortNumber(conditions.temperature) + QStringLiteral(" °C")
                                    : ModeDescription(mode, conditions);
    return QString::number(mode) + QStringLiteral(": ") + name;
}

QColor ModeColor(int mode)
{
    static const QColor colors[] = {
        QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
        QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b), QColor(0x17, 0xbe, 0xcf),
        QColor(0xff, 0x7f, 0x0e), QColor(0x7f, 0x7f, 0x7f), QColor(0xbc, 0xbd, 0x22),
        QColor(0xa5, 0x00, 0x26), QColor(0xe3, 0x77, 0xc2), QColor(0xf4, 0x6d, 0x43),
        QColor(0xc7, 0x9a, 0x2e), QColor(0x66, 0xa6, 0x1e), QColor(0x74, 0xad, 0xd1),
        QColor(0x45, 0x75, 0xb4), QColor(0x31, 0x36, 0x95),
    };
    return colors[std::clamp(mode, 1, 17) - 1];
}

void ShowSagPlot(QChart &chart, const CalcResults &results, const std::vector<int> &modes,
                 const ShownUnits &units)
{
    PrepareChart(chart, UiText("Res_sag_plot"));
    QList<SeriesData> curves;
    Range values;
    for (int number : modes) {
        const ModeResults *mode = results.Mode(number);
        if (!mode)
            continue;
        curves.append(ModeCurve(results, *mode, Quantity::Sag, units.factors));
        for (const QPointF &p : std::as_const(curves.back().points))
            values.Take(p.y());
    }
    Finish(chart, results, curves, UiText("Res_sag_axis"), values);
}

void ShowStressPlot(QChart &chart, const CalcResults &results, const ShownUnits &units)
{
    PrepareChart(chart, UiText("Res_stress_plot"));
    QList<SeriesData> curves;
    Range values;
    for (const ModeResults &mode : results.taken) {
        curves.append(ModeCurve(results, mode, Quantity::Stress, units.factors));
        for (const QPointF &p : std::as_const(curves.back().points))
            values.Take(p.y());
    }
    if (results.spans.size() < 2) {
        Finish(chart, results, curves, UiText("Res_stress_axis").arg(units.stress), values);
        return;
    }
    const double first = results.spans[1];
    const double last = results.spans.back();
    const struct
    {
        const char *key;
        const char *tag;
        double value;
        QColor color;
    } lines[] = {
        {nullptr, "max", units.factors.stress * results.sigmaMax, QColor(200, 0, 0)},
        {"Res_sigma_avg", "avg", units.factors.stress * results.sigmaAvg, QColor(230, 140, 0)},
    };
    for (const auto &line : lines) {
        QPen pen(line.color);
        pen.setStyle(Qt::DashLine);
        pen.setWidthF(1.5);
        SeriesData data;
        data.name = (line.key ? UiText(line.key) : QStringLiteral("σmax")) + QStringLiteral(" = ")
            + ShortNumber(line.value, 5) + QLatin1Char(' ') + units.stress;
        data.pen = pen;
        data.points = {{first, line.value}, {last, line.value}};
        data.role = "permissible";
        data.value = QString::fromLatin1(line.tag);
        values.Take(line.value);
        curves.append(data);
    }
    Finish(chart, results, curves, UiText("Res_stress_axis").arg(units.stress), values);
}

QString HoverText(const QXYSeries &series, QPointF at, const QString &unit)
{
    const QVariant mode = series.property("mode");
    if (!mode.isValid() || series.count() == 0)
        return {};
    const QList<QPointF> points = series.points();
    const auto nearest
        = std::min_element(points.begin(), points.end(), [at](const QPointF &a, const QPointF &b) {
              return std::abs(a.x() - at.x()) < std::abs(b.x() - at.x());
          });
    return UiText("Res_hover")
        .arg(ShortNumber(nearest->x()), mode.toString(), ShortNumber(nearest->y(), 5), unit);
}

ResultsChartView::ResultsChartView(QWidget *parent)
    : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    // With the legend beside it, the plot must leave the pane as narrow as a laptop's screen
    // allows beside the fields.
    setMinimumSize(220, 260);
}

void ResultsChartView::WatchHover()
{
    for (QAbstractSeries *abstract : chart()->series()) {
        auto *series = qobject_cast<QXYSeries *>(abstract);
        if (!series || !series->property("mode").isValid())
            continue;
        // Series are reused from one drawing to the next: one connection each.
        disconnect(series, &QXYSeries::hovered, this, nullptr);
        connect(series, &QXYSeries::hovered, this, [this, series](QPointF at, bool entered) {
            if (entered)
                QToolTip::showText(QCursor::pos(), HoverText(*series, at, m_unit), this);
            else
                QToolTip::hideText();
        });
    }
}

void RenderPlot(QChartView &view, QPainter &painter, const QRectF &target)
{
    // The chart is drawn from the scene at the export size and given its own size back before
    // anything is painted on screen.
    QChart *chart = view.chart();
    const QSizeF onScreen = chart->size();
    chart->legend()->setVisible(true);
    chart->resize(ExportSize);
    view.scene()->render(&painter, target, QRectF(chart->pos(), QSizeF(ExportSize)),
                         Qt::KeepAspectRatio);
    chart->legend()->setVisible(false);
    chart->resize(onScreen);
}

bool SaveChartPng(QChartView &view, const QString &path, QString *error)
{
    QImage image(ExportSize, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        RenderPlot(view, painter, QRectF(QPointF(0, 0), QSizeF(ExportSize)));
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        if (error)
            *error = buffer.errorString();
        return false;
    }
    return WriteWholeFile(path, buffer.data(), error);
}

bool SaveChartSvg(QChartView &view, const QString &path, QString *error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(ExportSize);
        svg.setViewBox(QRect(QPoint(0, 0), ExportSize));
        svg.setTitle(view.chart()->title());
        QPainter painter(&svg);
        RenderPlot(view, painter, QRectF(QPointF(0, 0), QSizeF(ExportSize)));
    }
    return WriteWholeFile(path, buffer.data(), error);
}

} // namespace velmora
