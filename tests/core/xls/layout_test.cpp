#include "xls/bytes.h"
#include "xls/records.h"
#include "xls/workbook.h"

#include <gtest/gtest.h>

#include <map>

using namespace velmora::xls;

namespace {

const std::string Fixture = std::string(VELMORA_TEST_DATA) + "/xls/fixture.xls";

bool IsCell(std::uint16_t id)
{
    return id == rec::Blank || id == rec::Number || id == rec::Rk || id == rec::MulRk
        || id == rec::MulBlank || id == rec::LabelSst || id == rec::BoolErr || id == rec::Formula;
}

} // namespace

// The positions a strict reader relies on: BOUNDSHEET offsets, INDEX → DBCELL → ROW and
// first cell of each row, DIMENSIONS and the 32-row blocks.
TEST(XlsLayout, IndexDbcellAndDimensionsPointWhereTheyShould)
{
    Workbook book = Workbook::Load(Fixture);
    Worksheet &sheet = book.Sheet(0);
    for (int k = 1; k <= 40; ++k)
        sheet.CopyRange(3 * k - 1, 0, 3 * k + 1, 3, 3 * k + 2, 0);
    sheet.Cell(200, 6).SetInteger(5); // a block of its own after a gap
    sheet.Cell(70, 9).SetNumber(0.1);
    const std::string stream = book.StreamBytes();

    const auto globals = ReadSubstream(stream, 0, stream.size(), "globals");
    std::vector<std::uint32_t> sheetOffsets;
    for (const RecordView &r : globals)
        if (r.id == rec::Boundsheet)
            sheetOffsets.push_back(Get32(r.data.data()));
    ASSERT_EQ(sheetOffsets.size(), 2u);
    EXPECT_EQ(Get16(stream.data() + sheetOffsets[1]), rec::Bof);

    const auto records = ReadSubstream(stream, sheetOffsets[0], stream.size(), "sheet");
    std::map<std::uint32_t, const RecordView *> at;
    for (const RecordView &r : records)
        at[r.offset] = &r;
    const RecordView *index = nullptr;
    const RecordView *dimensions = nullptr;
    std::vector<unsigned> rowsSeen;
    for (const RecordView &r : records) {
        if (r.id == rec::Index)
            index = &r;
        if (r.id == rec::Dimensions)
            dimensions = &r;
        if (r.id == rec::Row)
            rowsSeen.push_back(Get16(r.data.data()));
    }
    ASSERT_TRUE(index && dimensions);
    EXPECT_LT(index->offset, dimensions->offset);
    EXPECT_EQ(Get32(dimensions->data.data()), 0u);
    EXPECT_EQ(Get32(dimensions->data.data() + 4), 201u);
    EXPECT_EQ(Get16(dimensions->data.data() + 8), 0u);
    EXPECT_EQ(Get16(dimensions->data.data() + 10), 10u);
    EXPECT_TRUE(std::is_sorted(rowsSeen.begin(), rowsSeen.end()));

    EXPECT_EQ(Get32(index->data.data() + 4), 0u);
    EXPECT_EQ(Get32(index->data.data() + 8), 201u);
    const std::uint32_t defColWidth = Get32(index->data.data() + 12);
    ASSERT_TRUE(at.count(defColWidth));
    EXPECT_EQ(at[defColWidth]->id, rec::DefColWidth);

    const std::size_t blocks = (index->data.size() - 16) / 4;
    EXPECT_EQ(blocks, 5u); // rows 0-31, 32-63, 64-95, 96-127 hold rows; 200 alone
    for (std::size_t b = 0; b < blocks; ++b) {
        SCOPED_TRACE(b);
        const std::uint32_t dbcellAt = Get32(index->data.data() + 16 + 4 * b);
        ASSERT_TRUE(at.count(dbcellAt));
        const RecordView &dbcell = *at[dbcellAt];
        ASSERT_EQ(dbcell.id, rec::DbCell);
        const std::uint32_t firstRowAt = dbcellAt - Get32(dbcell.data.data());
        ASSERT_TRUE(at.count(firstRowAt));
        ASSERT_EQ(at[firstRowAt]->id, rec::Row);
        const std::size_t rowsInBlock = (dbcell.data.size() - 4) / 2;
        EXPECT_LE(rowsInBlock, 32u);
        std::uint32_t pos = firstRowAt + 20;
        for (std::size_t k = 0; k < rowsInBlock; ++k) {
            pos += Get16(dbcell.data.data() + 4 + 2 * k);
            const RecordView &rowRecord = *at[firstRowAt + 20 * static_cast<std::uint32_t>(k)];
            ASSERT_EQ(rowRecord.id, rec::Row);
            const unsigned row = Get16(rowRecord.data.data());
            EXPECT_EQ(row / 32, Get16(at[firstRowAt]->data.data()) / 32);
            ASSERT_TRUE(at.count(pos));
            if (Get16(rowRecord.data.data() + 4) > 0) { // the row has cells
                ASSERT_TRUE(IsCell(at[pos]->id)) << row;
                EXPECT_EQ(Get16(at[pos]->data.data()), row);
                EXPECT_EQ(Get16(at[pos]->data.data() + 2), Get16(rowRecord.data.data() + 2));
            }
        }
    }
}
