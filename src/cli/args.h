#pragma once

#include "common/error.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::cli {

// A command line that cannot be used; what() is the one-line message.
class UsageError : public Error
{
public:
    using Error::Error;
};

enum class RegimeChoice {
    File,      // the project's RegimeFlags
    All,       // all 17 modes
    Clearance, // modes 2 and 7
};

struct CalcOptions
{
    std::string project;
    std::optional<std::string> catalogue; // absent: the program's own catalogue
    RegimeChoice regime = RegimeChoice::File;
    int language = 0; // 0 English, 1 Russian
    int units = 0;    // 0 daN-based, 1 N/kN-based
    std::optional<std::string> report;
};

// The words after "calc". Options take their value as the next word or after "=".
// Throws UsageError: "missing project file", "unknown option '<w>'", "option '<o>' needs a
// value", "invalid value '<v>' for <o> (expected ...)", "more than one project file '<p>'".
CalcOptions ParseCalcOptions(const std::vector<std::string> &args);

} // namespace velmora::cli
