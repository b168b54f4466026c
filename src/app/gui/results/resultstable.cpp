#include "gui/results/resultstable.h"

#include "common/numtext.h"
#include "gui/uitext.h"
#include "l10n/localization.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include <algorithm>
#include <set>

namespace velmora {

void ResultsTableModel::SetResults(std::shared_ptr<const CalcResults> results)
{
    beginResetModel();
    m_results = std::move(results);
    m_units = ShownUnitsOf(m_program);
    endResetModel();
}

void ResultsTableModel::SetQuantity(Quantity quantity)
{
    if (quantity == m_quantity)
        return;
    m_quantity = quantity;
    if (rowCount() > 0)
        emit dataChanged(index(0, 1), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void ResultsTableModel::Retranslate()
{
    beginResetModel();
    m_units = ShownUnitsOf(m_program);
    endResetModel();
}

const OverLimit *ResultsTableModel::OverLimitAt(int mode, double span) const
{
    for (const OverLimit &over : m_results->overLimits) {
        if (over.mode == mode && over.span == span)
            return &over;
    }
    return nullptr;
}

int ResultsTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_results)
        return 0;
    return static_cast<int>(m_results->spans.size());
}

int ResultsTableModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_results || m_results->spans.empty())
        return 0;
    return 1 + static_cast<int>(m_results->taken.size());
}

QVariant ResultsTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !m_results || index.row() >= rowCount()
        || index.column() >= columnCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    const bool critical = row == 0;
    if (index.column() == 0) {
        const double span = m_results->spans[row];
        switch (role) {
        case Qt::DisplayRole:
            return critical ? ShortNumber(span) + QStringLiteral(" (l2)") : ShortNumber(span);
        case Qt::UserRole:
            return span;
        case Qt::ToolTipRole:
            return StateWords(m_results->state[row]);
        default:
            break;
        }
    } else {
        const ModeResults &mode = m_results->taken[static_cast<std::size_t>(index.column() - 1)];
        const double value = ShownValue(mode, m_quantity, row, m_units.factors);
        const OverLimit *over = critical ? nullptr : OverLimitAt(mode.mode, m_results->spans[row]);
        switch (role) {
        case Qt::DisplayRole:
            return ValueText(value, m_quantity, m_units.factors);
        case Qt::UserRole:
            return value;
        case Qt::TextAlignmentRole:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            if (over)
                return QBrush(QColor(255, 200, 200));
            break;
        case Qt::ToolTipRole:
            if (over)
                return UiText("Res_over_limit_tip")
                    .arg(ShortNumber(m_units.factors.stress * over->stress, 5),
                         ShortNumber(m_units.factors.stress * over->limit, 5), m_units.stress);
            break;
        default:
            break;
        }
    }
    if (critical && role == Qt::FontRole) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (critical && role == Qt::BackgroundRole)
        return QBrush(QColor(255, 244, 204));
    return {};
}

QVariant ResultsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || !m_results || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0) {
        if (role == Qt::DisplayRole)
            return UiText("Res_span_m");
        return {};
    }
    const ModeResults &mode = m_results->taken[static_cast<std::size_t>(section - 1)];
    if (role == Qt::DisplayRole)
        return UiText("Res_mode_n").arg(mode.mode) + QLatin1Char('\n')
            + ShortNumber(mode.conditions.temperature) + QStringLiteral(" °C\nγ ")
            + ShortNumber(m_units.factors.stress * mode.conditions.load, 4);
    if (role == Qt::ToolTipRole)
        return ModeDescription(mode.mode, mode.conditions) + QStringLiteral(", γ ")
            + ShortNumber(m_units.factors.stress * mode.conditions.load, 6) + QLatin1Char(' ')
            + m_units.specific;
    return {};
}

QString ResultsTableModel::ExportHeader(int column) const
{
    if (!m_results || column < 0 || column >= columnCount())
        return {};
    if (column == 0)
        return UiText("Res_span_m");
    const ModeResults &mode = m_results->taken[static_cast<std::size_t>(column - 1)];
    return UiText("Res_export_head")
        .arg(mode.mode)
        .arg(ShortNumber(mode.conditions.temperature),
             ShortNumber(m_units.factors.stress * mode.conditions.load, 6), m_units.specific,
             QuantityUnit(m_quantity, m_units));
}

QString ResultsTableModel::ExportCell(int row, int column) const
{
    const QVariant value = data(index(row, column), Qt::UserRole);
    if (!value.isValid())
        return {};
    // The number as the table shows it, not the solver's last digits (134.999865...).
    QString text = column == 0 ? ShortNumber(value.toDouble())
                               : ValueText(value.toDouble(), m_quantity, m_units.factors);
    if (m_program.Language() == Lang::Russian)
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

QString SelectionAsTsv(const ResultsTableModel &model, const QModelIndexList &selection)
{
    std::set<int> rows;
    std::set<int> columns {0};
    std::set<std::pair<int, int>> cells;
    for (const QModelIndex &index : selection) {
        if (index.model() != &model)
            continue;
        rows.insert(index.row());
        columns.insert(index.column());
        cells.insert({index.row(), index.column()});
    }
    if (rows.empty())
        return {};
    QStringList headings;
    for (int column : columns)
        headings << model.ExportHeader(column);
    QString text = headings.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int row : rows) {
        QStringList fields;
        for (int column : columns)
            fields << (column == 0 || cells.count({row, column}) ? model.ExportCell(row, column)
                                                                 : QString());
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

namespace {

QString CsvField(const QString &text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QByteArray TableAsCsv(const ResultsTableModel &model)
{
    // What a spreadsheet of the interface's language splits into columns: a Russian one
    // takes "," as the decimal point and ";" between fields.
    const QChar separator
        = model.Context().Language() == Lang::Russian ? QLatin1Char(';') : QLatin1Char(',');
    QStringList lines;
    QStringList headings;
    for (int column = 0; column < model.columnCount(); ++column)
        headings << CsvField(model.ExportHeader(column), separator);
    lines << headings.join(separator);
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < model.columnCount(); ++column)
            fields << model.ExportCell(row, column);
        lines << fields.join(separator);
    }
    return QByteArrayLiteral("\xEF\xBB\xBF")
        + (lines.join(QStringLiteral("\r\n")) + "\r\n").toUtf8();
}

} // namespace velmora
