#include "xls/worksheet.h"

#include "common/error.h"
#include "xls/bytes.h"
#include "xls/sst.h"
#include "xls/xlstring.h"

#include <algorithm>
#include <cmath>

namespace velmora::xls {

namespace {

constexpr std::uint8_t ErrorNum = 0x24; // #NUM!

std::string ColumnName(int col)
{
    std::string name;
    for (int c = col + 1; c > 0; c = (c - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (c - 1) % 26));
    return name;
}

std::string RangeName(const CellRange &r)
{
    return CellName(r.firstRow, r.firstCol) + ":" + CellName(r.lastRow, r.lastCol);
}

bool Inside(const CellRange &r)
{
    return r.firstRow >= 0 && r.firstRow <= r.lastRow && r.lastRow < MaxRows && r.firstCol >= 0
        && r.firstCol <= r.lastCol && r.lastCol < MaxCols;
}

} // namespace

std::string CellName(int row, int col)
{
    return ColumnName(col) + std::to_string(row + 1);
}

Worksheet::Worksheet(StringPool &pool, std::string name, bool isWorksheet)
    : m_pool(&pool)
    , m_name(std::move(name))
    , m_isWorksheet(isWorksheet)
{
    m_colXf.fill(DefaultCellXf);
}

void Worksheet::CheckWorksheet() const
{
    if (!m_isWorksheet)
        throw Error("sheet \"" + m_name + "\" is not a worksheet");
}

CellRef Worksheet::Cell(int row, int col)
{
    CheckWorksheet();
    if (row < 0 || row >= MaxRows)
        throw Error("cell row " + std::to_string(row + 1) + " is outside the sheet");
    if (col < 0 || col >= MaxCols)
        throw Error("cell column " + std::to_string(col + 1) + " is outside the sheet");
    Touch(row, col);
    return CellRef(*this, row, col);
}

std::optional<CellValue> Worksheet::Value(int row, int col) const
{
    const CellData *cell = Find(row, col);
    if (!cell)
        return std::nullopt;
    return ValueOf(*cell);
}

Worksheet::RowData &Worksheet::TouchRow(int row)
{
    if (RowData *hinted = Hinted(row))
        return *hinted;
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), row,
                                     [](const RowData &r, int v) { return r.row < v; });
    m_hint = static_cast<std::size_t>(at - m_rows.begin());
    if (at == m_rows.end() || at->row != row)
        m_rows.insert(at, RowData {row, {}, {}});
    return m_rows[m_hint];
}

const Worksheet::RowData *Worksheet::FindRow(int row) const
{
    if (const RowData *hinted = Hinted(row))
        return hinted;
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), row,
                                     [](const RowData &r, int v) { return r.row < v; });
    if (at == m_rows.end() || at->row != row)
        return nullptr;
    m_hint = static_cast<std::size_t>(at - m_rows.begin());
    return &*at;
}

// Cells are mostly set row after row: the row used last, or the one after it, is likely.
Worksheet::RowData *Worksheet::Hinted(int row) const
{
    auto *rows = const_cast<std::vector<RowData> *>(&m_rows);
    for (std::size_t i = m_hint; i < m_hint + 2 && i < rows->size(); ++i) {
        if ((*rows)[i].row == row) {
            m_hint = i;
            return &(*rows)[i];
        }
    }
    return nullptr;
}

Worksheet::CellData &Worksheet::Touch(int row, int col)
{
    RowData &data = TouchRow(row);
    std::vector<CellData> &cells = data.cells;
    const auto at = std::lower_bound(cells.begin(), cells.end(), col,
                                     [](const CellData &c, int v) { return c.col < v; });
    if (at != cells.end() && at->col == col)
        return *at;
    CellData fresh;
    fresh.col = static_cast<std::uint16_t>(col);
    fresh.xf = DefaultXf(row, col);
    return *cells.insert(at, fresh);
}

const Worksheet::CellData *Worksheet::Find(int row, int col) const
{
    const RowData *data = FindRow(row);
    if (!data)
        return nullptr;
    const std::vector<CellData> &cells = data->cells;
    const auto at = std::lower_bound(cells.begin(), cells.end(), col,
                                     [](const CellData &c, int v) { return c.col < v; });
    return at != cells.end() && at->col == col ? &*at : nullptr;
}

std::uint16_t Worksheet::DefaultXf(int row, int col) const
{
    if (const RowData *data = FindRow(row)) {
        const std::string &rec = data->rowRecord;
        if (rec.size() >= 16 && (Get16(rec.data() + 12) & 0x0080)) // the row has its own format
            return Get16(rec.data() + 14) & 0x0FFF;
    }
    return m_colXf[col];
}

CellValue Worksheet::ValueOf(const CellData &cell) const
{
    CellValue v;
    v.type = cell.type;
    v.xf = cell.xf;
    v.formula = cell.formula >= 0;
    switch (cell.type) {
    case CellType::Number:
        v.number = cell.number;
        break;
    case CellType::Text:
        v.text = m_pool->At(cell.text).text;
        break;
    case CellType::Boolean:
        v.boolean = cell.small != 0;
        break;
    case CellType::Error:
        v.errorCode = cell.small;
        break;
    case CellType::Blank:
        break;
    }
    return v;
}

