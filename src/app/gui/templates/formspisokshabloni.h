#pragma once

#include "data/project.h"
#include "templates/drawtemplate.h"

#include <QDialog>
#include <QString>

#include <functional>

class QGroupBox;
class QPushButton;
class QTableWidget;

namespace velmora {

class TFormAutoShabloni;
class TemplatePreview;
class ProgramContext;
class ProjectDocument;

// What the template windows are given: the open project, whose templates they edit through
// it and whose wire and climate (the main window's fields, recorded as typed) draw them.
struct TemplateHost
{
    ProjectDocument *document = nullptr; // the open project; not null
};

// The modeless list of the open project's templates: create, edit, delete (after a question),
// and "Port to Cad", which draws the selected template into a DXF file and opens it in the CAD
// program. Every change is a step on the document's undo stack; the list follows the
// document's templates.
class TFormSpisokShabloni : public QDialog
{
    Q_OBJECT

public:
    // Creates the template editor, which belongs to this window.
    // The templates are drawn with the wires of program's catalogue in its language and units.
    TFormSpisokShabloni(const ProgramContext &program, TemplateHost host,
                        QWidget *parent = nullptr);

    // One row per template name (one empty row for none); the selection stays on its row or
    // moves to the last one when the list shrank. Then UpdateButtons.
    void RefreshList(const TShablonList &list);
    // Edit, Delete and Port to Cad only with at least one template.
    void UpdateButtons();
    int SelectedIndex() const { return m_selectedIndex; }

    // The engine the drawing asks (the calculation driver unless a test sets its own).
    void SetTemplateEngine(TemplateEngine engine) { m_engine = std::move(engine); }

    // The path the drawing is written to for a name chosen in the dialog: its folder, its file
    // name cut before the first ".", and ".dxf" ("/a/plan.old.dxf" -> "/a/plan.dxf").
    static QString DrawingPath(const QString &chosen);

    TFormAutoShabloni *Editor() const { return m_editor; }
    QTableWidget *Grid() const { return m_grid; }
    QPushButton *RunAutoCadButton() const { return m_butRunAutoCAD; }
    QPushButton *NewButton() const { return m_butNew; }
    QPushButton *EditButton() const { return m_butEdit; }
    QPushButton *DeleteButton() const { return m_butDel; }
    TemplatePreview *Preview() const { return m_preview; }

signals:
    // After the list showed a change of the document's templates.
    void TemplatesChanged();

public slots:
    void NewShablonClick();
    void ButEditClick();
    void ButDelClick();
    void AcadRun();
    void ButCloseClick();
    // The selected template in the preview, with the main window's fields as they stand and
    // the wire as the catalogue now has it; nothing while the window is hidden (its showing
    // brings the preview up to date).
    void UpdatePreview();

protected:
    void showEvent(QShowEvent *event) override;

private:
    const ProgramContext &m_program;
    void ApplyTexts();
    void GridSelectCell(int row);
    bool MayWriteDrawing(const QString &chosen, const QString &path);
    const TShablonList &Templates() const;
    const TProject &Project() const;
    // The document's templates changed (an edit, its undo or redo): shown afresh.
    void DocumentTemplatesChanged();

    TemplateHost m_host;
    TFormAutoShabloni *m_editor = nullptr;
    TemplateEngine m_engine; // empty: the calculation driver
    int m_selectedIndex = 0;

    QGroupBox *m_frame = nullptr;
    QTableWidget *m_grid = nullptr;
    QPushButton *m_butRunAutoCAD = nullptr;
    QPushButton *m_butNew = nullptr;
    QPushButton *m_butEdit = nullptr;
    QPushButton *m_butDel = nullptr;
    QPushButton *m_butClose = nullptr;
    TemplatePreview *m_preview = nullptr;
};

} // namespace velmora
