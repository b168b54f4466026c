#include "guitest.h"

#include "fake_settings.h"
#include "gui/dialogfolders.h"
#include "gui/recentprojects.h"
#include "gui/softsettings.h"

#include <QTemporaryDir>

using namespace velmora;
using namespace velmora::test;

// The settings that only spare the user work: the recent projects and the dialogs' folders
// (the results pane's layout is in test_results) read a value of another type as none and
// pass over a store that refuses to write.
class SoftSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void aValueOfAnotherTypeReadsAsNone()
    {
        FakeSettingsStore store;
        const ProgramContext program(store, "English (United States)");
        QTemporaryDir dir;
        store.SetText("ProjectFolder", dir.path().toStdString());
        QCOMPARE(ReadSoftSetting("ProjectFolder"), dir.path());
        QCOMPARE(ReadSoftSetting("NoSuchSetting"), QString());

        store.SetOtherType("ProjectFolder");
        store.SetOtherType("RecentProjects");
        QCOMPARE(ReadSoftSetting("ProjectFolder"), QString());
        QVERIFY(ReadRecentProjects().isEmpty());
        // The folder given for the first time, as with nothing remembered.
        QCOMPARE(DialogStartFolder(FileKind::Project, DialogUse::Open, dir.path()), dir.path());
    }

    void aStoreThatRefusesToWriteIsPassedOver()
    {
        FakeSettingsStore store;
        auto program = std::make_unique<ProgramContext>(store, "English (United States)");
        QTemporaryDir dir;
        const QString project = dir.filePath("line.vlp");
        store.failWrites = true;
        const int written = store.writes; // the language and units at start-up
        AddRecentProject(project);
        RememberDialogFolder(FileKind::Drawing, project);
        WriteSoftSetting("Anything", "text");
        QCOMPARE(store.writes, written);
        QVERIFY(ReadRecentProjects().isEmpty());

        store.failWrites = false;
        AddRecentProject(project);
        RememberDialogFolder(FileKind::Drawing, project);
        QCOMPARE(ReadRecentProjects(), QStringList {project});
        QCOMPARE(QString::fromStdString(store.Text("DrawingFolder")), dir.path());

        // No program's context (so no store) at all: nothing read, nothing written, nothing
        // thrown.
        program.reset();
        WriteSoftSetting("Anything", "text");
        QCOMPARE(ReadSoftSetting("DrawingFolder"), QString());
    }
};

VELMORA_GUI_TEST_MAIN(SoftSettingsTest)
#include "test_soft_settings.moc"
