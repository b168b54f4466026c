#include "calc/stringing.h"

#include "calc/arith.h"
#include "calc/governing.h"
#include "calc/solver.h"
#include "common/error.h"

#include <cmath>

namespace velmora {

double ReducedSpan(std::span<const double> spans)
{
    if (spans.empty())
        throw Error("The reduced span needs at least one span");
    double cubes = 0;
    double sum = 0;
    for (double l : spans) {
        cubes += l * l * l;
        sum += l;
    }
    CheckDivisor(sum, "the spans add up to 0");
    return CheckedValue(std::sqrt(cubes / sum), "the reduced span");
}

CalcOutcome CalcStringingBasis(const TProject &project, const TWireRec &wire, const CalcArgs &args,
                               Lang language, CalcRun &run)
{
    // Two spans are the fewest for which a calculation computes the loads and the critical
    // spans; with no design mode taken it solves nothing for them.
    TProject basis;
    basis.Koef = project.Koef;
    basis.Dat = project.Dat;
    basis.Dat.RegimeFlags.fill(false);
    CalcArgs twoSpans = args;
    twoSpans.Min = 1;
    twoSpans.Max = 2;
    twoSpans.Step = 1;
    return CalcProject(basis, wire, CalcPurpose::Full, twoSpans, language, run);
}

StringingTable CalcStringing(const CalcRun &run, const CalcArgs &args, const TSection &section,
                             Lang language)
{
    if (!run.calculated)
        throw Error("The stringing tables need a calculation of the loads and critical spans");
    CheckSection(section, language);

    StringingTable table;
    const double lr = ReducedSpan(section.Spans);
    table.reducedSpan = lr;
    table.state = GoverningState(run.l1, run.l2, run.l3, InitialStatesOf(run, args), lr);

    const InitialValues init = InitialOf(table.state, args, run.loads);
    const double g1 = run.loads.g1;
    table.temperatures = StringingTemperatures(section);
    const std::size_t count = table.temperatures.size();
    std::vector<double> A(count), B(count);
    for (std::size_t k = 0; k < count; ++k) {
        const StateEquation eq
            = ChangeOfStateEquation(init.sigma0, init.gamma0, init.t0, table.temperatures[k], g1,
                                    lr, run.wire.Modl, run.wire.Koef);
        A[k] = eq.A;
        B[k] = eq.B;
    }
    table.stress.resize(count);
    SolveStates(A, B, table.stress);

    table.tension.resize(count);
    table.sagReduced.resize(count);
    for (std::size_t k = 0; k < count; ++k) {
        table.tension[k] = CheckedValue(table.stress[k] * run.wire.Sech, "the tensile force");
        table.sagReduced[k] = SagAt(g1, lr, table.stress[k]);
    }
    table.sags.assign(section.Spans.size(), std::vector<double>(count));
    for (std::size_t i = 0; i < section.Spans.size(); ++i) {
        for (std::size_t k = 0; k < count; ++k)
            table.sags[i][k] = SagAt(g1, section.Spans[i], table.stress[k]);
    }
    for (int mode = 1; mode <= LastLimitedMode; ++mode) {
        const DesignMode &m = run.modes[static_cast<std::size_t>(mode - 1)];
        const StateEquation eq
            = ChangeOfStateEquation(init.sigma0, init.gamma0, init.t0, m.temperature, m.load, lr,
                                    run.wire.Modl, run.wire.Koef);
        const double sigma = SolveState(eq.A, eq.B);
        const double limit = ModeStressLimit(mode, args.NaprMax, args.NaprSrg);
        if (sigma > limit + StressLimitTolerance)
            table.overLimits.push_back({mode, lr, sigma, limit});
    }
    return table;
}

} // namespace velmora
