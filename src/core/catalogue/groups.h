#pragma once

#include "l10n/coretexts.h"

#include <string>

namespace velmora {

// Caption of a catalogue group in lang: 0 is the whole catalogue (the
// window's filter), 1..7 the groups a record's Group holds. Other indexes give the empty text.
std::string GroupName(int index, Lang lang);

} // namespace velmora
