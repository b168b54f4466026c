#include "common/cp1251.h"
#include "common/error.h"
#include "common/fileio.h"
#include "data/projectfile.h"
#include "data/sectionfile.h"
#include "project_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

// The file of a new project up to its empty template section, and then more.
std::string NewProjectWith(const std::vector<std::string> &more = {})
{
    return test::ProjectFileOf(test::NewProjectLines(), more);
}

TSection Section(const std::string &name, std::vector<double> spans)
{
    TSection section;
    section.Name = name;
    section.Spans = std::move(spans);
    return section;
}

TProject TwoSections()
{
    TProject project;
    TSection first = Section("Опоры 1–6", {120, 150.25, 180, 160, 135});
    first.TFrom = -37.5;
    first.TTo = 35;
    first.TStep = 7.5;
    project.Sections.Add(first);
    project.Sections.Add(Section("", {1e-5}));
    return project;
}

// The lines the two sections above are written as, after the templates.
const std::vector<std::string> twoSectionLines = {"anchor sections",
                                                  "2",
                                                  "Опоры 1–6",
                                                  "-37.5",
                                                  "35",
                                                  "7.5",
                                                  "5",
                                                  "120",
                                                  "150.25",
                                                  "180",
                                                  "160",
                                                  "135",
                                                  "",
                                                  "-40",
                                                  "40",
                                                  "10",
                                                  "1",
                                                  "1E-5"};

std::string ReadError(const std::string &bytes)
{
    TProject project;
    try {
        ReadProjectFromBytes(bytes, project);
    } catch (const Error &e) {
        return e.what();
    }
    return "no error";
}

TEST(SectionFileTest, SectionsAreWrittenAfterTheTemplatesByteForByte)
{
    const std::string bytes = WriteProjectToBytes(TwoSections());
    EXPECT_EQ(bytes, NewProjectWith(twoSectionLines));
    // Windows-1251 and CR LF: "О" is 0xCE, the en dash 0x96
    EXPECT_NE(bytes.find("\r\n\xce\xef\xee\xf0\xfb 1\x96"
                         "6\r\n"),
              std::string::npos);

    TProject back;
    ReadProjectFromBytes(bytes, back);
    EXPECT_TRUE(back.IsEqual(TwoSections()));
    EXPECT_EQ(WriteProjectToBytes(back), bytes);
}

TEST(SectionFileTest, AProjectWithoutSectionsKeepsTheBytesItHadBefore)
{
    EXPECT_EQ(WriteProjectToBytes(TProject {}), NewProjectWith());
    TProject open = TwoSections();
    ReadProjectFromBytes(NewProjectWith(), open);
    EXPECT_EQ(open.Sections.Count(), 0) << "the sections of the project open before";
}

// The reading of a program that knows only the input record, the coefficients and the
// templates: it stops after the templates.
TEST(SectionFileTest, AReaderThatStopsAfterTheTemplatesStillOpensTheFile)
{
    TProject project = TwoSections();
    project.Dat.Provod = "АС 70/11";
    TShablon shablon;
    shablon.Name = "Габарит";
    project.Shablons.Add(shablon);
    TextLineReader reader(WriteProjectToBytes(project));

    TProject old;
    const bool version = ReadDatSection(reader, old.Dat);
    ReadKoefSection(reader, old.Koef, version);
    ASSERT_TRUE(old.Shablons.ReadFromText(reader));
    EXPECT_TRUE(old.Dat.IsEqual(project.Dat));
    EXPECT_TRUE(old.Koef.IsEqual(project.Koef));
    EXPECT_TRUE(old.Shablons.IsEqual(project.Shablons));
    EXPECT_EQ(reader.Next(), SectionListHeaderLine) << "the sections come after the templates";
}

TEST(SectionFileTest, OtherLinesAfterTheTemplatesAreNoSections)
{
    for (const std::vector<std::string> &tail : std::vector<std::vector<std::string>> {
             {"Anchor sections", "1"}, {"", "anchor sections"}, {"something newer"}}) {
        TProject project;
        ReadProjectFromBytes(NewProjectWith(tail), project);
        EXPECT_EQ(project.Sections.Count(), 0) << tail[0];
    }
}

TEST(SectionFileTest, LinesEndedByLfAloneAndDecimalCommasAreRead)
{
    TProject project;
    ReadProjectFromBytes(
        test::ProjectFileOf(test::NewProjectLines(),
                            {"anchor sections", "1", "А", "-40,5", "40", "10", "2", "120,5", "99"},
                            "\n"),
        project);
    ASSERT_EQ(project.Sections.Count(), 1);
    EXPECT_EQ(project.Sections.Items(0).TFrom, -40.5);
    EXPECT_EQ(project.Sections.Items(0).Spans, (std::vector<double> {120.5, 99}));
}

TEST(SectionFileTest, ValuesOutsideTheLimitsAreKeptForTheCheckToRefuse)
{
    // A section being edited may have no spans yet; the calculation refuses it, the file keeps it.
    TProject project;
    project.Sections.Add(Section("пусто", {}));
    project.Sections.Add(Section("отрицательный", {-5, 3000}));
    project.Sections.Items(1).TStep = 0;
    TProject back;
    ReadProjectFromBytes(WriteProjectToBytes(project), back);
    EXPECT_TRUE(back.IsEqual(project));
}

TEST(SectionFileTest, ANameWithALineBreakStaysOnOneLine)
{
    TProject project;
    project.Sections.Add(Section("АУ\r\n2", {100}));
    TProject back;
    ReadProjectFromBytes(WriteProjectToBytes(project), back);
    ASSERT_EQ(back.Sections.Count(), 1);
    EXPECT_EQ(back.Sections.Items(0).Name, "АУ  2");
    EXPECT_EQ(back.Sections.Items(0).Spans, (std::vector<double> {100}));
}

