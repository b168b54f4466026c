#include "biffbuilder.h"

#include "xls/records.h"
#include "xls/sst.h"
#include "xls/workbook.h"
#include "xls/xlstring.h"

#include <gtest/gtest.h>

using namespace velmora::xls;

namespace {

// The SST and CONTINUE bodies of a saved stream, read back into a pool.
StringPool SavedStrings(const std::string &stream, std::vector<std::string_view> *bodies = nullptr)
{
    std::vector<std::string_view> own;
    std::vector<std::string_view> &list = bodies ? *bodies : own;
    const auto records = ReadSubstream(stream, 0, stream.size(), "globals");
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].id != rec::Sst)
            continue;
        list.push_back(records[i].data);
        while (i + 1 < records.size() && records[i + 1].id == rec::Continue)
            list.push_back(records[++i].data);
    }
    StringPool pool;
    ReadSharedStrings(list, pool);
    return pool;
}

} // namespace

// A string split inside its characters (the next record repeats the option byte, here
// switching to UTF-16), and a rich string whose runs and phonetic block cross a record end.
TEST(XlsSharedStrings, ReadsStringsSplitAcrossContinueRecords)
{
    using namespace biff;
    std::string sst;
    Put32(sst, 3);
    Put32(sst, 3);
    sst += std::string("\x04\x00\x00"
                       "ab",
                       5); // "abЖЖ": two 8-bit chars here ...
    std::string cont1("\x01", 1); // ... two UTF-16 chars in the next record
    Put16(cont1, 0x0416);
    Put16(cont1, 0x0416);
    cont1 += std::string("\x04\x00\x0C\x02\x00\x06\x00\x00\x00"
                         "Ric",
                         12); // "Rich", 2 runs
    const std::string runs("\x00\x00\x01\x00\x02\x00\x02\x00", 8);
    const std::string phonetic("\x01\x00\x02\x00\x03\x00", 6);
    const std::string cont2 = std::string("\x00"
                                          "h",
                                          2)
        + runs.substr(0, 6);
    const std::string cont3 = runs.substr(6) + phonetic
        + std::string("\x03\x00\x00"
                      "end",
                      6);

    const std::string stream
        = Stream(Rec(0x00FC, sst) + Rec(0x003C, cont1) + Rec(0x003C, cont2) + Rec(0x003C, cont3),
                 LabelSst(0, 0, 15, 0) + LabelSst(0, 1, 15, 1) + LabelSst(0, 2, 15, 2));
    Workbook book = Workbook::FromStream(stream);
    const Worksheet &sheet = book.Sheet(0);
    EXPECT_EQ(sheet.Value(0, 0)->text, "abЖЖ");
    EXPECT_EQ(sheet.Value(0, 1)->text, "Rich");
    EXPECT_EQ(sheet.Value(0, 2)->text, "end");

    // Saving keeps the runs and the phonetic block of the rich string.
    const StringPool saved = SavedStrings(book.StreamBytes());
    ASSERT_EQ(saved.Size(), 3u);
    EXPECT_EQ(saved.At(1).text, "Rich");
    EXPECT_EQ(saved.At(1).runs, runs);
    EXPECT_EQ(saved.At(1).extRst, phonetic);
}

// Many and long strings: the table spans several CONTINUE records, EXTSST points at the
// first string of every bucket, and everything reads back unchanged.
TEST(XlsSharedStrings, LargeTablesRoundTrip)
{
    const std::string stream = biff::Stream("", "");
    Workbook book = Workbook::FromStream(stream);
    Worksheet &sheet = book.Sheet(0);
    std::vector<std::string> texts;
    for (int i = 0; i < 3000; ++i) {
        std::string t = "string " + std::to_string(i) + " ";
        const std::string piece = i % 3 == 0 ? "Провод " : (i % 3 == 1 ? "wire " : "€ ");
        for (int k = 0; k < i % 40; ++k)
            t += piece;
        texts.push_back(t);
    }
    texts.push_back(std::string(20000, 'x') + "Ж" + std::string(5000, 'y'));
    texts.push_back(std::string(30000, 'z'));
    texts.push_back("");
    texts.push_back("emoji \xF0\x9F\x98\x80 survives");
    for (std::size_t i = 0; i < texts.size(); ++i)
        sheet.Cell(static_cast<int>(i / 10), static_cast<int>(i % 10)).SetText(texts[i]);
    sheet.Cell(400, 0).SetText(texts[5]); // shared: counted twice, stored once

    const std::string saved = book.StreamBytes();
    std::vector<std::string_view> bodies;
    const StringPool pool = SavedStrings(saved, &bodies);
    ASSERT_EQ(pool.Size(), texts.size());
    EXPECT_GT(bodies.size(), 10u);
    for (const std::string_view body : bodies)
        EXPECT_LE(body.size(), MaxRecordData);
    EXPECT_EQ(Get32(bodies[0].data()), texts.size() + 1);

    const Workbook back = Workbook::FromStream(saved);
    for (std::size_t i = 0; i < texts.size(); ++i)
        ASSERT_EQ(back.Sheet(0).Value(static_cast<int>(i / 10), static_cast<int>(i % 10))->text,
                  texts[i])
            << i;
    EXPECT_EQ(back.Sheet(0).Value(400, 0)->text, texts[5]);

    // EXTSST: every bucket points at the header of string k·dsst.
    const auto records = ReadSubstream(saved, 0, saved.size(), "globals");
    const auto ext = std::find_if(records.begin(), records.end(),
                                  [](const RecordView &r) { return r.id == rec::ExtSst; });
    ASSERT_NE(ext, records.end());
    const unsigned perBucket = Get16(ext->data.data());
    const std::size_t buckets = (ext->data.size() - 2) / 8;
    EXPECT_EQ(buckets, (texts.size() + perBucket - 1) / perBucket);
    for (std::size_t b = 0; b < buckets; ++b) {
        const std::uint32_t at = Get32(ext->data.data() + 2 + 8 * b);
        const unsigned inRecord = Get16(ext->data.data() + 6 + 8 * b);
        const std::string &text = texts[b * perBucket];
        EXPECT_EQ(Get16(saved.data() + at), EncodeText(text).chars) << b;
        const unsigned id = Get16(saved.data() + at - inRecord);
        EXPECT_TRUE(id == rec::Sst || id == rec::Continue) << b;
    }
}
