#include "gui/stringing/stringingprint.h"

#include "gui/stringing/stringingchart.h"

#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace velmora {

namespace {

class Pages
{
public:
    Pages(QPagedPaintDevice &device, const StringingPrintout &printout)
        : m_device(device)
        , m_painter(&device)
        , m_printout(printout)
    {
        m_area = QRectF(0, 0, device.width(), device.height()); // inside the margins
        QFont font = m_painter.font();
        font.setPointSizeF(9);
        m_painter.setFont(font);
        m_bold = font;
        m_bold.setBold(true);
        m_line = m_painter.fontMetrics().height() * 1.35;
        m_pad = m_painter.fontMetrics().horizontalAdvance(QLatin1Char('0'));
    }

    void Table()
    {
        const StringingGrid &grid = m_printout.grid;
        // The first two columns on every page, then as many temperatures as fit beside them.
        const double first = Width(0) + 2 * m_pad;
        // The force row's caption runs over the first two columns.
        const double caption
            = QFontMetricsF(m_bold, &m_device).horizontalAdvance(grid.rows.back().value(0));
        const double second = std::max(Width(1), caption - first) + 2 * m_pad;
        double column = 0;
        for (int c = 2; c < grid.heading.size(); ++c)
            column = std::max(column, Width(c) + 2 * m_pad);
        const int perPage = std::max(
            1, static_cast<int>((m_area.width() - first - second) / std::max(column, 1.0)));
        for (int from = 2; from < grid.heading.size(); from += perPage) {
            const int to = std::min<int>(static_cast<int>(grid.heading.size()), from + perPage);
            StartPage();
            Row(grid.heading, from, to, first, second, column, true);
            for (int r = 0; r < grid.rows.size(); ++r) {
                if (m_y + m_line > m_area.bottom()) {
                    StartPage();
                    Row(grid.heading, from, to, first, second, column, true);
                }
                Row(grid.rows[r], from, to, first, second, column, r >= grid.reducedRow);
            }
        }
    }

    void Plot()
    {
        if (!m_printout.table)
            return;
        StartPage();
        const QRectF target(m_area.left(), m_y, m_area.width(), m_area.bottom() - m_y);
        // A view of its own, laid out at a size of the page's proportions, then scaled to it.
        QChartView view;
        view.setRenderHint(QPainter::Antialiasing);
        ShowSagChart(view, m_printout.table);
        // About the size of the page on screen, so that its texts print at their own size.
        view.resize(1000, std::max(1, static_cast<int>(1000 * target.height() / target.width())));
        view.chart()->resize(view.size());
        view.render(&m_painter, target, view.rect());
    }

    int Count() const { return m_pages; }

private:
    // Measured in bold, as the heading and the last rows are printed.
    double Width(int column) const
    {
        const QFontMetricsF metrics(m_bold, &m_device);
        double width = metrics.horizontalAdvance(m_printout.grid.heading[column]);
        for (const QStringList &row : m_printout.grid.rows) {
            if (column < row.size() && !(column == 0 && row.size() > 1 && row[1].isEmpty()))
                width = std::max(width, metrics.horizontalAdvance(row[column]));
        }
        return width;
    }

    void StartPage()
    {
        if (m_pages > 0)
            m_device.newPage();
        ++m_pages;
        m_y = m_area.top();
        m_painter.save();
        m_painter.setFont(m_bold);
        m_painter.drawText(QRectF(m_area.left(), m_y, m_area.width(), m_line),
                           Qt::AlignLeft | Qt::AlignVCenter, m_printout.title);
        m_painter.restore();
        m_y += m_line;
        m_painter.drawText(QRectF(m_area.left(), m_y, m_area.width(), m_line),
                           Qt::AlignLeft | Qt::AlignVCenter, m_printout.summary);
        m_y += 1.5 * m_line;
    }

    // One line of the grid: the first two cells, then cells from..to−1. A row whose second
    // cell is empty (the force row) lets its first cell run over both.
    void Row(const QStringList &cells, int from, int to, double first, double second, double column,
             bool strong)
    {
        double x = m_area.left();
        auto cell = [&](double width, const QString &text, Qt::Alignment align) {
            const QRectF box(x, m_y, width, m_line);
            m_painter.drawRect(box);
            m_painter.drawText(box.adjusted(m_pad, 0, -m_pad, 0), align | Qt::AlignVCenter, text);
            x += width;
        };
        m_painter.save();
        if (strong)
            m_painter.setFont(m_bold);
        if (cells.size() > 1 && cells[1].isEmpty()) {
            cell(first + second, cells[0], Qt::AlignLeft);
        } else {
            cell(first, cells.value(0), Qt::AlignHCenter);
            cell(second, cells.value(1), Qt::AlignRight);
        }
        for (int c = from; c < to; ++c)
            cell(column, cells.value(c), Qt::AlignRight);
        m_painter.restore();
        m_y += m_line;
    }

    QPagedPaintDevice &m_device;
    QPainter m_painter;
    const StringingPrintout &m_printout;
    QRectF m_area;
    QFont m_bold;
    double m_line = 0;
    double m_pad = 0;
    double m_y = 0;
    int m_pages = 0;
};

} // namespace

int PrintStringing(QPagedPaintDevice &device, const StringingPrintout &printout)
{
    Pages pages(device, printout);
    pages.Table();
    pages.Plot();
    return pages.Count();
}

} // namespace velmora
