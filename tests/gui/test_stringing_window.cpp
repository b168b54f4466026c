#include "guitest.h"

#include "example_wire.h"

#include "catalogue/catalogue.h"
#include "data/projectfile.h"
#include "fake_settings.h"
#include "gui/document/projectdocument.h"
#include "gui/formmain.h"
#include "gui/numberfields.h"
#include "gui/platform.h"
#include "gui/stringing/formstringing.h"
#include "gui/stringing/formstringing_ui.h"
#include "gui/stringing/sectionnamedialog.h"
#include "gui/stringing/spanseditor.h"
#include "l10n/localization.h"
#include "l10n/units.h"
#include "xls/workbook.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QValueAxis>

#include <sys/stat.h>

using namespace velmora;
using namespace velmora::test;

namespace {

TFormMain *Main()
{
    return Windows().FormMain;
}

TFormStringing *Window()
{
    return Windows().FormStringing;
}

const Ui_FormStringing &Ui()
{
    return Window()->Widgets();
}

TSection &Section(int index = 0)
{
    return Main()->CurProject.Sections.Items(index);
}

// Types text into row (0-based) of the spans, as the user ends an edit of the cell.
void TypeSpan(int row, const QString &text)
{
    SpansEditor *editor = Ui().spansEditor;
    editor->setCurrentCell(row, 0);
    editor->item(row, 0)->setText(text);
    QCoreApplication::processEvents(); // an emptied row goes afterwards
}

QString Cell(int row, int col)
{
    const QTableWidgetItem *item = Ui().resultTable->item(row, col);
    return item ? item->text() : QString();
}

// The worked example of the shipped project (АС 70/11; spans 120, 150, 180, 160, 135 m):
// l_r 153.2265 m, state 3; at −40 °C σ 3.6018 daN/mm², T 285.62 daN, sag of span 1 1.7399 m.
const QString ExampleName = QStringLiteral("Анкерный участок 1");

} // namespace

