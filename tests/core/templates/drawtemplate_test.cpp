#include "templates/drawtemplate.h"

#include "common/cp1251.h"
#include "common/error.h"
#include "common/fileio.h"
#include "dxfentities.h"
#include "templates/templatemode.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace velmora {
namespace {

using testing::DxfEntity;
using testing::ParseEntities;

const std::string EmptyDrawing = "0\r\nSECTION\r\n2\r\nENTITIES\r\n0\r\nENDSEC\r\n0\r\nEOF\r\n";

// γ = 3.5E-3 daN/(m·mm²) and σ = 7 daN/mm² give the template coefficient k = 2.5 m.
struct FakeEngine
{
    TemplateEngineAnswer answer {true, 3.5e-3, 7, {}};
    int calls = 0;
    int mode = 0;
    CalcArgs args;

    TemplateEngine Engine()
    {
        return [this](const TProject &, int m, const CalcArgs &a) {
            ++calls;
            mode = m;
            args = a;
            return answer;
        };
    }
};

class DrawTemplateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        context = DrawingContext {}; // English, daN-based, a wire missing from the catalogue
        project.SetDefaults();
        project.Dat.T_Max = 40;
        project.Dat.T_Gbw = -5;
        project.Dat.T_Min = -45;
        project.Dat.Napr_Max = 9;
        project.Dat.Napr_srg = 6;
        project.Dat.Provod = "АС70/11";

        proper.Name = "Габарит";
        proper.TipShablona = 0;
        proper.Krivie = -1;
        proper.MG = 5000;
        proper.MV = 500;
        proper.PR = 300;
        proper.VP = 15.5;
        proper.TG = 7;
        proper.Zapas = 0.5;
        proper.Temperatura = 0;

        curve = proper;
        curve.Name = "Кривая";
        curve.TipShablona = -1;
        curve.Krivie = 0;
        curve.Temperatura = 5; // 0 °C
    }
    std::string Draw(const TShablon &shablon, DrawResult *result = nullptr)
    {
        TAcadDxf dxf;
        dxf.OpenInMemory();
        const DrawResult r = DrawTemplateInto(dxf, project, shablon, context, engine.Engine());
        dxf.Finish();
        if (result)
            *result = r;
        return dxf.Bytes();
    }

    std::vector<std::string> Captions(const TShablon &shablon)
    {
        std::vector<std::string> texts;
        for (const auto &e : ParseEntities(Draw(shablon))) {
            if (e.type == "TEXT")
                texts.push_back(Cp1251ToUtf8(e.Value(1)));
        }
        return texts;
    }

    DrawingContext context;
    TProject project;
    TShablon proper;
    TShablon curve;
    FakeEngine engine;
};

// Checks the kind and colour of a run of entities.
void ExpectRun(const std::vector<DxfEntity> &entities, std::size_t from, std::size_t count,
               const std::string &type, const std::string &colour)
{
    ASSERT_GE(entities.size(), from + count);
    for (std::size_t i = from; i < from + count; ++i) {
        ASSERT_EQ(entities[i].type, type) << "entity " << i;
        ASSERT_EQ(entities[i].Value(62), colour) << "entity " << i;
    }
}

TEST_F(DrawTemplateTest, TemplateProperIsThreeCurvesEightCaptionsThreeSegments)
{
    DrawResult result;
    const auto entities = ParseEntities(Draw(proper, &result));
    EXPECT_TRUE(result.drawn);
    EXPECT_EQ(result.reason, "");
    ASSERT_EQ(entities.size(), 1800u + 8 + 3);
    ExpectRun(entities, 0, 1800, "LINE", "  1");
    ExpectRun(entities, 1800, 8, "TEXT", "  7");
    ExpectRun(entities, 1808, 3, "LINE", "  7");
}

