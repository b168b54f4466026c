#include "common/cp1251.h"
#include "common/error.h"
#include "common/fileio.h"
#include "data/projectfile.h"
#include "l10n/coretexts.h"
#include "project_lines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace velmora {
namespace {

using test::NewProjectLines;
using test::ProjectFileOf;

// The file with line `number` (1-based) replaced.
std::string WithLine(std::size_t number, const std::string &text)
{
    std::vector<std::string> lines = NewProjectLines();
    lines.at(number - 1) = text;
    return ProjectFileOf(lines);
}

TProject Read(const std::string &bytes, ProjectLoad *load = nullptr)
{
    TProject project;
    const ProjectLoad result = ReadProjectFromBytes(bytes, project);
    if (load)
        *load = result;
    return project;
}

std::string ReadError(const std::string &bytes)
{
    TProject project;
    try {
        ReadProjectFromBytes(bytes, project);
    } catch (const ConversionError &e) {
        return e.what();
    }
    return "no error";
}

TShablon Template(const std::string &name)
{
    TShablon s;
    s.Name = name;
    s.PR = 250;
    s.VP = 15.5;
    return s;
}

TEST(ProjectFileTest, NewProjectIsWrittenByteForByte)
{
    TProject project;
    const std::string bytes = WriteProjectToBytes(project);
    EXPECT_EQ(bytes, ProjectFileOf(NewProjectLines()));
    EXPECT_EQ(bytes.substr(0, 15), "version 3.4\r\n\xc0\xcf");
}

TEST(ProjectFileTest, NewProjectReadsBackAsTheDefaults)
{
    ProjectLoad load;
    const TProject project = Read(ProjectFileOf(NewProjectLines()), &load);
    EXPECT_TRUE(project.IsEqual(TProject {}));
    EXPECT_EQ(project.Dat.NaprPage, 0);
    EXPECT_TRUE(load.templateSectionPresent);
    EXPECT_FALSE(load.koefFallback);
}

TEST(ProjectFileTest, LinesEndedByLfAloneAreRead)
{
    EXPECT_TRUE(Read(ProjectFileOf(NewProjectLines(), {}, "\n")).IsEqual(TProject {}));
}

TEST(ProjectFileTest, RoundTripOfAFullProject)
{
    TProject project;
    project.Dat.Provod = "АС 70/11";
    project.Dat.T_Gsw = -7.5;
    project.Dat.Tvmax = -12.345;
    project.Dat.Tols = 1e-5;
    project.Dat.VMax = 1e15;
    project.Dat.Napr_srg = 4.37;
    project.Dat.Napr_Max = 12.5;
    project.Dat.Min_Prol = 50;
    project.Dat.Max_Prol = 350;
    project.Dat.Shag = 25;
    project.Dat.RegimeFlags.fill(false);
    project.Dat.RegimeFlags[1] = project.Dat.RegimeFlags[6] = true;
    project.Koef.V_Otv = 1.1;
    project.Koef.G_Usl = 0.95;
    project.Koef.VisotaPC = 23;
    project.Koef.TypeTer = 3;
    project.Shablons.Add(Template("Габарит"));
    project.Shablons.Add(Template("Кривая"));

    const TProject back = Read(WriteProjectToBytes(project));
    EXPECT_TRUE(back.IsEqual(project));
}

TEST(ProjectFileTest, TensileForcesRoundTripOnPageOne)
{
    TProject project;
    project.Dat.NaprPage = 1;
    project.Dat.Tag_Srg = 600;
    project.Dat.Tag_Max = 1500.5;
    const std::string bytes = WriteProjectToBytes(project);
    EXPECT_NE(bytes.find("\r\n0;600\r\n0;1500.5\r\n"), std::string::npos);

    const TProject back = Read(bytes);
    EXPECT_EQ(back.Dat.NaprPage, 1);
    EXPECT_EQ(back.Dat.Tag_Srg, 600);
    EXPECT_EQ(back.Dat.Tag_Max, 1500.5);
    EXPECT_EQ(back.Dat.Napr_srg, 0) << "the pair of the other page is written as 0";
    EXPECT_EQ(back.Dat.Napr_Max, 0);
}

TEST(ProjectFileTest, PermissibleValueLines)
{
    struct Case
    {
        const char *line12;
        const char *line13;
        int page;
        double naprSrg, tagSrg, naprMax, tagMax;
    };
    for (const Case &c :
         {Case {"0;600", "0;1500", 1, 0, 600, 0, 1500}, Case {"4", "9", 0, 4, 0, 9, 0},
          Case {"0;0", "9;0", 0, 0, 0, 9, 0}, Case {"4,5;;0", "9,25", 0, 4.5, 0, 9.25, 0},
          Case {";4", "9;0", 0, 4, 0, 9, 0}, Case {"0;-5", "0;7", 0, 0, -5, 0, 7}}) {
        std::vector<std::string> lines = NewProjectLines();
        lines[11] = c.line12;
        lines[12] = c.line13;
        const TDAT dat = Read(ProjectFileOf(lines)).Dat;
        EXPECT_EQ(dat.NaprPage, c.page) << c.line12;
        EXPECT_EQ(dat.Napr_srg, c.naprSrg) << c.line12;
        EXPECT_EQ(dat.Tag_Srg, c.tagSrg) << c.line12;
        EXPECT_EQ(dat.Napr_Max, c.naprMax) << c.line13;
        EXPECT_EQ(dat.Tag_Max, c.tagMax) << c.line13;
    }
    EXPECT_EQ(ReadError(WithLine(12, "")),
              "Project file line 12, the permissible stress or tensile force at the average "
              "annual temperature: '' is not a valid floating point value");
    EXPECT_EQ(ReadError(WithLine(13, "9;x")),
              "Project file line 13, the maximum permissible stress or tensile force: 'x' is not "
              "a valid floating point value");
}

TEST(ProjectFileTest, DecimalCommasAreRead)
{
    std::vector<std::string> lines = NewProjectLines();
    lines[1] = "АС 70,5";
    lines[8] = "18,5";
    lines[18] = "1,25";
    const TProject project = Read(ProjectFileOf(lines));
    EXPECT_EQ(project.Dat.Provod, "АС 70.5");
    EXPECT_EQ(project.Dat.Vgol, 18.5);
    EXPECT_EQ(project.Koef.V_Reg, 1.25);
}

TEST(ProjectFileTest, FlagsLine)
{
    struct Case
    {
        const char *line;
        std::vector<int> set; // modes
    };
    for (const Case &c :
         {Case {"10100000000000000", {1, 3}}, Case {"101", {1, 3}}, Case {"", {}},
          Case {"0100001000000000111111", {2, 7, 17}}, Case {"Ж1", {2}}, Case {"x1y1", {2, 4}}}) {
        const TDAT dat = Read(WithLine(17, c.line)).Dat;
        for (int mode = 1; mode <= RegimeCount; ++mode) {
            const bool expected = std::find(c.set.begin(), c.set.end(), mode) != c.set.end();
            EXPECT_EQ(dat.RegimeFlags[mode - 1], expected) << c.line << " mode " << mode;
        }
    }
}

TEST(ProjectFileTest, HeightLine)
{
    struct Case
    {
        const char *line;
        int height, second;
    };
    for (const Case &c : {Case {"20;25", 20, 25}, Case {"20", 20, 15}, Case {";25", 15, 25},
                          Case {"20;", 20, 15}, Case {"20;;25", 20, 25}, Case {"", 15, 15}}) {
        ProjectLoad load;
        const TKlimatKoef koef = Read(WithLine(25, c.line), &load).Koef;
        EXPECT_FALSE(load.koefFallback) << c.line;
        EXPECT_EQ(koef.VisotaPC, c.height) << c.line;
        EXPECT_EQ(koef.VisotaPC2, c.second) << c.line;
    }
    // Only the first height is written back.
    TProject project;
    project.Koef.VisotaPC = 20;
    project.Koef.VisotaPC2 = 25;
    EXPECT_EQ(WriteProjectToBytes(project), WithLine(25, "20"));
}

TEST(ProjectFileTest, OlderLayoutHasNoVersionLineAndSevenCoefficients)
{
    // Wire name first, seven coefficients, then the template section.
    std::vector<std::string> lines = NewProjectLines();
    lines.erase(lines.begin()); // no version line
    lines.erase(lines.begin() + 23, lines.begin() + 25); // no height, no terrain
    lines[17] = "1,1"; // V_Reg
    lines.back() = "1";
    for (const char *line : {"Старый", "1", "-1", "5000", "500", "300", "15", "7", "0.5", "0"})
        lines.push_back(line);

    ProjectLoad load;
    const TProject project = Read(ProjectFileOf(lines), &load);
    EXPECT_FALSE(load.koefFallback);
    EXPECT_TRUE(load.templateSectionPresent);
    EXPECT_EQ(project.Dat.Provod, "АПС35/6.2");
    EXPECT_EQ(project.Koef.V_Reg, 1.1);
    EXPECT_EQ(project.Koef.VisotaPC, 15);
    EXPECT_EQ(project.Koef.VisotaPC2, 15);
    EXPECT_EQ(project.Koef.TypeTer, 1);
    ASSERT_EQ(project.Shablons.Count(), 1);
    EXPECT_EQ(project.Shablons.Items(0).Name, "Старый");
}

TEST(ProjectFileTest, AnotherVersionLineIsTheWireNameOfAnOlderFile)
{
    std::vector<std::string> lines = NewProjectLines();
    lines.erase(lines.begin() + 1); // "version 3.5" takes the wire's place
    lines[0] = "version 3.5";
    lines.erase(lines.begin() + 23, lines.begin() + 25);
    const TProject project = Read(ProjectFileOf(lines));
    EXPECT_EQ(project.Dat.Provod, "version 3.5");
    EXPECT_EQ(project.Koef.TypeTer, 1);

    // The version line matches exactly: otherwise the wire name is taken as a temperature.
    EXPECT_EQ(ReadError(WithLine(1, "Version 3.4")),
              "Project file line 2, the temperature with ice and wind: 'АПС35/6.2' is not a "
              "valid floating point value");
}

// A value that does not convert is told with its line, its field where the line holds one
// value, and its text.
TEST(ProjectFileTest, ConversionErrorsNameTheLineTheFieldAndTheText)
{
    EXPECT_EQ(ReadError(WithLine(3, "minus five")),
              "Project file line 3, the temperature with ice and wind: 'minus five' is not a "
              "valid floating point value");
    EXPECT_EQ(ReadError(Utf8ToCp1251("version 3.4\r\nAC\r\n-5\r\n")),
              "Project file line 4, the temperature with ice without wind: '' is not a valid "
              "floating point value");
    EXPECT_EQ(ReadError(""),
              "Project file line 2, the temperature with ice and wind: '' is not a valid "
              "floating point value");
    EXPECT_EQ(ReadError(WithLine(16, "0")),
              "no error"); // a step of 0 reads; the calculation refuses it
    EXPECT_EQ(ReadError(WithLine(15, "1O0")),
              "Project file line 15, the maximum span: '1O0' is not a valid floating point "
              "value");
    EXPECT_EQ(ReadError(WithLine(27, "два")),
              "Project file line 27: 'два' is not a valid integer value");
    // Control bytes of a damaged file show escaped, and a long text is cut.
    EXPECT_EQ(ReadError(WithLine(5, "1\x1b[2J\t")),
              "Project file line 5, the temperature at the maximum wind: '1\\x1B[2J\\x09' is "
              "not a valid floating point value");
    const std::string cut = ReadError(WithLine(6, std::string(100000, 'x')));
    EXPECT_EQ(cut,
              "Project file line 6, the minimum temperature: '" + std::string(80, 'x')
                  + "…' is not a valid floating point value");

    // The same in Russian.
    TProject project;
    try {
        ReadProjectFromBytes(WithLine(14, "сто"), project);
        ADD_FAILURE() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(ErrorText(e, Lang::Russian),
                  "Файл проекта, строка 14, минимальный пролёт: «сто» не является числом");
    }
}

TEST(ProjectFileTest, FailedOpeningLeavesTheOpenProjectAsItWas)
{
    TProject open;
    open.Dat.Provod = "АС 50/8";
    open.Shablons.Add(Template("Мой"));
    TProject before;
    before.Assign(open);

    // Fails in the template section, after the record and coefficients were read.
    std::vector<std::string> lines = NewProjectLines();
    lines[1] = "АС 70/11";
    lines.back() = "1";
    for (const char *line : {"Т", "0", "-1", "5000", "x"})
        lines.push_back(line);
    EXPECT_THROW(ReadProjectFromBytes(ProjectFileOf(lines), open), ConversionError);
    EXPECT_TRUE(open.IsEqual(before));
    // The message names the template and its value.
    EXPECT_EQ(ReadError(ProjectFileOf(lines)),
              "Project file line " + std::to_string(lines.size())
                  + ": the template \"Т\", the vertical scale: 'x' is not a valid integer value");

    EXPECT_THROW(ReadProjectFromBytes(WithLine(16, ""), open), ConversionError);
    EXPECT_TRUE(open.IsEqual(before));
}

TEST(ProjectFileTest, FileWithoutTemplateSectionOpensWithAnEmptyList)
{
    TProject open;
    open.Shablons.Add(Template("другой проект"));
    std::vector<std::string> lines = NewProjectLines();
    lines.pop_back();
    const ProjectLoad load = ReadProjectFromBytes(ProjectFileOf(lines), open);
    EXPECT_FALSE(load.templateSectionPresent);
    EXPECT_EQ(open.Shablons.Count(), 0);
}

TEST(ProjectFileTest, FileEndingAfterTheFlagsTakesDefaultCoefficients)
{
    TProject open;
    open.Koef.V_Otv = 2;
    open.Shablons.Add(Template("другой проект"));
    std::vector<std::string> lines = NewProjectLines();
    lines.resize(17);
    lines[9] = "30";
    const ProjectLoad load = ReadProjectFromBytes(ProjectFileOf(lines), open);
    EXPECT_TRUE(load.koefFallback);
    EXPECT_FALSE(load.templateSectionPresent);
    EXPECT_EQ(open.Dat.VMax, 30);
    EXPECT_TRUE(open.Koef.IsEqual(TKlimatKoef {}));
    EXPECT_EQ(open.Shablons.Count(), 0);
}

TEST(ProjectFileTest, FailedCoefficientsStillReadTheTemplatesFromTheirOwnLine)
{
    // With the version line the template section starts on line 27 whichever coefficient
    // line fails; a reader that went on after the failed line would take a coefficient or
    // the terrain type as the template count.
    for (std::size_t bad : {18u, 19u, 24u, 25u, 26u}) {
        std::vector<std::string> lines = NewProjectLines();
        lines[bad - 1] = "?";
        lines.back() = "1";
        for (const char *line : {"Г", "1", "-1", "5000", "500", "300", "15", "7", "0.5", "0"})
            lines.push_back(line);
        ProjectLoad load;
        const TProject project = Read(ProjectFileOf(lines), &load);
        EXPECT_TRUE(load.koefFallback) << bad;
        EXPECT_TRUE(project.Koef.IsEqual(TKlimatKoef {})) << bad;
        ASSERT_TRUE(load.templateSectionPresent) << bad;
        ASSERT_EQ(project.Shablons.Count(), 1) << bad;
        EXPECT_EQ(project.Shablons.Items(0).Name, "Г") << bad;
    }

    // The older layout: seven coefficient lines, templates from line 24.
    std::vector<std::string> lines = NewProjectLines();
    lines.erase(lines.begin());
    lines.erase(lines.begin() + 23, lines.begin() + 25);
    lines[16] = "bad";
    lines.back() = "0";
    ProjectLoad load;
    TProject open;
    open.Shablons.Add(Template("другой"));
    load = ReadProjectFromBytes(ProjectFileOf(lines), open);
    EXPECT_TRUE(load.koefFallback);
    EXPECT_TRUE(load.templateSectionPresent);
    EXPECT_EQ(open.Shablons.Count(), 0);
}

TEST(ProjectFileTest, LineReaders)
{
    TextLineReader reader(Utf8ToCp1251(" 12 \r\n1,5\r\n1,5e3\r\nАС,1\r\n"));
    EXPECT_EQ(ReadIntLine(reader), 12);
    EXPECT_EQ(ReadFloatLine(reader), 1.5);
    EXPECT_EQ(ReadDecimalLine(reader), "1.5e3");
    EXPECT_EQ(ReadRawLine(reader), "АС,1");
    EXPECT_EQ(ReadRawLine(reader), "");
    EXPECT_THROW(ReadIntLine(reader), ConversionError);
    EXPECT_THROW(ReadFloatLine(reader), ConversionError);
}

class ProjectFileOnDiskTest : public ::testing::Test
{
protected:
    std::filesystem::path dir;

