#include "calc/spotting.h"

#include "calc/spangeometry.h"
#include "common/error.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <exception>
#include <limits>
#include <mutex>
#include <string>
#include <thread>

namespace velmora {

namespace {

// The search keeps one whole number per partial line: its cost in fixed units times the room
// for a tower count, plus the tower count. Summing whole numbers is exact, so equal costs are
// equal whatever order they were added in, and the smaller key is the cheaper line, or the
// one with fewer towers at equal cost.
using Key = std::int64_t;
constexpr Key kUnreached = std::numeric_limits<Key>::max();

// More states than this would take more memory than a desktop can spare (8 bytes each).
constexpr std::size_t kMaxStates = std::size_t {50} * 1000 * 1000;

bool Finite(double v)
{
    return std::isfinite(v);
}

void Require(bool condition, const std::string &message)
{
    if (!condition)
        throw Error(message);
}

void CheckInput(const SpottingInput &in)
{
    Require(in.ground.size() >= 2, "The ground profile needs at least two points");
    for (std::size_t i = 0; i < in.ground.size(); ++i) {
        Require(Finite(in.ground[i].x) && Finite(in.ground[i].z),
                "A ground point is not a finite number");
        Require(i == 0 || in.ground[i].x > in.ground[i - 1].x,
                "The ground profile's stations must increase strictly");
    }
    Require(!in.types.empty(), "The spotting needs at least one tower type");
    for (const TowerType &t : in.types) {
        Require(Finite(t.height) && t.height > 0, "A tower type's height must be above 0");
        Require(Finite(t.cost) && t.cost > 0, "A tower type's cost must be above 0");
        Require(Finite(t.maxWindSpan) && t.maxWindSpan > 0,
                "A tower type's max wind span must be above 0");
        Require(Finite(t.minWeightSpan) && Finite(t.maxWeightSpan)
                    && t.minWeightSpan < t.maxWeightSpan,
                "A tower type's min weight span must lie below its max weight span");
    }
    const auto validType
        = [&](int t) { return t >= 0 && static_cast<std::size_t>(t) < in.types.size(); };
    Require(validType(in.first.type) && validType(in.last.type),
            "An end tower's type is not one of the tower types");
    Require(Finite(in.first.station) && Finite(in.last.station)
                && in.first.station < in.last.station,
            "The last tower must stand beyond the first");
    Require(in.first.station >= in.ground.front().x && in.last.station <= in.ground.back().x,
            "The end towers must stand on the ground profile");
    for (const Crossing &c : in.crossings)
        Require(Finite(c.station) && Finite(c.top) && Finite(c.clearance),
                "A crossing's values must be finite numbers");
    for (const ForbiddenStretch &f : in.forbidden)
        Require(Finite(f.from) && Finite(f.to) && f.from <= f.to,
                "A forbidden stretch must end at or beyond its start");
    Require(Finite(in.sigmaTemplate) && in.sigmaTemplate > 0 && Finite(in.sigmaCold)
                && in.sigmaCold > 0,
            "The wire's stresses must be above 0");
    Require(Finite(in.gammaTemplate) && in.gammaTemplate > 0 && Finite(in.gammaCold)
                && in.gammaCold > 0,
            "The wire's specific loads must be above 0");
    Require(Finite(in.clearance), "The clearance must be a finite number");
    Require(Finite(in.grid) && in.grid > 0, "The grid step must be above 0");
}

// The places a tower may stand, in order: the first tower, the candidate sites, the last tower.
struct Nodes
{
    std::vector<double> x; // m, station
    std::vector<double> z; // m, ground elevation
    std::vector<std::size_t> after; // index of the first ground point beyond x
};

Nodes MakeNodes(const SpottingInput &in)
{
    const auto forbidden = [&](double x) {
        return std::any_of(in.forbidden.begin(), in.forbidden.end(),
                           [x](const ForbiddenStretch &f) { return x >= f.from && x <= f.to; });
    };
    Nodes nodes;
    nodes.x.push_back(in.first.station);
    const double span = in.last.station - in.first.station;
    Require(span / in.grid < static_cast<double>(kMaxStates),
            "The grid step is too fine for the line's length");
    for (std::size_t k = 1;; ++k) {
        const double x = in.first.station + static_cast<double>(k) * in.grid;
        if (!(x < in.last.station))
            break;
        if (!forbidden(x))
            nodes.x.push_back(x);
    }
    nodes.x.push_back(in.last.station);
    for (double x : nodes.x) {
        nodes.z.push_back(GroundElevationAt(in.ground, x));
        const auto after = std::upper_bound(in.ground.begin(), in.ground.end(), x,
                                            [](double v, const GroundPoint &p) { return v < p.x; });
        nodes.after.push_back(static_cast<std::size_t>(after - in.ground.begin()));
    }
    return nodes;
}

class Spotter
{
public:
    Spotter(const SpottingInput &in, const SpottingControl &control)
        : in_(in)
        , control_(control)
        , nodes_(MakeNodes(in))
        , typeCount_(in.types.size())
    {
        count_ = nodes_.x.size();
        for (const TowerType &t : in.types)
            spanLimit_ = std::max(spanLimit_, 2 * t.maxWindSpan);
        // The most nodes a span from any node can reach.
        for (std::size_t i = 0, j = 0; i + 1 < count_; ++i) {
            j = std::max(j, i + 1);
            while (j < count_ && nodes_.x[j] - nodes_.x[i] <= spanLimit_)
                ++j;
            reach_ = std::max(reach_, j - i - 1);
        }
        const std::size_t states
            = count_ * typeCount_ * std::max<std::size_t>(reach_, 1) * typeCount_;
        Require(states <= kMaxStates,
                "The line has too many candidate sites for the spotting: choose a coarser grid "
                "step");
        kTemplate_ = CurveParameter(in.gammaTemplate, in.sigmaTemplate);
        kCold_ = CurveParameter(in.gammaCold, in.sigmaCold);
        crossings_ = in.crossings;
        std::sort(crossings_.begin(), crossings_.end(),
                  [](const Crossing &a, const Crossing &b) { return a.station < b.station; });
        MakeKeys();
        for (std::size_t t = 0; t < typeCount_; ++t)
            byHeight_.push_back(t);
        std::stable_sort(byHeight_.begin(), byHeight_.end(), [&](std::size_t a, std::size_t b) {
            return in.types[a].height < in.types[b].height;
        });
    }

