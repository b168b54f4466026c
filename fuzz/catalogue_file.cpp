// Catalogue file bytes: decoding, sorting, and the text line of every record must hold up
// for any input, damaged length bytes and NaN numbers included.
#include "catalogue/wires.h"

#include "common/error.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    velmora::TWiresList list;
    for (const auto &rec : velmora::DecodeCatalogue(bytes)) {
        list.Add(rec);
        // Names may hold the one byte Windows-1251 leaves unused, so only the group and the
        // record size are sure to survive a second round.
        const std::string encoded = velmora::EncodeWireRec(rec);
        if (encoded.size() != velmora::kWireRecSize
            || velmora::DecodeWireRec(encoded).Group != rec.Group)
            std::abort();
        (void)velmora::WireToTextLine(rec);
    }
    if (static_cast<std::size_t>(list.Count()) != size / velmora::kWireRecSize)
        std::abort();
    for (int key = 0; key <= 7; ++key)
        list.SortBy(key);
    (void)list.FindByName(list.Count() ? list.GetWire(0).Name : "");
    return 0;
}
