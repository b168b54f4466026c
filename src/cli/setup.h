#pragma once

#include "args.h"

#include "data/project.h"
#include "data/wirerec.h"

namespace velmora::cli {

// The catalogue named by --catalogue (it must exist), or the program's own one: the one the
// desktop program opens, from the same folders (ProgramFoldersOf). Throws velmora::Error.
void OpenWireCatalogue(const CommonOptions &common);

} // namespace velmora::cli
