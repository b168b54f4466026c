#include "catalogue/wires.h"

#include "common/cp1251.h"
#include "common/error.h"
#include "common/fileio.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

// Writes UTF-8 lines as the Windows-1251 bytes the import reads.
std::string WriteText(const TempFolder &dir, const std::string &utf8)
{
    const std::string path = dir.File("import.txt");
    WriteFileAtomically(path, Utf8ToCp1251(utf8));
    return path;
}

TWiresList TwoWires()
{
    TWiresList list;
    list.Add(TWireRec {1, "АС 35/6,2", 8.4, 43.05, 0.148, 8250, 1.92e-5});
    list.Add(TWireRec {5, "ТК-50", 9.1, 48.64, 0.417, 18500, 1.2e-5});
    return list;
}

} // namespace

TEST(CatalogueText, ExportWritesWindows1251LinesWithCrLf)
{
    TempFolder dir;
    const std::string path = dir.File("export.txt");
    TWiresList list = TwoWires();
    list.Add(TWireRec {-2, "a;b", 0.00001, 1e15, 0.1 + 0.2, 0, -1.5});
    list.ExportToText(path);
    EXPECT_EQ(ReadFileBytes(path),
              Utf8ToCp1251("АС 35/6,2;8.4;43.05;0.148;8250;1.92E-5;1\r\n"
                           "ТК-50;9.1;48.64;0.417;18500;1.2E-5;5\r\n"
                           "a;b;1E-5;1E15;0.3;0;-1.5;-2\r\n"));
    EXPECT_EQ(list.FileName(), ""); // the text form is not the catalogue file
}

TEST(CatalogueText, ExportThenImportGivesTheSameRecords)
{
    TempFolder dir;
    const std::string path = dir.File("round.txt");
    TWiresList list = TwoWires();
    list.Add(TWireRec {0, "Ёж", 1.0 / 3, 2.0 / 3, 1e-7, 123456.789, 2.3e-5});
    list.ExportToText(path);
    TWiresList back;
    back.Add(TWireRec {3, "old", 1, 1, 1, 1, 1});
    back.ImportFromText(path);
    ASSERT_EQ(back.Count(), 3);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(back.GetWire(i), list.GetWire(i)) << i;
    // Numbers come back rounded to 15 significant digits.
    EXPECT_EQ(back.GetWire(2).Name, "Ёж");
    EXPECT_EQ(back.GetWire(2).Group, 0);
    EXPECT_EQ(back.GetWire(2).Diam, 0.333333333333333);
}

TEST(CatalogueText, FieldSplittingAndDefaults)
{
    TempFolder dir;
    TWiresList list;
    list.ImportFromText(
        WriteText(dir,
                  "Six;1;2;3;4;5\r\n" // no group: 7
                  "Gap;;1;2;;3;4;5;6\r\n" // empty fields vanish
                  ";Lead;1;2;3;4;5;2\r\n" // a leading ; is skipped
                  "Extra;1;2;3;4;5;3;junk;more;\r\n" // beyond the seventh: ignored
                  "ABCDEFGHIJKLMNOPQRSTUV; 1e-5 ;+2;-3;4.5E2;5;9\n" // LF alone, blanks, cut name
                  "Последний провод длинный;1;2;3;4;5;-1")); // unended last line
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(list.GetWire(0), (TWireRec {7, "Six", 1, 2, 3, 4, 5}));
    EXPECT_EQ(list.GetWire(1), (TWireRec {6, "Gap", 1, 2, 3, 4, 5}));
    EXPECT_EQ(list.GetWire(2), (TWireRec {2, "Lead", 1, 2, 3, 4, 5}));
    EXPECT_EQ(list.GetWire(3), (TWireRec {3, "Extra", 1, 2, 3, 4, 5}));
    EXPECT_EQ(list.GetWire(4), (TWireRec {9, "ABCDEFGHIJKLMNOP", 1e-5, 2, -3, 450, 5}));
    EXPECT_EQ(list.GetWire(5).Name, "Последний провод");
    EXPECT_EQ(list.GetWire(5).Group, -1);
}

TEST(CatalogueText, AUtf8NameShowsWhatTheCatalogueFileCanHold)
{
    TempFolder dir;
    const std::string path = dir.File("utf8.txt");
    WriteFileAtomically(path, "线 1 Ёж;1;2;3;4;5\r\n"); // "线" is not in Windows-1251
    const CatalogueText text = ReadCatalogueText(path);
    ASSERT_EQ(text.wires.size(), 1u);
    EXPECT_EQ(text.wires[0].Name, "? 1 Ёж");
}

TEST(CatalogueText, ANameWithASemicolonDoesNotComeBack)
{
    TempFolder dir;
    const std::string path = dir.File("semi.txt");
    TWiresList list;
    list.Add(TWireRec {1, "a;b", 1, 2, 3, 4, 5});
    list.ExportToText(path);
    TWiresList back;
    EXPECT_THROW(back.ImportFromText(path), ConversionError); // "b" is read as the diameter
}

