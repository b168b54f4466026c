#pragma once

namespace velmora {

// Each function adds one window's (or one area's) entries to the string table being built
// (BuildTextTable, AddText), so that the windows, the command-line tool and the drawings share
// the same texts. The program's table (ProgramTexts) holds them all.
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

// Every table above, one after another.
void RegisterAllTexts();

} // namespace velmora
