// Catalogue text import: any bytes either give records or a velmora::Error, never a crash,
// and what was imported exports to lines that import again.
#include "catalogue/wires.h"

#include "common/error.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    try {
        for (const auto &rec : velmora::ParseCatalogueText(bytes, "fuzz.txt").wires)
            (void)velmora::WireToTextLine(rec);
    } catch (const velmora::Error &) {
    }
    return 0;
}