// The message names the line and the field of a value that does not convert.
TEST(CatalogueText, AFailingLineLeavesTheCatalogueAsItWas)
{
    const std::pair<const char *, const char *> cases[] = {
        {"A;1;2;3;4;5;1\r\nB;1;2,5;3;4;5;1\r\n",
         "the cross-section (Sech): '2,5' is not a valid floating point value"},
        {"A;1;2;3;4;5;1\r\nB;1;2;3;4;5;1.0\r\n",
         "the group (Group): '1.0' is not a valid integer value"},
        {"A;1;2;3;4;5;1\r\nB;1;2;3;4;nan\r\n",
         "the expansion coefficient (Koef): 'nan' is not a valid"},
        {"A;1;2;3;4;5;1\r\nB;1e400;2;3;4;5\r\n", "the diameter (Diam): '1e400' is not a valid"},
        {"A;1;2;3;4;5;1\r\n\r\nC;1;2;3;4;5\r\n", "has 0 fields"},
        {"A;1;2;3;4;5;1\r\nB;;1;2;3;;4\r\n", "Line 2 of"},
        {"A;1;2;3;4\r\n",
         "has 5 fields; a wire needs at least six (Name;Diam;Sech;PNag;Modl;Koef[;Group])"},
    };
    TempFolder dir;
    for (const auto &[text, message] : cases) {
        TWiresList list = TwoWires();
        try {
            list.ImportFromText(WriteText(dir, text));
            ADD_FAILURE() << text;
        } catch (const Error &e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
        ASSERT_EQ(list.Count(), 2) << text;
        EXPECT_EQ(list.GetWire(0), TwoWires().GetWire(0));
    }
    TWiresList list = TwoWires();
    EXPECT_THROW(list.ImportFromText(dir.File("absent.txt")), Error);
    EXPECT_EQ(list.Count(), 2);
}

TEST(CatalogueText, ConversionMessagesArePinned)
{
    TempFolder dir;
    TWiresList list;
    try {
        list.ImportFromText(WriteText(dir, "A;1;x1;3;4;5\r\n"));
        ADD_FAILURE();
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(),
                     ("Line 1 of \"" + dir.File("import.txt")
                      + "\", the cross-section (Sech): 'x1' is not a valid floating point value")
                         .c_str());
    }
    try {
        list.ImportFromText(WriteText(dir, "A;1;2;3;4;5;seven\r\n"));
        ADD_FAILURE();
    } catch (const Error &e) {
        EXPECT_TRUE(std::string(e.what()).ends_with(
            ", the group (Group): 'seven' is not a valid integer value"))
            << e.what();
    }
}

// A file that is valid UTF-8 (as an editor saves it today) is read as UTF-8, any other as
// Windows-1251 (as the export writes it); ASCII reads the same either way.
TEST(CatalogueText, ImportReadsUtf8AndWindows1251Files)
{
    const std::string lines = "АС 35/6,2;8.4;43.05;0.148;8250;1.92E-5;1\r\n"
                              "Провод особый ёж;9.1;48.64;0.417;18500;1.2E-5;5\r\n";
    struct Case
    {
        const char *what;
        std::string bytes;
        TextEncoding encoding;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"UTF-8", lines, TextEncoding::Utf8, {"АС 35/6,2", "Провод особый ёж"}},
        {"UTF-8 with a byte-order mark",
         "\xEF\xBB\xBF" + lines,
         TextEncoding::Utf8,
         {"АС 35/6,2", "Провод особый ёж"}},
        {"Windows-1251",
         Utf8ToCp1251(lines),
         TextEncoding::Windows1251,
         {"АС 35/6,2", "Провод особый ёж"}},
        {"ASCII", "AC 70/11;11.4;79.3;0.276;8250;1.92E-5;1\n", TextEncoding::Utf8, {"AC 70/11"}},
    };
    TempFolder dir;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = dir.File("import.txt");
        WriteFileAtomically(path, c.bytes);
        const CatalogueText text = ReadCatalogueText(path);
        EXPECT_EQ(text.encoding, c.encoding);
        ASSERT_EQ(text.wires.size(), c.names.size());
        for (std::size_t i = 0; i < c.names.size(); ++i)
            EXPECT_EQ(text.wires[i].Name, c.names[i]);
        EXPECT_EQ(text.wires[0].Diam, c.names.size() == 1 ? 11.4 : 8.4);
        TWiresList list = TwoWires();
        list.ImportFromText(path);
        EXPECT_EQ(list.Count(), static_cast<int>(c.names.size()));
    }
    // A UTF-8 name is cut to 16 characters, not bytes.
    WriteFileAtomically(dir.File("long.txt"), "Последний провод длинный;1;2;3;4;5\r\n");
    EXPECT_EQ(ReadCatalogueText(dir.File("long.txt")).wires.at(0).Name, "Последний провод");
}

TEST(CatalogueText, AnEmptyFileEmptiesTheCatalogue)
{
    TempFolder dir;
    TWiresList list = TwoWires();
    list.ImportFromText(WriteText(dir, ""));
    EXPECT_EQ(list.Count(), 0);
}
