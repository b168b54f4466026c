// The desktop report around the engine and the core's workbook writer: the save dialog first,
// the wait window while the results are calculated and the workbook is filled from them, the
// shell's "open" of the saved file. The wait window is gone before any message and after every
// way a run can end.
#include "guitest.h"

#include "calc/driver.h"
#include "calc/project_args.h"
#include "common/error.h"
#include "common/fileio.h"
#include "example_wire.h"
#include "gui/formwait.h"
#include "gui/platform.h"
#include "gui/reportplatform.h"
#include "l10n/localization.h"
#include "l10n/units.h"
#include "report/excel_report.h"

#include <QFileInfo>
#include <QTemporaryDir>

using namespace velmora;
using namespace velmora::test;

namespace {

bool WaitShown()
{
    return Windows().FormWait->isVisible();
}

// One log of the boxes, the shell's "open" and the wait window's showing and hiding, in the
// order they happened.
class WaitWatchingPrompts : public ScriptedPrompts
{
public:
    QStringList log; // "Save", "Message", "Error", "OpenDocument", "wait: <text>", "no wait"

    WaitWatchingPrompts() { Windows().FormWait->installEventFilter(&m_watcher); }
    ~WaitWatchingPrompts() override { Windows().FormWait->removeEventFilter(&m_watcher); }

    void Message(const QString &text) override
    {
        log << "Message";
        ScriptedPrompts::Message(text);
    }
    void Error(const QString &text) override
    {
        log << "Error";
        ScriptedPrompts::Error(text);
    }
    QString SaveFileName(const FileDialogRequest &request) override
    {
        log << "Save";
        return ScriptedPrompts::SaveFileName(request);
    }
    bool OpenDocument(const QString &path) override
    {
        log << "OpenDocument";
        return ScriptedPrompts::OpenDocument(path);
    }

private:
    class Watcher : public QObject
    {
    public:
        explicit Watcher(QStringList &log)
            : m_log(log)
        {
        }
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Show)
                m_log << "wait: " + Windows().FormWait->PanelText();
            else if (event->type() == QEvent::Hide)
                m_log << "no wait";
            return false;
        }

    private:
        QStringList &m_log;
    };
    Watcher m_watcher {log};
};

} // namespace

class ReportTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_program = StartInEnglish(m_store);
        CreateAppWindows(Program());
        m_project.SetDefaults();
        m_project.Dat.Provod = ExampleWire().Name;
        m_args = CalcArgsOf(m_project.Dat, ExampleWire());
        m_projectName = "line";
    }
    void cleanup()
    {
        DestroyAppWindows();
        m_program.reset();
    }

    void aReportIsSavedThenOpenedAndTheNextDialogStartsInItsFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("line.xls");
        WaitWatchingPrompts prompts;
        prompts.fileNames = {path, QString()};
        DesktopReport report(ApplicationDir(), Lang::English, 0, m_projectName);
        const std::optional<CalcResults> results = Run(report);
        QVERIFY(results);
        QCOMPARE(results->status, ResultsStatus::Calculated);
        QCOMPARE(prompts.log,
                 (QStringList {"Save", "wait: Port to Excel", "no wait", "OpenDocument"}));
        QCOMPARE(prompts.Last("OpenDocument"), path);
        QCOMPARE(prompts.lastFileDialog.title, "Сохранение отчета в Excel файл");
        QCOMPARE(prompts.lastFileDialog.filter, "*.xls (*.xls)");
        QCOMPARE(prompts.lastFileDialog.defaultSuffix, "xls");
        QVERIFY(QFileInfo(path).size() > 0);
        QVERIFY(!WaitShown());

        // The next run's dialog starts in the folder written to, with the project's name; a
        // cancel calculates nothing.
        QVERIFY(!Run(report));
        QCOMPARE(prompts.lastFileDialog.fileName, "line.xls");
        QCOMPARE(prompts.lastFileDialog.directory, dir.path());
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "OpenDocument", "Save"}));
        QVERIFY(!WaitShown());
    }

    void aFormThatCannotBeReadIsNamedAfterTheWaitWindowIsGone_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << 0 << QByteArray() << "Check the file Forms/FormMech_en.xls.";
        QTest::newRow("missing, Russian")
            << 1 << QByteArray() << "Проверьте файл Forms/FormMech_ru.xls.";
        QTest::newRow("not a workbook")
            << 0 << QByteArray("just some text that is long enough to look at")
            << "Check the file Forms/FormMech_en.xls.";
    }
    void aFormThatCannotBeReadIsNamedAfterTheWaitWindowIsGone()
    {
        QFETCH(int, language);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir app;
        QDir(app.path()).mkpath("Forms");
        const Lang lang = language == 0 ? Lang::English : Lang::Russian;
        const QString form = language == 0 ? "Forms/FormMech_en.xls" : "Forms/FormMech_ru.xls";
        if (!content.isEmpty())
            WriteFileAtomically(app.filePath(form).toStdString(), content.toStdString());
        QTemporaryDir out;
        const QString path = out.filePath("line.xls");
        WaitWatchingPrompts prompts;
        prompts.fileNames = {path};
        DesktopReport report(app.path() + "/", lang, 0, m_projectName);
        const QString error = RunError<ReportTemplateError>(report);
        QVERIFY2(error.startsWith("The report template " + app.filePath(form) + " cannot be read"),
                 qPrintable(error));
        QCOMPARE(prompts.log, (QStringList {"Save", "wait: Port to Excel", "no wait", "Message"}));
        QCOMPARE(prompts.Last("Message"), message);
        QVERIFY(!WaitShown());
        QVERIFY(!QFileInfo::exists(path));
    }

    void aFileThatCannotBeWrittenOpensNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("no such folder/line.xls");
        WaitWatchingPrompts prompts;
        prompts.fileNames = {path};
        DesktopReport report(ApplicationDir(), Lang::English, 0, m_projectName);
        const QString error = RunError(report);
        QVERIFY2(error.contains("line.xls"), qPrintable(error));
        QCOMPARE(prompts.log, (QStringList {"Save", "wait: Port to Excel", "no wait"}));
        QVERIFY(!WaitShown());
        QVERIFY(!QFileInfo::exists(path));
    }

    void aFailedCheckWritesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("line.xls");
        WaitWatchingPrompts prompts;
        prompts.fileNames = {path};
        m_args.NaprSrg = m_args.NaprMax;
        DesktopReport report(ApplicationDir(), Lang::English, 0, m_projectName);
        const std::optional<CalcResults> results = Run(report);
        QVERIFY(results);
        QCOMPARE(results->status, ResultsStatus::CheckFailed);
        QVERIFY(!results->failure.empty());
        QCOMPARE(prompts.log, (QStringList {"Save", "wait: Port to Excel", "no wait"}));
        QVERIFY(!WaitShown());
        QVERIFY(!QFileInfo::exists(path));
    }

    void aRefusedSpanRangeIsToldBeforeTheDialog()
    {
        WaitWatchingPrompts prompts;
        m_args.Step = 0;
        DesktopReport report(ApplicationDir(), Lang::English, 0, m_projectName);
        const QString error = RunError(report);
        QCOMPARE(error, "The change step of the spans must be greater than 0.");
        QVERIFY(prompts.log.isEmpty());
    }

private:
    std::optional<CalcResults> Run(DesktopReport &report)
    {
        return report.Run(m_project, ExampleWire(), m_args);
    }

    // The text of the error of type E the run ends with; empty when it ends without one.
    template<class E = velmora::Error> QString RunError(DesktopReport &report)
    {
        try {
            Run(report);
        } catch (const E &e) {
            return QString::fromStdString(e.what());
        }
        return {};
    }

    QtSettingsStore m_store;

    std::unique_ptr<ProgramContext> m_program;
    TProject m_project;
    CalcArgs m_args;
    QString m_projectName; // the open project's, proposed as the report's name
};

VELMORA_GUI_TEST_MAIN(ReportTest)
#include "test_report.moc"
