#include "guitest.h"

#include "catalogue/catalogue.h"
#include "example_project.h"
#include "example_wire.h"

#include "common/error.h"
#include "common/fileio.h"
#include "fake_settings.h"
#include "gui/appwindows.h"
#include "gui/document/projectdocument.h"
#include "gui/formwait.h"
#include "gui/templates/formautoshabloni.h"
#include "gui/templates/formspisokshabloni.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>

#include <memory>

using namespace velmora;
using namespace velmora::test;

namespace {

TShablon Template(const std::string &name, int pr = 300)
{
    TShablon shablon;
    shablon.Name = name;
    shablon.TipShablona = 0;
    shablon.Krivie = -1;
    shablon.PR = pr;
    shablon.VP = 15.5;
    shablon.TG = 7;
    shablon.Zapas = 0.5;
    return shablon;
}

QString Row(QTableWidget *grid, int row)
{
    const QTableWidgetItem *item = grid->item(row, 0);
    return item ? item->text() : QString();
}

// An engine that answers k = 2.5 m at 1 : 5000 / 1 : 500 without a catalogue.
TemplateEngineAnswer FixedEngine(const TProject &, int, const CalcArgs &)
{
    TemplateEngineAnswer answer;
    answer.ok = true;
    answer.gamma = 3.5e-3;
    answer.napr = 7;
    return answer;
}

} // namespace

class TemplatesTest : public QObject
{
    Q_OBJECT

private:
    FakeSettingsStore m_store;
    std::unique_ptr<ProgramContext> m_program;
    ProjectDocument m_document; // the open project the list edits through
    TProject &m_project = m_document.Project();
    std::unique_ptr<TFormSpisokShabloni> m_list;
    std::unique_ptr<TFormWait> m_wait;

    TFormSpisokShabloni &Open(const std::vector<TShablon> &templates)
    {
        for (const TShablon &t : templates)
            m_project.Shablons.Add(t);
        TemplateHost host;
        host.document = &m_document;
        m_list = std::make_unique<TFormSpisokShabloni>(Program(), host);
        m_list->SetTemplateEngine(FixedEngine);
        m_list->show();
        return *m_list;
    }

private slots:
    void init()
    {
        m_program = StartInEnglish(m_store);
        StartWithTheExampleWire(m_document);
        m_wait = std::make_unique<TFormWait>();
        SetWaitWindow(m_wait.get());
    }
    void cleanup()
    {
        m_list.reset();
        Program().Catalogue().Clear();
        SetWaitWindow(nullptr);
        m_wait.reset();
        m_program.reset();
    }

    void emptyListHasOneEmptyRowAndOnlyCreate()
    {
        ScriptedPrompts prompts;
        TFormSpisokShabloni &w = Open({});
        QCOMPARE(w.windowTitle(), QString("List of patterns, sagging curves"));
        QCOMPARE(w.Grid()->rowCount(), 1);
        QCOMPARE(Row(w.Grid(), 0), QString());
        QVERIFY(!w.EditButton()->isEnabled());
        QVERIFY(!w.DeleteButton()->isEnabled());
        QVERIFY(!w.RunAutoCadButton()->isEnabled());
        QVERIFY(w.NewButton()->isEnabled());
        emit w.Grid()->cellDoubleClicked(0, 0);
        w.ButEditClick();
        w.ButDelClick();
        QVERIFY(prompts.asked.isEmpty());
    }

