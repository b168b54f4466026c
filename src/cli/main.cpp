#include "args.h"
#include "commands.h"
#include "output.h"

#include "common/fileio.h"
#include "common/version.h"
#include "l10n/coretexts.h"

#include <csignal>
#include <exception>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

namespace {

// The usage of each command, and of the program.
constexpr const char *calcUsage
    = "usage: velmora-calc calc PROJECT.vlp [--catalogue FILE.dat] [--regime file|all|clearance]\n"
      "                                     [--lang en|ru] [--units 0|1] [--report OUT.xls]\n"
      "       velmora-calc calc --jsonl PROJECT.vlp|FOLDER ... [--report-dir DIR] [--jobs N]\n"
      "                                     [the other options of calc]\n";
constexpr const char *templateUsage
    = "usage: velmora-calc template PROJECT.vlp --index N --dxf OUT.dxf\n"
      "                                     [--catalogue FILE.dat] [--lang en|ru] [--units 0|1]\n";
constexpr const char *stringingUsage
    = "usage: velmora-calc stringing PROJECT.vlp [--section N | --all]\n"
      "                                     [--spans 120,150,180 --from -40 --to 40 --step 10]\n"
      "                                     [--catalogue FILE.dat] [--lang en|ru] [--units 0|1]\n"
      "                                     [--report OUT.xls]\n";
constexpr const char *lineUsage
    = "usage: velmora-calc line PROJECT.vlp --template N [--ground G.csv|G.xml] [--towers T.csv]\n"
      "                                     [--types Y.csv] [--crossings C.csv] [--forbid F.csv]\n"
      "                                     [--dxf OUT.dxf] [--report OUT.xls]\n"
      "                                     [--spot [--grid STEP_M]]\n"
      "                                     [--catalogue FILE.dat] [--lang en|ru] [--units 0|1]\n";

std::string Usage()
{
    // The commands' usages one after another, "usage:" only once.
    std::string text;
    for (const char *part : {calcUsage, templateUsage, stringingUsage, lineUsage}) {
        std::string lines = part;
        if (!text.empty())
            lines.replace(0, 6, "      ");
        text += lines;
    }
    return text + "       velmora-calc --version\n       velmora-calc COMMAND --help\n";
}

// "--help" or "-h" among a command's words (before "--"): that command's usage is wanted.
bool AsksForHelp(const std::vector<std::string> &words)
{
    for (const std::string &word : words) {
        if (word == "--")
            return false;
        if (word == "--help" || word == "-h")
            return true;
    }
    return false;
}

// The command's work; main adds the final check of standard output.
int Run(int argc, char **argv)
{
    using namespace velmora::cli;
    const std::vector<std::string> words(argv + 1, argv + argc);
    const std::string usage = Usage();
    if (words.empty()) {
        std::cerr << usage;
        return ExitInputError;
    }
    if (words[0] == "--help" || words[0] == "-h") {
        WriteStdout(usage);
        return ExitOk;
    }
    if (words[0] == "--version") {
        WriteStdout(std::string("velmora-calc ") + velmora::ProgramVersion + "\n");
        return ExitOk;
    }
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    const std::pair<const char *, const char *> commands[] = {{"calc", calcUsage},
                                                              {"template", templateUsage},
                                                              {"stringing", stringingUsage},
                                                              {"line", lineUsage}};
    for (const auto &[command, commandUsage] : commands) {
        if (words[0] == command && AsksForHelp(rest)) {
            WriteStdout(commandUsage);
            return ExitOk;
        }
    }
    try {
        if (words[0] == "calc")
            return RunCalcCommand(rest);
        if (words[0] == "template")
            return RunTemplateCommand(rest);
        if (words[0] == "stringing")
            return RunStringingCommand(rest);
        if (words[0] == "line")
            return RunLineCommand(rest);
    } catch (const std::exception &e) {
        std::cerr << "velmora-calc: " << OneLine(velmora::ErrorText(e, MessageLanguageOf(rest)))
                  << '\n';
        return ExitInputError;
    }
    const std::string command = OneLine(velmora::ShownText(words[0]));
    std::cerr << "velmora-calc: "
              << (MessageLanguageOf(rest) == velmora::Lang::Russian
                      ? "неизвестная команда «" + command + "»"
                      : "unknown command '" + command + "'")
              << '\n'
              << usage;
    return ExitInputError;
}

} // namespace

int main(int argc, char **argv)
{
    using namespace velmora::cli;
    // A closed pipe then fails the write (EPIPE) instead of ending the process unreported.
    std::signal(SIGPIPE, SIG_IGN);
    // A run stopped by a signal leaves no temporary file beside a report or drawing.
    velmora::RemoveTemporaryFilesOnSignals();
    try {
        const int status = Run(argc, argv);
        FlushStdout();
        return status;
    } catch (const OutputError &e) {
        // The results are lost: whatever the command did, the run failed.
        std::cerr << "velmora-calc: " << e.what() << '\n';
        return ExitInputError;
    }
}
