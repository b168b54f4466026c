#pragma once

#include "catalogue/wires.h"
#include "gui/unitsmode.h"
#include "l10n/coretexts.h"
#include "l10n/units.h"

#include <string>

namespace velmora {

// What the windows read of the program's state: the language, the units mode with its factors
// and forms, and the wire catalogue. The program holds one (Program()) and gives it to the
// windows; everything it answers comes from what the program holds in memory, never from the
// settings store, which another running copy may change at any time: the mode a form is
// chosen by is always the mode whose factors the numbers were shown and written with.
class ProgramContext
{
public:
    Lang Language() const;
    UnitsMode Units() const;
    // daN-based to the shown units.
    UnitFactors Factors() const;
    // The forms of the language and units in force, relative to the program's folder.
    std::string ReportForm() const;
    std::string StringingForm() const;
    TWiresList &Catalogue() const;
};

// The program's one context.
const ProgramContext &Program();

} // namespace velmora
