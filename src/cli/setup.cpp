#include "setup.h"

#include "paths.h"

#include "catalogue/catalogue.h"
#include "common/fileio.h"

namespace velmora::cli {

void OpenWireCatalogue(const CommonOptions &common)
{
    if (!common.catalogue) {
        OpenCatalogue(CommonDataDir(), ProgramDir());
        return;
    }
    // LoadFromFile would create a missing file; a named catalogue must exist.
    if (!FileExists(*common.catalogue))
        throw Error("the catalogue file \"" + *common.catalogue + "\" does not exist");
    WiresList().Clear();
    WiresList().LoadFromFile(*common.catalogue);
}

} // namespace velmora::cli
