#include "xls/rk.h"

#include <cmath>
#include <cstring>

namespace velmora::xls {

namespace {

constexpr double RkIntMin = -(1 << 29);
constexpr double RkIntMax = (1 << 29) - 1;

} // namespace

double DecodeRk(std::uint32_t rk)
{
    double value;
    if (rk & 0x02) {
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        const std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 0x01) ? value / 100 : value;
}

std::optional<std::uint32_t> EncodeRk(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    if (value == std::floor(value) && value >= RkIntMin && value <= RkIntMax
        && !(value == 0 && std::signbit(value)))
        return (static_cast<std::uint32_t>(static_cast<std::int32_t>(value)) << 2) | 0x02;
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    if ((bits & 0x3FFFFFFFFull) == 0)
        return static_cast<std::uint32_t>(bits >> 32);
    const double hundred = value * 100;
    if (hundred == std::floor(hundred) && hundred >= RkIntMin && hundred <= RkIntMax
        && hundred / 100 == value) {
        const auto rk
            = (static_cast<std::uint32_t>(static_cast<std::int32_t>(hundred)) << 2) | 0x03;
        if (DecodeRk(rk) == value)
            return rk;
    }
    return std::nullopt;
}

} // namespace velmora::xls
