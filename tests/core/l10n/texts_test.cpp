#include "l10n/localization.h"
#include "l10n/texts.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

class TextsTest : public ::testing::Test
{
protected:
    static std::string En(const char *key) { return GetText(key, Lang::English); }
    static std::string Ru(const char *key) { return GetText(key, Lang::Russian); }
};

TEST_F(TextsTest, EachWindowRegistersItsOwnEntries)
{
    struct Table
    {
        void (*registerTexts)();
        std::size_t count;
        const char *first;
        const char *last;
    };
    for (const Table &t :
         {Table {RegisterCommonTexts, 68, "Project", "Units"},
          Table {RegisterMainWindowTexts, 56, "Max_temperature", "Port_to_AutoCad"},
          Table {RegisterKlimatTexts, 12, "Climatic_param_capt", "do"},
          Table {RegisterWiresBaseTexts, 16, "Diameter_", "Name_contains"},
          Table {RegisterWiresEditTexts, 6, "Add_Edit", "Linear_coef"},
          Table {RegisterUnitsTexts, 2, "Tension_daN", "Tension_N"},
          Table {RegisterSaveProjectTexts, 3, "Save_changes", "Dont_save"},
          Table {RegisterStringingTexts, 40, "Stringing_tables", "Print_table"},
          Table {RegisterResultsTexts, 83, "View", "Res_file_not_written"},
          Table {RegisterDesktopTexts, 31, "Insert_span", "Undo_sections"},
          Table {RegisterProfileTexts, 70, "Line_profile", "Profile_conditions"}}) {
        const std::vector<std::string> keys = BuildTextTable(t.registerTexts).Keys();
        ASSERT_EQ(keys.size(), t.count) << t.first;
        EXPECT_EQ(keys.front(), t.first);
        EXPECT_EQ(keys.back(), t.last);
    }
}

TEST_F(TextsTest, EveryEntryHasAnEnglishAndARussianPart)
{
    const TextTable table = BuildTextTable(RegisterAllTexts);
    const std::vector<std::string> keys = table.Keys();
    EXPECT_EQ(keys.size(),
              68u + 56 + 12 + 16 + 6 + 2 + 3 + 40 + 83 + 31 + 70); // no key is registered twice
    for (const std::string &key : keys) {
        const std::string en = table.Get(key, Lang::English);
        const std::string ru = table.Get(key, Lang::Russian);
        EXPECT_FALSE(en.empty()) << key;
        EXPECT_FALSE(ru.empty()) << key;
        EXPECT_NE(en, ru) << key;
    }
}

// The program's table holds every window's entries and the wait window's title.
TEST_F(TextsTest, TheProgramsTableHoldsEveryTable)
{
    EXPECT_EQ(ProgramTexts().Keys().size(), BuildTextTable(RegisterAllTexts).Keys().size() + 1);
    EXPECT_EQ(En("Wait"), "Wait...");
    EXPECT_EQ(Ru("Wait"), "Ждите...");
    EXPECT_EQ(Ru("Profile_forbidden_tip"),
              BuildTextTable(RegisterProfileTexts).Get("Profile_forbidden_tip", Lang::Russian));
    // An AddText outside a build changes no table.
    AddText("Wait", "Changed;Изменено");
    EXPECT_EQ(En("Wait"), "Wait...");
}

TEST_F(TextsTest, TextsKeepBreaksBlanksAndSpellings)
{
    EXPECT_EQ(En("Climatic_param_title"),
              "Climatic parameters specification.\r\nReliability coefficients");
    EXPECT_EQ(Ru("Sect_area_"), "\r\nСечение,\r\nмм²");
    EXPECT_EQ(En("Sect_area_"), "Sectional\r\narea,\r\nmm²");
    EXPECT_EQ(Ru("vert_scale"), "Масштаб вертикальный ");
    EXPECT_EQ(En("Max_tension_aver_temp"), "Max. tension (at average annual temperature): ");
    EXPECT_EQ(Ru("Max_tension_aver_temp"), "Макс. напряжение (при среднегодовой температуре): ");
    EXPECT_EQ(En("do"), " ");
    EXPECT_EQ(Ru("do"), "до");
    EXPECT_EQ(Ru("dimensional_modes"), "\"габаритных\" режимов (2, 7)");
    EXPECT_EQ(En("loads_are_lower_standard"), "The loads are lower than standard ones, contunue?");
    EXPECT_EQ(En("Attachmnet_height"), "Attachmnet height of the lower wire, m");
    EXPECT_EQ(Ru("At_max_temp"), "При максимальной темпепратуре (режим 7)");
    EXPECT_EQ(En("600_spans"),
              "One calculation should not be performed for more than 600 researched spans.");
    EXPECT_EQ(Ru("600_spans"), "Один расчёт - не более 600 исследуемых пролётов.");
    EXPECT_EQ(En("Tension_daN"),
              "Tension, daN/мм2.   Stress, daN.   Modulus of elasticity, daN/mm2.");
    EXPECT_EQ(Ru("Tension_N"), "Напряжения, Н/мм2.   Тяжения, кН.   Модуль упругости, кН/мм2.");
    EXPECT_EQ(En("Error_data_entry"), "Error data entry");
    EXPECT_EQ(Ru("Input_wire"),
              "Введите данный провод, трос, кабель в справочник и перезагрузите программу");
    EXPECT_EQ(Ru("Help"), "Помощь");
    EXPECT_EQ(En("Check_files"), "Check the file");
    EXPECT_EQ(Ru("Port_to_AutoCad"), "Вывод в CAD...");
    EXPECT_EQ(En("Linear_coef_"), "Linear thermal\r\nexpansion\r\ncoefficient, 1/K");
}

} // namespace
} // namespace velmora
