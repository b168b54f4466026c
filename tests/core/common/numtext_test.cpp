#include "common/cp1251.h"
#include "common/error.h"
#include "common/numtext.h"
#include "common/textlines.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(NumberText, SharedFormat)
{
    const std::pair<double, const char *> cases[] = {
        {-5, "-5"},           {40, "40"},
        {4.37, "4.37"},       {0.00001, "1E-5"},
        {0.00012, "0.00012"}, {1e15, "1E15"},
        {1.92e-5, "1.92E-5"}, {0.148, "0.148"},
        {0.5, "0.5"},         {-0.0, "0"},
        {0.1 + 0.2, "0.3"},   {123456789012345.0, "123456789012345"},
        {1.5e-7, "1.5E-7"},   {-2.5e20, "-2.5E20"},
        {0.0001, "0.0001"},   {1.7976931348623157e308, "1.7976931348623157E308"},
    };
    for (const auto &[value, text] : cases)
        EXPECT_EQ(FormatNumber(value), text) << value;
}

TEST(NumberText, ParseAcceptsPlainDecimalsOnly)
{
    EXPECT_DOUBLE_EQ(ParseFloat(" 18.5 "), 18.5);
    EXPECT_DOUBLE_EQ(ParseFloat("+1e-5"), 1e-5);
    EXPECT_DOUBLE_EQ(ParseFloat("-.5"), -0.5);
    for (const char *bad : {"", "18,5", "inf", "nan", "0x10", "1e", "--1", "1.2.3", "e5"}) {
        try {
            ParseFloat(bad);
            ADD_FAILURE() << bad;
        } catch (const ConversionError &e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(bad) + "' is not a valid floating point value");
        }
    }
    EXPECT_EQ(ParseInt(" -15 "), -15);
    for (const char *bad : {"", "5000,0", "1.0", "+-1", "99999999999"})
        EXPECT_THROW(ParseInt(bad), ConversionError) << bad;
    EXPECT_THROW(ParseInt(""), ConversionError);
}

TEST(NumberText, ParseDecimalTakesACommaAsThePoint)
{
    EXPECT_EQ(ParseDecimal("40,5"), 40.5);
    EXPECT_EQ(ParseDecimal("1,92E-5"), 1.92e-5);
    EXPECT_EQ(ParseDecimal(" 0.148 "), 0.148);
    // The message names the text as typed, comma and all.
    for (const char *bad : {"1,2,3", "1,2.3", "40ю5", "1e999", ","}) {
        try {
            ParseDecimal(bad);
            ADD_FAILURE() << bad;
        } catch (const ConversionError &e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(bad) + "' is not a valid floating point value");
        }
    }
}

TEST(Cp1251, RoundTripsCyrillicAndMarksTheUnmappable)
{
    const std::string name = "АПС35/6.2 Ёё №";
    const std::string bytes = Utf8ToCp1251(name);
    EXPECT_EQ(bytes.size(), Utf8Length(name));
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xC0);
    EXPECT_EQ(Cp1251ToUtf8(bytes), name);
    EXPECT_EQ(Utf8ToCp1251("a€b中"),
              std::string("a\x88"
                          "b?"));
    EXPECT_EQ(Utf8Left("АБВГ", 2), "АБ");
}

TEST(TextLines, CrLfAndLfAndPastTheEnd)
{
    TextLineReader r("a\r\nb\nc");
    EXPECT_EQ(r.Next(), "a");
    EXPECT_EQ(r.Next(), "b");
    EXPECT_EQ(r.Next(), "c");
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(r.Next(), "");
    TextLineWriter w;
    w.Line("Ж");
    EXPECT_EQ(w.Bytes(), "\xC6\r\n");
}

// A copy reads ahead on its own and leaves the original where it was; the counts follow the
// lines given, a CR alone stays in its line and the source bytes need not outlive the reader.
TEST(TextLines, ACopyReadsAheadOnItsOwn)
{
    TextLineReader r(std::string("one\r\ntwo\rthree\n\nfive"));
    EXPECT_EQ(r.LinesLeft(), 4u);
    EXPECT_EQ(r.Next(), "one");
    TextLineReader ahead = r;
    EXPECT_EQ(ahead.Next(), "two\rthree");
    EXPECT_EQ(ahead.Next(), "");
    EXPECT_EQ(ahead.LineNumber(), 3u);
    EXPECT_EQ(ahead.LinesLeft(), 1u);
    EXPECT_EQ(r.LineNumber(), 1u);
    EXPECT_EQ(r.LinesLeft(), 3u);
    EXPECT_EQ(r.Next(), "two\rthree");
    EXPECT_EQ(ahead.Next(), "five");
    EXPECT_TRUE(ahead.AtEnd());
    EXPECT_EQ(TextLineReader("").LinesLeft(), 0u);
    EXPECT_EQ(TextLineReader("\n").LinesLeft(), 1u);
}

TEST(NumberText, LargestDoubleReadsBack)
{
    for (double v : {1.7976931348623157e308, -1.7976931348623157e308, 1.79769313486231e308})
        EXPECT_EQ(ParseFloat(FormatNumber(v)), v);
}
