#include "catalogue/wires.h"
#include "common/error.h"
#include "report/stringing_report.h"
#include "tempfolder.h"
#include "xls/workbook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace c = stringingcells;

const std::string AppDir = std::string(VELMORA_APP_DIR) + "/";

std::string Form(bool english = true, int units = 0)
{
    return AppDir + StringingFormName(english, units);
}

TWireRec Wire()
{
    TWireRec wire;
    wire.Name = "АС 70/11";
    wire.Sech = 79.3;
    return wire;
}

// A table whose every value tells where it belongs: stress 3 + k/100, tension 80 times the
// stress, sag at l_r 2 + k/10, sag of span i (0-based) i + 1 + k/1000.
SectionTable Section(const std::string &name, int spans, int temperatures,
                     InitialState state = StateMaxLoad)
{
    SectionTable entry;
    entry.section.Name = name;
    for (int i = 0; i < spans; ++i)
        entry.section.Spans.push_back(100 + i);
    entry.table.reducedSpan = 150.25;
    entry.table.state = state;
    entry.table.sags.resize(static_cast<std::size_t>(spans));
    for (int k = 0; k < temperatures; ++k) {
        entry.table.temperatures.push_back(-40 + 2 * k);
        entry.table.stress.push_back(3 + k / 100.0);
        entry.table.tension.push_back(80 * (3 + k / 100.0));
        entry.table.sagReduced.push_back(2 + k / 10.0);
        for (int i = 0; i < spans; ++i)
            entry.table.sags[static_cast<std::size_t>(i)].push_back(i + 1 + k / 1000.0);
    }
    return entry;
}

double Number(const xls::Worksheet &sheet, int row, int col)
{
    const auto v = sheet.Value(row, col);
    EXPECT_TRUE(v && v->type == xls::CellType::Number) << xls::CellName(row, col);
    return v ? v->number : 0;
}

std::string Text(const xls::Worksheet &sheet, int row, int col)
{
    const auto v = sheet.Value(row, col);
    return v ? v->text : std::string();
}

struct Written
{
    xls::Workbook form;
    xls::Workbook book;
};

Written Write(const std::vector<SectionTable> &sections, UnitFactors units = {},
              bool english = true, int unitsMode = 0)
{
    TempFolder folder;
    const std::string out = folder.File("tables.xls");
    WriteStringingReport(Form(english, unitsMode), out, Wire(), sections, Lang::English, units);
    return {xls::Workbook::Load(Form(english, unitsMode)), xls::Workbook::Load(out)};
}

TEST(StringingForm, NameByLanguageAndUnits)
{
    EXPECT_EQ(StringingFormName(true, 0), "Forms/FormStringing_en.xls");
    EXPECT_EQ(StringingFormName(true, 1), "Forms/FormStringingN_en.xls");
    EXPECT_EQ(StringingFormName(false, 0), "Forms/FormStringing_ru.xls");
    EXPECT_EQ(StringingFormName(false, 7), "Forms/FormStringingN_ru.xls");
}

