#include "args.h"

#include "common/error.h"
#include "common/numtext.h"

namespace velmora::cli {

Lang MessageLanguageOf(const std::vector<std::string> &words)
{
    Lang lang = Lang::English;
    for (std::size_t i = 0; i < words.size() && words[i] != "--"; ++i) {
        if (words[i] == "--lang=ru"
            || (words[i] == "--lang" && i + 1 < words.size() && words[i + 1] == "ru"))
            lang = Lang::Russian;
        else if (words[i] == "--lang=en"
                 || (words[i] == "--lang" && i + 1 < words.size() && words[i + 1] == "en"))
            lang = Lang::English;
    }
    return lang;
}

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
                throw UsageError("option '" + option.name + "' takes no value",
                                 "параметр «" + option.name + "» пишется без значения");
            words.options.push_back(std::move(option));
            continue;
        }
        bool isKnown = false;
        for (std::string_view name : known)
            isKnown = isKnown || name == option.name;
        if (!isKnown)
            throw UsageError("unknown option '" + option.name + "'",
                             "неизвестный параметр «" + option.name + "»");
        if (!haveValue) {
            if (i + 1 >= args.size())
                throw UsageError("option '" + option.name + "' needs a value",
                                 "параметру «" + option.name + "» нужно значение");
            option.value = args[++i];
        }
        words.options.push_back(std::move(option));
    }
    return words;
}

void InvalidValue(std::string_view option, std::string_view value, const Bilingual &expected)
{
    const std::string shown = ShownText(value);
    throw UsageError("invalid value '" + shown + "' for " + std::string(option) + " (expected "
                         + expected.english + ")",
                     "недопустимое значение «" + shown + "» параметра " + std::string(option)
                         + " (нужно: " + expected.russian + ")");
}

int IntOptionFrom(const CommandWords::Option &option, int minimum, const Bilingual &expected)
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

void NoSuchItem(std::string_view what, const Bilingual &russianGenitives, int index,
                const std::string &project, int count)
{
    const std::string item(what);
    const std::string range = count > 0 ? FormatInt(count - 1) : std::string();
    throw UsageError("no " + item + " " + FormatInt(index) + " in \"" + project + "\": it has "
                         + FormatInt(count) + " " + (count == 1 ? item : item + "s")
                         + (count > 0 ? " (0 to " + range + ")" : ""),
                     "в «" + project + "» нет " + russianGenitives.english + " " + FormatInt(index)
                         + ": " + russianGenitives.russian + " в нём " + FormatInt(count)
                         + (count > 0 ? " (от 0 до " + range + ")" : ""));
}

UsageError ReportForOneError()
{
    return UsageError("--report writes one file: give --report-dir DIR for several projects",
                      "--report пишет один файл: для нескольких проектов укажите --report-dir "
                      "ПАПКА");
}

std::string ProjectFileOf(const CommandWords &words)
{
    if (words.positional.empty())
        throw UsageError("missing project file", "не указан файл проекта");
    if (words.positional.size() > 1)
        throw UsageError("more than one project file '" + words.positional[1] + "'",
                         "указан не один файл проекта: «" + words.positional[1] + "»");
    return words.positional.front();
}

bool TakeCommonOption(const CommandWords::Option &option, CommonOptions &common)
{
    const std::string &value = option.value;
    if (option.name == "--catalogue") {
        common.catalogue = value;
    } else if (option.name == "--lang") {
        if (value != "en" && value != "ru")
            InvalidValue(option.name, value, {"en or ru", "en или ru"});
        common.lang = value == "en" ? Lang::English : Lang::Russian;
    } else if (option.name == "--units") {
        if (value != "0" && value != "1")
            InvalidValue(option.name, value, {"0 or 1", "0 или 1"});
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
        InvalidValue(option.name, option.value,
                     {"file, all or clearance", "file, all или clearance"});
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
            options.jobs
                = IntOptionFrom(option, 1, {"a number of jobs from 1", "число заданий от 1"});
        else
            options.regime = RegimeOf(option);
    }
    if (words.positional.empty())
        throw UsageError("missing project file", "не указан файл проекта");
    if (!options.jsonl && words.positional.size() > 1)
        throw UsageError("more than one project file '" + words.positional[1]
                             + "' (--jsonl calculates several)",
                         "указан не один файл проекта: «" + words.positional[1]
                             + "» (несколько считает --jsonl)");
    if (options.report && options.reportDir)
        throw UsageError("--report and --report-dir cannot be combined",
                         "--report и --report-dir не указываются вместе");
    if (options.report && words.positional.size() > 1)
        throw ReportForOneError();
    options.projects = words.positional;
    return options;
}

} // namespace velmora::cli
