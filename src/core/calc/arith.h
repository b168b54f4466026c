#pragma once

#include <string_view>

namespace velmora {

// C++ floating point does not raise, so the engine checks its own results: these throw
// velmora::Error the moment a value stops being a finite number, naming the quantity.
//   NaN      -> "Invalid floating point operation in <what>"
//   +/- inf  -> "Floating point overflow in <what>"
double CheckedValue(double value, std::string_view what);

// Throws "Division by zero: <why>" when divisor is exactly 0.
void CheckDivisor(double divisor, std::string_view why);

} // namespace velmora
