#include "catalogue/catalogue.h"
#include "catalogue/groups.h"

#include "common/error.h"
#include "common/fileio.h"
#include "l10n/localization.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace velmora;

namespace {

void WriteCatalogue(const std::string &path, std::initializer_list<TWireRec> wires)
{
    TWiresList list;
    for (const auto &w : wires)
        list.Add(w);
    list.SaveToFile(path);
}

const TWireRec kApc {7, "АПС35/6.2", 8.4, 43, 0.148, 8250, 1.9e-5};
const TWireRec kAc {1, "АС 50/8", 9.6, 56.24, 0.195, 8250, 1.92e-5};

} // namespace

TEST(OpenCatalogue, FirstStartCopiesTheShippedFileOnceAndSortsByName)
{
    TempFolder common, app;
    TWiresList list;
    WriteCatalogue(app.File("base_provod.dat"),
                   {kApc, kAc, TWireRec {5, "ТК-50", 9.1, 48.6, 0.417, 18500, 1.2e-5}});

    OpenCatalogue(list, common.Path() + "/deep/er", app.Path());
    const std::string dataFile = common.Path() + "/deep/er/Orbelan/Tarnvik/base_provod.dat";
    EXPECT_EQ(list.FileName(), dataFile);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.GetWire(0).Name, "АПС35/6.2");
    EXPECT_EQ(list.GetWire(1).Name, "АС 50/8");
    EXPECT_EQ(list.FindByName("АПС35/6.2"), kApc);
    EXPECT_EQ(list.FindByName("апс35/6.2"), TWireRec {});
    EXPECT_EQ(list.FindByName("АПС35/6.2 "), TWireRec {});

    // A later start reads the data folder's copy even when the shipped file has changed.
    WriteCatalogue(app.File("base_provod.dat"), {kAc});
    OpenCatalogue(list, common.Path() + "/deep/er/", app.Path() + "/");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.FindByName("ТК-50").Group, 5);
}

TEST(OpenCatalogue, WithoutAnyFileTheDataFolderGetsAnEmptyCatalogue)
{
    TempFolder common, app;
    TWiresList list;
    OpenCatalogue(list, common.Path(), app.Path());
    const std::string dataFile = CatalogueDataDir(common.Path()) + "base_provod.dat";
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(FileExists(dataFile));
    EXPECT_EQ(ReadFileBytes(dataFile), "");

    // Wires added during the run are saved there, and the next start finds them.
    list.Add(kApc);
    list.SaveToFile(list.FileName());
    WriteCatalogue(app.File("base_provod.dat"), {kAc});
    OpenCatalogue(list, common.Path(), app.Path());
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.GetWire(0), kApc);
}

TEST(OpenCatalogue, AnUnreadableDataFolderIsReported)
{
    TempFolder common, app;
    TWiresList list;
    // A plain file where the folder chain should go.
    WriteFileAtomically(common.File("Orbelan"), "x");
    EXPECT_THROW(OpenCatalogue(list, common.Path(), app.Path()), Error);
}

TEST(ShippedCatalogue, ReadSortedByNameOrRefusedNamingTheFile)
{
    TempFolder app;
    const TWireRec tk {5, "ТК-50", 9.1, 48.6, 0.417, 18500, 1.2e-5};
    WriteCatalogue(app.File("base_provod.dat"), {tk, kAc, kApc});
    const std::vector<TWireRec> shipped = ReadShippedCatalogue(app.Path());
    ASSERT_EQ(shipped.size(), 3u);
    EXPECT_EQ(shipped[0], kApc);
    EXPECT_EQ(shipped[1], kAc);
    EXPECT_EQ(shipped[2], tk);

    TempFolder empty;
    try {
        ReadShippedCatalogue(empty.Path() + "/");
        ADD_FAILURE();
    } catch (const Error &e) {
        EXPECT_NE(std::string(e.what()).find(empty.Path() + "/base_provod.dat"), std::string::npos)
            << e.what();
    }
}

TEST(OpenCatalogue, DataFolderPath)
{
    EXPECT_EQ(CatalogueDataDir("/var/lib"), "/var/lib/Orbelan/Tarnvik/");
    EXPECT_EQ(CatalogueDataDir("/var/lib/"), "/var/lib/Orbelan/Tarnvik/");
    EXPECT_EQ(CatalogueDataDir(""), "Orbelan/Tarnvik/");
}

TEST(GroupName, BothLanguagesAndOutOfRange)
{
    EXPECT_EQ(GroupName(0, Lang::English), "Reference fully");
    EXPECT_EQ(GroupName(1, Lang::English), "Wires according to National Standard 839-80*Е");
    EXPECT_EQ(GroupName(3, Lang::English), "Wires according to Technical Conditions 16-707.183-81");
    EXPECT_EQ(GroupName(7, Lang::English), "Others");
    EXPECT_EQ(GroupName(0, Lang::Russian), "Справочник полностью");
    EXPECT_EQ(GroupName(2, Lang::Russian), "Провода ТУ 3511-001-40914170-2012");
    EXPECT_EQ(GroupName(3, Lang::Russian), "Провода ТУ 16-705.183-81");
    EXPECT_EQ(GroupName(6, Lang::Russian), "Самонесущие оптоволоконные кабели");
    EXPECT_EQ(GroupName(-1, Lang::Russian), "");
    EXPECT_EQ(GroupName(8, Lang::English), "");
    // The "Е" of group 1 is the Cyrillic letter in both languages.
    EXPECT_EQ(GroupName(1, Lang::English).substr(GroupName(1, Lang::English).size() - 2),
              "\xD0\x95");
    EXPECT_EQ(GroupName(1, Lang::Russian).substr(GroupName(1, Lang::Russian).size() - 2),
              "\xD0\x95");
}
