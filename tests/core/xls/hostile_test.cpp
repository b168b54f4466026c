#include "biffbuilder.h"

#include "common/error.h"
#include "common/fileio.h"
#include "xls/compound.h"
#include "xls/workbook.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::xls;

namespace {

const std::string Fixture = std::string(VELMORA_TEST_DATA) + "/xls/fixture.xls";

std::string MessageOf(std::string_view stream, bool container = false)
{
    try {
        if (container)
            Workbook::FromBytes(stream);
        else
            Workbook::FromStream(stream);
    } catch (const Error &e) {
        return e.what();
    }
    return "(loaded)";
}

std::string SstWith(const std::string &strings, unsigned count)
{
    std::string body;
    Put32(body, count);
    Put32(body, count);
    return biff::Rec(0x00FC, body + strings);
}

} // namespace

TEST(XlsHostile, BadInputIsRefusedWithAClearMessage)
{
    using namespace biff;
    const std::string valid
        = Stream(SstWith(std::string("\x02\x00\x00xy", 5), 1), LabelSst(0, 0, 15, 0));
    ASSERT_EQ(MessageOf(valid), "(loaded)");

    std::string wideColumn = Number(0, 300, 15, 1.0);
    std::string mulrk = CellHead(0, 2, 15);
    mulrk.resize(4);
    mulrk += std::string("\x0F\x00\x02\x00\x00\x00", 6);
    Put16(mulrk, 4); // says C..E, holds one cell
    std::string offsetOutside = Stream("", "");
    Set32(offsetOutside, Bof(5).size() + 4, 100000);
    std::string offsetInGlobals = Stream("", "");
    Set32(offsetInGlobals, Bof(5).size() + 4, 4);

    const std::pair<std::string, std::string> cases[] = {
        {"", "not an Excel 97-2003 workbook: the workbook stream does not start with a BOF record"},
        {Bof(5, 0x0500) + Eof(), "not an Excel 97-2003 workbook: it is in an older Excel format"},
        {Bof(0x10) + Eof(),
         "not an Excel 97-2003 workbook: the stream does not start with the "
         "workbook globals"},
        {Bof(5) + Rec(0x0042, "\xE3\x04").substr(0, 5), "record at offset 20 overruns the stream"},
        {Bof(5) + Rec(0x0042, "\xE3\x04"), "the workbook globals substream has no EOF record"},
        {offsetOutside,
         "sheet \"S\" starts at offset 100000, outside the workbook stream or "
         "inside another part of it"},
        {offsetInGlobals,
         "sheet \"S\" starts at offset 4, outside the workbook stream or inside "
         "another part of it"},
        {Stream("", "").substr(0, 37) + Eof(), "sheet \"S\" does not start with a BOF record"},
        {Stream("", LabelSst(0, 0, 15, 5)),
         "record 0x00FD at offset 57 refers to shared string 5 of 0"},
        {Stream("", Rec(0x0203, CellHead(0, 0, 15))), "record 0x0203 at offset 57 is too short"},
        {Stream("", wideColumn),
         "record 0x0203 at offset 57 names column 301, beyond the last column"},
        {Stream("", Rec(0x00BD, mulrk)),
         "record 0x00BD at offset 57 has a wrong length for its columns"},
        {Stream(SstWith(std::string("\x0A\x00\x00xyz", 6), 1), ""),
         "the shared-string table overruns its records"},
        {Stream("",
                Rec(0x0204,
                    CellHead(0, 0, 15)
                        + std::string("\x09\x00\x00"
                                      "ab",
                                      5))),
         "text of record 0x0204 at offset 57 overruns its record"},
        {Stream("", Rec(0x00E5, std::string("\x05\x00", 2))),
         "record 0x00E5 at offset 57 holds fewer merged areas than it says"},
    };
    for (const auto &[stream, message] : cases)
        EXPECT_EQ(MessageOf(stream), message);

    EXPECT_EQ(MessageOf("hello", true),
              "not an Excel 97-2003 workbook: not a compound document file");
    std::string stream;
    const CompoundFile container = ReadCompound(ReadFileBytes(Fixture), stream);
    std::string renamed = WriteCompound(stream, container);
    const std::string name("W\0o\0r\0k\0b\0o\0o\0k\0", 16);
    renamed.replace(renamed.find(name), 2, std::string("X\0", 2));
    EXPECT_EQ(MessageOf(renamed, true), "not an Excel 97-2003 workbook: no Workbook stream");
}

// Truncated and corrupted copies of a real workbook either load or fail with an Error.
TEST(XlsHostile, DamagedFilesNeverCrash)
{
    const std::string file = ReadFileBytes(Fixture);
    std::string stream;
    ReadCompound(file, stream);
    int refused = 0;
    auto attempt = [&](std::string_view bytes, bool container) {
        try {
            if (container)
                Workbook::FromBytes(bytes).ToBytes();
            else
                Workbook::FromStream(bytes).StreamBytes();
        } catch (const Error &) {
            ++refused;
        }
    };
    for (std::size_t n = 0; n < stream.size(); n += 7)
        attempt(stream.substr(0, n), false);
    for (std::size_t i = 0; i < stream.size(); ++i) {
        std::string bad = stream;
        bad[i] = static_cast<char>(bad[i] ^ 0xA5);
        attempt(bad, false);
    }
    for (std::size_t n = 0; n < file.size(); n += 61)
        attempt(std::string_view(file).substr(0, n), true);
    for (std::size_t i = 0; i < 2048; i += 3) { // the header and directory sectors
        std::string bad = file;
        bad[i] = static_cast<char>(bad[i] ^ 0xFF);
        attempt(bad, true);
    }
    EXPECT_GT(refused, 500);
}
