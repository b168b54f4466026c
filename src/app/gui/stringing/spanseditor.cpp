#include "gui/stringing/spanseditor.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>

#include <algorithm>

namespace velmora {

namespace {

bool IsBlank(const QTableWidgetItem *cell)
{
    return !cell || cell->text().trimmed().isEmpty();
}

} // namespace

SpansEditor::SpansEditor(QWidget *parent)
    : QTableWidget(0, 1, parent)
{
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    // Typing into a cell starts its edit, as in a spreadsheet; a cell made current does not.
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    connect(this, &QTableWidget::itemChanged, this, [this] {
        if (m_filling)
            return;
        EnsureEmptyLastRow();
        // The item whose change is being told must outlive this call: rows go afterwards.
        if (HasGaps())
            QTimer::singleShot(0, this, &SpansEditor::Compact);
        emit Edited();
    });
    SetTexts({});
}

void SpansEditor::SetTexts(const QStringList &texts)
{
    m_filling = true;
    m_marked = nullptr;
    setRowCount(0);
    setRowCount(static_cast<int>(texts.size()) + 1);
    for (int row = 0; row <= texts.size(); ++row)
        setItem(row, 0, new QTableWidgetItem(row < texts.size() ? texts[row] : QString()));
    m_filling = false;
}

QStringList SpansEditor::Texts() const
{
    QStringList texts;
    for (int row = 0; row < rowCount(); ++row) {
        if (!IsBlank(item(row, 0)))
            texts << item(row, 0)->text().trimmed();
    }
    return texts;
}

void SpansEditor::PutTexts(int row, const QStringList &texts)
{
    m_filling = true;
    m_marked = nullptr; // its item may be replaced
    row = std::clamp(row, 0, rowCount());
    if (rowCount() < row + texts.size())
        setRowCount(row + static_cast<int>(texts.size()));
    for (int i = 0; i < texts.size(); ++i)
        setItem(row + i, 0, new QTableWidgetItem(texts[i]));
    EnsureEmptyLastRow();
    Compact();
    m_filling = false;
    emit Edited();
}

void SpansEditor::MarkText(int index)
{
    m_filling = true;
    m_marked = nullptr;
    int seen = 0;
    for (int row = 0; row < rowCount(); ++row) {
        QTableWidgetItem *cell = item(row, 0);
        if (!cell)
            continue;
        const bool marked = index >= 0 && !IsBlank(cell) && seen++ == index;
        QFont font = cell->font();
        font.setBold(marked);
        cell->setFont(font);
        cell->setBackground(marked ? QBrush(QColor(255, 205, 205)) : QBrush());
        cell->setForeground(marked ? QBrush(QColor(160, 0, 0)) : QBrush());
        if (marked)
            m_marked = cell;
    }
    m_filling = false;
    if (m_marked) {
        // Current without being selected, so that its mark shows.
        clearSelection();
        selectionModel()->setCurrentIndex(indexFromItem(m_marked), QItemSelectionModel::NoUpdate);
        scrollToItem(m_marked);
    }
}

int SpansEditor::MarkedRow() const
{
    return m_marked ? row(m_marked) : -1;
}

bool SpansEditor::HasGaps() const
{
    for (int r = 0; r + 1 < rowCount(); ++r) {
        if (IsBlank(item(r, 0)))
            return true;
    }
    return false;
}

void SpansEditor::Compact()
{
    const bool filling = m_filling;
    m_filling = true;
    for (int r = rowCount() - 2; r >= 0; --r) {
        if (IsBlank(item(r, 0))) {
            if (item(r, 0) == m_marked)
                m_marked = nullptr;
            removeRow(r);
        }
    }
    m_filling = filling;
}

void SpansEditor::EnsureEmptyLastRow()
{
    if (rowCount() > 0 && IsBlank(item(rowCount() - 1, 0)))
        return;
    const bool filling = m_filling;
    m_filling = true;
    setRowCount(rowCount() + 1);
    setItem(rowCount() - 1, 0, new QTableWidgetItem);
    m_filling = filling;
}

void SpansEditor::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        emit PasteRequested();
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace)
        && state() != QAbstractItemView::EditingState) {
        bool changed = false;
        m_filling = true;
        for (QTableWidgetItem *cell : selectedItems()) {
            changed = changed || !cell->text().isEmpty();
            cell->setText(QString());
        }
        Compact();
        m_filling = false;
        if (changed)
            emit Edited();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

} // namespace velmora