// Each shipped form has a formatted, empty cell wherever the writer puts a value, captions in
// its language and units, and rows short enough for a block of SpansPerBlock spans to be
// printed on one page under the repeated rows.
TEST(StringingForm, ShippedFormsHoldTheCells)
{
    struct FormCase
    {
        bool english;
        int units;
        const char *stressCaption; // A7
        const char *forceCaption; // A8
    };
    const FormCase forms[] = {
        {true, 0, "Stress σ, daN/mm²", "Tensile force T, daN"},
        {true, 1, "Stress σ, N/mm²", "Tensile force T, kN"},
        {false, 0, "Напряжение σ, даН/мм²", "Тяжение T, даН"},
        {false, 1, "Напряжение σ, Н/мм²", "Тяжение T, кН"},
    };
    for (const FormCase &f : forms) {
        SCOPED_TRACE(StringingFormName(f.english, f.units));
        const xls::Workbook book = xls::Workbook::Load(Form(f.english, f.units));
        const xls::Worksheet &sheet = book.Sheet(0);
        std::vector<std::pair<int, int>> cells
            = {{c::WireRow, c::WireCol}, {c::WireRow, c::SechCol}};
        const int top = c::BlockFirstRow;
        for (int col : {c::NameCol})
            cells.emplace_back(top + c::NameOffset, col);
        for (int col : {c::ReducedSpanCol, c::StateCol, c::SpanCountCol})
            cells.emplace_back(top + c::InfoOffset, col);
        cells.emplace_back(top + c::ReducedSagOffset, c::SpanCol);
        cells.emplace_back(top + c::SpanRowOffset, c::NumberCol);
        cells.emplace_back(top + c::SpanRowOffset, c::SpanCol);
        for (int j = 0; j < c::TemperaturesPerBlock; ++j) {
            for (int offset : {c::TemperatureOffset, c::StressOffset, c::TensionOffset,
                               c::ReducedSagOffset, c::SpanRowOffset})
                cells.emplace_back(top + offset, c::FirstTemperatureCol + j);
        }
        for (const auto &[row, col] : cells) {
            const auto v = sheet.Value(row, col);
            ASSERT_TRUE(v.has_value()) << xls::CellName(row, col);
            EXPECT_EQ(v->type, xls::CellType::Blank) << xls::CellName(row, col);
            EXPECT_NE(v->xf, xls::DefaultCellXf) << xls::CellName(row, col);
        }
        EXPECT_EQ(Text(sheet, top + c::StressOffset, 0), f.stressCaption);
        EXPECT_EQ(Text(sheet, top + c::TensionOffset, 0), f.forceCaption);
        EXPECT_FALSE(sheet.Value(top + c::BlockRows, 0).has_value()) << "rows after the block";

        int height = 0;
        for (int r = 0; r < c::TitleRows; ++r)
            height += sheet.RowHeight(r).value();
        for (int r = top; r < top + c::SpanRowOffset; ++r)
            height += sheet.RowHeight(r).value();
        height += c::SpansPerBlock * sheet.RowHeight(top + c::SpanRowOffset).value();
        EXPECT_LE(height, c::PageBodyHeight);
    }
}

