#include "commands.h"

#include "common/version.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

// Error texts may hold line breaks (CR LF in the bilingual texts); stderr gets one line.
std::string OneLine(std::string text)
{
    for (char &c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    std::string out;
    for (char c : text) {
        if (!(c == ' ' && !out.empty() && out.back() == ' '))
            out += c;
    }
    return out;
}

constexpr const char *usage
    = "usage: velmora-calc calc PROJECT.vlp [--catalogue FILE.dat] [--regime file|all|clearance]\n"
      "                                     [--lang en|ru] [--units 0|1] [--report OUT.xls]\n"
      "       velmora-calc template ...\n"
      "       velmora-calc stringing PROJECT.vlp [--section N | --all]\n"
      "                                     [--spans 120,150,180 --from -40 --to 40 --step 10]\n"
      "                                     [--catalogue FILE.dat] [--lang en|ru] [--units 0|1]\n"
      "       velmora-calc --version\n";

} // namespace

int main(int argc, char **argv)
{
    using namespace velmora::cli;
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        std::cerr << usage;
        return ExitInputError;
    }
    if (words[0] == "--help" || words[0] == "-h") {
        std::cout << usage;
        return ExitOk;
    }
    if (words[0] == "--version") {
        std::cout << "velmora-calc " << velmora::ProgramVersion << '\n';
        return ExitOk;
    }
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    try {
        if (words[0] == "calc")
            return RunCalcCommand(rest);
        if (words[0] == "template")
            return RunTemplateCommand(rest);
        if (words[0] == "stringing")
            return RunStringingCommand(rest);
    } catch (const std::exception &e) {
        std::cerr << "velmora-calc: " << OneLine(e.what()) << '\n';
        return ExitInputError;
    }
    std::cerr << "velmora-calc: unknown command '" << words[0] << "'\n" << usage;
    return ExitInputError;
}