    SpottingResult Run()
    {
        SpottingResult result;
        result.sites = count_ - 2;
        if (!BuildSpanTable(result.spansExamined) || !Search()) {
            result.outcome = SpottingResult::Outcome::Cancelled;
            return result;
        }
        Finish(result);
        return result;
    }

private:
    const SpottingInput &in_;
    const SpottingControl &control_;
    Nodes nodes_;
    std::size_t typeCount_;
    std::size_t count_ = 0; // nodes, the end towers included
    std::size_t reach_ = 0;
    double spanLimit_ = 0;
    double kTemplate_ = 0, kCold_ = 0;
    std::vector<Crossing> crossings_;
    std::vector<std::size_t> byHeight_; // type indexes, the lowest attachment first
    std::vector<Key> typeKey_; // a tower's cost units times towerRoom_, plus 1 for the tower
    Key towerRoom_ = 0;
    std::vector<std::uint8_t> spanOk_; // [i][a][d][b]: the span from node i to node i + 1 + d
    std::vector<Key> best_; // [j][b][d][a]: cheapest line ending i = j − 1 − d (type a), j (b)

    bool Stopped() const { return control_.stop && control_.stop->load(std::memory_order_relaxed); }

    void Report(double fraction) const
    {
        if (control_.progress)
            control_.progress(std::min(1.0, std::max(0.0, fraction)));
    }

    bool Allowed(std::size_t node, std::size_t type) const
    {
        if (node == 0)
            return type == static_cast<std::size_t>(in_.first.type);
        if (node + 1 == count_)
            return type == static_cast<std::size_t>(in_.last.type);
        return true;
    }

    double Attachment(std::size_t node, std::size_t type) const
    {
        return nodes_.z[node] + in_.types[type].height;
    }

    SpanCurve Curve(std::size_t i, std::size_t a, std::size_t j, std::size_t b, double k) const
    {
        return {nodes_.x[i], Attachment(i, a), nodes_.x[j], Attachment(j, b), k};
    }

    // Costs in whole units of 10⁻⁶ (fewer decimals when the sums would not fit), each tower
    // adding one to the count below them.
    void MakeKeys()
    {
        double maxCost = 0;
        for (const TowerType &t : in_.types)
            maxCost = std::max(maxCost, t.cost);
        towerRoom_ = static_cast<Key>(count_) + 1;
        const double room = static_cast<double>(towerRoom_);
        const double limit = 4.0e18 / (room * room);
        double scale = 1e6;
        while (scale > 1e-12 && maxCost * scale > limit)
            scale /= 10;
        Require(maxCost * scale <= limit, "The tower types' costs are too large");
        for (const TowerType &t : in_.types)
            typeKey_.push_back(static_cast<Key>(std::llround(t.cost * scale)) * towerRoom_ + 1);
    }

