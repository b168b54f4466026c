#pragma once

#include "l10n/coretexts.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Reads the language index and the units mode from the settings store and registers the
// first entry of the string table. The stored language defaults to 1 (Russian) when absent or
// not an integer; the stored values are written back. systemLanguageName is the system's default
// language name (for example "English (United States)"); it picks the language when none is stored.
void InitLocalization(const std::string &systemLanguageName);

// Registers (or replaces) an entry; text is "English;Russian". Keys compare case-insensitively.
void AddText(std::string_view key, std::string_view text);

// The text of key in the current language.
std::string GetText(std::string_view key);

bool IsEnglish();
// The language in force, for the core's functions that take it as an argument.
Lang CurrentLang();
// 0 = English, 1 = Russian; a stored index other than 0 counts as 1.
int Language();
// Sets the language index and stores it under "Language" (the store's error is thrown; the
// language stays changed in memory).
void SetLanguage(int index);

// The keys of the table in registration order.
std::vector<std::string> RegisteredKeys();

// Empties the string table (at the end of the run).
void ReleaseTexts();

// The non-empty fields of text between delimiters; runs of delimiters count as one.
std::vector<std::string> SplitString(std::string_view text, char delimiter);

} // namespace velmora