// The figure a preview shows holds the drawing's own numbers: every curve point is where a
// LINE of the drawing starts or ends, and the segments are the drawing's last three LINEs.
TEST_F(DrawTemplateTest, FigureHoldsThePointsOfTheDrawing)
{
    const TemplateComputation c = ComputeTemplate(project, proper, context, engine.Engine());
    ASSERT_TRUE(c.result.drawn);
    ASSERT_TRUE(c.figure);
    EXPECT_EQ(c.figure->k_m, 2.5);
    EXPECT_EQ(c.mode, 7);
    ASSERT_EQ(c.figure->curves.size(), 3u);
    EXPECT_EQ(c.figure->curves[0][400].x, 20);
    EXPECT_EQ(c.figure->curves[0][400].y, 5);
    EXPECT_EQ(c.figure->curves[0][600].x, 60);
    EXPECT_EQ(c.figure->curves[0][600].y, 45);
    const auto entities = ParseEntities(Draw(proper));
    for (std::size_t curve = 0; curve < 3; ++curve) {
        const std::vector<DxfPoint> &points = c.figure->curves[curve];
        ASSERT_EQ(points.size(), 601u);
        for (std::size_t i = 0; i < 600; ++i) {
            const DxfEntity &line = entities[curve * 600 + i];
            ASSERT_EQ(line.Value(10), FormatReal(points[i].x)) << curve << " " << i;
            ASSERT_EQ(line.Value(20), FormatReal(points[i].y)) << curve << " " << i;
            ASSERT_EQ(line.Value(11), FormatReal(points[i + 1].x)) << curve << " " << i;
            ASSERT_EQ(line.Value(21), FormatReal(points[i + 1].y)) << curve << " " << i;
        }
    }
    ASSERT_EQ(c.figure->segments.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        const DxfEntity &line = entities[1808 + k];
        EXPECT_EQ(line.Value(10), FormatReal(c.figure->segments[k].first.x));
        EXPECT_EQ(line.Value(21), FormatReal(c.figure->segments[k].second.y));
    }
    // A curve has the sag curve alone; nothing to draw gives no figure and the reason.
    EXPECT_EQ(ComputeTemplate(project, curve, context, engine.Engine()).figure->curves.size(), 1u);
    engine.answer.napr = 0;
    const TemplateComputation none = ComputeTemplate(project, proper, context, engine.Engine());
    EXPECT_FALSE(none.figure);
    EXPECT_EQ(none.result.reason, ZeroStressReason);
}

TEST_F(DrawTemplateTest, CurveIsTheSagCurveAloneWithCaptionsAndSegments)
{
    const auto entities = ParseEntities(Draw(curve));
    ASSERT_EQ(entities.size(), 600u + 8 + 3);
    ExpectRun(entities, 0, 600, "LINE", "  1");
    ExpectRun(entities, 600, 8, "TEXT", "  7");
    ExpectRun(entities, 608, 3, "LINE", "  7");
}

TEST_F(DrawTemplateTest, SagCurveOfCoefficientTwoAndAHalf)
{
    const auto entities = ParseEntities(Draw(proper));
    ASSERT_EQ(entities.size(), 1811u);
    // One segment per metre from -300 m; segment 400 starts 100 m right of the lowest point.
    const auto &first = entities[0];
    EXPECT_EQ(first.Value(10), "-60.0");
    EXPECT_EQ(first.Value(20), "45.0");
    const auto &at100 = entities[400];
    EXPECT_EQ(at100.Value(10), "20.0");
    EXPECT_EQ(at100.Value(20), "5.0");
    const auto &lowest = entities[300];
    EXPECT_EQ(lowest.Value(10), "0.0");
    EXPECT_EQ(lowest.Value(20), "0.0");
    const auto &last = entities[599];
    EXPECT_EQ(last.Value(11), "60.0");
    EXPECT_EQ(last.Value(21), "45.0");
    // Consecutive segments join.
    for (std::size_t i = 1; i < 600; ++i) {
        ASSERT_EQ(entities[i].Value(10), entities[i - 1].Value(11)) << i;
        ASSERT_EQ(entities[i].Value(20), entities[i - 1].Value(21)) << i;
    }
    // Ground curve lowered by VP = 15.5 m (31 units), clearance curve by 7.5 m (15 units).
    EXPECT_EQ(entities[600].Value(20), "14.0");
    EXPECT_EQ(entities[1000].Value(20), "-26.0");
    EXPECT_EQ(entities[1200].Value(20), "30.0");
    EXPECT_EQ(entities[1600].Value(20), "-10.0");
    EXPECT_EQ(entities[1799].Value(21), "30.0");
}

TEST_F(DrawTemplateTest, ReferenceSegments)
{
    const auto entities = ParseEntities(Draw(proper));
    ASSERT_EQ(entities.size(), 1811u);
    const auto segment = [&](std::size_t i) {
        const auto &e = entities[i];
        return std::vector<std::string> {e.Value(10), e.Value(20), e.Value(11), e.Value(21)};
    };
    EXPECT_THAT(segment(1808), ::testing::ElementsAre("0.0", "-31.0", "0.0", "300.0"));
    EXPECT_THAT(segment(1809), ::testing::ElementsAre("-60.0", "0.0", "60.0", "0.0"));
    EXPECT_THAT(segment(1810), ::testing::ElementsAre("-60.0", "-15.0", "60.0", "-15.0"));
}

