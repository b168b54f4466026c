#include "gui/appwindows.h"

#include "gui/catalogue/formwiresbase.h"
#include "gui/document/projectdocument.h"

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
#include <QPointer>
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

namespace {

QPointer<TFormMain> &TheMainWindow()
{
    static QPointer<TFormMain> main;
    return main;
}

QPointer<TFormWait> &TheWaitWindow()
{
    static QPointer<TFormWait> wait;
    return wait;
}

} // namespace

TFormMain *MainWindow()
{
    return TheMainWindow().data();
}

void CreateAppWindows(ProgramContext &program, const std::function<void(int position)> &beforeEach)
{
    AppWindows w;
    int position = 0;
    auto next = [&] {
        ++position;
        if (beforeEach)
            beforeEach(position);
    };
    try {
        next();
        w.FormMain = new TFormMain(program);
        TheMainWindow() = w.FormMain;
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
                         &TFormMain::CatalogueChanged);
        MakeOrdinaryWindow(w.FormWiresBase, w.FormMain);
        next();
        next();
        w.FormSave_Project = new TFormSave_Project(w.FormMain);
        next();
        // The template list window makes its template editor (position 9) first.
        next();
        ProjectDocument *document = &w.FormMain->Document();
        w.FormSpisokShabloni
            = new TFormSpisokShabloni(program, TemplateHost {document}, w.FormMain);
        MakeOrdinaryWindow(w.FormSpisokShabloni, w.FormMain);
        // The list is modeless: its preview follows the catalogue too.
        QObject::connect(w.FormWiresBase, &TFormWiresBase::CatalogueChanged, w.FormSpisokShabloni,
                         &TFormSpisokShabloni::UpdatePreview);
        next();
        w.FormKlimatKoef = new TFormKlimatKoef(w.FormMain);
        next();
        w.FormStringing = new TFormStringing(StringingHost {document, &program}, w.FormMain);
        // Spans typed that are no number are a change not yet in the project.
        QObject::connect(w.FormStringing, &TFormStringing::SectionsChanged, w.FormMain,
                         &TFormMain::ShowModifiedMark);
        next();
        w.FormProfile = new TFormProfile(ProfileHost {document, &program}, w.FormMain);
        MakeOrdinaryWindow(w.FormProfile, w.FormMain);
    } catch (...) {
        DestroyAppWindows();
        throw;
    }
    w.FormMain->m_windows = w;
}

void DestroyAppWindows()
{
    DefaultPrompts().SetOwner(nullptr);
    delete TheMainWindow().data();
    TheMainWindow() = nullptr;
}

void SetWaitWindow(TFormWait *wait)
{
    TheWaitWindow() = wait;
}

namespace {

// The wait window set, else the main window's.
TFormWait *WaitWindow()
{
    if (TheWaitWindow())
        return TheWaitWindow().data();
    return MainWindow() ? MainWindow()->OwnWindows().FormWait : nullptr;
}

} // namespace

void ShowWait(const QString &text)
{
    if (TFormWait *wait = WaitWindow())
        wait->ShowWait(text);
}

void CloseWait()
{
    if (TFormWait *wait = WaitWindow())
        wait->hide();
}

} // namespace velmora
