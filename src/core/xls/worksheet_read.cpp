#include "xls/worksheet.h"

#include "common/error.h"
#include "xls/bytes.h"
#include "xls/rk.h"
#include "xls/sst.h"
#include "xls/xlstring.h"

#include <algorithm>

namespace velmora::xls {

namespace {

std::string Hex(unsigned id)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "0x0000";
    for (int i = 0; i < 4; ++i)
        text[5 - i] = digits[(id >> (4 * i)) & 0xF];
    return text;
}

void Need(const RecordView &r, std::size_t size)
{
    if (r.data.size() < size)
        throw Error("record " + Hex(r.id) + " at offset " + std::to_string(r.offset)
                    + " is too short");
}

[[noreturn]] void Bad(const RecordView &r, const std::string &what)
{
    throw Error("record " + Hex(r.id) + " at offset " + std::to_string(r.offset) + " " + what);
}

bool IsCellTableRecord(std::uint16_t id)
{
    switch (id) {
    case rec::Row:
    case rec::Blank:
    case rec::Number:
    case rec::Label:
    case rec::BoolErr:
    case rec::Formula:
    case rec::String:
    case rec::Rk:
    case rec::MulRk:
    case rec::MulBlank:
    case rec::LabelSst:
    case rec::RString:
    case rec::ShrFmla:
    case rec::Array:
    case rec::Table:
    case rec::DbCell:
        return true;
    default:
        return false;
    }
}

// Records after which a sheet's merged areas belong when the sheet had none.
bool IsViewRecord(std::uint16_t id)
{
    return id == rec::Window2 || id == 0x00A0 /* SCL */ || id == 0x0041 /* PANE */
        || id == 0x001D /* SELECTION */ || id == 0x088B /* PLV */;
}
} // namespace

void Worksheet::Load(const std::vector<RecordView> &records)
{
    if (!m_isWorksheet) {
        for (const RecordView &r : records)
            m_head.push_back({r.id, std::string(r.data)});
        return;
    }
    bool inTail = false;
    bool sawCells = false;
    bool sawIndex = false;
    bool sawDimensions = false;
    bool sawMerges = false;
    int depth = 0;
    std::vector<LoadedCell> cells;
    std::vector<std::pair<int, std::string>> rowRecords;
    std::optional<std::size_t> pendingString;
    for (const RecordView &r : records) {
        if (r.id == rec::Bof)
            ++depth;
        const bool own = depth == 1;
        if (own && IsCellTableRecord(r.id)) {
            sawCells = true;
            LoadCell(r, cells, rowRecords, pendingString);
        } else if (own && r.id == rec::MergedCells) {
            LoadMerges(r);
            if (!sawMerges)
                (inTail ? m_tail : m_head).push_back({rec::MergedCells, {}});
            sawMerges = true;
        } else if (own && r.id == rec::Index) {
            if (!sawIndex)
                (inTail ? m_tail : m_head).push_back({rec::Index, {}});
            sawIndex = true;
        } else if (own && r.id == rec::Dimensions) {
            if (!sawDimensions)
                (inTail ? m_tail : m_head).push_back({rec::Dimensions, {}});
            sawDimensions = true;
        } else {
            if (own && r.id == rec::ColInfo && r.data.size() >= 8) {
                const unsigned first = Get16(r.data.data());
                const unsigned last = std::min<unsigned>(Get16(r.data.data() + 2), MaxCols - 1);
                for (unsigned c = first; c <= last; ++c)
                    m_colXf[c] = Get16(r.data.data() + 6) & 0x0FFF;
            }
            if (own && r.id == rec::DefaultRowHeight && r.data.size() >= 4)
                m_defaultRowHeight = Get16(r.data.data() + 2);
            inTail = inTail || sawCells;
            (inTail ? m_tail : m_head).push_back({r.id, std::string(r.data)});
        }
        if (r.id == rec::Eof)
            --depth;
    }
    PlaceLoadedCells(cells, rowRecords);
    if (!sawCells) {
        // The cells of an empty sheet go after DIMENSIONS, else before the window settings.
        auto split = std::find_if(m_head.begin(), m_head.end(),
                                  [](const Record &r) { return r.id == rec::Dimensions; });
        if (split != m_head.end())
            ++split;
        else
            split = std::find_if(m_head.begin(), m_head.end(),
                                 [](const Record &r) { return r.id == rec::Window2; });
        if (split == m_head.end())
            split = m_head.end() - 1; // before EOF
        m_tail.assign(std::make_move_iterator(split), std::make_move_iterator(m_head.end()));
        m_head.erase(split, m_head.end());
    }
    PlacePlaceholders();
}

