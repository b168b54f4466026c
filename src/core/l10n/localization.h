#pragma once

#include "l10n/coretexts.h"
#include "l10n/settings.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora {

// The string table: entries "English;Russian" under ASCII keys that compare case-insensitively.
// The program's table is constant, built once from every table of l10n/texts.h, so a text is
// looked up by its key and the language the caller holds.
class TextTable
{
public:
    // Adds (or replaces) an entry; an empty text removes the entry.
    void Add(std::string_view key, std::string_view text);
    // The part of key's entry in lang; empty for a key not in the table.
    std::string Get(std::string_view key, Lang lang) const;
    // The keys in the order they were added.
    std::vector<std::string> Keys() const;

private:
    struct Entry
    {
        std::string key;
        std::string text;
        std::vector<std::string> parts; // text split at ";": English, Russian
    };
    std::vector<Entry> m_entries;
    // Index into m_entries by the key in lower case: the windows look texts up on every
    // redraw, and a linear search of hundreds of keys showed in a drag's frame time.
    std::unordered_map<std::string, std::size_t> m_index;
};

// The table that registerTexts fills: every AddText it calls (on this thread) goes to it.
TextTable BuildTextTable(const std::function<void()> &registerTexts);

// Registers an entry of the table being built (BuildTextTable); text is "English;Russian".
// Outside a build it does nothing.
void AddText(std::string_view key, std::string_view text);

// The program's string table: every table of l10n/texts.h and the wait window's title.
const TextTable &ProgramTexts();

// The text of key in lang from the program's string table; empty for an unknown key.
std::string GetText(std::string_view key, Lang lang);

// The language of a language index: 0 = English, any other index Russian.
Lang LangOf(int index);

// What the settings store says at start-up, each value written back to it (the language first).
struct StartSettings
{
    // The stored "Language" index: 1 (Russian) when absent or not an integer, the system's
    // language when the value is not text. systemLanguageName is the system's default
    // language name (for example "English (United States)").
    int language = 1;
    // The stored "Units" mode (UnitsFromStore, no mode held before).
    int units = 0;
};
// Throws the store's error when a write is refused.
StartSettings ReadStartSettings(SettingsStore &store, const std::string &systemLanguageName);

// Stores the language index under "Language" (the store's error is thrown).
void StoreLanguage(SettingsStore &store, int index);

// The non-empty fields of text between delimiters; runs of delimiters count as one.
std::vector<std::string> SplitString(std::string_view text, char delimiter);

} // namespace velmora
