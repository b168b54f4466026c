#include "l10n/localization.h"

#include "common/error.h"
#include "common/numtext.h"
#include "l10n/settingsaccess.h"
#include "l10n/units.h"

#include <algorithm>
#include <utility>

namespace velmora {

namespace {

struct Entry
{
    std::string key;
    std::string text;
};

// The table keeps registration order: a lookup takes the first match.
std::vector<Entry> g_table;
int g_language = 0;

// The name the system gives its default language when it is Russian.
constexpr std::string_view RussianSystemLanguage = "Русский (Россия)";

char AsciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Keys are ASCII words, so folding ASCII letters is the whole case-insensitive comparison.
bool SameKey(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiLower(x) == AsciiLower(y);
           });
}

std::vector<Entry>::iterator FindEntry(std::string_view key)
{
    return std::find_if(g_table.begin(), g_table.end(),
                        [key](const Entry &e) { return SameKey(e.key, key); });
}

} // namespace

void InitLocalization(const std::string &systemLanguageName)
{
    g_language = systemLanguageName == RussianSystemLanguage ? 1 : 0;
    g_table.clear();

    // A stored value that is not text leaves the language the system suggested.
    const SettingsStore::Value stored = ReadSetting("Language");
    if (stored.kind == SettingsStore::Value::Absent) {
        g_language = 1;
    } else if (stored.kind == SettingsStore::Value::Text) {
        try {
            g_language = ParseInt(stored.text);
        } catch (const ConversionError &) {
            g_language = 1;
        }
    }
    SetLanguage(g_language);

    ResetUnits();
    SetUnits(ReadUnits());

    AddText("Wait", "Wait...;Ждите...");
}

void AddText(std::string_view key, std::string_view text)
{
    auto it = FindEntry(key);
    if (text.empty()) {
        if (it != g_table.end())
            g_table.erase(it);
        return;
    }
    if (it != g_table.end())
        it->text = std::string(text);
    else
        g_table.push_back(Entry {std::string(key), std::string(text)});
}

std::string GetText(std::string_view key)
{
    const auto it = FindEntry(key);
    if (it == g_table.end())
        return {};
    std::vector<std::string> parts = SplitString(it->text, ';');
    const std::size_t index = static_cast<std::size_t>(Language());
    return index < parts.size() ? std::move(parts[index]) : std::string();
}

bool IsEnglish()
{
    return g_language == 0;
}

Lang CurrentLang()
{
    return IsEnglish() ? Lang::English : Lang::Russian;
}

int Language()
{
    return g_language == 0 ? 0 : 1;
}

void SetLanguage(int index)
{
    g_language = index;
    WriteSetting("Language", FormatInt(index));
}

std::vector<std::string> RegisteredKeys()
{
    std::vector<std::string> keys;
    keys.reserve(g_table.size());
    for (const Entry &e : g_table)
        keys.push_back(e.key);
    return keys;
}

void ReleaseTexts()
{
    g_table.clear();
    g_table.shrink_to_fit();
}

std::vector<std::string> SplitString(std::string_view text, char delimiter)
{
    std::vector<std::string> fields;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = text.find_first_not_of(delimiter, pos);
        if (start == std::string_view::npos)
            break;
        std::size_t end = text.find(delimiter, start);
        if (end == std::string_view::npos)
            end = text.size();
        fields.emplace_back(text.substr(start, end - start));
        pos = end;
    }
    return fields;
}

} // namespace velmora
