#include "guitest.h"

#include "catalogue/catalogue.h"
#include "common/fileio.h"
#include "data/projectfile.h"
#include "example_wire.h"
#include "fake_settings.h"
#include "gui/catalogue/formwiresbase.h"
#include "gui/catalogue/formwiresedit.h"
#include "gui/formmain.h"
#include "gui/formsaveproject.h"
#include "gui/numberfields.h"
#include "gui/templates/formautoshabloni.h"
#include "gui/templates/formspisokshabloni.h"
#include "gui/templates/templatepreview.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <QAction>
#include <QChart>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace velmora;
using namespace velmora::test;

namespace {

// The editor script of a new curve named name at span 300 m.
int TypeCurve(QDialog &dialog, const QString &name)
{
    auto &editor = static_cast<TFormAutoShabloni &>(dialog);
    editor.NameField()->setText(name);
    editor.PRField()->setValue(300);
    return Accept(dialog);
}

void Retype(const char *field, const QString &text)
{
    auto *box = Windows().FormMain->findChild<DecimalField *>(QString::fromLatin1(field));
    box->selectAll();
    QTest::keyClicks(box, text);
}

} // namespace

// The template list as the main window uses it: its edits are part of the open project's
// change test, it follows new and open, and "Port to Cad" names the drawing after the project.
class TemplatesInMainWindowTest : public QObject
{
    Q_OBJECT

private:
    FakeSettingsStore m_store;
    std::unique_ptr<ProgramContext> m_program;

    static TFormMain *Main() { return Windows().FormMain; }
    static TFormSpisokShabloni *List() { return Windows().FormSpisokShabloni; }

private slots:
    void init()
    {
        m_program = StartInEnglish(m_store);
        CreateAppWindows(Program());
        Main()->show();
        QVERIFY(QTest::qWaitForWindowExposed(Main()));
    }
    void cleanup()
    {
        DestroyAppWindows();
        Program().Catalogue().Clear();
        m_program.reset();
    }

    void aNewTemplateCountsAsAChangeAndNewProjectEmptiesTheList()
    {
        ScriptedPrompts prompts;
        Main()->findChild<QAction *>("ActCad")->trigger();
        QVERIFY(List()->isVisible());
        QVERIFY(!Main()->IsModified());
        prompts.dialogs = {[](QDialog &dialog) { return TypeCurve(dialog, "Curve"); }};
        List()->NewShablonClick();
        QCOMPARE(Main()->CurProject.Shablons.Count(), 1);
        QVERIFY(Main()->IsModified());

        // The save prompt answered "Don't save": the new project drops the template.
        prompts.dialogs = {[](QDialog &dialog) {
            if (!qobject_cast<TFormSave_Project *>(&dialog))
                qFatal("the save prompt was expected");
            dialog.done(TFormSave_Project::DiscardChanges);
            return dialog.result();
        }};
        Main()->ActNewProject();
        QCOMPARE(Main()->CurProject.Shablons.Count(), 0);
        QCOMPARE(List()->Grid()->rowCount(), 1);
        QVERIFY(!List()->EditButton()->isEnabled());
        QVERIFY(!Main()->IsModified());
    }

    // The list is modeless: while it is open its preview follows the main window's fields and
    // the catalogue; while it is closed that costs nothing.
    void thePreviewFollowsTheFieldsAndTheCatalogue()
    {
        ScriptedPrompts prompts;
        Program().Catalogue().Clear();
        Program().Catalogue().Add(ExampleWire());
        Main()->findChild<QLineEdit *>("Provod")->setText(
            QString::fromStdString(ExampleWire().Name));
        TShablon shablon;
        shablon.Name = "Габарит";
        shablon.TipShablona = 0;
        shablon.Krivie = -1;
        shablon.PR = 300;
        shablon.VP = 15.5;
        shablon.TG = 7;
        Main()->CurProject.Shablons.Add(shablon);
        int runs = 0;
        List()->SetTemplateEngine([&](const TProject &project, int mode, const CalcArgs &args) {
            ++runs;
            return CalcTemplateEngine(Program().Catalogue().FindByName(project.Dat.Provod),
                                      Program().Language())(project, mode, args);
        });
        Main()->findChild<QAction *>("ActCad")->trigger();
        TemplatePreview *preview = List()->Preview();
        QVERIFY2(preview->Reason().isEmpty(), qPrintable(preview->Reason()));
        const QString drawn = preview->chart()->title();
        QVERIFY(drawn.startsWith("Габарит: k = "));

        const QString ice = Main()->findChild<DecimalField *>("Tols")->text();
        Retype("Tols", "-1");
        QCOMPARE(preview->Reason(),
                 "Error data entry!\n\"Ice thickness\": the value must not be negative.");
        Retype("Tols", ice);
        QVERIFY(preview->Reason().isEmpty());
        QCOMPARE(preview->chart()->title(), drawn);

        // A heavier wire in the catalogue: another coefficient.
        TFormWiresBase *catalogue = Windows().FormWiresBase;
        catalogue->Manage();
        prompts.dialogs = {[](QDialog &dialog) {
            static_cast<TFormWiresEdit &>(dialog).PNagField()->setText("0.3");
            dialog.accept();
            return dialog.result();
        }};
        catalogue->EditClick();
        QCOMPARE(Program().Catalogue().FindByName(ExampleWire().Name).PNag, 0.3);
        QVERIFY(preview->Reason().isEmpty());
        QVERIFY2(preview->chart()->title() != drawn, qPrintable(drawn));
        catalogue->hide();

        List()->ButCloseClick();
        const int before = runs;
        Retype("Tols", "5");
        QCOMPARE(runs, before);
        QCOMPARE(prompts.Kinds(), QStringList {"Exec"});
    }

    void openingAProjectShowsItsTemplates()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/line.vlp";
        TProject project;
        Program().Catalogue().Clear();
        Program().Catalogue().Add(ExampleWire());
        project.Dat.Provod = ExampleWire().Name; // a wire missing from the catalogue draws nothing
        TShablon shablon;
        shablon.Name = "Габарит";
        shablon.PR = 300;
        project.Shablons.Add(shablon);
        SaveProject(path.toStdString(), project);
        ScriptedPrompts prompts;
        Main()->findChild<QAction *>("ActCad")->trigger();
        prompts.fileNames = {path};
        Main()->ActOpenProject();
        QCOMPARE(List()->Grid()->rowCount(), 1);
        QCOMPARE(List()->Grid()->item(0, 0)->text(), QString("Габарит"));
        QVERIFY(List()->RunAutoCadButton()->isEnabled());

        // line.vlp offers "line"; the drawing is written as line.dxf beside it and opened.
        prompts.fileNames = {dir.path() + "/line"};
        List()->AcadRun();
        QCOMPARE(prompts.lastFileDialog.fileName, QString("line"));
        QCOMPARE(prompts.Kinds().first(), QString("Open"));
        QCOMPARE(prompts.Kinds().last(), QString("OpenDocument"));
        QCOMPARE(prompts.Last("OpenDocument"), dir.path() + "/line.dxf");
        QVERIFY(FileExists((dir.path() + "/line.dxf").toStdString()));
    }
};

VELMORA_GUI_TEST_MAIN(TemplatesInMainWindowTest)
#include "test_templates_main.moc"
