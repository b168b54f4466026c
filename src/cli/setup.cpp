#include "setup.h"
#include "output.h"

#include "catalogue/catalogue.h"
#include "common/fileio.h"
#include "common/folders.h"

#include <filesystem>
#include <iostream>
#include <system_error>

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
    // LoadFromFile would create a missing file; a named catalogue must exist. Anything there
    // (a pipe or a device included) is the reader's to refuse.
    std::error_code ec;
    if (!std::filesystem::exists(*common.catalogue, ec))
        throw Error("the catalogue file \"" + *common.catalogue + "\" does not exist",
                    "файла справочника «" + *common.catalogue + "» нет");
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
                                 + "': nothing written",
                             "результат «" + output + "» — это входной файл «" + input
                                 + "»: ничего не записано");
    }
}

} // namespace velmora::cli
