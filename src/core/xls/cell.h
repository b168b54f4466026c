#pragma once

#include <cstdint>
#include <string>

namespace velmora::xls {

// What a cell holds. A formula cell reports the type of its last calculated value.
enum class CellType : std::uint8_t { Blank, Number, Text, Boolean, Error };

// A cell's content as read back: value and format (XF index).
struct CellValue
{
    CellType type = CellType::Blank;
    double number = 0; // Number
    std::string text; // Text, UTF-8
    bool boolean = false; // Boolean
    std::uint8_t errorCode = 0; // Error: 0x07 #DIV/0!, 0x2A #N/A, ...
    std::uint16_t xf = 15;
    bool formula = false; // the value is the cached result of a formula kept in the file
};

// A rectangle of cells, zero-based and inclusive (A1:C2 is rows 0..1, columns 0..2).
struct CellRange
{
    int firstRow = 0;
    int lastRow = 0;
    int firstCol = 0;
    int lastCol = 0;

    bool operator==(const CellRange &) const = default;
    bool Contains(int row, int col) const
    {
        return row >= firstRow && row <= lastRow && col >= firstCol && col <= lastCol;
    }
    bool Intersects(const CellRange &o) const
    {
        return firstRow <= o.lastRow && o.firstRow <= lastRow && firstCol <= o.lastCol
            && o.firstCol <= lastCol;
    }
};

// The size of a BIFF8 sheet.
constexpr int MaxRows = 65536;
constexpr int MaxCols = 256;

// The default cell format of a BIFF8 workbook.
constexpr std::uint16_t DefaultCellXf = 15;

} // namespace velmora::xls
