#include "data/spantext.h"

#include "common/cp1251.h"
#include "common/error.h"
#include "common/numtext.h"

#include <algorithm>

namespace velmora {

namespace {

std::vector<std::string_view> Lines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> Fields(std::string_view line, std::string_view separators)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t end = line.find_first_of(separators, start);
        const std::string_view field
            = line.substr(start, end == std::string_view::npos ? end : end - start);
        if (!field.empty())
            fields.emplace_back(field);
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return fields;
}

bool IsNumber(const std::string &field)
{
    try {
        ParseDecimal(field);
        return true;
    } catch (const ConversionError &) {
        return false;
    }
}

// The lines without a heading: a first line with content of which no field is a number,
// however it is split. A heading such as "Span, m." says nothing of how the numbers are
// written.
std::vector<std::string_view> WithoutHeading(std::vector<std::string_view> lines)
{
    const auto first = std::find_if(lines.begin(), lines.end(), [](std::string_view line) {
        return !Fields(line, "\t; ,").empty();
    });
    if (first != lines.end()) {
        const std::vector<std::string> fields = Fields(*first, "\t; ,");
        if (std::none_of(fields.begin(), fields.end(), IsNumber))
            lines.erase(first);
    }
    return lines;
}

} // namespace

bool CommaSeparatesFields(const std::vector<std::string_view> &lines)
{
    const auto any
        = [&lines](auto predicate) { return std::any_of(lines.begin(), lines.end(), predicate); };
    if (any([](std::string_view line) { return line.find_first_of("\t;") != line.npos; }))
        return false;
    if (any([](std::string_view line) { return line.find('.') != line.npos; }))
        return true;
    return any(
        [](std::string_view line) { return std::count(line.begin(), line.end(), ',') >= 2; });
}

std::vector<std::string> SplitNumberFields(std::string_view bytes)
{
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (bytes.substr(0, bom.size()) == bom)
        bytes.remove_prefix(bom.size());
    const std::string text = IsValidUtf8(bytes) ? std::string(bytes) : Cp1251ToUtf8(bytes);
    const std::vector<std::string_view> lines = Lines(text);
    const std::string_view separators
        = CommaSeparatesFields(WithoutHeading(lines)) ? "\t; ," : "\t; ";

    std::vector<std::string> fields;
    bool first = true;
    for (std::string_view line : lines) {
        std::vector<std::string> lineFields = Fields(line, separators);
        if (lineFields.empty())
            continue;
        const bool heading = first && std::none_of(lineFields.begin(), lineFields.end(), IsNumber);
        first = false;
        if (heading)
            continue;
        for (std::string &field : lineFields)
            fields.push_back(std::move(field));
    }
    return fields;
}

std::size_t FirstNonNumber(const std::vector<std::string> &texts)
{
    return static_cast<std::size_t>(std::find_if_not(texts.begin(), texts.end(), IsNumber)
                                    - texts.begin());
}

std::string NotANumberSpanText(const TSection &section, std::size_t index, const std::string &text,
                               Lang language)
{
    const std::string position = FormatInt(static_cast<std::int64_t>(index + 1));
    const std::string subject = SectionSubject(section, language);
    return InLanguage(language,
                      "Span " + position + " of " + subject + ": \"" + text + "\" is not a number",
                      "Пролёт " + position + " " + subject + ": «" + text + "» — не число");
}

std::vector<double> ReadSpanTexts(const std::vector<std::string> &texts, const TSection &section,
                                  Lang language)
{
    const std::size_t bad = FirstNonNumber(texts);
    if (bad < texts.size())
        throw Error(NotANumberSpanText(section, bad, texts[bad], language));
    std::vector<double> spans;
    spans.reserve(texts.size());
    for (const std::string &text : texts)
        spans.push_back(ParseDecimal(text));
    return spans;
}

} // namespace velmora
