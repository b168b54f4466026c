#include "common/error.h"
#include "data/spantext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

using Fields = std::vector<std::string>;

TEST(SpanTextTest, SplitsWhatSpreadsheetsAndFilesHold)
{
    struct Case
    {
        const char *what;
        std::string bytes;
        Fields fields;
    };
    const Case cases[] = {
        {"a spreadsheet column", "120\r\n150,5\r\n180\r\n", {"120", "150,5", "180"}},
        {"a spreadsheet row", "120\t150.5\t180", {"120", "150.5", "180"}},
        {"empty cells and lines", "120\n\n\t150\n \n", {"120", "150"}},
        {"semicolons keep the decimal comma", "120,5;150,25;180", {"120,5", "150,25", "180"}},
        {"one comma a line is a point", "120,5\n150,25", {"120,5", "150,25"}},
        {"commas with a point separate", "120.5,150,180", {"120.5", "150", "180"}},
        {"two commas on a line separate", "120,150,180\n200", {"120", "150", "180", "200"}},
        {"blanks separate", "120 150  180", {"120", "150", "180"}},
        {"a heading line is dropped", "Span, m\n120\n150", {"120", "150"}},
        {"a heading's point keeps the decimal comma",
         "Пролёт, м.\n120,5\n150,25",
         {"120,5", "150,25"}},
        {"a heading's commas keep the decimal comma",
         "Span, m, A-1\n120,5\n150,25",
         {"120,5", "150,25"}},
        {"a heading in Windows-1251", "\xCF\xF0\xEE\xEB\xB8\xF2\n120", {"120"}},
        {"a byte-order mark",
         "\xEF\xBB\xBF"
         "120\n150",
         {"120", "150"}},
        {"text after the first line is kept", "120\nabc\n150", {"120", "abc", "150"}},
        {"a first line with a number is no heading", "L1 120\n150", {"L1", "120", "150"}},
        {"nothing", "", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SplitNumberFields(c.bytes), c.fields) << c.what;
    // A text field not in UTF-8 comes back in UTF-8.
    EXPECT_EQ(SplitNumberFields("120\n\xEF\xF0\xEE\xEB\xB8\xF2"), (Fields {"120", "пролёт"}));
}

TEST(SpanTextTest, ReadsSpansOrNamesTheFirstThatIsNoNumber)
{
    TSection section;
    section.Name = "А-1";
    EXPECT_EQ(ReadSpanTexts({"120", " 150,5 ", "1.8E2"}, section, Lang::English),
              (std::vector<double> {120, 150.5, 180}));
    EXPECT_TRUE(ReadSpanTexts({}, section, Lang::English).empty());
    auto refusal = [&](const Fields &texts, Lang language) {
        try {
            ReadSpanTexts(texts, section, language);
        } catch (const Error &e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(refusal({"120", "150", "12a", "x"}, Lang::English),
              "Span 3 of anchor section \"А-1\": \"12a\" is not a number");
    EXPECT_EQ(refusal({""}, Lang::Russian), "Пролёт 1 анкерного участка «А-1»: «» — не число");
    section.Name.clear();
    EXPECT_EQ(refusal({"1", "2,5,0"}, Lang::English),
              "Span 2 of the anchor section: \"2,5,0\" is not a number");
}

} // namespace
} // namespace velmora
