#include "calc/spotting.h"

#include "calc/linecheck.h"
#include "calc/spangeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace velmora {
namespace {

// The rules of a feasible line written out plainly, tower by tower, for the enumeration below.
class PlainRules
{
public:
    explicit PlainRules(const SpottingInput &in)
        : in_(in)
        , kT_(CurveParameter(in.gammaTemplate, in.sigmaTemplate))
        , kC_(CurveParameter(in.gammaCold, in.sigmaCold))
    {
        for (const TowerType &t : in.types)
            limit_ = std::max(limit_, 2 * t.maxWindSpan);
    }

    SpanCurve Curve(const Tower &a, const Tower &b, double k) const
    {
        return {a.station, GroundElevationAt(in_.ground, a.station) + Type(a).height, b.station,
                GroundElevationAt(in_.ground, b.station) + Type(b).height, k};
    }

    bool SpanOk(const Tower &a, const Tower &b) const
    {
        if (b.station - a.station > limit_)
            return false;
        const SpanCurve curve = Curve(a, b, kT_);
        for (const Crossing &c : in_.crossings)
            if (c.station >= a.station && c.station <= b.station
                && curve.ElevationAt(c.station) - c.top < c.clearance)
                return false;
        return ClearanceOver(in_.ground, curve).clearance >= in_.clearance;
    }

    bool TowerOk(const Tower &behind, const Tower &t, const Tower &ahead) const
    {
        const TowerType &type = Type(t);
        const double wind = ((t.station - behind.station) + (ahead.station - t.station)) / 2;
        if (wind > type.maxWindSpan)
            return false;
        for (double k : {kT_, kC_}) {
            const double weight
                = Curve(t, ahead, k).LowPointStation() - Curve(behind, t, k).LowPointStation();
            if (weight < type.minWeightSpan || weight > type.maxWeightSpan)
                return false;
        }
        return true;
    }

    bool LineOk(const std::vector<Tower> &line) const
    {
        for (std::size_t i = 0; i + 1 < line.size(); ++i)
            if (!(line[i + 1].station > line[i].station) || !SpanOk(line[i], line[i + 1]))
                return false;
        for (std::size_t i = 1; i + 1 < line.size(); ++i)
            if (!TowerOk(line[i - 1], line[i], line[i + 1]))
                return false;
        return true;
    }

    const TowerType &Type(const Tower &t) const
    {
        return in_.types[static_cast<std::size_t>(t.type)];
    }

    double Limit() const { return limit_; }

private:
    const SpottingInput &in_;
    double kT_, kC_;
    double limit_ = 0;
};

// The best way to finish a line, tried over every next tower: the rules applied as written,
// with no table, bound or ordering. Remembering the answer for each (tower behind, tower) keeps
// sixty sites quick; without it every line is enumerated one by one.
class Enumeration
{
public:
    Enumeration(const SpottingInput &in, bool remember)
        : in_(in)
        , rules_(in)
        , remember_(remember)
    {
        for (int k = 1;; ++k) {
            const double x = in.first.station + k * in.grid;
            if (!(x < in.last.station))
                break;
            const bool forbidden
                = std::any_of(in.forbidden.begin(), in.forbidden.end(),
                              [x](const ForbiddenStretch &f) { return x >= f.from && x <= f.to; });
            if (!forbidden)
                sites_.push_back(x);
        }
    }

    // The least cost and, at that cost, the fewest towers; cost < 0 when none is feasible.
    struct Best
    {
        double cost = -1;
        std::size_t towers = 0;
        bool Beats(const Best &other) const
        {
            return other.cost < 0 || cost < other.cost
                || (cost == other.cost && towers < other.towers);
        }
    };
    Best Run()
    {
        Best rest = Finish(-1, -1, -1, in_.first.type);
        if (rest.cost >= 0)
            ++rest.towers;
        return rest;
    }

    std::size_t Sites() const { return sites_.size(); }

private:
    const SpottingInput &in_;
    PlainRules rules_;
    bool remember_;
    std::vector<double> sites_;
    std::map<std::array<int, 4>, Best> known_;

    // Site index to tower: −1 is the first tower, sites_.size() the last.
    Tower At(int site, int type) const
    {
        if (site < 0)
            return in_.first;
        if (static_cast<std::size_t>(site) == sites_.size())
            return in_.last;
        return {sites_[static_cast<std::size_t>(site)], type};
    }

