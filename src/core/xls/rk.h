#pragma once

#include <cstdint>
#include <optional>

namespace velmora::xls {

// The RK number form: a 30-bit integer or the top 30 bits of a double, optionally ×100.
double DecodeRk(std::uint32_t rk);
// The RK form of value when it holds the value exactly, else nothing.
std::optional<std::uint32_t> EncodeRk(double value);

} // namespace velmora::xls