// Two sections, one block each: the values where the form says, through the units factors,
// the second block a copy of the form's block with its formats and merged areas.
TEST(StringingReport, WritesEachSectionIntoItsBlock)
{
    const std::vector<SectionTable> sections
        = {Section("Первый", 3, 9), Section("Второй", 2, 5, StateMinTemp)};
    const Written w = Write(sections, UnitFactorsOf(1), true, 1);
    const xls::Worksheet &sheet = w.book.Sheet(0);
    const xls::Worksheet &form = w.form.Sheet(0);
    EXPECT_EQ(Text(sheet, c::WireRow, c::WireCol), "АС 70/11");
    EXPECT_EQ(Number(sheet, c::WireRow, c::SechCol), 79.3);

    int top = c::BlockFirstRow;
    for (const SectionTable &entry : sections) {
        SCOPED_TRACE(entry.section.Name);
        const StringingTable &t = entry.table;
        const int spans = static_cast<int>(entry.section.Spans.size());
        EXPECT_EQ(Text(sheet, top + c::NameOffset, c::NameCol), entry.section.Name);
        EXPECT_EQ(Number(sheet, top + c::InfoOffset, c::ReducedSpanCol), 150.25);
        EXPECT_EQ(Number(sheet, top + c::InfoOffset, c::StateCol), t.state);
        EXPECT_EQ(Number(sheet, top + c::InfoOffset, c::SpanCountCol), spans);
        EXPECT_EQ(Number(sheet, top + c::ReducedSagOffset, c::SpanCol), 150.25);
        for (std::size_t k = 0; k < t.temperatures.size(); ++k) {
            const int col = c::FirstTemperatureCol + static_cast<int>(k);
            EXPECT_EQ(Number(sheet, top + c::TemperatureOffset, col), t.temperatures[k]);
            EXPECT_EQ(Number(sheet, top + c::StressOffset, col), 10 * t.stress[k]);
            EXPECT_EQ(Number(sheet, top + c::TensionOffset, col), 0.01 * t.tension[k]);
            EXPECT_EQ(Number(sheet, top + c::ReducedSagOffset, col), t.sagReduced[k]);
            for (int i = 0; i < spans; ++i)
                EXPECT_EQ(Number(sheet, top + c::SpanRowOffset + i, col),
                          t.sags[static_cast<std::size_t>(i)][k]);
        }
        for (int i = 0; i < spans; ++i) {
            EXPECT_EQ(Number(sheet, top + c::SpanRowOffset + i, c::NumberCol), i + 1);
            EXPECT_EQ(Number(sheet, top + c::SpanRowOffset + i, c::SpanCol), 100 + i);
        }
        // Formats: the form's block row by row, the span row for every span; the columns
        // of temperatures the section does not have are plain.
        for (int r = 0; r < c::SpanRowOffset + spans; ++r) {
            const int formRow = c::BlockFirstRow + std::min(r, c::SpanRowOffset);
            for (int col = 0; col <= c::LastCol; ++col) {
                const auto got = sheet.Value(top + r, col);
                const auto want = form.Value(formRow, col);
                ASSERT_EQ(got.has_value(), want.has_value()) << xls::CellName(top + r, col);
                const bool unused = col >= c::FirstTemperatureCol + int(t.temperatures.size())
                    && r >= c::TemperatureOffset && r != c::ReducedSagOffset - 1;
                if (got) {
                    EXPECT_EQ(got->xf, unused ? xls::DefaultCellXf : want->xf)
                        << xls::CellName(top + r, col);
                }
            }
        }
        const auto &merges = sheet.MergedAreas();
        for (const xls::CellRange &area : form.MergedAreas()) {
            if (area.firstRow < c::BlockFirstRow)
                continue;
            xls::CellRange moved = area;
            moved.firstRow += top - c::BlockFirstRow;
            moved.lastRow += top - c::BlockFirstRow;
            EXPECT_NE(std::find(merges.begin(), merges.end(), moved), merges.end())
                << xls::CellName(moved.firstRow, moved.firstCol);
        }
        top += c::BlockRows - 1 + spans + 1;
    }
    EXPECT_FALSE(sheet.Value(top - 1, 0).has_value()) << "anything after the last block";
    EXPECT_TRUE(sheet.RowPageBreaks().empty());
}

