#pragma once

#include <QList>
#include <QString>

class QChartView;
class QPagedPaintDevice;

namespace velmora {

class ResultsTableModel;

// Draws the results onto the pages of device (a printer or a PDF writer, landscape): the
// title and the table of the quantity shown, its headings repeated on every page, then each
// plot on a page of its own.
void PrintResults(QPagedPaintDevice &device, const QString &title, const ResultsTableModel &table,
                  const QList<QChartView *> &plots);

// PrintResults into a PDF file on A4 landscape, through a temporary file that replaces path.
// False with the system's reason in *error when the file cannot be written.
bool SaveResultsPdf(const QString &path, const QString &title, const ResultsTableModel &table,
                    const QList<QChartView *> &plots, QString *error);

} // namespace velmora
