#include "guitest.h"

#include "common/error.h"
#include "fake_settings.h"
#include "gui/formklimatkoef.h"
#include "gui/formmain.h"
#include "gui/guard.h"
#include "gui/guardedapplication.h"
#include "gui/platform.h"
#include "gui/startup.h"
#include "l10n/localization.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>

#include <stdexcept>

using namespace velmora;
using namespace velmora::test;

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { DestroyAppWindows(); }

    void errorReportAddsAFullStop_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "File not found"
                                << "File not found.";
        QTest::newRow("full stop") << "Done."
                                   << "Done.";
        QTest::newRow("exclamation sorts before") << "Error data entry!"
                                                  << "Error data entry!";
        QTest::newRow("closing parenthesis sorts before") << "(x)"
                                                          << "(x)";
        QTest::newRow("digit") << "I/O error 5"
                               << "I/O error 5.";
        QTest::newRow("cyrillic") << "Файл не найден"
                                  << "Файл не найден.";
        QTest::newRow("empty") << ""
                               << "";
    }
    void errorReportAddsAFullStop()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ErrorReportText(message), shown);
    }

    void theGuardShowsTheErrorAndTheProgramGoesOn()
    {
        ScriptedPrompts prompts;
        QVERIFY(!Guarded([] { throw Error("File not found"); }));
        QVERIFY(!Guarded([] { throw std::runtime_error("I/O error 5"); }));
        QVERIFY(Guarded([] {}));
        QCOMPARE(prompts.Kinds(), (QStringList {"Error", "Error"}));
        QCOMPARE(prompts.asked.at(0).text, "File not found.");
        QCOMPARE(prompts.asked.at(1).text, "I/O error 5.");
    }

    // An error that no handler guarded stops at the application object, which shows it with
    // the fatal message and ends the loop with status 1 instead of going on.
    void theApplicationReportsAnUnguardedErrorAndEndsTheLoop()
    {
        ScriptedPrompts prompts;
        FakeSettingsStore store;
        const auto program = StartInEnglish(store);
        struct Thrower : QObject
        {
            int events = 0;
            bool event(QEvent *e) override
            {
                if (e->type() != QEvent::User)
                    return QObject::event(e);
                ++events;
                throw Error("Disk full");
            }
        } thrower;
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QCOMPARE(QCoreApplication::exec(), 1); // the main loop, as RunProgram runs it
        QCOMPARE(thrower.events, 1);
        QCOMPARE(prompts.Kinds(), QStringList {"Message"});
        const QString text = prompts.Last("Message");
        QVERIFY2(text.startsWith("Program error.\n\nDisk full.\n\nPlease contact"),
                 qPrintable(text));
    }

    void aFailureWhileCreatingAWindowShowsTheFatalMessage()
    {
        ScriptedPrompts prompts;
        QSettings(QStringLiteral("Orbelan"), QStringLiteral("Tarnvik"))
            .setValue(QStringLiteral("Param/Language"), QStringLiteral("1"));
        const int status = RunProgram(false, [](int position) {
            if (position == 6)
                throw Error("Cannot create the data folder");
        });
        QCOMPARE(status, 1);
        QCOMPARE(prompts.Kinds(), QStringList {"Message"});
        const QString text = prompts.Last("Message");
        QVERIFY2(
            text.startsWith("Ошибка в работе программы.\n\nCannot create the data folder.\n\n"),
            qPrintable(text));
        QVERIFY(text.contains("обратитесь к разработчикам"));
        QVERIFY(text.contains("support@velmora.example"));
        QCOMPARE(Windows().FormMain, nullptr);
    }

    // The command line is answered after the localization and before any window: --help and
    // --version end with 0, an unknown option with 2.
    void theCommandLineIsAnsweredWithoutAWindow()
    {
        ScriptedPrompts prompts;
        for (const auto &[argument, status] :
             {std::pair {"--version", 0}, std::pair {"-h", 0}, std::pair {"--bogus", 2}}) {
            QCOMPARE(StartProgram({"velmora", QString::fromLatin1(argument)}), status);
            QCOMPARE(Windows().FormMain, nullptr);
        }
        QVERIFY(prompts.asked.isEmpty());
    }

    // The program file itself with no display at all: --help and --version answer on stdout
    // in the stored language and leave the settings store as it was (here: not made).
    void helpAndVersionNeedNoDisplayAndWriteNoSettings()
    {
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.path() + "/config");
        for (const QString &argument : QStringList {"--help", "-h", "--version"}) {
            QProcess program;
            program.setProcessEnvironment(env);
            program.start(ApplicationDir() + "velmora", {argument});
            QVERIFY(program.waitForFinished(20000));
            const QString out = QString::fromUtf8(program.readAllStandardOutput());
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QVERIFY2(program.exitCode() == 0,
                     qPrintable(argument + ": " + program.readAllStandardError()));
            QVERIFY2(out.contains(argument == "--version" ? "Velmora " : "project.vlp"),
                     qPrintable(out));
        }
        QVERIFY(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    // A settings store that cannot be written (a read-only home) costs only what it would
    // remember: --version answers, the windows open, and the status bar says it once.
    void aSettingsStoreThatCannotBeWrittenOnlyForgets()
    {
        ScriptedPrompts prompts;
        // A file where the store's folder belongs: the platform's store cannot be written.
        const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Orbelan";
        QVERIFY(QDir(folder).removeRecursively());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const int versionStatus = StartProgram({"velmora", "--version"});
        const int runStatus = RunProgram(false, {}, {});
        QCoreApplication::processEvents(); // the warning waits for the event loop
        const QString shown
            = Windows().FormMain ? Windows().FormMain->statusBar()->currentMessage() : QString();
        QFile::remove(folder);
        QCOMPARE(versionStatus, 0);
        QCOMPARE(runStatus, 0);
        QVERIFY2(prompts.asked.isEmpty(), qPrintable(prompts.Kinds().join(", ")));
        QVERIFY(Windows().FormMain != nullptr);
        QVERIFY2(shown.contains("Orbelan/Tarnvik.conf"), qPrintable(shown)); // in either language
    }

    void theFatalMessageInEnglish()
    {
        QtSettingsStore store;
        const auto program = StartInEnglish(store);
        QVERIFY(FatalErrorText().startsWith("Program error.\n\nPlease contact the developers"));
        QCOMPARE(FatalErrorText(""), FatalErrorText());
    }

    void startUpCreatesEveryWindowAndStoresTheSettings()
    {
        ScriptedPrompts prompts;
        QSettings(QStringLiteral("Orbelan"), QStringLiteral("Tarnvik"))
            .remove(QStringLiteral("Param"));
        // The program takes the platform's store itself.
        QList<int> positions;
        QCOMPARE(RunProgram(false, [&positions](int position) { positions << position; }), 0);
        QCOMPARE(positions.size(), 13);
        QCOMPARE(positions.front(), 1);
        QVERIFY(Windows().FormMain != nullptr);
        QVERIFY(Windows().FormProfile != nullptr);
        QVERIFY(Windows().FormKlimatKoef != nullptr);
        QCOMPARE(Windows().FormKlimatKoef->parent(), Windows().FormMain);
        QVERIFY(prompts.asked.isEmpty());
        // A first start stores the language (Russian when none is stored) and units 0.
        QSettings settings(QStringLiteral("Orbelan"), QStringLiteral("Tarnvik"));
        QCOMPARE(settings.value("Param/Language").toString(), "1");
        QCOMPARE(settings.value("Param/Units").toString(), "0");
        QVERIFY(settings.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    }

    // Qt's own texts take the stored language from the start.
    void startUpLoadsQtsTextsOfTheLanguage()
    {
        ScriptedPrompts prompts;
        auto yes = [] {
            const QDialogButtonBox box(QDialogButtonBox::Yes);
            return box.button(QDialogButtonBox::Yes)->text();
        };
        for (const auto &[stored, expected] :
             {std::pair {"1", "&Да"}, std::pair {"0", "&Yes"}, std::pair {"1", "&Да"}}) {
            QSettings(QStringLiteral("Orbelan"), QStringLiteral("Tarnvik"))
                .setValue(QStringLiteral("Param/Language"), QString::fromLatin1(stored));
            QCOMPARE(RunProgram(false), 0);
            QCOMPARE(yes(), QString::fromUtf8(expected));
            DestroyAppWindows();
        }
        QVERIFY(prompts.asked.isEmpty());
    }

    void settingsStoreReadsTextsAndOtherTypes()
    {
        QtSettingsStore store;
        QSettings(QStringLiteral("Orbelan"), QStringLiteral("Tarnvik"))
            .remove(QStringLiteral("Param"));
        QCOMPARE(store.Read("Language").kind, SettingsStore::Value::Absent);
        store.Write("Language", "0");
        const SettingsStore::Value value = store.Read("Language");
        QCOMPARE(value.kind, SettingsStore::Value::Text);
        QCOMPARE(value.text, "0");
        QSettings(QStringLiteral("Orbelan"), QStringLiteral("Tarnvik"))
            .setValue(QStringLiteral("Param/Units"), QStringList {"a", "b"});
        QCOMPARE(store.Read("Units").kind, SettingsStore::Value::OtherType);
    }

    void dataFolderIsTheUsersDataFolder()
    {
        QCOMPARE(QString::fromStdString(CommonDataDir()), qEnvironmentVariable("XDG_DATA_HOME"));
        QVERIFY(ApplicationDir().endsWith('/'));
    }
};

int main(int argc, char *argv[])
{
    velmora::test::PrepareTestHome();
    GuardedApplication app(argc, argv);
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_startup.moc"
