#pragma once

#include "common/fileio.h"
#include "l10n/coretexts.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velmora::cli {

// The project files of a batch: each word as given, a folder replaced by its ".vlp" files
// (any case of the extension; not its subfolders) sorted by name. Throws UsageError "no
// project files (.vlp) in folder '<f>'".
std::vector<std::string> ProjectFilesOf(const std::vector<std::string> &words);

// The report of each project in folder dir: dir/<project file name without its extension>.xls.
// Throws UsageError "'<a>' and '<b>' would both write the report '<r>'" when two names meet.
std::vector<std::string> ReportPathsOf(const std::vector<std::string> &projects,
                                       const std::string &dir);

// Creates the folder of --report-dir with its parents when missing. Throws velmora::Error
// "cannot create the report folder '<dir>': <reason>".
void CreateReportFolder(const std::string &dir);

// What one project of a batch prints.
struct ProjectLine
{
    int status = 0; // the exit status the project alone would give
    std::string out; // for standard output, ending with a line break
    std::string err; // for standard error: whole lines, maybe none
    // Its report, written beside its place and put there only once out is printed: a batch
    // whose output is lost replaces no report.
    std::shared_ptr<PreparedFile> report;
};

// The worse of two exit statuses: an input error (2) before a failed check (3) before 0.
int WorseStatus(int a, int b);

// Computes work(0) ... work(count - 1) on up to jobs threads (the calling thread alone for
// one) and prints each line as soon as it and every line before it are done, so the output
// follows the input order whatever the jobs. Returns the worst status. work must not throw.
// A refused write to standard output throws OutputError once the running work has ended; a
// report that cannot be put in place is told on standard error in the messages language.
int RunInOrder(std::size_t count, int jobs, Lang messages,
               const std::function<ProjectLine(std::size_t)> &work);

} // namespace velmora::cli
