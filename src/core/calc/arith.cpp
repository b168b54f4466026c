#include "calc/arith.h"

#include "common/error.h"

#include <cmath>
#include <string>

namespace velmora {

double CheckedValue(double value, std::string_view what)
{
    if (std::isnan(value))
        throw Error("Invalid floating point operation in " + std::string(what));
    if (std::isinf(value))
        throw Error("Floating point overflow in " + std::string(what));
    return value;
}

void CheckDivisor(double divisor, std::string_view why)
{
    if (divisor == 0.0)
        throw Error("Division by zero: " + std::string(why));
}

} // namespace velmora
