#include "gui/results/resultsprint.h"

#include "gui/printpage.h"
#include "gui/results/resultsplots.h"
#include "gui/results/resultstable.h"
#include "gui/uitext.h"

#include <QChartView>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <functional>

namespace velmora {

namespace {

constexpr int Margin = PrintPageMargin;
constexpr int RowHeight = 15;
constexpr int SpanColumnWidth = 80;
constexpr int MaxValueColumnWidth = 90;
constexpr int FooterHeight = 16;
constexpr int DetailHeight = 14;

class TablePrinter
{
public:
    TablePrinter(QPagedPaintDevice &device, QPainter &painter, const ResultsTableModel &table,
                 QSizeF page)
        : m_device(device)
        , m_painter(painter)
        , m_table(table)
        , m_page(page)
    {
        const int values = std::max(1, table.columnCount() - 1);
        m_valueWidth = std::min<double>(MaxValueColumnWidth,
                                        (page.width() - 2 * Margin - SpanColumnWidth) / values);
    }

    // The pages the title block and the table take.
    int Pages(const QStringList &details) const
    {
        int pages = 1;
        double y = TableTop(details) + HeadingHeight();
        for (int row = 0; row < m_table.rowCount(); ++row) {
            if (y + RowHeight > Bottom()) {
                ++pages;
                y = Margin + HeadingHeight();
            }
            y += RowHeight;
        }
        return pages;
    }

    // Prints the title block and the table; footer(n) ends each page.
    void Print(const QString &title, const QStringList &details,
               const std::function<void()> &footer)
    {
        m_painter.setFont(PagePixelFont(16, true));
        m_painter.drawText(QRectF(Margin, Margin, m_page.width() - 2 * Margin, 24),
                           Qt::AlignLeft | Qt::AlignVCenter, title);
        m_painter.setFont(PagePixelFont(11));
        double top = Margin + 26;
        for (const QString &line : details) {
            m_painter.drawText(QRectF(Margin, top, m_page.width() - 2 * Margin, DetailHeight),
                               Qt::AlignLeft | Qt::AlignVCenter, line);
            top += DetailHeight;
        }
        double y = Headings(TableTop(details));
        for (int row = 0; row < m_table.rowCount(); ++row) {
            if (y + RowHeight > Bottom()) {
                footer();
                m_device.newPage();
                y = Headings(Margin);
            }
            Row(row, y);
            y += RowHeight;
        }
        footer();
    }

private:
    double Bottom() const { return m_page.height() - Margin - FooterHeight; }
    double TableTop(const QStringList &details) const
    {
        return Margin + 30 + details.size() * DetailHeight + (details.isEmpty() ? 0 : 6);
    }
    // Tall enough for the longest heading, wrapped in its column: none is clipped.
    double HeadingHeight() const
    {
        const QFontMetricsF metrics(PagePixelFont(10, true));
        double height = 3 * 12;
        for (int column = 0; column < m_table.columnCount(); ++column) {
            const QRectF bounds = metrics.boundingRect(
                QRectF(0, 0, ColumnWidth(column) - 4, 1000), Qt::AlignCenter | Qt::TextWordWrap,
                m_table.headerData(column, Qt::Horizontal).toString());
            height = std::max(height, bounds.height());
        }
        return height + 6;
    }

    double ColumnLeft(int column) const
    {
        return column == 0 ? Margin : Margin + SpanColumnWidth + (column - 1) * m_valueWidth;
    }
    double ColumnWidth(int column) const { return column == 0 ? SpanColumnWidth : m_valueWidth; }

    double Headings(double y)
    {
        const double height = HeadingHeight();
        m_painter.setFont(PagePixelFont(10, true));
        for (int column = 0; column < m_table.columnCount(); ++column) {
            const QRectF cell(ColumnLeft(column), y, ColumnWidth(column), height);
            m_painter.fillRect(cell, QColor(235, 235, 235));
            m_painter.setPen(QColor(160, 160, 160));
            m_painter.drawRect(cell);
            m_painter.setPen(Qt::black);
            m_painter.drawText(cell.adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap,
                               m_table.headerData(column, Qt::Horizontal).toString());
        }
        return y + height;
    }

    void Row(int row, double y)
    {
        for (int column = 0; column < m_table.columnCount(); ++column) {
            const QModelIndex index = m_table.index(row, column);
            const QRectF cell(ColumnLeft(column), y, ColumnWidth(column), RowHeight);
            const QVariant background = m_table.data(index, Qt::BackgroundRole);
            if (background.isValid())
                m_painter.fillRect(cell, background.value<QBrush>());
            m_painter.setPen(QColor(200, 200, 200));
            m_painter.drawRect(cell);
            m_painter.setPen(Qt::black);
            m_painter.setFont(PagePixelFont(10, m_table.data(index, Qt::FontRole).isValid()));
            m_painter.drawText(cell.adjusted(3, 0, -3, 0),
                               (column == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                               m_table.data(index).toString());
        }
    }

    QPagedPaintDevice &m_device;
    QPainter &m_painter;
    const ResultsTableModel &m_table;
    QSizeF m_page;
    double m_valueWidth = MaxValueColumnWidth;
};

} // namespace

void PrintResults(QPagedPaintDevice &device, const QString &title, const ResultsTableModel &table,
                  const QList<QChartView *> &plots, const QStringList &details)
{
    QPainter painter(&device);
    const QSizeF page = SetLogicalPage(painter);
    TablePrinter printer(device, painter, table, page);
    const int pages = printer.Pages(details) + static_cast<int>(plots.size());
    int number = 0;
    auto footer = [&] {
        ++number;
        painter.setPen(Qt::black);
        painter.setFont(PagePixelFont(10));
        painter.drawText(QRectF(Margin, page.height() - Margin - FooterHeight + 4,
                                page.width() - 2 * Margin, FooterHeight - 4),
                         Qt::AlignRight | Qt::AlignVCenter,
                         title + QStringLiteral("   ")
                             + UiText("Print_page").arg(number).arg(pages));
    };
    printer.Print(title, details, footer);
    for (QChartView *plot : plots) {
        device.newPage();
        RenderPlot(*plot, painter, PageSheet(page).adjusted(0, 0, 0, -FooterHeight));
        footer();
    }
}

QString FileNameOfTitle(const QString &title)
{
    QString name = title;
    for (const QChar c : QStringLiteral("/\\:*?\"<>|"))
        name.replace(c, QLatin1Char('-'));
    return name.simplified();
}

bool SaveResultsPdf(const QString &path, const QString &title, const ResultsTableModel &table,
                    const QList<QChartView *> &plots, QString *error, const QStringList &details)
{
    return SavePagesPdf(
        path, title,
        [&](QPagedPaintDevice &device) { PrintResults(device, title, table, plots, details); },
        error);
}

} // namespace velmora
