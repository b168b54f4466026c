// Shows the program's windows one by one in both languages and units modes and saves each as
// a PNG in the folder given as the first argument (scripts/screenshots.sh runs it under Xvfb).

#include "calc/preparation.h"
#include "catalogue/catalogue.h"
#include "data/projectfile.h"
#include "gui/appwindows.h"
#include "gui/catalogue/formwiresbase.h"
#include "gui/dialogfolders.h"
#include "gui/document/projectdocument.h"
#include "gui/formabout.h"
#include "gui/formklimatkoef.h"
#include "gui/formmain.h"
#include "gui/formsaveproject.h"
#include "gui/formunitsdlg.h"
#include "gui/formwait.h"
#include "gui/helpbrowser.h"
#include "gui/languagedialog.h"
#include "gui/platform.h"
#include "gui/profile/formprofile.h"
#include "gui/profile/profileview.h"
#include "gui/results/resultspane.h"
#include "gui/results/resultsplots.h"
#include "gui/results/resultsprint.h"
#include "gui/stringing/formstringing.h"
#include "gui/stringing/formstringing_ui.h"
#include "gui/templates/formautoshabloni.h"
#include "gui/templates/formspisokshabloni.h"
#include "gui/uitext.h"
#include "l10n/localization.h"
#include "l10n/units.h"
#include "templates/linedesign.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPixmap>
#include <QProcess>
#include <QTabWidget>
#include <QThread>
#include <QUndoStack>
#include <QWidget>

#include <cstdio>

using namespace velmora;

