#include "guitest.h"

#include "data/projectfile.h"
#include "fake_settings.h"
#include "gui/formklimatkoef.h"
#include "gui/formmain.h"
#include "gui/formsaveproject.h"
#include "gui/numberfields.h"
#include "gui/stringing/formstringing.h"
#include "gui/stringing/formstringing_ui.h"
#include "gui/templates/formautoshabloni.h"
#include "gui/templates/formspisokshabloni.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <memory>

using namespace velmora;
using namespace velmora::test;

namespace {

TFormMain *Main()
{
    return Windows().FormMain;
}

template<typename T> T *Child(QWidget *window, const char *name)
{
    auto *child = window->findChild<T *>(QString::fromLatin1(name));
    if (!child)
        qFatal("no %s", name);
    return child;
}

DecimalField *Decimal(const char *name)
{
    return Child<DecimalField>(Main(), name);
}

void Trigger(const char *action)
{
    Child<QAction>(Main(), action)->trigger();
}

// Types text into a field as a user does: everything selected, then the keys, no Enter.
void Type(QWidget *field, const QString &text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

TFormSave_Project &AsSavePrompt(QDialog &dialog)
{
    auto *prompt = qobject_cast<TFormSave_Project *>(&dialog);
    if (!prompt)
        qFatal("the save prompt was expected, got %s", qPrintable(dialog.objectName()));
    return *prompt;
}

// The prompt shown and answered the way a user would: a button clicked, Escape, the close box.
using Answer = std::function<void(TFormSave_Project &)>;
const QString SavePromptName = QStringLiteral("FormSave_Project");

// A change a user makes to the open project.
using Change = std::function<void(ScriptedPrompts &)>;
std::function<int(QDialog &)> Answering(Answer answer)
{
    return [answer](QDialog &dialog) {
        TFormSave_Project &prompt = AsSavePrompt(dialog);
        prompt.show();
        answer(prompt);
        const int result = prompt.result();
        prompt.hide();
        return result;
    };
}

void ClickCancel(TFormSave_Project &prompt)
{
    QTest::mouseClick(prompt.ButCancel(), Qt::LeftButton);
}
void PressEscape(TFormSave_Project &prompt)
{
    QTest::keyClick(&prompt, Qt::Key_Escape);
}
void CloseBox(TFormSave_Project &prompt)
{
    prompt.close();
}
void ClickDontSave(TFormSave_Project &prompt)
{
    QTest::mouseClick(prompt.ButDontSave(), Qt::LeftButton);
}
// Enter goes to the widget that has the focus inside the prompt.
void PressEnter(TFormSave_Project &prompt)
{
    QWidget *focused = prompt.focusWidget();
    QTest::keyClick(focused ? focused : &prompt, Qt::Key_Return);
}

// A template in the open project as it was saved, shown in the template list.
void AddSavedTemplate()
{
    TShablon shablon;
    shablon.Name = "A";
    shablon.TipShablona = 0;
    shablon.Krivie = -1;
    shablon.PR = 300;
    shablon.VP = 15.125; // more decimals than the editor shows
    Main()->CurProject.Shablons.Add(shablon);
    Main()->MarkSaved();
    Windows().FormSpisokShabloni->RefreshList(Main()->CurProject.Shablons);
}

} // namespace

Q_DECLARE_METATYPE(Answer)
Q_DECLARE_METATYPE(Change)

// The save prompt before new, open and quit, and the modified mark of the title: work is
// never thrown away without the user's word, and the title tells when there is work to save.
class UnsavedChangesTest : public QObject
{
    Q_OBJECT

private:
    FakeSettingsStore m_store;
    std::unique_ptr<ProgramContext> m_program;
    std::unique_ptr<QTemporaryDir> m_dir; // a fresh folder for each test

    QString File(const char *name) const { return m_dir->filePath(QString::fromUtf8(name)); }

