#include "guitest.h"

#include "data/projectfile.h"
#include "fake_settings.h"
#include "gui/commandline.h"
#include "gui/formmain.h"
#include "gui/formsaveproject.h"
#include "gui/guard.h"
#include "gui/numberfields.h"
#include "gui/platform.h"
#include "gui/program.h"
#include "gui/recentprojects.h"
#include "gui/startup.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

using namespace velmora;
using namespace velmora::test;

namespace {

TFormMain *Main()
{
    return Windows().FormMain;
}

template<typename T> T *Child(const char *name)
{
    auto *child = Main()->findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no %s", name);
    return child;
}

double ShownTMax()
{
    return Child<DecimalField>("T_Max")->value();
}

// The recent projects' entries of the Project menu, as a user sees them when it opens.
QList<QAction *> RecentEntries()
{
    QMenu *project = Child<QMenu>("MI_Project");
    emit project->aboutToShow();
    QList<QAction *> entries;
    for (QAction *action : Child<QMenu>("MI_Recent")->actions()) {
        if (!action->isSeparator() && action->objectName() != QLatin1String("ActClearRecent"))
            entries << action;
    }
    return entries;
}

QStringList RecentMenuPaths()
{
    QStringList paths;
    for (QAction *action : RecentEntries())
        paths << action->data().toString();
    return paths;
}

void TriggerRecent(const QString &path)
{
    for (QAction *action : RecentEntries()) {
        if (action->data().toString() == path) {
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable("no recent entry " + path));
}

// A file dragged from a file manager (which offers its path as text too) and dropped on
// target; the open runs once the drop has returned, as in the event loop.
void Drop(QWidget *target, const QString &path)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    mime.setText(path);
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
    QCoreApplication::processEvents();
}

// The ways a project opens besides the open dialog.
enum class Route { FileArgument, DropOnWindow, DropOnField, RecentEntry };

void OpenBy(Route route, const QString &path)
{
    switch (route) {
    case Route::FileArgument:
        // What the start-up runs with the command line's file.
        Guarded([&path] { Main()->OpenProjectFile(path); });
        break;
    case Route::DropOnWindow:
        Drop(Main(), path);
        break;
    case Route::DropOnField:
        Drop(Child<QLineEdit>("Provod"), path);
        break;
    case Route::RecentEntry:
        AddRecentProject(path);
        TriggerRecent(path);
        break;
    }
}

void AddRouteRows()
{
    QTest::addColumn<Route>("route");
    QTest::newRow("file argument") << Route::FileArgument;
    QTest::newRow("drop on the window") << Route::DropOnWindow;
    QTest::newRow("drop on a field") << Route::DropOnField;
    QTest::newRow("recent entry") << Route::RecentEntry;
}

// The save prompt's answer: Save, Don't save or Cancel.
std::function<int(QDialog &)> Answer(TFormSave_Project::Answer answer)
{
    return [answer](QDialog &dialog) {
        if (!qobject_cast<TFormSave_Project *>(&dialog))
            qFatal("the save prompt was expected, got %s", qPrintable(dialog.objectName()));
        dialog.done(answer);
        return dialog.result();
    };
}

} // namespace

Q_DECLARE_METATYPE(Route)

// Opening a project from the command line, by drag and drop and from the recent projects:
// each goes through the save prompt as Project → Open does, and a file that fails changes
// nothing.
class OpeningTest : public QObject
{
    Q_OBJECT

private:
    FakeSettingsStore m_store;
    std::unique_ptr<ProgramContext> m_program;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString File(const QString &name) const { return m_dir->filePath(name); }

    // A project with T_Max t_max saved under name.
    QString Saved(const QString &name, double t_max)
    {
        const QString path = File(name);
        TProject project;
        project.Dat.T_Max = t_max;
        SaveProject(path.toStdString(), project);
        return path;
    }

