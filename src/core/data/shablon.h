#pragma once

#include "common/textlines.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// One sag template: which curves to draw, at which scales, for which equivalent span.
struct TShablon
{
    std::string Name; // shown in the list and written on the drawing
    std::int32_t TipShablona
        = 0; // 0 = at maximum temperature (mode 7), 1 = under ice (mode 2), -1 = none
    std::int32_t Krivie = 0; // 0 = plain curve at Temperatura, -1 = not chosen
    std::int32_t MG = 5000; // horizontal scale denominator, 1 : MG
    std::int32_t MV = 500; // vertical scale denominator, 1 : MV
    std::int32_t PR = 0; // equivalent span, m
    double VP = 0; // attachment height of the lower wire, m
    double TG = 0; // required clearance, m
    double Zapas = 0; // reserve added to the clearance, m
    std::int32_t Temperatura = 0; // index into the curve temperature list (0..10), -1 = none

    void Assign(const TShablon &source) { *this = source; }
    // Every field exactly equal; Name case-sensitive.
    bool IsEqual(const TShablon &other) const { return *this == other; }
    bool operator==(const TShablon &) const = default;

    // Reads the ten-line block of one template. Throws ConversionError on a line that does
    // not convert ("'5000,0' is not a valid integer value").
    void ReadFromText(TextLineReader &reader);
    void WriteToText(TextLineWriter &writer) const;
};

// The project's templates in order of creation.
class TShablonList
{
public:
    // Appends a copy; returns its index.
    int Add(const TShablon &shablon);
    int Count() const { return static_cast<int>(m_items.size()); }
    // index must be inside 0..Count()-1.
    TShablon &Items(int index) { return m_items.at(static_cast<std::size_t>(index)); }
    const TShablon &Items(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
    void Delete(int index);
    void Clear() { m_items.clear(); }
    void Assign(const TShablonList &source) { m_items = source.m_items; }
    // Same count and equal templates at equal indexes (order matters).
    bool IsEqual(const TShablonList &other) const { return m_items == other.m_items; }

    // Reads the template section: the count line, then one ten-line block per template.
    // An empty count line means there is no section: returns false, list untouched.
    // Otherwise clears the list, reads the templates and returns true. Throws
    // ConversionError for a line that does not convert; templates read before it stay.
    bool ReadFromText(TextLineReader &reader);
    // Writes the count, then each template's block.
    void WriteToText(TextLineWriter &writer) const;

private:
    std::vector<TShablon> m_items;
};

} // namespace velmora
