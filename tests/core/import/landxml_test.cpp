#include "common/error.h"
#include "import/landxml.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

const std::string Head = "<?xml version=\"1.0\"?>\n"
                         "<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\">\n";

std::string ErrorOf(const std::string &xml)
{
    try {
        ReadGroundLandXml(xml, "g.xml", Lang::English);
    } catch (const Error &e) {
        return e.what();
    }
    return "accepted";
}

TEST(LandXml, SurfaceProfileOrAlignmentPoints)
{
    const std::string surface = Head
        + "<Profile><ProfAlign name=\"design\"><PVI>0 1</PVI></ProfAlign>\n"
          "<ProfSurf name=\"ground\">\n<PntList2D>0 152.5 100.25 150\n210 148</PntList2D>\n"
          "</ProfSurf></Profile></LandXML>\n";
    const auto read = ReadGroundLandXml(surface, "g.xml", Lang::English);
    EXPECT_EQ(read.items, (std::vector<GroundPoint> {{0, 152.5}, {100.25, 150}, {210, 148}}));
    EXPECT_EQ(read.source.lines, (std::vector<std::size_t> {5, 5, 5}));

    const std::string pvi = Head
        + "<Profile><ProfAlign>\n<PVI>0 10</PVI>\n<PVI desc=\"top\">50 12.5</PVI>\n"
          "</ProfAlign></Profile></LandXML>";
    const auto alignment = ReadGroundLandXml(pvi, "g.xml", Lang::English);
    EXPECT_EQ(alignment.items, (std::vector<GroundPoint> {{0, 10}, {50, 12.5}}));
    EXPECT_EQ(alignment.source.lines, (std::vector<std::size_t> {4, 5}));
    EXPECT_TRUE(LooksLikeXml("\xEF\xBB\xBF  <?xml"));
    EXPECT_FALSE(LooksLikeXml("0;1\n"));
}

TEST(LandXml, BadDocumentsNameFileAndLine)
{
    const std::string start = Head + "<Profile><ProfAlign>\n";
    EXPECT_EQ(ErrorOf(start + "<PVI>0 10</PVI>\n<PVI>0 12</PVI>\n</ProfAlign></Profile></LandXML>"),
              "g.xml, line 5, station: must be above the previous point's");
    EXPECT_EQ(ErrorOf(start + "<PVI>0 x</PVI>\n</ProfAlign></Profile></LandXML>"),
              "g.xml, line 4, elevation: \"x\" is not a number");
    EXPECT_EQ(ErrorOf(start + "<PVI>0</PVI>\n</ProfAlign></Profile></LandXML>"),
              "g.xml, line 4, elevation: missing");
    EXPECT_EQ(ErrorOf(Head + "<Surfaces/></LandXML>"),
              "g.xml: no ground profile (<ProfSurf> or <ProfAlign>) in it");
    const std::string broken = ErrorOf(start + "<PVI>0 10</PV>\n");
    // libxml2 tells the last of its complaints: the unclosed tag at the end.
    EXPECT_EQ(broken.rfind("g.xml, line 5: not a readable XML file: ", 0), 0u) << broken;
    // An external entity is not fetched nor substituted.
    const std::string external
        = "<?xml version=\"1.0\"?>\n<!DOCTYPE x [<!ENTITY e SYSTEM \"/etc/hostname\">]>\n"
          "<LandXML><ProfAlign><PVI>0 &e;</PVI></ProfAlign></LandXML>";
    EXPECT_NE(ErrorOf(external), "accepted");
}

} // namespace
} // namespace velmora
