#pragma once

#include "xls/cell.h"
#include "xls/records.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::xls {

class StringPool;
class Worksheet;

// "A1" notation of a zero-based cell position, for messages.
std::string CellName(int row, int col);

// A handle on one cell of a sheet; it stays valid while the sheet lives.
class CellRef
{
public:
    CellRef(Worksheet &sheet, int row, int col)
        : m_sheet(&sheet)
        , m_row(row)
        , m_col(col)
    {
    }

    int Row() const { return m_row; }
    int Col() const { return m_col; }

    // Setting a value keeps the cell's format (XF) and replaces a formula by the value.
    // A number that is not finite is stored as the error value #NUM!.
    void SetNumber(double value);
    // Stored as a number; whole values are written in the compact RK form.
    void SetInteger(std::int64_t value);
    // UTF-8 text. Throws Error "text of cell A1 is longer than 32767 characters".
    void SetText(std::string_view utf8);
    void SetXf(std::uint16_t xf);

    CellValue Value() const;
    std::uint16_t Xf() const { return Value().xf; }

private:
    Worksheet *m_sheet;
    int m_row;
    int m_col;
};

// One sheet of a workbook. Worksheets (and Excel 4 macro sheets) hold cells, rows and merged
// areas; other sheet kinds (charts, VBA modules) are kept as read and refuse cell access.
class Worksheet
{
public:
    Worksheet(StringPool &pool, std::string name, bool isWorksheet);

    const std::string &Name() const { return m_name; }
    bool IsWorksheet() const { return m_isWorksheet; }

    // The cell at a zero-based row (0..65535) and column (0..255), created blank when
    // missing with the format of its row or column, else XF 15. Throws Error
    // "cell row 65537 is outside the sheet" / "cell column 257 is outside the sheet" /
    // "sheet \"Chart1\" is not a worksheet".
    CellRef Cell(int row, int col);

    // The cell's content, or nothing when the cell does not exist; never creates it.
    std::optional<CellValue> Value(int row, int col) const;

    // Copies the rectangle firstRow..lastRow × firstCol..lastCol (zero-based, inclusive) so
    // that its top-left cell lands on destRow, destCol: values (formulas as their last
    // value), formats, the merged areas lying wholly inside it and the source rows' height
    // and format. The target rectangle is replaced: its cells absent in the source go, and
    // merged areas touching it are removed. Throws Error "cannot copy A42:U44 to A45: the
    // target lies outside the sheet" for ranges beyond the sheet or reversed.
    void CopyRange(int firstRow, int firstCol, int lastRow, int lastCol, int destRow, int destCol);

    const std::vector<CellRange> &MergedAreas() const { return m_merges; }
    // Throws Error "merged area A1:B2 overlaps merged area B2:C3" and for areas beyond the sheet.
    void AddMergedArea(const CellRange &area);

    // Manual page breaks: a printed page starts at each of rows (zero-based, ascending,
    // 1..65535), across every column. Replaces the sheet's row breaks; an empty list removes
    // them. Throws Error "page breaks need ascending rows from 2 to 65536, found row 40 after
    // row 45" (one-based rows in the message) or "a sheet holds at most 1026 page breaks, not
    // 1100"; the sheet is then unchanged.
    void SetRowPageBreaks(const std::vector<int> &rows);
    // The rows that start a page at a manual break, as SetRowPageBreaks takes them.
    std::vector<int> RowPageBreaks() const;

    // Row height in twips (1/20 pt) from the row's ROW record; nothing when the row has none.
    std::optional<int> RowHeight(int row) const;
    // The rectangle that holds all cells, or nothing on a sheet without cells.
    std::optional<CellRange> UsedRange() const;

    // Internal: loading from and writing to the workbook stream.
    void Load(const std::vector<RecordView> &records);
    void Write(std::string &stream, const std::vector<std::uint32_t> &sstIndex) const;
    // At least the number of bytes Write appends, in bytes.
    std::size_t SizeHint() const;
    template<class F> void ForEachSharedText(F &&f) const;

private:
    friend class CellRef;

    struct CellData
    {
        std::uint16_t col = 0;
        std::uint16_t xf = DefaultCellXf;
        CellType type = CellType::Blank;
        std::uint8_t small = 0; // Boolean value or error code
        std::int32_t formula = -1; // index in m_formulas; -1 for a plain value
        std::uint32_t text = 0; // StringPool index for Text
        double number = 0;
    };
    struct RowData
    {
        int row = 0;
        std::vector<CellData> cells; // sorted by column
        std::string rowRecord; // ROW body, 16 bytes; empty when the row has none
    };
    // A cell as read, keyed by row · 256 + column; sorted once when the sheet is read.
    using LoadedCell = std::pair<std::uint32_t, CellData>;
    // A formula kept as read: FORMULA body and the STRING record of its text result.
    struct FormulaData
    {
        std::string record;
        std::string stringRecord;
    };

    RowData &TouchRow(int row);
    const RowData *FindRow(int row) const;
    RowData *Hinted(int row) const;
    CellData &Touch(int row, int col);
    const CellData *Find(int row, int col) const;
    std::uint16_t DefaultXf(int row, int col) const;
    CellValue ValueOf(const CellData &cell) const;
    void CheckWorksheet() const;

    void LoadCell(const RecordView &r, std::vector<LoadedCell> &cells,
                  std::vector<std::pair<int, std::string>> &rowRecords,
                  std::optional<std::size_t> &pendingString);
    void PlaceLoadedCells(std::vector<LoadedCell> &cells,
                          std::vector<std::pair<int, std::string>> &rowRecords);
    void LoadMerges(const RecordView &r);
    void PlacePlaceholders();
    void WriteRows(std::string &out, const std::vector<std::uint32_t> &sstIndex,
                   std::vector<std::uint32_t> &dbcells, int &firstRow, int &lastRowPlus1) const;
    void WriteCells(std::string &out, const RowData &data,
                    const std::vector<std::uint32_t> &sstIndex) const;
    std::string RowRecordFor(const RowData &data) const;

    StringPool *m_pool;
    std::string m_name;
    bool m_isWorksheet;
    std::vector<Record> m_head; // records before the cells; INDEX and DIMENSIONS are rebuilt
    std::vector<Record> m_tail; // records after the cells; the MERGEDCELLS marker is rebuilt
    std::vector<RowData> m_rows; // sorted by row; only rows with cells or a ROW record
    mutable std::size_t m_hint = 0; // index in m_rows of the row used last
    std::vector<CellRange> m_merges;
    std::vector<FormulaData> m_formulas;
    std::array<std::uint16_t, MaxCols> m_colXf {};
    std::uint16_t m_defaultRowHeight = 255;
};

template<class F> void Worksheet::ForEachSharedText(F &&f) const
{
    for (const RowData &row : m_rows)
        for (const CellData &cell : row.cells)
            if (cell.type == CellType::Text && cell.formula < 0)
                f(cell.text);
}

} // namespace velmora::xls
