#include "templates/drawtemplate.h"

#include "common/error.h"
#include "common/numtext.h"
#include "templates/templatemode.h"

#include <charconv>
#include <cmath>

namespace velmora {

namespace {

constexpr int CurveColour = 1;
constexpr int CaptionColour = 7;
constexpr float CaptionHeight = 2.5f;
constexpr double CaptionX = -30;
constexpr int HalfWidth_m = 300; // the curves reach 300 m either side of the lowest point
constexpr double AxisTop = 300; // drawing units, whatever the scale

DxfPoint At(double x, double y)
{
    return {static_cast<float>(x), static_cast<float>(y)};
}

// One curve of 600 one-metre segments: y(x) = k (x/100)² + offset_m, scaled to the drawing.
void DrawCurve(TAcadDxf &dxf, double k, double offset_m, double rx, double ry)
{
    const auto y = [&](int x_m) {
        const double r = x_m / 100.0;
        return (k * r * r + offset_m) / ry;
    };
    DxfPoint from = At(-HalfWidth_m / rx, y(-HalfWidth_m));
    for (int i = -HalfWidth_m; i < HalfWidth_m; ++i) {
        const DxfPoint to = At((i + 1) / rx, y(i + 1));
        dxf.Line(from, to, CurveColour);
        from = to;
    }
}

std::string StressCaption(const PermissibleStresses &stresses, Lang lang, const UnitFactors &units)
{
    const double factor = units.stress;
    // The unit follows the factor the numbers were multiplied by.
    const bool newtons = factor != 1.0;
    return CoreText("Max_tension_aver_temp", lang) + FormatNumber(stresses.max * factor) + "("
        + FormatNumber(stresses.avg * factor) + ") "
        + CoreText(newtons ? "N_mm2" : "daN_mm2", lang);
}

void DrawCaptions(TAcadDxf &dxf, const TShablon &shablon, const TDAT &dat, int mode,
                  const PermissibleStresses &stresses, double k, double ry, Lang lang,
                  const UnitFactors &units)
{
    const auto text = [lang](const char *key) { return CoreText(key, lang); };
    const std::string temperature = TemplateTemperatureCaption(mode, dat);
    const std::string lines[8] = {
        text("Name") + ": " + shablon.Name,
        text("Overall_span_ac") + " : " + FormatInt(shablon.PR),
        text("Type_of_wire") + ": " + dat.Provod,
        StressCaption(stresses, lang, units),
        temperature.empty() ? std::string() : text("Temperature") + temperature,
        text("pat_coef") + ": " + FormatTemplateCoefficient(k),
        text("hor_scale") + ", 1 : " + FormatInt(shablon.MG),
        text("vert_scale") + ",  1 : " + FormatInt(shablon.MV),
    };
    dxf.SetColor(CaptionColour);
    const double top = -shablon.VP / ry - 25;
    for (int n = 0; n < 8; ++n) {
        if (n == 4 && temperature.empty())
            continue; // its place stays empty
        dxf.TextAt(lines[n], At(CaptionX, top - 10.0 * n), CaptionHeight);
    }
}

void DrawReferenceSegments(TAcadDxf &dxf, const TShablon &shablon, double rx, double ry)
{
    const double clearance = -(shablon.TG + shablon.Zapas) / ry;
    const double left = -HalfWidth_m / rx;
    const double right = HalfWidth_m / rx;
    dxf.Line(At(0, -shablon.VP / ry), At(0, AxisTop), CaptionColour);
    dxf.Line(At(left, 0), At(right, 0), CaptionColour);
    dxf.Line(At(left, clearance), At(right, clearance), CaptionColour);
}

// The engine needs two spans in a sweep; the template's span is the last one.
CalcArgs EngineArgs(const TDAT &dat, const TWireRec &wire, int span_m)
{
    CalcArgs args = CalcArgsOf(dat, wire);
    args.Min = static_cast<double>(span_m) - 1;
    args.Max = span_m;
    args.Step = 1;
    return args;
}

// Why the drawing holds no entities, or nullptr when it can be drawn.
const char *NothingToDrawReason(const TShablon &shablon, double gamma, double napr)
{
    if (napr == 0)
        return ZeroStressReason;
    if (shablon.MG == 0 || shablon.MV == 0)
        return ZeroScaleReason;
    if (!std::isfinite(gamma * 1e4 / (2 * napr)))
        return NoCoefficientReason;
    return nullptr;
}

int ModeOrRefuse(const TShablon &shablon, Lang lang)
{
    const int mode = TemplateMode(shablon);
    if (mode == 0)
        throw Error(CoreText("curve_not_indicated", lang));
    return mode;
}

} // namespace

std::string FormatTemplateCoefficient(double k_m)
{
    if (!std::isfinite(k_m))
        return FormatNumber(k_m);
    // to_chars rounds the exact binary value, an exact tie to even.
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, k_m, std::chars_format::fixed, 2);
    double rounded = 0;
    std::from_chars(buf, res.ptr, rounded);
    return FormatNumber(rounded);
}