    // The cheapest way on from the tower at site (type) with the tower behind it at behind
    // (−1 and −1 for none): the costs and count of the towers after it.
    Best Finish(int behind, int behindType, int site, int type)
    {
        const std::array<int, 4> key {behind, behindType, site, type};
        if (remember_) {
            const auto found = known_.find(key);
            if (found != known_.end())
                return found->second;
        }
        const Tower tail = At(site, type);
        Best best;
        const int end = static_cast<int>(sites_.size());
        for (int next = site + 1; next <= end; ++next)
            for (int t = 0; t < static_cast<int>(in_.types.size()); ++t) {
                if (next == end && t != in_.last.type)
                    continue;
                const Tower ahead = At(next, t);
                if (!rules_.SpanOk(tail, ahead)
                    || (site >= 0 && !rules_.TowerOk(At(behind, behindType), tail, ahead)))
                    continue;
                Best option {0, 1};
                if (next < end) {
                    option = Finish(site, type, next, t);
                    if (option.cost < 0)
                        continue;
                    option.cost += rules_.Type(ahead).cost;
                    ++option.towers;
                }
                if (option.Beats(best))
                    best = option;
            }
        if (remember_)
            known_[key] = best;
        return best;
    }
};

// A small line of the kinds that make spotting hard: valleys, hills, crossings, forbidden
// stretches, two or three tower types with their own limits.
SpottingInput RandomLine(std::mt19937 &random)
{
    const auto uniform
        = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(random); };
    const auto integer
        = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(random); };
    SpottingInput in;
    in.grid = 10;
    const int sites = integer(4, 60);
    const double length = (sites + 1) * in.grid - uniform(0, 9);
    // Hills and valleys of random height and width on a gentle slope.
    std::vector<double> centres, heights, widths;
    for (int f = integer(1, 4); f > 0; --f) {
        centres.push_back(uniform(0, length));
        heights.push_back(uniform(-12, 10));
        widths.push_back(uniform(15, 120));
    }
    const double slope = uniform(-0.05, 0.05);
    const auto elevation = [&](double x) {
        double z = 100 + slope * x;
        for (std::size_t f = 0; f < centres.size(); ++f)
            z += heights[f] * std::exp(-std::pow((x - centres[f]) / widths[f], 2));
        return z;
    };
    for (double x = -5; x < length; x += uniform(3, 25))
        in.ground.push_back({x, elevation(x)});
    in.ground.push_back({length + 1, elevation(length + 1)});
    for (int t = integer(2, 3); t > 0; --t) {
        TowerType type;
        type.name = "T" + std::to_string(t);
        type.height = uniform(12, 24);
        type.cost = integer(1, 4);
        type.maxWindSpan = uniform(25, 70);
        type.maxWeightSpan = type.maxWindSpan * uniform(1, 1.8);
        type.minWeightSpan = uniform(-30, 5);
        in.types.push_back(type);
    }
    in.first = {0, integer(0, static_cast<int>(in.types.size()) - 1)};
    in.last = {length, integer(0, static_cast<int>(in.types.size()) - 1)};
    for (int c = integer(0, 2); c > 0; --c) {
        const double x = uniform(1, length - 1);
        in.crossings.push_back(
            {x, GroundElevationAt(in.ground, x) + uniform(1, 5), uniform(0.5, 3), "object"});
    }
    for (int f = integer(0, 2); f > 0; --f) {
        const double from = uniform(0, length);
        const double to = from + uniform(5, 40);
        if (to < length) // the end towers are the designer's and stand outside
            in.forbidden.push_back({from, to});
    }
    in.sigmaTemplate = uniform(2, 8);
    in.gammaTemplate = uniform(3e-3, 9e-3);
    in.sigmaCold = in.sigmaTemplate * uniform(1.1, 2);
    in.gammaCold = uniform(3e-3, 4e-3);
    in.clearance = uniform(3, 7);
    return in;
}

// The optimum over the candidate sites equals the least cost a plain enumeration finds, with as
// few towers, and the line found keeps every rule.
TEST(Spotting, OptimumEqualsTheEnumeratedLeastCost)
{
    std::mt19937 random(20261210);
    int feasible = 0;
    for (int n = 0; n < 200; ++n) {
        const SpottingInput in = RandomLine(random);
        const SpottingResult found = SpotTowers(in);
        Enumeration enumeration(in, true);
        const Enumeration::Best best = enumeration.Run();
        SCOPED_TRACE("line " + std::to_string(n));
        if (enumeration.Sites() <= 6) {
            // Few enough sites to try every line one by one.
            const Enumeration::Best each = Enumeration(in, false).Run();
            EXPECT_EQ(each.cost, best.cost);
            EXPECT_EQ(each.towers, best.towers);
        }
        if (best.cost < 0) {
            EXPECT_EQ(found.outcome, SpottingResult::Outcome::NoneFeasible);
            continue;
        }
        ++feasible;
        ASSERT_EQ(found.outcome, SpottingResult::Outcome::Found);
        EXPECT_EQ(found.cost, best.cost);
        EXPECT_EQ(found.towers.size(), best.towers);
        EXPECT_TRUE(PlainRules(in).LineOk(found.towers));
        // The line check itself passes it (the ruling stress set to the template's own).
        const LineProfile line {in.ground, in.types, found.towers, in.crossings, in.forbidden};
        const LineConditions conditions {7,
                                         100,
                                         {in.sigmaTemplate, in.gammaTemplate},
                                         {in.sigmaCold, in.gammaCold},
                                         in.clearance};
        const LineCheck checked = CheckLine(line, conditions, 100, in.sigmaTemplate, Lang::English);
        EXPECT_TRUE(checked.ok()) << (checked.ok() ? "" : checked.violations.front());
        EXPECT_EQ(found.towers.front(), in.first);
        EXPECT_EQ(found.towers.back(), in.last);
    }
    // The generator must give both outcomes, many lines of each.
    EXPECT_GT(feasible, 60);
    EXPECT_LT(feasible, 200);
}

