#include "l10n/localization.h"

#include "common/error.h"
#include "common/numtext.h"
#include "l10n/texts.h"
#include "l10n/units.h"

#include <algorithm>
#include <utility>

namespace velmora {

namespace {

// The table BuildTextTable is filling on this thread, if any.
thread_local TextTable *t_building = nullptr;

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

} // namespace

void TextTable::Add(std::string_view key, std::string_view text)
{
    // The table keeps registration order: a lookup takes the first match.
    auto it = std::find_if(m_entries.begin(), m_entries.end(),
                           [key](const Entry &e) { return SameKey(e.key, key); });
    if (text.empty()) {
        if (it != m_entries.end())
            m_entries.erase(it);
        return;
    }
    if (it != m_entries.end())
        it->text = std::string(text);
    else
        m_entries.push_back(Entry {std::string(key), std::string(text)});
}

std::string TextTable::Get(std::string_view key, Lang lang) const
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [key](const Entry &e) { return SameKey(e.key, key); });
    if (it == m_entries.end())
        return {};
    std::vector<std::string> parts = SplitString(it->text, ';');
    const std::size_t index = static_cast<std::size_t>(lang);
    return index < parts.size() ? std::move(parts[index]) : std::string();
}

std::vector<std::string> TextTable::Keys() const
{
    std::vector<std::string> keys;
    keys.reserve(m_entries.size());
    for (const Entry &e : m_entries)
        keys.push_back(e.key);
    return keys;
}

TextTable BuildTextTable(const std::function<void()> &registerTexts)
{
    TextTable table;
    TextTable *const outer = t_building;
    t_building = &table;
    try {
        registerTexts();
    } catch (...) {
        t_building = outer;
        throw;
    }
    t_building = outer;
    return table;
}

void AddText(std::string_view key, std::string_view text)
{
    if (t_building)
        t_building->Add(key, text);
}

const TextTable &ProgramTexts()
{
    static const TextTable table = BuildTextTable([] {
        AddText("Wait", "Wait...;Ждите...");
        RegisterAllTexts();
    });
    return table;
}

std::string GetText(std::string_view key, Lang lang)
{
    return ProgramTexts().Get(key, lang);
}

Lang LangOf(int index)
{
    return index == 0 ? Lang::English : Lang::Russian;
}

StartSettings ReadStartSettings(SettingsStore &store, const std::string &systemLanguageName)
{
    StartSettings settings;
    // A stored value that is not text leaves the language the system suggested.
    settings.language = systemLanguageName == RussianSystemLanguage ? 1 : 0;
    const SettingsStore::Value stored = store.Read("Language");
    if (stored.kind == SettingsStore::Value::Absent) {
        settings.language = 1;
    } else if (stored.kind == SettingsStore::Value::Text) {
        try {
            settings.language = ParseInt(stored.text);
        } catch (const ConversionError &) {
            settings.language = 1;
        }
    }
    StoreLanguage(store, settings.language);
    settings.units = UnitsFromStore(store);
    StoreUnits(store, settings.units);
    return settings;
}

void StoreLanguage(SettingsStore &store, int index)
{
    store.Write("Language", FormatInt(index));
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
