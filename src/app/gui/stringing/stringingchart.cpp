#include "gui/stringing/stringingchart.h"

#include "gui/numberfields.h"
#include "gui/stringing/stringinggrid.h"
#include "gui/uitext.h"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>

namespace velmora {

namespace {

// More lines than this make a legend that hides the plot.
constexpr int MaxLegendSeries = 16;

QLineSeries *SagSeries(const std::vector<double> &temperatures, const std::vector<double> &sags)
{
    auto *series = new QLineSeries;
    for (std::size_t k = 0; k < temperatures.size() && k < sags.size(); ++k)
        series->append(temperatures[k], sags[k]);
    return series;
}

void FillSagChart(QChart &chart, const SectionTable &entry)
{
    const StringingTable &t = entry.table;
    if (t.temperatures.empty())
        return;

    auto *temperatureAxis = new QValueAxis;
    temperatureAxis->setTitleText(UiText("Air_temperature"));
    temperatureAxis->setRange(t.temperatures.front(), t.temperatures.back());
    temperatureAxis->applyNiceNumbers();
    temperatureAxis->setLabelFormat(QStringLiteral("%g"));
    auto *sagAxis = new QValueAxis;
    sagAxis->setTitleText(UiText("Sag_m"));
    double highest = 0;
    for (const std::vector<double> &sags : t.sags)
        highest = std::max(highest, *std::max_element(sags.begin(), sags.end()));
    highest = std::max(highest, *std::max_element(t.sagReduced.begin(), t.sagReduced.end()));
    sagAxis->setRange(0, highest > 0 ? highest * 1.05 : 1);
    sagAxis->applyNiceNumbers();
    sagAxis->setLabelFormat(QStringLiteral("%.2f"));
    chart.addAxis(temperatureAxis, Qt::AlignBottom);
    chart.addAxis(sagAxis, Qt::AlignLeft);

    auto add = [&](QLineSeries *series) {
        chart.addSeries(series);
        series->attachAxis(temperatureAxis);
        series->attachAxis(sagAxis);
    };
    for (std::size_t i = 0; i < t.sags.size(); ++i) {
        QLineSeries *series = SagSeries(t.temperatures, t.sags[i]);
        series->setName(UiText("Span_series").arg(i + 1).arg(DecimalText(entry.section.Spans[i])));
        add(series);
    }
    QLineSeries *reduced = SagSeries(t.temperatures, t.sagReduced);
    reduced->setName(UiText("Reduced_series").arg(FixedText(t.reducedSpan, 2)));
    QPen pen(Qt::black, 2, Qt::DashLine);
    reduced->setPen(pen);
    add(reduced);

    chart.legend()->setVisible(static_cast<int>(t.sags.size()) + 1 <= MaxLegendSeries);
    chart.legend()->setAlignment(Qt::AlignRight);
}

} // namespace

void ShowSagChart(QChartView &view, const SectionTable *entry)
{
    auto *chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    if (entry)
        FillSagChart(*chart, *entry);
    QChart *former = view.chart();
    view.setChart(chart);
    delete former;
}

} // namespace velmora
