#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// The number text format of every text file and grid: shortest decimal form with at most
// 15 significant digits, "." as point, no trailing zeros, no point for whole values;
// exponent form ("1E-5", "1E15") only below 1E-4 (other than zero) and from 1E15 up.
std::string FormatNumber(double value);

// Integers: plain decimal digits, "-" when negative.
std::string FormatInt(std::int64_t value);

// Decimal text with "." as separator: blanks around, optional sign, optional exponent.
// Throws ConversionError "'<text>' is not a valid floating point value".
double ParseFloat(std::string_view text);

// A number as a person types it: ParseFloat's form with "," or "." as the decimal point
// ("40,5", "1,92E-5"). Throws ConversionError "'<text>' is not a valid floating point value"
// with the text as given.
double ParseDecimal(std::string_view text);

// A 32-bit integer in decimal, blanks around and a sign allowed.
// Throws ConversionError "'<text>' is not a valid integer value".
std::int32_t ParseInt(std::string_view text);

} // namespace velmora