    void SetUp() override
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path()
            / ("velmora-projectfile-" + std::string(info->name()) + "-"
               + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

TEST_F(ProjectFileOnDiskTest, SaveThenLoad)
{
    const std::string path = (dir / "Проект 1.vlp").string();
    TProject project;
    project.Dat.Provod = "АС 95/16";
    project.Shablons.Add(Template("Габарит"));
    SaveProject(path, project);
    EXPECT_EQ(ReadFileBytes(path), WriteProjectToBytes(project));

    // Saving again replaces the file and leaves nothing beside it.
    project.Dat.T_Max = 35;
    SaveProject(path, project);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir),
                            std::filesystem::directory_iterator()),
              1);

    TProject loaded;
    const ProjectLoad load = LoadProject(path, loaded);
    EXPECT_TRUE(load.templateSectionPresent);
    EXPECT_TRUE(loaded.IsEqual(project));
}

TEST_F(ProjectFileOnDiskTest, FileErrorsNameTheFile)
{
    const std::string missing = (dir / "missing.vlp").string();
    TProject project;
    project.Dat.Provod = "kept";
    try {
        LoadProject(missing, project);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_NE(std::string(e.what()).find(missing), std::string::npos) << e.what();
    }
    EXPECT_EQ(project.Dat.Provod, "kept");

    const std::string nowhere = (dir / "no such folder" / "p.vlp").string();
    try {
        SaveProject(nowhere, project);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_NE(std::string(e.what()).find(nowhere), std::string::npos) << e.what();
    }
}

} // namespace
} // namespace velmora
