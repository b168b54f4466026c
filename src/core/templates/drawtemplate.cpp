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

// One curve of 601 points a metre apart: y(x) = k (x/100)² + offset_m, scaled to the drawing.
std::vector<DxfPoint> CurvePoints(double k, double offset_m, double rx, double ry)
{
    const auto y = [&](int x_m) {
        const double r = x_m / 100.0;
        return (k * r * r + offset_m) / ry;
    };
    std::vector<DxfPoint> points;
    points.reserve(2 * HalfWidth_m + 1);
    points.push_back(At(-HalfWidth_m / rx, y(-HalfWidth_m)));
    for (int i = -HalfWidth_m; i < HalfWidth_m; ++i)
        points.push_back(At((i + 1) / rx, y(i + 1)));
    return points;
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

std::vector<std::pair<DxfPoint, DxfPoint>> ReferenceSegments(const TShablon &shablon, double rx,
                                                             double ry)
{
    const double clearance = -(shablon.TG + shablon.Zapas) / ry;
    const double left = -HalfWidth_m / rx;
    const double right = HalfWidth_m / rx;
    return {{At(0, -shablon.VP / ry), At(0, AxisTop)},
            {At(left, 0), At(right, 0)},
            {At(left, clearance), At(right, clearance)}};
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

std::optional<TemplateFigure> FigureOfTemplate(const TShablon &shablon, double gamma, double napr)
{
    if (NothingToDrawReason(shablon, gamma, napr))
        return std::nullopt;
    TemplateFigure figure;
    figure.k_m = gamma * 1e4 / (2 * napr); // sag 100 m from the lowest point, m
    const double rx = shablon.MG / 1000.0; // metres per drawing unit
    const double ry = shablon.MV / 1000.0;
    figure.curves.push_back(CurvePoints(figure.k_m, 0, rx, ry));
    if (shablon.Krivie == -1) {
        figure.curves.push_back(CurvePoints(figure.k_m, -shablon.VP, rx, ry));
        figure.curves.push_back(CurvePoints(figure.k_m, -(shablon.TG + shablon.Zapas), rx, ry));
    }
    figure.segments = ReferenceSegments(shablon, rx, ry);
    return figure;
}

namespace {

// The figure's curves in colour 1, the eight captions in lang and units, the three reference
// segments in colour 7.
void DrawFigure(TAcadDxf &dxf, const TemplateFigure &figure, const TShablon &shablon,
                const TDAT &dat, int mode, const PermissibleStresses &stresses, Lang lang,
                const UnitFactors &units)
{
    for (const std::vector<DxfPoint> &curve : figure.curves) {
        for (std::size_t i = 1; i < curve.size(); ++i)
            dxf.Line(curve[i - 1], curve[i], CurveColour);
    }
    DrawCaptions(dxf, shablon, dat, mode, stresses, figure.k_m, shablon.MV / 1000.0, lang, units);
    for (const auto &[from, to] : figure.segments)
        dxf.Line(from, to, CaptionColour);
}

} // namespace

TemplateComputation ComputeTemplate(const TProject &project, const TShablon &shablon,
                                    const DrawingContext &context, const TemplateEngine &engine)
{
    TemplateComputation c;
    c.mode = ModeOrRefuse(shablon, context.lang);
    DrawResult &result = c.result;
    TemplateEngineAnswer answer;
    try {
        const CalcArgs args = EngineArgs(project.Dat, context.wire, shablon.PR);
        c.stresses = {args.NaprMax, args.NaprSrg};
        answer = engine ? engine(project, c.mode, args)
                        : CalcTemplateEngine(context.wire, context.lang)(project, c.mode, args);
    } catch (const Error &e) {
        result.reason = e.what();
        return c;
    }
    result.warnings = answer.warnings;
    if (!answer.ok) {
        for (const auto &warning : answer.warnings)
            result.reason += (result.reason.empty() ? "" : " ") + warning;
        if (result.reason.empty())
            result.reason = "The calculation refused the input";
        return c;
    }
    c.gamma = answer.gamma;
    c.napr = answer.napr;
    if (const char *reason = NothingToDrawReason(shablon, answer.gamma, answer.napr)) {
        // The reason in the drawing's language.
        const char *key = reason == ZeroStressReason ? "zero_stress"
            : reason == ZeroScaleReason              ? "zero_scale"
                                                     : "no_coefficient";
        result.reason = CoreText(key, context.lang);
        return c;
    }
    c.figure = FigureOfTemplate(shablon, answer.gamma, answer.napr);
    result.drawn = c.figure.has_value();
    return c;
}

DrawResult DrawTemplateInto(TAcadDxf &dxf, const TProject &project, const TShablon &shablon,
                            const DrawingContext &context, const TemplateEngine &engine)
{
    TemplateComputation c = ComputeTemplate(project, shablon, context, engine);
    if (c.figure)
        DrawFigure(dxf, *c.figure, shablon, project.Dat, c.mode, c.stresses, context.lang,
                   context.units);
    return c.result;
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