TEST_F(DrawTemplateTest, CaptionsInEnglishWithDaNUnits)
{
    EXPECT_THAT(Captions(proper),
                ::testing::ElementsAre("Name: Габарит", "Overall (equivalent) span, m : 300",
                                       "Type of wire, cord, cable: АС70/11",
                                       "Max. tension (at average annual temperature): 9(6) daN/mm2",
                                       "Temperature 40", "pattern's coefficient: 2.5",
                                       "The horizontal scale, 1 : 5000",
                                       "The vertical scale,  1 : 500"));
}

TEST_F(DrawTemplateTest, CaptionsInRussianWithNewtonUnits)
{
    context.lang = Lang::Russian;
    context.units = UnitFactorsOf(1);
    project.Dat.Napr_Max = 9.5;
    EXPECT_THAT(
        Captions(proper),
        ::testing::ElementsAre("Название: Габарит", "Габаритный (приведенный) пролет, м : 300",
                               "Марка провода, троса, кабеля: АС70/11",
                               "Макс. напряжение (при среднегодовой температуре): 95(60) Н/мм2",
                               "Температура 40", "кш: 2.5", "Масштаб горизонтальный, 1 : 5000",
                               "Масштаб вертикальный ,  1 : 500"));
}

TEST_F(DrawTemplateTest, CaptionsInRussianWithDaNAndEnglishWithNewtons)
{
    context.lang = Lang::Russian;
    EXPECT_EQ(Captions(proper)[3],
              "Макс. напряжение (при среднегодовой температуре): 9(6) даН/мм2");
    context.lang = Lang::English;
    context.units = UnitFactorsOf(1);
    EXPECT_EQ(Captions(proper)[3], "Max. tension (at average annual temperature): 90(60) N/mm2");
}

TEST_F(DrawTemplateTest, CaptionPositionsFollowTheAttachmentHeight)
{
    curve.VP = 10; // not editable for curves, yet it moves the block and the axis end
    const auto entities = ParseEntities(Draw(curve));
    ASSERT_EQ(entities.size(), 611u);
    for (int n = 0; n < 8; ++n) {
        const auto &text = entities[600 + static_cast<std::size_t>(n)];
        EXPECT_EQ(text.Value(10), "-30.0");
        EXPECT_DOUBLE_EQ(text.Real(20), -20.0 - 25 - 10 * n);
        EXPECT_EQ(text.Value(40), "2.5");
        EXPECT_EQ(text.Value(72), "0");
    }
    EXPECT_EQ(entities[608].Value(20), "-20.0");
    EXPECT_EQ(entities[610].Value(20), "-15.0"); // clearance level drawn for curves too
}

TEST_F(DrawTemplateTest, ModeTableAndTemperatureCaption)
{
    struct Case
    {
        int tip, krivie, temperatura;
        int mode;
        const char *caption;
    } const cases[] = {
        {0, -1, 0, 7, "Temperature 40"},
        {1, -1, 0, 2, "Temperature -5"},
        {-1, 0, 0, 6, "Temperature -45"},
        {-1, 0, 1, 7, "Temperature 40"},
        {-1, 0, 2, 17, "Temperature -30"},
        {-1, 0, 3, 16, "Temperature -20"},
        {-1, 0, 4, 15, "Temperature -10"},
        {-1, 0, 5, 14, "Temperature 0"},
        {-1, 0, 6, 13, "Temperature 10"},
        {-1, 0, 7, 5, "Temperature 15"},
        {-1, 0, 8, 12, "Temperature 20"},
        {-1, 0, 9, 11, "Temperature 30"},
        {-1, 0, 10, 10, "Temperature 70"},
        // Krivie 0 takes precedence; a template type with an unknown curve keeps its mode.
        {1, 0, 9, 11, "Temperature 30"},
        {1, 0, 11, 2, "Temperature -5"},
        {0, 3, 2, 7, "Temperature 40"},
    };
    for (const auto &c : cases) {
        TShablon t = proper;
        t.TipShablona = c.tip;
        t.Krivie = c.krivie;
        t.Temperatura = c.temperatura;
        EXPECT_EQ(TemplateMode(t), c.mode) << c.tip << " " << c.krivie << " " << c.temperatura;
        const auto captions = Captions(t);
        ASSERT_EQ(captions.size(), 8u);
        EXPECT_EQ(captions[4], c.caption);
        EXPECT_EQ(engine.mode, c.mode);
    }
}

TEST_F(DrawTemplateTest, OnlyKrivieMinusOneDrawsTheGroundAndClearanceCurves)
{
    TShablon t = proper;
    t.Krivie = 3;
    EXPECT_EQ(ParseEntities(Draw(t)).size(), 611u);
}