TEST(SectionFileTest, AFaultySectionFailsTheWholeOpening)
{
    const auto tail = [](std::size_t index, const std::string &text) {
        std::vector<std::string> lines = twoSectionLines;
        lines.at(index) = text;
        return NewProjectWith(lines);
    };
    EXPECT_EQ(ReadError(tail(1, "two")),
              "Project file line 29: 'two' is not a valid integer value");
    EXPECT_EQ(ReadError(tail(1, "-1")),
              "Project file line 29: expected a count of 0 or more, found '-1'");
    EXPECT_EQ(ReadError(tail(6, "-5")),
              "Project file line 34: expected a count of 0 or more, found '-5'");
    EXPECT_EQ(ReadError(tail(3, "")),
              "Project file line 31: '' is not a valid floating point value");
    EXPECT_EQ(ReadError(tail(8, "150.25 m")),
              "Project file line 36: '150.25 m' is not a valid floating point value");
    EXPECT_EQ(ReadError(tail(8, "inf")),
              "Project file line 36: 'inf' is not a valid floating point value");
    // the count promises more spans than the file holds: refused before they are read
    std::vector<std::string> cut = twoSectionLines;
    cut.resize(cut.size() - 1);
    EXPECT_EQ(ReadError(NewProjectWith(cut)),
              "Project file line 44: the file gives 1 spans, but ends before them");
    EXPECT_EQ(ReadError(tail(6, "2000000000")),
              "Project file line 34: the file gives 2000000000 spans; at most 200 are allowed");
    EXPECT_EQ(ReadError(tail(1, "4")),
              "Project file line 29: the file gives 4 anchor sections, but ends before them");

    TProject open = TwoSections();
    open.Dat.Provod = "АС 50/8";
    TProject before;
    before.Assign(open);
    EXPECT_THROW(ReadProjectFromBytes(tail(8, "x"), open), ConversionError);
    EXPECT_TRUE(open.IsEqual(before));
}

// A file of a later version may hold sections this program does not know after its own;
// they come back unchanged whatever is edited before them.
TEST(SectionFileTest, LaterSectionsAreKeptAndWrittenBackUnchanged)
{
    const std::vector<std::string> later = {"ground profile", "2", "0;101,5", "", "Опора 7;1E-5"};
    std::vector<std::string> withSections = twoSectionLines;
    withSections.insert(withSections.end(), later.begin(), later.end());
    for (const std::vector<std::string> &tail : {withSections, later}) {
        const std::string bytes = NewProjectWith(tail);
        TProject project;
        ReadProjectFromBytes(bytes, project);
        EXPECT_EQ(project.LaterSections, later);
        EXPECT_EQ(WriteProjectToBytes(project), bytes);
    }

    // Sections added to a project that had none go before the later ones.
    TProject project;
    ReadProjectFromBytes(NewProjectWith(later), project);
    project.Sections.Assign(TwoSections().Sections);
    EXPECT_EQ(WriteProjectToBytes(project), NewProjectWith(withSections));

    // Blank lines at the end are no section.
    ReadProjectFromBytes(NewProjectWith({"", ""}), project);
    EXPECT_TRUE(project.LaterSections.empty());
    EXPECT_EQ(WriteProjectToBytes(project), NewProjectWith());
}

// A part given twice is a damaged file, refused at its second header: kept as later text, it
// would be read as the first once the project was saved without anchor sections.
TEST(SectionFileTest, APartGivenTwiceIsRefusedAtItsSecondHeader)
{
    const std::vector<std::string> twice
        = {"anchor sections", "0", "anchor sections", "1", "A", "-40", "40", "10", "1", "100"};
    EXPECT_EQ(ReadError(NewProjectWith(twice)),
              "Project file line 30: the part \"anchor sections\" is given a second time");
    // After a later version's part, the same line is that part's text and is kept.
    std::vector<std::string> later = {"ground profile", "anchor sections", "0"};
    TProject project;
    ReadProjectFromBytes(NewProjectWith(later), project);
    EXPECT_EQ(project.LaterSections, later);
}

// 2 000 000 spans in the file: refused at their count, not after reading them.
TEST(SectionFileTest, ACountAboveTheLimitIsRefusedBeforeItsLines)
{
    std::vector<std::string> lines = {"anchor sections", "1", "A", "-40", "40", "10", "201"};
    lines.insert(lines.end(), 201, "100");
    EXPECT_EQ(ReadError(NewProjectWith(lines)),
              "Project file line 34: the file gives 201 spans; at most 200 are allowed");
    lines.at(6) = "200";
    EXPECT_EQ(ReadError(NewProjectWith(lines)), "no error") << "200 spans and a later line";
}

TEST(SectionFileTest, TheShippedExampleHoldsOneSection)
{
    TProject example;
    const std::string path = std::string(VELMORA_SOURCE_DIR) + "/share/examples/example.vlp";
    LoadProject(path, example);
    ASSERT_EQ(example.Sections.Count(), 1);
    const TSection &section = example.Sections.Items(0);
    EXPECT_EQ(section.Name, "Анкерный участок 1");
    EXPECT_EQ(section.Spans, (std::vector<double> {120, 150, 180, 160, 135}));
    EXPECT_EQ(StringingTemperatures(section).size(), 9u);
    EXPECT_EQ(WriteProjectToBytes(example), ReadFileBytes(path)) << "written as it was read";
}

} // namespace
} // namespace velmora