void Worksheet::PlacePlaceholders()
{
    auto has = [](const std::vector<Record> &list, std::uint16_t id) {
        return std::any_of(list.begin(), list.end(),
                           [id](const Record &r) { return r.id == id && r.data.empty(); });
    };
    if (!has(m_head, rec::Index) && !has(m_tail, rec::Index))
        m_head.insert(m_head.begin() + 1, {rec::Index, {}});
    if (!has(m_head, rec::Dimensions) && !has(m_tail, rec::Dimensions))
        m_head.push_back({rec::Dimensions, {}});
    if (!has(m_head, rec::MergedCells) && !has(m_tail, rec::MergedCells)) {
        std::size_t at = m_tail.empty() ? 0 : m_tail.size() - 1; // before EOF
        for (std::size_t i = 0; i < m_tail.size(); ++i)
            if (IsViewRecord(m_tail[i].id))
                at = i + 1;
        m_tail.insert(m_tail.begin() + static_cast<std::ptrdiff_t>(at), {rec::MergedCells, {}});
    }
}

void Worksheet::LoadMerges(const RecordView &r)
{
    Need(r, 2);
    const std::size_t count = Get16(r.data.data());
    if (r.data.size() < 2 + 8 * count)
        Bad(r, "holds fewer merged areas than it says");
    for (std::size_t i = 0; i < count; ++i) {
        const char *p = r.data.data() + 2 + 8 * i;
        const CellRange m {Get16(p), Get16(p + 2), Get16(p + 4), Get16(p + 6)};
        // Reversed and out-of-sheet areas are dropped, as a spreadsheet would ignore them.
        if (m.firstRow <= m.lastRow && m.firstCol <= m.lastCol && m.lastCol < MaxCols)
            m_merges.push_back(m);
    }
}

