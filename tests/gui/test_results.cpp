#include "guitest.h"

#include "calc/project_args.h"
#include "catalogue/catalogue.h"
#include "common/numtext.h"
#include "example_wire.h"
#include "fake_settings.h"
#include "gui/catalogue/formwiresbase.h"
#include "gui/catalogue/formwiresedit.h"
#include "gui/formmain.h"
#include "gui/formsaveproject.h"
#include "gui/numberfields.h"
#include "gui/results/resultspane.h"
#include "gui/results/resultsplots.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <QAbstractAxis>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGraphicsScene>
#include <QImage>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QValueAxis>

#include <optional>

using namespace velmora;
using namespace velmora::test;

namespace {

TFormMain *Main()
{
    return Windows().FormMain;
}

ResultsPane *Pane()
{
    auto *pane = Main()->findChild<ResultsPane *>(QStringLiteral("ResultsPane"));
    if (!pane)
        qFatal("no results pane");
    return pane;
}

template<typename Field> Field *FieldNamed(const char *name)
{
    auto *field = Main()->findChild<Field *>(QString::fromLatin1(name));
    if (!field)
        qFatal("no field %s", name);
    return field;
}

void Retype(QAbstractSpinBox *field, const QString &text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
}

void OpenPane()
{
    QAction *action = Main()->findChild<QAction *>(QStringLiteral("ActResultsPane"));
    if (!action->isChecked())
        action->trigger();
}

// The modes of the mode curves of a chart, and the x of its critical-span markers.
QList<int> CurveModes(QChart *chart)
{
    QList<int> modes;
    for (QAbstractSeries *series : chart->series()) {
        if (series->property("mode").isValid())
            modes << series->property("mode").toInt();
    }
    return modes;
}

QList<double> MarkerSpans(QChart *chart)
{
    QList<double> spans;
    for (QAbstractSeries *series : chart->series()) {
        if (series->property("criticalSpan").isValid()) {
            const auto *line = qobject_cast<QLineSeries *>(series);
            spans << line->at(0).x();
        }
    }
    return spans;
}

QLineSeries *Curve(QChart *chart, int mode)
{
    for (QAbstractSeries *series : chart->series()) {
        if (series->property("mode").toInt() == mode)
            return qobject_cast<QLineSeries *>(series);
    }
    return nullptr;
}

QString AxisTitle(QChart *chart, Qt::Alignment side)
{
    const QList<QAbstractAxis *> axes
        = chart->axes(side == Qt::AlignBottom ? Qt::Horizontal : Qt::Vertical);
    return axes.isEmpty() ? QString() : axes.first()->titleText();
}

// The worked example's project as the core calculates it: the reference for the pane.
CalcResults CoreResults()
{
    TProject project;
    project.Assign(Main()->CurProject);
    const TWireRec wire = ExampleWire();
    return CalculateResults(project, wire, CalcArgsOf(project.Dat, wire), Program().Language());
}

} // namespace

class ResultsPaneTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_store = FakeSettingsStore {};
        m_program = StartInEnglish(m_store);
        m_prompts.emplace();
        CreateWindowsWithTheExampleWire();
    }
    void cleanup()
    {
        DestroyAppWindows();
        Program().Catalogue().Clear();
        m_program.reset();
        m_prompts.reset();
    }

    // Open on a first start; closed, it calculates nothing until it opens again.
    void openAtFirstAndCalculatesWhenOpened()
    {
        ScriptedPrompts &prompts = *m_prompts;
        QVERIFY(!Pane()->isHidden());
        QVERIFY(Pane()->Results());
        Main()->findChild<QAction *>("ActResultsPane")->trigger();
        QVERIFY(Pane()->isHidden());
        const int before = Pane()->RecalculationCount();
        Retype(FieldNamed<DecimalField>("T_Max"), "35");
        QVERIFY(!Pane()->RecalculationPending()); // nothing is calculated for a closed pane
        QCOMPARE(Pane()->RecalculationCount(), before);
        OpenPane();
        QVERIFY(!Pane()->isHidden());
        QCOMPARE(Pane()->RecalculationCount(), before + 1);
        QVERIFY(Pane()->Results());
        QCOMPARE(Pane()->Results()->Mode(7)->conditions.temperature, 35.0);
        QVERIFY(Pane()->Reason().isEmpty());
        QCOMPARE(Main()->findChild<QMenu *>("MI_View")->title(), "View");
        QVERIFY(prompts.asked.isEmpty());
    }

    void tableCellsAreTheCoreResults_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("units");
        QTest::addColumn<QString>("firstHeading");
        QTest::addColumn<QString>("forceUnit");
        QTest::newRow("English, daN") << 0 << 0 << "Mode 1"
                                      << "daN";
        QTest::newRow("English, N") << 0 << 1 << "Mode 1"
                                    << "kN";
        QTest::newRow("Russian, daN") << 1 << 0 << "Режим 1"
                                      << "даН";
        QTest::newRow("Russian, N") << 1 << 1 << "Режим 1"
                                    << "кН";
    }
    void tableCellsAreTheCoreResults()
    {
        QFETCH(int, language);
        QFETCH(int, units);
        QFETCH(QString, firstHeading);
        QFETCH(QString, forceUnit);
        Program().SetLanguage(language);
        Program().SetUnits(units);
        Main()->ApplyLanguage();
        Main()->ProjectToForm(); // as the units and language actions do
        OpenPane();
        const CalcResults core = CoreResults();
        const UnitFactors factors = UnitFactorsOf(units);
        ResultsTableModel &model = Pane()->TableModel();
        QCOMPARE(model.rowCount(), int(core.spans.size()));
        QCOMPARE(model.columnCount(), 1 + int(core.taken.size()));
        QVERIFY(model.headerData(1, Qt::Horizontal).toString().startsWith(firstHeading + "\n"));
        QVERIFY(model.data(model.index(0, 0)).toString().endsWith("(l2)"));
        QCOMPARE(model.data(model.index(0, 0), Qt::UserRole).toDouble(), core.l2);
        auto *quantity = Pane()->findChild<QComboBox *>("ResultsQuantity");
        QVERIFY(quantity->itemText(1).endsWith(", " + forceUnit));
        for (int q = 0; q < 3; ++q) {
            quantity->setCurrentIndex(q);
            QCOMPARE(model.CurrentQuantity(), static_cast<Quantity>(q));
            for (int column = 1; column < model.columnCount(); ++column) {
                const ModeResults &mode = core.taken[column - 1];
                for (int row = 0; row < model.rowCount(); ++row) {
                    const double expected = q == 0 ? factors.stress * mode.stress[row]
                        : q == 1                   ? factors.force * mode.force[row]
                                                   : mode.sag[row];
                    QCOMPARE(model.data(model.index(row, column), Qt::UserRole).toDouble(),
                             expected);
                }
            }
        }
        // A cell as shown: the sag of mode 7 at 100 m of the worked example (6.8186 m).
        QCOMPARE(model.data(model.index(10, 7)).toString(), "6.819");
    }

    void summaryGivesLoadsCriticalSpansAndGoverningStates_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("English") << 0
                                 << QStringList {"P, N/m",
                                                 "γ, N/(m·mm²)",
                                                 "l1 = Imaginary",
                                                 "l3 = 20.5526 m",
                                                 "30–100 m: from ice with wind (maximum load)",
                                                 "neither normal nor reverse order"};
        QTest::newRow("Russian") << 1
                                 << QStringList {"P, Н/м", "l1 = Мнимый", "l3 = 20.5526 м",
                                                 "30–100 м: от гололёда с ветром"};
    }
    void summaryGivesLoadsCriticalSpansAndGoverningStates()
    {
        QFETCH(int, language);
        QFETCH(QStringList, expected);
        Program().SetLanguage(language);
        Program().SetUnits(1);
        Main()->ApplyLanguage();
        Main()->ProjectToForm();
        // T_Min = T_Gsw: l1 imaginary, l2 = 0; 10 and 20 m are governed by no state.
        Retype(FieldNamed<DecimalField>("T_Min"), "-5");
        OpenPane();
        Pane()->Flush();
        const QString summary = Pane()->findChild<QTextBrowser *>("ResultsSummary")->toPlainText();
        for (const QString &text : expected)
            QVERIFY2(summary.contains(text), qPrintable(text + " not in:\n" + summary));
    }

    void copyingASelectionGivesTabSeparatedTextWithHeadings()
    {
        OpenPane();
        QTableView *table = Pane()->Table();
        ResultsTableModel &model = Pane()->TableModel();
        QItemSelection selection(model.index(0, 2), model.index(1, 3));
        table->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
        Pane()->findChild<QPushButton *>("ResultsCopy")->click();
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 4); // headings, two rows, the last line's end
        QCOMPARE(lines[0].split('\t'),
                 (QStringList {"Span, m", model.ExportHeader(2), model.ExportHeader(3)}));
        QVERIFY(lines[0].contains("Mode 2 (-5 °C, γ "));
        QVERIFY(lines[0].endsWith("daN/mm²"));
        // The numbers as the table shows them, not the solver's last digits.
        QCOMPARE(lines[1].split('\t'),
                 (QStringList {model.index(0, 0).data().toString().remove(" (l2)"),
                               model.index(0, 2).data().toString(),
                               model.index(0, 3).data().toString()}));
        QCOMPARE(lines[1].split('\t')[1].section('.', 1).size(), 3); // daN/mm² to 0.001
        QCOMPARE(lines[2].split('\t').first(), "10");
        QCOMPARE(lines[3], "");
    }

    // A Russian spreadsheet opens the file in columns: ";" between fields, "," as the point;
    // the numbers as the table shows them.
    void csvExportIsUtf8InTheInterfacesSpreadsheetForm()
    {
        ScriptedPrompts &prompts = *m_prompts;
        Program().SetLanguage(1);
        Main()->ApplyLanguage();
        OpenPane();
        const QString path = m_dir.filePath("таблица.csv");
        prompts.fileNames = {path};
        Pane()->findChild<QComboBox *>("ResultsQuantity")->setCurrentIndex(2); // sags
        Pane()->findChild<QPushButton *>("ResultsCsv")->click();
        QCOMPARE(prompts.Kinds(), QStringList {"Save"});
        QCOMPARE(prompts.lastFileDialog.defaultSuffix, "csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = QString::fromUtf8(bytes.mid(3)).split("\r\n");
        QCOMPARE(lines.size(), 11 + 2); // headings, l2 and 10 spans, the last line's end
        QVERIFY(lines[0].startsWith("Пролёт, м;Режим 1 (-5 °C, γ "));
        QVERIFY(lines[0].endsWith(", м"));
        const QStringList last = lines[11].split(';');
        QCOMPARE(last.size(), 18);
        QCOMPARE(last[0], "100");
        const double sag = CoreResults().Mode(7)->sag[10];
        QCOMPARE(last[7], QString::number(sag, 'f', 3).replace('.', ','));
        QVERIFY(last[7].startsWith("6,81"));

        // The English interface: "," between fields, "." as the point.
        Program().SetLanguage(0);
        Main()->ApplyLanguage();
        Pane()->Flush();
        prompts.fileNames = {path};
        Pane()->findChild<QPushButton *>("ResultsCsv")->click();
        QFile again(path); // the file was replaced: read it anew
        QVERIFY(again.open(QIODevice::ReadOnly));
        const QStringList english = QString::fromUtf8(again.readAll().mid(3)).split("\r\n");
        QVERIFY(english[0].startsWith("\"Span, m\",\"Mode 1 (-5 °C, γ "));
        QCOMPARE(english[11].split(',')[7], QString::number(sag, 'f', 3));
        prompts.asked.clear();
        Program().SetLanguage(1);
        Main()->ApplyLanguage();

        // A folder that does not exist: an error box naming the file, nothing written.
        const QString nowhere = m_dir.filePath("no/such/folder/t.csv");
        prompts.fileNames = {nowhere};
        Pane()->findChild<QPushButton *>("ResultsCsv")->click();
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "Error"}));
        QVERIFY(prompts.Last("Error").startsWith("Файл «" + nowhere + "» не записан: "));
        QVERIFY(!QFile::exists(nowhere));
    }

    void sagPlotHasTheChosenModesAndTheCriticalSpansInRange()
    {
        OpenPane();
        QChart *sag = Pane()->SagView()->chart();
        QCOMPARE(CurveModes(sag), (QList<int> {2, 7, 1}));
        for (int mode : {1, 2, 7}) {
            QLineSeries *curve = Curve(sag, mode);
            QCOMPARE(curve->count(), 10); // one point per span of the range
            QCOMPARE(curve->at(9), QPointF(100, CoreResults().Mode(mode)->sag[10]));
        }
        // l2 = 26.3157 and l3 = 20.5526 m lie in 10..100 m; l1 = 117.869 m does not.
        const CalcResults core = CoreResults();
        QCOMPARE(MarkerSpans(sag), (QList<double> {core.l2, *core.l3}));
        QCOMPARE(AxisTitle(sag, Qt::AlignBottom), "Span, m");
        QCOMPARE(AxisTitle(sag, Qt::AlignLeft), "Sag, m");
        QCOMPARE(sag->legend()->alignment(), Qt::AlignRight);

        // Drawn anew, a plot keeps its two axes and leaves nothing of the old drawing behind.
        QGraphicsScene *scene = Pane()->SagView()->scene();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const qsizetype items = scene->items().size();
        Pane()->SetSagModes({5});
        QCOMPARE(CurveModes(sag), QList<int> {5});
        Pane()->SetSagModes({2, 7, 1});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(scene->items().size() <= items);
        QCOMPARE(sag->axes().size(), 2);
        Pane()->SetSagModes({5});

        // Spans to 200 m take l1 in; T_Min = T_Gsw makes l1 imaginary and l2 = 0 (below 10 m).
        Retype(FieldNamed<IntegerField>("Max_Prol"), "200");
        Pane()->Flush();
        QCOMPARE(MarkerSpans(sag).size(), 3);
        Retype(FieldNamed<DecimalField>("T_Min"), "-5");
        Pane()->Flush();
        QCOMPARE(MarkerSpans(sag), (QList<double> {*Pane()->Results()->l3}));
        QVERIFY(!Pane()->Results()->l1);
    }

    // The plot in view draws the critical-span labels at their new places as soon as the spans
    // move: what it shows equals the same results drawn on a new plot.
    void thePlotInViewRepaintsTheCriticalSpanLabels()
    {
        OpenPane();
        Pane()->Tabs()->setCurrentIndex(2);
        ResultsChartView *view = Pane()->SagView();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        view->grab(); // drawn once with the first spans
        Retype(FieldNamed<DecimalField>("T_Min"), "-5"); // l2 moves, l3 becomes imaginary
        Pane()->Flush();
        QCoreApplication::processEvents();
        const QImage shown = view->grab().toImage();

        ResultsChartView fresh;
        fresh.resize(view->size());
        ShowSagPlot(*fresh.chart(), *Pane()->Results(), Pane()->SagModes(),
                    ShownUnitsOf(Program()));
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        QCOMPARE(shown, fresh.grab().toImage().convertToFormat(shown.format()));
    }

    // An implausible value is calculated, and said beside its field and in the summary.
    void aWarningShowsBesideItsFieldAndInTheSummary()
    {
        OpenPane();
        auto *note = FieldNamed<QLabel>("Note_T_Srg");
        QVERIFY(note->isHidden());
        Retype(FieldNamed<DecimalField>("T_Srg"), "45"); // above the maximum temperature
        Pane()->Flush();
        QVERIFY(!note->isHidden());
        QVERIFY(!note->text().isEmpty());
        QVERIFY(Pane()->Reason().isEmpty()); // calculated all the same
        const QString summary = Pane()->findChild<QTextBrowser *>("ResultsSummary")->toPlainText();
        QVERIFY2(summary.contains(note->text()), qPrintable(summary));
        Retype(FieldNamed<DecimalField>("T_Srg"), "0");
        Pane()->Flush();
        QVERIFY(note->isHidden());
    }

    void stressPlotHasEveryTakenModeAndThePermissibleLines_data()
    {
        QTest::addColumn<int>("units");
        QTest::addColumn<QString>("axis");
        QTest::addColumn<double>("factor");
        QTest::newRow("daN") << 0 << "Stress, daN/mm²" << 1.0;
        QTest::newRow("N") << 1 << "Stress, N/mm²" << 10.0;
    }
    void stressPlotHasEveryTakenModeAndThePermissibleLines()
    {
        QFETCH(int, units);
        QFETCH(QString, axis);
        QFETCH(double, factor);
        Program().SetUnits(units);
        Main()->ApplyLanguage();
        Main()->ProjectToForm();
        OpenPane();
        QChart *stress = Pane()->StressView()->chart();
        QCOMPARE(CurveModes(stress).size(), 17);
        QCOMPARE(Curve(stress, 7)->at(9).y(), factor * CoreResults().Mode(7)->stress[10]);
        QMap<QString, double> permissible;
        for (QAbstractSeries *series : stress->series()) {
            if (series->property("permissible").isValid())
                permissible[series->property("permissible").toString()]
                    = qobject_cast<QLineSeries *>(series)->at(0).y();
        }
        QCOMPARE(permissible.value("max"), factor * 9);
        QCOMPARE(permissible.value("avg"), factor * 4);
        QCOMPARE(AxisTitle(stress, Qt::AlignLeft), axis);
    }

    void hoverTellsSpanModeAndValue()
    {
        OpenPane();
        QLineSeries *curve = Curve(Pane()->SagView()->chart(), 7);
        const QString text = HoverText(*curve, QPointF(51.5, 0), "m");
        QCOMPARE(text, QString("Span 50 m, mode 7: %1 m").arg(curve->at(4).y(), 0, 'g', 5));
    }

    void plotsExportAsPngAndSvgAndPrintToPdf()
    {
        ScriptedPrompts &prompts = *m_prompts;
        OpenPane();
        const QString png = m_dir.filePath("sag.png");
        const QString svg = m_dir.filePath("stress.svg");
        const QString pdf = m_dir.filePath("results.pdf");
        prompts.fileNames = {png, svg, pdf};
        Pane()->findChild<QPushButton *>("SagPng")->click();
        Pane()->findChild<QPushButton *>("StressSvg")->click();
        Pane()->findChild<QPushButton *>("ResultsPdf")->click();
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "Save", "Save"}));
        const QImage image(png);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() >= 360);
        QSvgRenderer renderer(svg);
        QVERIFY(renderer.isValid());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        // The pages: the table, then one per plot.
        QCOMPARE(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 3);
    }

    void aBurstOfEditsRecalculatesOnce()
    {
        ScriptedPrompts &prompts = *m_prompts;
        OpenPane();
        const int before = Pane()->RecalculationCount();
        DecimalField *field = FieldNamed<DecimalField>("T_Max");
        field->selectAll();
        QTest::keyClicks(field, "37.5"); // four edits
        Retype(FieldNamed<DecimalField>("Tols"), "15");
        QVERIFY(Pane()->RecalculationPending());
        QCOMPARE(Pane()->RecalculationCount(), before);
        Pane()->Flush();
        QCOMPARE(Pane()->RecalculationCount(), before + 1);
        Pane()->Flush(); // nothing pending any more
        QCOMPARE(Pane()->RecalculationCount(), before + 1);
        QCOMPARE(Pane()->Results()->Mode(7)->conditions.temperature, 37.5);
        QCOMPARE(Pane()->Results()->b, 15.0);
        QVERIFY(prompts.asked.isEmpty()); // no box, no dialog
    }

    void anInputThatCannotBeCalculatedSaysWhyInPlace_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reason");
        QTest::newRow("wire not in the catalogue")
            << "Provod"
            << "АС 999/1"
            << "The wire \"АС 999/1\" is not in the reference catalog. Enter it into the "
               "reference catalog first.";
        QTest::newRow("refused span range")
            << "Min_Prol"
            << "500"
            << "The minimum span must not be greater than the maximum span.";
        QTest::newRow("one span") << "Max_Prol"
                                  << "15"
                                  << "Error data entry!\nA calculation needs";
        QTest::newRow("negative ice")
            << "Tols"
            << "-1"
            << "Error data entry!\n\"Ice thickness\": the value must not be";
        QTest::newRow("failed critical-span check")
            << "Napr_srg"
            << "9"
            << "Tension at average annual temperature equals maximum permissible tension,\n"
               "calculation is impossible!";
    }
    void anInputThatCannotBeCalculatedSaysWhyInPlace()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, reason);
        ScriptedPrompts &prompts = *m_prompts;
        OpenPane();
        const std::shared_ptr<const CalcResults> good = Pane()->Results();
        QVERIFY(good);
        auto *spinBox = field == "Provod"
            ? nullptr
            : FieldNamed<QAbstractSpinBox>(field.toLatin1().constData());
        const QString before = spinBox ? spinBox->text() : QString();
        if (spinBox)
            Retype(spinBox, typed);
        else
            FieldNamed<QLineEdit>("Provod")->setText(typed);
        Pane()->Flush();
        QVERIFY2(Pane()->Reason().startsWith(reason), qPrintable(Pane()->Reason()));
        QVERIFY(Pane()->NoticeText().startsWith("Not recalculated: " + reason));
        QVERIFY(Pane()->NoticeText().endsWith("The results shown are out of date."));
        QCOMPARE(Pane()->Results(), good); // the last good results stay
        QVERIFY(prompts.asked.isEmpty());

        // Put right again: up to date, the notice gone.
        if (spinBox)
            Retype(spinBox, before);
        else
            FieldNamed<QLineEdit>("Provod")->setText(QString::fromStdString(ExampleWire().Name));
        Pane()->Flush();
        QVERIFY2(Pane()->Reason().isEmpty(), qPrintable(Pane()->Reason()));
        QVERIFY(Pane()->NoticeText().isEmpty());
    }

    // The catalogue window changes the project's wire: the pane recalculates after its pause,
    // with the catalogue as Calculate would read it.
    void aChangeOfTheCatalogueRecalculates()
    {
        ScriptedPrompts &prompts = *m_prompts;
        OpenPane();
        const std::shared_ptr<const CalcResults> before = Pane()->Results();
        TFormWiresBase *catalogue = Windows().FormWiresBase;
        catalogue->Manage();
        QCOMPARE(catalogue->SelectedWire().Name, ExampleWire().Name);
        prompts.dialogs = {[](QDialog &dialog) {
            static_cast<TFormWiresEdit &>(dialog).PNagField()->setText("0.2");
            dialog.accept();
            return dialog.result();
        }};
        catalogue->EditClick();
        QVERIFY(Pane()->RecalculationPending());
        Pane()->Flush();
        QVERIFY(Pane()->Results() != before);
        QCOMPARE(Pane()->Results()->wire.PNag, 0.2);
        QVERIFY(Pane()->Results()->Mode(1)->sag[10] > before->Mode(1)->sag[10]);
        QVERIFY(Pane()->NoticeText().isEmpty());

        prompts.yesNo = {true}; // delete the wire
        catalogue->DeleteClick();
        QVERIFY(Pane()->RecalculationPending());
        Pane()->Flush();
        QVERIFY(Pane()->Reason().startsWith("The wire \""));
        QVERIFY(Pane()->NoticeText().startsWith("Not recalculated: The wire \""));
        QCOMPARE(prompts.Kinds(), (QStringList {"Exec", "WarningYesNo"}));
        catalogue->hide();
    }

    // Before any results there is nothing to copy, export or print; results out of date are
    // still shown, and still exported.
    void theExportsWaitForResults()
    {
        const char *const buttons[] = {"ResultsCopy", "ResultsCsv", "SagPng",       "SagSvg",
                                       "StressPng",   "StressSvg",  "ResultsPrint", "ResultsPdf"};
        auto enabled = [&] {
            QStringList on;
            for (const char *name : buttons) {
                if (Pane()->findChild<QPushButton *>(name)->isEnabled())
                    on << name;
            }
            return on;
        };
        DestroyAppWindows();
        CreateAppWindows(Program());
        Program().Catalogue().Clear(); // the project's wire is missing
        Main()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Main()));
        OpenPane();
        QVERIFY(!Pane()->Results());
        QVERIFY(Pane()->Reason().startsWith("The wire \""));
        QCOMPARE(enabled(), QStringList {});
        // Called all the same (the table's copy key): no dialog, no file.
        Pane()->ExportCsv();
        Pane()->SavePdf();
        Pane()->ExportPlot(Pane()->SagView(), true);
        Pane()->Print();
        QVERIFY(m_prompts->asked.isEmpty());

        Program().Catalogue().Add(ExampleWire());
        FieldNamed<QLineEdit>("Provod")->setText(QString::fromStdString(ExampleWire().Name));
        Pane()->Flush();
        QVERIFY(Pane()->Results());
        QCOMPARE(int(enabled().size()), int(std::size(buttons)));
        Retype(FieldNamed<DecimalField>("Tols"), "-1");
        Pane()->Flush();
        QVERIFY(!Pane()->Reason().isEmpty());
        QCOMPARE(int(enabled().size()), int(std::size(buttons)));
    }

    void aChangeOfLanguageRecalculatesInIt()
    {
        ScriptedPrompts &prompts = *m_prompts;
        OpenPane();
        Retype(FieldNamed<DecimalField>("Napr_srg"), "9");
        Pane()->Flush();
        // As the language action does: the fields into the project, the texts, the fields anew.
        Main()->FormToProject();
        Program().SetLanguage(1);
        Main()->ApplyLanguage();
        Main()->ProjectToForm();
        QVERIFY(Pane()->RecalculationPending());
        Pane()->Flush();
        QVERIFY(Pane()->Reason().startsWith("Напряжение при Тср.г. равно макс. допустимому"));
        QCOMPARE(Pane()->windowTitle(), "Результаты");
        QVERIFY(prompts.asked.isEmpty());
    }

    void visibilityAndSizeAreRemembered()
    {
        OpenPane();
        QCOMPARE(QString::fromStdString(m_store.Text("ResultsPane")), "1");
        Main()->resize(1300, 720);
        Main()->resizeDocks({Pane()}, {520}, Qt::Horizontal);
        QApplication::processEvents();
        const int width = Pane()->width();
        QVERIFY2(qAbs(width - 520) < 20, qPrintable(QString::number(width)));
        m_prompts->dialogs = {[](QDialog &) { return int(TFormSave_Project::DiscardChanges); }};
        m_prompts->yesNo = {true}; // quit the program
        Main()->close();
        QCOMPARE(m_prompts->Kinds(), (QStringList {"Exec", "WarningYesNo"}));
        QCOMPARE(QString::fromStdString(m_store.Text("ResultsPaneWindow")), "1300,720");

        DestroyAppWindows();
        CreateWindowsWithTheExampleWire();
        QVERIFY(!Pane()->isHidden());
        QCOMPARE(Main()->size(), QSize(1300, 720));
        QCOMPARE(Pane()->width(), width);
        QVERIFY(Pane()->Results()); // calculated as the window appeared

        // Closed from the View menu: remembered closed, and the window has its fixed size again.
        Main()->findChild<QAction *>("ActResultsPane")->trigger();
        QVERIFY(Pane()->isHidden());
        QCOMPARE(QString::fromStdString(m_store.Text("ResultsPane")), "0");
        QCOMPARE(Main()->layout()->sizeConstraint(), QLayout::SetFixedSize);
        DestroyAppWindows();
        CreateWindowsWithTheExampleWire();
        QVERIFY(Pane()->isHidden());

        // A store that refuses to write: the pane opens and closes all the same, no box.
        m_store.failWrites = true;
        const qsizetype asked = m_prompts->asked.size();
        OpenPane();
        QVERIFY(!Pane()->isHidden());
        Main()->findChild<QAction *>("ActResultsPane")->trigger();
        QVERIFY(Pane()->isHidden());
        QCOMPARE(m_prompts->asked.size(), asked);
        m_store.failWrites = false;
    }

private:
    void CreateWindowsWithTheExampleWire()
    {
        CreateAppWindows(Program());
        Program().Catalogue().Clear();
        Program().Catalogue().Add(ExampleWire());
        Main()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Main()));
        FieldNamed<QLineEdit>("Provod")->setText(QString::fromStdString(ExampleWire().Name));
        Main()->FormToProject();
        Pane()->Flush();
    }

    FakeSettingsStore m_store;

    std::unique_ptr<ProgramContext> m_program;
    std::optional<ScriptedPrompts> m_prompts; // every box a test does not expect fails it
    QTemporaryDir m_dir;
};

VELMORA_GUI_TEST_MAIN(ResultsPaneTest)
#include "test_results.moc"
