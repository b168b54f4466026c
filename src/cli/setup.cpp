#include "setup.h"
#include "output.h"

#include "catalogue/catalogue.h"
#include "common/fileio.h"
#include "common/folders.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace velmora::cli {

TWiresList OpenWireCatalogue(const CommonOptions &common)
{
    TWiresList catalogue;
    if (!common.catalogue) {
        const ProgramFolders folders = ProgramFoldersOf(SystemFolderPlatform());
        const std::string note
            = OpenCatalogue(catalogue, folders.commonData, folders.program, common.lang);
        if (!note.empty())
            std::cerr << "velmora-calc: note: " << OneLine(note) << '\n';
        return catalogue;
    }
    // LoadFromFile would create a missing file; a named catalogue must exist. Anything there
    // (a pipe or a device included) is the reader's to refuse.
    std::error_code ec;
    if (!std::filesystem::exists(*common.catalogue, ec))
        throw Error("the catalogue file \"" + *common.catalogue + "\" does not exist",
                    "файла справочника «" + *common.catalogue + "» нет");
    catalogue.LoadFromFile(*common.catalogue);
    return catalogue;
}

void RefuseOutputOverInput(const std::string &output, const std::vector<std::string> &inputs)
{
    for (const std::string &input : inputs) {
        if (!input.empty() && SameFile(output, input))
            throw UsageError("the output '" + output + "' is the input '" + input
                                 + "': nothing written",
                             "результат «" + output + "» — это входной файл «" + input
                                 + "»: ничего не записано");
    }
}

} // namespace velmora::cli
