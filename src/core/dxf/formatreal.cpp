#include "dxf/acaddxf.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace velmora {

namespace {

// Above this the value times 10^4 no longer fits the integer path; such floats are whole
// numbers anyway, so their four decimals are zeros.
constexpr double LargestScaled = 9.0e18;

std::string TrimTrailingZeros(std::string text)
{
    while (text.size() >= 3 && text.back() == '0' && text[text.size() - 2] != '.')
        text.pop_back();
    return text;
}

} // namespace

std::string FormatReal(float value)
{
    if (!std::isfinite(value))
        return value != value ? "nan" : (value > 0 ? "inf" : "-inf");
    // A float has 24 significant bits, so value * 10^4 (14 more bits) is exact in a double and
    // the rounding below sees the true value: ties are real ties.
    const double scaled = static_cast<double>(value) * 10000.0;
    if (std::fabs(scaled) >= LargestScaled) {
        char buf[64];
        const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value),
                                       std::chars_format::fixed, 4);
        return TrimTrailingZeros(std::string(buf, res.ptr));
    }
    const std::int64_t units = static_cast<std::int64_t>(std::round(scaled)); // ties away from 0
    const std::uint64_t magnitude = static_cast<std::uint64_t>(units < 0 ? -units : units);
    std::string text;
    if (units < 0)
        text += '-'; // a value that rounds to zero gets no sign
    text += std::to_string(magnitude / 10000);
    text += '.';
    const auto fraction = std::to_string(magnitude % 10000);
    text.append(4 - fraction.size(), '0');
    text += fraction;
    return TrimTrailingZeros(std::move(text));
}

} // namespace velmora
