#pragma once

#include "gui/results/resultsformat.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QModelIndexList>

#include <memory>

namespace velmora {

// Spans × taken modes of one calculation: column 0 the span (the critical span l2 first,
// marked), then one column per taken mode, headed by its number, temperature and specific
// load. Cells show the chosen quantity in the shown units; Qt::UserRole gives the shown value
// as a number. A cell whose stress is above its permissible stress (CalcResults::overLimits)
// is marked, its tooltip giving the stress and the limit.
class ResultsTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The table in the language and units of program.
    explicit ResultsTableModel(const ProgramContext &program, QObject *parent = nullptr)
        : QAbstractTableModel(parent)
        , m_program(program)
    {
    }

    // The results shown (nullptr: none) and the units and language in force.
    void SetResults(std::shared_ptr<const CalcResults> results);
    // The program's state the table is shown in.
    const ProgramContext &Context() const { return m_program; }
    const std::shared_ptr<const CalcResults> &Results() const { return m_results; }
    void SetQuantity(Quantity quantity);
    Quantity CurrentQuantity() const { return m_quantity; }
    // Takes the language and units mode in force (headers and values change).
    void Retranslate();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // One-line heading of a column for files and the clipboard, with its unit:
    // "Span, m", "Mode 7 (40 °C, γ 0.00344 daN/(m·mm²)), daN/mm²".
    QString ExportHeader(int column) const;
    // A cell for files and the clipboard: the value as the table shows it (its decimals; the
    // span without its "(l2)"), with "," as the point in the Russian interface and "."
    // in the English one.
    QString ExportCell(int row, int column) const;

private:
    const ProgramContext &m_program;
    // The stress of mode at span above its limit, or null.
    const OverLimit *OverLimitAt(int mode, double span) const;

    std::shared_ptr<const CalcResults> m_results;
    Quantity m_quantity = Quantity::Stress;
    ShownUnits m_units;
};

// The selected cells as tab-separated lines with headings, for pasting into a spreadsheet:
// the span column first (whether selected or not), then the selected columns left to right;
// one line per selected row; cells inside the selection's rows and columns that are not
// selected stay empty. Lines end with "\n". Empty for an empty selection.
QString SelectionAsTsv(const ResultsTableModel &model, const QModelIndexList &selection);

// The whole table as CSV: UTF-8 with a byte-order mark (so that spreadsheets read the
// Cyrillic headings), cells as ExportCell gives them, between fields "," in the English
// interface and ";" in the Russian one, headings quoted when they hold the separator or a
// quote, CR LF line ends.
QByteArray TableAsCsv(const ResultsTableModel &model);

} // namespace velmora
