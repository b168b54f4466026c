#include "guitest.h"

#include "gui/formabout.h"
#include "gui/formklimatkoef.h"
#include "gui/formmain.h"
#include "gui/formunitsdlg.h"
#include "gui/formwait.h"
#include "gui/helpbrowser.h"
#include "gui/languagedialog.h"
#include "gui/numberfields.h"
#include "gui/platform.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace velmora;
using namespace velmora::test;

namespace {

TFormMain *Main()
{
    return Windows().FormMain;
}

TFormKlimatKoef *Klimat()
{
    return Windows().FormKlimatKoef;
}

template<typename Widget> Widget *In(QWidget *parent, const char *name)
{
    auto *widget = parent->findChild<Widget *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

void OpenClimaticDialog()
{
    QMetaObject::invokeMethod(Main()->findChild<QPushButton *>("ButKlimatParam"), "click");
}

} // namespace

class DialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_program = StartInEnglish(m_store);
        CreateAppWindows(Program());
        Main()->show();
    }
    void cleanup()
    {
        DestroyAppWindows();
        m_program.reset();
    }

    void climaticOkWithoutEditingChangesNothing()
    {
        ScriptedPrompts prompts;
        prompts.dialogs = {[](QDialog &dialog) {
            if (&dialog != Klimat())
                qFatal("the climatic dialog was expected");
            return Accept(dialog);
        }};
        OpenClimaticDialog();
        QCOMPARE(prompts.Kinds(), QStringList {"Exec"});
        QVERIFY(!Main()->IsModified());
        QCOMPARE(Klimat()->windowTitle(),
                 "Climatic parameters specification. Reliability coefficients");
        QCOMPARE(In<QPushButton>(Klimat(), "BitBtnCancel")->text(), "Cancel");
        QCOMPARE(In<QLabel>(Klimat(), "Lab_do")->text(), " ");
        QCOMPARE(In<QLabel>(Klimat(), "Lab_m")->text(), "m");
    }

    void climaticCancelDropsTheEdit()
    {
        ScriptedPrompts prompts;
        prompts.dialogs = {[](QDialog &dialog) {
            In<DecimalField>(&dialog, "V_Otv")->setValue(0.9);
            return Reject(dialog);
        }};
        OpenClimaticDialog();
        QCOMPARE(Main()->CurProject.Koef.V_Otv, 1.0);
        QVERIFY(!Main()->IsModified());
        QString shown;
        prompts.dialogs = {[&shown](QDialog &dialog) {
            shown = In<DecimalField>(&dialog, "V_Otv")->text();
            return Reject(dialog);
        }};
        OpenClimaticDialog();
        QCOMPARE(shown, "1");
    }

    void climaticTerrainAndHeightAreStored()
    {
        ScriptedPrompts prompts;
        Main()->CurProject.Koef.VisotaPC2 = 40;
        Main()->MarkSaved();
        prompts.dialogs = {[](QDialog &dialog) {
            In<QRadioButton>(&dialog, "RBC")->setChecked(true);
            In<IntegerField>(&dialog, "visotaPC")->setValue(25);
            In<DecimalField>(&dialog, "G_Usl")->setValue(0.95);
            return Accept(dialog);
        }};
        OpenClimaticDialog();
        const TKlimatKoef &koef = Main()->CurProject.Koef;
        QCOMPARE(koef.TypeTer, 3);
        QCOMPARE(koef.VisotaPC, 25);
        QCOMPARE(koef.VisotaPC2, 40);
        QCOMPARE(koef.G_Usl, 0.95);
        QVERIFY(Main()->IsModified());
    }

    // "2,5" m as the height stays as typed and OK names the field instead of taking 25.
    void climaticHeightOfNoWholeNumberIsNamedByOk()
    {
        ScriptedPrompts prompts;
        QString note;
        bool open = false;
        prompts.dialogs = {[&](QDialog &dialog) {
            auto *height = In<IntegerField>(&dialog, "visotaPC");
            height->selectAll();
            QTest::keyClicks(height, "2,5");
            In<QPushButton>(&dialog, "BitBtnOk")->click();
            note = In<QLabel>(&dialog, "Note_visotaPC")->text();
            open = dialog.result() != QDialog::Accepted;
            return Reject(dialog);
        }};
        OpenClimaticDialog();
        QVERIFY(open);
        QCOMPARE(note, "whole metres only");
        QCOMPARE(prompts.Kinds(), (QStringList {"Exec", "Error"}));
        QVERIFY2(prompts.Last("Error").endsWith(": whole metres only."),
                 qPrintable(prompts.Last("Error")));
        QCOMPARE(Main()->CurProject.Koef.VisotaPC, 15);
    }

    // "1,1" as a wind coefficient is 1.1, not 11 (a wind load ten times too large).
    void climaticCoefficientsTakeACommaOrAPoint()
    {
        ScriptedPrompts prompts;
        prompts.dialogs = {[](QDialog &dialog) {
            for (const char *name : {"V_Otv", "V_Reg", "G_Nad"}) {
                auto *field = In<DecimalField>(&dialog, name);
                field->selectAll();
                QTest::keyClicks(field, name[0] == 'V' ? "1,1" : "1.1");
            }
            return Accept(dialog);
        }};
        OpenClimaticDialog();
        const TKlimatKoef &koef = Main()->CurProject.Koef;
        QCOMPARE(koef.V_Otv, 1.1);
        QCOMPARE(koef.V_Reg, 1.1);
        QCOMPARE(koef.G_Nad, 1.1);
    }

    void anUnknownTerrainKeepsTheButtons()
    {
        TKlimatKoef koef;
        koef.TypeTer = 2;
        Klimat()->LoadKoef(koef);
        koef.TypeTer = 7;
        Klimat()->LoadKoef(koef);
        QVERIFY(In<QRadioButton>(Klimat(), "RBB")->isChecked());
        Klimat()->StoreKoef(koef);
        QCOMPARE(koef.TypeTer, 2);
    }

    void climaticDialogInRussian()
    {
        Program().SetLanguage(1);
        Klimat()->FormShow();
        QCOMPARE(In<QLabel>(Klimat(), "Lab_do")->text(), "до");
        QCOMPARE(In<QLabel>(Klimat(), "Lab_m")->text(), "м");
        QCOMPARE(In<QGroupBox>(Klimat(), "GroupBoxIce")->title(), "К гололедным нагрузкам");
        QCOMPARE(In<QLabel>(Klimat(), "LabHeght")->text(),
                 "Высота приведенного центра тяжести проводов, тросов, кабеля,\n"
                 "средних точек зон конструкций опор над поверхностью земли");
        QCOMPARE(In<QPushButton>(Klimat(), "BitBtnOk")->text(), "OK");
    }

    void languageDialogStartsOnRussianAndKeepsTheLastChoice()
    {
        TLanguageDialog *dialog = Windows().LanguageDialog;
        QCOMPARE(dialog->List()->currentIndex(), 1);
        QCOMPARE(dialog->windowTitle(), "Язык (Language)");
        dialog->List()->setCurrentIndex(0);
        dialog->accept();
        QVERIFY(Program().IsEnglish());
        QCOMPARE(m_store.Read("Language").text, "0");
        QCOMPARE(dialog->List()->currentIndex(), 0);
    }

    // A window manager cuts a title it cannot fit beside its icon and buttons.
    void languageDialogHasRoomForItsTitle()
    {
        TLanguageDialog *dialog = Windows().LanguageDialog;
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QFont titleFont = dialog->font();
        titleFont.setBold(true);
        const int title = QFontMetrics(titleFont).horizontalAdvance(dialog->windowTitle());
        constexpr int iconAndThreeButtons = 4 * 32;
        QVERIFY2(dialog->width() >= title + iconAndThreeButtons,
                 qPrintable(QString("width %1, title %2").arg(dialog->width()).arg(title)));
        dialog->hide();
    }

    void unitsDialogShowsTheStoredMode()
    {
        TFormUnitsDlg *dialog = Windows().FormUnitsDlg;
        Program().SetUnits(1);
        dialog->Prepare();
        QVERIFY(dialog->Choice(1)->isChecked());
        QCOMPARE(dialog->windowTitle(), "Units");
        QCOMPARE(dialog->Choice(0)->text(),
                 "Tension, daN/мм2.   Stress, daN.   Modulus of elasticity, daN/mm2.");
        dialog->Choice(0)->setChecked(true);
        dialog->reject();
        QCOMPARE(UnitsFromStore(m_store), 1);
        dialog->Choice(0)->setChecked(true);
        dialog->accept();
        QCOMPARE(UnitsFromStore(m_store), 0);
        QCOMPARE(Program().Factors().stress, 1.0);
    }

    void aboutBoxFollowsTheLanguageAndIsOneWindow()
    {
        TFormAbout *about = Windows().FormAbout;
        Main()->findChild<QAction *>("ActAbout")->trigger();
        QVERIFY(about->isVisible());
        QCOMPARE(about->windowTitle(), "About Program");
        QCOMPARE(In<QLabel>(about, "Version")->text(), "version 4.2");
        QCOMPARE(In<QLabel>(about, "ProgramName")->text(), "Velmora");
        QCOMPARE(In<QLabel>(about, "AuthorCaption")->text(), "Author:");
        Program().SetLanguage(1);
        Main()->findChild<QAction *>("ActAbout")->trigger();
        QCOMPARE(about->windowTitle(), "О программе");
        QCOMPARE(In<QLabel>(about, "Version")->text(), "версия 4.2");
        QCOMPARE(In<QLabel>(about, "ProgrammersCaption")->text(), "Программисты:");
        QCOMPARE(Main()->findChildren<TFormAbout *>().size(), 1);
        QTest::mouseClick(about, Qt::LeftButton);
        QVERIFY(!about->isVisible());
    }

    void aboutBoxClosesWithItsButton()
    {
        TFormAbout *about = Windows().FormAbout;
        Main()->findChild<QAction *>("ActAbout")->trigger();
        auto *close = about->findChild<QPushButton *>("ButClose");
        QVERIFY(close && close->isVisible());
        QCOMPARE(close->text(), "Close");
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!about->isVisible());
        Program().SetLanguage(1);
        Main()->findChild<QAction *>("ActAbout")->trigger();
        QCOMPARE(close->text(), "Закрыть");
        QTest::keyClick(about, Qt::Key_Escape);
        QVERIFY(!about->isVisible());
    }

    // Help → Help opens the manual's window at its start, in the language in force.
    void helpOpensTheManualOfTheLanguageBesideTheProgram()
    {
        ScriptedPrompts prompts;
        Main()->findChild<QAction *>("ActHelp")->trigger();
        auto *help = Main()->findChild<HelpBrowser *>("HelpBrowser");
        QVERIFY(help && help->isVisible());
        const QString folder = ApplicationDir() + "help/";
        QCOMPARE(help->Source().toLocalFile(), folder + "en/intro.html");
        Program().SetLanguage(1);
        Main()->findChild<QAction *>("ActHelp")->trigger();
        QCOMPARE(help->Source().toLocalFile(), folder + "ru/intro.html");
        QVERIFY(prompts.asked.isEmpty());
    }

    void waitWindowShowsItsTextAndCaption()
    {
        ShowWait("Port to Excel");
        TFormWait *wait = Windows().FormWait;
        QVERIFY(wait->isVisible());
        QCOMPARE(wait->windowTitle(), "Wait...");
        QCOMPARE(wait->PanelText(), "Port to Excel");
        ShowWait("Output to CAD...");
        QCOMPARE(wait->PanelText(), "Output to CAD...");
        CloseWait();
        QVERIFY(!wait->isVisible());
    }

private:
    QtSettingsStore m_store;
    std::unique_ptr<ProgramContext> m_program;
};

VELMORA_GUI_TEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
