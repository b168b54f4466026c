// Feeds arbitrary bytes to the workbook reader: inputs that start like a compound file go
// through the container layer, all others are taken as a bare BIFF8 workbook stream so the
// fuzzer reaches the record parsers directly. Every workbook that loads is edited and saved.
#include "common/error.h"
#include "xls/workbook.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

using namespace velmora;

// libgsf leaks a directory entry of some damaged compound files inside gsf_infile_msole_new;
// that is not ours to fix. Full malloc stacks let the suppression see the libgsf frames.
extern "C" const char *__asan_default_options()
{
    return "fast_unwind_on_malloc=0";
}

extern "C" const char *__lsan_default_suppressions()
{
    return "leak:gsf_infile_msole_new\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const bool container
        = bytes.size() >= 8 && bytes.substr(0, 8) == "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
    try {
        xls::Workbook book
            = container ? xls::Workbook::FromBytes(bytes) : xls::Workbook::FromStream(bytes);
        for (int i = 0; i < book.SheetCount(); ++i) {
            xls::Worksheet &sheet = book.Sheet(i);
            if (!sheet.IsWorksheet())
                continue;
            (void)sheet.Value(0, 0);
            sheet.CopyRange(0, 0, 2, 3, 3, 0);
            sheet.Cell(1, 1).SetText("Провод");
            sheet.Cell(2, 2).SetNumber(1.5);
        }
        const xls::Workbook again = xls::Workbook::FromStream(book.StreamBytes());
        (void)again.SheetCount();
        if (container)
            (void)book.ToBytes();
    } catch (const Error &) {
    }
    return 0;
}