class StringingWindowTest : public QObject
{
    Q_OBJECT

private:
    FakeSettingsStore m_store;
    std::unique_ptr<ProgramContext> m_program;
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        m_program = StartInEnglish(m_store);
        CreateAppWindows(Program());
        Program().Catalogue().Clear();
        Program().Catalogue().Add(ShippedAc70Wire());
        // Opened as the program opens a project: through the document.
        TProject example;
        LoadProject(std::string(VELMORA_SOURCE_DIR) + "/share/examples/example.vlp", example);
        Main()->Document().Replace(example, QString());
        Main()->show();
        Main()->findChild<QAction *>("ActStringing")->trigger();
    }
    void cleanup()
    {
        DestroyAppWindows();
        Program().Catalogue().Clear();
        m_program.reset();
    }

    void theMenuOpensTheTableOfTheProjectsSection()
    {
        QAction *action = Main()->findChild<QAction *>("ActStringing");
        QVERIFY(Main()->findChild<QMenu *>("MI_Calculation")->actions().contains(action));
        QCOMPARE(action->text(), "Stringing tables");
        QVERIFY(Window()->isVisible());
        QCOMPARE(Window()->windowTitle(), "Stringing tables");
        QCOMPARE(Ui().sectionList->count(), 1);
        QCOMPARE(Ui().sectionList->item(0)->text(), ExampleName);
        QCOMPARE(Ui().spansEditor->Texts(), (QStringList {"120", "150", "180", "160", "135"}));
        QVERIFY(Window()->Table().has_value());
        QCOMPARE(Window()->Table()->table.state, StateMaxLoad);
        QCOMPARE(Ui().summary->text(),
                 "Reduced span l_r = 153.23 m, initial state 3 (maximum load), wire АС 70/11.");
        // Rows: the five spans, l_r, the force; columns: No., span, −40 … 40 °C.
        QCOMPARE(Ui().resultTable->rowCount(), 7);
        QCOMPARE(Ui().resultTable->columnCount(), 11);
        QCOMPARE(Ui().resultTable->horizontalHeaderItem(2)->text(), "-40 °C");
        QCOMPARE(Cell(0, 2), "1.74");
        QCOMPARE(Cell(5, 0), "l_r");
        QCOMPARE(Cell(5, 1), "153.23");
        QCOMPARE(Cell(5, 2), "2.84");
        QCOMPARE(Cell(6, 0), "Tensile force T, daN");
        QCOMPARE(Cell(6, 2), "285.6");
        QVERIFY(Ui().copyButton->isEnabled() && Ui().printButton->isEnabled());

        // The plot: a line per span and one for l_r, axes with titles and units.
        QChart *chart = Ui().chartView->chart();
        QCOMPARE(chart->series().size(), 6);
        const auto first = static_cast<QLineSeries *>(chart->series().front());
        QCOMPARE(first->name(), "Span 1, 120 m");
        QCOMPARE(first->count(), 9);
        QVERIFY(qAbs(first->at(0).y() - 1.7399) < 5e-5);
        const auto x = qobject_cast<QValueAxis *>(chart->axes(Qt::Horizontal).value(0));
        const auto y = qobject_cast<QValueAxis *>(chart->axes(Qt::Vertical).value(0));
        QVERIFY(x && y);
        QCOMPARE(chart->axes().size(), 2);
        QCOMPARE(x->titleText(), "Air temperature, °C");
        QCOMPARE(y->titleText(), "Sag, m");
        QVERIFY(x->min() <= -40 && x->max() >= 40);
        QVERIFY(y->min() == 0 && y->max() >= 6.2045);
    }

    void unitsAndLanguageFollowTheProgram()
    {
        // As the units and language dialogs leave the main window.
        Window()->hide();
        Program().SetUnits(1);
        Program().SetLanguage(1);
        Main()->ApplyLanguage();
        Main()->ProjectToForm();
        Window()->show();
        QCOMPARE(Main()->findChild<QAction *>("ActStringing")->text(), "Монтажные таблицы");
        QCOMPARE(Window()->windowTitle(), "Монтажные таблицы");
        QCOMPARE(Ui().addButton->text(), "Добавить");
        QCOMPARE(Cell(6, 0), "Тяжение T, кН");
        QCOMPARE(Cell(6, 2), "2.856");
        QCOMPARE(Cell(5, 0), "l_пр");
        QCOMPARE(Ui().chartView->chart()->axes(Qt::Vertical).value(0)->titleText(),
                 "Стрела провеса, м");
    }

    // A change in the main window (here the maximum permissible stress) reaches the open
    // window's table at once, and the copied and printed table, not only the next edit; an
    // input that cannot be taken is said in the window, with no box in the middle of typing.
    void theTableFollowsTheMainWindow()
    {
        ScriptedPrompts prompts;
        const double before = Window()->Table()->table.tension[0];
        QVERIFY(Window()->isVisible());
        Main()->findChild<DecimalField *>("Tols")->setValue(-5);
        QVERIFY(!Window()->Table().has_value());
        QVERIFY(Window()->Refusal().contains("Ice thickness"));
        QVERIFY(prompts.asked.isEmpty());
        Main()->findChild<DecimalField *>("Tols")->setValue(20);
        QVERIFY(Window()->Table().has_value());
        Main()->findChild<DecimalField *>("Napr_Max")->setValue(10);
        QVERIFY(Window()->Table()->table.tension[0] < before);
        Window()->CopyClick();
        QVERIFY(Window()->Table()->table.tension[0] < before);
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(lines[7].split('\t')[2],
                 QString::number(Window()->Table()->table.tension[0], 'f', 1));
    }

    // Cells of a spreadsheet column or of a text go in from the current row on, with "," or "."
    // as the point; the section takes them and the main window shows the modified mark.
    void pastedNumbersReplaceFromTheCurrentRow()
    {
        ScriptedPrompts prompts;
        prompts.yesNo = {true, true, true}; // each paste is shown as read and taken
        QVERIFY(!Main()->isWindowModified());
        Ui().spansEditor->setCurrentCell(1, 0);
        Window()->PasteSpans("200\t\r\n210,5\r\n");
        QCOMPARE(Section().Spans, (std::vector<double> {120, 200, 210.5, 160, 135}));
        QCOMPARE(Ui().spansEditor->Texts(), (QStringList {"120", "200", "210,5", "160", "135"}));
        QVERIFY(Main()->isWindowModified());
        QVERIFY(Window()->Table().has_value());
        QCOMPARE(Window()->Table()->section.Spans, Section().Spans);

        // From the empty last row: the pasted spans are added; Ctrl+V asks the clipboard.
        Ui().spansEditor->setCurrentCell(5, 0);
        QGuiApplication::clipboard()->setText("300\n310");
        QTest::keyClick(Ui().spansEditor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Section().Spans, (std::vector<double> {120, 200, 210.5, 160, 135, 300, 310}));
        QCOMPARE(prompts.Kinds(), (QStringList {"Question", "Question"}));

        // Spans put back as they were by a paste of their own: a step all the same, so the
        // mark stays; undone step by step to the saved state, the mark goes.
        Ui().spansEditor->SetTexts({});
        Ui().spansEditor->setCurrentCell(0, 0);
        prompts.yesNo = {true};
        Window()->PasteSpans("120 150 180 160 135");
        QCOMPARE(Section().Spans, (std::vector<double> {120, 150, 180, 160, 135}));
        QVERIFY(Main()->isWindowModified());
        QAction *undo = Main()->findChild<QAction *>("ActUndo");
        while (undo->isEnabled())
            undo->trigger();
        QCOMPARE(Section().Spans, (std::vector<double> {120, 150, 180, 160, 135}));
        QVERIFY(!Main()->isWindowModified());
    }

    // A paste is one step of the document: undo gives back the spans, in the section and in
    // the window's list; redo takes the paste again.
    void spanEditsAreUndoneThroughTheDocument()
    {
        ScriptedPrompts prompts;
        prompts.yesNo = {true};
        const std::vector<double> before = Section().Spans;
        const QStringList shown = Ui().spansEditor->Texts();
        Ui().spansEditor->setCurrentCell(1, 0);
        Window()->PasteSpans("200");
        QCOMPARE(Section().Spans.at(1), 200.0);
        Main()->Document().UndoStack()->undo();
        QCOMPARE(Section().Spans, before);
        QCOMPARE(Ui().spansEditor->Texts(), shown);
        QVERIFY(!Main()->isWindowModified());
        Main()->Document().UndoStack()->redo();
        QCOMPARE(Section().Spans.at(1), 200.0);
        QCOMPARE(Ui().spansEditor->Texts().at(1), "200");
        QVERIFY(Main()->isWindowModified());
    }

    void aSpanThatIsNoNumberStaysAsTypedAndIsNamed_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("blocked");
        QTest::newRow("English")
            << 0 << "Span 3 of anchor section \"Анкерный участок 1\": \"18o\" is not a number"
            << "Correct the spans of this section first:\n";
        QTest::newRow("Russian")
            << 1 << "Пролёт 3 анкерного участка «Анкерный участок 1»: «18o» — не число"
            << "Сначала исправьте пролёты этого участка:\n";
    }
    void aSpanThatIsNoNumberStaysAsTypedAndIsNamed()
    {
        QFETCH(int, language);
        QFETCH(QString, refusal);
        QFETCH(QString, blocked);
        Program().SetLanguage(language);
        Window()->hide();
        Window()->show();
        ScriptedPrompts prompts;
        Main()->CurProject.Sections.Add(TSection {"Второй", {300}});
        Window()->ProjectReplaced();

        TypeSpan(2, "18o");
        QCOMPARE(prompts.Kinds(), QStringList {"Error"});
        QCOMPARE(prompts.Last("Error"), refusal);
        QCOMPARE(Window()->Refusal(), refusal);
        QCOMPARE(Ui().message->text(), refusal);
        QCOMPARE(Ui().spansEditor->item(2, 0)->text(), "18o");
        QCOMPARE(Ui().spansEditor->MarkedRow(), 2);
        QCOMPARE(Section().Spans, (std::vector<double> {120, 150, 180, 160, 135}));
        QVERIFY(!Window()->Table().has_value());
        QCOMPARE(Ui().resultTable->rowCount(), 0);
        QVERIFY(!Ui().copyButton->isEnabled());

        // Another edit while it stands tells it no more; the section cannot be left.
        TypeSpan(0, "125");
        QCOMPARE(prompts.asked.size(), 1);
        QCOMPARE(Section().Spans[0], 120.0); // still the spans before "18o"
        Ui().sectionList->setCurrentRow(1);
        QCOMPARE(Window()->CurrentSection(), 0);
        QCOMPARE(Ui().sectionList->currentRow(), 0);
        QCOMPARE(prompts.Last("Error"), blocked + refusal);
        Window()->AddClick();
        Window()->ExportClick();
        QCOMPARE(Main()->CurProject.Sections.Count(), 2);
        QCOMPARE(prompts.Kinds(), (QStringList {"Error", "Error", "Error", "Error"}));
        Window()->hide();
        Window()->show();
        QCOMPARE(Ui().spansEditor->item(2, 0)->text(), "18o"); // kept while the window was away

        TypeSpan(2, "180");
        QCOMPARE(Section().Spans, (std::vector<double> {125, 150, 180, 160, 135}));
        QVERIFY(Window()->Table().has_value());
        QCOMPARE(Ui().spansEditor->MarkedRow(), -1);
        QCOMPARE(Ui().message->text(), QString());
        QCOMPARE(prompts.asked.size(), 4);
    }

    // Numbers outside the limits stay in the section (nothing typed is lost) and are refused
    // with the message naming their position and value; the section has no table meanwhile.
    void spansOutsideTheLimitsAreRefusedByPosition_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("refusal");
        const QString of = QStringLiteral(" of anchor section \"Анкерный участок 1\" is ");
        QTest::newRow("above 2000 m")
            << "2500" << 2 << "Span 3" + of + "2500 m; a span must be above 0 and at most 2000 m";
        QTest::newRow("zero") << "0" << 0
                              << "Span 1" + of + "0 m; a span must be above 0 and at most 2000 m";
        QTest::newRow("negative, decimal comma")
            << "-12,5" << 4 << "Span 5" + of + "-12.5 m; a span must be above 0 and at most 2000 m";
    }
    void spansOutsideTheLimitsAreRefusedByPosition()
    {
        QFETCH(QString, typed);
        QFETCH(int, row);
        QFETCH(QString, refusal);
        ScriptedPrompts prompts;
        TypeSpan(row, typed);
        QCOMPARE(prompts.Kinds(), QStringList {"Error"});
        QCOMPARE(prompts.Last("Error"), refusal);
        QCOMPARE(Ui().spansEditor->MarkedRow(), row);
        QCOMPARE(Section().Spans[static_cast<std::size_t>(row)], ReadDecimal(typed).value());
        QVERIFY(Main()->isWindowModified());
        QVERIFY(!Window()->Table().has_value());

        // The spreadsheet is not written while a section is refused.
        Window()->ExportClick();
        QCOMPARE(prompts.Kinds(), (QStringList {"Error", "Error"}));
        QCOMPARE(prompts.Last("Error"), refusal);
    }

    void aPasteBeyond200SpansChangesNothing()
    {
        ScriptedPrompts prompts;
        QString many;
        for (int i = 0; i < 198; ++i)
            many += "100\n";
        Ui().spansEditor->setCurrentCell(4, 0);
        Window()->PasteSpans(many);
        QCOMPARE(prompts.Last("Error"),
                 "There are 202 spans in anchor section \"Анкерный участок "
                 "1\"; at most 200 are allowed");
        QCOMPARE(Ui().spansEditor->Texts().size(), 5);
        QCOMPARE(Section().Spans.size(), 5u);
        // A paste with a text that is no number: it stays where it went, named.
        Ui().spansEditor->setCurrentCell(5, 0);
        prompts.yesNo = {true};
        Window()->PasteSpans("170\nabc\n");
        QCOMPARE(prompts.Last("Error"),
                 "Span 7 of anchor section \"Анкерный участок 1\": \"abc\" is not a number");
        QCOMPARE(Ui().spansEditor->item(6, 0)->text(), "abc");
    }

    void temperaturesAreTakenAndRefused()
    {
        ScriptedPrompts prompts;
        Ui().fromField->setValue(40);
        QCOMPARE(Section().TFrom, 40.0);
        QCOMPARE(prompts.Last("Error"),
                 "The first stringing temperature of anchor section "
                 "\"Анкерный участок 1\" (40 °C) must be below the last "
                 "(40 °C)");
        QVERIFY(!Window()->Table().has_value());
        Ui().toField->setValue(50);
        Ui().stepField->setValue(5);
        QCOMPARE(prompts.asked.size(), 1);
        QVERIFY(Window()->Table().has_value());
        QCOMPARE(Window()->Table()->table.temperatures, (std::vector<double> {40, 45, 50}));
        QCOMPARE(Ui().resultTable->horizontalHeaderItem(4)->text(), "50 °C");
        QVERIFY(Main()->isWindowModified());
    }

    void sectionsAreAddedRenamedDuplicatedAndDeleted()
    {
        ScriptedPrompts prompts;
        Window()->AddClick();
        QCOMPARE(Main()->CurProject.Sections.Count(), 2);
        QCOMPARE(Section(1).Name, "Anchor section 2");
        QCOMPARE(Window()->CurrentSection(), 1);
        QCOMPARE(Ui().spansEditor->Texts(), QStringList());
        QCOMPARE(Window()->Refusal(),
                 "The spans of anchor section \"Anchor section 2\" are not given");
        QVERIFY(Main()->isWindowModified());
        QVERIFY(prompts.asked.isEmpty()); // a new section is not yet a mistake

        QString offered;
        int maxLength = 0;
        prompts.dialogs = {[&](QDialog &dialog) {
            auto &names = static_cast<TSectionNameDialog &>(dialog);
            offered = names.NameField()->text();
            maxLength = names.NameField()->maxLength();
            names.NameField()->setText("Переход");
            return Accept(dialog);
        }};
        Window()->RenameClick();
        QCOMPARE(offered, "Anchor section 2");
        QCOMPARE(maxLength, MaxSectionNameLength);
        QCOMPARE(Section(1).Name, "Переход");
        QCOMPARE(Ui().sectionList->item(1)->text(), "Переход");
        QCOMPARE(Window()->Refusal(), "The spans of anchor section \"Переход\" are not given");
        prompts.dialogs = {Reject};
        Window()->RenameClick();
        QCOMPARE(Section(1).Name, "Переход");
        // A name the project file cannot hold is refused in the dialog, naming the characters.
        prompts.dialogs = {[&](QDialog &dialog) {
            auto &names = static_cast<TSectionNameDialog &>(dialog);
            names.NameField()->setText("Переход ✓");
            names.accept();
            return Reject(dialog);
        }};
        Window()->RenameClick();
        QCOMPARE(Section(1).Name, "Переход");
        QVERIFY2(prompts.Last("Error").contains("the characters ✓ cannot be stored"),
                 qPrintable(prompts.Last("Error")));

        prompts.yesNo = {true};
        Window()->PasteSpans("480");
        Window()->DuplicateClick();
        QCOMPARE(Main()->CurProject.Sections.Count(), 3);
        QCOMPARE(Section(2).Name, "Переход (copy)");
        QCOMPARE(Section(2).Spans, (std::vector<double> {480}));
        QCOMPARE(Window()->CurrentSection(), 2);
        QVERIFY(Window()->Table().has_value());

        prompts.yesNo = {false, true, true};
        Window()->DeleteClick();
        QCOMPARE(Main()->CurProject.Sections.Count(), 3);
        QCOMPARE(prompts.Last("WarningYesNo"),
                 "Are you sure you would like to delete the anchor section \"Переход (copy)\"?");
        Window()->DeleteClick();
        QCOMPARE(Window()->CurrentSection(), 1);
        Window()->DeleteClick();
        QCOMPARE(Main()->CurProject.Sections.Count(), 1);
        QCOMPARE(Ui().sectionList->currentItem()->text(), ExampleName);
        // Back to the sections as saved, by steps of their own: the mark shows the undo
        // stack's clean state, so it stays until the steps are undone.
        QVERIFY(Main()->isWindowModified());

        prompts.yesNo = {true};
        Window()->DeleteClick();
        QCOMPARE(Main()->CurProject.Sections.Count(), 0);
        QCOMPARE(Window()->Refusal(),
                 "The project has no anchor sections: add one to calculate "
                 "its stringing table.");
        QVERIFY(!Ui().renameButton->isEnabled() && !Ui().deleteButton->isEnabled());
        QVERIFY(!Ui().spansGroup->isEnabled() && !Ui().exportButton->isEnabled());
        QVERIFY(Main()->isWindowModified());
    }

    void aNewProjectEmptiesTheWindow()
    {
        ScriptedPrompts prompts;
        Main()->ActNewProject();
        QCOMPARE(Ui().sectionList->count(), 0);
        QCOMPARE(Window()->CurrentSection(), -1);
        QVERIFY(!Window()->Table().has_value());
    }

    void spansAreImportedFromATextFile()
    {
        ScriptedPrompts prompts;
        const QString csv = m_dir.filePath("spans.csv");
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBFSpan, m;\r\n100,5;\r\n200;\r\n");
        file.close();
        prompts.fileNames = {csv};
        prompts.yesNo = {true};
        Window()->ImportClick();
        QCOMPARE(Section().Spans, (std::vector<double> {100.5, 200}));
        QCOMPARE(prompts.Kinds(), (QStringList {"Open", "Question"}));
        QCOMPARE(prompts.lastFileDialog.title, "Spans from a CSV or text file");

        const QString empty = m_dir.filePath("empty.txt");
        QFile(empty).open(QIODevice::WriteOnly);
        const QString large = m_dir.filePath("large.txt");
        QFile big(large);
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write(QByteArray(qsizetype(TFormStringing::MaxSpansFileBytes) + 1, '1'));
        big.close();
        prompts.fileNames = {empty, large, m_dir.filePath("missing.txt")};
        Ui().importButton->click();
        QCOMPARE(prompts.Last("Error"), "The file \"" + empty + "\" holds no spans.");
        Ui().importButton->click();
        QCOMPARE(prompts.Last("Error"),
                 "Cannot open file \"" + large
                     + "\". It is larger than 1 MB, the most it may hold.");
        Ui().importButton->click();
        QVERIFY(prompts.Last("Error").startsWith("Cannot open file \""));
        QCOMPARE(Section().Spans, (std::vector<double> {100.5, 200}));
    }

    // A pipe with no writer would hold an open that waits for one for ever, and a device
    // may never end: both are refused at once, unread. A file that does not open is told in
    // the program's language.
    void aSpansPipeIsRefusedUnread()
    {
        ScriptedPrompts prompts;
        const QString pipe = m_dir.filePath("spans.pipe");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        prompts.fileNames = {pipe, QStringLiteral("/dev/zero")};
        Ui().importButton->click();
        QCOMPARE(prompts.Kinds(), (QStringList {"Open", "Error"}));
        QCOMPARE(prompts.Last("Error"),
                 "Cannot open file \"" + pipe
                     + "\". It is not a regular file but a pipe or a device.");
        Ui().importButton->click();
        QVERIFY(prompts.Last("Error").endsWith("It is not a regular file but a pipe or a device."));

        Program().SetLanguage(1);
        const QString missing = m_dir.filePath("missing.txt");
        prompts.fileNames = {missing};
        Ui().importButton->click();
        QVERIFY2(prompts.Last("Error").startsWith("Не удалось открыть файл «" + missing + "». "),
                 qPrintable(prompts.Last("Error")));
        QCOMPARE(Section().Spans, (std::vector<double> {120, 150, 180, 160, 135}));
    }

    void exportWritesTheTablesOfEverySection_data()
    {
        QTest::addColumn<int>("units");
        QTest::addColumn<QString>("stressCaption");
        QTest::addColumn<double>("stressFactor");
        QTest::newRow("daN") << 0 << "Stress σ, daN/mm²" << 1.0;
        QTest::newRow("N/kN") << 1 << "Stress σ, N/mm²" << 10.0;
    }
    void exportWritesTheTablesOfEverySection()
    {
        QFETCH(int, units);
        QFETCH(QString, stressCaption);
        QFETCH(double, stressFactor);
        if (!QFile::exists(ApplicationDir() + "Forms/FormStringing_en.xls"))
            QSKIP("the forms are not built beside the program");
        Program().SetUnits(units);
        Main()->ApplyUnits();
        Main()->ProjectToForm();
        ScriptedPrompts prompts;
        Main()->CurProject.Sections.Add(TSection {"Второй", {300, 320}});
        Main()->Document().SetFileName(m_dir.filePath("Line 5.vlp"));
        const QString out = m_dir.filePath("tables.xls");
        prompts.fileNames = {out};
        Window()->ExportClick();
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "OpenDocument"}));
        QCOMPARE(prompts.lastFileDialog.title, "Stringing tables to an Excel file");
        QCOMPARE(prompts.lastFileDialog.fileName, "Line 5 - Stringing tables.xls");
        QCOMPARE(prompts.Last("OpenDocument"), out);

        const xls::Workbook book = xls::Workbook::Load(out.toStdString());
        const xls::Worksheet &sheet = book.Sheet(0);
        QCOMPARE(QString::fromStdString(sheet.Value(6, 0)->text), stressCaption);
        QCOMPARE(sheet.Value(0, 3)->text, "АС 70/11");
        QCOMPARE(QString::fromStdString(sheet.Value(3, 3)->text), ExampleName);
        const StringingTable &t = Window()->Table()->table;
        QCOMPARE(sheet.Value(6, 2)->number, stressFactor * t.stress[0]);
        QCOMPARE(sheet.Value(10, 2)->number, t.sags[0][0]);
        // The second block, after the five spans and the empty row.
        QCOMPARE(sheet.Value(3 + 8 + 5, 3)->text, "Второй");
        QCOMPARE(sheet.Value(3 + 8 + 5 + 8, 1)->number, 320.0);

        // A section without a table is refused by name before a file is asked for, and shown.
        Main()->CurProject.Sections.Add(TSection {"Пустой", {}});
        Window()->ExportClick();
        QCOMPARE(prompts.Kinds().last(), "Error");
        QCOMPARE(prompts.Last("Error"), "The spans of anchor section \"Пустой\" are not given");
        QCOMPARE(Window()->CurrentSection(), 2);
    }

    // Another running copy switched the stored units to N/kN; this one still shows daN. Its
    // export writes the daN form with daN numbers, as its window shows them.
    void exportFollowsTheUnitsInForceNotTheStore()
    {
        if (!QFile::exists(ApplicationDir() + "Forms/FormStringing_en.xls"))
            QSKIP("the forms are not built beside the program");
        m_store.Write("Units", "1");
        ScriptedPrompts prompts;
        const QString out = m_dir.filePath("tables.xls");
        prompts.fileNames = {out};
        Window()->ExportClick();
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "OpenDocument"}));
        const xls::Workbook book = xls::Workbook::Load(out.toStdString());
        const xls::Worksheet &sheet = book.Sheet(0);
        QCOMPARE(QString::fromStdString(sheet.Value(6, 0)->text), "Stress σ, daN/mm²");
        QCOMPARE(sheet.Value(6, 2)->number, Window()->Table()->table.stress[0]);
        QCOMPARE(Cell(6, 0), "Tensile force T, daN");
    }

    // The maximum wind blowing at the minimum temperature, without ice: a section strung from
    // the minimum temperature (state 2) goes above σmax = 13 daN/mm² in mode 3 at its l_r.
    void aStateBeyondAPermissibleStressIsMarked()
    {
        QVERIFY(Window()->Table().has_value());
        QVERIFY(Ui().overLimit->isHidden());
        Main()->CurProject.Dat.Tols = 0;
        Main()->CurProject.Dat.Tvmax = -40;
        Main()->ProjectToForm();
        Section().Spans = {150};
        Window()->ProjectReplaced();
        QVERIFY(Window()->Table().has_value());
        QCOMPARE(Window()->Table()->table.state, StateMinTemp);
        QVERIFY(Ui().overLimit->isVisible());
        QCOMPARE(Ui().overLimit->text(),
                 "⚠ From state 2 the wire goes above the permissible stress at l_r (see the "
                 "tooltip).");
        const QStringList tip = Ui().overLimit->toolTip().split('\n');
        QVERIFY2(tip.front().startsWith("Mode 3: ") && tip.front().endsWith(" > 13.000 daN/mm²"),
                 qPrintable(tip.front()));
        // The stress is above the limit in the units shown, N/mm² after a switch.
        QVERIFY(tip.front().section(' ', 2, 2).toDouble() > 13.0001);
        Program().SetUnits(1);
        Main()->ApplyUnits();
        Main()->ProjectToForm();
        Window()->ProjectReplaced();
        QVERIFY(Ui().overLimit->toolTip().startsWith("Mode 3: "));
        QVERIFY(Ui().overLimit->toolTip().contains(" > 130.000 N/mm²"));
        // The wind back at the ice temperature: nothing is marked.
        Main()->CurProject.Dat.Tvmax = -5;
        Main()->ProjectToForm();
        Window()->ProjectReplaced();
        QVERIFY(Window()->Table().has_value());
        QVERIFY(Ui().overLimit->isHidden());
    }

    // The window prepares its calculation as every other caller: a catalogue wire with a
    // section below 0 is refused by name, worded as the results pane words it.
    void aWireTheCalculationCannotUseIsRefused()
    {
        Program().Catalogue().Clear();
        TWireRec broken = ShippedAc70Wire();
        broken.Sech = -1;
        Program().Catalogue().Add(broken);
        Window()->ProjectReplaced();
        QVERIFY(!Window()->Table().has_value());
        QCOMPARE(Window()->Refusal(),
                 "Error data entry!\nThe wire \"АС 70/11\": cross-section -1 — must be greater "
                 "than 0");
        QCOMPARE(Ui().message->text(), Window()->Refusal());
        // A name typed on a Latin keyboard: the nearest catalogue name is offered.
        Main()->findChild<QLineEdit *>("Provod")->setText("AC 70/11");
        Window()->ProjectReplaced();
        QCOMPARE(Window()->Refusal(),
                 "The wire \"AC 70/11\" is not in the reference catalog. Did you mean "
                 "\"АС 70/11\"?");
    }

    void anUnwritableFileIsTold()
    {
        ScriptedPrompts prompts;
        prompts.fileNames = {m_dir.filePath("no folder/tables.xls")};
        Ui().exportButton->click();
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "Error"}));
        QVERIFY(prompts.Last("Error").contains("tables.xls"));
    }

    void copyPutsTheTableWithItsHeadingsOnTheClipboard()
    {
        Window()->CopyClick();
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 1 + 7 + 1); // heading, rows, the empty text after the last break
        QCOMPARE(lines[0],
                 "No.\tSpan, m\t-40 °C\t-30 °C\t-20 °C\t-10 °C\t0 °C\t10 °C\t20 °C\t30 "
                 "°C\t40 °C");
        QVERIFY(lines[1].startsWith("1\t120\t1.74\t"));
        QVERIFY(lines[6].startsWith("l_r\t153.23\t2.84\t"));
        QVERIFY(lines[7].startsWith("Tensile force T, daN\t\t285.6\t"));
        QCOMPARE(lines[7].count('\t'), 10);
    }

    void printGoesThroughThePrintDialog()
    {
        ScriptedPrompts prompts;
        const QString pdf = m_dir.filePath("table.pdf");
        prompts.dialogs = {[&](QDialog &dialog) {
            QPrinter *printer = static_cast<QPrintDialog &>(dialog).printer();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            dialog.done(QDialog::Accepted);
            return dialog.result();
        }};
        Window()->PrintClick();
        QCOMPARE(prompts.Last("Exec"), "PrintDialog");
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 2); // table, plot

        prompts.dialogs = {Reject};
        QFile::remove(pdf);
        Window()->PrintClick();
        QVERIFY(!QFile::exists(pdf));
    }

    // VELMORA_SCREENSHOT_DIR names a folder (scripts/screenshots_windows.sh, under Xvfb): the
    // window with a refused span, in both languages.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOT_DIR");
        if (folder.isEmpty())
            QSKIP("VELMORA_SCREENSHOT_DIR is not set");
        for (int language : {0, 1}) {
            ScriptedPrompts prompts;
            Program().SetLanguage(language);
            Window()->ProjectReplaced();
            Window()->hide();
            Window()->show();
            QVERIFY(QTest::qWaitForWindowExposed(Window()));
            TypeSpan(2, "18o");
            QTest::qWait(150);
            QVERIFY(Window()->grab().save(folder + "/stringing_refused_"
                                          + (language == 0 ? "en" : "ru") + ".png"));
            TypeSpan(2, "180");
        }
    }
};

VELMORA_GUI_TEST_MAIN(StringingWindowTest)
#include "test_stringing_window.moc"
