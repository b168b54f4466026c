// The open project as one object: its edits as steps of one undo stack, the modified state as
// the stack's clean state, and the signals the windows follow.

#include "guitest.h"

#include "gui/document/projectdocument.h"

#include <QSignalSpy>
#include <QUndoStack>

using namespace velmora;
using namespace velmora::test;

namespace {

TShablon NamedTemplate(const char *name)
{
    TShablon shablon;
    shablon.Name = name;
    return shablon;
}

} // namespace

class ProjectDocumentTest : public QObject
{
    Q_OBJECT

private slots:
    // A field edit is undone and redone exactly; undoing back to the save is not modified, and
    // the modified state follows the stack in both directions.
    void fieldEditsUndoRedoAndTheCleanStateIsNotModified()
    {
        ProjectDocument document;
        QVERIFY(!document.IsModified());
        QSignalSpy fields(&document, &ProjectDocument::fieldsChanged);
        QSignalSpy modified(&document, &ProjectDocument::modifiedChanged);
        const TDAT before = document.Project().Dat;

        TDAT after = before;
        after.T_Max = before.T_Max + 5;
        document.EditFields(after, QStringLiteral("Edit"), QStringLiteral("T_Max"));
        QCOMPARE(document.Project().Dat.T_Max, before.T_Max + 5);
        QVERIFY(document.IsModified());
        QCOMPARE(fields.count(), 1);
        QCOMPARE(modified.count(), 1);
        QCOMPARE(modified.last().at(0).toBool(), true);

        document.UndoStack()->undo();
        QVERIFY(document.Project().Dat == before);
        QVERIFY(!document.IsModified());
        QCOMPARE(fields.count(), 2);
        QCOMPARE(modified.last().at(0).toBool(), false);

        document.UndoStack()->redo();
        QCOMPARE(document.Project().Dat.T_Max, before.T_Max + 5);
        QVERIFY(document.IsModified());

        // Saved here: clean; undo from the save is a change again.
        document.MarkSaved(QStringLiteral("/tmp/a.vlp"));
        QVERIFY(!document.IsModified());
        QCOMPARE(modified.last().at(0).toBool(), false);
        document.UndoStack()->undo();
        QVERIFY(document.IsModified());
    }

    // Typing into one field is one step; another field (another merge key) starts a step of
    // its own; an edit that changes nothing is no step; typing back to the start leaves none.
    void editsOfOneFieldMergeAndEmptyEditsAreNoSteps()
    {
        ProjectDocument document;
        const TDAT start = document.Project().Dat;
        TDAT dat = start;
        document.EditFields(dat, QStringLiteral("Edit"), QStringLiteral("T_Max"));
        QCOMPARE(document.UndoStack()->count(), 0);

        dat.T_Max = 1;
        document.EditFields(dat, QStringLiteral("Edit"), QStringLiteral("T_Max"));
        dat.T_Max = 12;
        document.EditFields(dat, QStringLiteral("Edit"), QStringLiteral("T_Max"));
        QCOMPARE(document.UndoStack()->count(), 1);
        dat.T_Min = -45;
        document.EditFields(dat, QStringLiteral("Edit"), QStringLiteral("T_Min"));
        QCOMPARE(document.UndoStack()->count(), 2);

        document.UndoStack()->undo();
        QCOMPARE(document.Project().Dat.T_Max, 12.0);
        QCOMPARE(document.Project().Dat.T_Min, start.T_Min);
        document.UndoStack()->undo();
        QVERIFY(document.Project().Dat == start);

        // Typed away and back again: nothing to undo, not modified.
        ProjectDocument back;
        TDAT typed = back.Project().Dat;
        typed.Shag += 10;
        back.EditFields(typed, QStringLiteral("Edit"), QStringLiteral("Shag"));
        typed.Shag -= 10;
        back.EditFields(typed, QStringLiteral("Edit"), QStringLiteral("Shag"));
        QCOMPARE(back.UndoStack()->count(), 0);
        QVERIFY(!back.IsModified());
    }

