#pragma once

namespace velmora {

// Each function registers one window's (or one area's) entries of the string table, so that
// the windows, the command-line tool and the drawings share the same texts.
void RegisterCommonTexts();
void RegisterMainWindowTexts();
void RegisterKlimatTexts();
void RegisterWiresBaseTexts();
void RegisterWiresEditTexts();
void RegisterUnitsTexts();
void RegisterSaveProjectTexts();
void RegisterStringingTexts();
void RegisterResultsTexts(); // l10n/resultstexts.cpp
void RegisterDesktopTexts(); // l10n/desktop_texts.cpp
void RegisterProfileTexts(); // l10n/profile_texts.cpp

// Every table, in the order the windows register them at start-up.
void RegisterAllTexts();

} // namespace velmora