namespace {

QString g_folder;

void Settle()
{
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

void Grab(QWidget *window, const QString &name)
{
    window->show();
    window->raise();
    Settle();
    const QString path = g_folder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!window->grab().save(path))
        std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

void Shoot(const QString &language)
{
    const AppWindows &w = MainWindow()->OwnWindows();
    for (int units : {0, 1}) {
        Program().SetUnits(units);
        w.FormMain->ApplyLanguage();
        w.FormMain->ProjectToForm();
        Grab(w.FormMain, QStringLiteral("main_%1_units%2").arg(language).arg(units));
    }
    Program().SetUnits(0);
    // With a saved project's name in the box at the top, then without it again.
    w.FormMain->Document().SetFileName(QDir::homePath() + QStringLiteral("/Line 10.vlp"));
    w.FormMain->ApplyLanguage();
    w.FormMain->ProjectToForm();
    Grab(w.FormMain, QStringLiteral("main_%1_named").arg(language));
    w.FormMain->Document().SetFileName(QString());
    w.FormMain->ApplyLanguage();
    w.FormMain->ProjectToForm();

    // The main window with the results pane open on each of its tabs, in both units modes;
    // closed again for the pictures that follow.
    auto *pane = w.FormMain->findChild<ResultsPane *>(QStringLiteral("ResultsPane"));
    auto *paneAction = w.FormMain->findChild<QAction *>(QStringLiteral("ActResultsPane"));
    if (!paneAction->isChecked())
        paneAction->trigger();
    for (int units : {0, 1}) {
        Program().SetUnits(units);
        w.FormMain->ApplyLanguage();
        w.FormMain->ProjectToForm();
        pane->Flush();
        const char *tabs[] = {"summary", "table", "sag", "stress"};
        for (int tab = 0; tab < 4; ++tab) {
            if (units == 1 && tab != 1 && tab != 3)
                continue;
            pane->Tabs()->setCurrentIndex(tab);
            Grab(w.FormMain,
                 QStringLiteral("results_%1_units%2_%3").arg(language).arg(units).arg(tabs[tab]));
        }
    }
    // The printed results as a PDF, to be looked at page by page.
    SaveResultsPdf(g_folder + QStringLiteral("/results_%1.pdf").arg(language), pane->windowTitle(),
                   pane->TableModel(), {pane->SagView(), pane->StressView()}, nullptr,
                   pane->PrintDetails());
    Program().SetUnits(0);
    w.FormMain->ApplyLanguage();
    w.FormMain->ProjectToForm();
    pane->Flush();
    pane->Tabs()->setCurrentIndex(0);
    if (paneAction->isChecked())
        paneAction->trigger();

    // The manual's window at the results pane's section.
    if (HelpBrowser *help = ShowHelpAt(QStringLiteral("results-pane"))) {
        Grab(help, QStringLiteral("help_%1").arg(language));
        help->hide();
    }

    w.FormKlimatKoef->LoadKoef(w.FormMain->CurProject.Koef);
    w.FormKlimatKoef->FormShow();
    Grab(w.FormKlimatKoef, QStringLiteral("climatic_%1").arg(language));
    w.FormKlimatKoef->hide();

    w.FormUnitsDlg->Prepare();
    Grab(w.FormUnitsDlg, QStringLiteral("units_%1").arg(language));
    w.FormUnitsDlg->hide();

    w.FormSave_Project->PrepareTexts();
    Grab(w.FormSave_Project, QStringLiteral("saveprompt_%1").arg(language));
    w.FormSave_Project->hide();

    w.FormAbout->ShowAbout();
    Grab(w.FormAbout, QStringLiteral("about_%1").arg(language));
    w.FormAbout->hide();

    w.FormWiresBase->Manage();
    Grab(w.FormWiresBase, QStringLiteral("catalogue_%1").arg(language));
    w.FormWiresBase->hide();

    Grab(w.FormSpisokShabloni, QStringLiteral("templates_%1").arg(language));
    w.FormSpisokShabloni->hide();
    // The list with a template proper of the project selected, in its preview.
    TShablon proper;
    proper.Name = language == QLatin1String("en") ? "Clearance, 300 m" : "Габарит, 300 м";
    proper.TipShablona = 0;
    proper.Krivie = -1;
    proper.PR = 300;
    proper.VP = 15.5;
    proper.TG = 7;
    proper.Zapas = 0.5;
    TShablonList templates = w.FormMain->CurProject.Shablons;
    templates.Add(proper);
    w.FormMain->Document().EditTemplates(templates, UiText("Undo_template_new"));
    Grab(w.FormSpisokShabloni, QStringLiteral("template_preview_%1").arg(language));
    TFormAutoShabloni *editor = w.FormSpisokShabloni->Editor();
    editor->LoadTemplate(proper);
    Grab(editor, QStringLiteral("template_editor_%1").arg(language));
    editor->hide();
    w.FormSpisokShabloni->hide();
    w.FormMain->Document().UndoStack()->undo();

    // The stringing tables of the shipped example with a second section; the project as it
    // was afterwards.
    const TProject kept = w.FormMain->CurProject;
    TProject example = kept;
    LoadProject((ShippedProjectsDir() + QStringLiteral("example.vlp")).toStdString(), example);
    TSection crossing;
    crossing.Name = language == QLatin1String("en") ? "River crossing" : "Переход через реку";
    crossing.Spans = {210, 480, 230};
    crossing.TStep = 5;
    example.Sections.Add(crossing);
    w.FormMain->Document().Replace(example, w.FormMain->Document().FileName());
    Grab(w.FormStringing, QStringLiteral("stringing_%1").arg(language));
    w.FormStringing->Widgets().tabs->setCurrentIndex(1);
    Grab(w.FormStringing, QStringLiteral("stringing_plot_%1").arg(language));
    w.FormStringing->Widgets().tabs->setCurrentIndex(0);
    w.FormStringing->Widgets().sectionList->setCurrentRow(1);
    Grab(w.FormStringing, QStringLiteral("stringing_crossing_%1").arg(language));
    w.FormStringing->hide();

    // The example's line on its ground; with towers too low for the clearance; after spotting.
    w.FormProfile->resize(1280, 820);
    Grab(w.FormProfile, QStringLiteral("profile_%1").arg(language));
    w.FormProfile->hide();
    ProjectDocument &document = w.FormMain->Document();
    const LineProfile line = document.Project().Line;
    LineProfile low = line;
    low.types[0].height = 8;
    document.EditLine(low, UiText("Profile_undo_type").arg(1));
    Grab(w.FormProfile, QStringLiteral("profile_violation_%1").arg(language));

    w.FormProfile->hide();
    document.UndoStack()->undo();
    const TProject &project = document.Project();
    const PreparedCalculation prepared = PrepareCalculation(
        project, Program().Catalogue(), Program().Language(), SpanUse::OwnSpans);
    const SpottingResult spotted
        = SpotTowers(SpottingInputOf(project, line, 0, prepared.wire, 5, Program().Language()));
    if (spotted.outcome == SpottingResult::Outcome::Found) {
        LineProfile spottedLine = line;
        spottedLine.towers = spotted.towers;
        document.EditLine(spottedLine, UiText("Profile_undo_spot"));
    }
    Grab(w.FormProfile, QStringLiteral("profile_spotted_%1").arg(language));

    w.FormProfile->hide();
    document.Replace(kept, document.FileName());

    ShowWait(UiText("Port_to_Excel"));
    Grab(w.FormWait, QStringLiteral("wait_%1").arg(language));
    CloseWait();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    g_folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(g_folder);
    QtSettingsStore store;
    ProgramContext program(store, SystemLanguageName());
    CreateAppWindows(program);

    Program().SetLanguage(0);
    MainWindow()->show();
    Settle();
    Grab(MainWindow()->OwnWindows().LanguageDialog, QStringLiteral("language"));
    MainWindow()->OwnWindows().LanguageDialog->hide();
    Shoot(QStringLiteral("en"));
    Program().SetLanguage(1);
    Shoot(QStringLiteral("ru"));

    // One picture of the whole X screen, as a user would see the main window with the about box.
    MainWindow()->ApplyLanguage();
    MainWindow()->move(10, 10);
    MainWindow()->OwnWindows().FormAbout->ShowAbout();
    MainWindow()->OwnWindows().FormAbout->move(MainWindow()->x() + 120, MainWindow()->y() + 160);
    Settle();
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QStringLiteral("root"),
                           g_folder + QStringLiteral("/screen_ru.png")});

    // A keystroke a number field refuses, with the tip that says why.
    MainWindow()->OwnWindows().FormAbout->hide();
    auto *field = MainWindow()->findChild<QAbstractSpinBox *>(QStringLiteral("T_Max"));
    MainWindow()->activateWindow();
    field->setFocus();
    field->selectAll();
    Settle();
    for (const QChar c : QStringLiteral("40ю")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field->findChild<QLineEdit *>(), &press);
    }
    Settle();
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QStringLiteral("root"),
                           g_folder + QStringLiteral("/refused_key_ru.png")});
    DestroyAppWindows();
    return 0;
}