    // Each part of the project: its edit announces itself by its own signal, and undo gives
    // back the exact part (the line after a change made in place, as a drag makes it).
    void everyPartIsUndoneExactlyAndAnnouncedByItsSignal()
    {
        ProjectDocument document;
        QSignalSpy templates(&document, &ProjectDocument::templatesChanged);
        QSignalSpy sections(&document, &ProjectDocument::sectionsChanged);
        QSignalSpy line(&document, &ProjectDocument::lineChanged);
        QSignalSpy coefficients(&document, &ProjectDocument::coefficientsChanged);
        QSignalSpy fields(&document, &ProjectDocument::fieldsChanged);

        TShablonList list;
        list.Add(NamedTemplate("Line 10"));
        document.EditTemplates(list, QStringLiteral("Add template"));
        TSectionList sectionList;
        TSection section;
        section.Name = "A1-A7";
        section.Spans = {210.5, 230};
        sectionList.Add(section);
        document.EditSections(sectionList, QStringLiteral("Add section"));
        const TKlimatKoef koefBefore = document.Project().Koef;
        TKlimatKoef koef = koefBefore;
        koef.V_Otv += 0.1;
        document.EditCoefficients(koef, QStringLiteral("Coefficients"));

        LineProfile profile;
        profile.ground = {{0, 100}, {500, 104}};
        profile.towers = {{0, 0}, {500, 0}};
        document.EditLine(profile, QStringLiteral("Import"));
        const LineProfile imported = document.Project().Line;
        // A drag moves the tower in place, then the move becomes a step.
        document.Project().Line.towers[1].station = 450;
        document.LineEditedInPlace(imported, QStringLiteral("Move"));
        QCOMPARE(document.UndoStack()->count(), 5);
        QCOMPARE(templates.count(), 1);
        QCOMPARE(sections.count(), 1);
        QCOMPARE(coefficients.count(), 1);
        QCOMPARE(line.count(), 2);
        QCOMPARE(fields.count(), 0);

        document.UndoStack()->undo();
        QVERIFY(document.Project().Line == imported);
        document.UndoStack()->undo();
        QVERIFY(document.Project().Line.empty());
        document.UndoStack()->undo();
        QVERIFY(document.Project().Koef == koefBefore);
        document.UndoStack()->undo();
        QCOMPARE(document.Project().Sections.Count(), 0);
        document.UndoStack()->undo();
        QCOMPARE(document.Project().Shablons.Count(), 0);
        QCOMPARE(templates.count(), 2);
        QCOMPARE(sections.count(), 2);
        QCOMPARE(line.count(), 4);
        QVERIFY(!document.IsModified());
    }

    // Open (and new) replace the project: the stack emptied and clean whatever it held, the
    // file name and the project announced.
    void replaceEmptiesTheStackAndAnnouncesTheProject()
    {
        ProjectDocument document;
        TDAT dat = document.Project().Dat;
        dat.T_Max = 33;
        document.EditFields(dat, QStringLiteral("Edit"), QStringLiteral("T_Max"));
        QVERIFY(document.IsModified());

        QSignalSpy replaced(&document, &ProjectDocument::projectReplaced);
        QSignalSpy modified(&document, &ProjectDocument::modifiedChanged);
        QSignalSpy name(&document, &ProjectDocument::fileNameChanged);
        TProject opened;
        opened.SetDefaults();
        opened.Shablons.Add(NamedTemplate("Opened"));
        document.Replace(opened, QStringLiteral("/work/Line 10.vlp"));

        QCOMPARE(document.UndoStack()->count(), 0);
        QVERIFY(!document.IsModified());
        QVERIFY(document.Project().IsEqual(opened));
        QCOMPARE(document.FileName(), QStringLiteral("/work/Line 10.vlp"));
        QCOMPARE(replaced.count(), 1);
        QCOMPARE(name.count(), 1);
        QCOMPARE(modified.count(), 1);
        QCOMPARE(modified.last().at(0).toBool(), false);

        // A new project after it: no name, and nothing to undo.
        TProject fresh;
        fresh.SetDefaults();
        document.Replace(fresh, QString());
        QVERIFY(document.FileName().isEmpty());
        QVERIFY(!document.UndoStack()->canUndo());
        QCOMPARE(replaced.count(), 2);
    }
};

VELMORA_GUI_TEST_MAIN(ProjectDocumentTest)
#include "test_project_document.moc"
