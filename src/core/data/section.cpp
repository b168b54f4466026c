#include "data/section.h"

#include "common/cp1251.h"
#include "common/error.h"
#include "common/numtext.h"

#include <cmath>
#include <stdexcept>

namespace velmora {

namespace {

void CheckName(const TSection &section, Lang language)
{
    const std::size_t length = Utf8Length(section.Name);
    if (length <= static_cast<std::size_t>(MaxSectionNameLength))
        return;
    const std::string subject = SectionSubject(section, language);
    const std::string count = FormatInt(static_cast<std::int64_t>(length));
    throw Error(InLanguage(
        language,
        "The name of " + subject + " has " + count + " characters; at most 64 are allowed",
        "Название " + subject + " длиной " + count + " символов; допускается не более 64"));
}

void CheckSpans(const TSection &section, Lang language)
{
    const std::string subject = SectionSubject(section, language);
    const std::size_t count = section.Spans.size();
    if (count == 0)
        throw Error(InLanguage(language, "The spans of " + subject + " are not given",
                               "Не заданы пролёты " + subject));
    if (count > static_cast<std::size_t>(MaxSectionSpans)) {
        const std::string n = FormatInt(static_cast<std::int64_t>(count));
        throw Error(InLanguage(
            language, "There are " + n + " spans in " + subject + "; at most 200 are allowed",
            "Пролётов " + subject + " " + n + "; допускается не более 200"));
    }
    const std::size_t i = FirstSpanOutsideLimits(section.Spans);
    if (i < count) {
        const std::string position = FormatInt(static_cast<std::int64_t>(i + 1));
        const std::string value = FormatNumber(section.Spans[i]);
        throw Error(InLanguage(language,
                               "Span " + position + " of " + subject + " is " + value
                                   + " m; a span must be above 0 and at most 2000 m",
                               "Пролёт " + position + " " + subject + " равен " + value
                                   + " м; пролёт должен быть больше 0 и не более 2000 м"));
    }
}

void CheckTemperatures(const TSection &section, Lang language)
{
    const std::string from = FormatNumber(section.TFrom);
    const std::string to = FormatNumber(section.TTo);
    const std::string step = FormatNumber(section.TStep);
    const std::string subject = SectionSubject(section, language);
    const std::string given = InLanguage(
        language, " (from " + from + " °C to " + to + " °C in steps of " + step + " °C)",
        " (от " + from + " до " + to + " °C с шагом " + step + " °C)");
    if (!std::isfinite(section.TFrom) || !std::isfinite(section.TTo)
        || !std::isfinite(section.TStep))
        throw Error(InLanguage(language,
                               "The stringing temperatures of " + subject
                                   + " are not finite numbers" + given,
                               "Температуры монтажа " + subject + " — не конечные числа" + given));
    if (!(section.TFrom < section.TTo))
        throw Error(InLanguage(language,
                               "The first stringing temperature of " + subject + " (" + from
                                   + " °C) must be below the last (" + to + " °C)",
                               "Начальная температура монтажа " + subject + " (" + from
                                   + " °C) должна быть ниже конечной (" + to + " °C)"));
    if (!(section.TStep > 0))
        throw Error(InLanguage(
            language, "The temperature step of " + subject + " (" + step + " °C) must be above 0",
            "Шаг температуры " + subject + " (" + step + " °C) должен быть больше 0"));
    if (StringingTemperatures(section).size() > static_cast<std::size_t>(MaxStringingTemperatures))
        throw Error(InLanguage(
            language, "The stringing temperatures of " + subject + " are more than 41" + given,
            "Температур монтажа " + subject + " больше 41" + given));
}

} // namespace

std::size_t FirstSpanOutsideLimits(const std::vector<double> &spans)
{
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const double span = spans[i];
        if (!(std::isfinite(span) && span > 0 && span <= MaxSectionSpan_m))
            return i;
    }
    return spans.size();
}

std::string SectionSubject(const TSection &section, Lang language)
{
    if (section.Name.empty())
        return InLanguage(language, "the anchor section", "анкерного участка");
    const std::string name = ShownText(section.Name); // a damaged file's name stays one line
    return InLanguage(language, "anchor section \"" + name + "\"",
                      "анкерного участка «" + name + "»");
}

std::vector<double> StringingTemperatures(const TSection &section)
{
    std::vector<double> temperatures;
    for (int k = 0; k < MaxStringingTemperatures; ++k) {
        const double t = section.TFrom + k * section.TStep;
        // A step that reaches To only up to rounding (0 + 3 × 0.7 is 2.0999999999999996)
        // is To itself, which comes last.
        if (!(t < section.TTo - 1e-9 * section.TStep))
            break;
        temperatures.push_back(t);
    }
    temperatures.push_back(section.TTo);
    return temperatures;
}

void CheckSection(const TSection &section, Lang language)
{
    CheckName(section, language);
    CheckSpans(section, language);
    CheckTemperatures(section, language);
}

int TSectionList::Add(const TSection &section)
{
    m_items.push_back(section);
    return Count() - 1;
}

void TSectionList::Insert(int index, const TSection &section)
{
    if (index < 0 || index > Count())
        throw std::out_of_range("TSectionList::Insert: index out of range");
    m_items.insert(m_items.begin() + index, section);
}

void TSectionList::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw std::out_of_range("TSectionList::Delete: index out of range");
    m_items.erase(m_items.begin() + index);
}

} // namespace velmora
