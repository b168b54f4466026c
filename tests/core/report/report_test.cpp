#include "report_cases.h"

#include "common/error.h"
#include "common/fileio.h"
#include "report/report_cells.h"
#include "report/report_template.h"
#include "xls/workbook.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::ExpectedCell;
using test::ReportCase;

const std::string AppDir = std::string(VELMORA_APP_DIR) + "/";

// A folder of its own for each test, removed afterwards.
class TempFolder
{
public:
    TempFolder()
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name
            = std::string("velmora-report-") + info->test_suite_name() + "-" + info->name();
        std::replace(name.begin(), name.end(), '/', '_');
        m_path = fs::temp_directory_path() / name;
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~TempFolder() { fs::remove_all(m_path); }
    std::string File(const std::string &name) const { return (m_path / name).string(); }
    std::string Dir() const { return m_path.string() + "/"; }

private:
    fs::path m_path;
};

xls::CellValue ValueAt(const xls::Worksheet &sheet, const std::string &a1)
{
    const reportcells::CellPos pos = reportcells::At(a1);
    return sheet.Value(pos.row, pos.col).value_or(xls::CellValue {});
}

// Every cell of the map holds its value in the file our own reader reads back.
void ExpectCellMap(const xls::Worksheet &sheet, const std::vector<ExpectedCell> &cells)
{
    for (const ExpectedCell &e : cells) {
        SCOPED_TRACE(e.a1);
        const xls::CellValue v = ValueAt(sheet, e.a1);
        switch (e.kind) {
        case ExpectedCell::Number:
        case ExpectedCell::Integer:
            ASSERT_EQ(v.type, xls::CellType::Number);
            EXPECT_EQ(v.number, e.number); // the same double, bit for bit
            break;
        case ExpectedCell::Text:
            ASSERT_EQ(v.type, xls::CellType::Text);
            EXPECT_EQ(v.text, e.text);
            break;
        case ExpectedCell::Blank:
            EXPECT_EQ(v.type, xls::CellType::Blank);
            break;
        }
    }
}

// Every span block carries the template block's formats and merged areas, and nothing
// follows the last block.
void ExpectSpanBlocks(const xls::Worksheet &report, const xls::Worksheet &form, int blocks)
{
    using namespace reportcells;
    for (int b = 0; b < blocks; ++b) {
        for (int r = 0; r < SpanBlockRows; ++r) {
            for (int col = SpanBlockFirstCol; col <= SpanBlockLastCol; ++col) {
                const int row = SpanBlockFirstRow + SpanBlockRows * b + r;
                SCOPED_TRACE(test::A1(row + 1, col));
                const auto cell = report.Value(row, col);
                ASSERT_TRUE(cell.has_value());
                const auto formCell = form.Value(SpanBlockFirstRow + r, col);
                ASSERT_TRUE(formCell.has_value());
                EXPECT_EQ(cell->xf, formCell->xf);
                if (col == 0 || col == 2 || col == SpanBlockLastCol) { // captions and units
                    EXPECT_EQ(cell->text, formCell->text);
                }
            }
        }
        const int top = SpanBlockFirstRow + SpanBlockRows * b;
        const auto &merges = report.MergedAreas();
        for (int col : {0, 1}) {
            const xls::CellRange area {top, top + SpanBlockRows - 1, col, col};
            EXPECT_NE(std::find(merges.begin(), merges.end(), area), merges.end())
                << "no merged area " << test::A1(top + 1, col) << " in block " << b;
        }
    }
    const int after = SpanBlockFirstRow + SpanBlockRows * blocks;
    for (int col = SpanBlockFirstCol; col <= SpanBlockLastCol; ++col)
        EXPECT_FALSE(report.Value(after, col).has_value()) << test::A1(after + 1, col);
}

TEST(ReportTemplate, NameByLanguageAndUnits)
{
    EXPECT_EQ(ReportTemplateName(Lang::English, 0), "Forms/FormMech_en.xls");
    EXPECT_EQ(ReportTemplateName(Lang::English, 1), "Forms/FormMechN_en.xls");
    EXPECT_EQ(ReportTemplateName(Lang::Russian, 0), "Forms/FormMech_ru.xls");
    EXPECT_EQ(ReportTemplateName(Lang::Russian, 1), "Forms/FormMechN_ru.xls");
    EXPECT_EQ(ReportTemplateName(Lang::Russian, 5), "Forms/FormMechN_ru.xls");
}

