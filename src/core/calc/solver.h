#pragma once

#include "l10n/coretexts.h"

#include <bit>
#include <cstdint>
#include <span>
#include <string>

namespace velmora {

// Marks a critical span that has no real value (3.1415926535897933E-50, bytes
// 21 5C F4 8D 18 82 A7 35 little-endian). Compared by exact equality; as a number it is
// smaller than every real span, which GoverningState relies on.
inline constexpr double ImaginarySpan = std::bit_cast<double>(std::uint64_t {0x35A782188DF45C21});

inline bool IsImaginarySpan(double span)
{
    return span == ImaginarySpan;
}

// Stress and sag of a wire in one state.
struct WireState
{
    double stress = 0; // daN/mm²
    double sag = 0; // m, at mid-span
};

// The positive root σ of σ²(σ − A) = B, by bisection down to a bracket of 5E-5 daN/mm²; the
// result is the last midpoint. Ends for every input. B = 0 with A < 0 (a span of 0 m that
// cools less than it may) gives 0: a slack wire. Throws velmora::Error "Logarithm of a
// negative value ..." for B < 0 with A < 0, and the overflow / invalid-operation errors of
// calc/arith.h for a non-finite A or B.
double SolveState(double A, double B);

// SolveState of every pair (A[i], B[i]) into sigma[i]; the spans must have the same size.
// Gives exactly the results of SolveState one by one, but runs several bisections side by
// side, which is what a sweep over the spans needs. Throws as SolveState, before any result
// is written.
void SolveStates(std::span<const double> A, std::span<const double> B, std::span<double> sigma);

// The two coefficients of the change-of-state equation σ²(σ − A) = B.
struct StateEquation
{
    double A = 0; // daN/mm²
    double B = 0; // (daN/mm²)³
};

// A and B for the change from the initial state (σ0, γ0, t0) to (t, γ) in a span of l m.
// Throws velmora::Error for σ0 = 0 and for a value that is not finite.
StateEquation ChangeOfStateEquation(double sigma0, double gamma0, double t0, double t, double gamma,
                                    double l, double E, double alpha);

// Sag at mid-span in m of a span of l m under the specific load γ at the stress σ; 0 for a
// span of 0 m or no load. Throws velmora::Error for a value that is not finite.
double SagAt(double gamma, double l, double sigma);

// The change-of-state equation from the initial state (σ0 daN/mm², γ0 daN/(m·mm²), t0 °C) to
// the state (t °C, γ) in a span of l m, for a wire of modulus E daN/mm² and thermal
// coefficient α 1/K. Throws velmora::Error when any intermediate value is not finite.
WireState ChangeOfState(double sigma0, double gamma0, double t0, double t, double gamma, double l,
                        double E, double alpha);

// The three critical spans in m, or the warning of the first input check that failed.
struct CriticalSpans
{
    bool ok = false;
    std::string warning; // in the language asked for; CR LF inside the English texts
    double l1 = 0; // between states 2 and 1; ImaginarySpan when it has no real value
    double l2 = 0; // between states 2 and 3; always real
    double l3 = 0; // between states 1 and 3; ImaginarySpan when it has no real value
};

// Checks the permissible stresses and the temperatures, then computes l1, l2, l3. A failed
// check gives ok = false and its warning in lang (the caller decides how to show it). Arithmetic
// errors throw velmora::Error: "Division by zero: ..." (γ1 = 0, q = 1 in l2, q² = s² in l3,
// 1 − r² = 0 in l1), "Square root of a negative value in the critical span l2", and the
// overflow / invalid-operation errors of calc/arith.h.
CriticalSpans CalcCriticalSpans(double alpha, double beta, double gammaMax, double gamma1,
                                double T_Gsw, double T_Min, double T_Srg, double sigmaMax,
                                double sigmaAvg, Lang lang);

// Initial states, as the program numbers them.
enum InitialState : int {
    NoState = 0, // none: only what the critical spans' order proposes, never what governs
    StateAvgTemp = 1, // Napr_srg at T_Srg under γ1
    StateMinTemp = 2, // Napr_Max at T_Min under γ1
    StateMaxLoad = 3, // Napr_Max at T_Gsw under γmax
};

// The order of the critical spans (l1 or l3 may be ImaginarySpan), which decides the rule
// GoverningState follows.
enum class SpanOrder {
    Normal, // l1 < l2, and l3 imaginary or above l2: states 2, 1, 3 as the span grows
    Reverse, // l1 > l2, and l3 imaginary or below l2: state 2 up to l2, then state 3
    Other, // any other order: state 3 above l2 and l3, no state below
};
SpanOrder CriticalSpanOrder(double l1, double l2, double l3);

// The initial state the order of the critical spans proposes for a span of l m; NoState where
// the order proposes none. calc/governing.h checks the proposal.
InitialState CriticalSpanRuleState(double l1, double l2, double l3, double l);

} // namespace velmora
