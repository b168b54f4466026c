#include "common/error.h"
#include "data/linetext.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace velmora {
namespace {

std::string ErrorOf(const std::function<void()> &read)
{
    try {
        read();
    } catch (const Error &e) {
        return e.what();
    }
    return "accepted";
}

TEST(LineText, SeparatorsDecimalCommaHeadingAndEncodings)
{
    struct Case
    {
        const char *name;
        std::string text;
    };
    const std::vector<GroundPoint> expected {{0, 152.5}, {100.25, 150}, {210, 148}};
    const std::vector<Case> cases {
        {"semicolons, decimal comma, heading", "Station;Elevation\n0;152,5\n100,25;150\n210;148\n"},
        {"tabs and CR LF", "0\t152.5\r\n100.25\t150\r\n\r\n210\t148\r\n"},
        {"commas with points", "\xEF\xBB\xBFstation,elevation\n0,152.5\n100.25,150\n210,148"},
        {"blanks", "  0   152.5\n100.25 150\n210 148\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto read = ReadGroundText(c.text, "g.csv", Lang::English);
        EXPECT_EQ(read.items, expected);
        EXPECT_EQ(read.source.file, "g.csv");
    }
    const auto lines = ReadGroundText(cases[1].text, "g.csv", Lang::English).source.lines;
    EXPECT_EQ(lines, (std::vector<std::size_t> {1, 2, 4}));

    // A Windows-1251 type name, its types read by name by the towers.
    const auto types = ReadTowerTypesText("name;H;cost;wind;weight;min\n\xCF\x31\x31\x30;20;1,5;"
                                          "400;600;-100\nA;18;3;350;500;0\n",
                                          "types.csv", Lang::English);
    ASSERT_EQ(types.items.size(), 2u);
    EXPECT_EQ(types.items[0], (TowerType {"П110", 20, 1.5, 400, 600, -100}));
    const auto towers
        = ReadTowersText("0;A\n250,5;П110\n", "towers.csv", types.items, Lang::English);
    EXPECT_EQ(towers.items, (std::vector<Tower> {{0, 1}, {250.5, 0}}));
    // A "," before a name cannot be a decimal point: it separates.
    EXPECT_EQ(ReadTowersText("0,A\n250,П110\n", "t.csv", types.items, Lang::English).items,
              (std::vector<Tower> {{0, 1}, {250, 0}}));
    const auto crossings
        = ReadCrossingsText("640;149,5;8;Road A-1\n700;150;7\n", "c.csv", Lang::English);
    EXPECT_EQ(crossings.items,
              (std::vector<Crossing> {{640, 149.5, 8, "Road A-1"}, {700, 150, 7, ""}}));
    EXPECT_EQ(ReadForbiddenText("300 420,5\n", "f.txt", Lang::English).items,
              (std::vector<ForbiddenStretch> {{300, 420.5}}));
}

// Every bad-input kind names the file, the line and the field.
TEST(LineText, BadInputNamesFileLineAndField)
{
    const std::vector<TowerType> types {{"A", 20, 1, 400, 600, 0}};
    const auto ground = [](std::string text) {
        return ErrorOf([&] { ReadGroundText(text, "g.csv", Lang::English); });
    };
    EXPECT_EQ(ground("0;1\n10;2\n10;3\n"),
              "g.csv, line 3, station: must be above the previous point's");
    EXPECT_EQ(ground("0;1\n5;1\n2;3\n"),
              "g.csv, line 3, station: must be above the previous point's");
    EXPECT_EQ(ground("0;1\n10;abc\n"), "g.csv, line 2, elevation: \"abc\" is not a number");
    EXPECT_EQ(ground("0;1\n10;nan\n"), "g.csv, line 2, elevation: \"nan\" is not a number");
    EXPECT_EQ(ground("0;1\n10;inf\n"), "g.csv, line 2, elevation: \"inf\" is not a number");
    EXPECT_EQ(ground("0;1\n10\n"), "g.csv, line 2, elevation: missing");
    EXPECT_EQ(ground("0;1;2\n"), "g.csv, line 1: more fields than 2 (\"2\")");
    EXPECT_EQ(ErrorOf([&] { ReadTowerTypesText("B;0;1;400;600;0\n", "t.csv", Lang::English); }),
              "t.csv, line 1, height: must be above 0");
    EXPECT_EQ(
        ErrorOf([&] { ReadTowerTypesText("\nB;20;1;400;600;600\n", "t.csv", Lang::English); }),
        "t.csv, line 2, min weight span: must be below the max weight span");
    EXPECT_EQ(ErrorOf([&] { ReadTowersText("0;A\n100;Z\n", "w.csv", types, Lang::English); }),
              "w.csv, line 2, type: \"Z\" is not a known tower type");
    EXPECT_EQ(ErrorOf([&] { ReadTowersText("0;A\n0;A\n", "w.csv", types, Lang::English); }),
              "w.csv, line 2, station: must be above the previous tower's (a span of 0 or less)");
    EXPECT_EQ(ErrorOf([&] { ReadCrossingsText("5;1;-2;x\n", "c.csv", Lang::English); }),
              "c.csv, line 1, clearance: must be 0 or more");
    EXPECT_EQ(ErrorOf([&] { ReadForbiddenText("5;1\n", "f.csv", Lang::Russian); }),
              "f.csv, строка 1, до: не должен быть меньше «от»");
}

TEST(LineText, WholeLineFaultsNameTheSourceOfTheRecord)
{
    LineFault fault {LineRecord::Tower, 1, 0, "station", "lies outside the ground profile"};
    EXPECT_EQ(LineFaultText(fault, {"w.csv", {3, 7}}, Lang::English),
              "w.csv, line 7, station: lies outside the ground profile");
    EXPECT_EQ(LineFaultText(fault, {"p.vlp", {}}, Lang::English),
              "p.vlp: Tower 2, station: lies outside the ground profile");
    fault.index = 2;
    EXPECT_EQ(LineFaultText(fault, {"w.csv", {3, 7}}, Lang::English),
              "w.csv, station: lies outside the ground profile");
}

} // namespace
} // namespace velmora
