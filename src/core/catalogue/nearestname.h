#pragma once

#include "catalogue/wires.h"
#include "l10n/coretexts.h"

#include <string>

namespace velmora {

// The catalogue name that a name missing from the catalogue most likely means: the first
// record whose name differs from it only by blanks at either end, letter case, or Latin
// letters that look like Cyrillic ones ("AC 120/19" -> "АС 120/19", "ас 150/24 " ->
// "АС 150/24"). Empty when the name is in the catalogue as it stands, or no name is that near.
std::string NearestWireName(const TWiresList &catalogue, const std::string &name);

// Why a calculation of the wire `name` cannot run, in lang: the wire is named, and the
// nearest catalogue name (NearestWireName) is offered when there is one.
std::string MissingWireText(const TWiresList &catalogue, const std::string &name, Lang lang);

} // namespace velmora
