#include "gui/results/resultsprint.h"

#include "gui/results/resultsplots.h"
#include "gui/results/resultstable.h"
#include "gui/wholefile.h"

#include <QBuffer>
#include <QChartView>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace velmora {

namespace {

// The page is drawn in logical units, LogicalWidth across whatever the device's resolution;
// fonts are sized in the same units so that printer and PDF look alike.
constexpr int LogicalWidth = 1100;
constexpr int Margin = 20;
constexpr int RowHeight = 15;
constexpr int SpanColumnWidth = 80;
constexpr int MaxValueColumnWidth = 90;

QFont PixelFont(int pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

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

    void Print(const QString &title)
    {
        m_painter.setFont(PixelFont(16, true));
        m_painter.drawText(QRectF(Margin, Margin, m_page.width() - 2 * Margin, 24),
                           Qt::AlignLeft | Qt::AlignVCenter, title);
        double y = Margin + 30;
        y = Headings(y);
        for (int row = 0; row < m_table.rowCount(); ++row) {
            if (y + RowHeight > m_page.height() - Margin) {
                m_device.newPage();
                y = Headings(Margin);
            }
            Row(row, y);
            y += RowHeight;
        }
    }

private:
    double ColumnLeft(int column) const
    {
        return column == 0 ? Margin : Margin + SpanColumnWidth + (column - 1) * m_valueWidth;
    }
    double ColumnWidth(int column) const { return column == 0 ? SpanColumnWidth : m_valueWidth; }

    double Headings(double y)
    {
        const double height = 3 * 12 + 6;
        m_painter.setFont(PixelFont(10, true));
        for (int column = 0; column < m_table.columnCount(); ++column) {
            const QRectF cell(ColumnLeft(column), y, ColumnWidth(column), height);
            m_painter.fillRect(cell, QColor(235, 235, 235));
            m_painter.setPen(QColor(160, 160, 160));
            m_painter.drawRect(cell);
            m_painter.setPen(Qt::black);
            m_painter.drawText(cell.adjusted(2, 2, -2, -2), Qt::AlignCenter,
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
            m_painter.setFont(PixelFont(10, m_table.data(index, Qt::FontRole).isValid()));
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

void PrintPlot(QPainter &painter, QChartView &view, QSizeF page)
{
    RenderPlot(view, painter,
               QRectF(Margin, Margin, page.width() - 2 * Margin, page.height() - 2 * Margin));
}

} // namespace

void PrintResults(QPagedPaintDevice &device, const QString &title, const ResultsTableModel &table,
                  const QList<QChartView *> &plots)
{
    QPainter painter(&device);
    const QRect viewport = painter.viewport();
    const double scale = viewport.width() / double(LogicalWidth);
    const QSizeF page(LogicalWidth, viewport.height() / scale);
    painter.setWindow(0, 0, LogicalWidth, static_cast<int>(page.height()));
    TablePrinter(device, painter, table, page).Print(title);
    for (QChartView *plot : plots) {
        device.newPage();
        PrintPlot(painter, *plot, page);
    }
}

bool SaveResultsPdf(const QString &path, const QString &title, const ResultsTableModel &table,
                    const QList<QChartView *> &plots, QString *error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Velmora"));
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        PrintResults(pdf, title, table, plots);
    }
    return WriteWholeFile(path, buffer.data(), error);
}

} // namespace velmora