    // A saved project with T_Max 33, to open.
    QString SavedFile()
    {
        const QString path = File("other.vlp");
        TProject project;
        project.Dat.T_Max = 33;
        SaveProject(path.toStdString(), project);
        return path;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_program = StartInEnglish(m_store);
        CreateAppWindows(Program());
        Main()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Main()));
    }
    void cleanup()
    {
        DestroyAppWindows();
        m_program.reset();
        m_dir.reset();
    }

    void promptOffersSaveDontSaveCancelInTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("English") << 0
                                 << QStringList {"Changes have been done to the project.\nSave "
                                                 "the project?",
                                                 "Save", "Don't save", "Cancel"};
        QTest::newRow("Russian") << 1
                                 << QStringList {"В проекте были сделаны изменения.\nСохранить "
                                                 "проект?",
                                                 "Сохранить", "Не сохранять", "Отмена"};
    }
    void promptOffersSaveDontSaveCancelInTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        Program().SetLanguage(language);
        ScriptedPrompts prompts;
        Decimal("T_Max")->setValue(41);
        QStringList shown;
        bool saveIsDefault = false;
        prompts.dialogs = {[&](QDialog &dialog) {
            TFormSave_Project &prompt = AsSavePrompt(dialog);
            prompt.show();
            shown << prompt.LabelText() << prompt.ButSave()->text() << prompt.ButDontSave()->text()
                  << prompt.ButCancel()->text();
            saveIsDefault = prompt.ButSave()->isDefault() && !prompt.ButDontSave()->isDefault()
                && !prompt.ButCancel()->isDefault();
            prompt.hide();
            return int(TFormSave_Project::Cancelled);
        }};
        Trigger("ActProjectNew");
        QCOMPARE(shown, texts);
        QVERIFY(saveIsDefault);
    }

    // Cancel, Escape and the close box call new, open and quit off: the project, its fields
    // and its file stay as they were, and nothing else is asked.
    void cancelCallsTheActionOff_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<Answer>("answer");
        for (const char *action : {"ActProjectNew", "ActProjectOpen", "ActExit"}) {
            QTest::addRow("%s, Cancel", action) << action << Answer(ClickCancel);
            QTest::addRow("%s, Escape", action) << action << Answer(PressEscape);
            QTest::addRow("%s, close box", action) << action << Answer(CloseBox);
        }
    }
    void cancelCallsTheActionOff()
    {
        QFETCH(QString, action);
        QFETCH(Answer, answer);
        ScriptedPrompts prompts;
        const QString path = File("line.vlp");
        prompts.fileNames = {path};
        Trigger("ActProjectSave");
        Type(Decimal("T_Max"), "41.5"); // typed, not confirmed
        Main()->CurProject.Koef.V_Otv = 1.3;
        const QStringList before = prompts.Kinds();

        prompts.dialogs = {Answering(answer)};
        Trigger(action.toLatin1().constData());
        QCOMPARE(prompts.Kinds().mid(before.size()), QStringList {"Exec"});
        QVERIFY(Main()->isVisible());
        QCOMPARE(Decimal("T_Max")->value(), 41.5);
        QCOMPARE(Main()->CurProject.Koef.V_Otv, 1.3);
        QCOMPARE(Main()->ProjectFileName(), path);
        QVERIFY(Main()->isWindowModified());
        TProject onDisk;
        LoadProject(path.toStdString(), onDisk);
        QCOMPARE(onDisk.Dat.T_Max, 40.0);
    }

    void dontSaveDiscardsAndTheActionGoesOn()
    {
        ScriptedPrompts prompts;
        const QString other = SavedFile();
        auto change = [] {
            Decimal("T_Max")->setValue(41);
            Main()->CurProject.Koef.V_Otv = 1.3;
        };

        change();
        prompts.dialogs = {Answering(ClickDontSave)};
        Trigger("ActProjectNew");
        QCOMPARE(Decimal("T_Max")->value(), 40.0);
        QCOMPARE(Main()->CurProject.Koef.V_Otv, 1.0);
        QVERIFY(!Main()->isWindowModified());

        change();
        prompts.dialogs = {Answering(ClickDontSave)};
        prompts.fileNames = {other};
        Trigger("ActProjectOpen");
        QCOMPARE(Decimal("T_Max")->value(), 33.0);
        QCOMPARE(Main()->ProjectFileName(), other);

        change();
        prompts.dialogs = {Answering(ClickDontSave)};
        prompts.yesNo = {true};
        QVERIFY(Main()->close());
        QCOMPARE(prompts.Kinds(), (QStringList {"Exec", "Exec", "Open", "Exec", "WarningYesNo"}));
        TProject onDisk;
        LoadProject(other.toStdString(), onDisk);
        QCOMPARE(onDisk.Dat.T_Max, 33.0);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList {"other.vlp"});
    }

    // A button used at one showing keeps no hold on Enter at the next: Enter means Save.
    void enterMeansSaveEveryTimeThePromptShows()
    {
        ScriptedPrompts prompts;
        Decimal("T_Max")->setValue(41);
        prompts.dialogs = {Answering([](TFormSave_Project &prompt) {
            prompt.ButCancel()->setFocus(Qt::TabFocusReason); // the user tabbed to Cancel
            PressEnter(prompt);
        })};
        Trigger("ActProjectNew");
        QCOMPARE(Decimal("T_Max")->value(), 41.0);

        const QString path = File("kept.vlp");
        prompts.dialogs = {Answering(PressEnter)};
        prompts.fileNames = {path};
        Trigger("ActProjectNew");
        QCOMPARE(prompts.Kinds(), (QStringList {"Exec", "Exec", "Save", "Message"}));
        TProject saved;
        LoadProject(path.toStdString(), saved);
        QCOMPARE(saved.Dat.T_Max, 41.0);
        QCOMPARE(Decimal("T_Max")->value(), 40.0);
    }

    void titleShowsTheFileNameAndTheMarkFollowsTheFields()
    {
        ScriptedPrompts prompts;
        const QString tail = " - Velmora - Mechanical calculation of wires, cords and "
                             "self-supporting cables.";
        QCOMPARE(Main()->windowTitle(), "Untitled[*]" + tail);
        QVERIFY(!Main()->isWindowModified());

        // Each key counts at once, without Enter; typing the saved value back clears the mark.
        DecimalField *tMax = Decimal("T_Max");
        Type(tMax, "4");
        QVERIFY(Main()->isWindowModified());
        Type(tMax, "40");
        QVERIFY(!Main()->isWindowModified());
        QTest::keyClick(tMax, Qt::Key_Up); // the field's step
        QVERIFY(Main()->isWindowModified());
        Type(tMax, "40");
        QVERIFY(!Main()->isWindowModified());
        Type(Child<IntegerField>(Main(), "Shag"), "5");
        QVERIFY(Main()->isWindowModified());
        Type(Child<IntegerField>(Main(), "Shag"), "10");
        QVERIFY(!Main()->isWindowModified());

        const QString path = File("Line 10.vlp");
        Type(tMax, "41");
        prompts.fileNames = {path};
        Trigger("ActProjectSave");
        QCOMPARE(Main()->windowTitle(), "Line 10.vlp[*]" + tail);
        QVERIFY(!Main()->isWindowModified());

        const QString other = SavedFile();
        prompts.fileNames = {other};
        Trigger("ActProjectOpen");
        QCOMPARE(Main()->windowTitle(), "other.vlp[*]" + tail);
        QVERIFY(!Main()->isWindowModified());

        prompts.fileNames = {File("copy.vlp")};
        Trigger("ActProjectSaveAs");
        QCOMPARE(Main()->windowTitle(), "copy.vlp[*]" + tail);

        Trigger("ActProjectNew");
        QCOMPARE(Main()->windowTitle(), "Untitled[*]" + tail);
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "Message", "Open", "Save", "Message"}));
    }

    // Edit → Undo takes back the fields typed (one step per field), the mode choice and the
    // coefficients, each exactly; undone back to the save, the mark and the save prompt go;
    // redo brings the edits back. The actions name the step they take.
    void undoAndRedoCoverTheFieldsAndTheMarkIsTheStacksCleanState()
    {
        ScriptedPrompts prompts;
        prompts.fileNames = {File("line.vlp")};
        Trigger("ActProjectSave");
        const TProject saved = [] {
            TProject copy;
            copy.Assign(Main()->CurProject);
            return copy;
        }();
        auto *undo = Child<QAction>(Main(), "ActUndo");
        auto *redo = Child<QAction>(Main(), "ActRedo");
        QVERIFY(!undo->isEnabled());

        DecimalField *tMax = Decimal("T_Max");
        Type(tMax, "45");
        Type(Child<IntegerField>(Main(), "Shag"), "20");
        QTest::mouseClick(Child<QRadioButton>(Main(), "RgCalcRegime0"), Qt::LeftButton);
        prompts.dialogs = {[](QDialog &dialog) {
            Child<DecimalField>(&dialog, "V_Otv")->setValue(1.1);
            return Accept(dialog);
        }};
        QTest::mouseClick(Child<QPushButton>(Main(), "ButKlimatParam"), Qt::LeftButton);
        QVERIFY(Main()->isWindowModified());
        QCOMPARE(undo->text(), "Undo coefficients");
        QCOMPARE(Main()->CurProject.Koef.V_Otv, 1.1);

        undo->trigger();
        QVERIFY(Main()->CurProject.Koef.IsEqual(saved.Koef));
        undo->trigger();
        QVERIFY(Main()->CurProject.Dat.RegimeFlags == saved.Dat.RegimeFlags);
        QCOMPARE(undo->text(), "Undo input");
        undo->trigger();
        QCOMPARE(Child<IntegerField>(Main(), "Shag")->value(), saved.Dat.Shag);
        QCOMPARE(tMax->value(), 45.0);
        QVERIFY(Main()->isWindowModified());
        undo->trigger();
        QCOMPARE(tMax->text(), "40");
        QVERIFY(Main()->CurProject.Dat == saved.Dat);
        QVERIFY(!undo->isEnabled());
        QVERIFY(!Main()->isWindowModified());
        // Back at the save: new asks nothing.
        QVERIFY(!Main()->IsModified());
        Trigger("ActProjectNew");
        QCOMPARE(prompts.Kinds(), (QStringList {"Save", "Message", "Exec"}));

        // Redo after undo, across a new project: nothing to redo there.
        Type(tMax, "39");
        undo->trigger();
        QCOMPARE(tMax->text(), "40");
        QVERIFY(!Main()->isWindowModified());
        redo->trigger();
        QCOMPARE(tMax->text(), "39");
        QCOMPARE(Main()->CurProject.Dat.T_Max, 39.0);
        QVERIFY(Main()->isWindowModified());
    }

    // The fields, the template list and the stringing window change one project through one
    // stack: Undo takes their steps back newest first, each window showing its part as it
    // was, until the stack is back at the save and the mark goes. An open replaces what
    // every window shows, with nothing left to undo.
    void oneUndoStackCoversEveryWindow()
    {
        ScriptedPrompts prompts;
        prompts.fileNames = {File("line.vlp")};
        Trigger("ActProjectSave");
        TFormSpisokShabloni *templates = Windows().FormSpisokShabloni;
        TFormStringing *stringing = Windows().FormStringing;
        templates->show();
        stringing->show();
        const int sections = stringing->Widgets().sectionList->count();

        Type(Decimal("T_Max"), "45");
        prompts.dialogs = {[](QDialog &dialog) {
            auto &editor = static_cast<TFormAutoShabloni &>(dialog);
            editor.NameField()->setText("Curve");
            editor.PRField()->setValue(300);
            return Accept(dialog);
        }};
        templates->NewShablonClick();
        stringing->AddClick();
        QCOMPARE(templates->Grid()->item(0, 0)->text(), "Curve");
        QCOMPARE(stringing->Widgets().sectionList->count(), sections + 1);
        QVERIFY(Main()->isWindowModified());

        auto *undo = Child<QAction>(Main(), "ActUndo");
        undo->trigger();
        QCOMPARE(stringing->Widgets().sectionList->count(), sections);
        QCOMPARE(undo->text(), "Undo new template");
        undo->trigger();
        QCOMPARE(Main()->CurProject.Shablons.Count(), 0);
        QVERIFY(templates->Grid()->item(0, 0) == nullptr
                || templates->Grid()->item(0, 0)->text().isEmpty());
        QVERIFY(Main()->isWindowModified()); // the field typed is still a change
        undo->trigger();
        QCOMPARE(Decimal("T_Max")->text(), "40");
        QVERIFY(!undo->isEnabled());
        QVERIFY(!Main()->isWindowModified());

        // Open: every window shows the file's project, and nothing is left to undo.
        TProject other;
        other.Dat.T_Max = 33;
        TShablon shablon;
        shablon.Name = "Opened";
        shablon.PR = 250;
        other.Shablons.Add(shablon);
        other.Sections.Add(TSection {"S1", {200, 210}});
        other.Sections.Add(TSection {"S2", {300}});
        SaveProject(File("other.vlp").toStdString(), other);
        prompts.fileNames = {File("other.vlp")};
        Trigger("ActProjectOpen");
        QCOMPARE(Decimal("T_Max")->value(), 33.0);
        QCOMPARE(templates->Grid()->item(0, 0)->text(), "Opened");
        QCOMPARE(stringing->Widgets().sectionList->count(), 2);
        QCOMPARE(stringing->Widgets().sectionList->currentItem()->text(), "S1");
        QVERIFY(!undo->isEnabled());
        QVERIFY(!Main()->isWindowModified());
    }

    // Every kind of change shows the mark at once, and none of them asks anything.
    void everyChangeShowsTheMark_data()
    {
        QTest::addColumn<Change>("change");
        QTest::newRow("wire") << Change(
            [](ScriptedPrompts &) { Type(Child<QLineEdit>(Main(), "Provod"), "AC 70/11"); });
        QTest::newRow("page") << Change(
            [](ScriptedPrompts &) { Child<QTabWidget>(Main(), "PcNapr")->setCurrentIndex(1); });
        QTest::newRow("modes") << Change([](ScriptedPrompts &) {
            QTest::mouseClick(Child<QRadioButton>(Main(), "RgCalcRegime0"), Qt::LeftButton);
        });
        QTest::newRow("coefficients") << Change([](ScriptedPrompts &prompts) {
            prompts.dialogs = {[](QDialog &dialog) {
                Child<DecimalField>(&dialog, "V_Otv")->setValue(1.1);
                return Accept(dialog);
            }};
            QTest::mouseClick(Child<QPushButton>(Main(), "ButKlimatParam"), Qt::LeftButton);
        });
        QTest::newRow("new template") << Change([](ScriptedPrompts &prompts) {
            prompts.dialogs = {[](QDialog &dialog) {
                auto &editor = static_cast<TFormAutoShabloni &>(dialog);
                editor.NameField()->setText("Curve");
                editor.PRField()->setValue(300);
                return Accept(dialog);
            }};
            Windows().FormSpisokShabloni->NewShablonClick();
        });
        QTest::newRow("edited template") << Change([](ScriptedPrompts &prompts) {
            AddSavedTemplate();
            prompts.dialogs = {[](QDialog &dialog) {
                static_cast<TFormAutoShabloni &>(dialog).NameField()->setText("B");
                return Accept(dialog);
            }};
            Windows().FormSpisokShabloni->ButEditClick();
        });
        QTest::newRow("deleted template") << Change([](ScriptedPrompts &prompts) {
            AddSavedTemplate();
            prompts.yesNo = {true};
            Windows().FormSpisokShabloni->ButDelClick();
        });
    }
    void everyChangeShowsTheMark()
    {
        QFETCH(Change, change);
        ScriptedPrompts prompts;
        change(prompts);
        QVERIFY(Main()->isWindowModified());
        for (const ScriptedPrompts::Asked &asked : std::as_const(prompts.asked))
            QVERIFY(asked.text != SavePromptName); // the save prompt waits for new, open, quit
    }

    // Dialogs confirmed without a change and switches of units and language set no mark, also
    // for values that do not survive a multiplication and division by the units factor.
    void confirmationsAndSwitchesSetNoMark()
    {
        ScriptedPrompts prompts;
        // The force page follows the stress typed (0.11 daN/mm² over the wire's section).
        Type(Decimal("Napr_Max"), "0.11");
        AddSavedTemplate();
        prompts.fileNames = {File("line.vlp")};
        Trigger("ActProjectSave");
        QVERIFY(!Main()->isWindowModified());
        const double force = Main()->CurProject.Dat.Tag_Max;

        prompts.dialogs = {Accept};
        QTest::mouseClick(Child<QPushButton>(Main(), "ButKlimatParam"), Qt::LeftButton);
        QVERIFY(!Main()->isWindowModified());

        TFormSpisokShabloni *list = Windows().FormSpisokShabloni;
        list->show();
        prompts.dialogs = {Accept};
        list->ButEditClick();
        QVERIFY(!Main()->isWindowModified());

        auto units = [](int mode) {
            return [mode](QDialog &dialog) {
                Child<QRadioButton>(&dialog, mode ? "UnitsN" : "UnitsDaN")->setChecked(true);
                return Accept(dialog);
            };
        };
        auto language = [](int index) {
            return [index](QDialog &dialog) {
                Child<QComboBox>(&dialog, "LanguageList")->setCurrentIndex(index);
                return Accept(dialog);
            };
        };
        prompts.dialogs = {units(1), units(0), language(1), units(1), language(0)};
        for (const char *action :
             {"ActUnits", "ActUnits", "ActSettingLanguage", "ActUnits", "ActSettingLanguage"}) {
            Trigger(action);
            QVERIFY2(!Main()->isWindowModified(), action);
        }
        QVERIFY(!Main()->IsModified());
        QVERIFY(Main()->CurProject.Dat.Napr_Max == 0.11);
        QVERIFY(Main()->CurProject.Dat.Tag_Max == force);
    }
};

VELMORA_GUI_TEST_MAIN(UnsavedChangesTest)
#include "test_unsaved_changes.moc"
