// Writes the drawings the independent reader checks, with a manifest of what each must hold,
// and the inputs of the command-line runs (a project file and a catalogue).
//   dxf_samples OUT_DIR
#include "catalogue/catalogue.h"
#include "data/projectfile.h"
#include "dxf/acaddxf.h"
#include "templates/drawtemplate.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace velmora;

// A run of entities of one type and colour ("" = no colour group).
struct Run
{
    const char *type;
    int count;
    int colour;
};

struct Sample
{
    std::string file;
    std::vector<Run> runs;
    std::vector<std::string> texts; // UTF-8, in order
};

std::string JsonString(const std::string &s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

void WriteManifest(const std::string &path, const std::vector<Sample> &samples)
{
    std::ofstream out(path, std::ios::binary);
    out << "[\n";
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto &s = samples[i];
        out << "  {\"file\": " << JsonString(s.file) << ", \"runs\": [";
        for (std::size_t r = 0; r < s.runs.size(); ++r)
            out << (r ? ", " : "") << "[" << JsonString(s.runs[r].type) << ", " << s.runs[r].count
                << ", " << s.runs[r].colour << "]";
        out << "], \"texts\": [";
        for (std::size_t t = 0; t < s.texts.size(); ++t)
            out << (t ? ", " : "") << JsonString(s.texts[t]);
        out << "]}" << (i + 1 < samples.size() ? "," : "") << "\n";
    }
    out << "]\n";
}

TemplateEngine FixedEngine(bool ok, double gamma, double napr)
{
    return [=](const TProject &, int, const CalcArgs &) {
        return TemplateEngineAnswer {ok, gamma, napr, {}};
    };
}

TProject SampleProject()
{
    TProject project;
    project.SetDefaults();
    project.Dat.Provod = "АС70/11";
    project.Dat.T_Max = 40;
    project.Dat.T_Gbw = -5;
    project.Dat.Napr_Max = 9;
    project.Dat.Napr_srg = 6;
    return project;
}

TShablon ProperTemplate()
{
    TShablon t;
    t.Name = "Габарит 300";
    t.TipShablona = 0;
    t.Krivie = -1;
    t.MG = 5000;
    t.MV = 500;
    t.PR = 300;
    t.VP = 15.5;
    t.TG = 7;
    t.Zapas = 0.5;
    return t;
}