TEST_F(DrawTemplateTest, EngineIsAskedForTheTemplateSpan)
{
    project.Dat.T_Gsw = -6;
    project.Dat.T_Gbw = -7;
    project.Dat.Tvmax = -8;
    project.Dat.T_Srg = 3;
    project.Dat.Vgol = 15;
    project.Dat.VMax = 30;
    project.Dat.Tols = 25;
    Draw(curve);
    EXPECT_EQ(engine.calls, 1);
    EXPECT_EQ(engine.mode, 14);
    const CalcArgs &a = engine.args;
    EXPECT_EQ(std::vector<double>(
                  {a.T_Gsw, a.T_Gbw, a.Tvmax, a.T_Min, a.T_Max, a.T_Srg, a.Vgol, a.VMax, a.Tols}),
              std::vector<double>({-6, -7, -8, -45, 40, 3, 15, 30, 25}));
    EXPECT_EQ(a.NaprMax, 9);
    EXPECT_EQ(a.NaprSrg, 6);
    EXPECT_EQ(a.Min, 299);
    EXPECT_EQ(a.Max, 300);
    EXPECT_EQ(a.Step, 1);
}

TEST_F(DrawTemplateTest, TensileForcesAreDividedByTheCrossSection)
{
    context.wire = {1, "АС70/11", 11.4, 79.3, 0.276, 8250, 19.2e-6};
    project.Dat.NaprPage = 1;
    project.Dat.Tag_Max = 793;
    project.Dat.Tag_Srg = 396.5;
    const auto captions = Captions(proper);
    EXPECT_DOUBLE_EQ(engine.args.NaprMax, 10);
    EXPECT_DOUBLE_EQ(engine.args.NaprSrg, 5);
    ASSERT_EQ(captions.size(), 8u);
    EXPECT_EQ(captions[3], "Max. tension (at average annual temperature): 10(5) daN/mm2");
}

TEST_F(DrawTemplateTest, EarlyStopsLeaveOnlyTheSectionStartAndEnd)
{
    struct Case
    {
        const char *what;
        std::function<void(TProject &, TShablon &, FakeEngine &)> change;
        const char *reason;
    } const cases[] = {
        {"engine refused",
         [](TProject &, TShablon &, FakeEngine &e) {
             e.answer = {false, 0, 0, {"Check failed."}};
         },
         "Check failed."},
        {"engine fault",
         [](TProject &, TShablon &, FakeEngine &e) {
             e.answer.ok = false;
             e.answer.warnings.clear();
         },
         "The calculation refused the input"},
        {"zero stress", [](TProject &, TShablon &, FakeEngine &e) { e.answer.napr = 0; },
         ZeroStressReason},
        {"zero MG", [](TProject &, TShablon &t, FakeEngine &) { t.MG = 0; }, ZeroScaleReason},
        {"zero MV", [](TProject &, TShablon &t, FakeEngine &) { t.MV = 0; }, ZeroScaleReason},
        {"infinite load", [](TProject &, TShablon &, FakeEngine &e) { e.answer.gamma = HUGE_VAL; },
         NoCoefficientReason},
        {"wire missing for tensile forces",
         [](TProject &p, TShablon &, FakeEngine &) { p.Dat.NaprPage = 1; },
         "Division by zero: cross-section of wire 'АС70/11'"},
    };
    for (const auto &c : cases) {
        SetUp();
        engine = FakeEngine();
        c.change(project, proper, engine);
        DrawResult result;
        EXPECT_EQ(Draw(proper, &result), EmptyDrawing) << c.what;
        EXPECT_FALSE(result.drawn) << c.what;
        EXPECT_EQ(result.reason, c.reason) << c.what;
    }
}

TEST_F(DrawTemplateTest, EngineErrorIsTheReasonAndItsWarningsReachTheCaller)
{
    TAcadDxf dxf;
    dxf.OpenInMemory();
    const DrawResult thrown
        = DrawTemplateInto(dxf, project, proper, context,
                           [](const TProject &, int, const CalcArgs &) -> TemplateEngineAnswer {
                               throw Error("Division by zero: the wire's cross-section is 0");
                           });
    EXPECT_FALSE(thrown.drawn);
    EXPECT_EQ(thrown.reason, "Division by zero: the wire's cross-section is 0");

    engine.answer = {false, 0, 0, {"The stress at average annual temperature is too high."}};
    DrawResult refused;
    Draw(proper, &refused);
    EXPECT_THAT(refused.warnings,
                ::testing::ElementsAre("The stress at average annual temperature is too high."));
}