bool DrawTemplateEntities(TAcadDxf &dxf, const TShablon &shablon, const TDAT &dat, int mode,
                          const PermissibleStresses &stresses, double gamma, double napr, Lang lang,
                          const UnitFactors &units)
{
    if (NothingToDrawReason(shablon, gamma, napr))
        return false;
    const double k = gamma * 1e4 / (2 * napr); // sag 100 m from the lowest point, m
    const double rx = shablon.MG / 1000.0; // metres per drawing unit
    const double ry = shablon.MV / 1000.0;

    DrawCurve(dxf, k, 0, rx, ry);
    if (shablon.Krivie == -1) {
        DrawCurve(dxf, k, -shablon.VP, rx, ry);
        DrawCurve(dxf, k, -(shablon.TG + shablon.Zapas), rx, ry);
    }
    DrawCaptions(dxf, shablon, dat, mode, stresses, k, ry, lang, units);
    DrawReferenceSegments(dxf, shablon, rx, ry);
    return true;
}

DrawResult DrawTemplateInto(TAcadDxf &dxf, const TProject &project, const TShablon &shablon,
                            const DrawingContext &context, const TemplateEngine &engine)
{
    const int mode = ModeOrRefuse(shablon, context.lang);
    DrawResult result;
    PermissibleStresses stresses;
    TemplateEngineAnswer answer;
    try {
        const CalcArgs args = EngineArgs(project.Dat, context.wire, shablon.PR);
        stresses = {args.NaprMax, args.NaprSrg};
        answer = engine ? engine(project, mode, args)
                        : CalcTemplateEngine(context.wire, context.lang)(project, mode, args);
    } catch (const Error &e) {
        result.reason = e.what();
        return result;
    }
    result.warnings = answer.warnings;
    if (!answer.ok) {
        for (const auto &warning : answer.warnings)
            result.reason += (result.reason.empty() ? "" : " ") + warning;
        if (result.reason.empty())
            result.reason = "The calculation refused the input";
        return result;
    }
    if (const char *reason = NothingToDrawReason(shablon, answer.gamma, answer.napr)) {
        result.reason = reason;
        return result;
    }
    result.drawn = DrawTemplateEntities(dxf, shablon, project.Dat, mode, stresses, answer.gamma,
                                        answer.napr, context.lang, context.units);
    return result;
}

DrawResult DrawTemplate(const TProject &project, const TShablon &shablon, const std::string &path,
                        const DrawingContext &context, const TemplateEngine &engine)
{
    ModeOrRefuse(shablon, context.lang);
    TAcadDxf dxf;
    dxf.Open(path);
    const DrawResult result = DrawTemplateInto(dxf, project, shablon, context, engine);
    dxf.Finish();
    return result;
}

} // namespace velmora
