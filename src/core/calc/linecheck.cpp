#include "calc/linecheck.h"

#include "calc/stringing.h"
#include "common/error.h"
#include "common/numtext.h"

#include <cmath>

namespace velmora {

namespace {

// Metres as the violations print them: to the centimetre.
std::string Metres(double value)
{
    return FormatNumber(std::round(value * 100) / 100);
}

// A stress as the violations print it, in the shown units: to 10⁻⁴ daN/mm², the tolerance of
// the limit checks (10⁻³ N/mm²).
std::string Stress(double value, const UnitFactors &units)
{
    const double scale = 1e4 / units.stress;
    return FormatNumber(std::round(value * units.stress * scale) / scale);
}

std::string StressUnit(const UnitFactors &units, Lang lang)
{
    return units.stress == 1 ? InLanguage(lang, "daN/mm²", "даН/мм²")
                             : InLanguage(lang, "N/mm²", "Н/мм²");
}

std::string TowerNumber(std::size_t index)
{
    return FormatInt(static_cast<std::int64_t>(index + 1));
}

std::string SpanName(std::size_t from, Lang lang)
{
    return InLanguage(lang, "Span ", "Пролёт ") + TowerNumber(from) + "–" + TowerNumber(from + 1);
}

SpanEnd EndOf(const LineProfile &line, std::size_t tower)
{
    const Tower &t = line.towers[tower];
    return {t.station, line.types.at(static_cast<std::size_t>(t.type)).height};
}

} // namespace

SpanCurve CurveBetween(std::span<const GroundPoint> ground, SpanEnd a, SpanEnd b,
                       const HangingState &state)
{
    SpanCurve curve;
    curve.xa = a.station;
    curve.ya = GroundElevationAt(ground, a.station) + a.height;
    curve.xb = b.station;
    curve.yb = GroundElevationAt(ground, b.station) + b.height;
    curve.k = CurveParameter(state.gamma, state.sigma);
    return curve;
}

SpanCheck CheckSpan(std::span<const GroundPoint> ground, std::span<const Crossing> crossings,
                    SpanEnd a, SpanEnd b, const HangingState &state, double clearance)
{
    const SpanCurve curve = CurveBetween(ground, a, b, state);
    SpanCheck check;
    check.length = curve.xb - curve.xa;
    check.dh = curve.yb - curve.ya;
    check.ground = ClearanceOver(ground, curve);
    check.groundOk = check.ground.clearance >= clearance;
    check.ok = check.groundOk;
    for (std::size_t i = 0; i < crossings.size(); ++i) {
        const Crossing &c = crossings[i];
        if (c.station < curve.xa || c.station > curve.xb)
            continue;
        CrossingCheck cc;
        cc.crossing = i;
        cc.wire = curve.ElevationAt(c.station);
        cc.distance = cc.wire - c.top;
        cc.ok = cc.distance >= c.clearance;
        check.ok = check.ok && cc.ok;
        check.crossings.push_back(cc);
    }
    return check;
}

double WindSpan(double leftLength, double rightLength)
{
    return (leftLength + rightLength) / 2;
}

double WeightSpan(const SpanCurve &behind, const SpanCurve &ahead)
{
    return ahead.LowPointStation() - behind.LowPointStation();
}

TowerSpansCheck CheckTowerSpans(const TowerType &type, const SpanCurve &behind,
                                const SpanCurve &ahead, const SpanCurve &behindCold,
                                const SpanCurve &aheadCold)
{
    TowerSpansCheck check;
    check.wind = WindSpan(behind.xb - behind.xa, ahead.xb - ahead.xa);
    check.weight = WeightSpan(behind, ahead);
    check.weightCold = WeightSpan(behindCold, aheadCold);
    check.windOk = check.wind <= type.maxWindSpan;
    const auto within
        = [&type](double w) { return w >= type.minWeightSpan && w <= type.maxWeightSpan; };
    check.weightOk = within(check.weight);
    check.weightColdOk = within(check.weightCold);
    return check;
}

std::vector<double> SpanLengths(const LineProfile &line)
{
    if (line.towers.size() < 2)
        throw Error("The line needs at least two towers", "Линии нужны хотя бы две опоры");
    std::vector<double> lengths;
    lengths.reserve(line.towers.size() - 1);
    for (std::size_t i = 1; i < line.towers.size(); ++i)
        lengths.push_back(line.towers[i].station - line.towers[i - 1].station);
    return lengths;
}

LineCheck CheckLine(const LineProfile &line, const LineConditions &conditions, double rulingSpan,
                    double rulingStress, Lang lang, UnitFactors units)
{
    if (line.towers.size() < 2)
        throw Error("The line needs at least two towers", "Линии нужны хотя бы две опоры");
    LineCheck result;
    result.conditions = conditions;
    result.rulingSpan = rulingSpan;
    result.rulingStress = rulingStress;
    const HangingState ruling {rulingStress, conditions.design.gamma};
    const double c = conditions.clearance;
    std::vector<std::string> rulingOnly; // the failures only the ruling stress shows: first

    std::vector<SpanCurve> design, cold;
    const std::size_t spans = line.towers.size() - 1;
    design.reserve(spans);
    cold.reserve(spans);
    std::vector<bool> crossingTaken(line.crossings.size(), false);
    for (std::size_t i = 0; i < spans; ++i) {
        const SpanEnd a = EndOf(line, i);
        const SpanEnd b = EndOf(line, i + 1);
        LineSpanResult span;
        span.from = i;
        span.to = i + 1;
        span.design = CheckSpan(line.ground, line.crossings, a, b, conditions.design, c);
        span.ruling = ClearanceOver(line.ground, CurveBetween(line.ground, a, b, ruling));
        span.rulingOk = span.ruling.clearance >= c;
        design.push_back(CurveBetween(line.ground, a, b, conditions.design));
        cold.push_back(CurveBetween(line.ground, a, b, conditions.cold));

        const std::string name = SpanName(i, lang);
        if (!span.design.groundOk) {
            result.violations.push_back(
                name + InLanguage(lang, ": clearance ", ": габарит ")
                + Metres(span.design.ground.clearance) + InLanguage(lang, " m at ", " м на ")
                + Metres(span.design.ground.at) + InLanguage(lang, " m, below ", " м, меньше ")
                + Metres(c) + InLanguage(lang, " m", " м"));
        }
        if (!span.rulingOk) {
            const std::string text = name
                + InLanguage(lang, ": with the ruling span's stress ",
                             ": при напряжении приведённого пролёта ")
                + Stress(rulingStress, units) + " " + StressUnit(units, lang)
                + InLanguage(lang, " the clearance is ", " габарит ")
                + Metres(span.ruling.clearance) + InLanguage(lang, " m at ", " м на ")
                + Metres(span.ruling.at) + InLanguage(lang, " m, below ", " м, меньше ") + Metres(c)
                + InLanguage(lang, " m", " м");
            if (span.design.groundOk)
                rulingOnly.push_back(text
                                     + InLanguage(lang, " (passes with the template's)",
                                                  " (с напряжением шаблона проходит)"));
            else
                result.violations.push_back(text);
        }
        for (const CrossingCheck &cc : span.design.crossings) {
            if (crossingTaken[cc.crossing])
                continue; // on the tower between two spans: it belongs to the first
            crossingTaken[cc.crossing] = true;
            result.crossings.push_back({cc.crossing, i, cc});
            if (!cc.ok) {
                const Crossing &crossing = line.crossings[cc.crossing];
                result.violations.push_back(
                    InLanguage(lang, "Crossing \"", "Пересечение «") + crossing.name
                    + InLanguage(lang, "\" at ", "» на ") + Metres(crossing.station)
                    + InLanguage(lang, " m: distance ", " м: расстояние ") + Metres(cc.distance)
                    + InLanguage(lang, " m, below ", " м, меньше ") + Metres(crossing.clearance)
                    + InLanguage(lang, " m", " м"));
            }
        }
        result.spans.push_back(std::move(span));
    }

    for (std::size_t i = 0; i < line.towers.size(); ++i) {
        const Tower &tower = line.towers[i];
        const TowerType &type = line.types.at(static_cast<std::size_t>(tower.type));
        LineTowerResult t;
        t.station = tower.station;
        t.type = tower.type;
        t.ground = GroundElevationAt(line.ground, tower.station);
        t.attachment = t.ground + type.height;
        t.inner = i > 0 && i + 1 < line.towers.size();
        if (t.inner) {
            t.spans = CheckTowerSpans(type, design[i - 1], design[i], cold[i - 1], cold[i]);
            t.ok = t.spans.ok();
            const std::string name = InLanguage(lang, "Tower ", "Опора ") + TowerNumber(i);
            if (!t.spans.windOk)
                result.violations.push_back(
                    name + InLanguage(lang, ": wind span ", ": ветровой пролёт ")
                    + Metres(t.spans.wind) + InLanguage(lang, " m, above ", " м, больше ")
                    + Metres(type.maxWindSpan) + InLanguage(lang, " m", " м"));
            const auto weight = [&](double value, const char *stateEn, const char *stateRu) {
                result.violations.push_back(
                    name + InLanguage(lang, ": weight span ", ": весовой пролёт ")
                    + InLanguage(lang, stateEn, stateRu) + Metres(value)
                    + InLanguage(lang, " m, outside ", " м, вне ") + Metres(type.minWeightSpan)
                    + " … " + Metres(type.maxWeightSpan) + InLanguage(lang, " m", " м"));
            };
            if (!t.spans.weightOk)
                weight(t.spans.weight, "", "");
            if (!t.spans.weightColdOk)
                weight(t.spans.weightCold, "in the cold ", "при низшей температуре ");
        }
        for (const ForbiddenStretch &f : line.forbidden) {
            if (tower.station >= f.from && tower.station <= f.to) {
                t.ok = false;
                result.violations.push_back(InLanguage(lang, "Tower ", "Опора ") + TowerNumber(i)
                                            + InLanguage(lang, " stands in the forbidden stretch ",
                                                         " стоит на запретном участке ")
                                            + Metres(f.from) + " … " + Metres(f.to)
                                            + InLanguage(lang, " m", " м"));
            }
        }
        result.towers.push_back(t);
    }
    result.violations.insert(result.violations.begin(), rulingOnly.begin(), rulingOnly.end());
    return result;
}

} // namespace velmora
