#pragma once

#include "data/linetext.h"

#include <string>
#include <string_view>

namespace velmora {

// Whether bytes look like an XML document (after blanks and a byte-order mark, a "<").
bool LooksLikeXml(std::string_view bytes);

// The ground profile of a LandXML file: the station–elevation pairs of the first
// <ProfSurf>'s <PntList2D>, or when there is none, of the first <ProfAlign>'s <PVI> elements.
// Element names are matched without their namespace. No network access, no external
// entities. Throws velmora::Error, in lang, naming file and line: for a document that does not
// parse, one with neither profile, a value that is not a number or a pair left without its
// elevation, and the faults of FindLineFault (LineScope::Records) at the line of the point.
ImportedRecords<GroundPoint> ReadGroundLandXml(std::string_view bytes, const std::string &file,
                                               Lang lang);

} // namespace velmora
