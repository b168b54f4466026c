#include "xls/worksheet.h"

#include "xls/bytes.h"
#include "xls/rk.h"

#include <algorithm>

namespace velmora::xls {

namespace {

constexpr std::size_t MaxMergesPerRecord = 1026;

} // namespace

std::string Worksheet::RowRecordFor(const RowData &data) const
{
    std::string rec = data.rowRecord;
    if (rec.size() < 16) {
        rec.clear();
        Put16(rec, 0);
        Put32(rec, 0);
        Put16(rec, m_defaultRowHeight);
        Put32(rec, 0);
        Put16(rec, 0x0100);
        Put16(rec, DefaultCellXf);
    }
    Set16(rec, 0, static_cast<unsigned>(data.row));
    const bool empty = data.cells.empty(); // a row kept for its height or format only
    Set16(rec, 2, empty ? 0u : data.cells.front().col);
    Set16(rec, 4, empty ? 0u : data.cells.back().col + 1u);
    return rec;
}

void Worksheet::WriteCells(std::string &out, const RowData &data,
                           const std::vector<std::uint32_t> &sstIndex) const
{
    const int row = data.row;
    const std::vector<CellData> &cells = data.cells;
    std::string body;
    auto start = [&](const CellData &c) {
        body.clear();
        Put16(body, static_cast<unsigned>(row));
        Put16(body, c.col);
        Put16(body, c.xf);
    };
    // Length of the run of plain cells at i on adjacent columns that pass test.
    auto runLength = [&](std::size_t i, auto test) {
        std::size_t j = i + 1;
        while (j < cells.size() && cells[j].col == cells[j - 1].col + 1 && cells[j].formula < 0
               && test(cells[j]))
            ++j;
        return j - i;
    };
    for (std::size_t i = 0; i < cells.size();) {
        const CellData &c = cells[i];
        if (c.formula >= 0) {
            const FormulaData &f = m_formulas[c.formula];
            body = f.record;
            Set16(body, 0, static_cast<unsigned>(row));
            Set16(body, 2, c.col);
            Set16(body, 4, c.xf);
            AppendRecord(out, rec::Formula, body);
            if (!f.stringRecord.empty())
                AppendRecord(out, rec::String, f.stringRecord);
            ++i;
            continue;
        }
        switch (c.type) {
        case CellType::Blank: {
            const std::size_t n
                = runLength(i, [](const CellData &d) { return d.type == CellType::Blank; });
            start(c);
            if (n == 1) {
                AppendRecord(out, rec::Blank, body);
            } else {
                body.resize(4);
                for (std::size_t k = 0; k < n; ++k)
                    Put16(body, cells[i + k].xf);
                Put16(body, cells[i + n - 1].col);
                AppendRecord(out, rec::MulBlank, body);
            }
            i += n;
            continue;
        }
        case CellType::Number: {
            const auto rk = EncodeRk(c.number);
            start(c);
            if (!rk) {
                PutDouble(body, c.number);
                AppendRecord(out, rec::Number, body);
                break;
            }
            const std::size_t n = runLength(i, [](const CellData &d) {
                return d.type == CellType::Number && EncodeRk(d.number);
            });
            if (n == 1) {
                Put32(body, *rk);
                AppendRecord(out, rec::Rk, body);
            } else {
                body.resize(4);
                for (std::size_t k = 0; k < n; ++k) {
                    Put16(body, cells[i + k].xf);
                    Put32(body, *EncodeRk(cells[i + k].number));
                }
                Put16(body, cells[i + n - 1].col);
                AppendRecord(out, rec::MulRk, body);
            }
            i += n;
            continue;
        }
        case CellType::Text:
            start(c);
            Put32(body, sstIndex[c.text]);
            AppendRecord(out, rec::LabelSst, body);
            break;
        case CellType::Boolean:
        case CellType::Error:
            start(c);
            body.push_back(static_cast<char>(c.small));
            body.push_back(c.type == CellType::Error ? '\1' : '\0');
            AppendRecord(out, rec::BoolErr, body);
            break;
        }
        ++i;
    }
}

void Worksheet::WriteRows(std::string &out, const std::vector<std::uint32_t> &sstIndex,
                          std::vector<std::uint32_t> &dbcells, int &firstRow,
                          int &lastRowPlus1) const
{
    firstRow = lastRowPlus1 = 0;
    std::vector<const RowData *> rows;
    for (const RowData &data : m_rows)
        if (!data.cells.empty() || !data.rowRecord.empty())
            rows.push_back(&data);
    if (!rows.empty()) {
        firstRow = rows.front()->row;
        lastRowPlus1 = rows.back()->row + 1;
    }
    // Row blocks: the rows of each aligned group of 32, their cells, and a DBCELL.
    for (std::size_t b = 0; b < rows.size();) {
        std::size_t e = b;
        while (e < rows.size() && rows[e]->row / 32 == rows[b]->row / 32)
            ++e;
        const std::size_t firstRowPos = out.size();
        for (std::size_t k = b; k < e; ++k)
            AppendRecord(out, rec::Row, RowRecordFor(*rows[k]));
        std::size_t previous = firstRowPos + 4 + 16; // end of the first ROW record
        std::string dbcell;
        Put32(dbcell, 0);
        for (std::size_t k = b; k < e; ++k) {
            const std::size_t here = out.size();
            Put16(dbcell, static_cast<unsigned>(std::min<std::size_t>(here - previous, 0xFFFF)));
            previous = here;
            WriteCells(out, *rows[k], sstIndex);
        }
        Set32(dbcell, 0, static_cast<std::uint32_t>(out.size() - firstRowPos));
        dbcells.push_back(static_cast<std::uint32_t>(out.size()));
        AppendRecord(out, rec::DbCell, dbcell);
        b = e;
    }
}

std::size_t Worksheet::SizeHint() const
{
    std::size_t size = 0;
    for (const Record &r : m_head)
        size += 4 + r.data.size();
    for (const Record &r : m_tail)
        size += 4 + r.data.size();
    for (const RowData &row : m_rows)
        size += 24 + 18 * row.cells.size();
    for (const FormulaData &f : m_formulas)
        size += 8 + f.record.size() + f.stringRecord.size();
    return size + 12 * m_merges.size() + 8 * m_rows.size() + 64;
}

void Worksheet::Write(std::string &out, const std::vector<std::uint32_t> &sstIndex) const
{
    if (!m_isWorksheet) {
        for (const Record &r : m_head)
            AppendRecord(out, r.id, r.data);
        return;
    }
    std::size_t indexAt = std::string::npos;
    std::size_t indexBlocksAt = 0;
    std::uint32_t defColWidthAt = 0;
    std::vector<std::uint32_t> dbcells;
    int firstRow = 0;
    int lastRowPlus1 = 0;
    std::size_t blocks = 0;
    int lastBlock = -1;
    for (const RowData &data : m_rows)
        if ((!data.cells.empty() || !data.rowRecord.empty()) && data.row / 32 != lastBlock) {
            ++blocks;
            lastBlock = data.row / 32;
        }

    auto writeRecord = [&](const Record &r) {
        if (r.id == rec::Index && r.data.empty()) {
            indexAt = out.size();
            indexBlocksAt = blocks;
            AppendRecord(out, rec::Index, std::string(16 + 4 * blocks, '\0'));
        } else if (r.id == rec::Dimensions && r.data.empty()) {
            std::string body;
            const auto used = UsedRange();
            Put32(body, used ? used->firstRow : 0);
            Put32(body, used ? used->lastRow + 1 : 0);
            Put16(body, used ? used->firstCol : 0);
            Put16(body, used ? used->lastCol + 1 : 0);
            Put16(body, 0);
            AppendRecord(out, rec::Dimensions, body);
        } else if (r.id == rec::MergedCells && r.data.empty()) {
            for (std::size_t at = 0; at < m_merges.size(); at += MaxMergesPerRecord) {
                const std::size_t n = std::min(MaxMergesPerRecord, m_merges.size() - at);
                std::string body;
                Put16(body, static_cast<unsigned>(n));
                for (std::size_t k = at; k < at + n; ++k) {
                    Put16(body, static_cast<unsigned>(m_merges[k].firstRow));
                    Put16(body, static_cast<unsigned>(m_merges[k].lastRow));
                    Put16(body, static_cast<unsigned>(m_merges[k].firstCol));
                    Put16(body, static_cast<unsigned>(m_merges[k].lastCol));
                }
                AppendRecord(out, rec::MergedCells, body);
            }
        } else {
            if (r.id == rec::DefColWidth)
                defColWidthAt = static_cast<std::uint32_t>(out.size());
            AppendRecord(out, r.id, r.data);
        }
    };
    for (const Record &r : m_head)
        writeRecord(r);
    WriteRows(out, sstIndex, dbcells, firstRow, lastRowPlus1);
    for (const Record &r : m_tail)
        writeRecord(r);

    if (indexAt != std::string::npos && indexBlocksAt == dbcells.size()) {
        const std::size_t body = indexAt + 4;
        Set32(out, body + 4, static_cast<std::uint32_t>(firstRow));
        Set32(out, body + 8, static_cast<std::uint32_t>(lastRowPlus1));
        Set32(out, body + 12, defColWidthAt);
        for (std::size_t k = 0; k < dbcells.size(); ++k)
            Set32(out, body + 16 + 4 * k, dbcells[k]);
    }
}

} // namespace velmora::xls
