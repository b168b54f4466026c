#pragma once

#include "data/project.h"

#include <QObject>
#include <QString>

class QUndoStack;

namespace velmora {

// The open project as one object: the project, its file name, its undo stack and whether it
// holds changes not saved. Every window changes the project through the edits below, each an
// undoable step on the one stack, and follows the changes through the signals; the project is
// modified exactly while the stack is away from its clean state (set on new, open and save).
class ProjectDocument : public QObject
{
    Q_OBJECT

public:
    // A project with its defaults, never saved.
    explicit ProjectDocument(QObject *parent = nullptr);
    ~ProjectDocument() override;

    const TProject &Project() const { return m_project; }
    // The project for a live edit in place (a tower being dragged), which ends with
    // LineEditedInPlace; everything else changes it through the edits below.
    TProject &Project() { return m_project; }
    QString FileName() const { return m_fileName; }
    QUndoStack *UndoStack() const { return m_undo; }
    bool IsModified() const;

    // A new or opened project takes the place of the open one: the stack emptied and clean.
    void Replace(const TProject &project, const QString &fileName);
    // The project as it stands was written to fileName: the stack's clean state is here.
    void MarkSaved(const QString &fileName);
    // Names the project's file without a save (a project file written elsewhere).
    void SetFileName(const QString &fileName);

    // The edits, each one step on the stack, none when after equals the project's part.
    // Field edits in a row with the same mergeKey (a field's name) merge into one step.
    void EditFields(const TDAT &after, const QString &text, const QString &mergeKey = {});
    void EditCoefficients(const TKlimatKoef &after, const QString &text);
    void EditTemplates(const TShablonList &after, const QString &text);
    void EditSections(const TSectionList &after, const QString &text);
    void EditLine(const LineProfile &after, const QString &text);
    // The line was changed in place (a drag) from before: the change becomes one step.
    void LineEditedInPlace(const LineProfile &before, const QString &text);
    // The sections were changed in place (the stringing window's editors) from before.
    void SectionsEditedInPlace(const TSectionList &before, const QString &text);

signals:
    // After Replace: every window shows the project afresh.
    void projectReplaced();
    void fieldsChanged();
    void coefficientsChanged();
    void templatesChanged();
    void sectionsChanged();
    void lineChanged();
    void fileNameChanged(const QString &fileName);
    void modifiedChanged(bool modified);

private:
    template<class Part> friend class PartCommand;

    TProject m_project;
    QString m_fileName;
    QUndoStack *m_undo = nullptr;
};

} // namespace velmora