struct FormCase
{
    bool english;
    int units;
    const char *forceCaption; // C42
    const char *stressUnit; // U43
    const char *forceUnit; // U42
};

// Each shipped form has the cells the program writes, with a format of their own, the span
// block with its merged areas, and captions in its language and units.
TEST(ReportTemplate, ShippedFormsHoldTheCellMap)
{
    const FormCase forms[] = {
        {true, 0, "Tensile force", "daN/mm²", "daN"},
        {true, 1, "Tensile force", "N/mm²", "kN"},
        {false, 0, "Тяжение", "даН/мм²", "даН"},
        {false, 1, "Тяжение", "Н/мм²", "кН"},
    };
    std::vector<std::string> written = {"G12", "V2", "V3", "P20", "P21", "P22", "B42"};
    for (int r : {2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 14, 15, 18, 19, 21, 22})
        written.push_back("G" + std::to_string(r));
    for (int r : {3, 4, 5, 7, 8, 9, 10, 13, 14, 15, 16, 17})
        written.push_back("P" + std::to_string(r));
    for (int r = 25; r <= 35; ++r) {
        written.push_back("G" + std::to_string(r));
        written.push_back("J" + std::to_string(r));
    }
    for (int col = 3; col <= 19; ++col)
        for (int r = 37; r <= 44; ++r)
            written.push_back(test::A1(r, col));

    for (const FormCase &f : forms) {
        const std::string name
            = ReportTemplateName(f.english ? Lang::English : Lang::Russian, f.units);
        SCOPED_TRACE(name);
        const xls::Workbook book = xls::Workbook::Load(AppDir + name);
        const xls::Worksheet &sheet = book.Sheet(0);
        ASSERT_TRUE(sheet.IsWorksheet());
        for (const std::string &a1 : written) {
            const xls::CellValue v = ValueAt(sheet, a1);
            EXPECT_EQ(v.type, xls::CellType::Blank) << a1;
            EXPECT_NE(v.xf, xls::DefaultCellXf) << a1 << " has no format of its own";
        }
        EXPECT_EQ(ValueAt(sheet, "C42").text, f.forceCaption);
        EXPECT_EQ(ValueAt(sheet, "U42").text, f.forceUnit);
        EXPECT_EQ(ValueAt(sheet, "U43").text, f.stressUnit);
        ExpectSpanBlocks(sheet, sheet, 1);
    }
}

} // namespace

namespace test {
void PrintTo(const ReportCase &c, std::ostream *os)
{
    *os << c.name;
}
} // namespace test

namespace {

class ReportCaseTest : public ::testing::TestWithParam<ReportCase>
{
};

// The report of each case: the cell map and the span blocks.
TEST_P(ReportCaseTest, FillsTheCellMap)
{
    const ReportCase &c = GetParam();
    TempFolder folder;
    const std::string out = folder.File(c.name + ".xls");
    CalcRun run;
    ASSERT_EQ(test::RunReportCase(c, AppDir, out, run), CalcOutcome::Done);

    const xls::Workbook report = xls::Workbook::Load(out);
    const xls::Workbook form = xls::Workbook::Load(AppDir + c.form());
    ExpectCellMap(report.Sheet(0), test::ExpectedCells(c, run));
    ExpectSpanBlocks(report.Sheet(0), form.Sheet(0), test::ExpectedBlocks(run));
}

INSTANTIATE_TEST_SUITE_P(Cases, ReportCaseTest, ::testing::ValuesIn(test::ReportCases()),
                         [](const auto &info) { return info.param.name; });

class ReportTest : public ::testing::Test
{
protected:
    ReportCase Case(const std::string &name)
    {
        for (ReportCase &c : test::ReportCases())
            if (c.name == name)
                return c;
        throw Error("no case " + name);
    }

    // Runs a case and reads the report back.
    xls::Workbook Fill(const ReportCase &c)
    {
        const std::string out = m_folder.File(c.name + ".xls");
        if (test::RunReportCase(c, AppDir, out, run) != CalcOutcome::Done)
            throw Error("the case " + c.name + " did not go through");
        return xls::Workbook::Load(out);
    }

