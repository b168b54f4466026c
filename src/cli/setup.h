#pragma once

#include "args.h"

#include "catalogue/wires.h"
#include "data/project.h"
#include "data/wirerec.h"

#include <string>
#include <vector>

namespace velmora::cli {

// The catalogue named by --catalogue (it must exist), or the program's own one: the one the
// desktop program opens, from the same folders (ProgramFoldersOf). When the program's data
// folder cannot be written, the shipped catalogue serves and a one-line note says so on
// standard error. The list's FileName() is the file opened, an input of every run. Throws
// velmora::Error.
TWiresList OpenWireCatalogue(const CommonOptions &common);

// Throws UsageError "the output '<output>' is the input '<input>': nothing written" when
// output already exists as the same file (device and inode) as one of inputs, whatever the
// names: an output must never replace what the run reads.
void RefuseOutputOverInput(const std::string &output, const std::vector<std::string> &inputs);

} // namespace velmora::cli
