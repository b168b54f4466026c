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
// "Project file line <n>: expected a count of 0 or more, found '<text>'" for a negative count;
// a count is checked before what it counts is read: more spans than a section may hold, or
// more sections or spans than the rest of the file has lines for, throw Error naming the line.
bool ReadSectionList(TextLineReader &reader, TSectionList &sections);
// The same after its header line was read by the caller.
void ReadSectionListBody(TextLineReader &reader, TSectionList &sections);

} // namespace velmora
