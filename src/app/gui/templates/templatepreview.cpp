#include "gui/templates/templatepreview.h"

#include "catalogue/catalogue.h"
#include "gui/fieldchecks.h"
#include "gui/uitext.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <QChart>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <exception>

namespace velmora {

namespace {

QLineSeries *NewLine(const QList<QPointF> &points, const QPen &pen)
{
    auto *series = new QLineSeries;
    series->setPen(pen);
    series->replace(points);
    return series;
}

QPointF Point(DxfPoint p)
{
    return {p.x, p.y};
}

// 1, 2 or 5 times a power of ten, at least `rough`.
double NiceStep(double rough)
{
    if (!(rough > 0))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10 * power;
}

} // namespace

TemplatePreview::TemplatePreview(const ProgramContext &program, QWidget *parent)
    : QChartView(parent)
    , m_program(program)
{
    setObjectName(QStringLiteral("TemplatePreview"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(320, 240);
    QChart *c = chart();
    c->setMargins(QMargins(4, 4, 4, 4));
    c->legend()->setAlignment(Qt::AlignBottom);
    c->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    // The axes are made once: Qt Charts 6.4 leaves a removed axis drawn.
    m_x = new QValueAxis(c);
    m_y = new QValueAxis(c);
    for (QValueAxis *axis : {m_x, m_y})
        axis->setLabelFormat(QStringLiteral("%g"));
    c->addAxis(m_x, Qt::AlignBottom);
    c->addAxis(m_y, Qt::AlignLeft);
    connect(c, &QChart::plotAreaChanged, this, [this] { FitAspect(); });
    ShowNothing(UiText("Res_tpl_none"));
}

void TemplatePreview::ShowTemplate(const TProject &project, const TShablon *shablon,
                                   const TemplateEngine &engine)
{
    if (!shablon) {
        ShowNothing(UiText("Res_tpl_none"));
        return;
    }
    // What "Port to Cad" refuses is not drawn here either.
    if (const FieldRefusal refusal = InputRefusal(project.Dat, m_program); refusal.Refused()) {
        ShowNothing(refusal.text);
        return;
    }
    try {
        const DrawingContext context {m_program.Catalogue().FindByName(project.Dat.Provod),
                                      m_program.Language(), m_program.Factors()};
        const TemplateComputation c = ComputeTemplate(project, *shablon, context, engine);
        if (c.figure)
            ShowFigure(*shablon, *c.figure);
        else
            ShowNothing(QString::fromStdString(c.result.reason)
                            .replace(QLatin1String("\r\n"), QLatin1String(" ")));
    } catch (const std::exception &e) {
        ShowNothing(ErrorMessage(e));
    }
}

void TemplatePreview::ShowNothing(const QString &reason)
{
    m_reason = reason;
    m_extent = QRectF();
    chart()->removeAllSeries();
    chart()->setTitle(reason.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>")));
    m_x->setTitleText(QString());
    m_y->setTitleText(QString());
    m_x->setRange(-1, 1);
    m_y->setRange(-1, 1);
}

void TemplatePreview::ShowFigure(const TShablon &shablon, const TemplateFigure &figure)
{
    m_reason.clear();
    QChart *c = chart();
    c->removeAllSeries();
    c->setTitle(UiText("Res_tpl_title")
                    .arg(QString::fromStdString(shablon.Name).toHtmlEscaped(),
                         QString::fromStdString(FormatTemplateCoefficient(figure.k_m))));
    m_x->setTitleText(UiText("Res_tpl_axis_x").arg(shablon.MG));
    m_y->setTitleText(UiText("Res_tpl_axis_y").arg(shablon.MV));

    double low = 0, high = 0, left = 0, right = 0;
    for (const std::vector<DxfPoint> &curve : figure.curves) {
        for (const DxfPoint &p : curve) {
            low = std::min<double>(low, p.y);
            high = std::max<double>(high, p.y);
            left = std::min<double>(left, p.x);
            right = std::max<double>(right, p.x);
        }
    }
    for (const auto &[from, to] : figure.segments) {
        low = std::min<double>({low, from.y, to.y});
        if (from.x != to.x) // the vertical axis reaches far above the curves: not counted
            high = std::max<double>({high, from.y, to.y});
    }
    const double pad = 0.04 * std::max(right - left, high - low);
    m_extent = QRectF(QPointF(left - pad, low - pad), QPointF(right + pad, high + pad));

    QList<QLineSeries *> all;
    QPen reference(QColor(120, 120, 120));
    reference.setWidthF(1);
    for (const auto &[from, to] : figure.segments) {
        QPointF a = Point(from), b = Point(to);
        if (a.x() == b.x()) // the vertical axis, up to the top of the figure
            b.setY(std::min(b.y(), m_extent.bottom()));
        all.append(NewLine({a, b}, reference));
    }
    const char *names[] = {"Res_tpl_sag", "Res_tpl_ground", "Res_tpl_clearance"};
    const QColor colors[] = {QColor(200, 0, 0), QColor(120, 80, 30), QColor(0, 120, 60)};
    for (std::size_t k = 0; k < figure.curves.size() && k < 3; ++k) {
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(figure.curves[k].size()));
        for (const DxfPoint &p : figure.curves[k])
            points.append(Point(p));
        QPen pen(colors[k]);
        pen.setWidthF(2);
        QLineSeries *curve = NewLine(points, pen);
        curve->setName(UiText(names[k]));
        curve->setProperty("curve", static_cast<int>(k));
        all.append(curve);
    }
    for (QLineSeries *series : std::as_const(all)) {
        c->addSeries(series);
        series->attachAxis(m_x);
        series->attachAxis(m_y);
        if (!series->property("curve").isValid()) {
            for (QLegendMarker *marker : c->legend()->markers(series))
                marker->setVisible(false);
        }
    }
    FitAspect();
}

void TemplatePreview::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    FitAspect();
}

void TemplatePreview::FitAspect()
{
    if (m_fitting || m_extent.isEmpty())
        return;
    const QRectF plot = chart()->plotArea();
    if (plot.width() < 1 || plot.height() < 1)
        return;
    m_fitting = true;
    // Drawing units per pixel, the same both ways, so that the whole figure fits.
    const double scale
        = std::max(m_extent.width() / plot.width(), m_extent.height() / plot.height());
    const QPointF centre = m_extent.center();
    m_x->setRange(centre.x() - scale * plot.width() / 2, centre.x() + scale * plot.width() / 2);
    m_y->setRange(centre.y() - scale * plot.height() / 2, centre.y() + scale * plot.height() / 2);
    // The ranges follow the window, the ticks stay on round millimetres through 0.
    const double step = NiceStep(scale * std::max(plot.width(), plot.height()) / 6);
    for (QValueAxis *axis : {m_x, m_y}) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
        axis->setTickInterval(step);
    }
    m_fitting = false;
}

} // namespace velmora
