// A fresh install: the catalogue shipped beside the program is copied into an empty data
// folder, and a new project calculates at once with the wire it names.
#include "calc/driver.h"
#include "calc/project_args.h"
#include "catalogue/catalogue.h"
#include "common/error.h"
#include "common/fileio.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace velmora {
namespace {

class ShippedCatalogueCalc : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!FileExists(std::string(VELMORA_APP_DIR) + "/base_provod.dat"))
            GTEST_SKIP() << "base_provod.dat is not built";
        OpenCatalogue(catalogue, data.Path(), VELMORA_APP_DIR);
    }
    TempFolder data;
    TWiresList catalogue;
};

TEST_F(ShippedCatalogueCalc, NewProjectCalculatesAtOnce)
{
    const TProject project;
    const TWireRec wire = catalogue.FindByName(project.Dat.Provod);
    ASSERT_FALSE(wire.Name.empty()) << project.Dat.Provod;

    CalcRun run;
    ASSERT_EQ(CalcProject(project, wire, CalcPurpose::Full, CalcArgsOf(project.Dat, wire),
                          Lang::English, run),
              CalcOutcome::Done);
    ASSERT_TRUE(run.calculated);
    EXPECT_EQ(run.wire.Name, project.Dat.Provod);
    for (int mode : run.takenModes)
        for (double stress : run.stress[static_cast<std::size_t>(mode - 1)])
            EXPECT_TRUE(std::isfinite(stress) && stress > 0) << "mode " << mode;
}

// Every shipped wire goes through a new project's climate and spans: the run ends in results
// or in a critical-span warning, never in an arithmetic error.
TEST_F(ShippedCatalogueCalc, EveryWireCalculatesInANewProject)
{
    ASSERT_GT(catalogue.Count(), 1);
    for (int i = 0; i < catalogue.Count(); ++i) {
        TProject project;
        const TWireRec wire = catalogue.GetWire(i);
        project.Dat.Provod = wire.Name;
        SCOPED_TRACE(project.Dat.Provod);
        CalcRun run;
        try {
            const CalcOutcome outcome
                = CalcProject(project, wire, CalcPurpose::Full, CalcArgsOf(project.Dat, wire),
                              Lang::English, run);
            EXPECT_TRUE(outcome == CalcOutcome::Done ? run.calculated
                                                     : outcome == CalcOutcome::CheckFailed);
        } catch (const Error &e) {
            ADD_FAILURE() << e.what();
        }
    }
}

} // namespace
} // namespace velmora
