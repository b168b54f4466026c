// What the desktop tells the user: the safe answer of a question that replaces or deletes,
// and where each written file went.

#include "guitest.h"

#include "example_wire.h"

#include "catalogue/catalogue.h"
#include "fake_settings.h"
#include "gui/catalogue/formwiresbase.h"
#include "gui/document/projectdocument.h"
#include "gui/formmain.h"
#include "gui/results/plotlegend.h"
#include "gui/results/resultspane.h"
#include "gui/results/resultsplots.h"
#include "gui/templates/formspisokshabloni.h"
#include "gui/writtenfile.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QValueAxis>
#include <QWindow>

using namespace velmora;
using namespace velmora::test;

namespace {

TFormMain *Main()
{
    return Windows().FormMain;
}

ResultsPane *Pane()
{
    return Main()->findChild<ResultsPane *>(QStringLiteral("ResultsPane"));
}

QLabel *WrittenLabel()
{
    return Main()->statusBar()->findChild<QLabel *>(QStringLiteral("WrittenFile"));
}

} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

    FakeSettingsStore m_store;

    std::unique_ptr<ProgramContext> m_program;
    QTemporaryDir m_dir;

private slots:
    void init()
    {
        m_store = FakeSettingsStore {};
        m_program = StartInEnglish(m_store);
        CreateAppWindows(Program());
        Program().Catalogue().Clear();
        Program().Catalogue().Add(ExampleWire());
        Main()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Main()));
        Main()->findChild<QLineEdit *>("Provod")->setText(
            QString::fromStdString(ExampleWire().Name));
        Main()->FormToProject();
        Pane()->Flush();
    }
    void cleanup()
    {
        DestroyAppWindows();
        Program().Catalogue().Clear();
        m_program.reset();
    }

    // Enter on a question that replaces or deletes keeps what is there.
    void aWarningQuestionDefaultsToNo()
    {
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QTimer::singleShot(0, [&defaultButton] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (box->defaultButton())
                defaultButton = box->standardButton(box->defaultButton());
            QTest::keyClick(box, Qt::Key_Return);
        });
        QtPrompts prompts;
        QVERIFY(!prompts.WarningYesNo("Replace \"a.dxf\"?"));
        QCOMPARE(defaultButton, QMessageBox::No);
    }

    // Every file written says where it went, with a link that opens its folder, whether a
    // viewer opened it (a report, a drawing) or not (a table, a PDF).
    void aWrittenFileIsToldInTheStatusBarWithItsFolder()
    {
        ScriptedPrompts prompts;
        const QString csv = m_dir.filePath("table.csv");
        prompts.fileNames = {csv};
        Pane()->ExportCsv();
        QVERIFY(QFile::exists(csv));
        QVERIFY(WrittenLabel());
        QVERIFY(WrittenLabel()->isVisible());
        QVERIFY2(WrittenLabel()->text().contains(QDir::toNativeSeparators(csv)),
                 qPrintable(WrittenLabel()->text()));
        QVERIFY(WrittenLabel()->text().contains(">Open folder</a>"));
        emit WrittenLabel()->linkActivated(QUrl::fromLocalFile(m_dir.path()).toString());
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "OpenDocument"}));
        QCOMPARE(prompts.Last("OpenDocument"), m_dir.path());

        const QString pdf = m_dir.filePath("results.pdf");
        prompts.fileNames = {pdf};
        Pane()->SavePdf();
        QVERIFY(WrittenLabel()->text().contains(QDir::toNativeSeparators(pdf)));

        // A drawing no viewer opens: told all the same, and in the language in force.
        Program().SetLanguage(1);
        const QString dxf = m_dir.filePath("drawing.dxf");
        QVERIFY(QFile(dxf).open(QIODevice::WriteOnly));
        prompts.opened = {false};
        prompts.yesNo = {false};
        OpenWrittenFile(dxf);
        QVERIFY(
            WrittenLabel()->text().startsWith("Записан файл: " + QDir::toNativeSeparators(dxf)));
        QVERIFY(WrittenLabel()->text().contains(">Открыть папку</a>"));
    }

    // The printed results carry a title block and "page n of m" on each page; the name
    // proposed for the file is no path, whatever the wire's name holds ("/").
    void printedResultsCarryATitleBlock()
    {
        ScriptedPrompts prompts;
        Main()->Document().SetFileName(m_dir.filePath("Line 10.vlp"));
        const QString pdf = m_dir.filePath("results.pdf");
        prompts.fileNames = {pdf};
        Pane()->SavePdf();
        QVERIFY(QString::fromStdString(ExampleWire().Name).contains('/'));
        QVERIFY2(!prompts.lastFileDialog.fileName.contains('/'),
                 qPrintable(prompts.lastFileDialog.fileName));
        QVERIFY(prompts.lastFileDialog.fileName.endsWith(".pdf"));

        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(20000));
        const QString out = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        for (const QString &expected :
             {QString("Project: Line 10"),
              QString::fromStdString(ExampleWire().Name) + ": diameter",
              QString("Permissible stresses: σmax = "), QString("Climate: air "),
              "Printed " + QDate::currentDate().toString(Qt::ISODate), QString("Page 1 of 3"),
              QString("Page 3 of 3")})
            QVERIFY2(out.contains(expected), qPrintable(expected + " not in:\n" + out));

        // The print dialog's document name is a file name too.
        QString docName;
        prompts.dialogs = {[&docName](QDialog &dialog) {
            docName = static_cast<QPrintDialog &>(dialog).printer()->docName();
            return int(QDialog::Rejected);
        }};
        Pane()->Print();
        QVERIFY2(!docName.isEmpty() && !docName.contains('/'), qPrintable(docName));
    }

    // All 17 modes on the stress plot: each curve its own colour and line together, and
    // named in the legend by what the mode is.
    void everyModeCurveLooksDifferentAndIsNamed()
    {
        QChart *chart = Pane()->StressView()->chart();
        QSet<QString> looks;
        QStringList names;
        for (QAbstractSeries *series : chart->series()) {
            if (!series->property("mode").isValid())
                continue;
            const QPen pen = static_cast<QLineSeries *>(series)->pen();
            looks << pen.color().name() + QString::number(int(pen.style()));
            names << series->name();
            QCOMPARE(chart->legend()->markers(series).size(), 1);
        }
        QCOMPARE(names.size(), 17);
        QCOMPARE(looks.size(), 17);
        QVERIFY2(names.contains("1: Ice with wind"), qPrintable(names.join(", ")));
        QVERIFY2(names.contains("7: Maximum temperature"), qPrintable(names.join(", ")));
        for (const QString &name : names)
            QVERIFY2(name.contains(QRegularExpression("^[0-9]+: \\S")), qPrintable(name));
        // Modes 1, 15 and 16 are all blue: their lines differ.
        QSet<int> blues;
        for (QAbstractSeries *series : chart->series()) {
            const int mode = series->property("mode").toInt();
            if (mode == 1 || mode == 15 || mode == 16)
                blues << int(static_cast<QLineSeries *>(series)->pen().style());
        }
        QCOMPARE(blues.size(), 3);
    }

    // However narrow the pane, the legend beside a plot gives each curve's whole name (wrapped,
    // never cut), and the names of the critical spans stand above every curve, two close ones
    // (l3 = 20.55 and l2 = 26.32 m here) at heights of their own.
    void theLegendKeepsWholeNamesAndMarkerNamesStandClearOfTheCurves()
    {
        PlotLegend *legend = Pane()->StressLegend();
        QChart *chart = Pane()->StressView()->chart();
        auto *splitter = qobject_cast<QSplitter *>(legend->parentWidget());
        QVERIFY(splitter);
        splitter->parentWidget()->resize(370, 500);
        splitter->resize(360, 480);
        splitter->setSizes({240, 120});
        QCoreApplication::processEvents();
        QVERIFY(!chart->legend()->isVisible());

        QStringList names;
        for (QAbstractSeries *series : chart->series())
            names << series->name();
        QCOMPARE(legend->rowCount(), names.size());
        const int line = legend->fontMetrics().height();
        for (int row = 0; row < legend->rowCount(); ++row) {
            QCOMPARE(legend->item(row, 0)->text(), names[row]);
            if (names[row].startsWith("8: Average annual"))
                QVERIFY2(legend->rowHeight(row) > line * 3 / 2,
                         "a long name is wrapped onto a second line");
        }

        QValueAxis *values = qobject_cast<QValueAxis *>(chart->axes(Qt::Vertical).first());
        const double axis = values->max() - values->min();
        double highestCurve = 0;
        QList<double> tops;
        for (QAbstractSeries *abstract : chart->series()) {
            auto *series = static_cast<QLineSeries *>(abstract);
            if (series->property("criticalSpan").isValid()) {
                QCOMPARE(series->count(), 2); // the line ends under its name
                tops << series->at(1).y();
                continue;
            }
            for (const QPointF &p : series->points())
                highestCurve = std::max(highestCurve, p.y());
        }
        QCOMPARE(tops.size(), 2);
        for (double top : tops)
            QVERIFY2(top - highestCurve > 0.05 * axis, qPrintable(QString::number(top)));
        QVERIFY(std::abs(tops[0] - tops[1]) > 0.05 * axis);

        // A drawing for a file has the chart's own legend; the screen keeps its own.
        QImage image(200, 128, QImage::Format_ARGB32);
        QPainter painter(&image);
        RenderPlot(*Pane()->StressView(), painter, QRectF(0, 0, 200, 128));
        QVERIFY(!chart->legend()->isVisible());
    }

    // The catalogue and the template list are ordinary windows beside the main one, and the
    // application's keys work while they have the focus.
    void theCatalogueAndTemplateWindowsAreOrdinaryWindows()
    {
        ScriptedPrompts prompts;
        int calculations = 0;
        Main()->SetCalcDriver([&calculations](const TProject &, const PreparedCalculation &) {
            ++calculations;
            return std::optional<CalcResults>();
        });
        QList<QWidget *> windows {Windows().FormWiresBase, Windows().FormSpisokShabloni};
        for (QWidget *window : windows) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QCOMPARE(window->windowType(), Qt::Window);
            QVERIFY(!(window->windowFlags() & Qt::WindowStaysOnTopHint));
            QCOMPARE(window->windowHandle()->transientParent(), nullptr);
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            const int before = calculations;
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window,
                            Qt::Key_F9);
            QCOMPARE(calculations, before + 1);
            window->hide();
        }
        // The catalogue's context menu speaks the language in force.
        QCOMPARE(Windows().FormWiresBase->findChild<QAction *>("MenuCreate")->text(),
                 QString::fromStdString(GetText("Create", Program().Language())));
        QVERIFY(!Windows()
                     .FormWiresBase->findChild<QAction *>("MenuDelete")
                     ->text()
                     .contains(QRegularExpression("[А-Яа-я]")));
    }
};

VELMORA_GUI_TEST_MAIN(DesktopTest)
#include "test_desktop.moc"