void Worksheet::CopyRange(int firstRow, int firstCol, int lastRow, int lastCol, int destRow,
                          int destCol)
{
    CheckWorksheet();
    const CellRange source {firstRow, lastRow, firstCol, lastCol};
    const CellRange target {destRow, destRow + (lastRow - firstRow), destCol,
                            destCol + (lastCol - firstCol)};
    if (!Inside(source) || !Inside(target))
        throw Error("cannot copy " + RangeName(source) + " to "
                    + CellName(std::max(destRow, 0), std::max(destCol, 0))
                    + ": the range lies outside the sheet");

    const int height = lastRow - firstRow + 1;
    // Take the source first: source and target may overlap.
    std::vector<std::vector<CellData>> cells(height);
    std::vector<std::string> rowRecords(height);
    for (int r = 0; r < height; ++r) {
        const RowData *found = FindRow(firstRow + r);
        if (!found)
            continue;
        const RowData &row = *found;
        rowRecords[r] = row.rowRecord;
        for (const CellData &c : row.cells) {
            if (c.col < firstCol || c.col > lastCol)
                continue;
            CellData copy = c;
            copy.col = static_cast<std::uint16_t>(c.col - firstCol + destCol);
            copy.formula = -1; // a moved formula would point at the wrong cells
            cells[r].push_back(copy);
        }
    }
    std::vector<CellRange> merges;
    for (const CellRange &m : m_merges) {
        if (m.firstRow >= firstRow && m.lastRow <= lastRow && m.firstCol >= firstCol
            && m.lastCol <= lastCol) {
            merges.push_back({m.firstRow - firstRow + destRow, m.lastRow - firstRow + destRow,
                              m.firstCol - firstCol + destCol, m.lastCol - firstCol + destCol});
        }
    }

    for (int r = 0; r < height; ++r) {
        if (cells[r].empty() && rowRecords[r].empty() && !FindRow(destRow + r))
            continue; // nothing to copy and nothing to clear
        RowData &row = TouchRow(destRow + r);
        auto from = std::lower_bound(row.cells.begin(), row.cells.end(), target.firstCol,
                                     [](const CellData &c, int v) { return c.col < v; });
        auto to = std::lower_bound(from, row.cells.end(), target.lastCol + 1,
                                   [](const CellData &c, int v) { return c.col < v; });
        from = row.cells.erase(from, to);
        row.cells.insert(from, cells[r].begin(), cells[r].end());
        if (!rowRecords[r].empty()) {
            row.rowRecord = rowRecords[r];
            Set16(row.rowRecord, 0, static_cast<unsigned>(destRow + r));
        }
    }
    std::erase_if(m_merges, [&](const CellRange &m) { return m.Intersects(target); });
    m_merges.insert(m_merges.end(), merges.begin(), merges.end());
}

void Worksheet::AddMergedArea(const CellRange &area)
{
    CheckWorksheet();
    if (!Inside(area))
        throw Error("merged area lies outside the sheet");
    for (const CellRange &m : m_merges)
        if (m.Intersects(area))
            throw Error("merged area " + RangeName(area) + " overlaps merged area " + RangeName(m));
    m_merges.push_back(area);
}

std::optional<int> Worksheet::RowHeight(int row) const
{
    const RowData *data = FindRow(row);
    if (!data || data->rowRecord.size() < 16)
        return std::nullopt;
    return Get16(data->rowRecord.data() + 6) & 0x7FFF;
}

std::optional<CellRange> Worksheet::UsedRange() const
{
    std::optional<CellRange> used;
    for (const RowData &data : m_rows) {
        const std::vector<CellData> &cells = data.cells;
        if (cells.empty())
            continue;
        const int row = data.row;
        if (!used) {
            used = CellRange {row, row, cells.front().col, cells.back().col};
            continue;
        }
        used->lastRow = row;
        used->firstCol = std::min<int>(used->firstCol, cells.front().col);
        used->lastCol = std::max<int>(used->lastCol, cells.back().col);
    }
    return used;
}

void CellRef::SetNumber(double value)
{
    auto &cell = m_sheet->Touch(m_row, m_col);
    cell.formula = -1;
    if (!std::isfinite(value)) {
        cell.type = CellType::Error;
        cell.small = ErrorNum;
        return;
    }
    cell.type = CellType::Number;
    cell.number = value;
}

void CellRef::SetInteger(std::int64_t value)
{
    SetNumber(static_cast<double>(value));
}

void CellRef::SetText(std::string_view utf8)
{
    if (utf8.size() > MaxCellTextChars && EncodeText(utf8).chars > MaxCellTextChars)
        throw Error("text of cell " + CellName(m_row, m_col) + " is longer than "
                    + std::to_string(MaxCellTextChars) + " characters");
    const std::uint32_t index = m_sheet->m_pool->AddText(utf8);
    auto &cell = m_sheet->Touch(m_row, m_col);
    cell.formula = -1;
    cell.type = CellType::Text;
    cell.text = index;
}

void CellRef::SetXf(std::uint16_t xf)
{
    m_sheet->Touch(m_row, m_col).xf = xf;
}

CellValue CellRef::Value() const
{
    const auto *cell = m_sheet->Find(m_row, m_col);
    return cell ? m_sheet->ValueOf(*cell) : CellValue {};
}

} // namespace velmora::xls
