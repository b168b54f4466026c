#pragma once

#include <string>

namespace velmora {

// Caption of a catalogue group in the current language: 0 is the whole catalogue (the
// window's filter), 1..7 the groups a record's Group holds. Other indexes give the empty text.
std::string GroupName(int index);

} // namespace velmora
