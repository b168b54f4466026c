#pragma once

#include "catalogue/wires.h"
#include "l10n/coretexts.h"

#include <string>
#include <vector>

namespace velmora {

// The per-machine data folder: commonDataDir + "/Orbelan/Tarnvik/". An empty commonDataDir
// (the platform could not name it) gives the relative folder "Orbelan/Tarnvik/".
std::string CatalogueDataDir(const std::string &commonDataDir);

// Start-up: creates the data folder with its parents, copies appDir's "base_provod.dat"
// there when the data folder has none (the copy appears whole or not at all, and a copy made
// meanwhile by another run is kept), then fills list from the data folder's file
// (created empty when there is no shipped one) and sorts it by name. Whatever the list held
// before is dropped. When the data folder cannot take the copy (a read-only home), the list
// is the shipped catalogue, FileName() still names the data folder's file (so a save says
// why it fails), and the return value is a one-line note naming the folder and the reason;
// otherwise the note is empty. The note is in lang. Throws Error when no catalogue can be read.
std::string OpenCatalogue(TWiresList &list, const std::string &commonDataDir,
                          const std::string &appDir, Lang lang = Lang::English);

// The records of the catalogue shipped in appDir ("base_provod.dat"), sorted by name as at
// start-up, for putting the catalogue back as it came. Throws Error naming the file when it
// is missing or cannot be read.
std::vector<TWireRec> ReadShippedCatalogue(const std::string &appDir);

} // namespace velmora
