// Sanity of the catalogue shipped with the program: the text source share/catalogue/wires.txt
// and the base_provod.dat the build makes from it.
#include "catalogue/wires.h"

#include "common/cp1251.h"
#include "common/fileio.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <set>
#include <string>
#include <vector>

using namespace velmora;

namespace {

const std::string kSource = std::string(VELMORA_SOURCE_DIR) + "/share/catalogue/wires.txt";
const std::string kShipped = std::string(VELMORA_APP_DIR) + "/base_provod.dat";

// The source is UTF-8; the import reads Windows-1251.
TWiresList ImportSource()
{
    TempFolder dir;
    const std::string path = dir.File("wires-cp1251.txt");
    WriteFileAtomically(path, Utf8ToCp1251(ReadFileBytes(kSource)));
    TWiresList list;
    list.ImportFromText(path);
    return list;
}

std::vector<std::string> SourceLines()
{
    std::vector<std::string> lines;
    const std::string text = ReadFileBytes(kSource);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(
            text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

// Physical ranges of the materials of a group: modulus of elasticity in daN/mm², thermal
// coefficient in 1/K, and the apparent density (weight per metre over the metal
// cross-section) in g/cm³, which lies between the lightest and the heaviest material of the
// group with the lay of the strands and an insulation or sheath on top.
struct MaterialBand
{
    double modlMin, modlMax;
    double koefMin, koefMax;
    double densityMin, densityMax;
};

MaterialBand BandOf(int group)
{
    switch (group) {
    case 1: // aluminium (6300, 23e-6, 2.70) up to steel-rich aluminium-steel
    case 2:
    case 3:
        return {5500, 14000, 14e-6, 24e-6, 2.65, 6.5};
    case 4: // aluminium-alloy conductor; the insulation or covering adds weight
        return {5500, 7500, 20e-6, 24e-6, 2.65, 20};
    case 5: // steel wires and ropes; a stranded rope is softer than solid steel (the catalogue
            // takes 18956 daN/mm² for every rope), zinc adds a little weight
        return {14000, 21000, 11e-6, 13.5e-6, 7.6, 8.6};
    case 6: // aramid yarns in polyethylene, the modulus and the weight taken over the whole
            // section of the cable; aramid shrinks when warmed, so the cable hardly expands
        return {300, 5000, 0, 5e-6, 0.85, 1.3};
    default: // any of the above
        return {300, 21000, -2e-6, 25e-6, 0.5, 100};
    }
}

// "АС 240/32" -> 240/32: the nominal aluminium-to-steel ratio.
bool NominalRatio(const std::string &name, double &ratio)
{
    const std::string prefix = "АС ";
    if (name.rfind(prefix, 0) != 0)
        return false;
    const std::string rest = name.substr(prefix.size());
    const auto slash = rest.find('/');
    ratio = std::stod(rest.substr(0, slash)) / std::stod(rest.substr(slash + 1));
    return true;
}

// The aluminium and steel sections a wire's name stands for, where it names its construction,
// and how far a standard's table may round its areas away from them.
struct Construction
{
    double aluminium = 0; // mm²
    double steel = 0; // mm²
    int aluminiumWires = 0, steelWires = 0; // 0 where the name gives no stranding
    double tolerance = 0; // relative
};

// Steel to aluminium wire diameter of each stranding, as ASTM B232 and IEC 61089 build them
// (6/1: one size of wire; 26/7: Drake 0.1360/0.1749 in, 160-A1/S1A-26/7 2.18/2.80 mm;
// 30/19: Mallard 0.0977/0.1628 in; 54/19: 630-A1/S1A-54/19 2.31/3.85 mm). 0 if unknown.
double SteelWireRatio(int aluminiumWires, int steelWires)
{
    const std::map<std::pair<int, int>, double> ratios = {
        {{6, 1}, 1.0},   {{18, 1}, 1.0}, {{26, 7}, 7.0 / 9}, {{30, 7}, 1.0},
        {{30, 19}, 0.6}, {{54, 7}, 1.0}, {{54, 19}, 0.6},
    };
    const auto it = ratios.find({aluminiumWires, steelWires});
    return it == ratios.end() ? 0 : it->second;
}

Construction Stranded(double aluminium, int aluminiumWires, int steelWires)
{
    const double k = SteelWireRatio(aluminiumWires, steelWires);
    EXPECT_GT(k, 0) << aluminiumWires << "/" << steelWires << " is not a known stranding";
    return {aluminium, aluminium * steelWires / aluminiumWires * k * k, aluminiumWires, steelWires,
            0.01};
}

bool StartsWith(const std::string &text, const std::string &prefix)
{
    return text.rfind(prefix, 0) == 0;
}

std::optional<Construction> ConstructionOf(const TWireRec &w)
{
    const std::string &name = w.Name;
    const double pi = std::numbers::pi;
    // GOST 839-80 names the nominal sections; its table's areas lie within 5 % of them
    // (АС 10/1.8: 10.6 + 1.77 mm², А 300: 288 mm²).
    if (StartsWith(name, "АС ")) {
        const std::string rest = name.substr(std::string("АС ").size());
        const auto slash = rest.find('/');
        return Construction {std::stod(rest.substr(0, slash)), std::stod(rest.substr(slash + 1)), 0,
                             0, 0.05};
    }
    if (StartsWith(name, "А "))
        return Construction {std::stod(name.substr(std::string("А ").size())), 0, 0, 0, 0.05};
    // IEC 61089 "160-A1/S1A-26/7": the code is the aluminium section; the areas follow from
    // wire diameters rounded to 0.01 mm.
    if (const auto at = name.find("-A1/S1A-"); at != std::string::npos) {
        const std::string stranding = name.substr(at + 8);
        const auto slash = stranding.find('/');
        return Stranded(std::stod(name.substr(0, at)), std::stoi(stranding.substr(0, slash)),
                        std::stoi(stranding.substr(slash + 1)));
    }
    // ASTM B232 code words: size of the aluminium in kcmil and the stranding (Table 1).
    if (StartsWith(name, "ACSR ")) {
        struct CodeWord
        {
            const char *name;
            double kcmil;
            int aluminiumWires, steelWires;
        };
        static const CodeWord codes[] = {
            {"Mallard", 795, 30, 19}, {"Drake", 795, 26, 7},    {"Condor", 795, 54, 7},
            {"Lark", 397.5, 30, 7},   {"Ibis", 397.5, 26, 7},   {"Partridge", 266.8, 26, 7},
            {"Penguin", 211.6, 6, 1}, {"Pigeon", 167.8, 6, 1},  {"Quail", 133.1, 6, 1},
            {"Raven", 105.6, 6, 1},   {"Sparrow", 66.36, 6, 1}, {"Swan", 41.74, 6, 1},
            {"Turkey", 26.24, 6, 1},
        };
        const std::string code = name.substr(5);
        for (const CodeWord &c : codes)
            if (code == c.name) // 1 kcmil = 0.506707 mm²
                return Stranded(c.kcmil * 0.506707, c.aluminiumWires, c.steelWires);
        ADD_FAILURE() << name << ": unknown code word";
        return std::nullopt;
    }
    // Seven steel wires: "GSW 7/3.15" names the wire; a "1x7" strand is three wires across.
    if (StartsWith(name, "GSW 7/")) {
        const double d = std::stod(name.substr(6));
        return Construction {0, 7 * pi * d * d / 4, 0, 0, 0.01};
    }
    if (name.size() > 4 && name.compare(name.size() - 4, 4, " 1x7") == 0) {
        const double d = w.Diam / 3;
        return Construction {0, 7 * pi * d * d / 4, 0, 0, 0.01};
    }
    return std::nullopt;
}

} // namespace

TEST(ShippedCatalogue, SourceIsInTheCataloguesOwnTextForm)
{
    const TWiresList list = ImportSource();
    const std::vector<std::string> lines = SourceLines();
    ASSERT_EQ(static_cast<std::size_t>(list.Count()), lines.size());
    for (int i = 0; i < list.Count(); ++i)
        EXPECT_EQ(WireToTextLine(list.GetWire(i)), lines[static_cast<std::size_t>(i)]);
    EXPECT_EQ(Cp1251ToUtf8(Utf8ToCp1251(ReadFileBytes(kSource))), ReadFileBytes(kSource))
        << "characters outside Windows-1251";
}

TEST(ShippedCatalogue, BuiltFileHoldsTheSourceRecords)
{
    if (!FileExists(kShipped))
        GTEST_SKIP() << kShipped << " is not built";
    const TWiresList source = ImportSource();
    TWiresList shipped;
    shipped.LoadFromFile(kShipped);
    ASSERT_EQ(shipped.Count(), source.Count());
    for (int i = 0; i < source.Count(); ++i)
        EXPECT_EQ(shipped.GetWire(i), source.GetWire(i)) << i;
}

TEST(ShippedCatalogue, NamesAreUniqueAndFitTheRecord)
{
    const TWiresList list = ImportSource();
    std::set<std::string> names;
    for (const auto &line : SourceLines())
        EXPECT_LE(Utf8Length(line.substr(0, line.find(';'))), kWireNameMax) << line;
    for (int i = 0; i < list.Count(); ++i) {
        const std::string name = list.GetWire(i).Name;
        EXPECT_FALSE(name.empty());
        EXPECT_TRUE(names.insert(name).second) << "twice: " << name;
        EXPECT_EQ(name.find(','), std::string::npos) << name << ": a project reads ',' as '.'";
    }
}

TEST(ShippedCatalogue, EveryWireIsPhysicallyPlausible)
{
    const TWiresList list = ImportSource();
    for (int i = 0; i < list.Count(); ++i) {
        const TWireRec w = list.GetWire(i);
        SCOPED_TRACE(w.Name);
        for (double v : {w.Diam, w.Sech, w.PNag, w.Modl, w.Koef})
            EXPECT_TRUE(std::isfinite(v) && v > 0) << v;
        EXPECT_GE(w.Group, 1);
        EXPECT_LE(w.Group, 7);
        // Round strands fill at most about 0.78 of the circle; no metal area exceeds it.
        EXPECT_LE(w.Sech, std::numbers::pi * w.Diam * w.Diam / 4);
        const MaterialBand band = BandOf(w.Group);
        const double density = w.PNag * 1000 / w.Sech; // kg/km per mm² = g/cm³
        EXPECT_GE(density, band.densityMin);
        EXPECT_LE(density, band.densityMax);
        EXPECT_GE(w.Modl, band.modlMin);
        EXPECT_LE(w.Modl, band.modlMax);
        EXPECT_GE(w.Koef, band.koefMin);
        EXPECT_LE(w.Koef, band.koefMax);
    }
}

TEST(ShippedCatalogue, AluminiumSteelWeightsFollowTheirNominalSections)
{
    // Aluminium 2.703 g/cm³, steel 7.80 g/cm³; the lay of the strands adds up to about 3 %.
    const TWiresList list = ImportSource();
    std::map<double, TWireRec> byRatio;
    for (int i = 0; i < list.Count(); ++i) {
        const TWireRec w = list.GetWire(i);
        double ratio = 0;
        if (w.Group != 1 || !NominalRatio(w.Name, ratio))
            continue;
        const double aluminium = w.Sech * ratio / (1 + ratio), steel = w.Sech / (1 + ratio);
        const double bare = (aluminium * 2.703 + steel * 7.80) / 1000;
        EXPECT_GE(w.PNag, bare * 0.985) << w.Name;
        EXPECT_LE(w.PNag, bare * 1.04) << w.Name;
        byRatio.emplace(ratio, w);
    }
    ASSERT_GT(byRatio.size(), 5u);
    // More aluminium per unit of steel: a softer wire that expands more.
    const TWireRec *previous = nullptr;
    for (const auto &[ratio, w] : byRatio) {
        if (previous) {
            EXPECT_LE(w.Modl, previous->Modl) << w.Name << " after " << previous->Name;
            EXPECT_GE(w.Koef, previous->Koef) << w.Name << " after " << previous->Name;
        }
        previous = &w;
    }
}

TEST(ShippedCatalogue, MetalAreaAgreesWithTheConstructionItsNameGives)
{
    const TWiresList list = ImportSource();
    std::map<int, int> checked;
    for (int i = 0; i < list.Count(); ++i) {
        const TWireRec w = list.GetWire(i);
        const std::optional<Construction> c = ConstructionOf(w);
        if (!c)
            continue;
        const double metal = c->aluminium + c->steel;
        EXPECT_NEAR(w.Sech, metal, metal * c->tolerance)
            << w.Name << ": " << c->aluminium << " + " << c->steel << " mm²";
        ++checked[w.Group];
    }
    // Every wire of GOST 839-80 and of the steel group names its construction.
    EXPECT_EQ(checked[1], list.CountInGroup(1));
    EXPECT_EQ(checked[5], list.CountInGroup(5));
    EXPECT_GT(checked[7], 20);
}

TEST(ShippedCatalogue, WeightFollowsTheConstructionItsNameGives)
{
    // Aluminium 2.703 g/cm³, zinc-coated steel 7.80 g/cm³ on the catalogue's section, split
    // as the construction splits it; the lay of the strands adds up to about 3 %.
    const TWiresList list = ImportSource();
    for (int i = 0; i < list.Count(); ++i) {
        const TWireRec w = list.GetWire(i);
        const std::optional<Construction> c = ConstructionOf(w);
        if (!c)
            continue;
        const double share = c->aluminium / (c->aluminium + c->steel);
        const double bare = w.Sech * (share * 2.703 + (1 - share) * 7.80) / 1000;
        EXPECT_GE(w.PNag, bare * 0.985) << w.Name;
        EXPECT_LE(w.PNag, bare * 1.04) << w.Name;
    }
}

// One documented pair for stranded galvanized steel, whatever the rope.
TEST(ShippedCatalogue, SteelRopesShareOneModulusAndCoefficient)
{
    const TWiresList list = ImportSource();
    std::set<std::pair<double, double>> pairs;
    for (int i = 0; i < list.Count(); ++i)
        if (list.GetWire(i).Group == 5)
            pairs.insert({list.GetWire(i).Modl, list.GetWire(i).Koef});
    EXPECT_EQ(pairs.size(), 1u);
}

// The conductors of international lines take modulus and coefficient by stranding: the same
// stranding, the same pair, whether its name comes from IEC 61089 or ASTM B232.
TEST(ShippedCatalogue, OneStrandingOneModulusAndCoefficient)
{
    const TWiresList list = ImportSource();
    std::map<std::pair<int, int>, std::set<std::pair<double, double>>> byStranding;
    for (int i = 0; i < list.Count(); ++i) {
        const TWireRec w = list.GetWire(i);
        const std::optional<Construction> c = ConstructionOf(w);
        if (c && c->aluminiumWires > 0)
            byStranding[{c->aluminiumWires, c->steelWires}].insert({w.Modl, w.Koef});
    }
    EXPECT_GE(byStranding.size(), 5u);
    for (const auto &[stranding, pairs] : byStranding)
        EXPECT_EQ(pairs.size(), 1u) << stranding.first << "/" << stranding.second;
}

TEST(ShippedCatalogue, HoldsTheNewProjectsWire)
{
    const TWiresList list = ImportSource();
    const TWireRec w = list.FindByName("АПС35/6.2");
    EXPECT_EQ(w, (TWireRec {7, "АПС35/6.2", 8.4, 43, 0.148, 8250, 1.9e-5}));
}

// The groups the catalogue fills; the technical conditions of groups 2 and 3 are not in it.
TEST(ShippedCatalogue, FillsTheGroupsItHasDataFor)
{
    const TWiresList list = ImportSource();
    std::map<int, int> perGroup;
    for (int i = 0; i < list.Count(); ++i)
        ++perGroup[list.GetWire(i).Group];
    for (int group : {1, 4, 5, 6, 7})
        EXPECT_GT(perGroup[group], 0) << "group " << group;
    EXPECT_GE(list.Count(), 100);
}
