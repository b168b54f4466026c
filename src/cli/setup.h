#pragma once

#include "args.h"

namespace velmora::cli {

// The catalogue named by --catalogue (it must exist), or the program's own one as the
// desktop program opens it. Throws velmora::Error.
void OpenWireCatalogue(const CommonOptions &common);

} // namespace velmora::cli
