#pragma once

#include "args.h"

#include "data/project.h"
#include "data/wirerec.h"

namespace velmora::cli {

// The catalogue named by --catalogue (it must exist), or the program's own one: the one the
// desktop program opens, from the same folders (ProgramFoldersOf). Throws velmora::Error.
void OpenWireCatalogue(const CommonOptions &common);

// The catalogue's record of the project's wire. A wire missing from the catalogue throws
// velmora::Error with the wire's name and the text the window shows, Input_wire, in lang:
// "\"<Provod>\": Input the data for this wire, ...".
TWireRec ProjectWire(const TDAT &dat, Lang lang);

} // namespace velmora::cli
