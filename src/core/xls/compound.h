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
    std::string bytes; // a stream's content
    std::vector<CompoundEntry> children; // a storage's entries
};

// The compound file around the workbook stream.
struct CompoundFile
{
    std::vector<CompoundEntry> others;
    std::array<std::uint8_t, 16> classId {};
};

// Opens an OLE2 compound file held in memory; the BIFF8 "Workbook" stream goes to workbook.
// Throws Error "not an Excel 97-2003 workbook:
// not a compound document file" / "... no Workbook stream" / "stream \"X\" cannot be read".
CompoundFile ReadCompound(std::string_view bytes, std::string &workbook);

// The compound file (512-byte sectors) holding the workbook stream and the other entries.
// Throws Error "cannot build the compound document file" when the container writer fails.
std::string WriteCompound(std::string_view workbook, const CompoundFile &file);

// Writes the compound file through WriteFileAtomically: on failure path is untouched and no
// temporary file is left. Throws Error
// "Cannot create file \"<path>\". <reason>" / "Cannot write file \"<path>\". <reason>".
void SaveCompound(std::string_view workbook, const CompoundFile &file, const std::string &path);

} // namespace velmora::xls
