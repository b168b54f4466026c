#include "common/error.h"
#include "data/linefile.h"
#include "data/projectfile.h"
#include "project_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

std::string NewProjectWith(const std::vector<std::string> &more = {})
{
    return test::ProjectFileOf(test::NewProjectLines(), more);
}

// A line with every kind of record, a Cyrillic name and numbers of several forms.
const std::vector<std::string> lineLines = {"line profile",
                                            "3",
                                            "0;152.5",
                                            "1000.25;140",
                                            "2000;1E-5",
                                            "2",
                                            "П110-3",
                                            "20;1.5;400;600;-100",
                                            "Anchor",
                                            "18;3;350;500;0",
                                            "2",
                                            "0;1",
                                            "2000;0",
                                            "1",
                                            "Road A-1",
                                            "640;149.5;8",
                                            "1",
                                            "300;420.5"};

LineProfile LineOfLines()
{
    LineProfile line;
    line.ground = {{0, 152.5}, {1000.25, 140}, {2000, 1e-5}};
    line.types = {{"П110-3", 20, 1.5, 400, 600, -100}, {"Anchor", 18, 3, 350, 500, 0}};
    line.towers = {{0, 1}, {2000, 0}};
    line.crossings = {{640, 149.5, 8, "Road A-1"}};
    line.forbidden = {{300, 420.5}};
    return line;
}

// A section of a later version after the line is kept as read, behind it.
TEST(LineFile, RoundTripsByteForByteAfterSectionsOrTemplates)
{
    const std::vector<std::string> sections
        = {"anchor sections", "1", "A", "-40", "40", "10", "1", "120"};
    const std::vector<std::string> later = {"line loads", "1", "0;2,5"};
    std::vector<std::string> withSections = sections;
    withSections.insert(withSections.end(), lineLines.begin(), lineLines.end());
    std::vector<std::string> withLater = lineLines;
    withLater.insert(withLater.end(), later.begin(), later.end());
    for (const auto &more : {lineLines, withSections, withLater}) {
        const std::string bytes = NewProjectWith(more);
        TProject project;
        ReadProjectFromBytes(bytes, project);
        EXPECT_EQ(project.Line, LineOfLines());
        EXPECT_EQ(project.Sections.Count(), more == withSections ? 1 : 0);
        EXPECT_EQ(project.LaterSections, more == withLater ? later : std::vector<std::string> {});
        EXPECT_EQ(WriteProjectToBytes(project), bytes);
    }
}

TEST(LineFile, ProjectWithoutALineKeepsItsOldBytes)
{
    const std::string bytes = NewProjectWith();
    TProject project;
    project.Line = LineOfLines();
    ReadProjectFromBytes(bytes, project);
    EXPECT_TRUE(project.Line.empty());
    EXPECT_EQ(WriteProjectToBytes(project), bytes);
}

// Each bad record is refused with the line of the file it is on and the field, and the open
// project stays as it was.
TEST(LineFile, BadRecordsNameTheLineAndField)
{
    const std::size_t first = test::NewProjectLines().size() + 1; // the header line's number
    struct Case
    {
        std::size_t line; // 0-based within lineLines
        std::string text;
        std::string message; // expected, after "Project file line <n>, "
    };
    const std::vector<Case> cases {
        {3, "0;140", "station: must be above the previous point's"},
        {7, "0;1.5;400;600;-100", "height: must be above 0"},
        {7, "20;1.5;400;600;600", "min weight span: must be below the max weight span"},
        {12, "0;1", "station: must be above the previous tower's (a span of 0 or less)"},
        {12, "2000;2", "type: is not a known tower type"},
        {15, "640;149.5;-1", "clearance: must be 0 or more"},
        {17, "300;200", "to: must not be below from"},
        {1, "-1", "expected a count of 0 or more, found '-1'"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::string> lines = lineLines;
        lines[c.line] = c.text;
        TProject project;
        project.Line = LineOfLines();
        project.Line.towers.pop_back();
        const LineProfile before = project.Line;
        try {
            ReadProjectFromBytes(NewProjectWith(lines), project);
            ADD_FAILURE() << "accepted";
        } catch (const Error &e) {
            EXPECT_EQ(e.what(),
                      "Project file line " + std::to_string(first + c.line) + ", " + c.message);
        }
        EXPECT_EQ(project.Line, before);
    }
    // A number that does not convert (NaN and infinities do not either), and a count past the
    // end of the file.
    TProject project;
    std::vector<std::string> lines = lineLines;
    for (const char *bad : {"20;x;400;600;-100", "20;nan;400;600;-100", "20;1;inf;600;-1"}) {
        lines[7] = bad;
        try {
            ReadProjectFromBytes(NewProjectWith(lines), project);
            ADD_FAILURE() << bad;
        } catch (const ConversionError &e) {
            EXPECT_EQ(std::string(e.what()).rfind(
                          "Project file line " + std::to_string(first + 7) + ": '", 0),
                      0u)
                << e.what();
        }
    }
    lines = {"line profile", "1000000"};
    EXPECT_THROW(ReadProjectFromBytes(NewProjectWith(lines), project), ConversionError);
}

TEST(LineProfileFaults, WholeLineFaults)
{
    LineProfile line = LineOfLines();
    EXPECT_FALSE(FindLineFault(line, Lang::English));
    line.towers[1].station = 2000.5;
    EXPECT_EQ(FindLineFault(line, Lang::English)->problem, "lies outside the ground profile");
    EXPECT_FALSE(FindLineFault(line, Lang::English, LineScope::Records));
    line.towers.pop_back();
    try {
        CheckLineProfile(line, Lang::English);
        FAIL();
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "Tower 2, station: missing: the line needs two towers");
    }
    line = LineOfLines();
    line.types[1].name = std::string(65, 'x');
    EXPECT_EQ(FindLineFault(line, Lang::English)->problem, "is longer than 64 characters");
    line.types[1].name = std::string(64, 'x');
    EXPECT_FALSE(FindLineFault(line, Lang::English));
    line.ground.resize(1);
    line.towers.clear();
    EXPECT_EQ(FindLineFault(line, Lang::Russian)->field, "пикет");
}

} // namespace
} // namespace velmora