    Key NodeKey(std::size_t node, std::size_t type) const
    {
        return node + 1 == count_ ? 0 : typeKey_[type];
    }

    std::size_t SpanIndex(std::size_t i, std::size_t a, std::size_t d, std::size_t b) const
    {
        return ((i * typeCount_ + a) * reach_ + d) * typeCount_ + b;
    }

    std::size_t StateIndex(std::size_t j, std::size_t b, std::size_t d, std::size_t a) const
    {
        return ((j * typeCount_ + b) * reach_ + d) * typeCount_ + a;
    }

    // Clearance and crossings of the span in the template state, as the line check decides
    // them: the least of (distance to the ground − C) and (distance to each crossing − its own
    // clearance). The span is feasible when this margin is at least 0. A margin of 0 or more is
    // exact; a negative one may be larger than the exact value (the walk stops at the first
    // failure), never smaller than 0.
    double SpanMargin(std::size_t i, std::size_t a, std::size_t j, std::size_t b) const
    {
        const SpanCurve curve = Curve(i, a, j, b, kTemplate_);
        double margin = std::numeric_limits<double>::infinity();
        const auto firstCrossing
            = std::lower_bound(crossings_.begin(), crossings_.end(), curve.xa,
                               [](const Crossing &c, double x) { return c.station < x; });
        for (auto c = firstCrossing; c != crossings_.end() && c->station <= curve.xb; ++c) {
            margin = std::min(margin, (curve.ElevationAt(c->station) - c->top) - c->clearance);
            if (!(margin >= 0))
                return margin;
        }
        const std::span<const GroundPoint> ground(in_.ground);
        // A ground point near mid-span: the distance there is one the exact minimum also
        // weighs, so a span too low there is refused without the whole walk.
        const std::size_t middle = std::min(
            nodes_.after[i] + (nodes_.after[j] - nodes_.after[i]) / 2, ground.size() - 1);
        const GroundPoint &probe = ground[middle];
        if (probe.x > curve.xa && probe.x < curve.xb) {
            const double probed = (curve.ElevationAt(probe.x) - probe.z) - in_.clearance;
            if (!(probed >= 0))
                return probed;
        }
        // The ground points around the span, one more on each side, so that the stations are
        // placed on the same ground segments as on the whole profile.
        const std::size_t from = nodes_.after[i] - 1;
        const std::size_t to = std::min(nodes_.after[j] + 1, ground.size());
        return std::min(margin,
                        ClearanceOver(ground.subspan(from, to - from), curve).clearance
                            - in_.clearance);
    }

    // One row of the span table: every span from node i. Returns the spans examined.
    // Raising either attachment raises the whole wire, so a pair of types that clears with room
    // to spare decides every pair at least as high, and one that fails clearly every pair at
    // most as high; only the pairs near the limit are walked.
    std::size_t SpanRow(std::size_t i)
    {
        constexpr double kSure = 1e-6; // m, far beyond the rounding of elevations
        struct Decided
        {
            double ha, hb, margin;
        };
        std::vector<Decided> decided;
        std::vector<std::pair<std::size_t, std::size_t>> pairs;
        std::size_t examined = 0;
        for (std::size_t d = 0; d < reach_; ++d) {
            const std::size_t j = i + 1 + d;
            if (j >= count_ || nodes_.x[j] - nodes_.x[i] > spanLimit_)
                break;
            pairs.clear();
            for (std::size_t a : byHeight_)
                for (std::size_t b : byHeight_)
                    if (Allowed(i, a) && Allowed(j, b))
                        pairs.emplace_back(a, b);
            // The highest pair first, then the lowest: between them they often decide all.
            if (pairs.size() >= 2)
                std::swap(pairs.front(), pairs.back());
            if (pairs.size() >= 3)
                std::swap(pairs[1], pairs.back());
            decided.clear();
            for (const auto &[a, b] : pairs) {
                ++examined;
                const double ha = in_.types[a].height, hb = in_.types[b].height;
                bool known = false, ok = false;
                for (const Decided &e : decided) {
                    if (e.margin > kSure && e.ha <= ha && e.hb <= hb) {
                        known = ok = true;
                        break;
                    }
                    if (e.margin < -kSure && e.ha >= ha && e.hb >= hb) {
                        known = true;
                        break;
                    }
                }
                if (!known) {
                    const double margin = SpanMargin(i, a, j, b);
                    decided.push_back({ha, hb, margin});
                    ok = margin >= 0;
                }
                spanOk_[SpanIndex(i, a, d, b)] = ok ? 1 : 0;
            }
        }
        return examined;
    }