    void newTemplateShowsTheNameThenTheSpanMessage()
    {
        ScriptedPrompts prompts;
        TFormSpisokShabloni &w = Open({});
        QStringList errors;
        bool openedAsCurveAtMin = false;
        bool stillOpen = false;
        prompts.dialogs = {[&](QDialog &dialog) {
            auto &editor = static_cast<TFormAutoShabloni &>(dialog);
            openedAsCurveAtMin = editor.CurvesButton()->isChecked()
                && editor.TemperatureButton(0)->isChecked() && !editor.TipButton(0)->isChecked()
                && !editor.VPField()->isEnabled() && editor.TemperatureFrame()->isEnabled();
            dialog.setResult(QDialog::Rejected);
            editor.accept();
            errors << prompts.Last("Error");
            editor.NameField()->setText("Габарит");
            editor.accept();
            errors << prompts.Last("Error");
            stillOpen = dialog.result() == QDialog::Rejected;
            editor.PRField()->setValue(300);
            editor.accept();
            return dialog.result();
        }};
        w.NewShablonClick();
        QVERIFY(openedAsCurveAtMin);
        QVERIFY(stillOpen);
        QCOMPARE(errors,
                 (QStringList {"Indicate the name of the pattern (curve).",
                               "Indicate the overall (equivalent) span."}));
        QCOMPARE(m_project.Shablons.Count(), 1);
        const TShablon &added = m_project.Shablons.Items(0);
        QCOMPARE(added.Name, std::string("Габарит"));
        QCOMPARE(added.Krivie, 0);
        QCOMPARE(added.TipShablona, -1);
        QCOMPARE(added.Temperatura, 0);
        QCOMPARE(added.PR, 300);
        QCOMPARE(added.MG, 5000);
        QCOMPARE(Row(w.Grid(), 0), QString("Габарит"));
        QVERIFY(w.EditButton()->isEnabled());
        QVERIFY(w.RunAutoCadButton()->isEnabled());
    }

    void validationMessagesInOrder_data()
    {
        QTest::addColumn<int>("tip");
        QTest::addColumn<int>("krivie");
        QTest::addColumn<int>("temperature");
        QTest::addColumn<QString>("message");
        QTest::newRow("no type") << -1 << -1 << 0
                                 << "The type of the pattern (curve) is not indicated.";
        QTest::newRow("curve without temperature") << -1 << 0 << -1 << "Indicate the temperature.";
        QTest::newRow("template without temperature is fine") << 1 << -1 << -1 << QString();
    }
    void validationMessagesInOrder()
    {
        QFETCH(int, tip);
        QFETCH(int, krivie);
        QFETCH(int, temperature);
        QFETCH(QString, message);
        ScriptedPrompts prompts;
        TFormAutoShabloni editor(Program());
        TShablon shablon = Template("T");
        shablon.TipShablona = tip;
        shablon.Krivie = krivie;
        shablon.Temperatura = temperature;
        editor.LoadTemplate(shablon);
        QCOMPARE(editor.ValidateInput(), message.isEmpty());
        QCOMPARE(prompts.Last("Error"), message);
        TShablon stored;
        editor.StoreTemplate(stored);
        QCOMPARE(stored, shablon);
    }

    void aNameTheFileCannotHoldIsRefused()
    {
        ScriptedPrompts prompts;
        TFormAutoShabloni editor(Program());
        TShablon shablon = Template("Габарит ✓ α");
        shablon.TipShablona = 1;
        shablon.Krivie = -1;
        editor.LoadTemplate(shablon);
        QVERIFY(!editor.ValidateInput());
        QVERIFY2(prompts.Last("Error").contains("the characters ✓ α cannot be stored"),
                 qPrintable(prompts.Last("Error")));
    }

    void loadTemplateGivesCurvesPrecedence()
    {
        TFormAutoShabloni editor(Program());
        TShablon both = Template("T");
        both.TipShablona = 1;
        both.Krivie = 0;
        both.Temperatura = 9;
        editor.LoadTemplate(both);
        QVERIFY(editor.CurvesButton()->isChecked());
        QVERIFY(!editor.TipButton(1)->isChecked());
        QVERIFY(editor.TemperatureButton(9)->isChecked());
        TShablon stored;
        editor.StoreTemplate(stored);
        QCOMPARE(stored.TipShablona, -1);
        QCOMPARE(stored.Krivie, 0);
    }

