#include "catalogue/nearestname.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

TWiresList Catalogue()
{
    TWiresList list;
    for (const char *name : {"АС 120/19", "АС 150/24", "ACSR 240", "М 35"})
        list.Add(TWireRec {1, name, 17.1, 150, 0.6, 8250, 1.92e-5});
    return list;
}

} // namespace

TEST(NearestWireName, OverlooksBlanksCaseAndLatinLookAlikes)
{
    const TWiresList catalogue = Catalogue();
    const struct
    {
        const char *typed;
        const char *nearest;
    } cases[] = {
        {"AC 120/19", "АС 120/19"}, // Latin A and C typed for the Cyrillic letters
        {"АС 150/24 ", "АС 150/24"}, // a trailing blank
        {"  ас 150/24", "АС 150/24"}, // blanks before, lower case
        {"ac 150/24", "АС 150/24"}, // both at once
        {"acsr 240", "ACSR 240"}, // a Latin name in another case
        {"M 35", "М 35"},
        {"АС 120/19", ""}, // in the catalogue as it stands: nothing to offer
        {"АС 120/190", ""}, // another wire
        {"АС120/19", ""}, // a blank inside is not overlooked
        {"", ""},
        {"   ", ""},
        {"\xFF\xFE", ""}, // not UTF-8
    };
    for (const auto &c : cases)
        EXPECT_EQ(NearestWireName(catalogue, c.typed), c.nearest) << '"' << c.typed << '"';
}

TEST(NearestWireName, TheFirstOfTwoNearNamesWins)
{
    TWiresList catalogue;
    catalogue.Add(TWireRec {1, "ас 70/11", 11.4, 68, 0.276, 8250, 1.92e-5});
    catalogue.Add(TWireRec {1, "АС 70/11", 11.4, 68, 0.276, 8250, 1.92e-5});
    EXPECT_EQ(NearestWireName(catalogue, "AC 70/11"), "ас 70/11");
    EXPECT_EQ(NearestWireName(TWiresList {}, "AC 70/11"), "");
}

TEST(MissingWireText, NamesTheWireAndTheNearestNameInEitherLanguage)
{
    const TWiresList catalogue = Catalogue();
    EXPECT_EQ(MissingWireText(catalogue, "AC 120/19", Lang::English),
              "The wire \"AC 120/19\" is not in the reference catalog. Did you mean "
              "\"АС 120/19\"?");
    EXPECT_EQ(MissingWireText(catalogue, "AC 120/19", Lang::Russian),
              "Провода «AC 120/19» нет в справочнике. Возможно, имелся в виду «АС 120/19»?");
    EXPECT_EQ(MissingWireText(catalogue, "АС 999/1", Lang::English),
              "The wire \"АС 999/1\" is not in the reference catalog. Enter it into the "
              "reference catalog first.");
    EXPECT_EQ(MissingWireText(catalogue, "АС 999/1", Lang::Russian),
              "Провода «АС 999/1» нет в справочнике. Сначала введите его в справочник.");
}
