#include "report/stringing_report.h"

#include "common/error.h"
#include "common/fileio.h"
#include "common/numtext.h"
#include "data/wirerec.h"
#include "xls/workbook.h"

#include <algorithm>
#include <exception>
#include <optional>

namespace velmora {

namespace c = stringingcells;

namespace {

// One block of the sheet: a section's spans first..first+spans−1 at its temperatures
// firstTemperature..firstTemperature+temperatures−1, from row `row` on.
struct Block
{
    std::size_t section = 0;
    int firstTemperature = 0;
    int temperatures = 0;
    int firstSpan = 0;
    int spans = 0;
    int row = 0;
};

// Whether the table has a row for each of the section's spans and a column for each of its
// temperatures, so that the blocks read nothing beyond its values.
bool TableFitsSection(const SectionTable &s)
{
    const std::size_t columns = s.table.temperatures.size();
    const auto fits = [columns](const std::vector<double> &row) { return row.size() == columns; };
    return fits(s.table.stress) && fits(s.table.tension) && fits(s.table.sagReduced)
        && s.table.sags.size() == s.section.Spans.size()
        && std::all_of(s.table.sags.begin(), s.table.sags.end(), fits);
}

int BlockHeight(const Block &block)
{
    return c::BlockRows - 1 + block.spans;
}

std::vector<Block> PlanBlocks(const std::vector<SectionTable> &sections, Lang language)
{
    if (sections.empty())
        throw Error(InLanguage(language, "There are no stringing tables to write",
                               "Нет монтажных таблиц для записи"));
    std::vector<Block> blocks;
    int row = c::BlockFirstRow;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const StringingTable &table = sections[s].table;
        if (table.state == NoState)
            throw Error(table.warning);
        if (!TableFitsSection(sections[s]))
            throw Error("A stringing table does not match the spans and temperatures of its "
                        "section");
        const int temperatures = static_cast<int>(table.temperatures.size());
        const int spans = static_cast<int>(sections[s].section.Spans.size());
        for (int t = 0; t < temperatures; t += c::TemperaturesPerBlock) {
            for (int first = 0; first < spans; first += c::SpansPerBlock) {
                Block block;
                block.section = s;
                block.firstTemperature = t;
                block.temperatures = std::min(c::TemperaturesPerBlock, temperatures - t);
                block.firstSpan = first;
                block.spans = std::min(c::SpansPerBlock, spans - first);
                block.row = row;
                if (row + BlockHeight(block) > xls::MaxRows)
                    throw Error(InLanguage(
                        language,
                        "The stringing tables need more rows than the 65536 a sheet holds",
                        "Монтажным таблицам нужно больше строк, чем 65536 строк листа"));
                blocks.push_back(block);
                row += BlockHeight(block) + 1; // the empty row after it
            }
        }
    }
    return blocks;
}

int Height(const xls::Worksheet &form, int row)
{
    constexpr int DefaultRowHeight = 255; // twips, Excel's default row
    return form.RowHeight(row).value_or(DefaultRowHeight);
}

// The rows that start a page: before each block that no longer fits on the current page.
std::vector<int> PageBreaks(const xls::Worksheet &form, const std::vector<Block> &blocks)
{
    int titles = 0;
    for (int r = 0; r < c::TitleRows; ++r)
        titles += Height(form, r);
    int heading = 0;
    for (int r = c::BlockFirstRow; r < c::BlockFirstRow + c::SpanRowOffset; ++r)
        heading += Height(form, r);
    const int spanRow = Height(form, c::BlockFirstRow + c::SpanRowOffset);
    const int gap = Height(form, c::GapRow);
    const int room = c::PageBodyHeight - titles;

    std::vector<int> breaks;
    int used = gap; // the empty row under the titles on the first page
    for (const Block &block : blocks) {
        const int height = heading + block.spans * spanRow;
        if (used + height > room && used > 0) {
            if (breaks.size() == xls::MaxRowPageBreaks)
                break; // the printer's own breaks take over
            breaks.push_back(block.row);
            used = 0;
        }
        used += height + gap;
    }
    return breaks;
}

// Every block as the form's block, with one span row per span and an empty row after it.
// Copies only from the form's rows, which stay as they are until the values are written.
void CopyBlocks(xls::Worksheet &sheet, const std::vector<Block> &blocks)
{
    const int spanRow = c::BlockFirstRow + c::SpanRowOffset;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const Block &block = blocks[b];
        if (block.row != c::BlockFirstRow)
            sheet.CopyRange(c::BlockFirstRow, 0, spanRow, c::LastCol, block.row, 0);
        for (int i = 1; i < block.spans; ++i)
            sheet.CopyRange(spanRow, 0, spanRow, c::LastCol, block.row + c::SpanRowOffset + i, 0);
        if (b + 1 < blocks.size())
            sheet.CopyRange(c::GapRow, 0, c::GapRow, c::LastCol, block.row + BlockHeight(block), 0);
    }
}

