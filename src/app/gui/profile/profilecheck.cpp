#include "gui/profile/profilecheck.h"

#include "calc/preparation.h"
#include "common/error.h"
#include "templates/linedesign.h"

namespace velmora {

namespace {

SpanEnd ProfileEndOf(const LineProfile &line, std::size_t i)
{
    const Tower &tower = line.towers[i];
    return {tower.station, line.types.at(static_cast<std::size_t>(tower.type)).height};
}

// The places of the check's violations, in the order CheckLine words them: the failures only
// the ruling span's stress shows first; then span by span the ground, the ruling stress and the
// crossings; then tower by tower the wind span, the weight spans and the forbidden stretches.
std::vector<ProfileViolation> ViolationPlaces(const LineProfile &line, const LineCheck &check,
                                              const std::vector<SpanCurve> &design)
{
    std::vector<ProfileViolation> rulingOnly, places;
    auto wireAt = [&](std::size_t span, double x) { return design[span].ElevationAt(x); };
    std::vector<bool> crossingTaken(line.crossings.size(), false);
    for (std::size_t i = 0; i < check.spans.size(); ++i) {
        const LineSpanResult &span = check.spans[i];
        if (!span.design.groundOk)
            places.push_back({{}, span.design.ground.at, wireAt(i, span.design.ground.at)});
        if (!span.rulingOk) {
            const ProfileViolation place {{}, span.ruling.at, wireAt(i, span.ruling.at)};
            (span.design.groundOk ? rulingOnly : places).push_back(place);
        }
        for (const CrossingCheck &cc : span.design.crossings) {
            if (crossingTaken[cc.crossing])
                continue;
            crossingTaken[cc.crossing] = true;
            if (!cc.ok)
                places.push_back({{}, line.crossings[cc.crossing].station, cc.wire});
        }
    }
    for (std::size_t i = 0; i < check.towers.size(); ++i) {
        const LineTowerResult &t = check.towers[i];
        const ProfileViolation place {{}, t.station, t.attachment};
        if (t.inner) {
            const int count
                = int(!t.spans.windOk) + int(!t.spans.weightOk) + int(!t.spans.weightColdOk);
            places.insert(places.end(), static_cast<std::size_t>(count), place);
        }
        for (const ForbiddenStretch &f : line.forbidden) {
            if (t.station >= f.from && t.station <= f.to)
                places.push_back(place);
        }
    }
    rulingOnly.insert(rulingOnly.end(), places.begin(), places.end());
    return rulingOnly;
}

} // namespace

ProfileCheck CheckProfile(const TProject &project, const LineProfile &line, int templateIndex,
                          const TWireRec &wire, Lang lang, UnitFactors units)
{
    const std::vector<InputFinding> refusals
        = TemplateRefusals(project.Shablons.Items(templateIndex), lang);
    if (!refusals.empty())
        throw Error(refusals.front().text);
    ProfileCheck result;
    result.check = RunLineCheck(project, line, templateIndex, wire, lang, units);
    const LineConditions &conditions = result.check.conditions;
    for (std::size_t i = 0; i + 1 < line.towers.size(); ++i) {
        const SpanEnd a = ProfileEndOf(line, i);
        const SpanEnd b = ProfileEndOf(line, i + 1);
        result.design.push_back(CurveBetween(line.ground, a, b, conditions.design));
        result.cold.push_back(CurveBetween(line.ground, a, b, conditions.cold));
    }
    result.violations = ViolationPlaces(line, result.check, result.design);
    // The places follow the check's own order; a text without a place keeps station 0.
    result.violations.resize(result.check.violations.size());
    for (std::size_t i = 0; i < result.violations.size(); ++i)
        result.violations[i].text = QString::fromStdString(result.check.violations[i]);
    result.cost = LineCost(line, line.towers);
    return result;
}

double LineCost(const LineProfile &line, const std::vector<Tower> &towers)
{
    double cost = 0;
    for (std::size_t i = 1; i + 1 < towers.size(); ++i)
        cost += line.types.at(static_cast<std::size_t>(towers[i].type)).cost;
    return cost;
}

} // namespace velmora
