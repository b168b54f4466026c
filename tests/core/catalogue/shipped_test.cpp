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
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
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
    case 5: // steel wires and ropes; a stranded rope is softer than solid steel (a 7-wire
            // strand's published final modulus is 15700 daN/mm²), zinc adds a little weight
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

TEST(ShippedCatalogue, HoldsTheNewProjectsWire)
{
    const TWiresList list = ImportSource();
    const TWireRec w = list.FindByName("АПС35/6.2");
    EXPECT_EQ(w, (TWireRec{7, "АПС35/6.2", 8.4, 43, 0.148, 8250, 1.9e-5}));
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
}
