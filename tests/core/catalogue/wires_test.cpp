#include "catalogue/wires.h"

#include "common/error.h"
#include "common/fileio.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace velmora;

namespace {

TWireRec Wire(const std::string &name, double diam = 8.4, int group = 1)
{
    return TWireRec {group, name, diam, 43, 0.148, 8250, 1.9e-5};
}

std::string NamesOf(const TWiresList &list)
{
    std::string names;
    for (int i = 0; i < list.Count(); ++i)
        names += (i ? "," : "") + list.GetWire(i).Name;
    return names;
}

} // namespace

TEST(WireRecord, EncodesTheSixtyOneByteLittleEndianForm)
{
    const std::string bytes
        = EncodeWireRec(TWireRec {7, "АПС35/6.2", 8.4, 43, 0.148, 8250, 1.9e-5});
    ASSERT_EQ(bytes.size(), 61u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x07\x00\x00\x00", 4));
    EXPECT_EQ(bytes[4], 9); // name length in Windows-1251 characters
    EXPECT_EQ(bytes.substr(5, 9),
              "\xC0\xCF\xD1"
              "35/6.2");
    EXPECT_EQ(bytes.substr(14, 7), std::string(7, '\0'));
    // 8.4 = 0x4020CCCCCCCCCCCD, least significant byte first.
    EXPECT_EQ(bytes.substr(21, 8), "\xCD\xCC\xCC\xCC\xCC\xCC\x20\x40");
    // 8250 = 0x40C01D0000000000.
    EXPECT_EQ(bytes.substr(45, 8), std::string("\0\0\0\0\0\x1D\xC0\x40", 8));

    const TWireRec back = DecodeWireRec(bytes);
    EXPECT_EQ(back, (TWireRec {7, "АПС35/6.2", 8.4, 43, 0.148, 8250, 1.9e-5}));
}

TEST(WireRecord, LongNamesAreCutAndDamagedLengthBytesClamped)
{
    const std::string bytes = EncodeWireRec(Wire("ABCDEFGHIJKLMNOPQRST", 1, -3));
    EXPECT_EQ(bytes[4], 16);
    const TWireRec back = DecodeWireRec(bytes);
    EXPECT_EQ(back.Name, "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(back.Group, -3);

    std::string damaged = bytes;
    damaged[4] = static_cast<char>(200);
    EXPECT_EQ(DecodeWireRec(damaged).Name, "ABCDEFGHIJKLMNOP");
    damaged[4] = 0;
    EXPECT_EQ(DecodeWireRec(damaged).Name, "");

    try {
        DecodeWireRec(bytes.substr(0, 60));
        ADD_FAILURE();
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "A catalogue record needs 61 bytes, found 60");
    }
}

TEST(WiresList, IndexErrorsNameTheIndex)
{
    TWiresList list;
    list.Add(Wire("A"));
    for (int bad : {-1, 1}) {
        try {
            list.GetWire(bad);
            ADD_FAILURE() << bad;
        } catch (const Error &e) {
            EXPECT_EQ(std::string(e.what()),
                      "List index out of bounds (" + std::to_string(bad) + ")");
        }
        EXPECT_THROW(list.Items(bad), Error);
        EXPECT_THROW(list.Delete(bad), Error);
    }
    EXPECT_EQ(list.Count(), 1);
}

TEST(WiresList, LookupIsExactAndTheFirstOfTwoNamesWins)
{
    TWiresList list;
    EXPECT_EQ(list.Add(Wire("АС 50/8", 9.6, 1)), 0);
    list.Add(Wire("М", 1, 7));
    list.Add(Wire("АС 50/8", 99, 2));
    EXPECT_EQ(list.IndexOfName("АС 50/8"), 0);
    EXPECT_EQ(list.FindByName("АС 50/8").Diam, 9.6);
    for (const char *miss : {"ас 50/8", "АС 50/8 ", "АС", ""})
        EXPECT_EQ(list.FindByName(miss), TWireRec {}) << miss;
    EXPECT_EQ(list.CountInGroup(1), 1);
    EXPECT_EQ(list.CountInGroup(7), 1);
    EXPECT_EQ(list.CountInGroup(3), 0);

    list.Items(1).Diam = 2;
    EXPECT_EQ(list.GetWire(1).Diam, 2);
    list.Delete(0);
    EXPECT_EQ(NamesOf(list), "М,АС 50/8");
    EXPECT_EQ(list.FindByName("АС 50/8").Diam, 99);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(WiresList, SortByNameFollowsWindows1251Bytes)
{
    TWiresList list;
    for (const char *name : {"ё", "а", "А", "Ё", "b", "B", "АС", "A", "Я", "10", ""})
        list.Add(Wire(name));
    list.SortBy(1);
    // Digits, Latin capitals, Latin small, then Ё (0xA8), ё (0xB8), Cyrillic capitals, small.
    EXPECT_EQ(NamesOf(list), ",10,A,B,b,Ё,ё,А,АС,Я,а");

    const std::string before = NamesOf(list);
    list.SortBy(0);
    list.SortBy(7);
    EXPECT_EQ(NamesOf(list), before);
}

// Numbers inside names go by their value, the rest by the Windows-1251 bytes as above.
TEST(WiresList, SortByNameComparesNumbersByValue)
{
    TWiresList list;
    for (const char *name : {"А 120", "А 16", "АС 95/16", "АС 9", "АС 70/11", "АС 70/72", "А 7",
                             "А 07", "А", "АСк 70", "ПС-35", "ПС-5", "С 1000", "С 999", "10", "9"})
        list.Add(Wire(name));
    list.SortBy(1);
    EXPECT_EQ(NamesOf(list),
              "9,10,А,А 07,А 7,А 16,А 120,АС 9,АС 70/11,АС 70/72,АС 95/16,АСк 70,"
              "ПС-5,ПС-35,С 999,С 1000");
    EXPECT_TRUE(NameLess("А 16", "А 120"));
    EXPECT_FALSE(NameLess("А 120", "А 16"));
    EXPECT_FALSE(NameLess("А 16", "А 16"));
    EXPECT_TRUE(NameLess("A 99999999999999999999", "A 100000000000000000000")); // no overflow
}

TEST(WiresList, SortByNumberKeysKeepsNaNLast)
{
    TWiresList list;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double values[] = {3, nan, 1, 2, nan, -1};
    for (int i = 0; i < 6; ++i)
        list.Add(
            TWireRec {0, std::to_string(i), values[i], values[i], values[i], values[i], values[i]});
    for (int key = 2; key <= 6; ++key) {
        list.SortBy(key);
        EXPECT_EQ(NamesOf(list).substr(0, 7), "5,2,3,0") << key;
        EXPECT_TRUE(std::isnan(list.GetWire(4).Diam) && std::isnan(list.GetWire(5).Diam)) << key;
        list.SortBy(1);
    }
}

TEST(CatalogueFile, ZeroAndOneHundredThirtyBytes)
{
    TempFolder dir;
    const std::string path = dir.File("base_provod.dat");
    WriteFileAtomically(path, "");
    TWiresList list;
    list.LoadFromFile(path);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.FileName(), path);

    std::string bytes = EncodeWireRec(Wire("A")) + EncodeWireRec(Wire("Б", 2, 5)) + "12345678";
    ASSERT_EQ(bytes.size(), 130u);
    WriteFileAtomically(path, bytes);
    list.LoadFromFile(path); // appends
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetWire(1), Wire("Б", 2, 5));
}

