#include "setup.h"
#include "output.h"

#include "catalogue/catalogue.h"
#include "common/fileio.h"
#include "common/folders.h"

#include <iostream>

namespace velmora::cli {

void OpenWireCatalogue(const CommonOptions &common)
{
    if (!common.catalogue) {
        const ProgramFolders folders = ProgramFoldersOf(SystemFolderPlatform());
        const std::string note = OpenCatalogue(folders.commonData, folders.program);
        if (!note.empty())
            std::cerr << "velmora-calc: note: " << OneLine(note) << '\n';
        return;
    }
    // LoadFromFile would create a missing file; a named catalogue must exist.
    if (!FileExists(*common.catalogue))
        throw Error("the catalogue file \"" + *common.catalogue + "\" does not exist");
    WiresList().Clear();
    WiresList().LoadFromFile(*common.catalogue);
}

std::string OpenedCatalogueFile()
{
    return WiresList().FileName();
}

void RefuseOutputOverInput(const std::string &output, const std::vector<std::string> &inputs)
{
    for (const std::string &input : inputs) {
        if (!input.empty() && SameFile(output, input))
            throw UsageError("the output '" + output + "' is the input '" + input
                             + "': nothing written");
    }
}

} // namespace velmora::cli
