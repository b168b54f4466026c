#pragma once

#include "calc/calc_args.h"
#include "calc/driver.h"
#include "calc/loads.h"
#include "calc/preparation.h"
#include "calc/solver.h"
#include "calc/stringing.h"
#include "data/project.h"
#include "data/wirerec.h"
#include "l10n/coretexts.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// What became of a calculation.
enum class ResultsStatus {
    Calculated, // every field of CalcResults is set
    TooFewSpans, // the range has one span or none (n <= 1): only the wire, Ki, Kd and b
    CheckFailed, // a check of the critical spans failed: failure holds its text
};

// The results of one taken design mode, indexed like CalcResults::spans. A span that no
// initial state governs has 0 in all three.
struct ModeResults
{
    int mode = 0; // 1..17
    DesignMode conditions; // the mode's temperature, specific load, ice and wind
    std::vector<double> stress; // daN/mm²
    std::vector<double> force; // daN, the stress times the wire's cross-section
    std::vector<double> sag; // m, at mid-span
};

// Consecutive spans of the range governed by one initial state.
struct StateRange
{
    double from_m = 0; // the first span of the run
    double to_m = 0; // the last span of the run (equal to from_m for a run of one span)
    InitialState state = NoState;
};

// The full result of one calculation in one plain structure: the windows, velmora-calc's JSON
// and the spreadsheet report all read it. Values
// are daN-based whatever the units mode: stresses daN/mm², forces daN, loads per metre daN/m,
// specific loads daN/(m·mm²), spans and sags m, temperatures °C.
struct CalcResults
{
    ResultsStatus status = ResultsStatus::TooFewSpans;
    std::string failure; // the failed check's text in the language of the run (CR LF inside)

    TWireRec wire;
    double Ki = 0; // ice-thickness height coefficient
    double Kd = 0; // ice-thickness diameter coefficient
    double b = 0; // mm, refined ice wall thickness
    double sigmaMax = 0; // daN/mm², the maximum permissible stress the run was given
    double sigmaAvg = 0; // daN/mm², the stress at average annual temperature it was given

    // Only when Calculated:
    double Kw = 0; // wind-pressure height coefficient
    double Cx = 0; // drag coefficient of the bare wire
    LoadSet loads;
    DesignModeTable modes {};
    std::optional<double> l1; // m; empty when the span has no real value
    double l2 = 0; // m
    std::optional<double> l3; // m; empty when the span has no real value
    SpanOrder order = SpanOrder::Other;
    std::vector<double> spans; // m: l2 first, then Min, Min + Step, ... of the range
    std::vector<InitialState> state; // the governing state of each entry of spans
    std::vector<StateRange> ranges; // the range's spans (spans[1..]) grouped by state
    std::vector<ModeResults> taken; // the taken modes in ascending order
    // Every stress of the taken modes 1–9 above its limit, spans of the range only (not the
    // l2 entry), by mode, then span.
    std::vector<OverLimit> overLimits;
    // What the input checks found implausible (PrepareCalculation); the caller sets them.
    std::vector<InputFinding> warnings;

    // The results of a taken mode; nullptr for a mode that was not taken.
    const ModeResults *Mode(int mode) const;
    // The real critical spans (l1, l2, l3 in this order, imaginary ones left out) that lie
    // within the range's first and last span, both included.
    std::vector<double> CriticalSpansInRange() const;
};

// The results of a run of CalcProject that returned outcome; args are the run's arguments.
CalcResults ResultsOf(const CalcRun &run, CalcOutcome outcome, const CalcArgs &args);

// A full calculation (CalcPurpose::Full) without a report: the modes of the project's
// RegimeFlags; failure texts in lang. Throws what CalcProject throws (a refused span range,
// an arithmetic error such as that of a wire missing from the catalogue).
CalcResults CalculateResults(const TProject &project, const TWireRec &wire, const CalcArgs &args,
                             Lang lang);

} // namespace velmora
