#include "gui/stringing/spanseditor.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace velmora {

namespace {

bool IsBlank(const QTableWidgetItem *cell)
{
    return !cell || cell->text().trimmed().isEmpty();
}

// The cell editor's Enter, Return, Down and Up: the edit is taken at once (the default
// delegate takes Enter only after the keys that follow it and leaves Down to the line edit,
// which appends what is typed next).
class SpanCellDelegate : public QStyledItemDelegate
{
public:
    SpanCellDelegate(std::function<void(int)> moved, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_moved(std::move(moved))
    {
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *editor = qobject_cast<QWidget *>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
            int step = 0;
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter
                || key->key() == Qt::Key_Down)
                step = 1;
            else if (key->key() == Qt::Key_Up)
                step = -1;
            if (step != 0 && modifiers == Qt::NoModifier) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                m_moved(step);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    std::function<void(int)> m_moved;
};

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
    setItemDelegate(new SpanCellDelegate([this](int step) { MoveAfterEdit(step); }, this));
    m_insert = new QAction(this);
    m_insert->setObjectName(QStringLiteral("InsertSpan"));
    m_insert->setShortcut(Qt::Key_Insert);
    m_insert->setShortcutContext(Qt::WidgetShortcut);
    connect(m_insert, &QAction::triggered, this, &SpansEditor::InsertSpan);
    m_delete = new QAction(this);
    m_delete->setObjectName(QStringLiteral("DeleteSpan"));
    m_delete->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    m_delete->setShortcutContext(Qt::WidgetShortcut);
    connect(m_delete, &QAction::triggered, this, &SpansEditor::DeleteSpan);
    addAction(m_insert);
    addAction(m_delete);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    SetTexts({});
}

void SpansEditor::MoveAfterEdit(int step)
{
    // Taking the edit may have added the empty last row; a row emptied in the middle goes
    // only afterwards, so the rows counted here are still those the user saw.
    const int next = currentRow() + step;
    if (next >= 0 && next < rowCount())
        setCurrentCell(next, 0);
}

void SpansEditor::InsertSpan()
{
    if (state() == QAbstractItemView::EditingState)
        return;
    const int row = currentRow() >= 0 ? currentRow() : rowCount() - 1;
    const bool filling = m_filling;
    m_filling = true;
    insertRow(row);
    setItem(row, 0, new QTableWidgetItem);
    m_filling = filling;
    setCurrentCell(row, 0);
    editItem(item(row, 0));
}

void SpansEditor::DeleteSpan()
{
    const int row = currentRow();
    if (state() == QAbstractItemView::EditingState || row < 0 || row + 1 >= rowCount())
        return;
    const bool blank = IsBlank(item(row, 0));
    if (item(row, 0) == m_marked)
        m_marked = nullptr;
    const bool filling = m_filling;
    m_filling = true;
    removeRow(row);
    m_filling = filling;
    setCurrentCell(std::min(row, rowCount() - 1), 0);
    if (!blank)
        emit Edited();
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
    // The actions' keys, also when the shortcut map passes them on (the window not active).
    if (state() != QAbstractItemView::EditingState && event->key() == Qt::Key_Insert
        && event->modifiers() == Qt::NoModifier) {
        InsertSpan();
        event->accept();
        return;
    }
    if (state() != QAbstractItemView::EditingState && event->key() == Qt::Key_Delete
        && event->modifiers() == Qt::ControlModifier) {
        DeleteSpan();
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
