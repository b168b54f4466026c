#include "calc/driver.h"
#include "worked_example.h"

#include "common/error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace velmora {
namespace {

// Values that break arithmetic: zeros, signs, extremes, non-finite numbers.
double Nasty(std::mt19937_64 &rng, double typical)
{
    static const double specials[] = {0.0,
                                      -0.0,
                                      1E-300,
                                      -1E-300,
                                      1E300,
                                      -1E300,
                                      std::numeric_limits<double>::infinity(),
                                      -std::numeric_limits<double>::infinity(),
                                      std::numeric_limits<double>::quiet_NaN(),
                                      std::numeric_limits<double>::denorm_min()};
    std::uniform_int_distribution<int> pick(0, 9);
    const int choice = pick(rng);
    if (choice < 6)
        return typical * std::uniform_real_distribution<double>(-2, 3)(rng);
    return specials[std::uniform_int_distribution<std::size_t>(0, std::size(specials) - 1)(rng)];
}

// Every input either gives finite results or ends with velmora::Error; none hangs.
TEST(CalcProjectRobustness, DisturbedInputsEndWithResultsOrAnError)
{
    std::mt19937_64 rng(20261210);
    int calculated = 0;
    for (int round = 0; round < 3000; ++round) {
        TProject project;
        TWireRec wire = test::ExampleWire();
        CalcArgs args = test::ExampleArgs();
        double *fields[]
            = {&args.T_Gsw,         &args.T_Min,        &args.T_Srg,   &args.Vgol, &args.VMax,
               &args.Tols,          &args.NaprSrg,      &args.NaprMax, &args.Max,  &args.Step,
               &wire.Diam,          &wire.Sech,         &wire.PNag,    &wire.Modl, &wire.Koef,
               &project.Koef.V_Otv, &project.Koef.G_Usl};
        // disturb one to three fields
        const int count = std::uniform_int_distribution<int>(1, 3)(rng);
        for (int k = 0; k < count; ++k) {
            double *field
                = fields[std::uniform_int_distribution<std::size_t>(0, std::size(fields) - 1)(rng)];
            *field = Nasty(rng, *field);
        }
        project.Koef.VisotaPC = std::uniform_int_distribution<int>(-10, 400)(rng);
        CalcRun run;
        try {
            if (CalcProject(project, wire, CalcPurpose::Full, args, Lang::English, run)
                    != CalcOutcome::Done
                || !run.calculated)
                continue;
        } catch (const Error &) {
            continue;
        }
        ++calculated;
        for (int mode : run.takenModes) {
            for (std::size_t i = 0; i < run.spans.size(); ++i) {
                ASSERT_TRUE(std::isfinite(run.stress[mode - 1][i])) << "round " << round;
                ASSERT_TRUE(std::isfinite(run.sag[mode - 1][i])) << "round " << round;
            }
        }
    }
    EXPECT_GT(calculated, 100); // the disturbances leave many runs that go through
}

} // namespace
} // namespace velmora
