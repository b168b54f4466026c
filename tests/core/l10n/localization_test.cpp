#include "fake_settings.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

const char *const RussianSystem = "Русский (Россия)";
const char *const EnglishSystem = "English (United States)";

TEST(SplitStringTest, FieldsAreMaximalNonEmptyRuns)
{
    using List = std::vector<std::string>;
    EXPECT_EQ(SplitString("a;;b", ';'), (List {"a", "b"}));
    EXPECT_EQ(SplitString(";a;b;", ';'), (List {"a", "b"}));
    EXPECT_EQ(SplitString(";;;", ';'), List {});
    EXPECT_EQ(SplitString("", ';'), List {});
    EXPECT_EQ(SplitString("one", ';'), List {"one"});
    EXPECT_EQ(SplitString(" ;до", ';'), (List {" ", "до"}));
    EXPECT_EQ(SplitString("4,5;;600", ';'), (List {"4,5", "600"}));
    EXPECT_EQ(SplitString("a b", ' '), (List {"a", "b"}));
}

TEST(StartSettingsTest, FirstStartIsRussianOnEverySystemAndStoresTheLanguage)
{
    for (const char *system : {RussianSystem, EnglishSystem}) {
        FakeSettingsStore store;
        const StartSettings settings = ReadStartSettings(store, system);
        EXPECT_EQ(settings.language, 1) << system;
        EXPECT_EQ(LangOf(settings.language), Lang::Russian);
        EXPECT_EQ(store.Text("Language"), "1");
        EXPECT_EQ(store.Text("Units"), "0");
    }
}

TEST(StartSettingsTest, StoredLanguageCases)
{
    struct Case
    {
        const char *stored;
        bool english;
        const char *writtenBack;
    };
    for (const Case &c : {Case {"0", true, "0"}, Case {"x", false, "1"}, Case {"7", false, "7"},
                          Case {"1", false, "1"}}) {
        FakeSettingsStore store;
        store.SetText("Language", c.stored);
        const StartSettings settings = ReadStartSettings(store, EnglishSystem);
        EXPECT_EQ(LangOf(settings.language) == Lang::English, c.english) << c.stored;
        EXPECT_EQ(store.Text("Language"), c.writtenBack) << c.stored;
    }
    // "7" reads the Russian texts.
    EXPECT_EQ(GetText("Wait", LangOf(7)), "Ждите...");
}

TEST(StartSettingsTest, ValueOfAnotherTypeKeepsTheSystemLanguage)
{
    FakeSettingsStore store;
    store.SetOtherType("Language");
    EXPECT_EQ(LangOf(ReadStartSettings(store, EnglishSystem).language), Lang::English);
    EXPECT_EQ(store.Text("Language"), "0");

    store.SetOtherType("Language");
    EXPECT_EQ(LangOf(ReadStartSettings(store, RussianSystem).language), Lang::Russian);
}

TEST(StartSettingsTest, RefusedWriteThrowsTheStoresError)
{
    FakeSettingsStore store;
    store.failWrites = true;
    try {
        ReadStartSettings(store, EnglishSystem);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'Language'");
    }
    try {
        StoreLanguage(store, 0);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'Language'");
    }
}

TEST(TextTableTest, GetPicksTheLanguageAndIgnoresKeyCase)
{
    TextTable table;
    table.Add("quit_the_program", "Are you sure?;Вы уверены?");
    EXPECT_EQ(table.Get("QUIT_THE_PROGRAM", Lang::English), "Are you sure?");
    EXPECT_EQ(table.Get("Quit_The_Program", Lang::English), "Are you sure?");
    EXPECT_EQ(table.Get("quit_the_program", Lang::Russian), "Вы уверены?");
    EXPECT_EQ(table.Get("never_registered", Lang::Russian), "");
    EXPECT_EQ(table.Get("never_registered", Lang::English), "");
    EXPECT_EQ(GetText("never_registered", Lang::English), "");
}

TEST(TextTableTest, AddReplacesWhateverTheCaseAndEmptyTextRemoves)
{
    TextTable table;
    table.Add("Help", "Help;Помощь");
    table.Add("HELP", "Help;Справка");
    EXPECT_EQ(table.Get("help", Lang::Russian), "Справка");
    EXPECT_EQ(table.Keys(), std::vector<std::string> {"Help"});
    table.Add("help", "");
    EXPECT_EQ(table.Get("Help", Lang::Russian), "");
    EXPECT_TRUE(table.Keys().empty());
}

TEST(TextTableTest, BuildCollectsTheAddTextsOfItsFunctionOnly)
{
    const TextTable table = BuildTextTable([] {
        AddText("One", "One;Один");
        // A nested build keeps its entries to itself.
        const TextTable inner = BuildTextTable([] { AddText("Two", "Two;Два"); });
        EXPECT_EQ(inner.Keys(), std::vector<std::string> {"Two"});
        AddText("Three", "Three;Три");
    });
    EXPECT_EQ(table.Keys(), (std::vector<std::string> {"One", "Three"}));
}

} // namespace
} // namespace velmora
