#pragma once

#include "common/textlines.h"
#include "data/section.h"

#include <string_view>

namespace velmora {

// The line that opens the anchor-section part of a project file, after the templates.
// Readers that know only the parts before it stop after the templates and never see it.
inline constexpr std::string_view SectionListHeaderLine = "anchor sections";

// Writes the header line, the count, then per section its name, TFrom, TTo, TStep, the span
// count and one span per line. An empty list writes nothing, so a project without sections
// keeps the bytes it had before sections existed.
void WriteSectionList(TextLineWriter &writer, const TSectionList &sections);

// Reads the part when the next line is the header: clears the list, reads the sections and
// returns true. Any other line (or the end of the file) means there is none: returns false,
// list untouched. Throws ConversionError for a line that does not convert and Error
// "Project file line <n>: expected a count of 0 or more, found '<text>'" for a negative count.
bool ReadSectionList(TextLineReader &reader, TSectionList &sections);

} // namespace velmora
