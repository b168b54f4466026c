#include "calc/spangeometry.h"

#include "calc/arith.h"
#include "common/error.h"
#include "common/numtext.h"

#include <algorithm>
#include <iterator>

namespace velmora {

namespace {

// Index i of the ground segment [i, i + 1] that holds x (the last segment for its right end).
std::size_t SegmentOf(std::span<const GroundPoint> ground, double x)
{
    if (ground.size() < 2)
        throw Error("The ground profile needs at least two points",
                    "Профилю земли нужны хотя бы две точки");
    if (!(x >= ground.front().x && x <= ground.back().x))
        throw Error("The station " + FormatNumber(x) + " m lies outside the ground profile",
                    "Пикет " + FormatNumber(x) + " м лежит вне профиля земли");
    const auto after = std::upper_bound(ground.begin(), ground.end(), x,
                                        [](double v, const GroundPoint &p) { return v < p.x; });
    const auto index = static_cast<std::size_t>(std::distance(ground.begin(), after));
    return std::min(index, ground.size() - 1) - 1;
}

double Interpolate(const GroundPoint &p, const GroundPoint &q, double x)
{
    return p.z + (q.z - p.z) * (x - p.x) / (q.x - p.x);
}

} // namespace

double GroundElevationAt(std::span<const GroundPoint> ground, double x)
{
    const std::size_t i = SegmentOf(ground, x);
    return Interpolate(ground[i], ground[i + 1], x);
}

double SpanCurve::ElevationAt(double x) const
{
    const double l = xb - xa;
    return ya + (yb - ya) * (x - xa) / l - k * (x - xa) * (xb - x);
}

double SpanCurve::LowPointStation() const
{
    const double l = xb - xa;
    CheckDivisor(k * l, "the wire's curve is a straight line (no load or no span)");
    return (xa + xb) / 2 - (yb - ya) / (2 * k * l);
}

double CurveParameter(double gamma, double sigma)
{
    CheckDivisor(sigma, "the wire's stress is 0");
    return CheckedValue(gamma / (2 * sigma), "the wire's curve");
}

SpanClearance ClearanceOver(std::span<const GroundPoint> ground, const SpanCurve &curve)
{
    if (!(curve.xb > curve.xa))
        throw Error("A span's far tower must stand beyond its near tower");
    std::size_t i = SegmentOf(ground, curve.xa);
    const std::size_t last = SegmentOf(ground, curve.xb);
    const auto distance = [&](double x, std::size_t segment) {
        return curve.ElevationAt(x) - Interpolate(ground[segment], ground[segment + 1], x);
    };
    SpanClearance best {distance(curve.xa, i), curve.xa};
    const auto consider = [&](double x, std::size_t segment) {
        const double d = distance(x, segment);
        if (d < best.clearance)
            best = {d, x};
    };
    const double l = curve.xb - curve.xa;
    const double wireSlope = (curve.yb - curve.ya) / l;
    for (; i <= last; ++i) {
        const double from = std::max(curve.xa, ground[i].x);
        const double to = std::min(curve.xb, ground[i + 1].x);
        consider(from, i);
        consider(to, i);
        // d(x) = wire − ground is k x² + … ; its derivative is zero where the wire's slope
        // equals the ground's: wireSlope − k(xa + xb − 2x) = groundSlope.
        if (curve.k > 0) {
            const double groundSlope
                = (ground[i + 1].z - ground[i].z) / (ground[i + 1].x - ground[i].x);
            const double x
                = (groundSlope - wireSlope + curve.k * (curve.xa + curve.xb)) / (2 * curve.k);
            if (x > from && x < to)
                consider(x, i);
        }
    }
    return best;
}

} // namespace velmora
