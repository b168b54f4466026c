#include "calc/driver.h"

#include "calc/arith.h"
#include "calc/coefficients.h"
#include "calc/governing.h"
#include "common/error.h"

#include <cmath>
#include <string>
#include <utility>

namespace velmora {

InitialValues InitialOf(InitialState state, const CalcArgs &args, const LoadSet &loads)
{
    switch (state) {
    case StateAvgTemp:
        return {args.NaprSrg, args.T_Srg, loads.g1};
    case StateMinTemp:
        return {args.NaprMax, args.T_Min, loads.g1};
    default:
        return {args.NaprMax, args.T_Gsw, loads.gmax};
    }
}

namespace {

bool ModeIsTaken(const TProject &project, CalcPurpose purpose, int templateMode, int mode)
{
    if (purpose == CalcPurpose::Full)
        return project.Dat.RegimeFlags[mode - 1];
    return mode == templateMode;
}

// Loads, design modes and critical spans (steps 7 and 8 of a run).
void CalcLoadsAndModes(const TProject &project, const CalcArgs &args, CalcRun &run)
{
    const TWireRec &wire = run.wire;
    run.Kw = WindHeightCoef(project.Koef);
    run.Cx = DragCoef(args.VMax, args.Vgol, run.b, wire.Diam);
    LoadInput in;
    in.Vgol = args.Vgol;
    in.VMax = args.VMax;
    in.Cx = run.Cx;
    in.alphaWMax = WindUnevenCoef(args.VMax);
    in.F_mm2 = wire.Sech;
    in.d_mm = wire.Diam;
    in.b_mm = run.b;
    in.P1_daN_per_m = wire.PNag;
    run.loads = CalcLoads(project.Koef, in);
    run.modes = DesignModes(args, run.loads, run.b, run.Kw);
}

void CalcSpans(const CalcArgs &args, CalcRun &run)
{
    run.spans.assign(run.n + 1, 0.0);
    run.spans[0] = run.l2;
    for (int i = 1; i <= run.n; ++i)
        run.spans[i] = CheckedValue(args.Min + (i - 1) * args.Step, "the spans");
    run.state.resize(run.spans.size());
    const InitialStates states = InitialStatesOf(run, args);
    for (std::size_t i = 0; i < run.spans.size(); ++i)
        run.state[i] = GoverningState(run.l1, run.l2, run.l3, states, run.spans[i]);
}

// Every span of one mode: the equations first, then the bisections side by side.
void CalcMode(const CalcArgs &args, CalcRun &run, int mode)
{
    const DesignMode &m = run.modes[mode - 1];
    std::vector<std::size_t> governed;
    std::vector<double> A, B;
    for (std::size_t i = 0; i < run.spans.size(); ++i) {
        const InitialValues init = InitialOf(run.state[i], args, run.loads);
        const StateEquation eq
            = ChangeOfStateEquation(init.sigma0, init.gamma0, init.t0, m.temperature, m.load,
                                    run.spans[i], run.wire.Modl, run.wire.Koef);
        governed.push_back(i);
        A.push_back(eq.A);
        B.push_back(eq.B);
    }
    std::vector<double> sigma(governed.size());
    SolveStates(A, B, sigma);
    std::vector<double> &stress = run.stress[mode - 1];
    std::vector<double> &sag = run.sag[mode - 1];
    for (std::size_t g = 0; g < governed.size(); ++g) {
        const std::size_t i = governed[g];
        stress[i] = sigma[g];
        sag[i] = SagAt(m.load, run.spans[i], sigma[g]);
    }
}

} // namespace

InitialStates InitialStatesOf(const CalcRun &run, const CalcArgs &args)
{
    InitialStates states;
    states.sigmaMax = args.NaprMax;
    states.sigmaAvg = args.NaprSrg;
    states.T_Srg = args.T_Srg;
    states.T_Min = args.T_Min;
    states.T_Gsw = args.T_Gsw;
    states.g1 = run.loads.g1;
    states.gmax = run.loads.gmax;
    states.E = run.wire.Modl;
    states.alpha = run.wire.Koef;
    return states;
}

int SpanCount(double min, double max, double step)
{
    return static_cast<int>(std::trunc((max - min) / step)) + 1;
}

std::string SpanRangeRefusal(double min, double max, double step, Lang lang)
{
    if (step <= 0)
        return CoreText("Step_not_positive", lang);
    if (min > max)
        return CoreText("Min_above_max", lang);
    if ((max - min) / step > MaxSpanSteps)
        return CoreText("600_spans", lang);
    return {};
}

void CheckCalcArgs(const CalcArgs &a, Lang lang)
{
    const std::pair<const char *, double> values[] = {
        {"T_Gsw", a.T_Gsw},  {"T_Gbw", a.T_Gbw},      {"Tvmax", a.Tvmax},      {"T_Min", a.T_Min},
        {"T_Max", a.T_Max},  {"T_Srg", a.T_Srg},      {"Vgol", a.Vgol},        {"VMax", a.VMax},
        {"Tols", a.Tols},    {"Napr_srg", a.NaprSrg}, {"Napr_Max", a.NaprMax}, {"Min_Prol", a.Min},
        {"Max_Prol", a.Max}, {"Shag", a.Step}};
    for (const auto &[name, value] : values) {
        if (!std::isfinite(value))
            throw Error(std::string(name) + " " + CoreText("not_finite", lang));
    }
    const std::string refusal = SpanRangeRefusal(a.Min, a.Max, a.Step, lang);
    if (!refusal.empty())
        throw Error(refusal);
}

CalcOutcome CalcProject(const TProject &project, const TWireRec &wire, CalcPurpose purpose,
                        const CalcArgs &args, Lang lang, CalcRun &run, int templateMode)
{
    if (purpose == CalcPurpose::Template && (templateMode < 1 || templateMode > DesignModeCount))
        throw Error("The template's design mode must be 1 to 17, not "
                    + std::to_string(templateMode));
    CheckCalcArgs(args, lang);

    run = CalcRun {};
    run.wire = wire;
    run.Ki = IceHeightCoef(project.Koef);
    run.Kd = IceDiamCoef(project.Koef, wire.Diam);
    run.b = CheckedValue(args.Tols * run.Ki * run.Kd, "the refined ice wall thickness");

    run.n = SpanCount(args.Min, args.Max, args.Step);
    for (auto &table : run.stress)
        table.assign(run.n + 1, 0.0);
    for (auto &table : run.sag)
        table.assign(run.n + 1, 0.0);
    if (run.n <= 1)
        return CalcOutcome::Done;

    CalcLoadsAndModes(project, args, run);
    CheckDivisor(run.wire.Modl, "the wire's modulus of elasticity is 0");
    const double beta = 1 / run.wire.Modl;
    const CriticalSpans critical
        = CalcCriticalSpans(run.wire.Koef, beta, run.loads.gmax, run.loads.g1, args.T_Gsw,
                            args.T_Min, args.T_Srg, args.NaprMax, args.NaprSrg, lang);
    if (!critical.ok) {
        run.warning = critical.warning;
        return CalcOutcome::CheckFailed;
    }
    run.l1 = critical.l1;
    run.l2 = critical.l2;
    run.l3 = critical.l3;
    CalcSpans(args, run);
    run.calculated = true;

    for (int mode = 1; mode <= DesignModeCount; ++mode) {
        if (!ModeIsTaken(project, purpose, templateMode, mode))
            continue;
        run.takenModes.push_back(mode);
        CalcMode(args, run, mode);
    }

    if (purpose == CalcPurpose::Template) {
        run.TemplateGamma = run.modes[templateMode - 1].load;
        run.TemplateNapr = run.stress[templateMode - 1][run.n];
    }
    return CalcOutcome::Done;
}

} // namespace velmora