    void MakeWindows()
    {
        CreateAppWindows(Program());
        Main()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Main()));
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_store.texts.clear();
        m_program = StartInEnglish(m_store);
        MakeWindows();
    }
    void cleanup()
    {
        DestroyAppWindows();
        m_program.reset();
        m_dir.reset();
    }

    void eachRouteAsksToSaveTheModifiedProjectFirst_data() { AddRouteRows(); }
    void eachRouteAsksToSaveTheModifiedProjectFirst()
    {
        QFETCH(Route, route);
        const QString other = Saved("other.vlp", 33);
        const QString mine = File("mine.vlp");
        ScriptedPrompts prompts;

        // Cancel calls the open off: the typed value and the untitled project stay.
        Child<DecimalField>("T_Max")->setValue(41);
        prompts.dialogs = {Answer(TFormSave_Project::Cancelled)};
        OpenBy(route, other);
        QCOMPARE(prompts.Kinds(), QStringList {"Exec"});
        QCOMPARE(prompts.Last("Exec"), "FormSave_Project");
        QCOMPARE(ShownTMax(), 41.0);
        QCOMPARE(Main()->ProjectFileName(), QString());

        // Save writes the work first (a new project asks for its file), then the file opens.
        prompts.asked.clear();
        prompts.dialogs = {Answer(TFormSave_Project::SaveChanges)};
        prompts.fileNames = {mine};
        OpenBy(route, other);
        QCOMPARE(prompts.Kinds(), (QStringList {"Exec", "Save", "Message"}));
        TProject written;
        LoadProject(mine.toStdString(), written);
        QCOMPARE(written.Dat.T_Max, 41.0);
        QCOMPARE(Main()->ProjectFileName(), other);
        QCOMPARE(ShownTMax(), 33.0);
        QVERIFY(!Main()->IsModified());
        QVERIFY(Main()->windowTitle().startsWith("other.vlp[*]"));
        QCOMPARE(ReadRecentProjects(), (QStringList {other, mine}));

        // Don't save opens without writing.
        prompts.asked.clear();
        Child<DecimalField>("T_Max")->setValue(12);
        prompts.dialogs = {Answer(TFormSave_Project::DiscardChanges)};
        OpenBy(route, mine);
        QCOMPARE(prompts.Kinds(), QStringList {"Exec"});
        QCOMPARE(Main()->ProjectFileName(), mine);
        QCOMPARE(ShownTMax(), 41.0);
        LoadProject(other.toStdString(), written);
        QCOMPARE(written.Dat.T_Max, 33.0);
    }

    void aFileThatCannotBeOpenedLeavesTheOpenProject_data() { AddRouteRows(); }
    void aFileThatCannotBeOpenedLeavesTheOpenProject()
    {
        QFETCH(Route, route);
        const QString good = Saved("good.vlp", 33);
        const QString bad = File("bad.vlp");
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("version 3.4\r\nAC-50/8\r\nhot\r\n");
        file.close();
        ScriptedPrompts prompts;
        OpenBy(Route::FileArgument, good);
        const QString title = Main()->windowTitle();

        OpenBy(route, bad);
        QCOMPARE(prompts.Kinds(), QStringList {"Error"});
        QVERIFY2(prompts.Last("Error").startsWith("The file \"" + bad
                                                  + "\" is not a Velmora project.\n"),
                 qPrintable(prompts.Last("Error")));
        QCOMPARE(Main()->ProjectFileName(), good);
        QCOMPARE(Main()->windowTitle(), title);
        QCOMPARE(ShownTMax(), 33.0);
        QVERIFY(!Main()->IsModified());
        // A failed open is no recent project (the recent route put it there itself).
        QCOMPARE(ReadRecentProjects().first(), route == Route::RecentEntry ? bad : good);
    }

    // The command line's file, relative to the current folder, opens once the windows exist;
    // one that does not open is reported and the program starts with a new project.
    void theFileArgumentOpensAtStart()
    {
        DestroyAppWindows();
        Saved("line.vlp", 33);
        const QString current = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir->path()));
        ScriptedPrompts prompts;
        const CommandLineAnswer answer = AnswerCommandLine({"velmora", "./line.vlp"});
        QVERIFY(!answer.status);
        const int status = RunProgram(false, {}, answer.projectFile, &m_store);
        QDir::setCurrent(current);
        QCOMPARE(status, 0);
        QCOMPARE(prompts.Kinds(), QStringList());
        QCOMPARE(Main()->ProjectFileName(), File("line.vlp"));
        QCOMPARE(ShownTMax(), 33.0);
        QCOMPARE(RecentMenuPaths(), QStringList {File("line.vlp")});

        // After "--" a name that starts with "-" is the project, as the parser took it.
        DestroyAppWindows();
        Saved("-line.vlp", 34);
        QVERIFY(QDir::setCurrent(m_dir->path()));
        const CommandLineAnswer dashed = AnswerCommandLine({"velmora", "--", "-line.vlp"});
        QVERIFY(!dashed.status);
        const int dashedStatus = RunProgram(false, {}, dashed.projectFile, &m_store);
        QDir::setCurrent(current);
        QCOMPARE(dashedStatus, 0);
        QCOMPARE(prompts.Kinds(), QStringList());
        QCOMPARE(Main()->ProjectFileName(), File("-line.vlp"));
        QCOMPARE(ShownTMax(), 34.0);

        DestroyAppWindows();
        QCOMPARE(RunProgram(false, {}, File("missing.vlp"), &m_store), 0);
        QCOMPARE(prompts.Kinds(), QStringList {"Error"});
        QVERIFY2(prompts.Last("Error").contains(File("missing.vlp")),
                 qPrintable(prompts.Last("Error")));
        QCOMPARE(Main()->ProjectFileName(), QString());
        QCOMPARE(Main()->CurProject.Dat.T_Max, TProject().Dat.T_Max);
        const CommandLineAnswer none = AnswerCommandLine({"velmora"});
        QVERIFY(!none.status);
        QCOMPARE(none.projectFile, QString());
    }

    void onlyLocalProjectFilesAreTakenByADrag_data()
    {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<bool>("taken");
        const QUrl project = QUrl::fromLocalFile("/tmp/a.vlp");
        QTest::newRow("project") << QList<QUrl> {project} << true;
        QTest::newRow("upper-case suffix")
            << QList<QUrl> {QUrl::fromLocalFile("/tmp/A.VLP")} << true;
        QTest::newRow("among others")
            << QList<QUrl> {QUrl::fromLocalFile("/tmp/a.txt"), project} << true;
        QTest::newRow("other file") << QList<QUrl> {QUrl::fromLocalFile("/tmp/a.vlp.txt")} << false;
        QTest::newRow("web address") << QList<QUrl> {QUrl("https://example.com/a.vlp")} << false;
    }
    void onlyLocalProjectFilesAreTakenByADrag()
    {
        QFETCH(QList<QUrl>, urls);
        QFETCH(bool, taken);
        QMimeData mime;
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        enter.ignore();
        QApplication::sendEvent(Main(), &enter);
        QCOMPARE(enter.isAccepted(), taken);
    }

    void theRecentListKeepsTheLastEightMostRecentFirst()
    {
        ScriptedPrompts prompts;
        QStringList paths;
        for (int i = 1; i <= 9; ++i)
            paths << Saved(QStringLiteral("p%1.vlp").arg(i), i);
        for (const QString &path : std::as_const(paths))
            OpenBy(Route::FileArgument, path);
        QStringList expected;
        for (int i = 9; i >= 2; --i)
            expected << paths.at(i - 1);
        QCOMPARE(RecentMenuPaths(), expected);
        QCOMPARE(RecentEntries().first()->text(), "&1 " + paths.at(8));

        // Save as puts its file first; opening an entry again moves it up, never twice.
        prompts.fileNames = {File("copy & more.vlp")};
        Child<QAction>("ActProjectSaveAs")->trigger();
        TriggerRecent(paths.at(4));
        QCOMPARE(RecentMenuPaths().mid(0, 3),
                 (QStringList {paths.at(4), File("copy & more.vlp"), paths.at(8)}));
        QCOMPARE(RecentMenuPaths().size(), 8);
        QCOMPARE(RecentEntries().at(1)->text(), "&2 " + File("copy && more.vlp"));
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "Message"}));

        Child<QAction>("ActClearRecent")->trigger();
        QCOMPARE(RecentMenuPaths(), QStringList());
        QVERIFY(!Child<QMenu>("MI_Recent")->menuAction()->isEnabled());
        QCOMPARE(ReadRecentProjects(), QStringList());
    }

    void aRecentProjectThatIsGoneLeavesTheListWithAMessage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message"); // %1: the file
        QTest::newRow("English")
            << 0
            << "The file \"%1\" no longer exists. It is removed from the list of recent projects.";
        QTest::newRow("Russian")
            << 1 << "Файл \"%1\" больше не существует. Он удалён из списка недавних проектов.";
    }
    void aRecentProjectThatIsGoneLeavesTheListWithAMessage()
    {
        QFETCH(int, language);
        QFETCH(QString, message);
        Program().SetLanguage(language);
        const QString kept = Saved("kept.vlp", 33);
        const QString gone = Saved("gone.vlp", 34);
        AddRecentProject(kept);
        AddRecentProject(gone);
        QVERIFY(QFile::remove(gone));
        // Work in progress is not put to the save prompt for a file that cannot open anyway.
        Child<DecimalField>("T_Max")->setValue(41);
        ScriptedPrompts prompts;
        TriggerRecent(gone);
        QCOMPARE(prompts.Kinds(), QStringList {"Warning"});
        QCOMPARE(prompts.Last("Warning"), message.arg(gone));
        QCOMPARE(RecentMenuPaths(), QStringList {kept});
        QCOMPARE(ReadRecentProjects(), QStringList {kept});
        QCOMPARE(ShownTMax(), 41.0);
    }

    void theMenuTextsFollowTheLanguage()
    {
        QMenu *recent = Child<QMenu>("MI_Recent");
        QAction *clear = Child<QAction>("ActClearRecent");
        QCOMPARE(recent->title(), "Recent projects");
        QCOMPARE(clear->text(), "Clear list");
        Program().SetLanguage(1);
        Main()->ApplyLanguage();
        QCOMPARE(recent->title(), "Недавние проекты");
        QCOMPARE(clear->text(), "Очистить список");
    }

    // The list lives in the platform's settings store: the next run's fresh windows show it
    // and open from it.
    void theRecentListSurvivesARestart()
    {
        DestroyAppWindows();
        const QString path = Saved("line.vlp", 33);
        {
            QtSettingsStore store;
            const auto program = StartInEnglish(store);
            MakeWindows();
            ScriptedPrompts prompts;
            OpenBy(Route::FileArgument, path);
            QCOMPARE(prompts.Kinds(), QStringList());
            DestroyAppWindows();
        }
        QCOMPARE(QSettings(SettingsOrganisation, SettingsApplication)
                     .value("Param/RecentProjects")
                     .toString(),
                 path);

        QtSettingsStore store;
        const auto program = StartInEnglish(store);
        MakeWindows();
        QCOMPARE(Main()->ProjectFileName(), QString());
        QCOMPARE(RecentMenuPaths(), QStringList {path});
        ScriptedPrompts prompts;
        TriggerRecent(path);
        QCOMPARE(prompts.Kinds(), QStringList());
        QCOMPARE(Main()->ProjectFileName(), path);
        QCOMPARE(ShownTMax(), 33.0);
        Child<QAction>("ActClearRecent")->trigger();
        DestroyAppWindows(); // before their context
    }
};

VELMORA_GUI_TEST_MAIN(OpeningTest)

#include "test_opening.moc"
