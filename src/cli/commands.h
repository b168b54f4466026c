#pragma once

#include <string>
#include <vector>

namespace velmora::cli {

// Exit statuses of velmora-calc.
inline constexpr int ExitOk = 0;
inline constexpr int ExitInputError = 2; // bad arguments, unreadable files, refused input
inline constexpr int ExitCheckFailed = 3; // a check of the critical spans or of the line failed

// "velmora-calc calc ...": args are the words after "calc". Prints the JSON result on stdout.
int RunCalcCommand(const std::vector<std::string> &args);

// "velmora-calc template ...": args are the words after "template".
int RunTemplateCommand(const std::vector<std::string> &args);

// "velmora-calc stringing ...": args are the words after "stringing". Prints the stringing
// tables of the project's anchor sections as JSON on stdout.
int RunStringingCommand(const std::vector<std::string> &args);

// "velmora-calc line ...": args are the words after "line". Checks the line of the project (or
// of the files given) with a sag template and prints the result as JSON on stdout; exit 3 when
// a check fails.
int RunLineCommand(const std::vector<std::string> &args);

} // namespace velmora::cli
