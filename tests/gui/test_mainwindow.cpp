#include "guitest.h"

#include "common/fileio.h"
#include "data/projectfile.h"
#include "gui/document/projectdocument.h"
#include "gui/formmain.h"
#include "gui/formsaveproject.h"
#include "gui/numberfields.h"
#include "gui/platform.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolTip>

#include <sys/stat.h>

using namespace velmora;
using namespace velmora::test;

namespace {

TFormMain *Main()
{
    return Windows().FormMain;
}

DecimalField *Decimal(const char *name)
{
    auto *field = Main()->findChild<DecimalField *>(QString::fromLatin1(name));
    if (!field)
        qFatal("no decimal field %s", name);
    return field;
}

IntegerField *Integer(const char *name)
{
    auto *field = Main()->findChild<IntegerField *>(QString::fromLatin1(name));
    if (!field)
        qFatal("no whole-number field %s", name);
    return field;
}

QAction *Action(const char *name)
{
    auto *action = Main()->findChild<QAction *>(QString::fromLatin1(name));
    if (!action)
        qFatal("no action %s", name);
    return action;
}

// Typing as from a keyboard, Cyrillic letters too (QTest::keyClicks takes ASCII only).
void Type(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QString LabelText(const char *name)
{
    auto *label = Main()->findChild<QLabel *>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

// The save prompt's answers.
int AnswerSave(QDialog &dialog)
{
    auto *prompt = qobject_cast<TFormSave_Project *>(&dialog);
    if (!prompt)
        qFatal("the save prompt was expected, got %s", qPrintable(dialog.objectName()));
    return Accept(dialog);
}
int AnswerDontSave(QDialog &dialog)
{
    if (!qobject_cast<TFormSave_Project *>(&dialog))
        qFatal("the save prompt was expected, got %s", qPrintable(dialog.objectName()));
    dialog.done(TFormSave_Project::DiscardChanges);
    return dialog.result();
}

// The language dialog's answer: item 0 English, 1 Russian, then OK.
std::function<int(QDialog &)> ChooseLanguage(int index)
{
    return [index](QDialog &dialog) {
        dialog.findChild<QComboBox *>("LanguageList")->setCurrentIndex(index);
        return Accept(dialog);
    };
}

// The folders the project dialogs start in the first time: the shipped examples beside the
// program for open, the user's documents folder (made by the test) for save.
QString ExamplesFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/Projects");
}
QString DocumentsFolder()
{
    return QDir::homePath() + "/Documents";
}

void ForgetProjectFolder()
{
    QSettings("Orbelan", "Tarnvik").remove("Param/ProjectFolder");
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QDir().mkpath(DocumentsFolder())); }
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_program = StartInEnglish(m_store);
        CreateAppWindows(Program());
        Main()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Main()));
    }
    void cleanup()
    {
        DestroyAppWindows();
        m_program.reset();
    }

    void newProjectShowsTheDefaults()
    {
        QCOMPARE(Decimal("T_Max")->text(), "40");
        QCOMPARE(Decimal("T_Min")->text(), "-50");
        QCOMPARE(Decimal("T_Srg")->text(), "0");
        QCOMPARE(Decimal("Tvmax")->text(), "-5");
        QCOMPARE(Decimal("VMax")->text(), "36");
        QCOMPARE(Decimal("Vgol")->text(), "18");
        QCOMPARE(Decimal("Tols")->text(), "20");
        QCOMPARE(Decimal("Napr_Max")->text(), "9");
        QCOMPARE(Decimal("Napr_srg")->text(), "4");
        // The force page shows the same input over the section of АПС35/6.2, 43 mm².
        QCOMPARE(Decimal("Tag_Max")->text(), "387");
        QCOMPARE(Integer("Min_Prol")->value(), 10);
        QCOMPARE(Integer("Max_Prol")->value(), 100);
        QCOMPARE(Integer("Shag")->value(), 10);
        QCOMPARE(Decimal("T_Max")->singleStep(), 0.1);
        QCOMPARE(Decimal("T_Min")->singleStep(), 0.5);
        QCOMPARE(Decimal("Tols")->singleStep(), 0.1);
        QCOMPARE(Decimal("Tag_Srg")->singleStep(), 0.5);
        QVERIFY(Main()->findChild<QRadioButton *>("RgCalcRegime1")->isChecked());
        QCOMPARE(LabelText("PanelProjectName"), QString());
        QCOMPARE(Main()->windowTitle(),
                 "Untitled[*] - Velmora - Mechanical calculation of wires, cords and "
                 "self-supporting cables.");
    }

    void decimalFieldsShowNineDigitsAndTakeNoValueFromUnfinishedText()
    {
        // The main window set "." for the whole program, whatever LANG says.
        QCOMPARE(QLocale().toString(1.5), "1.5");
        DecimalField *field = Decimal("T_Max");
        field->setValue(1.5);
        QCOMPARE(field->text(), "1.5");
        field->setValue(1.0 / 3.0);
        QCOMPARE(field->text(), "0.333333333");
        // The value itself is kept exactly until the user edits the text.
        Main()->FormToProject();
        QCOMPARE(Main()->CurProject.Dat.T_Max, 1.0 / 3.0);
        field->setValue(123456789012.0);
        QCOMPARE(field->text(), "1.23456789e+11");
        field->selectAll();
        QTest::keyClicks(field, "-12.5");
        Main()->FormToProject();
        QCOMPARE(Main()->CurProject.Dat.T_Max, -12.5);
        field->selectAll();
        QTest::keyClicks(field, "abc"); // letters are refused
        QTest::keyClicks(field, "-");
        Main()->FormToProject();
        QCOMPARE(field->text(), "-"); // kept as typed, never read as 0
        QVERIFY(!field->HoldsValue());
        QCOMPARE(Main()->CurProject.Dat.T_Max, -12.5);
    }

    // Russian users type commas: "40,5" is 40.5 in every decimal field, never 405.
    void everyDecimalFieldTakesACommaOrAPoint()
    {
        int fields = 0;
        for (DecimalField *field : Main()->findChildren<DecimalField *>()) {
            if (field->window() != Main())
                continue;
            ++fields;
            for (const char *typed : {"40,5", "40.5"}) {
                field->selectAll();
                QTest::keyClicks(field, typed);
                QCOMPARE(field->text(), "40.5");
                field->Commit();
                QCOMPARE(field->value(), 40.5);
            }
            field->selectAll();
            QTest::keyClicks(field, "1,92E-5");
            field->Commit();
            QCOMPARE(field->value(), 1.92e-5);
        }
        QCOMPARE(fields, 13);
        Decimal("T_Max")->selectAll();
        QTest::keyClicks(Decimal("T_Max"), "-40,5");
        Main()->FormToProject();
        QCOMPARE(Main()->CurProject.Dat.T_Max, -40.5);
    }

    // A keystroke a field cannot take is refused with a word of why; every other
    // character stays, so no number changes unseen.
    void aRefusedKeystrokeSaysWhy_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("tip"); // empty: nothing was refused
        const QString number = "Only a number: digits, \".\" or \",\" as the decimal point, a "
                               "sign, an exponent (E).";
        const QString whole = "Only a whole number: digits and a sign.";
        QTest::newRow("letter in a decimal") << "T_Max"
                                             << "4ю5"
                                             << "45" << number;
        QTest::newRow("second point") << "Tols"
                                      << "1.5,2"
                                      << "1.52" << number;
        QTest::newRow("unfinished exponent") << "VMax"
                                             << "1e-"
                                             << "1e-" << QString();
        // A decimal point in a whole-number field stays as typed: the field then holds no
        // value (wholeMetresOnlyStaysAsTypedAndIsNamedByCalculate).
        QTest::newRow("comma in a span") << "Max_Prol"
                                         << "100,5"
                                         << "100,5" << QString();
        QTest::newRow("point in a step") << "Shag"
                                         << "2.5"
                                         << "2.5" << QString();
        QTest::newRow("letter in a span") << "Min_Prol"
                                          << "1ю0"
                                          << "10" << whole;
    }
    void aRefusedKeystrokeSaysWhy()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, tip);
        auto *box = Main()->findChild<QAbstractSpinBox *>(field);
        QVERIFY(box);
        QToolTip::hideText();
        box->selectAll();
        Type(box, typed);
        QCOMPARE(box->text(), shown);
        QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tip);
        if (!tip.isEmpty()) {
            Program().SetLanguage(1);
            box->selectAll();
            Type(box, "ю");
            QVERIFY(QToolTip::text().startsWith("Только"));
        }
        QToolTip::hideText();
    }

    void startThenQuitAsksOnlyTheQuitQuestion()
    {
        ScriptedPrompts prompts;
        prompts.yesNo = {true};
        QVERIFY(Main()->close());
        QCOMPARE(prompts.Kinds(), QStringList {"WarningYesNo"});
        QCOMPARE(prompts.Last("WarningYesNo"), "Are you sure you would like to quit the program?");
    }

    void quitAnsweredNoKeepsTheWindow()
    {
        ScriptedPrompts prompts;
        prompts.yesNo = {false};
        QVERIFY(!Main()->close());
        QVERIFY(Main()->isVisible());
    }

    void changeThenQuitWithDontSaveWritesNothing()
    {
        ScriptedPrompts prompts;
        Decimal("T_Max")->setValue(41);
        prompts.dialogs = {AnswerDontSave};
        prompts.yesNo = {true};
        QVERIFY(Main()->close());
        QCOMPARE(prompts.Kinds(), (QStringList {"Exec", "WarningYesNo"}));
        QCOMPARE(Windows().FormSave_Project->LabelText(),
                 "Changes have been done to the project.\nSave the project?");
        QVERIFY(QDir(m_dir.path()).isEmpty());
    }

    void newAfterAChangeAsksThenShowsDefaults()
    {
        ScriptedPrompts prompts;
        Decimal("T_Max")->setValue(41);
        Main()->findChild<QLineEdit *>("Provod")->setText("АС 70/11");
        prompts.dialogs = {AnswerDontSave};
        Action("ActProjectNew")->trigger();
        QCOMPARE(prompts.Kinds(), QStringList {"Exec"});
        QCOMPARE(Decimal("T_Max")->text(), "40");
        QCOMPARE(Main()->findChild<QLineEdit *>("Provod")->text(), "АПС35/6.2");
        QCOMPARE(LabelText("PanelProjectName"), QString());
        QVERIFY(!Main()->IsModified());
        prompts.yesNo = {true};
        QVERIFY(Main()->close());
        QCOMPARE(prompts.Kinds(), (QStringList {"Exec", "WarningYesNo"}));
    }

    void saveOfANeverSavedProjectWithTheDialogCancelled()
    {
        ScriptedPrompts prompts;
        prompts.fileNames = {QString()};
        Action("ActProjectSave")->trigger();
        QCOMPARE(prompts.Kinds(), QStringList {"Save"});
        QCOMPARE(prompts.lastFileDialog.title,
                 "Save the Velmora project"); // in the language in force
        QCOMPARE(prompts.lastFileDialog.defaultSuffix, "vlp");
        QVERIFY(Main()->ProjectFileName().isEmpty());
    }

    // The prompt's Save asks for a save; a cancelled save dialog then calls the action off
    // instead of throwing the changes away.
    void saveInThePromptThenCancelledSaveCallsTheActionOff()
    {
        ScriptedPrompts prompts;
        Decimal("T_Max")->setValue(41);
        prompts.dialogs = {AnswerSave};
        prompts.fileNames = {QString()};
        Action("ActProjectNew")->trigger();
        QCOMPARE(prompts.Kinds(), (QStringList {"Exec", "Save"}));
        QCOMPARE(Decimal("T_Max")->value(), 41.0);

        prompts.dialogs = {AnswerSave};
        prompts.fileNames = {QString()};
        QVERIFY(!Main()->close());
        QVERIFY(Main()->isVisible());
        QVERIFY(!prompts.Kinds().contains("WarningYesNo"));
    }

    void saveInThePromptSavesThenTheActionGoesOn()
    {
        ScriptedPrompts prompts;
        Decimal("T_Max")->setValue(41);
        const QString path = m_dir.filePath("line.vlp");
        prompts.dialogs = {AnswerSave};
        prompts.fileNames = {path};
        Action("ActProjectNew")->trigger();
        QCOMPARE(prompts.Kinds(), (QStringList {"Exec", "Save", "Message"}));
        QCOMPARE(prompts.Last("Message"), "File is successfully saved.");
        TProject saved;
        LoadProject(path.toStdString(), saved);
        QCOMPARE(saved.Dat.T_Max, 41.0);
        QCOMPARE(Decimal("T_Max")->value(), 40.0);
        QVERIFY(Main()->ProjectFileName().isEmpty());
    }

    void saveThenQuitOnTheTensileForcePageAsksNoSave()
    {
        ScriptedPrompts prompts;
        Main()->findChild<QTabWidget *>("PcNapr")->setCurrentIndex(1);
        Decimal("Tag_Max")->setValue(1500);
        Decimal("Tag_Srg")->setValue(600);
        const QString path = m_dir.filePath("Line 1.5.vlp");
        prompts.fileNames = {path};
        Action("ActProjectSave")->trigger();
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "Message"}));
        QCOMPARE(LabelText("PanelProjectName"), "Project: Line 1");
        QCOMPARE(Main()->CurProject.Dat.Napr_Max, 9.0); // 0 only in the file
        const std::string bytes = ReadFileBytes(path.toStdString());
        QVERIFY(bytes.find("0;1500\r\n") != std::string::npos);
        prompts.yesNo = {true};
        QVERIFY(Main()->close());
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "Message", "WarningYesNo"}));
    }

    void saveAsPresetsTheFileNameAndWritesTheNewFile()
    {
        ScriptedPrompts prompts;
        const QString first = m_dir.filePath("a.vlp");
        const QString second = m_dir.filePath("b.vlp");
        prompts.fileNames = {first, second};
        Action("ActProjectSave")->trigger();
        Action("ActProjectSaveAs")->trigger();
        QCOMPARE(prompts.lastFileDialog.fileName, "a.vlp");
        QCOMPARE(prompts.lastFileDialog.directory, m_dir.path());
        QCOMPARE(Main()->ProjectFileName(), second);
        QVERIFY(QFile::exists(second));
        QCOMPARE(LabelText("PanelProjectName"), "Project: b");
    }

    void saveThatFailsShowsTheErrorAndKeepsTheChange()
    {
        ScriptedPrompts prompts;
        Decimal("T_Max")->setValue(41);
        prompts.fileNames = {m_dir.filePath("no such folder/x.vlp")};
        Action("ActProjectSave")->trigger();
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "Error"}));
        QVERIFY(prompts.Last("Error").contains("x.vlp"));
        QVERIFY(Main()->ProjectFileName().isEmpty());
        QVERIFY(Main()->IsModified());
    }

    void openWithAMissingCoefficientSectionTakesTheDefaults()
    {
        TProject project;
        project.Dat.T_Max = 35;
        std::string bytes = WriteProjectToBytes(project);
        // Keep the 17 lines of the input record only.
        std::size_t end = 0;
        for (int line = 0; line < 17; ++line)
            end = bytes.find("\r\n", end) + 2;
        bytes.resize(end);
        const QString path = m_dir.filePath("old.vlp");
        WriteFileAtomically(path.toStdString(), bytes);

        ScriptedPrompts prompts;
        Main()->CurProject.Koef.V_Otv = 1.3;
        Main()->MarkSaved();
        prompts.fileNames = {path};
        Action("ActProjectOpen")->trigger();
        QCOMPARE(prompts.Kinds(), QStringList {"Open"});
        QCOMPARE(prompts.lastFileDialog.title,
                 "Open a Velmora project"); // in the language in force
        QCOMPARE(prompts.lastFileDialog.fileName, "*.vlp");
        QCOMPARE(Main()->CurProject.Koef.V_Otv, 1.0);
        QCOMPARE(Decimal("T_Max")->value(), 35.0);
        QCOMPARE(LabelText("PanelProjectName"), "Project: old");
        QVERIFY(!Main()->IsModified());
    }

    void openThatFailsLeavesTheProjectAsItWas()
    {
        const QString good = m_dir.filePath("good.vlp");
        TProject project;
        project.Dat.T_Max = 33;
        SaveProject(good.toStdString(), project);
        std::string bytes = WriteProjectToBytes(project);
        bytes.replace(bytes.find("\r\n-50\r\n"), 7, "\r\nx1\r\n");
        const QString bad = m_dir.filePath("bad.vlp");
        WriteFileAtomically(bad.toStdString(), bytes);

        ScriptedPrompts prompts;
        prompts.fileNames = {good, bad};
        Action("ActProjectOpen")->trigger();
        Decimal("T_Min")->setValue(-45);
        prompts.dialogs = {AnswerDontSave};
        Action("ActProjectOpen")->trigger();
        QCOMPARE(prompts.Kinds(), (QStringList {"Open", "Exec", "Open", "Error"}));
        QCOMPARE(
            prompts.Last("Error"),
            "The file \"" + bad
                + "\" is not a Velmora project.\nProject file line 6, the minimum temperature: "
                  "'x1' is not a valid floating point value.");
        QCOMPARE(Main()->ProjectFileName(), good);
        QCOMPARE(LabelText("PanelProjectName"), "Project: good");
        QCOMPARE(Decimal("T_Max")->value(), 33.0);
        QCOMPARE(Decimal("T_Min")->value(), -45.0);

        prompts.fileNames = {m_dir.filePath("missing.vlp")};
        prompts.dialogs = {AnswerDontSave};
        Action("ActProjectOpen")->trigger();
        QCOMPARE(prompts.asked.back().kind, "Error");
        // A file that cannot be read is not called a non-project: its own reason is enough.
        QVERIFY2(!prompts.Last("Error").contains("not a Velmora project"),
                 qPrintable(prompts.Last("Error")));
        QCOMPARE(Main()->ProjectFileName(), good);
    }

    // A file that cannot be read is told in the window's language; a pipe is refused at once,
    // not waited on.
    void openErrorsAreInTheWindowsLanguage()
    {
        const QString pipe = m_dir.filePath("pipe.vlp");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString missing = m_dir.filePath("missing.vlp");
        ScriptedPrompts prompts;
        Program().SetLanguage(1);
        Main()->ApplyLanguage();
        prompts.fileNames = {pipe, missing};
        Action("ActProjectOpen")->trigger();
        QCOMPARE(prompts.Last("Error"),
                 "Не удалось открыть файл «" + pipe
                     + "». Это не обычный файл, а канал или устройство.");
        Action("ActProjectOpen")->trigger();
        QCOMPARE(prompts.Last("Error"),
                 "Не удалось открыть файл «" + missing + "». Нет такого файла или папки.");
        Program().SetLanguage(0);
        Main()->ApplyLanguage();
    }

    void openOfAFileThatIsNoProjectNamesItAndChangesNothing_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("said"); // %1: the file
        QTest::addColumn<QString>("reason");
        const QString english = "The file \"%1\" is not a Velmora project.\n";
        QTest::newRow("a list") << 0 << QByteArray("Shopping list\r\nmilk\r\n") << english
                                << "Project file line 2, the temperature with ice and wind: 'milk' "
                                   "is not a valid floating point value.";
        QTest::newRow("an empty file")
            << 0 << QByteArray() << english
            << "Project file line 2, the temperature with ice and wind: '' is not a valid "
               "floating point value.";
        QTest::newRow("a picture, in Russian")
            << 1 << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
            << "Файл \"%1\" не является проектом Velmora.\n"
            << "Файл проекта, строка 2, температура при гололёде с ветром: «\\x1A» не является "
               "числом.";
    }
    void openOfAFileThatIsNoProjectNamesItAndChangesNothing()
    {
        QFETCH(int, language);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, said);
        QFETCH(QString, reason);
        const QString good = m_dir.filePath("kept.vlp");
        TProject project;
        project.Dat.T_Max = 33;
        project.Koef.V_Otv = 1.2;
        TShablon shablon;
        shablon.Name = "Габарит";
        project.Shablons.Add(shablon);
        SaveProject(good.toStdString(), project);
        const QString other = m_dir.filePath("notes.vlp");
        WriteFileAtomically(other.toStdString(), bytes.toStdString());

        ScriptedPrompts prompts;
        Program().SetLanguage(language);
        Main()->ApplyLanguage();
        prompts.fileNames = {good, other};
        Action("ActProjectOpen")->trigger();
        const QString title = Main()->windowTitle();
        const QString panel = LabelText("PanelProjectName");
        QSignalSpy replaced(&Main()->Document(), &ProjectDocument::projectReplaced);
        Action("ActProjectOpen")->trigger();
        QCOMPARE(prompts.Kinds(), (QStringList {"Open", "Open", "Error"}));
        QCOMPARE(prompts.Last("Error"), said.arg(other) + reason);
        // As read, with the forces derived from the stresses over АПС35/6.2's 43 mm².
        project.Dat.Tag_Max = 9 * 43;
        project.Dat.Tag_Srg = 4 * 43;
        QVERIFY(Main()->CurProject.IsEqual(project));
        QVERIFY(!Main()->IsModified());
        QCOMPARE(Main()->ProjectFileName(), good);
        QCOMPARE(Main()->windowTitle(), title);
        QCOMPARE(LabelText("PanelProjectName"), panel);
        QCOMPARE(Decimal("T_Max")->value(), 33.0);
        QCOMPARE(replaced.count(), 0);
    }

    void projectDialogsStartInTheFolderLastUsed()
    {
        ForgetProjectFolder();
        ScriptedPrompts prompts;
        // First: open among the shipped examples (which open), save in the documents folder.
        prompts.fileNames = {QString(), QString()};
        Action("ActProjectOpen")->trigger();
        QCOMPARE(prompts.lastFileDialog.directory, ExamplesFolder());
        QCOMPARE(prompts.lastFileDialog.sidebarFolders,
                 (QStringList {DocumentsFolder(), ExamplesFolder()}));
        Action("ActProjectSave")->trigger();
        QCOMPARE(prompts.lastFileDialog.directory, DocumentsFolder());

        // A save remembers its folder for every project dialog, in a later run too.
        const QString folder = m_dir.filePath("lines");
        QVERIFY(QDir().mkpath(folder));
        prompts.fileNames = {folder + "/a.vlp"};
        Action("ActProjectSave")->trigger();
        DestroyAppWindows();
        CreateAppWindows(Program());
        Main()->show();
        prompts.fileNames = {QString(), QString()};
        Action("ActProjectOpen")->trigger();
        QCOMPARE(prompts.lastFileDialog.directory, folder);
        Action("ActProjectSave")->trigger();
        QCOMPARE(prompts.lastFileDialog.directory, folder);

        // So does an open, and the examples are a project like any other.
        const QString example = ExamplesFolder() + "/example.vlp";
        prompts.fileNames = {example, QString()};
        Action("ActProjectOpen")->trigger();
        QCOMPARE(Main()->ProjectFileName(), example);
        Action("ActProjectOpen")->trigger();
        QCOMPARE(prompts.lastFileDialog.directory, ExamplesFolder());
        QCOMPARE(prompts.Kinds(),
                 (QStringList {"Open", "Save", "Save", "Message", "Open", "Save", "Open", "Open"}));
    }

    void aDialogNeverStartsInAFolderThatIsNotNormal_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::newRow("/proc") << "/proc";
        QTest::newRow("under /proc") << "/proc/self/fd";
        QTest::newRow("under /sys") << "/sys/kernel";
        QTest::newRow("/dev") << "/dev";
        QTest::newRow("through a link into /proc") << m_dir.filePath("to-proc");
        QTest::newRow("deleted") << m_dir.filePath("gone");
        QTest::newRow("a file") << m_dir.filePath("plain.txt");
        QTest::newRow("relative") << "Projects";
        QTest::newRow("empty") << "";
    }
    void aDialogNeverStartsInAFolderThatIsNotNormal()
    {
        QFETCH(QString, remembered);
        QFile::link("/proc/self", m_dir.filePath("to-proc"));
        WriteFileAtomically(m_dir.filePath("plain.txt").toStdString(), "x");
        QSettings("Orbelan", "Tarnvik").setValue("Param/ProjectFolder", remembered);
        ScriptedPrompts prompts;
        prompts.fileNames = {QString(), QString()};
        Action("ActProjectOpen")->trigger();
        QCOMPARE(prompts.lastFileDialog.directory, ExamplesFolder());
        Action("ActProjectSave")->trigger();
        QCOMPARE(prompts.lastFileDialog.directory, DocumentsFolder());
    }

    void aFailedSaveIntoASystemFolderIsNotWhereTheNextDialogStarts()
    {
        ForgetProjectFolder();
        ScriptedPrompts prompts;
        prompts.fileNames = {"/proc/line.vlp", QString()};
        Action("ActProjectSave")->trigger();
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "Error"}));
        Action("ActProjectSave")->trigger();
        // The name as typed comes back, without its folder.
        QCOMPARE(prompts.lastFileDialog.fileName, "line.vlp");
        QCOMPARE(prompts.lastFileDialog.directory, DocumentsFolder());
    }

    void regimeItemZeroThenOpenKeepsTheClearanceModes()
    {
        const QString path = m_dir.filePath("all.vlp");
        TProject project; // saved with all modes
        SaveProject(path.toStdString(), project);
        ScriptedPrompts prompts;
        QTest::mouseClick(Main()->findChild<QRadioButton *>("RgCalcRegime0"), Qt::LeftButton);
        QVERIFY(Main()->IsModified()); // the project's mode flags changed
        prompts.dialogs = {AnswerDontSave};
        prompts.fileNames = {path};
        Action("ActProjectOpen")->trigger();
        const auto &flags = Main()->CurProject.Dat.RegimeFlags;
        for (int mode = 1; mode <= RegimeCount; ++mode)
            QCOMPARE(flags[mode - 1], mode == 2 || mode == 7);
        QVERIFY(!Main()->IsModified());
        Action("ActProjectNew")->trigger();
        QVERIFY(Main()->findChild<QRadioButton *>("RgCalcRegime0")->isChecked());
    }

    void unitsSwitchKeepsThePhysicalValues()
    {
        ScriptedPrompts prompts;
        Decimal("Tag_Max")->setValue(1500);
        auto choose = [](int mode) {
            return [mode](QDialog &dialog) {
                dialog.findChild<QRadioButton *>(mode ? "UnitsN" : "UnitsDaN")->setChecked(true);
                return Accept(dialog);
            };
        };
        prompts.dialogs = {choose(1)};
        Action("ActUnits")->trigger();
        QCOMPARE(UnitsFromStore(m_store), 1);
        QCOMPARE(m_store.Read("Units").text, "1");
        QCOMPARE(Decimal("Napr_Max")->text(), "90");
        QCOMPARE(Decimal("Tag_Max")->text(), "15");
        QCOMPARE(LabelText("LabUnit_Napr_Max"), "N/mm");
        QCOMPARE(LabelText("Lab_daN1"), "kN");
        QCOMPARE(Main()->CurProject.Dat.Napr_Max, 9.0);

        // Cancel changes nothing.
        prompts.dialogs = {Reject};
        Action("ActUnits")->trigger();
        QCOMPARE(Decimal("Napr_Max")->text(), "90");

        prompts.dialogs = {choose(0)};
        Action("ActUnits")->trigger();
        QCOMPARE(Decimal("Napr_Max")->text(), "9");
        QCOMPARE(Decimal("Tag_Max")->text(), "1500");
        QCOMPARE(LabelText("LabUnit_Napr_Max"), "daN/mm");
        QCOMPARE(LabelText("Lab_daN2"), "daN");
        QCOMPARE(Main()->CurProject.Dat.Tag_Max, 1500.0);
    }

    void languageSwitchRenewsCaptionsAndKeepsTypedValues()
    {
        ScriptedPrompts prompts;
        const QString path = m_dir.filePath("Line 10.vlp");
        prompts.fileNames = {path};
        Action("ActProjectSave")->trigger();
        Decimal("T_Max")->setValue(38.5); // typed, not yet taken into the project
        prompts.dialogs = {[](QDialog &dialog) {
            dialog.findChild<QComboBox *>("LanguageList")->setCurrentIndex(1);
            return Accept(dialog);
        }};
        Action("ActSettingLanguage")->trigger();
        QVERIFY(!Program().IsEnglish());
        QCOMPARE(m_store.Read("Language").text, "1");
        QCOMPARE(Decimal("T_Max")->value(), 38.5);
        QCOMPARE(Main()->windowTitle(),
                 "Line 10.vlp[*] - Velmora - Механический расчёт проводов, тросов и самонесущих "
                 "кабелей.");
        QCOMPARE(LabelText("PanelProjectName"), "Проект: Line 10");
        QCOMPARE(Main()->menuBar()->actions().at(0)->text(), "Проект");
        QCOMPARE(Action("ActCalcProject")->toolTip(), "Расчёт");
        QCOMPARE(Action("ActSettingLanguage")->text(), "Language(Язык)");
        QCOMPARE(LabelText("LabUnit_Napr_Max"), "даН/мм");
        QCOMPARE(LabelText("StatusText"), "   Tarnvik - проектирование ВЛ, ВОЛС ВЛ, ВОЛС.");

        // Cancel stores nothing even with the other item chosen.
        prompts.dialogs = {[](QDialog &dialog) {
            dialog.findChild<QComboBox *>("LanguageList")->setCurrentIndex(0);
            return Reject(dialog);
        }};
        Action("ActSettingLanguage")->trigger();
        QVERIFY(!Program().IsEnglish());
        QCOMPARE(m_store.Read("Language").text, "1");
    }

    // Qt's own buttons and dialogs speak the program's language.
    void qtsOwnTextsFollowTheLanguage()
    {
        auto texts = [] {
            const QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::Cancel);
            const QMessageBox box(QMessageBox::Question, "", "", QMessageBox::No);
            return QStringList {buttons.button(QDialogButtonBox::Yes)->text(),
                                buttons.button(QDialogButtonBox::Cancel)->text(),
                                box.button(QMessageBox::No)->text(),
                                QCoreApplication::translate("QFileDialog",
                                                            "%1 already exists.\n"
                                                            "Do you want to replace it?")};
        };
        const QStringList english {"&Yes", "Cancel", "&No",
                                   "%1 already exists.\nDo you want to replace it?"};
        QCOMPARE(texts(), english);
        ScriptedPrompts prompts;
        prompts.dialogs = {ChooseLanguage(1)};
        Action("ActSettingLanguage")->trigger();
        QCOMPARE(texts(),
                 (QStringList {"&Да", "Отмена", "&Нет", "%1 уже существует.\nЗаменить его?"}));
        prompts.dialogs = {ChooseLanguage(0)};
        Action("ActSettingLanguage")->trigger();
        QCOMPARE(texts(), english);
    }

    // The box at the top shows the name of a saved or opened project and is not shown
    // without one.
    void projectNameBoxShowsOnlyANamedProject()
    {
        ScriptedPrompts prompts;
        auto *box = Main()->findChild<QLabel *>("PanelProjectName");
        QVERIFY(!box->isVisible());
        prompts.fileNames = {m_dir.filePath("Line 7.vlp")};
        Action("ActProjectSave")->trigger();
        QVERIFY(box->isVisible());
        QCOMPARE(box->text(), "Project: Line 7");
        Action("ActProjectNew")->trigger();
        QVERIFY(!box->isVisible());
        QCOMPARE(box->text(), QString());
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "Message"}));
    }

    void projectNameOf_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("windows path") << "D:\\Work\\Line 10.vlp"
                                      << "Line 10";
        QTest::newRow("two dots") << "A.B.vlp"
                                  << "A";
        QTest::newRow("dot in the name") << "C:\\P\\Line 1.5.vlp"
                                         << "Line 1";
        QTest::newRow("posix path") << "/home/u/projects/Ш-110.vlp"
                                    << "Ш-110";
        QTest::newRow("no extension") << "/tmp/plan"
                                      << "plan";
        QTest::newRow("dot in a folder") << "/tmp/v1.2/plan.vlp"
                                         << "plan";
    }
    void projectNameOf()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(TFormMain::ProjectNameOf(path), name);
    }

    void actionsHaveTheirShortcutsAndPlaces()
    {
        QCOMPARE(Action("ActCalcProject")->shortcut(), QKeySequence(Qt::Key_F9));
        QCOMPARE(Action("ActProjectNew")->shortcut(), QKeySequence(QKeySequence::New));
        QCOMPARE(Action("ActProjectSave")->shortcut(), QKeySequence(QKeySequence::Save));
        QStringList menus;
        for (QAction *menu : Main()->menuBar()->actions())
            menus << menu->menu()->objectName();
        QCOMPARE(menus,
                 (QStringList {"MI_Project", "MI_Edit", "MI_Calculation", "MI_View", "MI_Reference",
                               "MI_CAD", "MI_Setting", "MI_Help"}));
        QCOMPARE(Action("ActUndo")->shortcut(), QKeySequence(QKeySequence::Undo));
        QCOMPARE(Action("ActRedo")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
        QCOMPARE(Main()->findChild<QMenu *>("MI_CAD")->title(), "Cad");
    }

private:
    QtSettingsStore m_store;
    std::unique_ptr<ProgramContext> m_program;
    QTemporaryDir m_dir;
};

VELMORA_GUI_TEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