// 41 temperatures and 60 spans: blocks of 17, 17 and 7 temperatures, each of 25, 25 and 10
// spans, numbered on; a page break before each block that does not fit any more, and none
// inside a block.
TEST(StringingReport, LongSectionsGoOnInFurtherBlocks)
{
    const std::vector<SectionTable> sections = {Section("Длинный", 60, 41)};
    const Written w = Write(sections);
    const xls::Worksheet &sheet = w.book.Sheet(0);
    const StringingTable &t = sections[0].table;
    std::vector<int> tops;
    int top = c::BlockFirstRow;
    for (int band = 0; band < 3; ++band) {
        for (int chunk = 0; chunk < 3; ++chunk) {
            SCOPED_TRACE("block at row " + std::to_string(top + 1));
            tops.push_back(top);
            const int spans = chunk < 2 ? 25 : 10;
            const int temperatures = band < 2 ? 17 : 7;
            EXPECT_EQ(Text(sheet, top + c::NameOffset, c::NameCol), "Длинный");
            EXPECT_EQ(Number(sheet, top + c::InfoOffset, c::SpanCountCol), 60);
            for (int j = 0; j < c::TemperaturesPerBlock; ++j) {
                const int col = c::FirstTemperatureCol + j;
                const std::size_t k = static_cast<std::size_t>(band * 17 + j);
                if (j < temperatures) {
                    EXPECT_EQ(Number(sheet, top + c::TemperatureOffset, col), t.temperatures[k]);
                } else {
                    EXPECT_EQ(sheet.Value(top + c::TemperatureOffset, col)->type,
                              xls::CellType::Blank);
                }
            }
            const int first = chunk * 25;
            EXPECT_EQ(Number(sheet, top + c::SpanRowOffset, c::NumberCol), first + 1);
            EXPECT_EQ(Number(sheet, top + c::SpanRowOffset + spans - 1, c::SpanCol),
                      100 + first + spans - 1);
            EXPECT_EQ(Number(sheet, top + c::SpanRowOffset + spans - 1, c::FirstTemperatureCol),
                      t.sags[static_cast<std::size_t>(first + spans - 1)]
                            [static_cast<std::size_t>(band * 17)]);
            top += c::BlockRows - 1 + spans + 1;
        }
    }
    const std::vector<int> breaks = sheet.RowPageBreaks();
    ASSERT_FALSE(breaks.empty());
    std::vector<int> starts = {0};
    for (int row : breaks) {
        EXPECT_NE(std::find(tops.begin(), tops.end(), row), tops.end())
            << "a page starts inside a block, at row " << row + 1;
        starts.push_back(row);
    }
    // Each page up to the end of its last block, the empty row before the next page left out.
    const int titles = sheet.RowHeight(0).value() + sheet.RowHeight(1).value();
    for (std::size_t p = 0; p < starts.size(); ++p) {
        const int end = p + 1 < starts.size() ? starts[p + 1] - 1 : top - 1;
        int height = p > 0 ? titles : 0;
        for (int row = starts[p]; row < end; ++row)
            height += sheet.RowHeight(row).value_or(255);
        EXPECT_LE(height, c::PageBodyHeight) << "page " << p + 1;
    }
}

TEST(StringingReport, RefusalsWriteNothing)
{
    TempFolder folder;
    const std::string out = folder.File("tables.xls");
    auto message = [&](const std::string &form, const std::vector<SectionTable> &sections,
                       Lang language, const std::string &path) {
        try {
            WriteStringingReport(form, path, Wire(), sections, language, {});
        } catch (const Error &e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    const std::vector<SectionTable> one = {Section("А", 2, 3)};
    const std::string missing = folder.File("no form.xls");
    EXPECT_EQ(message(missing, one, Lang::English, out)
                  .rfind("The stringing form " + missing + " cannot be read: ", 0),
              0u);
    EXPECT_EQ(message(missing, one, Lang::Russian, out)
                  .rfind("Не удаётся прочитать форму монтажных таблиц " + missing + ": ", 0),
              0u);
    EXPECT_EQ(message(Form(), {}, Lang::English, out), "There are no stringing tables to write");
    SectionTable ungoverned = Section("Короткий", 2, 3, NoState);
    ungoverned.table.warning = "No initial state governs the reduced span";
    EXPECT_EQ(message(Form(), {one[0], ungoverned}, Lang::English, out), ungoverned.table.warning);
    // 200 spans and 41 temperatures take 792 rows (3 times 8 blocks of 33 rows with the empty
    // row after each); 83 such sections do not fit.
    const std::vector<SectionTable> many(83, Section("Большой", 200, 41));
    EXPECT_EQ(message(Form(), many, Lang::English, out),
              "The stringing tables need more rows than the 65536 a sheet holds");
    for (auto cut : {+[](StringingTable &t) { t.sags.pop_back(); },
                     +[](StringingTable &t) { t.sags[1].pop_back(); },
                     +[](StringingTable &t) { t.tension.pop_back(); }}) {
        SectionTable mismatched = one[0]; // a table made for other spans or temperatures
        cut(mismatched.table);
        EXPECT_EQ(message(Form(), {mismatched}, Lang::English, out),
                  "A stringing table does not match the spans and temperatures of its section");
    }
    EXPECT_FALSE(std::filesystem::exists(out));

    const std::string unwritable = folder.File("no folder/tables.xls");
    EXPECT_NE(message(Form(), one, Lang::English, unwritable).find("tables.xls"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

} // namespace
} // namespace velmora
