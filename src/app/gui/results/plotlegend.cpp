#include "gui/results/plotlegend.h"

#include <QChart>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QXYSeries>

namespace velmora {

namespace {

constexpr int SampleWidth = 28;
constexpr int SampleHeight = 12;

QIcon LineSample(const QPen &seriesPen)
{
    QPixmap sample(SampleWidth, SampleHeight);
    sample.fill(Qt::transparent);
    QPainter painter(&sample);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen = seriesPen;
    pen.setWidthF(std::min(pen.widthF(), 2.0));
    painter.setPen(pen);
    painter.drawLine(QPointF(1, SampleHeight / 2.0), QPointF(SampleWidth - 1, SampleHeight / 2.0));
    return QIcon(sample);
}

} // namespace

PlotLegend::PlotLegend(QWidget *parent)
    : QTableWidget(0, 1, parent)
{
    // A table rather than a list: its rows take the height of their wrapped names reliably.
    setWordWrap(true);
    setTextElideMode(Qt::ElideNone);
    setShowGrid(false);
    horizontalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setIconSize(QSize(SampleWidth, SampleHeight));
    setFrameShape(QFrame::NoFrame);
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);
    FitLongestWord(QStringLiteral("temperature"));
}

void PlotLegend::FitLongestWord(const QString &word)
{
    setMinimumWidth(SampleWidth + fontMetrics().horizontalAdvance(word)
                    + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 24);
}

void PlotLegend::ShowSeriesOf(const QChart &chart)
{
    const QList<QAbstractSeries *> series = chart.series();
    // Wide enough for the longest word of a name ("Среднегодовая"), which cannot be wrapped,
    // beside the sample and the scroll bar.
    QString longest = QStringLiteral("temperature");
    for (const QAbstractSeries *one : series) {
        for (const QString &word : one->name().split(QLatin1Char(' '))) {
            if (fontMetrics().horizontalAdvance(word) > fontMetrics().horizontalAdvance(longest))
                longest = word;
        }
    }
    FitLongestWord(longest);
    setRowCount(static_cast<int>(series.size()));
    for (int row = 0; row < rowCount(); ++row) {
        QAbstractSeries *one = series[row];
        auto *item = new QTableWidgetItem(one->name());
        if (auto *line = qobject_cast<QXYSeries *>(one))
            item->setIcon(LineSample(line->pen()));
        item->setToolTip(one->name());
        setItem(row, 0, item);
    }
}

void PlotLegend::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    // The wrapped names take the lines of the new width.
    resizeRowsToContents();
}

} // namespace velmora
