#pragma once

#include "catalogue/wires.h"
#include "gui/unitsmode.h"
#include "l10n/coretexts.h"
#include "l10n/localization.h"
#include "l10n/settings.h"
#include "l10n/units.h"

#include <string>

namespace velmora {

// The program's state that the windows read: the language, the units mode with its factors
// and forms, and the wire catalogue, with the settings store the choices are written to.
// Start-up makes one and hands it to the main window, which hands it to every window it makes.
// Everything it answers comes from memory, never from the store, which another running copy
// may change at any time: the mode a form is chosen by is always the mode whose factors the
// numbers were shown and written with.
class ProgramContext
{
public:
    // The language and units stored in store (ReadStartSettings, which writes them back and
    // throws the store's error), an empty catalogue. The context made last and still alive is
    // the program's (Program()).
    ProgramContext(SettingsStore &store, const std::string &systemLanguageName);
    ~ProgramContext();
    ProgramContext(const ProgramContext &) = delete;
    ProgramContext &operator=(const ProgramContext &) = delete;

    Lang Language() const { return LangOf(m_language); }
    bool IsEnglish() const { return Language() == Lang::English; }
    // Sets the language index (0 = English, any other Russian) and stores it under
    // "Language"; the store's error is thrown and the language stays changed in memory.
    void SetLanguage(int index);

    UnitsMode Units() const { return m_units == 0 ? UnitsMode::DaN : UnitsMode::NkN; }
    // Sets the units mode (0 = daN-based, any other N/kN-based) and stores it under "Units";
    // the store's error is thrown and the mode stays changed in memory.
    void SetUnits(int mode);
    // daN-based to the shown units.
    UnitFactors Factors() const { return UnitFactorsOf(m_units); }

    // The forms of the language and units in force, relative to the program's folder.
    std::string ReportForm() const;
    std::string StringingForm() const;

    TWiresList &Catalogue() { return m_catalogue; }
    const TWiresList &Catalogue() const { return m_catalogue; }

    // The store the program's settings (the choices above, the windows' places, the folders
    // last used) are read from and written to.
    SettingsStore &Store() const { return m_store; }

private:
    SettingsStore &m_store;
    int m_language = 1;
    int m_units = 0;
    TWiresList m_catalogue;
};

// The program's context: the one made last and still alive. The texts of uitext.h and the
// windows' remembered places read it; everything else is handed its context. Throws Error
// when there is none.
ProgramContext &Program();
// The program's context, or null before start-up has made one.
ProgramContext *ProgramIfMade();

} // namespace velmora
