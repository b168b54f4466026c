#pragma once

#include <QTableWidget>

class QChart;

namespace velmora {

// The legend of a plot beside it on screen: every shown series with a sample of its line and its
// whole name, wrapped rather than cut however narrow the pane is. Qt Charts' own legend keeps
// to a share of the chart's width and elides the names; it is drawn only in the files and on
// paper, where the plot has its full export size.
class PlotLegend : public QTableWidget
{
    Q_OBJECT

public:
    explicit PlotLegend(QWidget *parent = nullptr);

    // Every series of the chart, in its order.
    void ShowSeriesOf(const QChart &chart);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // The least width that shows word whole beside the sample and the scroll bar.
    void FitLongestWord(const QString &word);
};

} // namespace velmora
