#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QChartView;
class QPagedPaintDevice;

namespace velmora {

class ResultsTableModel;

// Draws the results onto the pages of device (a printer or a PDF writer, landscape): the
// title block (title, then the lines of details: project, wire, permissible stresses,
// climate, date), the table of the quantity shown, its headings repeated on every page, then
// each plot on a page of its own; every page ends with "page n of m".
void PrintResults(QPagedPaintDevice &device, const QString &title, const ResultsTableModel &table,
                  const QList<QChartView *> &plots, const QStringList &details = {});

// PrintResults into a PDF file on A4 landscape, through a temporary file that replaces path.
// False with the system's reason in *error when the file cannot be written.
bool SaveResultsPdf(const QString &path, const QString &title, const ResultsTableModel &table,
                    const QList<QChartView *> &plots, QString *error,
                    const QStringList &details = {});

// A title as a file name: the characters no file name may hold ("/" of "АС 70/11", "\\",
// ":" ...) become "-".
QString FileNameOfTitle(const QString &title);

} // namespace velmora