void Worksheet::LoadCell(const RecordView &r, std::vector<LoadedCell> &cells,
                         std::vector<std::pair<int, std::string>> &rowRecords,
                         std::optional<std::size_t> &pendingString)
{
    const char *p = r.data.data();
    // Cells are collected and sorted once at the end, so that no order of records in a
    // file makes reading slow.
    auto place = [&](unsigned row, unsigned col) -> CellData & {
        if (col >= MaxCols)
            Bad(r, "names column " + std::to_string(col + 1) + ", beyond the last column");
        CellData cell;
        cell.col = static_cast<std::uint16_t>(col);
        cells.emplace_back(row * MaxCols + col, cell);
        return cells.back().second;
    };
    if (r.id != rec::String && r.id != rec::ShrFmla && r.id != rec::Array && r.id != rec::Table)
        pendingString.reset();
    switch (r.id) {
    case rec::Row: {
        Need(r, 16);
        rowRecords.emplace_back(Get16(p), std::string(r.data.substr(0, 16)));
        break;
    }
    case rec::Blank: {
        Need(r, 6);
        CellData &c = place(Get16(p), Get16(p + 2));
        c = CellData {c.col, Get16(p + 4), CellType::Blank, 0, -1, 0, 0};
        break;
    }
    case rec::Number: {
        Need(r, 14);
        CellData &c = place(Get16(p), Get16(p + 2));
        c = CellData {c.col, Get16(p + 4), CellType::Number, 0, -1, 0, GetDouble(p + 6)};
        break;
    }
    case rec::Rk: {
        Need(r, 10);
        CellData &c = place(Get16(p), Get16(p + 2));
        c = CellData {c.col, Get16(p + 4), CellType::Number, 0, -1, 0, DecodeRk(Get32(p + 6))};
        break;
    }
    case rec::MulRk:
    case rec::MulBlank: {
        const std::size_t item = r.id == rec::MulRk ? 6 : 2;
        Need(r, 6);
        const unsigned row = Get16(p);
        const unsigned first = Get16(p + 2);
        const unsigned last = Get16(r.data.data() + r.data.size() - 2);
        if (last < first || r.data.size() != 6 + item * (last - first + 1))
            Bad(r, "has a wrong length for its columns");
        for (unsigned col = first; col <= last; ++col) {
            const char *it = p + 4 + item * (col - first);
            CellData &c = place(row, col);
            if (r.id == rec::MulRk)
                c = CellData {c.col, Get16(it), CellType::Number,       0,
                              -1,    0,         DecodeRk(Get32(it + 2))};
            else
                c = CellData {c.col, Get16(it), CellType::Blank, 0, -1, 0, 0};
        }
        break;
    }
    case rec::LabelSst: {
        Need(r, 10);
        const std::uint32_t index = Get32(p + 6);
        if (index >= m_pool->Size())
            Bad(r,
                "refers to shared string " + std::to_string(index) + " of "
                    + std::to_string(m_pool->Size()));
        CellData &c = place(Get16(p), Get16(p + 2));
        c = CellData {c.col, Get16(p + 4), CellType::Text, 0, -1, index, 0};
        break;
    }
    case rec::Label:
    case rec::RString: {
        Need(r, 6);
        std::size_t pos = 6;
        const std::string text = ReadRecordString(r.data, pos, false,
                                                  "text of record " + Hex(r.id) + " at offset "
                                                      + std::to_string(r.offset));
        const std::uint32_t index = m_pool->AddText(text);
        CellData &c = place(Get16(p), Get16(p + 2));
        c = CellData {c.col, Get16(p + 4), CellType::Text, 0, -1, index, 0};
        break;
    }
    case rec::BoolErr: {
        Need(r, 8);
        CellData &c = place(Get16(p), Get16(p + 2));
        const bool isError = p[7] != 0;
        c = CellData {c.col,
                      Get16(p + 4),
                      isError ? CellType::Error : CellType::Boolean,
                      static_cast<std::uint8_t>(p[6]),
                      -1,
                      0,
                      0};
        if (!isError)
            c.small = c.small != 0;
        break;
    }
    case rec::Formula: {
        Need(r, 22);
        CellData &c = place(Get16(p), Get16(p + 2));
        c = CellData {c.col, Get16(p + 4), CellType::Number, 0, -1, 0, 0};
        const auto *u = reinterpret_cast<const unsigned char *>(p);
        if (Get16(p + 12) != 0xFFFF) {
            c.number = GetDouble(p + 6);
        } else if (u[6] == 0x00) { // text: the STRING record follows
            c.type = CellType::Text;
            c.text = m_pool->AddText("");
            pendingString = cells.size() - 1;
        } else if (u[6] == 0x01) {
            c.type = CellType::Boolean;
            c.small = u[8] != 0;
        } else if (u[6] == 0x02) {
            c.type = CellType::Error;
            c.small = u[8];
        } else if (u[6] == 0x03) {
            c.type = CellType::Text;
            c.text = m_pool->AddText("");
        } else {
            Bad(r, "has an unknown result type");
        }
        // Parts of shared, array and table formulas would lose their anchor records on
        // save, so they keep only their value.
        const unsigned cce = Get16(p + 20);
        const bool anchored = cce > 0 && r.data.size() > 22 && (u[22] == 0x01 || u[22] == 0x02);
        if (!anchored) {
            c.formula = static_cast<std::int32_t>(m_formulas.size());
            m_formulas.push_back({std::string(r.data), {}});
        }
        break;
    }
    case rec::String: {
        if (!pendingString)
            break; // a stray STRING has no cell
        std::size_t pos = 0;
        const std::string text = ReadRecordString(r.data, pos, false,
                                                  "text of record " + Hex(r.id) + " at offset "
                                                      + std::to_string(r.offset));
        CellData &c = cells[*pendingString].second;
        c.text = m_pool->AddText(text);
        if (c.formula >= 0)
            m_formulas[c.formula].stringRecord.assign(r.data);
        pendingString.reset();
        break;
    }
    default: // DBCELL is rebuilt; SHRFMLA, ARRAY and TABLE go with their formulas
        break;
    }
}

void Worksheet::PlaceLoadedCells(std::vector<LoadedCell> &cells,
                                 std::vector<std::pair<int, std::string>> &rowRecords)
{
    // Of two cells at one place, the later one counts, as it would in a spreadsheet.
    std::stable_sort(cells.begin(), cells.end(),
                     [](const LoadedCell &a, const LoadedCell &b) { return a.first < b.first; });
    std::stable_sort(rowRecords.begin(), rowRecords.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::size_t nextRecord = 0;
    auto takeRowRecords = [&](int upTo) { // ROW records of rows before upTo, and of upTo
        while (nextRecord < rowRecords.size() && rowRecords[nextRecord].first <= upTo) {
            const int row = rowRecords[nextRecord].first;
            if (m_rows.empty() || m_rows.back().row != row)
                m_rows.push_back({row, {}, {}});
            m_rows.back().rowRecord = std::move(rowRecords[nextRecord].second);
            ++nextRecord;
        }
    };
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i + 1 < cells.size() && cells[i + 1].first == cells[i].first)
            continue;
        const int row = static_cast<int>(cells[i].first / MaxCols);
        takeRowRecords(row);
        if (m_rows.empty() || m_rows.back().row != row)
            m_rows.push_back({row, {}, {}});
        m_rows.back().cells.push_back(cells[i].second);
    }
    takeRowRecords(MaxRows);
}

} // namespace velmora::xls
