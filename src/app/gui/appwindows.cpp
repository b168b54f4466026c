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
#include "gui/prompts.h"
#include "gui/stringing/formstringing.h"
#include "gui/templates/formspisokshabloni.h"

#include <QCoreApplication>

namespace velmora {

AppWindows &Windows()
{
    static AppWindows windows;
    return windows;
}

void CreateAppWindows(const std::function<void(int position)> &beforeEach)
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
        w.FormMain = new TFormMain;
        DefaultPrompts().SetOwner(w.FormMain);
        QCoreApplication::instance()->installEventFilter(new HelpKeyFilter(w.FormMain));
        next();
        w.FormUnitsDlg = new TFormUnitsDlg(w.FormMain);
        next();
        w.FormAbout = new TFormAbout(w.FormMain);
        next();
        w.LanguageDialog = new TLanguageDialog(w.FormMain);
        next();
        w.FormWait = new TFormWait(w.FormMain);
        next();
        // The catalogue window reads the catalogue; it makes its wire editor (position 7).
        w.FormWiresBase
            = new TFormWiresBase(CommonDataDir(), ApplicationDir().toStdString(), w.FormMain);
        // The project's wire may be among the wires changed: the results follow.
        QObject::connect(w.FormWiresBase, &TFormWiresBase::CatalogueChanged, w.FormMain,
                         &TFormMain::InputChanged);
        next();
        next();
        w.FormSave_Project = new TFormSave_Project(w.FormMain);
        next();
        // The template list window makes its template editor (position 9) first.
        next();
        w.FormSpisokShabloni = new TFormSpisokShabloni(w.FormMain->TemplateHostOf(), w.FormMain);
        QObject::connect(w.FormMain, &TFormMain::ProjectReplaced, w.FormSpisokShabloni,
                         [list = w.FormSpisokShabloni, main = w.FormMain] {
                             list->RefreshList(main->CurProject.Shablons);
                         });
        QObject::connect(w.FormSpisokShabloni, &TFormSpisokShabloni::TemplatesChanged, w.FormMain,
                         &TFormMain::ShowModifiedMark);
        // The list is modeless: its preview follows the fields and the catalogue.
        QObject::connect(w.FormMain, &TFormMain::InputChanged, w.FormSpisokShabloni,
                         &TFormSpisokShabloni::UpdatePreview);
        next();
        w.FormKlimatKoef = new TFormKlimatKoef(w.FormMain);
        next();
        TFormMain *main = w.FormMain;
        w.FormStringing
            = new TFormStringing(StringingHost {[main]() -> TProject & { return main->CurProject; },
                                                [main] { return main->ProjectFileName; },
                                                [main] { main->FormToProject(); }},
                                 main);
        QObject::connect(main, &TFormMain::ProjectReplaced, w.FormStringing,
                         &TFormStringing::ProjectReplaced);
        QObject::connect(w.FormStringing, &TFormStringing::SectionsChanged, main,
                         &TFormMain::ShowModifiedMark);
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
