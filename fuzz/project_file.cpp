// Feeds arbitrary bytes to the project file reader: it must either read a project or throw
// the core's error, never crash or hang, and a project it read must survive a write and read.
#include "common/error.h"
#include "data/projectfile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    velmora::TProject project;
    try {
        velmora::ReadProjectFromBytes(bytes, project);
    } catch (const velmora::Error &) {
        return 0;
    }
    const std::string written = velmora::WriteProjectToBytes(project);
    velmora::TProject again;
    try {
        velmora::ReadProjectFromBytes(written, again);
    } catch (const velmora::Error &) {
        std::abort(); // what was written must read back
    }
    // Writing is stable: a second write gives the same bytes.
    if (velmora::WriteProjectToBytes(again) != written)
        std::abort();
    return 0;
}
