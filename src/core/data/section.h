#pragma once

#include "l10n/coretexts.h"

#include <string>
#include <vector>

namespace velmora {

// Limits of an anchor section.
inline constexpr int MaxSectionNameLength = 64; // characters
inline constexpr int MaxSectionSpans = 200;
inline constexpr double MaxSectionSpan_m = 2000;
inline constexpr int MaxStringingTemperatures = 41;

// One anchor section: the spans between two dead-end supports, strung at one stress, and the
// air temperatures its stringing table is made for.
struct TSection
{
    std::string Name; // up to 64 characters
    std::vector<double> Spans; // m, the actual spans in route order
    double TFrom = -40; // °C, first stringing temperature
    double TTo = 40; // °C, last stringing temperature
    double TStep = 10; // °C, temperature step

    // Every field exactly equal (no tolerance; Name case-sensitive; spans in order).
    bool operator==(const TSection &) const = default;
};

// The stringing temperatures: t_k = TFrom + k·TStep while t_k < TTo, then TTo itself
// (−40, 40, 15 gives −40, −25, −10, 5, 20, 35, 40). Expects finite values, TFrom < TTo and
// TStep > 0; stops after MaxStringingTemperatures + 1 values, so that a section with too many
// temperatures is told by the count without a long loop.
std::vector<double> StringingTemperatures(const TSection &section);

// The 0-based index of the first span that is not finite, not above 0 or above 2000 m, or
// spans.size() when every span is inside the limits.
std::size_t FirstSpanOutsideLimits(const std::vector<double> &spans);

// Refuses a section that breaks a limit, with a text in the language given (0 English,
// otherwise Russian) that names the section and, for a span, its 1-based position and value.
// Throws velmora::Error for a name above 64 characters, no spans or more than 200, a span
// that is not finite, not above 0 or above 2000 m, temperatures that are not finite,
// TFrom not below TTo, TStep not above 0, or more than 41 temperatures.
void CheckSection(const TSection &section, Lang language);

// How the texts about a section name it: "anchor section "Name"" or, unnamed, "the anchor
// section"; in Russian the genitive the texts need, "анкерного участка «Name»".
std::string SectionSubject(const TSection &section, Lang language);

// The project's anchor sections in the user's order.
class TSectionList
{
public:
    // Appends a copy; returns its index.
    int Add(const TSection &section);
    // Puts a copy before index (0..Count(); Count() appends).
    void Insert(int index, const TSection &section);
    int Count() const { return static_cast<int>(m_items.size()); }
    // index must be inside 0..Count()-1.
    TSection &Items(int index) { return m_items.at(static_cast<std::size_t>(index)); }
    const TSection &Items(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
    void Delete(int index);
    void Clear() { m_items.clear(); }
    void Assign(const TSectionList &source) { m_items = source.m_items; }
    // Same count and equal sections at equal indexes (order matters).
    bool IsEqual(const TSectionList &other) const { return m_items == other.m_items; }

private:
    std::vector<TSection> m_items;
};

} // namespace velmora
