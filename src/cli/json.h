#pragma once

#include <string>
#include <string_view>

namespace velmora::cli {

// A number that reads back to the same double: the shortest round-trip form of
// std::to_chars ("1.9e-05", "20", "0.0491117..."). Only finite values are written.
std::string JsonNumber(double value);

// A JSON string literal: quotes, backslash and control characters escaped, UTF-8 kept.
std::string JsonString(std::string_view text);

} // namespace velmora::cli
