#pragma once

#include "data/lineprofile.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Where records came from: a file and the 1-based line of each record in it (no lines: the
// records are named by their number instead, as those of a project file).
struct LineSource
{
    std::string file;
    std::vector<std::size_t> lines;
};

// The text of a fault of records from source, in lang: "<file>, line <n>, <field>: <problem>",
// "<file>, <field>: <problem>" for a record past the last (one that is missing), or
// "<file>: <Record> <n>, <field>: <problem>" when source has no lines.
std::string LineFaultText(const LineFault &fault, const LineSource &source, Lang lang);

// Records read from a text and the lines they came from.
template<typename T> struct ImportedRecords
{
    std::vector<T> items;
    LineSource source;
};

// The readers of the line's records from CSV or plain text, one record a line:
//   ground "station;elevation", tower types "name;H;cost;max wind span;max weight span;min
//   weight span", towers "station;type name", crossings "station;top;clearance[;name]",
//   forbidden stretches "from;to".
// Bytes in UTF-8 (a byte-order mark dropped) or, when not well-formed UTF-8, in Windows-1251.
// Fields are separated by ";" or a tab, and by "," as the span text has it (data/spantext.h):
// only in a text with no tab and no ";" that has a "." or a line with two or more ",", or a ","
// that is not between two digits and so cannot be a decimal point ("0,Anchor"); a field
// of numbers alone may also be separated by blanks. Numbers take "," or "." as the point.
// Blank lines are skipped; a first line none of whose fields reads as a number is a heading.
// Each throws velmora::Error with LineFaultText for the first bad field (a missing or extra
// field, a number that does not read, a record FindLineFault refuses in LineScope::Records).
// file is the name the messages give.
ImportedRecords<GroundPoint> ReadGroundText(std::string_view bytes, const std::string &file,
                                            Lang lang);
ImportedRecords<TowerType> ReadTowerTypesText(std::string_view bytes, const std::string &file,
                                              Lang lang);
// A tower's type is looked up by name among types.
ImportedRecords<Tower> ReadTowersText(std::string_view bytes, const std::string &file,
                                      const std::vector<TowerType> &types, Lang lang);
ImportedRecords<Crossing> ReadCrossingsText(std::string_view bytes, const std::string &file,
                                            Lang lang);
ImportedRecords<ForbiddenStretch> ReadForbiddenText(std::string_view bytes, const std::string &file,
                                                    Lang lang);

} // namespace velmora
