#pragma once

#include "data/lineprofile.h"

#include <span>

namespace velmora {

// Elevation of the ground at station x, linear between the profile's points. ground must hold
// at least two points with strictly increasing stations and x must lie within them.
double GroundElevationAt(std::span<const GroundPoint> ground, double x);

// A wire hanging between two attachment points as a parabola in the inclined span:
//   y(x) = ya + (yb − ya)(x − xa)/l − k(x − xa)(xb − x),  l = xb − xa,  k = γ/(2σ).
struct SpanCurve
{
    double xa = 0, ya = 0; // m, the near attachment point
    double xb = 0, yb = 0; // m, the far attachment point (xb > xa)
    double k = 0; // 1/m, γ/(2σ)

    double ElevationAt(double x) const;
    // Station of the curve's lowest point, (xa + xb)/2 − (yb − ya)/(2kl); it lies outside the
    // span when the wire pulls up on the lower tower.
    double LowPointStation() const;
};

// k = γ/(2σ) of a wire under the specific load γ daN/(m·mm²) at the stress σ daN/mm².
double CurveParameter(double gamma, double sigma);

// The smallest vertical distance between the curve and the ground over [xa, xb], and where it
// occurs. Exact: on each ground segment the distance is a convex quadratic, so its minimum is
// at an end of the segment or at its stationary point inside.
struct SpanClearance
{
    double clearance = 0; // m
    double at = 0; // m, station
};
SpanClearance ClearanceOver(std::span<const GroundPoint> ground, const SpanCurve &curve);

} // namespace velmora
