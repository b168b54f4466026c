#include "biffbuilder.h"

#include "common/error.h"
#include "common/fileio.h"
#include "xls/records.h"
#include "xls/workbook.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velmora;
using namespace velmora::xls;

namespace velmora::xls {
void PrintTo(const CellRange &r, std::ostream *os)
{
    *os << CellName(r.firstRow, r.firstCol) << ':' << CellName(r.lastRow, r.lastCol);
}
} // namespace velmora::xls

namespace {

const std::string Fixture = std::string(VELMORA_TEST_DATA) + "/xls/fixture.xls";

std::string TempPath(const std::string &name)
{
    const auto dir = std::filesystem::temp_directory_path() / "velmora-xls-test";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

CellValue At(const Worksheet &sheet, int row, int col)
{
    const auto value = sheet.Value(row, col);
    EXPECT_TRUE(value) << CellName(row, col);
    return value.value_or(CellValue {});
}

} // namespace

TEST(XlsWorkbook, ReadsTheLibreOfficeFixture)
{
    const Workbook book = Workbook::Load(Fixture);
    ASSERT_EQ(book.SheetCount(), 2);
    const Worksheet &sheet = book.Sheet(0);
    EXPECT_EQ(sheet.Name(), "Report");
    EXPECT_EQ(book.Sheet(1).Name(), "Notes");

    EXPECT_EQ(At(sheet, 0, 0).text, "Sag and tension");
    EXPECT_EQ(At(sheet, 0, 0).xf, 21);
    EXPECT_EQ(At(sheet, 1, 1).text, "АС 70/11");
    EXPECT_EQ(At(sheet, 1, 2).number, 42.5);
    EXPECT_EQ(At(sheet, 1, 2).xf, 22);
    EXPECT_EQ(At(sheet, 1, 3).number, 7);
    EXPECT_EQ(At(sheet, 1, 4).type, CellType::Boolean);
    EXPECT_TRUE(At(sheet, 1, 4).boolean);
    EXPECT_EQ(At(sheet, 2, 1).number, 10);
    EXPECT_EQ(At(sheet, 2, 1).xf, 25);
    EXPECT_EQ(At(sheet, 3, 0).type, CellType::Blank);
    EXPECT_EQ(At(sheet, 3, 0).xf, 24);
    EXPECT_TRUE(At(sheet, 6, 0).formula);
    EXPECT_EQ(At(sheet, 6, 0).number, 85);
    EXPECT_FALSE(sheet.Value(40, 0));
    EXPECT_EQ(At(book.Sheet(1), 0, 0).text, "Ünïcode note");

    const std::vector<CellRange> merges {{0, 0, 0, 3}, {2, 4, 0, 0}, {3, 3, 1, 2}};
    EXPECT_EQ(sheet.MergedAreas(), merges);
    EXPECT_EQ(sheet.RowHeight(3), 510);
    EXPECT_EQ(sheet.RowHeight(2), 283);
}

TEST(XlsWorkbook, SetsValuesKeepingTheFormat)
{
    Workbook book = Workbook::Load(Fixture);
    Worksheet &sheet = book.Sheet(0);
    sheet.Cell(1, 2).SetNumber(3.87);
    sheet.Cell(1, 3).SetInteger(17);
    sheet.Cell(1, 1).SetText("Провод АС 95/16");
    sheet.Cell(6, 0).SetText("replaces a formula");
    sheet.Cell(2, 1).SetNumber(1e300);
    sheet.Cell(20, 7).SetText("new cell");
    sheet.Cell(21, 7).SetNumber(std::numeric_limits<double>::quiet_NaN());

    const std::string path = TempPath("set.xls");
    book.Save(path);
    const Workbook back = Workbook::Load(path);
    const Worksheet &s = back.Sheet(0);
    EXPECT_EQ(At(s, 1, 2).number, 3.87);
    EXPECT_EQ(At(s, 1, 2).xf, 22);
    EXPECT_EQ(At(s, 1, 3).number, 17);
    EXPECT_EQ(At(s, 1, 1).text, "Провод АС 95/16");
    EXPECT_EQ(At(s, 6, 0).text, "replaces a formula");
    EXPECT_FALSE(At(s, 6, 0).formula);
    EXPECT_EQ(At(s, 2, 1).number, 1e300);
    EXPECT_EQ(At(s, 2, 1).xf, 25);
    EXPECT_EQ(At(s, 20, 7).text, "new cell");
    EXPECT_EQ(At(s, 20, 7).xf, DefaultCellXf);
    EXPECT_EQ(At(s, 21, 7).type, CellType::Error);
    EXPECT_EQ(At(s, 21, 7).errorCode, 0x24);
    EXPECT_EQ(At(s, 0, 0).text, "Sag and tension"); // untouched cells stay
    EXPECT_EQ(At(back.Sheet(1), 0, 0).text, "Ünïcode note");
    EXPECT_EQ(s.UsedRange(), (CellRange {0, 21, 0, 7}));
}

TEST(XlsWorkbook, CopiesABlockWithFormatsMergesAndRowHeights)
{
    Workbook book = Workbook::Load(Fixture);
    Worksheet &sheet = book.Sheet(0);
    // The way the report repeats its span block: each copy takes the one before it.
    for (int k = 1; k <= 3; ++k)
        sheet.CopyRange(3 * k - 1, 0, 3 * k + 1, 3, 3 * k + 2, 0);
    sheet.Cell(8, 1).SetNumber(20);

    const std::string path = TempPath("copy.xls");
    book.Save(path);
    const Workbook back = Workbook::Load(path);
    const Worksheet &s = back.Sheet(0);
    for (int k = 0; k <= 3; ++k) {
        const int r = 3 * k + 2;
        SCOPED_TRACE(r);
        EXPECT_EQ(At(s, r, 0).text, "Span");
        EXPECT_EQ(At(s, r, 0).xf, 24);
        EXPECT_EQ(At(s, r, 2).text, "force");
        EXPECT_EQ(At(s, r + 1, 1).text, "stress");
        EXPECT_EQ(At(s, r + 1, 3).xf, 25);
        EXPECT_EQ(At(s, r + 2, 2).text, "sag");
        EXPECT_EQ(s.RowHeight(r + 1), 510);
        EXPECT_EQ(s.RowHeight(r + 2), 283);
        EXPECT_FALSE(s.Value(r, 4)); // column E lies outside the block
    }
    EXPECT_EQ(At(s, 5, 1).number, 10);
    EXPECT_EQ(At(s, 8, 1).number, 20);
    EXPECT_EQ(At(s, 11, 1).number, 10);
    // The copy replaced the formula row 7 (index 6) of the template.
    EXPECT_EQ(At(s, 6, 0).type, CellType::Blank);
    const std::vector<CellRange> merges {{0, 0, 0, 3}, {2, 4, 0, 0},   {3, 3, 1, 2},
                                         {5, 7, 0, 0}, {6, 6, 1, 2},   {8, 10, 0, 0},
                                         {9, 9, 1, 2}, {11, 13, 0, 0}, {12, 12, 1, 2}};
    std::vector<CellRange> got = s.MergedAreas();
    auto byPlace = [](const CellRange &a, const CellRange &b) {
        return std::tie(a.firstRow, a.firstCol) < std::tie(b.firstRow, b.firstCol);
    };
    std::sort(got.begin(), got.end(), byPlace);
    EXPECT_EQ(got, merges);
}

TEST(XlsWorkbook, CopyReplacesTheTargetAndRefusesRangesOutsideTheSheet)
{
    Workbook book = Workbook::Load(Fixture);
    Worksheet &sheet = book.Sheet(0);
    sheet.CopyRange(2, 0, 4, 3, 3, 1); // overlapping: the source is taken first
    EXPECT_EQ(At(sheet, 3, 1).text, "Span");
    EXPECT_EQ(At(sheet, 4, 2).text, "stress");
    EXPECT_EQ(At(sheet, 3, 2).number, 10);
    EXPECT_EQ(At(sheet, 2, 0).text, "Span"); // outside the target: kept
    // The merged areas of the source that the target touches are gone, the copies are in.
    EXPECT_EQ(sheet.MergedAreas(),
              (std::vector<CellRange> {{0, 0, 0, 3}, {2, 4, 0, 0}, {3, 5, 1, 1}, {4, 4, 2, 3}}));

    const std::pair<std::array<int, 6>, const char *> bad[] = {
        {{0, 0, 2, 20, 65534, 0}, "cannot copy A1:U3 to A65535: the range lies outside the sheet"},
        {{5, 0, 2, 3, 10, 0}, "cannot copy A6:D3 to A11: the range lies outside the sheet"},
        {{0, 250, 0, 255, 0, 251}, "cannot copy IQ1:IV1 to IR1: the range lies outside the sheet"},
    };
    for (const auto &[a, message] : bad) {
        try {
            sheet.CopyRange(a[0], a[1], a[2], a[3], a[4], a[5]);
            ADD_FAILURE() << message;
        } catch (const Error &e) {
            EXPECT_STREQ(e.what(), message);
        }
    }
    EXPECT_THROW(sheet.Cell(65536, 0), Error);
    EXPECT_THROW(sheet.Cell(0, 256), Error);
}

TEST(XlsWorkbook, SaveKeepsUntouchedRecordsByteForByte)
{
    const std::string original = ReadFileBytes(Fixture);
    const Workbook book = Workbook::FromBytes(original);
    const std::string saved = book.StreamBytes();
    const Workbook again = Workbook::FromStream(saved);
    EXPECT_EQ(again.StreamBytes(), saved); // a fixed point after one save

    // Every globals record other than the rebuilt ones comes out as it went in.
    std::string stream;
    ReadCompound(original, stream);
    auto kept = [](std::string_view stream) {
        std::vector<std::pair<std::uint16_t, std::string>> list;
        for (const RecordView &r : ReadSubstream(stream, 0, stream.size(), "globals"))
            if (r.id != 0x00FC && r.id != 0x00FF && r.id != 0x003C && r.id != 0x0085)
                list.emplace_back(r.id, std::string(r.data));
        return list;
    };
    EXPECT_EQ(kept(stream), kept(saved));
    EXPECT_GT(kept(saved).size(), 20u);
}

TEST(XlsWorkbook, SaveReplacesTheFileWholeAndKeepsTheOtherStreams)
{
    const std::string dir = TempPath("save");
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = dir + "/report.xls";
    WriteFileAtomically(path, "an older report");

    Workbook book = Workbook::Load(Fixture);
    book.Sheet(0).Cell(1, 2).SetNumber(90);
    book.Save(path);
    EXPECT_EQ(Workbook::Load(path).Sheet(0).Value(1, 2)->number, 90);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                            std::filesystem::directory_iterator()),
              1); // no temporary file is left beside it

    std::string stream;
    auto names = [&](const std::string &bytes) {
        std::vector<std::string> list;
        for (const CompoundEntry &e : ReadCompound(bytes, stream).others)
            list.push_back(e.name);
        return list;
    };
    const auto before = names(ReadFileBytes(Fixture));
    EXPECT_FALSE(before.empty()); // LibreOffice writes the document properties
    EXPECT_EQ(names(ReadFileBytes(path)), before);

    try {
        book.Save(dir + "/missing/report.xls");
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const Error &e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot create file \"" + dir
                      + "/missing/report.xls\". No such file or directory");
    }
    std::filesystem::remove_all(dir);
}