    void choosingATemplateTypeAfterCurvesKeepsTheTemperature()
    {
        TFormAutoShabloni editor(Program());
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        TShablon curve = Template("C");
        curve.TipShablona = -1;
        curve.Krivie = 0;
        curve.Temperatura = 0;
        editor.LoadTemplate(curve);
        QTest::mouseClick(editor.TemperatureButton(4), Qt::LeftButton);
        QVERIFY(editor.TemperatureButton(4)->isChecked());
        QTest::mouseClick(editor.TipButton(0), Qt::LeftButton);
        QVERIFY(editor.TipButton(0)->isChecked());
        QVERIFY(!editor.CurvesButton()->isChecked());
        QVERIFY(!editor.TemperatureFrame()->isEnabled());
        QVERIFY(editor.VPField()->isEnabled());
        QVERIFY(editor.TGField()->isEnabled());
        QVERIFY(editor.ZapasField()->isEnabled());
        TShablon stored;
        editor.StoreTemplate(stored);
        QCOMPARE(stored.TipShablona, 0);
        QCOMPARE(stored.Krivie, -1);
        QCOMPARE(stored.Temperatura, 4);

        QTest::mouseClick(editor.CurvesButton(), Qt::LeftButton);
        QVERIFY(!editor.TipButton(0)->isChecked());
        QVERIFY(editor.TemperatureFrame()->isEnabled());
        QVERIFY(!editor.VPField()->isEnabled());
        QCOMPARE(editor.VPField()->value(), 15.5);
        editor.hide();
    }

    void heightAndClearanceArePulledIntoTheirLimits()
    {
        TFormAutoShabloni editor(Program());
        TShablon shablon = Template("T");
        shablon.VP = 200000;
        shablon.TG = -3;
        shablon.Zapas = -1.25;
        editor.LoadTemplate(shablon);
        editor.StoreTemplate(shablon);
        QCOMPARE(shablon.VP, 100000.0);
        QCOMPARE(shablon.TG, 0.0);
        QCOMPARE(shablon.Zapas, -1.25);
    }

    void okWithoutAChangeKeepsDecimalsBeyondTheShownTwo()
    {
        TFormAutoShabloni editor(Program());
        TShablon shablon = Template("T");
        shablon.VP = 15.555;
        shablon.Zapas = 0.125;
        editor.LoadTemplate(shablon);
        TShablon stored = shablon;
        editor.StoreTemplate(stored);
        QCOMPARE(stored, shablon);
        editor.VPField()->setValue(12.25);
        editor.StoreTemplate(stored);
        QCOMPARE(stored.VP, 12.25);
        QCOMPARE(stored.Zapas, 0.125);
    }

    // "2,5" is 2.5 m, never 25 (the C locale reads "," as a group separator).
    void decimalFieldsTakeACommaOrAPoint()
    {
        TFormAutoShabloni editor(Program());
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.LoadTemplate(Template("T"));
        const std::pair<QDoubleSpinBox *, const char *> typed[] = {
            {editor.VPField(), "22,5"}, {editor.TGField(), "7.25"}, {editor.ZapasField(), "-0,75"}};
        for (const auto &[field, text] : typed) {
            field->selectAll();
            QTest::keyClicks(field, text);
        }
        QCOMPARE(editor.VPField()->text(), "22.5");
        TShablon stored;
        editor.accept();
        editor.StoreTemplate(stored);
        QCOMPARE(stored.VP, 22.5);
        QCOMPARE(stored.TG, 7.25);
        QCOMPARE(stored.Zapas, -0.75);
        // A span is a whole number: "300,5" stays as typed, never taken as 3005, and OK names
        // the field.
        ScriptedPrompts prompts;
        editor.PRField()->selectAll();
        QTest::keyClicks(editor.PRField(), "300,5");
        QCOMPARE(editor.PRField()->text(), "300,5");
        editor.accept();
        QCOMPARE(prompts.Kinds(), QStringList {"Error"});
        QVERIFY2(prompts.Last("Error").endsWith(": whole metres only."),
                 qPrintable(prompts.Last("Error")));
        QCOMPARE(editor.PRField()->text(), "300,5");
        editor.hide();
    }