    // The span table on every core; false when stopped.
    bool BuildSpanTable(std::size_t &examined)
    {
        spanOk_.assign(count_ * typeCount_ * reach_ * typeCount_, 0);
        const std::size_t rows = count_ - 1;
        std::atomic<std::size_t> next {0};
        std::atomic<std::size_t> done {0};
        std::atomic<std::size_t> total {0};
        std::exception_ptr failure;
        std::mutex failureLock;
        const auto work = [&](bool reporting) {
            try {
                for (;;) {
                    if (Stopped())
                        return;
                    const std::size_t i = next.fetch_add(1);
                    if (i >= rows)
                        return;
                    total.fetch_add(SpanRow(i), std::memory_order_relaxed);
                    const std::size_t finished = done.fetch_add(1) + 1;
                    if (reporting)
                        Report(0.5 * static_cast<double>(finished) / static_cast<double>(rows));
                }
            } catch (...) {
                const std::lock_guard<std::mutex> hold(failureLock);
                if (!failure)
                    failure = std::current_exception();
                next.store(rows);
            }
        };
        const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
        std::vector<std::thread> helpers;
        for (unsigned t = 1; t < cores && t < rows; ++t)
            helpers.emplace_back(work, false);
        work(true);
        for (std::thread &h : helpers)
            h.join();
        if (failure)
            std::rethrow_exception(failure);
        examined = total.load();
        return !Stopped();
    }

    // A partial line ending in the span into (j, b): what the checks of tower j need of it.
    struct Left
    {
        Key key;
        double length, lowTemplate, lowCold;
        std::size_t state;
    };

    // The partial lines into (j, b), the cheapest first: the first that lets tower j stand is
    // the cheapest that does, so most searches end after a few.
    void CollectLeft(std::size_t j, std::size_t b, std::vector<Left> &left) const
    {
        left.clear();
        for (std::size_t d = 0; d < reach_ && d < j; ++d) {
            const std::size_t i = j - 1 - d;
            for (std::size_t a = 0; a < typeCount_; ++a) {
                const std::size_t s = StateIndex(j, b, d, a);
                if (best_[s] == kUnreached)
                    continue;
                left.push_back({best_[s], nodes_.x[j] - nodes_.x[i],
                                Curve(i, a, j, b, kTemplate_).LowPointStation(),
                                Curve(i, a, j, b, kCold_).LowPointStation(), s});
            }
        }
        std::sort(left.begin(), left.end(), [](const Left &x, const Left &y) {
            return x.key < y.key || (x.key == y.key && x.state < y.state);
        });
    }

    // The span ahead of tower j of type b, to (k, c).
    struct Ahead
    {
        double length, lowTemplate, lowCold;
    };
    Ahead AheadOf(std::size_t j, std::size_t b, std::size_t k, std::size_t c) const
    {
        return {nodes_.x[k] - nodes_.x[j], Curve(j, b, k, c, kTemplate_).LowPointStation(),
                Curve(j, b, k, c, kCold_).LowPointStation()};
    }

    // The checks of an inner tower, as the line check makes them.
    static bool TowerOk(const Left &behind, const TowerType &type, const Ahead &ahead)
    {
        if (!((behind.length + ahead.length) / 2 <= type.maxWindSpan))
            return false;
        const double t = ahead.lowTemplate - behind.lowTemplate;
        const double c = ahead.lowCold - behind.lowCold;
        return t >= type.minWeightSpan && t <= type.maxWeightSpan && c >= type.minWeightSpan
            && c <= type.maxWeightSpan;
    }

