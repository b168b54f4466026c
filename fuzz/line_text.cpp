// The line's records from CSV or plain text and the ground from LandXML: any bytes give
// records or the core's error naming the file, and records that are given pass their own check.
#include "common/error.h"
#include "data/linetext.h"
#include "import/landxml.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

template<typename T>
void MustPass(const velmora::ImportedRecords<T> &records, velmora::LineProfile line)
{
    if (records.items.size() != records.source.lines.size()
        || velmora::FindLineFault(line, velmora::Lang::English, velmora::LineScope::Records))
        std::abort();
}

template<typename Read> void Try(Read read)
{
    try {
        read();
    } catch (const velmora::Error &e) {
        if (std::string_view(e.what()).substr(0, 5) != "f.txt")
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace velmora;
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::string file = "f.txt";
    const Lang lang = Lang::English;
    Try([&] {
        const auto r = ReadGroundText(bytes, file, lang);
        MustPass(r, LineProfile {r.items, {}, {}, {}, {}});
    });
    std::vector<TowerType> types {{"A", 20, 1, 400, 600, 0}};
    Try([&] {
        const auto r = ReadTowerTypesText(bytes, file, lang);
        MustPass(r, LineProfile {{}, r.items, {}, {}, {}});
        if (!r.items.empty())
            types = r.items;
    });
    Try([&] {
        const auto r = ReadTowersText(bytes, file, types, lang);
        MustPass(r, LineProfile {{}, types, r.items, {}, {}});
    });
    Try([&] {
        const auto r = ReadCrossingsText(bytes, file, lang);
        MustPass(r, LineProfile {{}, {}, {}, r.items, {}});
    });
    Try([&] {
        const auto r = ReadForbiddenText(bytes, file, lang);
        MustPass(r, LineProfile {{}, {}, {}, {}, r.items});
    });
    Try([&] {
        const auto r = ReadGroundLandXml(bytes, file, lang);
        MustPass(r, LineProfile {r.items, {}, {}, {}, {}});
    });
    return 0;
}
