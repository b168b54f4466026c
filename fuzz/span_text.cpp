// Spans pasted or imported from a CSV or text file: any bytes give fields that are UTF-8 and
// free of separators, and reading them as spans gives numbers or a velmora::Error.
#include "data/spantext.h"

#include "common/cp1251.h"
#include "common/error.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::vector<std::string> fields = velmora::SplitNumberFields(bytes);
    for (const std::string &field : fields) {
        if (field.empty() || !velmora::IsValidUtf8(field)
            || field.find_first_of("\r\n\t; ") != std::string::npos)
            std::abort();
    }
    try {
        velmora::ReadSpanTexts(fields, velmora::TSection {}, velmora::Lang::English);
    } catch (const velmora::Error &) {
    }
    return 0;
}