    void scaleOrSpanOfZeroOrBelowIsRefusedNamingTheField_data()
    {
        QTest::addColumn<int>("mg");
        QTest::addColumn<int>("mv");
        QTest::addColumn<int>("pr");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("russian");
        QTest::newRow("horizontal scale 0")
            << 0 << 500 << 300 << "\"The horizontal scale\": the value must be greater than 0."
            << "«Масштаб горизонтальный»: значение должно быть больше 0.";
        QTest::newRow("negative vertical scale")
            << 5000 << -500 << 300 << "\"The vertical scale\": the value must be greater than 0."
            << "«Масштаб вертикальный»: значение должно быть больше 0.";
        QTest::newRow("negative span")
            << 5000 << 500 << -100
            << "\"Overall (equivalent) span, m\": the value must be greater than 0."
            << "«Габаритный (приведённый) пролет, м»: значение должно быть больше 0.";
    }
    void scaleOrSpanOfZeroOrBelowIsRefusedNamingTheField()
    {
        QFETCH(int, mg);
        QFETCH(int, mv);
        QFETCH(int, pr);
        QFETCH(QString, english);
        QFETCH(QString, russian);
        for (const int language : {0, 1}) {
            Program().SetLanguage(language);
            ScriptedPrompts prompts;
            TFormSpisokShabloni &w = Open({});
            QList<int> kept;
            prompts.dialogs = {[&](QDialog &dialog) {
                auto &editor = static_cast<TFormAutoShabloni &>(dialog);
                editor.show(); // the texts of the language
                editor.NameField()->setText("Габарит");
                editor.MGField()->setValue(mg);
                editor.MVField()->setValue(mv);
                editor.PRField()->setValue(pr);
                dialog.setResult(QDialog::Rejected);
                editor.accept();
                kept = {editor.MGField()->value(), editor.MVField()->value(),
                        editor.PRField()->value(), dialog.result()};
                editor.hide();
                return Reject(dialog);
            }};
            w.NewShablonClick();
            QCOMPARE(prompts.Kinds(), (QStringList {"Exec", "Error"}));
            QCOMPARE(prompts.Last("Error"), language == 0 ? english : russian);
            QCOMPARE(kept, (QList<int> {mg, mv, pr, int(QDialog::Rejected)}));
            QCOMPARE(m_project.Shablons.Count(), 0);
            m_list.reset();
        }
    }

    // The curves are drawn from the main window's climate: a negative ice wall or wind is
    // refused before the file is asked for.
    void portToCadRefusesANegativeIceWall()
    {
        ScriptedPrompts prompts;
        m_project.Dat.Tols = -5;
        TFormSpisokShabloni &w = Open({Template("A")});
        w.AcadRun();
        QCOMPARE(prompts.Kinds(), QStringList {"Error"});
        QCOMPARE(prompts.Last("Error"),
                 "Error data entry!\n\"Ice thickness\": the value must not be negative.");
    }

    void deletingTheLastOfThreeSelectsTheSecond()
    {
        ScriptedPrompts prompts;
        prompts.yesNo = {true, true, true};
        TFormSpisokShabloni &w = Open({Template("A"), Template("B"), Template("C")});
        w.Grid()->setCurrentCell(2, 0);
        QCOMPARE(w.SelectedIndex(), 2);
        w.ButDelClick();
        QCOMPARE(w.Grid()->rowCount(), 2);
        QCOMPARE(w.SelectedIndex(), 1);
        QCOMPARE(w.Grid()->currentRow(), 1);
        QCOMPARE(m_project.Shablons.Count(), 2);
        QCOMPARE(m_project.Shablons.Items(1).Name, std::string("B"));

        w.ButDelClick();
        w.ButDelClick();
        QCOMPARE(m_project.Shablons.Count(), 0);
        QCOMPARE(w.Grid()->rowCount(), 1);
        QCOMPARE(Row(w.Grid(), 0), QString());
        QVERIFY(!w.EditButton()->isEnabled());
        QVERIFY(!w.DeleteButton()->isEnabled());
        QVERIFY(!w.RunAutoCadButton()->isEnabled());
    }

