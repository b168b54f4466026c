#include "data/project.h"

namespace velmora {

void TDAT::SetDefaults()
{
    T_Gsw = -5;
    T_Gbw = -5;
    Tvmax = -5;
    T_Min = -50;
    T_Max = 40;
    T_Srg = 0;
    Vgol = 18;
    VMax = 36;
    Tols = 20;
    Napr_srg = 4;
    Napr_Max = 9;
    Min_Prol = 10;
    Max_Prol = 100;
    Shag = 10;
    Tag_Srg = 0;
    Tag_Max = 0;
    NaprPage = 0;
    Provod = "АПС35/6.2";
    RegimeFlags.fill(true);
}

void ApplyRegimeChoice(TDAT &dat, RegimeChoice choice)
{
    dat.RegimeFlags.fill(choice == RegimeChoice::All);
    if (choice == RegimeChoice::Clearance) {
        dat.RegimeFlags[2 - 1] = true;
        dat.RegimeFlags[7 - 1] = true;
    }
}

void TKlimatKoef::SetDefaults()
{
    V_Otv = 1;
    V_Reg = 1;
    V_Nad = 1;
    G_Otv = 1;
    G_Reg = 1;
    G_Nad = 1;
    G_Usl = 1;
    VisotaPC = 15;
    VisotaPC2 = 15;
    TypeTer = 1;
}

bool TKlimatKoef::CheckKoef() const
{
    return V_Otv * V_Reg * V_Nad >= 1 && G_Otv * G_Reg * G_Nad * G_Usl >= 1;
}

std::string TKlimatKoef::TerrainLetter() const
{
    switch (TypeTer) {
    case 1:
        return "A";
    case 2:
        return "B";
    case 3:
        return "C";
    default:
        return {};
    }
}

void TProject::SetDefaults()
{
    Koef.SetDefaults();
    Dat.SetDefaults();
    Shablons.Clear();
    Sections.Clear();
    KoefFallbackLine = 0;
    Line = LineProfile {};
}

void TProject::Assign(const TProject &other)
{
    Koef.Assign(other.Koef);
    Dat.Assign(other.Dat);
    Shablons.Assign(other.Shablons);
    Sections.Assign(other.Sections);
    KoefFallbackLine = other.KoefFallbackLine;
    Line = other.Line;
}

bool TProject::IsEqual(const TProject &other) const
{
    return Koef.IsEqual(other.Koef) && Dat.IsEqual(other.Dat) && Shablons.IsEqual(other.Shablons)
        && Sections.IsEqual(other.Sections) && Line == other.Line;
}

} // namespace velmora
