#include "calc/results.h"

#include "calc/governing.h"

#include <algorithm>

namespace velmora {

namespace {

std::optional<double> RealSpan(double span)
{
    if (IsImaginarySpan(span))
        return std::nullopt;
    return span;
}

// The spans of the range (entry 0, l2, is not one of them) in runs of one state.
std::vector<StateRange> StateRanges(const std::vector<double> &spans,
                                    const std::vector<InitialState> &state)
{
    std::vector<StateRange> ranges;
    for (std::size_t i = 1; i < spans.size() && i < state.size(); ++i) {
        if (!ranges.empty() && ranges.back().state == state[i])
            ranges.back().to_m = spans[i];
        else
            ranges.push_back({spans[i], spans[i], state[i]});
    }
    return ranges;
}

ModeResults ModeResultsOf(const CalcRun &run, int mode)
{
    ModeResults m;
    m.mode = mode;
    m.conditions = run.modes[mode - 1];
    m.stress = run.stress[mode - 1];
    m.sag = run.sag[mode - 1];
    m.force.resize(m.stress.size());
    std::transform(m.stress.begin(), m.stress.end(), m.force.begin(),
                   [&](double sigma) { return sigma * run.wire.Sech; });
    return m;
}

std::vector<OverLimit> OverLimitsOf(const CalcResults &r)
{
    std::vector<OverLimit> over;
    for (const ModeResults &m : r.taken) {
        if (m.mode > LastLimitedMode)
            continue;
        const double limit = ModeStressLimit(m.mode, r.sigmaMax, r.sigmaAvg);
        for (std::size_t i = 1; i < m.stress.size() && i < r.spans.size(); ++i) {
            if (m.stress[i] > limit + StressLimitTolerance)
                over.push_back({m.mode, r.spans[i], m.stress[i], limit});
        }
    }
    return over;
}

} // namespace

const ModeResults *CalcResults::Mode(int mode) const
{
    const auto it = std::find_if(taken.begin(), taken.end(),
                                 [mode](const ModeResults &m) { return m.mode == mode; });
    return it == taken.end() ? nullptr : &*it;
}

std::vector<double> CalcResults::CriticalSpansInRange() const
{
    std::vector<double> inRange;
    if (spans.size() < 2)
        return inRange;
    const double first = spans[1];
    const double last = spans.back();
    for (const std::optional<double> &span : {l1, std::optional<double>(l2), l3}) {
        if (span && *span >= first && *span <= last)
            inRange.push_back(*span);
    }
    return inRange;
}

CalcResults ResultsOf(const CalcRun &run, CalcOutcome outcome, const CalcArgs &args)
{
    CalcResults r;
    r.wire = run.wire;
    r.Ki = run.Ki;
    r.Kd = run.Kd;
    r.b = run.b;
    r.sigmaMax = args.NaprMax;
    r.sigmaAvg = args.NaprSrg;
    if (outcome == CalcOutcome::CheckFailed) {
        r.status = ResultsStatus::CheckFailed;
        r.failure = run.warning;
        return r;
    }
    if (outcome != CalcOutcome::Done || !run.calculated) {
        r.status = ResultsStatus::TooFewSpans;
        return r;
    }
    r.status = ResultsStatus::Calculated;
    r.Kw = run.Kw;
    r.Cx = run.Cx;
    r.loads = run.loads;
    r.modes = run.modes;
    r.l1 = RealSpan(run.l1);
    r.l2 = run.l2;
    r.l3 = RealSpan(run.l3);
    r.order = CriticalSpanOrder(run.l1, run.l2, run.l3);
    r.spans = run.spans;
    r.state = run.state;
    r.ranges = StateRanges(run.spans, run.state);
    r.taken.reserve(run.takenModes.size());
    std::vector<int> modes = run.takenModes;
    std::sort(modes.begin(), modes.end());
    for (int mode : modes)
        r.taken.push_back(ModeResultsOf(run, mode));
    r.overLimits = OverLimitsOf(r);
    return r;
}

CalcResults CalculateResults(const TProject &project, const TWireRec &wire, const CalcArgs &args,
                             Lang lang)
{
    CalcRun run;
    const CalcOutcome outcome = CalcProject(project, wire, CalcPurpose::Full, args, lang, run);
    return ResultsOf(run, outcome, args);
}

} // namespace velmora