TEST(XlsWorkbook, NewCellsTakeTheFormatOfTheirRowOrColumn)
{
    using namespace biff;
    std::string row; // row 3 (index 2) formatted with XF 30
    Put16(row, 2);
    Put32(row, 0);
    Put16(row, 300);
    Put32(row, 0);
    Put16(row, 0x0180);
    Put16(row, 30);
    std::string colinfo; // columns F..G formatted with XF 40
    Put16(colinfo, 5);
    Put16(colinfo, 6);
    Put16(colinfo, 2000);
    Put16(colinfo, 40);
    Put32(colinfo, 0);
    Workbook book = Workbook::FromStream(
        Stream("", Rec(0x007D, colinfo) + Rec(0x0208, row) + Number(2, 0, 22, 1.0)));
    Worksheet &sheet = book.Sheet(0);
    EXPECT_EQ(sheet.Cell(2, 3).Xf(), 30);
    EXPECT_EQ(sheet.Cell(2, 6).Xf(), 30); // the row's format wins
    EXPECT_EQ(sheet.Cell(0, 5).Xf(), 40);
    EXPECT_EQ(sheet.Cell(0, 7).Xf(), DefaultCellXf);
    EXPECT_EQ(sheet.Cell(2, 0).Xf(), 22); // an existing cell keeps its own
    EXPECT_EQ(sheet.RowHeight(2), 300);

    Workbook chart = Workbook::FromStream(Stream("", "", 2));
    EXPECT_FALSE(chart.Sheet(0).IsWorksheet());
    try {
        chart.Sheet(0).Cell(0, 0);
        ADD_FAILURE() << "a chart sheet handed out a cell";
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "sheet \"S\" is not a worksheet");
    }
    EXPECT_EQ(Workbook::FromStream(chart.StreamBytes()).SheetCount(), 1);
    try {
        chart.Sheet(1);
        ADD_FAILURE() << "a second sheet";
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "the workbook has no sheet 2");
    }
}
