#pragma once

#include "common/textlines.h"
#include "data/lineprofile.h"

#include <string_view>

namespace velmora {

// The line that opens the line-profile part of a project file, after the anchor sections.
inline constexpr std::string_view LineProfileHeaderLine = "line profile";

// Writes the header line, then each kind of record as a count line and its records: a ground
// point "station;elevation"; a tower type as its name, then "height;cost;max wind span;max
// weight span;min weight span"; a tower "station;type index"; a crossing as its name, then
// "station;top;clearance"; a forbidden stretch "from;to". An empty line profile writes
// nothing, so a project without one keeps the bytes it had before.
void WriteLineProfile(TextLineWriter &writer, const LineProfile &line);

// Reads the part when the next line is the header: replaces line and returns true. Any other
// line (or the end of the file) means there is none: returns false, line untouched. Throws
// ConversionError "Project file line <n>: '<text>' is not a valid …" for a record's line that
// does not convert and Error "Project file line <n>, <field>:
// <problem>" for a negative count or a record FindLineFault refuses (LineScope::Records).
bool ReadLineProfile(TextLineReader &reader, LineProfile &line);

} // namespace velmora
