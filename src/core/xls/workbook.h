#pragma once

#include "xls/cell.h"
#include "xls/compound.h"
#include "xls/records.h"
#include "xls/worksheet.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::xls {

class StringPool;

// A workbook in the Excel 97-2003 binary format (BIFF8 in an OLE2 compound file).
// Everything the library does not edit (fonts, formats, XF records, styles, page setup,
// column widths, window settings, unknown records, other streams) is written back as read.
// Cells hold numbers, texts, booleans and errors; a formula stays as it is until its cell is
// set or copied, when it gives way to a value. Texts are UTF-8.
class Workbook
{
public:
    Workbook(Workbook &&) noexcept;
    Workbook &operator=(Workbook &&) noexcept;
    ~Workbook();

    // Reads the file. Throws Error with the file error ("Cannot open file ...") or what is
    // wrong with the content ("not an Excel 97-2003 workbook: no Workbook stream", "record at
    // offset 1234 overruns the stream", ...).
    static Workbook Load(const std::string &path);
    // The same from the bytes of a compound file.
    static Workbook FromBytes(std::string_view bytes);
    // The same from a bare BIFF8 workbook stream (no compound file around it).
    static Workbook FromStream(std::string_view stream);

    int SheetCount() const { return static_cast<int>(m_sheets.size()); }
    // Throws Error "the workbook has no sheet 3" for an index outside 0..SheetCount()-1.
    Worksheet &Sheet(int index);
    const Worksheet &Sheet(int index) const;

    // Writes the workbook to a temporary file beside path and renames it over path, so a
    // failure leaves no half-written file. Throws Error naming the file and the reason.
    void Save(const std::string &path) const;
    // The compound file and the bare workbook stream that Save would write.
    std::string ToBytes() const;
    std::string StreamBytes() const;

private:
    Workbook();
    void LoadStream(std::string_view stream);

    std::unique_ptr<StringPool> m_pool;
    std::vector<Record> m_globals; // the SST marker is an empty SST record
    std::vector<std::unique_ptr<Worksheet>> m_sheets;
    CompoundFile m_container; // the entries around the workbook stream
};

} // namespace velmora::xls
