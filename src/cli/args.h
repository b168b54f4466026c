#pragma once

#include "common/error.h"
#include "data/project.h"
#include "l10n/coretexts.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

// A text of velmora-calc's own in both languages.
struct Bilingual
{
    std::string english;
    std::string russian;
};

// The language of velmora-calc's messages: that of "--lang ru" (or "--lang=ru") anywhere
// among the words before "--", so that a refusal of an earlier word is in it too; English
// otherwise.
Lang MessageLanguageOf(const std::vector<std::string> &words);

// A command line that cannot be used; what() is the one-line message.
class UsageError : public Error
{
public:
    using Error::Error;
};

// The words after a command: positional words, and options given as "--name value" or
// "--name=value". After "--" every word is positional.
struct CommandWords
{
    struct Option
    {
        std::string name;
        std::string value;
    };
    std::vector<std::string> positional;
    std::vector<Option> options;
};

// Throws UsageError "unknown option '<w>'" for a name not in known, "option '<o>' needs a
// value" for an option at the end without one. The names in flags take no value (their
// option's value is empty): "option '<o>' takes no value" for "--flag=value".
CommandWords SplitCommandWords(const std::vector<std::string> &args,
                               std::initializer_list<std::string_view> known,
                               std::initializer_list<std::string_view> flags = {});

// "invalid value '<v>' for <o> (expected <expected>)".
[[noreturn]] void InvalidValue(std::string_view option, std::string_view value,
                               const Bilingual &expected);

// The option's value as a whole number of at least minimum; otherwise InvalidValue with
// expected.
int IntOptionFrom(const CommandWords::Option &option, int minimum, const Bilingual &expected);

// For an index past the project's items (what: "template", "anchor section"): "no <what> <i>
// in "<project>": it has <n> <what>s (0 to <n-1>)", "it has 1 <what> (0 to 0)", "it has 0
// <what>s". The Russian text takes the item's genitive, singular and plural ("шаблона",
// "шаблонов").
[[noreturn]] void NoSuchItem(std::string_view what, const Bilingual &russianGenitives, int index,
                             const std::string &project, int count);

// "--report writes one file: give --report-dir DIR for several projects".
UsageError ReportForOneError();

// The one project file among the positional words: "missing project file", "more than one
// project file '<p>'".
std::string ProjectFileOf(const CommandWords &words);

// The options both commands share: --catalogue, --lang en|ru, --units 0|1.
struct CommonOptions
{
    std::optional<std::string> catalogue; // absent: the program's own catalogue
    Lang lang = Lang::English;
    int units = 0; // 0 daN-based, 1 N/kN-based
};

// Takes the option into common when it is one of the shared ones; false otherwise.
bool TakeCommonOption(const CommandWords::Option &option, CommonOptions &common);

struct CalcOptions
{
    // The project files and folders as given. Without --jsonl exactly one project file.
    std::vector<std::string> projects;
    CommonOptions common;
    std::optional<RegimeChoice> regime; // --regime all or clearance; absent: the project's flags
    std::optional<std::string> report; // --report OUT.xls, for one project
    std::optional<std::string> reportDir; // --report-dir DIR: DIR/<project name>.xls each
    bool jsonl = false; // one JSON object per line, each with "project"
    int jobs = 0; // --jobs N, from 1; 0: the number of processors
};

// The words after "calc". Throws UsageError as the functions above, and "more than one
// project file '<p>' (--jsonl calculates several)", "--report writes one file: give
// --report-dir DIR for several projects", "--report and --report-dir cannot be combined".
CalcOptions ParseCalcOptions(const std::vector<std::string> &args);

} // namespace velmora::cli
