#include "templates/lineprofiledxf.h"

#include "common/error.h"
#include "common/numtext.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr int Red = 1; // what a violation concerns
constexpr int GroundColour = 3;
constexpr int ClearanceColour = 4;
constexpr int WireColour = 5;
constexpr int ColdColour = 6;
constexpr int PlainColour = 7;
constexpr int CurveSegments = 24; // per span: a parabola of 24 chords looks smooth at the scales
constexpr float TextHeight = 2.5f;
constexpr double TableDepth = 30; // drawing units below the datum for the stations and elevations

// Metres of the ground to drawing units.
class Scale
{
public:
    Scale(const TShablon &shablon, double datum)
        : m_rx(shablon.MG / 1000.0)
        , m_ry(shablon.MV / 1000.0)
        , m_datum(datum)
    {
        if (shablon.MG <= 0 || shablon.MV <= 0)
            throw Error("A scale of the template is 0: the profile cannot be drawn",
                        "Масштаб шаблона равен 0: профиль не начертить");
    }
    DxfPoint operator()(double x, double z) const
    {
        return {static_cast<float>(x / m_rx), static_cast<float>((z - m_datum) / m_ry)};
    }

private:
    double m_rx, m_ry, m_datum;
};

std::string Metres(double value)
{
    return FormatNumber(std::round(value * 100) / 100);
}

void DrawCurve(TAcadDxf &dxf, const Scale &at, const SpanCurve &curve, double lower, int colour)
{
    const double step = (curve.xb - curve.xa) / CurveSegments;
    DxfPoint previous = at(curve.xa, curve.ya - lower);
    for (int i = 1; i <= CurveSegments; ++i) {
        const double x = i == CurveSegments ? curve.xb : curve.xa + step * i;
        const DxfPoint next = at(x, curve.ElevationAt(x) - lower);
        dxf.Line(previous, next, colour);
        previous = next;
    }
}

} // namespace

void DrawLineProfileInto(TAcadDxf &dxf, const LineProfile &line, const LineCheck &check,
                         const TShablon &shablon, Lang lang)
{
    const auto lowest
        = std::min_element(line.ground.begin(), line.ground.end(),
                           [](const GroundPoint &p, const GroundPoint &q) { return p.z < q.z; });
    const double datum = lowest == line.ground.end() ? 0 : std::floor(lowest->z / 10) * 10 - 10;
    const Scale at(shablon, datum);
    const double c = check.conditions.clearance;

    for (std::size_t i = 1; i < line.ground.size(); ++i)
        dxf.Line(at(line.ground[i - 1].x, line.ground[i - 1].z),
                 at(line.ground[i].x, line.ground[i].z), GroundColour);

    // The datum line and the table of stations and elevations under it.
    const double first = line.ground.empty() ? 0 : line.ground.front().x;
    const double last = line.ground.empty() ? 0 : line.ground.back().x;
    const DxfPoint left = at(first, datum);
    const DxfPoint right = at(last, datum);
    const auto below = [](DxfPoint p, double down) {
        return DxfPoint {p.x, static_cast<float>(p.y - down)};
    };
    dxf.Line(left, right, PlainColour);
    dxf.Line(below(left, TableDepth), below(right, TableDepth), PlainColour);
    dxf.TextAt(InLanguage(lang, "Datum ", "Условный горизонт ") + Metres(datum),
               {left.x, left.y + 2}, TextHeight);
    dxf.TextAt(InLanguage(lang, "Station, m", "Пикет, м"), below(left, 10), TextHeight);
    dxf.TextAt(InLanguage(lang, "Elevation, m", "Отметка, м"), below(left, 20), TextHeight);

    for (std::size_t i = 0; i < check.towers.size(); ++i) {
        const LineTowerResult &t = check.towers[i];
        const int colour = t.ok ? PlainColour : Red;
        const DxfPoint foot = at(t.station, t.ground);
        const DxfPoint top = at(t.station, t.attachment);
        dxf.Line(foot, top, colour);
        dxf.TextAt(FormatInt(static_cast<std::int64_t>(i + 1)), {top.x - 1, top.y + 3}, TextHeight);
        const DxfPoint base = at(t.station, datum);
        dxf.Line(below(base, 0), below(base, TableDepth), PlainColour);
        dxf.TextAt(Metres(t.station), {base.x + 1, base.y - 10}, TextHeight);
        dxf.TextAt(Metres(t.ground), {base.x + 1, base.y - 20}, TextHeight);
    }

    for (const LineSpanResult &s : check.spans) {
        const Tower &a = line.towers[s.from];
        const Tower &b = line.towers[s.to];
        const SpanEnd ea {a.station, line.types[static_cast<std::size_t>(a.type)].height};
        const SpanEnd eb {b.station, line.types[static_cast<std::size_t>(b.type)].height};
        const SpanCurve design = CurveBetween(line.ground, ea, eb, check.conditions.design);
        const bool failed = !s.design.groundOk || !s.rulingOk;
        DrawCurve(dxf, at, design, 0, failed ? Red : WireColour);
        DrawCurve(dxf, at, design, c, failed ? Red : ClearanceColour);
        DrawCurve(dxf, at, CurveBetween(line.ground, ea, eb, check.conditions.cold), 0, ColdColour);
        if (failed) {
            // The lowest point of the wire over the ground, marked and told.
            const double x = s.design.ground.at;
            const DxfPoint wire = at(x, design.ElevationAt(x));
            dxf.Line(wire, at(x, design.ElevationAt(x) - s.design.ground.clearance), Red);
            dxf.TextAt(Metres(s.design.ground.clearance), {wire.x + 1, wire.y + 1}, TextHeight);
        }
    }

    for (const LineCrossingResult &x : check.crossings) {
        const Crossing &crossing = line.crossings[x.crossing];
        const int colour = x.check.ok ? PlainColour : Red;
        const DxfPoint top = at(crossing.station, crossing.top);
        dxf.Line(at(crossing.station, GroundElevationAt(line.ground, crossing.station)), top,
                 colour);
        dxf.SetColor(colour);
        dxf.TextAt(crossing.name + " (" + Metres(x.check.distance) + InLanguage(lang, " m)", " м)"),
                   {top.x + 1, top.y + 1}, TextHeight);
    }
    dxf.SetColor(PlainColour);
}

void DrawLineProfile(const std::string &path, const LineProfile &line, const LineCheck &check,
                     const TShablon &shablon, Lang lang)
{
    const Scale refuse(shablon, 0); // a scale of 0 stops before the file is made
    (void)refuse;
    TAcadDxf dxf;
    dxf.Open(path);
    DrawLineProfileInto(dxf, line, check, shablon, lang);
    dxf.Finish();
}

} // namespace velmora
