// The desktop report around the core's workbook writer: the save dialog first, the wait window
// while the workbook is filled, the shell's "open" of the saved file. The wait window is gone
// before any message and after every way a run can end.
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

#include <QFileInfo>
#include <QTemporaryDir>

using namespace velmora;
using namespace velmora::test;

namespace {

bool WaitShown()
{
    return Windows().FormWait->isVisible();
}

// Notes, for every box and the shell's "open", whether the wait window was up at that moment.
class WaitWatchingPrompts : public ScriptedPrompts
{
public:
    QStringList waitAtPrompt; // "<kind> wait" or "<kind> no wait"

    void Message(const QString &text) override
    {
        Note("Message");
        ScriptedPrompts::Message(text);
    }
    void Error(const QString &text) override
    {
        Note("Error");
        ScriptedPrompts::Error(text);
    }
    QString SaveFileName(const FileDialogRequest &request) override
    {
        Note("Save");
        return ScriptedPrompts::SaveFileName(request);
    }
    bool OpenDocument(const QString &path) override
    {
        Note("OpenDocument");
        return ScriptedPrompts::OpenDocument(path);
    }

private:
    void Note(const QString &kind) { waitAtPrompt << kind + (WaitShown() ? " wait" : " no wait"); }
};

// Passes every call on to the report and notes whether the wait window is up while the
// workbook is filled.
class WatchedReport : public CalcReport
{
public:
    explicit WatchedReport(CalcReport &report)
        : m_report(report)
    {
    }

    bool waitWhileFilling = true;
    QString waitText;

    bool Begin(const TProject &project, const CalcArgs &args, const CalcRun &run) override
    {
        return m_report.Begin(project, args, run);
    }
    void RepeatSpanBlocks(int n) override
    {
        Watch();
        m_report.RepeatSpanBlocks(n);
    }
    void WriteMode(const CalcRun &run, int column, int mode) override
    {
        Watch();
        m_report.WriteMode(run, column, mode);
    }
    void Finish() override { m_report.Finish(); }
    void Drop() noexcept override { m_report.Drop(); }

private:
    void Watch()
    {
        waitWhileFilling = waitWhileFilling && WaitShown();
        waitText = Windows().FormWait->PanelText();
    }

    CalcReport &m_report;
};

} // namespace

class ReportTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        SetSettingsStore(&m_store);
        InitLocalization("English (United States)");
        SetLanguage(0);
        SetUnits(0);
        CreateAppWindows();
        m_project.SetDefaults();
        m_project.Dat.Provod = ExampleWire().Name;
        m_args = CalcArgsOf(m_project.Dat, ExampleWire());
        m_projectName = "line";
    }
    void cleanup()
    {
        DestroyAppWindows();
        SetSettingsStore(nullptr);
    }

    void aReportIsSavedThenOpenedAndTheNextDialogStartsInItsFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("line.xls");
        WaitWatchingPrompts prompts;
        prompts.fileNames = {path, QString()};
        DesktopReport report(ApplicationDir(), Lang::English, 0, m_projectName);
        WatchedReport watched(report);
        QCOMPARE(Run(watched), CalcOutcome::Done);
        QVERIFY(watched.waitWhileFilling);
        QCOMPARE(watched.waitText, "Port to Excel");
        QCOMPARE(prompts.waitAtPrompt, (QStringList {"Save no wait", "OpenDocument no wait"}));
        QCOMPARE(prompts.Last("OpenDocument"), path);
        QCOMPARE(prompts.lastFileDialog.title, "Сохранение отчета в Excel файл");
        QCOMPARE(prompts.lastFileDialog.filter, "*.xls (*.xls)");
        QCOMPARE(prompts.lastFileDialog.defaultSuffix, "xls");
        QVERIFY(QFileInfo(path).size() > 0);
        QVERIFY(!WaitShown());

        // The next run's dialog starts in the folder written to, with the project's name; a
        // cancel calculates nothing.
        QCOMPARE(Run(report), CalcOutcome::Cancelled);
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
        QString error;
        try {
            Run(report, lang);
        } catch (const ReportTemplateError &e) {
            error = QString::fromStdString(e.what());
        }
        QVERIFY2(error.startsWith("The report template " + app.filePath(form) + " cannot be read"),
                 qPrintable(error));
        QCOMPARE(prompts.waitAtPrompt, (QStringList {"Save no wait", "Message no wait"}));
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
        QString error;
        try {
            Run(report);
        } catch (const Error &e) {
            error = QString::fromStdString(e.what());
        }
        QVERIFY2(error.contains("line.xls"), qPrintable(error));
        QCOMPARE(prompts.Kinds(), QStringList {"Save"});
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
        QCOMPARE(Run(report), CalcOutcome::CheckFailed);
        QCOMPARE(prompts.Kinds(), QStringList {"Save"});
        QVERIFY(!WaitShown());
        QVERIFY(!QFileInfo::exists(path));
    }

private:
    CalcOutcome Run(CalcReport &report, Lang lang = Lang::English)
    {
        CalcRun run;
        return CalcProject(m_project, ExampleWire(), CalcPurpose::Full, m_args, lang, run, &report);
    }

    QtSettingsStore m_store;
    TProject m_project;
    CalcArgs m_args;
    QString m_projectName; // the open project's, proposed as the report's name
};

VELMORA_GUI_TEST_MAIN(ReportTest)
#include "test_report.moc"
