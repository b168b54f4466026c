#include "args.h"

#include "common/numtext.h"

namespace velmora::cli {

CommandWords SplitCommandWords(const std::vector<std::string> &args,
                               std::initializer_list<std::string_view> known,
                               std::initializer_list<std::string_view> flags)
{
    CommandWords words;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &word = args[i];
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            words.positional.push_back(word);
            continue;
        }
        CommandWords::Option option {word, {}};
        bool haveValue = false;
        if (const auto eq = word.find('='); eq != std::string::npos) {
            option = {word.substr(0, eq), word.substr(eq + 1)};
            haveValue = true;
        }
        bool isFlag = false;
        for (std::string_view name : flags)
            isFlag = isFlag || name == option.name;
        if (isFlag) {
            if (haveValue)
                throw UsageError("option '" + option.name + "' takes no value");
            words.options.push_back(std::move(option));
            continue;
        }
        bool isKnown = false;
        for (std::string_view name : known)
            isKnown = isKnown || name == option.name;
        if (!isKnown)
            throw UsageError("unknown option '" + option.name + "'");
        if (!haveValue) {
            if (i + 1 >= args.size())
                throw UsageError("option '" + option.name + "' needs a value");
            option.value = args[++i];
        }
        words.options.push_back(std::move(option));
    }
    return words;
}

void InvalidValue(std::string_view option, std::string_view value, std::string_view expected)
{
    throw UsageError("invalid value '" + std::string(value) + "' for " + std::string(option)
                     + " (expected " + std::string(expected) + ")");
}

int IntOptionFrom(const CommandWords::Option &option, int minimum, std::string_view expected)
{
    int number = 0;
    try {
        number = ParseInt(option.value);
    } catch (const ConversionError &) {
        InvalidValue(option.name, option.value, expected);
    }
    if (number < minimum)
        InvalidValue(option.name, option.value, expected);
    return number;
}

void NoSuchItem(std::string_view what, int index, const std::string &project, int count)
{
    const std::string item(what);
    throw UsageError("no " + item + " " + FormatInt(index) + " in \"" + project + "\": it has "
                     + FormatInt(count) + " " + (count == 1 ? item : item + "s")
                     + (count > 0 ? " (0 to " + FormatInt(count - 1) + ")" : ""));
}

std::string ProjectFileOf(const CommandWords &words)
{
    if (words.positional.empty())
        throw UsageError("missing project file");
    if (words.positional.size() > 1)
        throw UsageError("more than one project file '" + words.positional[1] + "'");
    return words.positional.front();
}

bool TakeCommonOption(const CommandWords::Option &option, CommonOptions &common)
{
    const std::string &value = option.value;
    if (option.name == "--catalogue") {
        common.catalogue = value;
    } else if (option.name == "--lang") {
        if (value != "en" && value != "ru")
            InvalidValue(option.name, value, "en or ru");
        common.lang = value == "en" ? Lang::English : Lang::Russian;
    } else if (option.name == "--units") {
        if (value != "0" && value != "1")
            InvalidValue(option.name, value, "0 or 1");
        common.units = value == "0" ? 0 : 1;
    } else {
        return false;
    }
    return true;
}

namespace {

std::optional<RegimeChoice> RegimeOf(const CommandWords::Option &option)
{
    if (option.value == "file")
        return std::nullopt;
    if (option.value == "all")
        return RegimeChoice::All;
    if (option.value != "clearance")
        InvalidValue(option.name, option.value, "file, all or clearance");
    return RegimeChoice::Clearance;
}

} // namespace

CalcOptions ParseCalcOptions(const std::vector<std::string> &args)
{
    const CommandWords words = SplitCommandWords(
        args,
        {"--catalogue", "--regime", "--lang", "--units", "--report", "--report-dir", "--jobs"},
        {"--jsonl"});
    CalcOptions options;
    for (const auto &option : words.options) {
        if (TakeCommonOption(option, options.common))
            continue;
        if (option.name == "--report")
            options.report = option.value;
        else if (option.name == "--report-dir")
            options.reportDir = option.value;
        else if (option.name == "--jsonl")
            options.jsonl = true;
        else if (option.name == "--jobs")
            options.jobs = IntOptionFrom(option, 1, "a number of jobs from 1");
        else
            options.regime = RegimeOf(option);
    }
    if (words.positional.empty())
        throw UsageError("missing project file");
    if (!options.jsonl && words.positional.size() > 1)
        throw UsageError("more than one project file '" + words.positional[1]
                         + "' (--jsonl calculates several)");
    if (options.report && options.reportDir)
        throw UsageError("--report and --report-dir cannot be combined");
    if (options.report && words.positional.size() > 1)
        throw UsageError("--report writes one file: give --report-dir DIR for several projects");
    options.projects = words.positional;
    return options;
}

} // namespace velmora::cli