TShablon CurveTemplate()
{
    TShablon t = ProperTemplate();
    t.Name = "Кривая 0";
    t.TipShablona = -1;
    t.Krivie = 0;
    t.Temperatura = 5;
    return t;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: dxf_samples OUT_DIR\n";
        return 2;
    }
    const std::string dir = argv[1];
    std::filesystem::create_directories(dir);
    const auto at = [&](const std::string &name) { return dir + "/" + name; };

    const TWireRec wire {1, "АС70/11", 11.4, 79.3, 0.276, 8250, 19.2e-6};
    const DrawingContext englishDaNContext {wire, Lang::English, UnitFactorsOf(0)};
    const DrawingContext russianNewtonContext {wire, Lang::Russian, UnitFactorsOf(1)};
    const TProject project = SampleProject();
    const auto engine = FixedEngine(true, 3.5e-3, 7); // k = 2.5 m
    std::vector<Sample> samples;

    {
        TAcadDxf dxf;
        dxf.Open(at("empty.dxf"));
        dxf.Finish();
        samples.push_back({"empty.dxf", {}, {}});
    }
    {
        TAcadDxf dxf;
        dxf.Open(at("writer.dxf"));
        dxf.Line({0, 0}, {12, -0.5f}, -1);
        dxf.Line({0, 0}, {1, 1}, 1);
        dxf.SetColor(7);
        dxf.TextAt("A1", {-30, -56}, 2.5f);
        dxf.TextAt("", {0, 0}, 1);
        dxf.TextAt("Провод АС70/11, кш", {0, -10}, 2.5f);
        samples.push_back({"writer.dxf",
                           {{"LINE", 1, 256}, {"LINE", 1, 1}, {"TEXT", 3, 7}},
                           {"A1", "", "Провод АС70/11, кш"}});
        dxf.Finish();
    }

    const std::vector<std::string> englishDaN = {
        "Name: Габарит 300",
        "Overall (equivalent) span, m : 300",
        "Type of wire, cord, cable: АС70/11",
        "Max. tension (at average annual temperature): 9(6) daN/mm2",
        "Temperature 40",
        "pattern's coefficient: 2.5",
        "The horizontal scale, 1 : 5000",
        "The vertical scale,  1 : 500",
    };
    DrawTemplate(project, ProperTemplate(), at("proper_en.dxf"), englishDaNContext, engine);
    samples.push_back(
        {"proper_en.dxf", {{"LINE", 1800, 1}, {"TEXT", 8, 7}, {"LINE", 3, 7}}, englishDaN});

    DrawTemplate(project, CurveTemplate(), at("curve_ru.dxf"), russianNewtonContext, engine);
    samples.push_back(
        {"curve_ru.dxf",
         {{"LINE", 600, 1}, {"TEXT", 8, 7}, {"LINE", 3, 7}},
         {"Название: Кривая 0", "Габаритный (приведенный) пролет, м : 300",
          "Марка провода, троса, кабеля: АС70/11",
          "Макс. напряжение (при среднегодовой температуре): 90(60) Н/мм2", "Температура 0",
          "кш: 2.5", "Масштаб горизонтальный, 1 : 5000", "Масштаб вертикальный ,  1 : 500"}});

    DrawTemplate(project, ProperTemplate(), at("refused.dxf"), englishDaNContext,
                 FixedEngine(false, 0, 0));
    samples.push_back({"refused.dxf", {}, {}});
    DrawTemplate(project, ProperTemplate(), at("zero_stress.dxf"), englishDaNContext,
                 FixedEngine(true, 3.5e-3, 0));
    samples.push_back({"zero_stress.dxf", {}, {}});
    TShablon flat = ProperTemplate();
    flat.MV = 0;
    DrawTemplate(project, flat, at("zero_scale.dxf"), englishDaNContext, engine);
    samples.push_back({"zero_scale.dxf", {}, {}});

    // The calculation driver itself, under ice.
    TShablon ice = ProperTemplate();
    ice.Name = "Ice";
    ice.TipShablona = 1;
    const DrawResult withEngine
        = DrawTemplate(project, ice, at("engine_ice.dxf"), englishDaNContext);
    if (!withEngine.drawn) {
        std::cerr << "engine_ice.dxf: " << withEngine.reason << "\n";
        return 1;
    }
    samples.push_back({"engine_ice.dxf", {{"LINE", 1800, 1}, {"TEXT", 8, 7}, {"LINE", 3, 7}}, {}});

    WriteManifest(at("manifest.json"), samples);

    // Inputs of the command-line runs: templates 0 proper, 1 curve, 2 with no mode, 3 with
    // a zero scale.
    TProject saved = project;
    saved.Shablons.Add(ProperTemplate());
    saved.Shablons.Add(CurveTemplate());
    TShablon none = ProperTemplate();
    none.Name = "No mode";
    none.TipShablona = -1;
    saved.Shablons.Add(none);
    saved.Shablons.Add(flat);
    SaveProject(at("project.vlp"), saved);
    TProject missingWire = saved;
    missingWire.Dat.Provod = "NO SUCH WIRE";
    SaveProject(at("missing_wire.vlp"), missingWire);
    TProject refused = saved;
    refused.Dat.Napr_srg = refused.Dat.Napr_Max; // the driver's check refuses equal stresses
    SaveProject(at("refused.vlp"), refused);
    TWiresList catalogue;
    catalogue.Add(wire);
    catalogue.SaveToFile(at("catalogue.dat"));
    return 0;
}
