#pragma once

#include <QStringList>
#include <QTableWidget>

class QAction;

namespace velmora {

// The spans of a section as a one-column list the user types into, one span a row, with an
// empty row at the end for the next one; a row emptied in the middle goes, so that the row
// numbers stay the span numbers. Ctrl+V asks for a paste (the window decides what a paste
// does); Delete empties the selected cells. Enter and Down end an edit by taking what was
// typed and going to the next row (Up to the row above), so that "230 Enter 260" is two spans.
// Insert puts an empty row above the current one and starts its edit; Ctrl+Delete removes the
// current span (also in the context menu).
class SpansEditor : public QTableWidget
{
    Q_OBJECT

public:
    explicit SpansEditor(QWidget *parent = nullptr);

    // One row per text, then the empty row; no mark. Emits nothing.
    void SetTexts(const QStringList &texts);
    // The texts of the rows that are not blank, trimmed, in order.
    QStringList Texts() const;
    // Puts texts into the rows from row on (replacing what they held, adding rows as needed).
    // Emits Edited once.
    void PutTexts(int row, const QStringList &texts);
    // Marks the row of the index-th text of Texts() (0-based) as refused and makes it current;
    // -1 marks none.
    void MarkText(int index);
    // The marked row, -1 for none.
    int MarkedRow() const;

    // An empty row above the current one (above the empty last row when none is current),
    // made current and opened for typing.
    void InsertSpan();
    // Removes the current row unless it is the empty last one. Emits Edited when a span went.
    void DeleteSpan();
    QAction *InsertAction() const { return m_insert; }
    QAction *DeleteAction() const { return m_delete; }

signals:
    // The user changed the spans: a cell typed into, emptied or pasted into.
    void Edited();
    // Ctrl+V (or the system's paste key) in the list.
    void PasteRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The edit of the current row ended with Enter, Down (step 1) or Up (-1): what was typed
    // is taken, then the row step rows away becomes current.
    void MoveAfterEdit(int step);
    void EnsureEmptyLastRow();
    // Removes the empty rows above the last one.
    void Compact();
    bool HasGaps() const;

    bool m_filling = false;
    QTableWidgetItem *m_marked = nullptr;
    QAction *m_insert = nullptr;
    QAction *m_delete = nullptr;
};

} // namespace velmora