    // The dynamic programme over pairs of towers: false when stopped.
    bool Search()
    {
        best_.assign(count_ * typeCount_ * reach_ * typeCount_, kUnreached);
        std::vector<Left> left;
        for (std::size_t j = 0; j + 1 < count_; ++j) {
            if (Stopped())
                return false;
            if (j % 16 == 0)
                Report(0.5 + 0.5 * static_cast<double>(j) / static_cast<double>(count_));
            for (std::size_t b = 0; b < typeCount_; ++b) {
                if (!Allowed(j, b))
                    continue;
                if (j > 0) {
                    CollectLeft(j, b, left);
                    if (left.empty())
                        continue;
                }
                const TowerType &type = in_.types[b];
                for (std::size_t d = 0; d < reach_ && j + 1 + d < count_; ++d) {
                    const std::size_t k = j + 1 + d;
                    for (std::size_t c = 0; c < typeCount_; ++c) {
                        if (!Allowed(k, c) || !spanOk_[SpanIndex(j, b, d, c)])
                            continue;
                        Key cheapest = 0;
                        if (j > 0) {
                            cheapest = kUnreached;
                            const Ahead ahead = AheadOf(j, b, k, c);
                            for (const Left &behind : left)
                                if (TowerOk(behind, type, ahead)) {
                                    cheapest = behind.key;
                                    break;
                                }
                            if (cheapest == kUnreached)
                                continue;
                        }
                        best_[StateIndex(k, c, d, b)] = cheapest + NodeKey(k, c);
                    }
                }
            }
        }
        Report(1);
        return true;
    }

    void Finish(SpottingResult &result) const
    {
        const std::size_t last = count_ - 1;
        const auto lastType = static_cast<std::size_t>(in_.last.type);
        Key bestKey = kUnreached;
        std::size_t bestState = 0;
        for (std::size_t d = 0; d < reach_; ++d)
            for (std::size_t a = 0; a < typeCount_; ++a) {
                const std::size_t s = StateIndex(last, lastType, d, a);
                if (best_[s] < bestKey) {
                    bestKey = best_[s];
                    bestState = s;
                }
            }
        if (bestKey == kUnreached) {
            result.outcome = SpottingResult::Outcome::NoneFeasible;
            std::size_t furthest = 0;
            for (std::size_t s = 0; s < best_.size(); ++s)
                if (best_[s] != kUnreached)
                    furthest = std::max(furthest, s / (typeCount_ * reach_ * typeCount_));
            result.blockedFrom = nodes_.x[furthest];
            result.blockedTo = nodes_.x[std::min(furthest + 1, last)];
            return;
        }
        result.outcome = SpottingResult::Outcome::Found;
        result.towers = Trace(bestState, bestKey);
        for (std::size_t t = 1; t + 1 < result.towers.size(); ++t)
            result.cost += in_.types[static_cast<std::size_t>(result.towers[t].type)].cost;
        // To the 10⁻⁶ the search counts in: 201.6, not the sum's 201.60000000000002.
        if (result.cost < 1e9)
            result.cost = std::round(result.cost * 1e6) / 1e6;
    }

    // The towers of the line whose last state is s, walking back through the states whose keys
    // add up.
    std::vector<Tower> Trace(std::size_t s, Key key) const
    {
        const auto decode = [&](std::size_t state, std::size_t &j, std::size_t &b, std::size_t &i,
                                std::size_t &a) {
            a = state % typeCount_;
            const std::size_t d = state / typeCount_ % reach_;
            b = state / (typeCount_ * reach_) % typeCount_;
            j = state / (typeCount_ * reach_ * typeCount_);
            i = j - 1 - d;
        };
        std::vector<Tower> reversed;
        std::size_t k = 0, c = 0, j = 0, b = 0;
        decode(s, k, c, j, b);
        std::vector<Left> left;
        for (;;) {
            reversed.push_back({nodes_.x[k], static_cast<int>(c)});
            if (j == 0)
                break;
            const Key wanted = key - NodeKey(k, c);
            CollectLeft(j, b, left);
            const Ahead ahead = AheadOf(j, b, k, c);
            const auto behind = std::find_if(left.begin(), left.end(), [&](const Left &e) {
                return e.key == wanted && TowerOk(e, in_.types[b], ahead);
            });
            if (behind == left.end())
                throw Error("The spotted line could not be traced back");
            key = wanted;
            std::size_t i = 0, a = 0, jj = 0, bb = 0;
            decode(behind->state, jj, bb, i, a);
            k = j;
            c = b;
            j = i;
            b = a;
        }
        reversed.push_back({nodes_.x[0], in_.first.type});
        return {reversed.rbegin(), reversed.rend()};
    }
};

} // namespace

SpottingResult SpotTowers(const SpottingInput &input, const SpottingControl &control)
{
    CheckInput(input);
    return Spotter(input, control).Run();
}

} // namespace velmora
