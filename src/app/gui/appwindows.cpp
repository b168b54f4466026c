#include "gui/appwindows.h"

#include "gui/catalogue/formwiresbase.h"

#include "gui/formabout.h"
#include "gui/formklimatkoef.h"
#include "gui/formmain.h"
#include "gui/formsaveproject.h"
#include "gui/formunitsdlg.h"
#include "gui/formwait.h"
#include "gui/helptopics.h"
#include "gui/languagedialog.h"
#include "gui/platform.h"
#include "gui/profile/formprofile.h"
#include "gui/prompts.h"
#include "gui/stringing/formstringing.h"
#include "gui/templates/formspisokshabloni.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QWindow>

namespace velmora {

namespace {

// Keeps a window free of the main window on the desktop: Qt makes a window with a parent
// transient for it at each showing, which window managers keep above the parent.
class FreeWindowFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            if (QWindow *handle = static_cast<QWidget *>(watched)->windowHandle())
                handle->setTransientParent(nullptr);
        }
        return false;
    }
};

// A modeless window of the program as an ordinary window beside the main one (not always on
// top of it), in which the main window's keys (F9, Ctrl+S, Ctrl+Q) work as well.
void MakeOrdinaryWindow(QWidget *window, TFormMain *main)
{
    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    for (const char *name : {"ActCalcProject", "ActProjectSave", "ActExit"}) {
        if (auto *action = main->findChild<QAction *>(QString::fromLatin1(name)))
            window->addAction(action);
    }
    window->installEventFilter(new FreeWindowFilter(window));
}

} // namespace

AppWindows &Windows()
{
    static AppWindows windows;
    return windows;
}

void CreateAppWindows(ProgramContext &program, const std::function<void(int position)> &beforeEach)
{
    AppWindows &w = Windows();
    int position = 0;
    auto next = [&] {
        ++position;
        if (beforeEach)
            beforeEach(position);
    };
    try {
        next();
        w.FormMain = new TFormMain(program);
        DefaultPrompts().SetOwner(w.FormMain);
        QCoreApplication::instance()->installEventFilter(new HelpKeyFilter(w.FormMain));
        next();
        w.FormUnitsDlg = new TFormUnitsDlg(program, w.FormMain);
        next();
        w.FormAbout = new TFormAbout(w.FormMain);
        next();
        w.LanguageDialog = new TLanguageDialog(program, w.FormMain);
        next();
        w.FormWait = new TFormWait(w.FormMain);
        next();
        // The catalogue window reads the catalogue; it makes its wire editor (position 7).
        w.FormWiresBase = new TFormWiresBase(program, CommonDataDir(),
                                             ApplicationDir().toStdString(), w.FormMain);
        // The project's wire may be among the wires changed: the results follow.
        QObject::connect(w.FormWiresBase, &TFormWiresBase::CatalogueChanged, w.FormMain,
                         &TFormMain::InputChanged);
        MakeOrdinaryWindow(w.FormWiresBase, w.FormMain);
        next();
        next();
        w.FormSave_Project = new TFormSave_Project(w.FormMain);
        next();
        // The template list window makes its template editor (position 9) first.
        next();
        w.FormSpisokShabloni
            = new TFormSpisokShabloni(program, w.FormMain->TemplateHostOf(), w.FormMain);
        MakeOrdinaryWindow(w.FormSpisokShabloni, w.FormMain);
        QObject::connect(w.FormMain, &TFormMain::ProjectReplaced, w.FormSpisokShabloni,
                         [list = w.FormSpisokShabloni, main = w.FormMain] {
                             list->RefreshList(main->CurProject.Shablons);
                         });
        // The list is modeless: its preview follows the fields and the catalogue.
        QObject::connect(w.FormMain, &TFormMain::InputChanged, w.FormSpisokShabloni,
                         &TFormSpisokShabloni::UpdatePreview);
        next();
        w.FormKlimatKoef = new TFormKlimatKoef(w.FormMain);
        next();
        TFormMain *main = w.FormMain;
        w.FormStringing = new TFormStringing(
            StringingHost {&main->Document(), [main] { main->FormToProject(); }, &program}, main);
        QObject::connect(main, &TFormMain::ProjectReplaced, w.FormStringing,
                         &TFormStringing::ProjectReplaced);
        QObject::connect(w.FormStringing, &TFormStringing::SectionsChanged, main,
                         &TFormMain::ShowModifiedMark);
        next();
        // The profile window edits the document's line; the main window's modified mark
        // follows the document.
        w.FormProfile = new TFormProfile(
            ProfileHost {&main->Document(), [main] { main->FormToProject(); }, &program}, main);
        MakeOrdinaryWindow(w.FormProfile, main);
        QObject::connect(main, &TFormMain::ProjectReplaced, w.FormProfile,
                         &TFormProfile::ProjectReplaced);
    } catch (...) {
        DestroyAppWindows();
        throw;
    }
}

void DestroyAppWindows()
{
    AppWindows &w = Windows();
    DefaultPrompts().SetOwner(nullptr);
    delete w.FormMain;
    w = AppWindows {};
}

void ShowWait(const QString &text)
{
    if (TFormWait *wait = Windows().FormWait)
        wait->ShowWait(text);
}

void CloseWait()
{
    if (TFormWait *wait = Windows().FormWait)
        wait->hide();
}

} // namespace velmora