    // As deleting a wire in the catalogue does; No keeps the template and its row.
    void deletingAsksFirst_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("question");
        QTest::newRow("English") << 0
                                 << "Are you sure you would like to delete this pattern (curve)?";
        QTest::newRow("Russian") << 1 << "Вы уверены, что хотите удалить шаблон (кривую)?";
    }
    void deletingAsksFirst()
    {
        QFETCH(int, language);
        QFETCH(QString, question);
        Program().SetLanguage(language);
        ScriptedPrompts prompts;
        TFormSpisokShabloni &w = Open({Template("A"), Template("B")});
        w.Grid()->setCurrentCell(1, 0);
        prompts.yesNo = {false};
        QTest::mouseClick(w.DeleteButton(), Qt::LeftButton);
        QCOMPARE(prompts.Kinds(), QStringList {"WarningYesNo"});
        QCOMPARE(prompts.Last("WarningYesNo"), question);
        QCOMPARE(m_project.Shablons.Count(), 2);
        QCOMPARE(Row(w.Grid(), 1), QString("B"));

        prompts.yesNo = {true};
        QTest::mouseClick(w.DeleteButton(), Qt::LeftButton);
        QCOMPARE(m_project.Shablons.Count(), 1);
        QCOMPARE(m_project.Shablons.Items(0).Name, std::string("A"));
        // Undone, the template is back in its place in the list.
        m_document.UndoStack()->undo();
        QCOMPARE(m_project.Shablons.Count(), 2);
        QCOMPARE(Row(w.Grid(), 1), QString("B"));
        m_document.UndoStack()->redo();
        QCOMPARE(Row(w.Grid(), 0), QString("A"));
        QCOMPARE(w.Grid()->rowCount(), 1);
    }

    void cancelledEditLeavesTheProjectUnchanged()
    {
        ScriptedPrompts prompts;
        TFormSpisokShabloni &w = Open({Template("A"), Template("B")});
        TProject saved;
        saved.Assign(m_project);
        w.Grid()->setCurrentCell(1, 0);
        prompts.dialogs = {[](QDialog &dialog) {
            auto &editor = static_cast<TFormAutoShabloni &>(dialog);
            editor.NameField()->setText("changed");
            editor.PRField()->setValue(1);
            return Reject(dialog);
        }};
        emit w.Grid()->cellDoubleClicked(1, 0);
        QCOMPARE(prompts.Kinds(), QStringList {"Exec"});
        QVERIFY(m_project.IsEqual(saved));
        QCOMPARE(Row(w.Grid(), 1), QString("B"));

        prompts.dialogs = {[](QDialog &dialog) {
            static_cast<TFormAutoShabloni &>(dialog).NameField()->setText("B2");
            return Accept(dialog);
        }};
        w.ButEditClick();
        QVERIFY(!m_project.IsEqual(saved));
        QCOMPARE(m_project.Shablons.Items(1).Name, std::string("B2"));
        QCOMPARE(Row(w.Grid(), 1), QString("B2"));

        // The edit is one step of the document: undo gives back the template, and the list.
        m_document.UndoStack()->undo();
        QVERIFY(m_project.IsEqual(saved));
        QCOMPARE(Row(w.Grid(), 1), QString("B"));
        QVERIFY(!m_document.IsModified());
    }

    void drawingPathAlwaysEndsInDxf_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("path");
        QTest::newRow("name as offered") << "/w/line"
                                         << "/w/line.dxf";
        QTest::newRow("with .dxf") << "/w/line.dxf"
                                   << "/w/line.dxf";
        QTest::newRow("two dots") << "/w/plan.old.dxf"
                                  << "/w/plan.dxf";
        QTest::newRow("other extension") << "/w/a b/plan.txt"
                                         << "/w/a b/plan.dxf";
    }
    void drawingPathAlwaysEndsInDxf()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, path);
        QCOMPARE(TFormSpisokShabloni::DrawingPath(chosen), path);
    }

    void portToCadOffersTheProjectNameAndOpensTheDrawing_data()
    {
        QTest::addColumn<QString>("projectFile");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("chosenName");
        QTest::addColumn<QString>("written");
        QTest::newRow("line.vlp") << "/p/line.vlp"
                                  << "line"
                                  << "line.dxf"
                                  << "line.dxf";
        QTest::newRow("plan.old.dxf") << "/p/plan.vlp"
                                      << "plan"
                                      << "plan.old.dxf"
                                      << "plan.dxf";
        QTest::newRow("never saved") << ""
                                     << ""
                                     << "curve"
                                     << "curve.dxf";
    }
    void portToCadOffersTheProjectNameAndOpensTheDrawing()
    {
        QFETCH(QString, projectFile);
        QFETCH(QString, offered);
        QFETCH(QString, chosenName);
        QFETCH(QString, written);
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        m_document.SetFileName(projectFile);
        TFormSpisokShabloni &w = Open({Template("A"), Template("B")});
        w.Grid()->setCurrentCell(1, 0);
        bool waitShown = false;
        w.SetTemplateEngine([&](const TProject &project, int regime, const CalcArgs &args) {
            waitShown = m_wait->isVisible() && m_wait->PanelText() == "Output to CAD...";
            return FixedEngine(project, regime, args);
        });
        prompts.fileNames = {dir.path() + "/" + chosenName};
        w.AcadRun();
        QCOMPARE(prompts.Last("Save"), QString("Output to CAD")); // in the language in force
        QCOMPARE(prompts.lastFileDialog.fileName, offered);
        QCOMPARE(prompts.lastFileDialog.filter, QString("DXF (*.dxf)"));
        QVERIFY(!prompts.lastFileDialog.confirmOverwrite);
        QVERIFY(waitShown);
        QVERIFY(!m_wait->isVisible());
        const QString path = dir.path() + "/" + written;
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "OpenDocument"}));
        QCOMPARE(prompts.Last("OpenDocument"), path);
        const std::string dxf = ReadFileBytes(path.toStdString());
        QVERIFY(dxf.find("Name: B\r\n") != std::string::npos);
        QVERIFY(dxf.ends_with("EOF\r\n"));
    }

    // The name rule must not replace another file unasked: "t1.old.dxf" is written as t1.dxf.
    // A name chosen as it is written was the dialog's own choice.
    void drawingAsksBeforeReplacingAnotherFile_data()
    {
        QTest::addColumn<QString>("chosenName");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("replace");
        QTest::newRow("t1.old.dxf, No") << "t1.old.dxf" << true << false;
        QTest::newRow("t1.old.dxf, Yes") << "t1.old.dxf" << true << true;
        QTest::newRow("t1 without extension, No") << "t1" << true << false;
        QTest::newRow("t1.dxf itself") << "t1.dxf" << false << true;
    }
    void drawingAsksBeforeReplacingAnotherFile()
    {
        QFETCH(QString, chosenName);
        QFETCH(bool, asked);
        QFETCH(bool, replace);
        QTemporaryDir dir;
        const QString existing = dir.path() + "/t1.dxf";
        WriteFileAtomically(existing.toStdString(), "kept");
        ScriptedPrompts prompts;
        TFormSpisokShabloni &w = Open({Template("A")});
        bool waitShown = false;
        w.SetTemplateEngine([&](const TProject &project, int regime, const CalcArgs &args) {
            waitShown = true;
            return FixedEngine(project, regime, args);
        });
        prompts.fileNames = {dir.path() + "/" + chosenName};
        if (asked)
            prompts.yesNo = {replace};
        w.AcadRun();

        QStringList kinds {"Save"};
        if (asked)
            kinds << "WarningYesNo";
        if (replace)
            kinds << "OpenDocument";
        QCOMPARE(prompts.Kinds(), kinds);
        if (asked) {
            QCOMPARE(prompts.Last("WarningYesNo"),
                     "The drawing is written to the file \"" + QDir::toNativeSeparators(existing)
                         + "\", which already exists. Replace it?");
        }
        QCOMPARE(waitShown, replace);
        QCOMPARE(ReadFileBytes(existing.toStdString()) == "kept", !replace);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {"t1.dxf"});
    }

    void drawingOfANewNameAsksNothing()
    {
        QTemporaryDir dir;
        WriteFileAtomically((dir.path() + "/t1.old.dxf").toStdString(), "kept");
        ScriptedPrompts prompts;
        TFormSpisokShabloni &w = Open({Template("A")});
        prompts.fileNames = {dir.path() + "/t1.old.dxf"};
        w.AcadRun();
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "OpenDocument"}));
        QVERIFY(FileExists((dir.path() + "/t1.dxf").toStdString()));
        QCOMPARE(ReadFileBytes((dir.path() + "/t1.old.dxf").toStdString()), "kept");
    }

    // The drawing dialog starts where the last drawing went; a drawing the system cannot open
    // gets the question that offers its folder.
    void theDrawingsFolderIsKeptAndOfferedWhenTheDrawingCannotBeOpened()
    {
        m_store.texts.erase("DrawingFolder");
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        TFormSpisokShabloni &w = Open({Template("A")});
        prompts.fileNames = {dir.path() + "/line.dxf"};
        prompts.opened = {false, true};
        prompts.yesNo = {true};
        w.AcadRun();
        QCOMPARE(prompts.lastFileDialog.directory, QDir::homePath()); // no documents folder
        QCOMPARE(prompts.Kinds(),
                 (QStringList {"Save", "OpenDocument", "Question", "OpenDocument"}));
        QVERIFY(prompts.Last("Question").contains(dir.path() + "/line.dxf"));
        QCOMPARE(prompts.Last("OpenDocument"), dir.path());

        prompts.fileNames = {QString()};
        w.AcadRun();
        QCOMPARE(prompts.lastFileDialog.directory, dir.path());
    }

    void cancelledCadDialogDrawsNothing()
    {
        ScriptedPrompts prompts;
        TFormSpisokShabloni &w = Open({Template("A")});
        prompts.fileNames = {QString()};
        w.AcadRun();
        QCOMPARE(prompts.Kinds(), QStringList {"Save"});
        // The fields were taken once, for the climate check before the dialog.
    }

    void drawingThatCannotBeWrittenIsReportedAndNotOpened()
    {
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        TFormSpisokShabloni &w = Open({Template("A")});
        prompts.fileNames = {dir.path() + "/missing/folder/x.dxf"};
        w.AcadRun();
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "Error"}));
        QVERIFY(prompts.Last("Error").startsWith("Cannot create file"));
        QVERIFY(!m_wait->isVisible());
    }

    void engineWarningsAreShownAndTheFileStillOpens()
    {
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        TFormSpisokShabloni &w = Open({Template("A")});
        w.SetTemplateEngine([](const TProject &, int, const CalcArgs &) {
            TemplateEngineAnswer answer;
            answer.warnings = {"The stress is too high"};
            return answer;
        });
        prompts.fileNames = {dir.path() + "/x.dxf"};
        w.AcadRun();
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "Warning", "OpenDocument"}));
        QCOMPARE(prompts.Last("Warning"), QString("The stress is too high"));
        TAcadDxf empty;
        empty.OpenInMemory();
        empty.Finish();
        QCOMPARE(ReadFileBytes((dir.path() + "/x.dxf").toStdString()), empty.Bytes());
    }

    void anEmptyDrawingSaysWhyAndStillOpens_data()
    {
        QTest::addColumn<bool>("engineThrows");
        QTest::addColumn<QString>("message");
        QTest::newRow("zero scale") << false << QString(ZeroScaleReason);
        QTest::newRow("engine fault") << true << "Division by zero";
    }
    void anEmptyDrawingSaysWhyAndStillOpens()
    {
        QFETCH(bool, engineThrows);
        QFETCH(QString, message);
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        TShablon flat = Template("A");
        flat.MV = 0;
        TFormSpisokShabloni &w = Open({engineThrows ? Template("A") : flat});
        if (engineThrows) {
            w.SetTemplateEngine(
                [](const TProject &, int, const CalcArgs &) -> TemplateEngineAnswer {
                    throw Error("Division by zero");
                });
        }
        prompts.fileNames = {dir.path() + "/x.dxf"};
        w.AcadRun();
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "Warning", "OpenDocument"}));
        QCOMPARE(prompts.Last("Warning"), message);
    }

    // Pictures of the list and the editor for a designer's eye, taken only when
    // VELMORA_SCREENSHOT_DIR names a folder (scripts/screenshots_windows.sh, under Xvfb).
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("VELMORA_SCREENSHOT_DIR is not set");
        TShablon curve = Template("Кривая при -10");
        curve.TipShablona = -1;
        curve.Krivie = 0;
        curve.Temperatura = 4;
        TFormSpisokShabloni &w
            = Open({Template("Габарит 300 м"), Template("Гололёд, пролёт 250 м", 250), curve});
        auto save = [&](QWidget &window, const QString &name) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QTest::qWait(150);
            QVERIFY(window.grab().save(folder + "/" + name + ".png"));
        };
        for (int language : {0, 1}) {
            Program().SetLanguage(language);
            const QString suffix = language == 0 ? "_en" : "_ru";
            w.hide();
            w.show();
            w.Grid()->setCurrentCell(1, 0);
            save(w, "template_list" + suffix);

            TFormAutoShabloni *editor = w.Editor();
            editor->LoadTemplate(m_project.Shablons.Items(0));
            save(*editor, "template_editor" + suffix);
            editor->hide();
            editor->LoadTemplate(curve);
            save(*editor, "template_editor_curve" + suffix);
            editor->hide();
        }
    }
};

VELMORA_GUI_TEST_MAIN(TemplatesTest)
#include "test_templates_window.moc"
