#pragma once

#include <string>

namespace velmora::cli {

// The per-user data folder that stands in for the common application-data folder on Linux:
// $XDG_DATA_HOME when set and absolute, else $HOME/.local/share; empty when neither is known.
std::string CommonDataDir();

// The folder of the running program (from /proc/self/exe), ending with "/"; empty when the
// system cannot tell.
std::string ProgramDir();

} // namespace velmora::cli
