#include "data/linetext.h"

#include "common/cp1251.h"
#include "common/error.h"
#include "common/numtext.h"
#include "data/spantext.h"

#include <algorithm>
#include <optional>

namespace velmora {

std::string LineFaultText(const LineFault &fault, const LineSource &source, Lang lang)
{
    const std::string what = fault.field + ": " + fault.problem;
    if (source.lines.empty())
        return source.file + ": " + LineRecordName(fault.record, lang) + " "
            + FormatInt(static_cast<std::int64_t>(fault.index + 1)) + ", " + what;
    if (fault.index >= source.lines.size())
        return source.file + ", " + what;
    return source.file + InLanguage(lang, ", line ", ", строка ")
        + FormatInt(static_cast<std::int64_t>(source.lines[fault.index])) + ", " + what;
}

namespace {

constexpr std::string_view Blanks = " \t";

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> SplitIntoLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        // CR LF is one line end.
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

// The fields of line between separators, trimmed, trailing empty ones dropped.
std::vector<std::string> Split(std::string_view line, std::string_view separators)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = line.find_first_of(separators, start);
        fields.emplace_back(
            Trimmed(line.substr(start, end == std::string_view::npos ? end : end - start)));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    while (!fields.empty() && fields.back().empty())
        fields.pop_back();
    return fields;
}

std::optional<double> NumberOf(const std::string &field)
{
    try {
        return ParseDecimal(field);
    } catch (const ConversionError &) {
        return std::nullopt;
    }
}

// A "," not between two digits cannot be a decimal point ("0,Anchor", "0, 152").
bool HasNonDecimalComma(const std::vector<std::string_view> &lines)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::string_view line : lines) {
        if (line.find_first_of("\t;") != std::string_view::npos)
            return false;
    }
    for (std::string_view line : lines) {
        for (std::size_t i = line.find(','); i != std::string_view::npos;
             i = line.find(',', i + 1)) {
            if (i == 0 || i + 1 == line.size() || !digit(line[i - 1]) || !digit(line[i + 1]))
                return true;
        }
    }
    return false;
}

struct TextRecord
{
    std::size_t line = 0; // 1-based
    std::vector<std::string> fields;
};

// The records of a text: heading and blank lines left out.
std::vector<TextRecord> RecordsOf(std::string_view bytes, bool numbersOnly)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.substr(0, bom.size()) == bom)
        bytes.remove_prefix(bom.size());
    const std::string text = IsValidUtf8(bytes) ? std::string(bytes) : Cp1251ToUtf8(bytes);
    const std::vector<std::string_view> lines = SplitIntoLines(text);

    std::size_t first = 0;
    while (first < lines.size() && Trimmed(lines[first]).empty())
        ++first;
    bool heading = false;
    if (first < lines.size()) {
        const std::vector<std::string> fields = Split(lines[first], "\t;, ");
        heading = std::none_of(fields.begin(), fields.end(),
                               [](const std::string &f) { return NumberOf(f).has_value(); });
    }
    std::vector<std::string_view> body(
        lines.begin() + static_cast<std::ptrdiff_t>(first) + (heading ? 1 : 0), lines.end());
    const bool commas = CommaSeparatesFields(body) || HasNonDecimalComma(body);
    const std::string_view separators = commas ? "\t;," : "\t;";

    std::vector<TextRecord> records;
    for (std::size_t i = first + (heading ? 1 : 0); i < lines.size(); ++i) {
        if (Trimmed(lines[i]).empty())
            continue;
        TextRecord record {i + 1, Split(lines[i], separators)};
        if (numbersOnly && record.fields.size() == 1
            && record.fields[0].find_first_of(Blanks) != std::string::npos) {
            std::vector<std::string> byBlanks = Split(record.fields[0], Blanks);
            byBlanks.erase(std::remove(byBlanks.begin(), byBlanks.end(), std::string()),
                           byBlanks.end());
            record.fields = std::move(byBlanks);
        }
        records.push_back(std::move(record));
    }
    return records;
}

// Reads the fields of records of one kind, throwing the fault text with the file and line.
class RecordReader
{
public:
    RecordReader(LineRecord kind, const std::string &file, Lang lang)
        : m_kind(kind)
        , m_file(file)
        , m_lang(lang)
    {
    }

    [[noreturn]] void Fail(const TextRecord &record, std::size_t field, const std::string &english,
                           const std::string &russian) const
    {
        LineFault fault {m_kind, 0, field, LineFieldName(m_kind, field, m_lang),
                         InLanguage(m_lang, english, russian)};
        throw Error(LineFaultText(fault, {m_file, {record.line}}, m_lang));
    }

    // fields must hold at least required and at most allowed fields.
    void Expect(const TextRecord &record, std::size_t required, std::size_t allowed) const
    {
        if (record.fields.size() < required)
            Fail(record, record.fields.size(), "missing", "отсутствует");
        if (record.fields.size() > allowed)
            throw Error(m_file + InLanguage(m_lang, ", line ", ", строка ")
                        + FormatInt(static_cast<std::int64_t>(record.line))
                        + InLanguage(m_lang, ": more fields than ", ": полей больше ")
                        + FormatInt(static_cast<std::int64_t>(allowed)) + " (\""
                        + record.fields[allowed] + "\")");
    }

