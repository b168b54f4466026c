#include "common/error.h"
#include "xls/bytes.h"
#include "xls/records.h"
#include "xls/workbook.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::xls;

namespace {

const std::string Fixture = std::string(VELMORA_TEST_DATA) + "/xls/fixture.xls";

// The record ids of the first sheet in the order Save writes them.
std::vector<std::uint16_t> SheetRecordIds(const Workbook &book)
{
    const std::string stream = book.StreamBytes();
    const auto globals = ReadSubstream(stream, 0, stream.size(), "globals");
    std::size_t sheetAt = 0;
    for (const RecordView &r : globals)
        if (r.id == rec::Boundsheet) {
            sheetAt = Get32(r.data.data());
            break;
        }
    std::vector<std::uint16_t> ids;
    for (const RecordView &r : ReadSubstream(stream, sheetAt, stream.size(), "sheet"))
        ids.push_back(r.id);
    return ids;
}

std::ptrdiff_t PositionOf(const std::vector<std::uint16_t> &ids, std::uint16_t id)
{
    const auto it = std::find(ids.begin(), ids.end(), id);
    return it == ids.end() ? -1 : it - ids.begin();
}

} // namespace

TEST(XlsPageBreaks, RecordBodyListsEachRowAcrossAllColumns)
{
    // cbrk = 2; then rw, colStart, colEnd for rows 44 and 89 (zero-based).
    const std::string expected("\x02\x00"
                               "\x2C\x00\x00\x00\xFF\x00"
                               "\x59\x00\x00\x00\xFF\x00",
                               14);
    EXPECT_EQ(HorizontalPageBreaksBody({44, 89}), expected);
    EXPECT_EQ(HorizontalPageBreaksBody({}), std::string("\x00\x00", 2));
    EXPECT_EQ(ParseHorizontalPageBreaks(expected), (std::vector<int> {44, 89}));
    // A body cut short gives the breaks it holds; one without a count gives none.
    EXPECT_EQ(ParseHorizontalPageBreaks(expected.substr(0, 12)), std::vector<int> {44});
    EXPECT_TRUE(ParseHorizontalPageBreaks("\x01").empty());
}

TEST(XlsPageBreaks, BreaksGoBeforeThePageSetupAndSurviveASave)
{
    Workbook book = Workbook::Load(Fixture);
    Worksheet &sheet = book.Sheet(0);
    EXPECT_TRUE(sheet.RowPageBreaks().empty());
    sheet.SetRowPageBreaks({3, 10, 65535});
    sheet.SetRowPageBreaks({5, 9}); // replaces, never adds a second record

    const std::vector<std::uint16_t> ids = SheetRecordIds(book);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), rec::HorizontalPageBreaks), 1);
    const auto breaks = PositionOf(ids, rec::HorizontalPageBreaks);
    ASSERT_GT(breaks, 0);
    for (std::uint16_t later :
         {std::uint16_t(0x00A1) /* SETUP */, rec::ColInfo, rec::Dimensions, rec::Row}) {
        const auto at = PositionOf(ids, later);
        if (at >= 0) {
            EXPECT_LT(breaks, at) << std::hex << later;
        }
    }
    EXPECT_LT(PositionOf(ids, rec::Index), breaks);

    const Workbook again = Workbook::FromStream(book.StreamBytes());
    EXPECT_EQ(again.Sheet(0).RowPageBreaks(), (std::vector<int> {5, 9}));

    sheet.SetRowPageBreaks({});
    EXPECT_EQ(PositionOf(SheetRecordIds(book), rec::HorizontalPageBreaks), -1);
}

TEST(XlsPageBreaks, BadRowsAreRefusedAndLeaveTheBreaksAlone)
{
    Workbook book = Workbook::Load(Fixture);
    Worksheet &sheet = book.Sheet(0);
    sheet.SetRowPageBreaks({7});
    const std::pair<std::vector<int>, const char *> cases[] = {
        {{0}, "page breaks need ascending rows from 2 to 65536, found row 1"},
        {{44, 39}, "page breaks need ascending rows from 2 to 65536, found row 40 after row 45"},
        {{12, 12}, "found row 13 after row 13"},
        {{65536}, "found row 65537"},
        {std::vector<int>(1027, 1), "a sheet holds at most 1026 page breaks, not 1027"},
    };
    for (const auto &[rows, message] : cases) {
        try {
            sheet.SetRowPageBreaks(rows);
            ADD_FAILURE() << message;
        } catch (const Error &e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
        EXPECT_EQ(sheet.RowPageBreaks(), std::vector<int> {7});
    }
}
