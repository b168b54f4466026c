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
std::string FoldedKey(std::string_view key)
{
    std::string folded(key);
    std::transform(folded.begin(), folded.end(), folded.begin(), AsciiLower);
    return folded;
}

} // namespace

void TextTable::Add(std::string_view key, std::string_view text)
{
    // The table keeps registration order; the index finds an entry by its folded key.
    const std::string folded = FoldedKey(key);
    const auto found = m_index.find(folded);
    if (text.empty()) {
        if (found == m_index.end())
            return;
        const std::size_t removed = found->second;
        m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(removed));
        m_index.erase(found);
        for (auto &[name, index] : m_index) {
            if (index > removed)
                --index;
        }
        return;
    }
    if (found != m_index.end()) {
        m_entries[found->second].text = std::string(text);
        m_entries[found->second].parts = SplitString(text, ';');
        return;
    }
    m_index.emplace(folded, m_entries.size());
    m_entries.push_back(Entry {std::string(key), std::string(text), SplitString(text, ';')});
}

std::string TextTable::Get(std::string_view key, Lang lang) const
{
    const auto found = m_index.find(FoldedKey(key));
    if (found == m_index.end())
        return {};
    const std::vector<std::string> &parts = m_entries[found->second].parts;
    const std::size_t index = static_cast<std::size_t>(lang);
    return index < parts.size() ? parts[index] : std::string();
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
