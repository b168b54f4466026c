#pragma once

#include "calc/driver.h"
#include "data/section.h"

#include <span>
#include <string>
#include <vector>

namespace velmora {

// A stress of design modes 1–9 above its limit: σmax + 1E-4 daN/mm², and for mode 8 (the
// average annual temperature) also σavg + 1E-4.
struct OverLimit
{
    int mode = 0; // 1..9
    double span = 0; // m
    double stress = 0; // daN/mm²
    double limit = 0; // daN/mm², the permissible stress exceeded (σmax or σavg)
    bool operator==(const OverLimit &) const = default;
};

// The stringing table of one anchor section: the whole section shares one horizontal stress,
// found for its reduced span. Stresses daN/mm², forces daN, sags m, temperatures °C.
struct StringingTable
{
    double reducedSpan = 0; // m, l_r = √(Σ lᵢ³ / Σ lᵢ)
    InitialState state = NoState; // the initial state that governs l_r (one of the three)
    std::string warning; // why the section has no table; empty when it has one
    std::vector<double> temperatures;
    std::vector<double> stress; // σ(t) under the own weight γ1 at l_r
    std::vector<double> tension; // T(t) = σ(t) · Sech
    std::vector<double> sagReduced; // at l_r
    std::vector<std::vector<double>> sags; // sags[i][k]: span i at temperature k
    // The design modes 1–9 that, solved at l_r from the governing state, exceed their limit
    // (span = l_r): the state the table rests on strains the wire beyond it there.
    std::vector<OverLimit> overLimits;
};

// A section with its stringing table, as the tables are printed and written.
struct SectionTable
{
    TSection section;
    StringingTable table;
};

// l_r = √(Σ lᵢ³ / Σ lᵢ) of spans in m. Throws velmora::Error for no spans or a value that is
// not finite.
double ReducedSpan(std::span<const double> spans);

// The loads and critical spans the stringing tables start from, computed by the calculation
// of the project with the wire and args given, exactly with its checks and messages: only the
// project's design modes and span range are left out, since a section brings its own spans.
// Done with run.calculated set, or CheckFailed with run.warning (in language); throws as
// CalcProject.
CalcOutcome CalcStringingBasis(const TProject &project, const TWireRec &wire, const CalcArgs &args,
                               Lang language, CalcRun &run);

// The stringing table of section from a calculation that went through (run.calculated: its
// wire, loads and critical spans) and the args it was made with. The state governing l_r is
// chosen as for a span of the range; σ(t) comes from the change-of-state equation from that
// state to γ1 at temperature t in a span of l_r, and every sag from the engine's sag formula.
// Reads nothing but its arguments. Throws velmora::Error for a run that was not calculated, for a
// section CheckSection refuses, and for the arithmetic errors of the solver.
StringingTable CalcStringing(const CalcRun &run, const CalcArgs &args, const TSection &section,
                             Lang language);

} // namespace velmora