// A level line of one type whose answer is known: 1000 m with spans of at most 200 m needs
// four inner towers; a forbidden stretch longer than any span blocks the line right there.
SpottingInput LevelLine()
{
    SpottingInput in;
    in.ground = {{0, 100}, {1000, 100}};
    in.types = {{"S", 20, 3, 100, 200, 0}};
    in.first = {0, 0};
    in.last = {1000, 0};
    in.sigmaTemplate = 8;
    in.gammaTemplate = 3.5e-3;
    in.sigmaCold = 10;
    in.gammaCold = 3.5e-3;
    in.clearance = 7;
    in.grid = 10;
    return in;
}

TEST(Spotting, LevelLineAndABlockedStretch)
{
    SpottingInput in = LevelLine();
    const SpottingResult level = SpotTowers(in);
    ASSERT_EQ(level.outcome, SpottingResult::Outcome::Found);
    // Two spans around an inner tower add up to at most 200 m, so ten spans are needed.
    EXPECT_EQ(level.towers.size(), 11u);
    EXPECT_EQ(level.cost, 27);
    EXPECT_EQ(level.sites, 99u);

    in.forbidden = {{395, 615}}; // 400 … 610 dropped: from 390 the next site is 620, 230 m on
    const SpottingResult blocked = SpotTowers(in);
    EXPECT_EQ(blocked.outcome, SpottingResult::Outcome::NoneFeasible);
    EXPECT_EQ(blocked.blockedFrom, 390);
    EXPECT_EQ(blocked.blockedTo, 620);
    EXPECT_EQ(blocked.sites, 99u - 22u);

    in.forbidden.clear();
    in.crossings = {{500, 140, 2, "too high"}}; // no wire passes 20 m above the ground there
    const SpottingResult crossing = SpotTowers(in);
    EXPECT_EQ(crossing.outcome, SpottingResult::Outcome::NoneFeasible);
    EXPECT_LE(crossing.blockedFrom, 500);
    EXPECT_GE(crossing.blockedTo, 500);
}

TEST(Spotting, BadInputIsRefused)
{
    const auto refused = [](auto change) {
        SpottingInput in = LevelLine();
        change(in);
        EXPECT_ANY_THROW(SpotTowers(in));
    };
    refused([](SpottingInput &in) { in.grid = 0; });
    refused([](SpottingInput &in) { in.grid = NAN; });
    refused([](SpottingInput &in) { in.last.station = 0; });
    refused([](SpottingInput &in) { in.last.station = 1200; });
    refused([](SpottingInput &in) { in.first.type = 1; });
    refused([](SpottingInput &in) { in.types[0].height = 0; });
    refused([](SpottingInput &in) { in.types[0].minWeightSpan = 300; });
    refused([](SpottingInput &in) { in.sigmaCold = 0; });
    refused([](SpottingInput &in) { in.ground = {{0, 1}, {0, 2}, {1000, 1}}; });
    refused([](SpottingInput &in) { in.grid = 1e-5; }); // too many sites
}

// The progress rises to 1; a stop set while it runs ends the spotting as cancelled.
TEST(Spotting, ProgressAndCancellation)
{
    SpottingInput in = LevelLine();
    in.ground = {{0, 100}, {20000, 100}};
    in.last.station = 20000;
    in.grid = 5;
    std::vector<double> seen;
    SpottingControl watch;
    watch.progress = [&](double f) { seen.push_back(f); };
    EXPECT_EQ(SpotTowers(in, watch).outcome, SpottingResult::Outcome::Found);
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), 1);

    std::atomic<bool> stop {false};
    SpottingControl cancel;
    cancel.stop = &stop;
    double last = 0;
    cancel.progress = [&](double f) {
        last = f;
        if (f > 0.2)
            stop = true;
    };
    EXPECT_EQ(SpotTowers(in, cancel).outcome, SpottingResult::Outcome::Cancelled);
    EXPECT_LT(last, 1);
}

} // namespace
} // namespace velmora
