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

// The one instance of every window, created at start-up in this order and kept for the whole
// run (the wire editor belongs to the catalogue window, the template editor to the template
// list window). Members are null only before CreateAppWindows.
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

AppWindows &Windows();

// Creates every window in the order of AppWindows, the main window first; every other window
// is owned by it. The windows show the language, units and catalogue of program, which must
// outlive them. beforeEach (tests) is called with the position (1 = main window) before
// each creation. Throws whatever a creation throws; the windows made so far are destroyed.
void CreateAppWindows(ProgramContext &program,
                      const std::function<void(int position)> &beforeEach = {});
// Destroys the windows (tests; the program ends with them).
void DestroyAppWindows();

// The wait window of the run (ShowWait of TFormWait); CloseWait hides it.
void ShowWait(const QString &text);
void CloseWait();

} // namespace velmora
