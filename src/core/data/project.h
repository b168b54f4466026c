#pragma once

#include "data/lineprofile.h"
#include "data/section.h"
#include "data/shablon.h"

#include <array>
#include <cstdint>
#include <string>

namespace velmora {

// Number of design modes; flag k-1 belongs to mode k.
inline constexpr int RegimeCount = 17;

// The calculation input record. Stresses daN/mm², tensile forces daN.
struct TDAT
{
    double T_Gsw; // °C, air temperature for ice with wind
    double T_Gbw; // °C, air temperature for ice without wind
    double Tvmax; // °C, air temperature at maximum wind
    double T_Min; // °C, minimum air temperature
    double T_Max; // °C, maximum air temperature
    double T_Srg; // °C, average annual air temperature
    double Vgol; // m/s, wind velocity with ice
    double VMax; // m/s, maximum wind velocity
    double Tols; // mm, standard ice wall thickness
    double Napr_srg; // daN/mm², stress at average annual temperature
    double Napr_Max; // daN/mm², maximum permissible stress
    double Min_Prol; // m, smallest span (whole number)
    double Max_Prol; // m, largest span (whole number)
    double Shag; // m, span step (whole number)
    double Tag_Srg; // daN, tensile force at average annual temperature
    double Tag_Max; // daN, maximum permissible tensile force
    std::int32_t NaprPage; // 0 = stresses given, 1 = tensile forces given
    std::string Provod; // wire type designation, as typed
    std::array<bool, RegimeCount> RegimeFlags; // true: mode k goes into the report

    TDAT() { SetDefaults(); }
    void SetDefaults();
    void Assign(const TDAT &other) { *this = other; }
    // Every field exactly equal (no tolerance; Provod case-sensitive).
    bool IsEqual(const TDAT &other) const { return *this == other; }
    bool operator==(const TDAT &) const = default;
};

// Which design modes a calculation takes: the main window's "Calculate" choice and the
// --regime of velmora-calc.
enum class RegimeChoice {
    All, // all 17 modes
    Clearance, // the clearance modes 2 (ice without wind) and 7 (maximum temperature)
};

// Sets RegimeFlags of dat for the choice.
void ApplyRegimeChoice(TDAT &dat, RegimeChoice choice);

// Refinement of the climatic parameters and reliability coefficients.
struct TKlimatKoef
{
    double V_Otv; // wind loads: responsibility coefficient
    double V_Reg; // wind loads: regional coefficient
    double V_Nad; // wind loads: reliability coefficient
    double G_Otv; // ice loads: responsibility coefficient
    double G_Reg; // ice loads: regional coefficient
    double G_Nad; // ice loads: reliability coefficient
    double G_Usl; // ice loads: operating-conditions coefficient
    std::int32_t VisotaPC; // m, height of the equivalent centre of gravity
    std::int32_t VisotaPC2; // m, second height, kept from files that hold it, otherwise unused
    std::int32_t TypeTer; // terrain type: 1 = A, 2 = B, 3 = C

    TKlimatKoef() { SetDefaults(); }
    void SetDefaults();
    void Assign(const TKlimatKoef &other) { *this = other; }
    bool IsEqual(const TKlimatKoef &other) const { return *this == other; }
    bool operator==(const TKlimatKoef &) const = default;

    // True when the wind and ice coefficient products are both at least 1 (the standard).
    bool CheckKoef() const;
    // "A", "B" or "C" for TypeTer 1, 2, 3; empty for any other value.
    std::string TerrainLetter() const;
};

// Everything one project holds. The calculation driver lives in calc/.
struct TProject
{
    TKlimatKoef Koef;
    TDAT Dat;
    TShablonList Shablons;
    TSectionList Sections; // anchor sections
    LineProfile Line; // the line on its ground; empty in most projects
    // The file line (1-based) of a coefficient that could not be read, so that all the
    // coefficients are the defaults; 0 when they were read or set by hand. Not compared.
    int KoefFallbackLine = 0;

    void SetDefaults();
    void Assign(const TProject &other);
    bool IsEqual(const TProject &other) const;
};

} // namespace velmora
