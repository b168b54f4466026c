#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::xls {

// A stream or storage of the compound file other than the workbook stream (document
// properties, macros), kept so that saving loses none of them.
struct CompoundEntry
{
    std::string name;
    bool storage = false;
    std::string bytes;                   // a stream's content
    std::vector<CompoundEntry> children; // a storage's entries
};

struct CompoundFile
{
    std::string workbook; // the BIFF8 "Workbook" stream
    std::vector<CompoundEntry> others;
    std::array<std::uint8_t, 16> classId{};
};

// Opens an OLE2 compound file held in memory. Throws Error "not an Excel 97-2003 workbook:
// not a compound document file" / "... no Workbook stream" / "stream \"X\" cannot be read".
CompoundFile ReadCompound(std::string_view bytes);

// The compound file (512-byte sectors) holding the workbook stream and the other entries.
// Throws Error "cannot build the compound document file" when the container writer fails.
std::string WriteCompound(const CompoundFile &file);

} // namespace velmora::xls