TEST_F(DrawTemplateTest, RecordWithoutAModeIsRefusedBeforeAnythingIsWritten)
{
    const auto dir = std::filesystem::temp_directory_path() / "velmora_drawtemplate_nomode";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string existing = (dir / "old.dxf").string();
    const std::string absent = (dir / "new.dxf").string();
    WriteFileAtomically(existing, "old");

    struct Case
    {
        int tip, krivie, temperatura;
    } const cases[] = {{-1, -1, 0}, {2, -1, 0}, {-1, 0, 11}, {-1, 0, -1}, {-1, 1, 3}};
    for (const auto &c : cases) {
        TShablon t = proper;
        t.TipShablona = c.tip;
        t.Krivie = c.krivie;
        t.Temperatura = c.temperatura;
        EXPECT_EQ(TemplateMode(t), 0);
        for (const std::string &path : {existing, absent}) {
            try {
                DrawTemplate(project, t, path, context, engine.Engine());
                ADD_FAILURE() << "no error";
            } catch (const Error &e) {
                EXPECT_STREQ(e.what(), "The type of the pattern (curve) is not indicated.");
            }
        }
    }
    EXPECT_EQ(engine.calls, 0);
    EXPECT_EQ(ReadFileBytes(existing), "old");
    EXPECT_FALSE(FileExists(absent));
    std::filesystem::remove_all(dir);
}

TEST_F(DrawTemplateTest, DrawTemplateWritesTheFileAndFinishesEarlyStops)
{
    const auto dir = std::filesystem::temp_directory_path() / "velmora_drawtemplate_file";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "t.dxf").string();

    const DrawResult drawn = DrawTemplate(project, proper, path, context, engine.Engine());
    EXPECT_TRUE(drawn.drawn);
    EXPECT_EQ(ReadFileBytes(path), Draw(proper));

    engine.answer.napr = 0;
    const DrawResult stopped = DrawTemplate(project, proper, path, context, engine.Engine());
    EXPECT_FALSE(stopped.drawn);
    EXPECT_EQ(ReadFileBytes(path), EmptyDrawing);

    EXPECT_THROW(
        DrawTemplate(project, proper, (dir / "none" / "t.dxf").string(), context, engine.Engine()),
        Error);
    std::filesystem::remove_all(dir);
}

TEST(TemplateCoefficient, NearestHundredthWithExactTiesToEven)
{
    struct Case
    {
        double k;
        const char *text;
    } const cases[] = {
        {2.5, "2.5"},
        {2.125, "2.12"},
        {2.375, "2.38"},
        {0.625, "0.62"},
        {0.875, "0.88"},
        {-2.125, "-2.12"},
        {2.3456, "2.35"},
        {2.344, "2.34"},
        {2.345, "2.35"}, // the double lies
                         // above the
                         // tie: 2.34500000000000019984
        {1.005, "1"}, // the double lies below the tie: 1.00499999999999989342
        {0.004, "0"},
        {12, "12"},
        {3.1, "3.1"},
        {99.999, "100"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatTemplateCoefficient(c.k), c.text) << c.k;
}

} // namespace
} // namespace velmora

namespace velmora {
namespace {

// The drawing with the calculation driver itself: the coefficient in caption 6 is the one the
// driver's mode-7 load and stress at the template's span give.
TEST(DrawTemplateWithEngine, CoefficientComesFromTheDriver)
{
    const DrawingContext context {
        {1, "АС70/11", 11.4, 79.3, 0.276, 8250, 19.2e-6}, Lang::English, {}};
    TProject project;
    project.SetDefaults();
    project.Dat.Provod = "АС70/11";
    TShablon t;
    t.Name = "T";
    t.TipShablona = 0;
    t.Krivie = -1;
    t.PR = 250;

    const TemplateEngineAnswer answer = CalcTemplateEngine(context.wire, context.lang)(
        project, 7, {-5, -5, -5, -50, 40, 0, 18, 36, 20, 4, 9, 249, 250, 1});
    ASSERT_TRUE(answer.ok);
    EXPECT_GT(answer.gamma, 0);
    EXPECT_GT(answer.napr, 0);

    TAcadDxf dxf;
    dxf.OpenInMemory();
    const DrawResult result = DrawTemplateInto(dxf, project, t, context);
    dxf.Finish();
    EXPECT_TRUE(result.drawn) << result.reason;
    const auto entities = testing::ParseEntities(dxf.Bytes());
    ASSERT_EQ(entities.size(), 1811u);
    EXPECT_EQ(entities[1805].Value(1),
              "pattern's coefficient: "
                  + FormatTemplateCoefficient(answer.gamma * 1e4 / (2 * answer.napr)));
}

} // namespace
} // namespace velmora
