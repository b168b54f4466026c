#include "common/error.h"
#include "common/textlines.h"
#include "data/shablon.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace velmora {
namespace {

std::string Lines(std::initializer_list<std::string> lines)
{
    TextLineWriter writer;
    for (const std::string &line : lines)
        writer.Line(line);
    return writer.Bytes();
}

TShablon Gabarit()
{
    TShablon s;
    s.Name = "Габарит";
    s.TipShablona = 0;
    s.Krivie = -1;
    s.PR = 300;
    s.VP = 15.5;
    s.TG = 7;
    s.Zapas = 0.5;
    return s;
}

std::string ReadError(const std::string &bytes, TShablonList &list)
{
    TextLineReader reader(bytes);
    try {
        list.ReadFromText(reader);
    } catch (const ConversionError &e) {
        return e.what();
    }
    return "no error";
}

TEST(ShablonTest, NewTemplateDefaults)
{
    const TShablon s;
    EXPECT_EQ(s.Name, "");
    EXPECT_EQ(s.TipShablona, 0);
    EXPECT_EQ(s.Krivie, 0);
    EXPECT_EQ(s.MG, 5000);
    EXPECT_EQ(s.MV, 500);
    EXPECT_EQ(s.PR, 0);
    EXPECT_EQ(s.Temperatura, 0);
}

TEST(ShablonTest, SectionOfOneTemplateIsWrittenAsShown)
{
    TShablonList list;
    list.Add(Gabarit());
    TextLineWriter writer;
    list.WriteToText(writer);
    EXPECT_EQ(writer.Bytes(),
              Lines({"1", "Габарит", "0", "-1", "5000", "500", "300", "15.5", "7", "0.5", "0"}));
    EXPECT_EQ(writer.Bytes().substr(3, 7), "\xc3\xe0\xe1\xe0\xf0\xe8\xf2"); // Windows-1251
}

TEST(ShablonTest, EmptyListIsTheSingleLineZero)
{
    TShablonList list;
    TextLineWriter writer;
    list.WriteToText(writer);
    EXPECT_EQ(writer.Bytes(), "0\r\n");

    list.Add(Gabarit());
    TextLineReader reader(writer.Bytes());
    EXPECT_TRUE(list.ReadFromText(reader));
    EXPECT_EQ(list.Count(), 0);
}

TEST(ShablonTest, RoundTripKeepsEveryField)
{
    TShablonList list;
    list.Add(Gabarit());
    TShablon curve;
    curve.Name = "  Кривая 1 ";
    curve.TipShablona = -1;
    curve.Krivie = 0;
    curve.MG = 2000;
    curve.MV = 200;
    curve.PR = -120;
    curve.VP = 12.345;
    curve.TG = 0.3;
    curve.Zapas = 1e-5;
    curve.Temperatura = 10;
    list.Add(curve);
    TShablon unnamed;
    unnamed.Temperatura = -1;
    list.Add(unnamed);

    TextLineWriter writer;
    list.WriteToText(writer);
    TShablonList back;
    TextLineReader reader(writer.Bytes());
    ASSERT_TRUE(back.ReadFromText(reader));
    EXPECT_TRUE(back.IsEqual(list));
    EXPECT_EQ(back.Items(1).Name, "  Кривая 1 ");
    EXPECT_EQ(back.Items(2).Name, "");
}

TEST(ShablonTest, CountLineDecidesWhetherTheSectionIsThere)
{
    TShablonList list;
    list.Add(Gabarit());

    TextLineReader atEnd("");
    EXPECT_FALSE(list.ReadFromText(atEnd));
    EXPECT_EQ(list.Count(), 1) << "absent section leaves the list";

    TextLineReader negative(Lines({"-3"}));
    EXPECT_TRUE(list.ReadFromText(negative));
    EXPECT_EQ(list.Count(), 0);
}

TEST(ShablonTest, DecimalCommaIsAcceptedFromTheThirdLine)
{
    TShablonList list;
    TextLineReader reader(
        Lines({"1", "Имя, с запятой", "1", "-1", "5000", "500", "300", "15,5", "7", "0,5", "0"}));
    ASSERT_TRUE(list.ReadFromText(reader));
    EXPECT_EQ(list.Items(0).Name, "Имя, с запятой");
    EXPECT_EQ(list.Items(0).VP, 15.5);
    EXPECT_EQ(list.Items(0).Zapas, 0.5);
}

TEST(ShablonTest, ConversionErrorsNameTheTemplateAndTheValue)
{
    TShablonList list;
    list.Add(Gabarit());
    EXPECT_EQ(ReadError(Lines({"x"}), list), "'x' is not a valid integer value");
    EXPECT_EQ(list.Count(), 1) << "a faulty count leaves the list";

    EXPECT_EQ(ReadError(Lines({"1", "A", "0", "-1", "5000,0"}), list),
              "the template \"A\", the horizontal scale: '5000.0' is not a valid integer value");
    EXPECT_EQ(ReadError(Lines({"1", "A", "0,5"}), list),
              "the template \"A\", the type: '0,5' is not a valid integer value");
    EXPECT_EQ(ReadError(Lines({"1", "A", "0", "-1", "5000", "500", "300", "1.2.3"}), list),
              "the template \"A\", the attachment height: '1.2.3' is not a valid floating point "
              "value");

    // The second template is cut short: the first stays, the faulty one is dropped.
    EXPECT_EQ(
        ReadError(Lines({"2", "A", "0", "-1", "5000", "500", "300", "15", "7", "0", "0", "B", "0"}),
                  list),
        "the template \"B\", the curves: '' is not a valid integer value");
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0).Name, "A");
}

TEST(ShablonTest, HugeCountStopsAtTheEndOfTheFile)
{
    TShablonList list;
    EXPECT_EQ(ReadError(Lines({"2147483647"}), list),
              "the template \"\", the type: '' is not a valid integer value");
    EXPECT_EQ(list.Count(), 0);
}

TEST(ShablonTest, ListOperations)
{
    TShablonList list;
    TShablon a;
    a.Name = "a";
    TShablon b;
    b.Name = "b";
    EXPECT_EQ(list.Add(a), 0);
    EXPECT_EQ(list.Add(b), 1);

    TShablonList swapped;
    swapped.Add(b);
    swapped.Add(a);
    EXPECT_FALSE(list.IsEqual(swapped)) << "order counts";

    TShablonList copy;
    copy.Assign(list);
    EXPECT_TRUE(copy.IsEqual(list));
    copy.Items(1).Temperatura = 3;
    EXPECT_FALSE(copy.IsEqual(list));
    copy.Assign(list);
    copy.Items(0).Krivie = -1;
    EXPECT_FALSE(copy.IsEqual(list));

    list.Delete(0);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0).Name, "b");
    EXPECT_THROW(list.Delete(1), std::out_of_range);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(ShablonTest, NameWithLineBreakStaysOnOneLine)
{
    TShablonList list;
    TShablon s = Gabarit();
    s.Name = "two\r\nlines";
    list.Add(s);
    TextLineWriter writer;
    list.WriteToText(writer);
    TShablonList back;
    TextLineReader reader(writer.Bytes());
    ASSERT_TRUE(back.ReadFromText(reader));
    EXPECT_EQ(back.Items(0).Name, "two  lines");
    EXPECT_EQ(back.Items(0).Zapas, 0.5);
}

} // namespace
} // namespace velmora