    double Number(const TextRecord &record, std::size_t field) const
    {
        const std::string &text = record.fields[field];
        if (const std::optional<double> value = NumberOf(text))
            return *value;
        Fail(record, field, "\"" + text + "\" is not a number", "«" + text + "» — не число");
    }

    // The records' own faults (order, limits) at their lines.
    template<typename T>
    ImportedRecords<T> Checked(std::vector<T> items, std::vector<std::size_t> lines,
                               const LineProfile &partial) const
    {
        ImportedRecords<T> result {std::move(items), {m_file, std::move(lines)}};
        if (const auto fault = FindLineFault(partial, m_lang, LineScope::Records))
            throw Error(LineFaultText(*fault, result.source, m_lang));
        return result;
    }

private:
    LineRecord m_kind;
    const std::string &m_file;
    Lang m_lang;
};

std::vector<std::size_t> LinesOf(const std::vector<TextRecord> &records)
{
    std::vector<std::size_t> lines;
    lines.reserve(records.size());
    for (const TextRecord &r : records)
        lines.push_back(r.line);
    return lines;
}

} // namespace

ImportedRecords<GroundPoint> ReadGroundText(std::string_view bytes, const std::string &file,
                                            Lang lang)
{
    const RecordReader reader(LineRecord::Ground, file, lang);
    const std::vector<TextRecord> records = RecordsOf(bytes, true);
    LineProfile line;
    line.ground.reserve(records.size());
    for (const TextRecord &r : records) {
        reader.Expect(r, 2, 2);
        line.ground.push_back({reader.Number(r, 0), reader.Number(r, 1)});
    }
    std::vector<GroundPoint> items = line.ground;
    return reader.Checked(std::move(items), LinesOf(records), line);
}

ImportedRecords<TowerType> ReadTowerTypesText(std::string_view bytes, const std::string &file,
                                              Lang lang)
{
    const RecordReader reader(LineRecord::Type, file, lang);
    const std::vector<TextRecord> records = RecordsOf(bytes, false);
    LineProfile line;
    for (const TextRecord &r : records) {
        reader.Expect(r, 6, 6);
        TowerType t;
        t.name = r.fields[0];
        t.height = reader.Number(r, 1);
        t.cost = reader.Number(r, 2);
        t.maxWindSpan = reader.Number(r, 3);
        t.maxWeightSpan = reader.Number(r, 4);
        t.minWeightSpan = reader.Number(r, 5);
        line.types.push_back(std::move(t));
    }
    std::vector<TowerType> items = line.types;
    return reader.Checked(std::move(items), LinesOf(records), line);
}

ImportedRecords<Tower> ReadTowersText(std::string_view bytes, const std::string &file,
                                      const std::vector<TowerType> &types, Lang lang)
{
    const RecordReader reader(LineRecord::Tower, file, lang);
    const std::vector<TextRecord> records = RecordsOf(bytes, false);
    LineProfile line;
    line.types = types;
    for (const TextRecord &r : records) {
        reader.Expect(r, 2, 2);
        const double station = reader.Number(r, 0);
        const auto type = std::find_if(types.begin(), types.end(),
                                       [&r](const TowerType &t) { return t.name == r.fields[1]; });
        if (type == types.end())
            reader.Fail(r, 1, "\"" + r.fields[1] + "\" is not a known tower type",
                        "«" + r.fields[1] + "» — неизвестный тип опоры");
        line.towers.push_back({station, static_cast<int>(type - types.begin())});
    }
    std::vector<Tower> items = line.towers;
    return reader.Checked(std::move(items), LinesOf(records), line);
}

ImportedRecords<Crossing> ReadCrossingsText(std::string_view bytes, const std::string &file,
                                            Lang lang)
{
    const RecordReader reader(LineRecord::Crossing, file, lang);
    const std::vector<TextRecord> records = RecordsOf(bytes, false);
    LineProfile line;
    for (const TextRecord &r : records) {
        reader.Expect(r, 3, 4);
        line.crossings.push_back({reader.Number(r, 0), reader.Number(r, 1), reader.Number(r, 2),
                                  r.fields.size() > 3 ? r.fields[3] : std::string()});
    }
    std::vector<Crossing> items = line.crossings;
    return reader.Checked(std::move(items), LinesOf(records), line);
}

ImportedRecords<ForbiddenStretch> ReadForbiddenText(std::string_view bytes, const std::string &file,
                                                    Lang lang)
{
    const RecordReader reader(LineRecord::Forbidden, file, lang);
    const std::vector<TextRecord> records = RecordsOf(bytes, true);
    LineProfile line;
    for (const TextRecord &r : records) {
        reader.Expect(r, 2, 2);
        line.forbidden.push_back({reader.Number(r, 0), reader.Number(r, 1)});
    }
    std::vector<ForbiddenStretch> items = line.forbidden;
    return reader.Checked(std::move(items), LinesOf(records), line);
}

} // namespace velmora
