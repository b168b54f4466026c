#pragma once

#include "l10n/settings.h"

#include <QString>

#include <string>

namespace velmora {

// The per-user settings store on Qt's native store: organisation "Orbelan", application
// "Tarnvik", group "Param"; values are texts (numbers in decimal, folders as paths). Every
// access opens the store afresh.
class QtSettingsStore : public SettingsStore
{
public:
    Value Read(const std::string &name) override;
    // A store that cannot be written (a read-only home, a damaged file) costs only what it
    // would remember: nothing is thrown, and the main window's status bar says so once.
    void Write(const std::string &name, const std::string &text) override;
};

// The display name of the system's default language in the form the localization module
// recognises: "Русский (Россия)" for Russian in Russia, otherwise the English name with the
// territory, for example "English (United States)".
std::string SystemLanguageName();

// The folder under which the catalogue's data folder lies: the core's rule, the one
// velmora-calc follows too (ProgramFoldersOf(...).commonData).
std::string CommonDataDir();

// The folder of the program's files with a trailing "/": beside the program file, or
// ../share/velmora when installed (ProgramFoldersOf(...).program).
QString ApplicationDir();

} // namespace velmora
