#include "xls/worksheet.h"

#include "common/error.h"

#include <algorithm>

namespace velmora::xls {

namespace {

bool IsBreakRecord(const Record &r)
{
    return r.id == rec::HorizontalPageBreaks;
}

// Records that follow the row breaks in a worksheet: the column breaks, the page setup,
// protection, the column settings and the cell table's DIMENSIONS.
bool FollowsRowBreaks(std::uint16_t id)
{
    switch (id) {
    case 0x001A: // VERTICALPAGEBREAKS
    case 0x0014: // HEADER
    case 0x0015: // FOOTER
    case 0x0083: // HCENTER
    case 0x0084: // VCENTER
    case 0x0026: // LEFTMARGIN
    case 0x0027: // RIGHTMARGIN
    case 0x0028: // TOPMARGIN
    case 0x0029: // BOTTOMMARGIN
    case 0x004D: // PLS
    case 0x00A1: // SETUP
    case 0x0012: // PROTECT
    case rec::DefColWidth:
    case rec::ColInfo:
    case rec::Dimensions:
        return true;
    default:
        return false;
    }
}

} // namespace

void Worksheet::SetRowPageBreaks(const std::vector<int> &rows)
{
    CheckWorksheet();
    if (rows.size() > MaxRowPageBreaks)
        throw Error("a sheet holds at most " + std::to_string(MaxRowPageBreaks)
                    + " page breaks, not " + std::to_string(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int previous = i == 0 ? 0 : rows[i - 1];
        if (rows[i] <= previous || rows[i] >= MaxRows)
            throw Error("page breaks need ascending rows from 2 to " + std::to_string(MaxRows)
                        + ", found row " + std::to_string(rows[i] + 1)
                        + (i == 0 ? std::string() : " after row " + std::to_string(previous + 1)));
    }
    for (std::vector<Record> *list : {&m_head, &m_tail})
        list->erase(std::remove_if(list->begin(), list->end(), IsBreakRecord), list->end());
    if (rows.empty())
        return;
    // Before the first record that follows the breaks, else just before the cells.
    const auto at = std::find_if(m_head.begin(), m_head.end(),
                                 [](const Record &r) { return FollowsRowBreaks(r.id); });
    m_head.insert(at, {rec::HorizontalPageBreaks, HorizontalPageBreaksBody(rows)});
}

std::vector<int> Worksheet::RowPageBreaks() const
{
    for (const std::vector<Record> *list : {&m_head, &m_tail}) {
        const auto it = std::find_if(list->begin(), list->end(), IsBreakRecord);
        if (it != list->end())
            return ParseHorizontalPageBreaks(it->data);
    }
    return {};
}

} // namespace velmora::xls
