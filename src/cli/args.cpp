#include "args.h"

#include <string_view>

namespace velmora::cli {

namespace {

[[noreturn]] void InvalidValue(std::string_view option, std::string_view value,
                               std::string_view expected)
{
    throw UsageError("invalid value '" + std::string(value) + "' for " + std::string(option)
                     + " (expected " + std::string(expected) + ")");
}

} // namespace

CalcOptions ParseCalcOptions(const std::vector<std::string> &args)
{
    CalcOptions options;
    bool haveProject = false;
    bool optionsEnded = false; // after "--" every word is the project file
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &word = args[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            if (haveProject)
                throw UsageError("more than one project file '" + word + "'");
            options.project = word;
            haveProject = true;
            continue;
        }
        std::string name = word;
        std::optional<std::string> value;
        if (const auto eq = word.find('='); eq != std::string::npos) {
            name = word.substr(0, eq);
            value = word.substr(eq + 1);
        }
        if (name != "--catalogue" && name != "--regime" && name != "--lang" && name != "--units"
            && name != "--report")
            throw UsageError("unknown option '" + name + "'");
        if (!value) {
            if (i + 1 >= args.size())
                throw UsageError("option '" + name + "' needs a value");
            value = args[++i];
        }
        if (name == "--catalogue") {
            options.catalogue = *value;
        } else if (name == "--report") {
            options.report = *value;
        } else if (name == "--regime") {
            if (*value == "file")
                options.regime = RegimeChoice::File;
            else if (*value == "all")
                options.regime = RegimeChoice::All;
            else if (*value == "clearance")
                options.regime = RegimeChoice::Clearance;
            else
                InvalidValue(name, *value, "file, all or clearance");
        } else if (name == "--lang") {
            if (*value == "en")
                options.language = 0;
            else if (*value == "ru")
                options.language = 1;
            else
                InvalidValue(name, *value, "en or ru");
        } else {
            if (*value == "0")
                options.units = 0;
            else if (*value == "1")
                options.units = 1;
            else
                InvalidValue(name, *value, "0 or 1");
        }
    }
    if (!haveProject)
        throw UsageError("missing project file");
    return options;
}

} // namespace velmora::cli