    CalcRun run;
    TempFolder m_folder;
};

// Figures of the N/kN-based Russian report: stresses × 10, forces and modulus × 0.01, the
// load table × 10 and the head of the mode columns unchanged.
TEST_F(ReportTest, RussianNewtonReportShowsConvertedFigures)
{
    const xls::Workbook book = Fill(Case("n10_ru_units1"));
    const xls::Worksheet &sheet = book.Sheet(0);
    EXPECT_EQ(ValueAt(sheet, "G18").number, 90);
    EXPECT_NEAR(ValueAt(sheet, "G21").number, 3.87, 1E-12);
    EXPECT_NEAR(ValueAt(sheet, "P16").number, 82.5, 1E-12);
    EXPECT_EQ(ValueAt(sheet, "D37").number, run.loads.g7); // mode 1, daN/(m·mm²)
    EXPECT_EQ(ValueAt(sheet, "J25").number, 10 * (0.148 / 43));
    EXPECT_EQ(ValueAt(sheet, "G12").text, "АС 35/6.2");
    EXPECT_EQ(ValueAt(sheet, "V2").text, "B");
}

TEST_F(ReportTest, TenSpansGiveElevenBlocks)
{
    const xls::Workbook book = Fill(Case("n10_en"));
    const xls::Worksheet &sheet = book.Sheet(0);
    EXPECT_EQ(ValueAt(sheet, "B42").number, run.l2);
    EXPECT_EQ(ValueAt(sheet, "B45").number, 10);
    EXPECT_EQ(ValueAt(sheet, "B72").number, 100);
    EXPECT_EQ(ValueAt(sheet, "T41").number, 17);
    EXPECT_EQ(ValueAt(sheet, "C72").text, "Tensile force");
    EXPECT_EQ(ValueAt(sheet, "A75").type, xls::CellType::Blank);
}

// A page ends only between span blocks: the first page after 2 blocks (row 48 starts the
// third), every later one after 14 more; a single block needs no break.
TEST_F(ReportTest, PageBreaksFallBetweenSpanBlocks)
{
    std::vector<int> breaks = Fill(Case("n601_ru_units1")).Sheet(0).RowPageBreaks();
    ASSERT_EQ(breaks.size(), 43u); // 602 blocks: 2 + 42 × 14 + 12
    EXPECT_EQ(breaks[0], reportcells::At("A48").row);
    EXPECT_EQ(breaks[1], reportcells::At("A90").row);
    EXPECT_EQ(breaks.back(), reportcells::At("A1812").row);
    for (int row : breaks)
        EXPECT_EQ((row - reportcells::SpanBlockFirstRow) % reportcells::SpanBlockRows, 0) << row;

    EXPECT_EQ(Fill(Case("n10_en")).Sheet(0).RowPageBreaks(), std::vector<int> {47});
    EXPECT_TRUE(Fill(Case("n1_en")).Sheet(0).RowPageBreaks().empty());
}

TEST_F(ReportTest, ClearanceModesFillTwoColumns)
{
    const xls::Workbook book = Fill(Case("clearance_en"));
    const xls::Worksheet &sheet = book.Sheet(0);
    EXPECT_EQ(ValueAt(sheet, "D41").number, 2);
    EXPECT_EQ(ValueAt(sheet, "E41").number, 7);
    EXPECT_EQ(ValueAt(sheet, "F41").type, xls::CellType::Blank);
    EXPECT_EQ(ValueAt(sheet, "F42").type, xls::CellType::Blank);
}

TEST_F(ReportTest, ImaginaryThirdCriticalSpanInBothLanguages)
{
    for (const char *name : {"l3_imaginary_en", "l3_imaginary_ru"}) {
        const xls::Workbook book = Fill(Case(name));
        EXPECT_EQ(ValueAt(book.Sheet(0), "P22").text,
                  std::string(name).ends_with("_en") ? "Imaginary" : "Мнимый");
        EXPECT_EQ(ValueAt(book.Sheet(0), "P20").type, xls::CellType::Number);
    }
}

TEST_F(ReportTest, OneSpanKeepsOnlyTheInputBlock)
{
    const xls::Workbook book = Fill(Case("n1_en"));
    const xls::Worksheet &sheet = book.Sheet(0);
    EXPECT_EQ(ValueAt(sheet, "G13").number, 50);
    EXPECT_EQ(ValueAt(sheet, "G25").type, xls::CellType::Blank);
    EXPECT_EQ(ValueAt(sheet, "D41").type, xls::CellType::Blank);
    EXPECT_FALSE(sheet.Value(44, 1).has_value()); // no second block at B45
}

// A template that is missing, damaged or not a workbook: the run ends with the template
// error, which names the form and says why, and no report is written.
TEST(ReportFailure, TemplateThatCannotBeRead)
{
    struct Case
    {
        int language;
        const char *content; // nullptr: no file at all
        const char *form;
        const char *reason; // how the reason begins; empty: the system's words
    };
    const Case cases[] = {
        {0, nullptr, "Forms/FormMech_en.xls", ""},
        {1, nullptr, "Forms/FormMech_ru.xls", ""},
        {0, "not a workbook at all, just some text that is long enough to look at",
         "Forms/FormMech_en.xls", "not an Excel 97-2003 workbook"},
    };
    for (const Case &k : cases) {
        TempFolder folder;
        const std::string appDir = folder.Dir() + "app/";
        fs::create_directories(appDir + "Forms");
        const std::string out = folder.File("report.xls");
        ReportCase c = test::ReportCases().front();
        c.language = k.language;
        ASSERT_EQ(c.form(), k.form);
        if (k.content)
            WriteFileAtomically(appDir + c.form(), k.content);
        CalcRun run;
        std::string error = "no error";
        try {
            test::RunReportCase(c, appDir, out, run);
        } catch (const ReportTemplateError &e) {
            error = e.what();
        }
        const std::string start = "The report template " + appDir + k.form + " cannot be read: ";
        ASSERT_EQ(error.rfind(start, 0), 0u) << error;
        EXPECT_TRUE(error.substr(start.size()).starts_with(k.reason)) << error;
        EXPECT_GT(error.size(), start.size()) << error;
        EXPECT_FALSE(run.calculated);
        EXPECT_FALSE(FileExists(out));
    }
}

// A file that cannot be written ends the run with the workbook's error naming the file.
TEST(ReportFailure, UnwritableFileIsAnErrorNamingIt)
{
    TempFolder folder;
    const std::string out = folder.File("no such folder/report.xls");
    CalcRun run;
    std::string error;
    try {
        test::RunReportCase(test::ReportCases().front(), AppDir, out, run);
    } catch (const Error &e) {
        error = e.what();
    }
    EXPECT_NE(error.find("report.xls"), std::string::npos) << error;
    EXPECT_FALSE(FileExists(out));
}

// A failed check of the critical spans drops the workbook: no file, and an earlier report at
// the same place stays as it was.
TEST(ReportFailure, FailedCheckWritesNoFile)
{
    TempFolder folder;
    const std::string out = folder.File("report.xls");
    ReportCase c = test::ReportCases().front();
    c.args.NaprSrg = c.args.NaprMax;
    CalcRun run;
    EXPECT_EQ(test::RunReportCase(c, AppDir, out, run), CalcOutcome::CheckFailed);
    EXPECT_FALSE(FileExists(out));
    WriteFileAtomically(out, "an earlier report");
    EXPECT_EQ(test::RunReportCase(c, AppDir, out, run), CalcOutcome::CheckFailed);
    EXPECT_EQ(ReadFileBytes(out), "an earlier report");

    // Such results have no report to fill.
    ExcelReport report(AppDir + c.form(), c.lang(), UnitFactorsOf(c.units));
    const CalcResults failed = ResultsOf(run, CalcOutcome::CheckFailed, c.args);
    EXPECT_THROW(report.Fill(c.project, c.args, failed), Error);
}

// A report is filled once: a second Fill would repeat the span blocks over the first.
TEST(ReportFailure, ASecondFillIsRefused)
{
    const ReportCase c = test::ReportCases().front();
    CalcRun run;
    const CalcOutcome outcome
        = CalcProject(c.project, test::ExampleWire(), CalcPurpose::Full, c.args, c.lang(), run);
    ASSERT_EQ(outcome, CalcOutcome::Done);
    const CalcResults results = ResultsOf(run, outcome, c.args);
    ExcelReport report(AppDir + c.form(), c.lang(), UnitFactorsOf(c.units));
    report.Fill(c.project, c.args, results);
    EXPECT_THROW(report.Fill(c.project, c.args, results), Error);
}

TEST(ReportCells, ModeColumnOutOfRangeIsRefused)
{
    xls::Workbook book = xls::Workbook::Load(AppDir + "Forms/FormMech_en.xls");
    const CalcResults results;
    ModeResults mode;
    mode.mode = 1;
    EXPECT_THROW(reportcells::WriteMode(book.Sheet(0), results, 18, mode, Lang::English, {}),
                 Error);
    mode.mode = 0;
    EXPECT_THROW(reportcells::WriteMode(book.Sheet(0), results, 1, mode, Lang::English, {}), Error);
}

} // namespace
} // namespace velmora
