#include "fake_settings.h"
#include "l10n/localization.h"
#include "l10n/units.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

const char *const RussianSystem = "Русский (Россия)";
const char *const EnglishSystem = "English (United States)";

class LocalizationTest : public ::testing::Test
{
protected:
    FakeSettingsStore store;
    ScopedSettingsStore scope {store};

    void TearDown() override
    {
        ReleaseTexts();
        SetLanguage(0);
    }
};

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

TEST_F(LocalizationTest, FirstStartIsRussianOnEverySystemAndStoresTheLanguage)
{
    for (const char *system : {RussianSystem, EnglishSystem}) {
        store.texts.clear();
        InitLocalization(system);
        EXPECT_FALSE(IsEnglish()) << system;
        EXPECT_EQ(Language(), 1);
        EXPECT_EQ(store.Text("Language"), "1");
        EXPECT_EQ(store.Text("Units"), "0");
    }
}

TEST_F(LocalizationTest, StoredLanguageCases)
{
    struct Case
    {
        const char *stored;
        bool english;
        const char *writtenBack;
    };
    for (const Case &c : {Case {"0", true, "0"}, Case {"x", false, "1"}, Case {"7", false, "7"},
                          Case {"1", false, "1"}}) {
        store.SetText("Language", c.stored);
        InitLocalization(EnglishSystem);
        EXPECT_EQ(IsEnglish(), c.english) << c.stored;
        EXPECT_EQ(store.Text("Language"), c.writtenBack) << c.stored;
    }
    // "7" reads the Russian texts.
    store.SetText("Language", "7");
    InitLocalization(EnglishSystem);
    EXPECT_EQ(Language(), 1);
    EXPECT_EQ(GetText("Wait"), "Ждите...");
}

TEST_F(LocalizationTest, ValueOfAnotherTypeKeepsTheSystemLanguage)
{
    store.SetOtherType("Language");
    InitLocalization(EnglishSystem);
    EXPECT_TRUE(IsEnglish());
    EXPECT_EQ(store.Text("Language"), "0");

    store.SetOtherType("Language");
    InitLocalization(RussianSystem);
    EXPECT_FALSE(IsEnglish());
}

TEST_F(LocalizationTest, WithoutStoreReadsAreAbsentAndWritesDoNothing)
{
    SetSettingsStore(nullptr);
    InitLocalization(EnglishSystem);
    EXPECT_FALSE(IsEnglish());
    EXPECT_EQ(ReadUnits(), 0);
    SetUnits(1);
    EXPECT_EQ(StressFactor(), 10.0);
    EXPECT_TRUE(store.texts.empty());
    SetUnits(0);
}

TEST_F(LocalizationTest, RefusedWriteThrowsAndKeepsTheLanguageInMemory)
{
    InitLocalization(EnglishSystem);
    store.failWrites = true;
    try {
        SetLanguage(0);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'Language'");
    }
    EXPECT_TRUE(IsEnglish());
    store.failWrites = false;
}

TEST_F(LocalizationTest, InitRegistersOnlyTheWaitEntry)
{
    InitLocalization(EnglishSystem);
    SetLanguage(0);
    EXPECT_EQ(GetText("Wait"), "Wait...");
    EXPECT_EQ(GetText("Project"), "");
}

TEST_F(LocalizationTest, GetTextPicksTheLanguageAndIgnoresKeyCase)
{
    InitLocalization(EnglishSystem);
    AddText("quit_the_program", "Are you sure?;Вы уверены?");
    SetLanguage(0);
    EXPECT_EQ(GetText("QUIT_THE_PROGRAM"), "Are you sure?");
    EXPECT_EQ(GetText("Quit_The_Program"), "Are you sure?");
    SetLanguage(1);
    EXPECT_EQ(GetText("quit_the_program"), "Вы уверены?");
    EXPECT_EQ(GetText("never_registered"), "");
    SetLanguage(0);
    EXPECT_EQ(GetText("never_registered"), "");
}

TEST_F(LocalizationTest, AddTextReplacesWhateverTheCaseAndEmptyTextRemoves)
{
    InitLocalization(EnglishSystem);
    SetLanguage(1);
    AddText("Help", "Help;Помощь");
    AddText("HELP", "Help;Справка");
    EXPECT_EQ(GetText("help"), "Справка");
    AddText("help", "");
    EXPECT_EQ(GetText("Help"), "");
}

TEST_F(LocalizationTest, ReleaseEmptiesTheTable)
{
    InitLocalization(EnglishSystem);
    ReleaseTexts();
    EXPECT_EQ(GetText("Wait"), "");
}

} // namespace
} // namespace velmora
