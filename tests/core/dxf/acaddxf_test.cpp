#include "dxf/acaddxf.h"

#include "common/error.h"
#include "common/fileio.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace velmora {
namespace {

// The value lines of a drawing, split at CR LF; fails when a line ends otherwise.
std::vector<std::string> Lines(const std::string &bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "unterminated last line";
            break;
        }
        const std::string line = bytes.substr(start, end - start);
        EXPECT_EQ(line.find('\n'), std::string::npos) << "bare LF in " << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

TEST(AcadDxf, OpenedAndFinishedAtOnceIsTheEightLineFile)
{
    TAcadDxf dxf;
    dxf.OpenInMemory();
    dxf.Finish();
    EXPECT_EQ(dxf.Bytes(), "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n");
}

TEST(AcadDxf, TextEntityGroupsInOrder)
{
    TAcadDxf dxf;
    dxf.OpenInMemory();
    dxf.SetColor(7);
    dxf.TextAt("A1", {-30, -56}, 2.5f);
    dxf.Finish();
    EXPECT_THAT(Lines(dxf.Bytes()),
                ::testing::ElementsAre("0", "SECTION", "2", "ENTITIES", "0", "TEXT", "8", "0", "6",
                                       "CONTINUOUS", "62", "  7", "1", "A1", "7", "STANDARD", "10",
                                       "-30.0", "20", "-56.0", "40", "2.5", "41", "1.0", "50",
                                       "0.0", "51", "0.0", "72", "0", "0", "ENDSEC", "0", "EOF"));
}

TEST(AcadDxf, LineWithoutColourHasNoGroup62)
{
    TAcadDxf dxf;
    dxf.OpenInMemory();
    dxf.Line({0, 0}, {12, -0.5f}, -1);
    dxf.Finish();
    EXPECT_THAT(Lines(dxf.Bytes()),
                ::testing::ElementsAre("0", "SECTION", "2", "ENTITIES", "0", "LINE", "8", "0", "6",
                                       "CONTINUOUS", "10", "0.0", "20", "0.0", "11", "12.0", "21",
                                       "-0.5", "0", "ENDSEC", "0", "EOF"));
}

TEST(AcadDxf, LineColourIsRightAlignedInThreeCharacters)
{
    TAcadDxf dxf;
    dxf.OpenInMemory();
    dxf.Line({0, 0}, {1, 1}, 1);
    const auto lines = Lines(dxf.Bytes());
    ASSERT_GE(lines.size(), 12u);
    EXPECT_EQ(lines[10], "62");
    EXPECT_EQ(lines[11], "  1");
}

TEST(AcadDxf, ColourIsAnEightBitSignedValue)
{
    struct Case
    {
        int colour;
        const char *group; // nullptr: no group 62
    } const cases[] = {
        {0, "  0"},     {7, "  7"},     {12, " 12"},   {127, "127"},
        {128, nullptr}, {255, nullptr}, {-1, nullptr}, {256, "  0"},
    };
    for (const auto &c : cases) {
        TAcadDxf dxf;
        dxf.OpenInMemory();
        dxf.SetColor(c.colour);
        dxf.TextAt("", {0, 0}, 1);
        const auto lines = Lines(dxf.Bytes());
        const auto at = std::find(lines.begin(), lines.end(), "62");
        if (c.group == nullptr) {
            EXPECT_EQ(at, lines.end()) << "colour " << c.colour;
        } else {
            ASSERT_NE(at, lines.end()) << "colour " << c.colour;
            EXPECT_EQ(*(at + 1), c.group) << "colour " << c.colour;
        }
    }
}

TEST(AcadDxf, EmptyTextStillWritesTheEntityWithAnEmptyValueLine)
{
    TAcadDxf dxf;
    dxf.OpenInMemory();
    dxf.TextAt("", {1, 2}, 3);
    const auto lines = Lines(dxf.Bytes());
    ASSERT_GE(lines.size(), 12u);
    EXPECT_EQ(lines[5], "TEXT");
    EXPECT_EQ(lines[10], "1");
    EXPECT_EQ(lines[11], "");
    EXPECT_EQ(lines[12], "7");
}

TEST(AcadDxf, TextsAreWindows1251AndStayOnOneLine)
{
    TAcadDxf dxf;
    dxf.OpenInMemory();
    dxf.TextAt("Кш: 2.5", {0, 0}, 2.5f);
    dxf.TextAt("a\rb\nc", {0, 0}, 2.5f);
    const auto lines = Lines(dxf.Bytes());
    EXPECT_EQ(lines[11], "\xCA\xF8: 2.5");
    EXPECT_EQ(lines[35], "a b c");
}

TEST(AcadDxf, TextHeightIsKeptFromTextAt)
{
    TAcadDxf dxf;
    dxf.OpenInMemory();
    dxf.TextAt("x", {0, 0}, 10);
    const auto lines = Lines(dxf.Bytes());
    EXPECT_EQ(lines[18], "40");
    EXPECT_EQ(lines[19], "10.0");
}

TEST(FormatReal, FourDecimalsAtMostAndOneAtLeast)
{
    struct Case
    {
        float value;
        const char *text;
    } const cases[] = {
        {2.5f, "2.5"},
        {1, "1.0"},
        {0, "0.0"},
        {-30, "-30.0"},
        {300, "300.0"},
        {12, "12.0"},
        {-0.5f, "-0.5"},
        {0.1f, "0.1"}, // the float is 0.100000001...
        {1.0f / 3, "0.3333"},
        {2.0f / 3, "0.6667"},
        {-2.0f / 3, "-0.6667"},
        {123456.789f, "123456.7891"}, // the float's own value, 123456.7890625
        {0.00004f, "0.0"},
        {0.00005f, "0.0"}, // the float lies just below 0.00005
        {-0.00004f, "0.0"}, // never "-0.0"
        {-0.0f, "0.0"},
        {0.03125f, "0.0313"}, // an exact tie goes away from zero
        {-0.03125f, "-0.0313"},
        {0.15625f, "0.1563"},
        {0.00015f, "0.0002"}, // the float lies just above 0.00015
        {1e10f, "10000000000.0"},
        {3e38f, "300000000549775575777803994281145270272.0"}, // the float's own value
        {-1e20f, "-100000002004087734272.0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatReal(c.value), c.text) << "value " << c.value;
}

class AcadDxfFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path()
            / ("velmora_dxf_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed())
               + "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::size_t FilesInDir() const
    {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(m_dir),
                                                      std::filesystem::directory_iterator()));
    }

    std::filesystem::path m_dir;
};

TEST_F(AcadDxfFile, FinishPutsTheDrawingInPlace)
{
    const std::string path = (m_dir / "out.dxf").string();
    TAcadDxf dxf;
    dxf.Open(path);
    EXPECT_FALSE(FileExists(path));
    dxf.Line({0, 0}, {1, 1}, 1);
    dxf.Finish();
    EXPECT_EQ(ReadFileBytes(path), dxf.Bytes());
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(AcadDxfFile, AnAbandonedDrawingLeavesTheOldFileUntouched)
{
    const std::string path = (m_dir / "out.dxf").string();
    WriteFileAtomically(path, "old");
    {
        TAcadDxf dxf;
        dxf.Open(path);
        dxf.Line({0, 0}, {1, 1}, 1);
    }
    EXPECT_EQ(ReadFileBytes(path), "old");
    EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(AcadDxfFile, AnExistingFileIsReplacedAtFinish)
{
    const std::string path = (m_dir / "out.dxf").string();
    WriteFileAtomically(path, "old contents that are longer than the drawing");
    TAcadDxf dxf;
    dxf.Open(path);
    dxf.Finish();
    EXPECT_EQ(ReadFileBytes(path), "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n");
}

TEST_F(AcadDxfFile, OpenFailsWhenNoFileCanBeCreated)
{
    const std::string missing = (m_dir / "no such folder" / "out.dxf").string();
    TAcadDxf dxf;
    try {
        dxf.Open(missing);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot create file \"" + missing + "\". No such file or directory");
    }
    const std::string folder = m_dir.string();
    EXPECT_THROW(dxf.Open(folder), Error);
    EXPECT_EQ(FilesInDir(), 0u);
}

} // namespace
} // namespace velmora
