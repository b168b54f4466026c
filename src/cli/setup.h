#pragma once

#include "args.h"

namespace velmora::cli {

// Language, units and the string table of one run. No settings store is set, so the user's
// own settings are neither read nor written.
void InitTexts(const CommonOptions &common);

// The catalogue named by --catalogue (it must exist), or the program's own one as the
// desktop program opens it. Throws velmora::Error.
void OpenWireCatalogue(const CommonOptions &common);

} // namespace velmora::cli