void WriteBlock(xls::Worksheet &sheet, const Block &block, const SectionTable &entry,
                UnitFactors units)
{
    const TSection &section = entry.section;
    const StringingTable &table = entry.table;
    const int top = block.row;
    sheet.Cell(top + c::NameOffset, c::NameCol).SetText(section.Name);
    sheet.Cell(top + c::InfoOffset, c::ReducedSpanCol).SetNumber(table.reducedSpan);
    sheet.Cell(top + c::InfoOffset, c::StateCol).SetInteger(table.state);
    sheet.Cell(top + c::InfoOffset, c::SpanCountCol)
        .SetInteger(static_cast<std::int64_t>(section.Spans.size()));
    sheet.Cell(top + c::ReducedSagOffset, c::SpanCol).SetNumber(table.reducedSpan);
    for (int i = 0; i < block.spans; ++i) {
        const int row = top + c::SpanRowOffset + i;
        sheet.Cell(row, c::NumberCol).SetInteger(block.firstSpan + i + 1);
        sheet.Cell(row, c::SpanCol).SetNumber(section.Spans[block.firstSpan + i]);
    }

    // The rows that have a cell per temperature.
    std::vector<int> rows {top + c::TemperatureOffset, top + c::StressOffset,
                           top + c::TensionOffset, top + c::ReducedSagOffset};
    for (int i = 0; i < block.spans; ++i)
        rows.push_back(top + c::SpanRowOffset + i);
    for (int j = 0; j < c::TemperaturesPerBlock; ++j) {
        const int col = c::FirstTemperatureCol + j;
        if (j >= block.temperatures) {
            // A column this block does not use shows nothing, not an empty grid.
            for (int row : rows)
                sheet.Cell(row, col).SetXf(xls::DefaultCellXf);
            continue;
        }
        const std::size_t k = static_cast<std::size_t>(block.firstTemperature + j);
        sheet.Cell(top + c::TemperatureOffset, col).SetNumber(table.temperatures[k]);
        sheet.Cell(top + c::StressOffset, col).SetNumber(units.stress * table.stress[k]);
        sheet.Cell(top + c::TensionOffset, col).SetNumber(units.force * table.tension[k]);
        sheet.Cell(top + c::ReducedSagOffset, col).SetNumber(table.sagReduced[k]);
        for (int i = 0; i < block.spans; ++i) {
            const std::size_t span = static_cast<std::size_t>(block.firstSpan + i);
            sheet.Cell(top + c::SpanRowOffset + i, col).SetNumber(table.sags[span][k]);
        }
    }
}

} // namespace

std::string StringingFormName(bool english, int units)
{
    std::string name = units != 0 ? "Forms/FormStringingN" : "Forms/FormStringing";
    name += english ? "_en.xls" : "_ru.xls";
    return name;
}

std::string StringingReportBytes(const std::string &formPath, const TWireRec &wire,
                                 const std::vector<SectionTable> &sections, Lang language,
                                 UnitFactors units)
{
    const std::vector<Block> blocks = PlanBlocks(sections, language);

    std::optional<xls::Workbook> book;
    try {
        book.emplace(xls::Workbook::Load(formPath));
        book->Sheet(0).Cell(0, 0); // the first sheet must be a worksheet
    } catch (const std::exception &e) {
        throw Error(InLanguage(
            language, "The stringing form " + formPath + " cannot be read: " + e.what(),
            "Не удаётся прочитать форму монтажных таблиц " + formPath + ": " + e.what()));
    }
    xls::Worksheet &sheet = book->Sheet(0);
    std::vector<int> breaks = PageBreaks(sheet, blocks);
    CopyBlocks(sheet, blocks);
    sheet.Cell(c::WireRow, c::WireCol).SetText(wire.Name);
    sheet.Cell(c::WireRow, c::SechCol).SetNumber(wire.Sech);
    for (const Block &block : blocks)
        WriteBlock(sheet, block, sections[block.section], units);
    sheet.SetRowPageBreaks(breaks);
    return book->ToBytes();
}

void WriteStringingReport(const std::string &formPath, const std::string &outPath,
                          const TWireRec &wire, const std::vector<SectionTable> &sections,
                          Lang language, UnitFactors units)
{
    WriteFileAtomically(outPath, StringingReportBytes(formPath, wire, sections, language, units));
}

} // namespace velmora