TEST(CatalogueFile, MissingFileIsCreatedEmpty)
{
    TempFolder dir;
    const std::string path = dir.File("new.dat");
    TWiresList list;
    list.LoadFromFile(path);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(FileExists(path));
    EXPECT_EQ(ReadFileBytes(path), "");
}

TEST(CatalogueFile, RoundTripKeepsEveryBitAndOrder)
{
    TempFolder dir;
    TWiresList list;
    list.Add(Wire("Я"));
    list.Add(TWireRec {-5, "", -0.0, 1e-300, 1.0 / 3, std::numeric_limits<double>::max(), 1.92e-5});
    list.Add(TWireRec {7, "СИП-2 3х50+1х54,", std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity(), 0, 0, 0});
    const std::string path = dir.File("a.dat");
    list.SaveToFile(path);
    EXPECT_EQ(list.FileName(), path);
    EXPECT_EQ(ReadFileBytes(path).size(), 3 * 61u);

    TWiresList back;
    back.LoadFromFile(path);
    ASSERT_EQ(back.Count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(EncodeWireRec(back.GetWire(i)), EncodeWireRec(list.GetWire(i))) << i;
    EXPECT_TRUE(std::signbit(back.GetWire(1).Diam));
}

TEST(CatalogueFile, FailedSaveKeepsTheListAndReportsTheFile)
{
    TempFolder dir;
    TWiresList list;
    list.Add(Wire("A"));
    const std::string path = dir.File("missing-folder/a.dat");
    try {
        list.SaveToFile(path);
        ADD_FAILURE();
    } catch (const Error &e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.FileName(), "");
}
