#pragma once

#include <QString>

#include <functional>

namespace velmora {

class TFormAbout;
class TFormKlimatKoef;
class TFormMain;
class TFormSave_Project;
class TFormUnitsDlg;
class TFormWait;
class TFormSpisokShabloni;
class TFormStringing;
class TFormProfile;
class TFormWiresBase;
class TLanguageDialog;
class ProgramContext;

// The windows of the run, created at start-up in this order and kept for the whole run. The
// main window owns the others (the wire editor belongs to the catalogue window, the template
// editor to the template list window) and alone reaches them; the others follow the project
// through its document.
struct AppWindows
{
    TFormMain *FormMain = nullptr;
    TFormUnitsDlg *FormUnitsDlg = nullptr;
    TFormAbout *FormAbout = nullptr;
    TLanguageDialog *LanguageDialog = nullptr;
    TFormWait *FormWait = nullptr;
    TFormWiresBase *FormWiresBase = nullptr;
    TFormSave_Project *FormSave_Project = nullptr;
    TFormSpisokShabloni *FormSpisokShabloni = nullptr;
    TFormKlimatKoef *FormKlimatKoef = nullptr;
    TFormStringing *FormStringing = nullptr;
    TFormProfile *FormProfile = nullptr;
};

// Creates every window in the order of AppWindows, the main window first; every other window
// is owned by it. The windows show the language, units and catalogue of program, which must
// outlive them. beforeEach (tests) is called with the position (1 = main window) before
// each creation. Throws whatever a creation throws; the windows made so far are destroyed.
void CreateAppWindows(ProgramContext &program,
                      const std::function<void(int position)> &beforeEach = {});
// Destroys the windows (tests; the program ends with them).
void DestroyAppWindows();

// The main window of the run while it lives, else null: the owner of the boxes, the status
// bar that names written files, the parent of the help.
TFormMain *MainWindow();

// The wait window of the run (ShowWait of TFormWait), the main window's unless one is set;
// CloseWait hides it.
void SetWaitWindow(TFormWait *wait);
void ShowWait(const QString &text);
void CloseWait();

} // namespace velmora
