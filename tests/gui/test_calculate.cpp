#include "guitest.h"

#include "catalogue/catalogue.h"
#include "common/error.h"
#include "gui/formmain.h"
#include "gui/formwait.h"
#include "gui/numberfields.h"
#include "gui/platform.h"
#include "l10n/localization.h"
#include "l10n/units.h"
#include "xls/workbook.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace velmora;
using namespace velmora::test;

namespace {

TFormMain *Main()
{
    return Windows().FormMain;
}

template<typename Field> Field *FieldNamed(const char *name)
{
    auto *field = Main()->findChild<Field *>(QString::fromLatin1(name));
    if (!field)
        qFatal("no field %s", name);
    return field;
}

void Calculate()
{
    Main()->findChild<QAction *>("ActCalcProject")->trigger();
}

bool FormsBuilt()
{
    return QFile::exists(ApplicationDir() + "Forms/FormMech_en.xls");
}

} // namespace

class CalculateTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_program = StartInEnglish(m_store);
        // The catalogue window reads the catalogue when it is made; the test's wire follows.
        CreateAppWindows(Program());
        Program().Catalogue().Clear();
        TWireRec wire;
        wire.Group = 1;
        wire.Name = "АС 150/24";
        wire.Diam = 17.1;
        wire.Sech = 150;
        wire.PNag = 0.6;
        wire.Modl = 8250;
        wire.Koef = 1.92e-5;
        Program().Catalogue().Add(wire);
        Main()->show();
        FieldNamed<QLineEdit>("Provod")->setText("АС 150/24");
        m_calls = 0;
        Main()->SetCalcDriver([this](const TProject &, const PreparedCalculation &prepared) {
            ++m_calls;
            m_args = prepared.args;
            return std::optional<CalcResults>(CalcResults {});
        });
    }
    void cleanup()
    {
        DestroyAppWindows();
        Program().Catalogue().Clear();
        m_program.reset();
    }

    // The message names the wire, and the catalogue's name when only blanks, case or Latin
    // look-alikes of Cyrillic letters differ; the wire's field takes the focus.
    void aWireMissingFromTheCatalogueIsRefused_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("hint");
        const QString near = " Did you mean \"АС 150/24\"?";
        QTest::newRow("unknown") << "АС 999/1"
                                 << " Enter it into the reference catalog first.";
        QTest::newRow("letter case") << "ас 150/24" << near;
        QTest::newRow("trailing blank") << "АС 150/24 " << near;
        QTest::newRow("Latin look-alikes") << "AC 150/24" << near;
    }
    void aWireMissingFromTheCatalogueIsRefused()
    {
        QFETCH(QString, typed);
        QFETCH(QString, hint);
        ScriptedPrompts prompts;
        FieldNamed<QLineEdit>("Provod")->setText(typed);
        Calculate();
        QCOMPARE(prompts.Kinds(), QStringList {"Error"});
        QCOMPARE(prompts.Last("Error"),
                 "The wire \"" + typed + "\" is not in the reference catalog." + hint);
        QCOMPARE(m_calls, 0);
        QCOMPARE(Main()->focusWidget(), FieldNamed<QLineEdit>("Provod"));
    }

    void coefficientsBelowTheStandardAsk()
    {
        ScriptedPrompts prompts;
        Main()->CurProject.Koef.V_Otv = 0.9;
        prompts.yesNo = {false};
        Calculate();
        QCOMPARE(prompts.Kinds(), QStringList {"Question"});
        QCOMPARE(prompts.Last("Question"), "The loads are lower than standard ones, contunue?");
        QCOMPARE(m_calls, 0);

        prompts.yesNo = {true};
        Calculate();
        QCOMPARE(m_calls, 1);

        // Products of exactly 1 ask nothing.
        prompts.asked.clear();
        Main()->CurProject.Koef.V_Otv = 1;
        Calculate();
        QVERIFY(prompts.asked.isEmpty());
        QCOMPARE(m_calls, 2);
    }

    void spanSteps_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("error"); // empty: the calculation runs
        const QString tooMany = "One calculation should not be performed for more than 600 "
                                "researched spans.";
        QTest::newRow("600 steps pass") << 10 << 6010 << 10 << QString();
        QTest::newRow("667 steps") << 10 << 6010 << 9 << tooMany;
        // The window shows the core's refusal text itself (SpanRangeRefusal).
        QTest::newRow("step 0") << 10 << 100 << 0
                                << "The change step of the spans must be greater than 0.";
        QTest::newRow("negative step")
            << 10 << 100 << -10 << "The change step of the spans must be greater than 0.";
        QTest::newRow("minimum above maximum")
            << 100 << 40 << 10 << "The minimum span must not be greater than the maximum span.";
        // A range of one span would report empty tables.
        const QString oneSpan = "Error data entry!\nA calculation needs at least two spans: the "
                                "maximum span must exceed the minimum by at least one change "
                                "step.";
        QTest::newRow("minimum = maximum") << 50 << 50 << 10 << oneSpan;
        QTest::newRow("step beyond the range") << 10 << 19 << 10 << oneSpan;
        QTest::newRow("two spans") << 10 << 20 << 10 << QString();
    }
    void spanSteps()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, step);
        QFETCH(QString, error);
        ScriptedPrompts prompts;
        FieldNamed<IntegerField>("Min_Prol")->setValue(minimum);
        FieldNamed<IntegerField>("Max_Prol")->setValue(maximum);
        FieldNamed<IntegerField>("Shag")->setValue(step);
        Calculate();
        if (error.isEmpty()) {
            QVERIFY(prompts.asked.isEmpty());
            QCOMPARE(m_calls, 1);
            QCOMPARE(m_args.Min, double(minimum));
            QCOMPARE(m_args.Max, double(maximum));
            QCOMPARE(m_args.Step, double(step));
        } else {
            QCOMPARE(prompts.Kinds(), QStringList {"Error"});
            QCOMPARE(prompts.Last("Error"), error);
            QCOMPARE(m_calls, 0);
        }
    }

    // A whole-number field keeps "2,5" as typed, through Enter and a change of focus; it is
    // marked with a note that stays, its value is not taken, and Calculate names it. An
    // emptied field, whole or decimal, holds no value either: never 0.
    void aFieldWithoutAValueStaysAsTypedAndIsNamed_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("error");
        QTest::newRow("comma in the step") << "Shag"
                                           << "2,5"
                                           << "whole metres only"
                                           << "\"Change step\": whole metres only.";
        QTest::newRow("point in the maximum") << "Max_Prol"
                                              << "2.5"
                                              << "whole metres only"
                                              << "\"Maximum\": whole metres only.";
        QTest::newRow("emptied minimum") << "Min_Prol"
                                         << ""
                                         << "a value is needed"
                                         << "\"Minimum\": a value is needed.";
        QTest::newRow("emptied ice wall") << "Tols"
                                          << ""
                                          << "a value is needed"
                                          << "\"Ice thickness\": a value is needed.";
        QTest::newRow("sign only") << "T_Max"
                                   << "-"
                                   << "a number is needed"
                                   << "\"Maximum temperature\": a number is needed.";
    }
    void aFieldWithoutAValueStaysAsTypedAndIsNamed()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, note);
        QFETCH(QString, error);
        ScriptedPrompts prompts;
        const TDAT before = Main()->CurProject.Dat;
        auto *box = FieldNamed<QAbstractSpinBox>(field.toLatin1().constData());
        auto *noteLabel = FieldNamed<QLabel>(("Note_" + field).toLatin1().constData());
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
        FieldNamed<QLineEdit>("Provod")->setFocus();
        QCOMPARE(box->text(), typed);
        QVERIFY(!noteLabel->isHidden());
        QCOMPARE(noteLabel->text(), note);
        QVERIFY(Main()->CurProject.Dat == before); // no value taken

        Calculate();
        QCOMPARE(prompts.Kinds(), QStringList {"Error"});
        QCOMPARE(prompts.Last("Error"), error);
        QCOMPARE(m_calls, 0);
        QCOMPARE(Main()->focusWidget(), box);
        QCOMPARE(box->text(), typed); // the note stays until the text is fixed
        QVERIFY(!noteLabel->isHidden());

        box->selectAll();
        QTest::keyClicks(box, "50");
        QVERIFY(noteLabel->isHidden());
        Calculate();
        QCOMPARE(m_calls, 1);
    }

    // The stress page and the force page are one input: typing a force shows its stress and
    // the other way round, and the calculation gets the same numbers from either page.
    void theTensionPagesAreOneInput()
    {
        ScriptedPrompts prompts;
        auto *pages = Main()->findChild<QTabWidget *>("PcNapr");
        auto retype = [](const char *name, const QString &text) {
            auto *field = FieldNamed<DecimalField>(name);
            field->selectAll();
            QTest::keyClicks(field, text);
        };
        // 150 mm²: 1 350 daN is 9 daN/mm², 4 daN/mm² is 600 daN.
        pages->setCurrentIndex(1);
        retype("Tag_Max", "1350");
        QCOMPARE(FieldNamed<DecimalField>("Napr_Max")->text(), "9");
        pages->setCurrentIndex(0);
        retype("Napr_srg", "4,1");
        QCOMPARE(FieldNamed<DecimalField>("Tag_Srg")->text(), "615");
        retype("Napr_Max", "0.3");
        QCOMPARE(FieldNamed<DecimalField>("Tag_Max")->text(), "45");

        // Exactly the same numbers (QCOMPARE of doubles would forgive a last digit).
        auto calculatedOn = [&](int page) {
            pages->setCurrentIndex(page);
            Calculate();
            return std::make_pair(m_args.NaprMax, m_args.NaprSrg);
        };
        const auto onStresses = calculatedOn(0);
        QVERIFY(onStresses == std::make_pair(0.3, 4.1));
        QVERIFY(calculatedOn(1) == onStresses);
        QVERIFY(calculatedOn(0) == onStresses);
        // In N/kN-based units the same: 4.1 daN/mm² is 41 N/mm², 615 daN 6.15 kN.
        Program().SetUnits(1);
        Main()->ApplyUnits();
        Main()->ProjectToForm();
        pages->setCurrentIndex(1);
        retype("Tag_Srg", "6.3");
        QCOMPARE(FieldNamed<DecimalField>("Napr_srg")->text(), "42");
        const auto onForces = calculatedOn(1);
        QCOMPARE(onForces.second, 4.2);
        QVERIFY(calculatedOn(0) == onForces);
        QVERIFY(prompts.asked.isEmpty());
        Program().SetUnits(0);
    }

    // A project file holds only the chosen pair; the other is derived when it is shown.
    void theOtherPairOfAFileIsDerived()
    {
        TProject project;
        project.Dat.Provod = "АС 150/24";
        project.Dat.NaprPage = 1;
        project.Dat.Napr_Max = project.Dat.Napr_srg = 0;
        project.Dat.Tag_Max = 1500;
        project.Dat.Tag_Srg = 600;
        Main()->CurProject.Assign(project);
        Main()->ProjectToForm();
        QCOMPARE(FieldNamed<DecimalField>("Napr_Max")->text(), "10");
        QCOMPARE(FieldNamed<DecimalField>("Napr_srg")->text(), "4");
    }

    // The program's own driver: a range of one span is refused before the report's save
    // dialog, so nothing is asked or written.
    void oneSpanIsRefusedBeforeTheReportIsAskedFor()
    {
        ScriptedPrompts prompts;
        Main()->SetCalcDriver(Main()->DefaultCalcDriver());
        FieldNamed<IntegerField>("Min_Prol")->setValue(100);
        FieldNamed<IntegerField>("Max_Prol")->setValue(100);
        Calculate();
        QCOMPARE(prompts.Kinds(), QStringList {"Error"});
        QVERIFY(prompts.Last("Error").contains("at least two spans"));

        Program().SetLanguage(1);
        Calculate();
        QCOMPARE(prompts.Last("Error"),
                 "Ошибка ввода данных!\nДля расчёта нужны хотя бы два пролёта: максимальный "
                 "пролёт должен превышать минимальный не меньше чем на шаг изменения.");
        QCOMPARE(prompts.Kinds(), (QStringList {"Error", "Error"}));
    }

    void negativeIceOrWindIsRefusedNamingTheField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("russian");
        QTest::newRow("ice wall") << "Tols"
                                  << "\"Ice thickness\""
                                  << "«Толщина стенки гололёда»";
        QTest::newRow("maximum wind") << "VMax"
                                      << "\"Maximum wind velocity\""
                                      << "«Максимальная скорость ветра»";
        QTest::newRow("wind with ice") << "Vgol"
                                       << "\"Wind velocity with ice\""
                                       << "«Скорость ветра при гололёде»";
    }
    void negativeIceOrWindIsRefusedNamingTheField()
    {
        QFETCH(QString, field);
        QFETCH(QString, english);
        QFETCH(QString, russian);
        ScriptedPrompts prompts;
        auto *typed = FieldNamed<DecimalField>(field.toLatin1().constData());
        typed->selectAll();
        QTest::keyClicks(typed, "-0,5");
        Calculate();
        QCOMPARE(prompts.Kinds(), QStringList {"Error"});
        QCOMPARE(prompts.Last("Error"),
                 "Error data entry!\n" + english + ": the value must not be negative.");
        QCOMPARE(m_calls, 0);
        // What was typed stays, ready to be corrected.
        QCOMPARE(typed->text(), "-0.5");
        QCOMPARE(Main()->focusWidget(), typed);

        Program().SetLanguage(1);
        Main()->ApplyLanguage();
        Calculate();
        QCOMPARE(prompts.Last("Error"),
                 "Ошибка ввода данных!\n" + russian + ": значение не может быть отрицательным.");

        // No wind and no ice are possible climates.
        typed->setValue(0);
        Calculate();
        QCOMPARE(m_calls, 1);
    }

    // In Russian the window shows the core's Russian texts, as velmora-calc --lang ru does.
    void refusalsFollowTheLanguage()
    {
        ScriptedPrompts prompts;
        Program().SetLanguage(1);
        FieldNamed<IntegerField>("Shag")->setValue(0);
        Calculate();
        QCOMPARE(prompts.Last("Error"), "Шаг изменения пролётов должен быть больше 0.");
        FieldNamed<QLineEdit>("Provod")->setText("АС 999/1");
        Calculate();
        QCOMPARE(prompts.Last("Error"),
                 "Провода «АС 999/1» нет в справочнике. Сначала введите его в справочник.");
        QCOMPARE(m_calls, 0);
    }

    void theDriverGetsTheFieldsAndTheStresses()
    {
        ScriptedPrompts prompts;
        FieldNamed<DecimalField>("T_Max")->setValue(35);
        FieldNamed<DecimalField>("Tols")->setValue(15);
        Calculate();
        QCOMPARE(m_args.T_Max, 35.0);
        QCOMPARE(m_args.Tols, 15.0);
        QCOMPARE(m_args.T_Min, -50.0);
        QCOMPARE(m_args.NaprMax, 9.0);
        QCOMPARE(m_args.NaprSrg, 4.0);
        QCOMPARE(Main()->CurProject.Dat.T_Max, 35.0);

        // Tensile forces over the cross-section: 1500 daN and 600 daN on 150 mm².
        Main()->findChild<QTabWidget *>("PcNapr")->setCurrentIndex(1);
        FieldNamed<DecimalField>("Tag_Max")->setValue(1500);
        FieldNamed<DecimalField>("Tag_Srg")->setValue(600);
        Calculate();
        QCOMPARE(m_args.NaprMax, 10.0);
        QCOMPARE(m_args.NaprSrg, 4.0);

        // In N/kN-based units the fields read kN; the driver still gets daN/mm².
        Program().SetUnits(1);
        Main()->ApplyUnits();
        Main()->ProjectToForm();
        QCOMPARE(FieldNamed<DecimalField>("Tag_Max")->text(), "15");
        Calculate();
        QCOMPARE(m_args.NaprMax, 10.0);
        QVERIFY(prompts.asked.isEmpty());
    }

    void anErrorOfTheDriverShowsItsTextUnderTheDataEntryMessage()
    {
        ScriptedPrompts prompts;
        Main()->SetCalcDriver(
            [](const TProject &, const PreparedCalculation &) -> std::optional<CalcResults> {
                throw Error("Cannot create file \"/x/r.xls\": Permission denied");
            });
        const double before = Main()->CurProject.Dat.T_Max;
        Calculate();
        QCOMPARE(prompts.Kinds(), QStringList {"Error"});
        QCOMPARE(prompts.Last("Error"),
                 "Error data entry!\nCannot create file \"/x/r.xls\": Permission denied");
        QCOMPARE(Main()->CurProject.Dat.T_Max, before);

        Program().SetLanguage(1);
        Main()->SetCalcDriver(
            [](const TProject &, const PreparedCalculation &) -> std::optional<CalcResults> {
                throw Error("");
            });
        Calculate();
        QCOMPARE(prompts.Last("Error"), "Ошибка ввода данных!");
    }

    void aFailedCheckShowsItsWarningOnly()
    {
        ScriptedPrompts prompts;
        Main()->SetCalcDriver([](const TProject &, const PreparedCalculation &) {
            CalcResults failed;
            failed.status = ResultsStatus::CheckFailed;
            failed.failure = "The permissible stresses are equal.";
            return std::optional<CalcResults>(failed);
        });
        Calculate();
        QCOMPARE(prompts.Kinds(), QStringList {"Warning"});
        QCOMPARE(prompts.Last("Warning"), "The permissible stresses are equal.");
    }

    // The program's own driver: its report asks for the file name first.
    void theReportAsksForItsFileAndACancelCalculatesNothing()
    {
        ScriptedPrompts prompts;
        Main()->SetCalcDriver(Main()->DefaultCalcDriver());
        prompts.fileNames = {QString()};
        Calculate();
        QCOMPARE(prompts.Kinds(), QStringList {"Save"});
        QCOMPARE(prompts.lastFileDialog.title, "Сохранение отчета в Excel файл");
        QCOMPARE(prompts.lastFileDialog.defaultSuffix, "xls");
    }

    void aFullCalculationWritesTheReportAndOpensIt()
    {
        QVERIFY2(FormsBuilt(), "the report forms are not built beside the tests");
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        Main()->SetCalcDriver(Main()->DefaultCalcDriver());
        const QString report = dir.filePath("line.xls");
        prompts.fileNames = {report};
        Calculate();
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "OpenDocument"}));
        QCOMPARE(prompts.Last("OpenDocument"), report);
        QVERIFY(QFileInfo(report).size() > 0);
        QVERIFY(!Windows().FormWait->isVisible());
    }

    // Another running copy stored N/kN; this one shows daN, and its report is the daN form
    // (the form of the units its numbers are written in).
    void theReportTakesTheUnitsInForceNotTheStoredOnes()
    {
        QVERIFY2(FormsBuilt(), "the report forms are not built beside the tests");
        m_store.Write("Units", "1");
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        Main()->SetCalcDriver(Main()->DefaultCalcDriver());
        const QString report = dir.filePath("line.xls");
        prompts.fileNames = {report};
        Calculate();
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "OpenDocument"}));
        const xls::Workbook book = xls::Workbook::Load(report.toStdString());
        int daN = 0;
        for (int row = 0; row < 100; ++row) {
            for (int col = 0; col < 40; ++col) {
                const std::optional<xls::CellValue> cell = book.Sheet(0).Value(row, col);
                if (!cell)
                    continue;
                QString text = QString::fromStdString(cell->text);
                daN += text.count("daN/mm²");
                QVERIFY2(!text.remove("daN/mm²").contains("N/mm²"), qPrintable(text));
            }
        }
        QVERIFY(daN > 0);
    }

    // The dialog proposes the open project's name in the folder of the last report.
    void theReportIsNamedAfterTheProjectInTheLastReportFolder()
    {
        QSettings("Orbelan", "Tarnvik").remove("Param/ReportFolder");
        const QString documents = QDir::homePath() + "/Documents";
        QVERIFY(QDir().mkpath(documents));
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        Main()->SetCalcDriver(Main()->DefaultCalcDriver());
        prompts.fileNames = {QString()};
        Calculate();
        QCOMPARE(prompts.lastFileDialog.fileName, QString()); // a project never saved
        QCOMPARE(prompts.lastFileDialog.directory, documents);

        prompts.fileNames = {dir.filePath("line5.vlp"), QString()};
        Main()->findChild<QAction *>("ActProjectSave")->trigger();
        Calculate();
        QCOMPARE(prompts.lastFileDialog.fileName, "line5.xls");
        QCOMPARE(prompts.lastFileDialog.directory, documents);

        QVERIFY2(FormsBuilt(), "the report forms are not built beside the tests");
        const QString reports = dir.filePath("reports");
        QVERIFY(QDir().mkpath(reports));
        prompts.fileNames = {reports + "/first try.xls", QString()};
        Calculate();
        Calculate();
        QCOMPARE(prompts.lastFileDialog.fileName, "line5.xls");
        QCOMPARE(prompts.lastFileDialog.directory, reports);
        QCOMPARE(prompts.Kinds(),
                 (QStringList {"Save", "Save", "Message", "Save", "Save", "OpenDocument", "Save"}));
    }

    // No program for .xls: the user learns where the report is and may open its folder.
    void aReportTheSystemCannotOpenOffersItsFolder_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("openFolder");
        QTest::addColumn<bool>("folderOpens");
        QTest::addColumn<QStringList>("kinds");
        const QStringList asked {"Save", "OpenDocument", "Question"};
        QTest::newRow("folder opened") << 0 << true << true << asked + QStringList {"OpenDocument"};
        QTest::newRow("declined") << 0 << false << true << asked;
        QTest::newRow("the folder cannot be opened either")
            << 0 << true << false << asked + QStringList {"OpenDocument", "Warning"};
        QTest::newRow("in Russian")
            << 1 << true << false << asked + QStringList {"OpenDocument", "Warning"};
    }
    void aReportTheSystemCannotOpenOffersItsFolder()
    {
        QFETCH(int, language);
        QFETCH(bool, openFolder);
        QFETCH(bool, folderOpens);
        QFETCH(QStringList, kinds);
        QVERIFY2(FormsBuilt(), "the report forms are not built beside the tests");
        Program().SetLanguage(language);
        QTemporaryDir dir;
        ScriptedPrompts prompts;
        Main()->SetCalcDriver(Main()->DefaultCalcDriver());
        const QString report = dir.filePath("line.xls");
        prompts.fileNames = {report};
        prompts.opened = {false, folderOpens};
        prompts.yesNo = {openFolder};
        Calculate();
        QCOMPARE(prompts.Kinds(), kinds);
        QVERIFY(QFileInfo(report).size() > 0);
        QCOMPARE(prompts.Last("Question"),
                 language == 0 ? "The file was saved:\n" + report
                         + "\n\nNo program on this system opens files of this type. Open the "
                           "folder that holds the file?"
                               : "Файл сохранён:\n" + report
                         + "\n\nВ системе нет программы, которая открывает файлы этого типа. "
                           "Открыть папку с файлом?");
        if (openFolder)
            QCOMPARE(prompts.Last("OpenDocument"), dir.path());
        if (!folderOpens)
            QCOMPARE(prompts.Last("Warning"),
                     language == 0 ? "The folder \"" + dir.path() + "\" cannot be opened."
                                   : "Не удалось открыть папку \"" + dir.path() + "\".");
    }

private:
    QtSettingsStore m_store;
    std::unique_ptr<ProgramContext> m_program;
    int m_calls = 0;
    CalcArgs m_args;
};

VELMORA_GUI_TEST_MAIN(CalculateTest)
#include "test_calculate.moc"
