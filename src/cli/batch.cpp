#include "batch.h"

#include "args.h"
#include "commands.h"
#include "output.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <condition_variable>
#include <filesystem>
#include <iostream>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

namespace velmora::cli {

namespace {

namespace fs = std::filesystem;

bool IsProjectFileName(const fs::path &path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".vlp";
}

std::vector<std::string> ProjectFilesInFolder(const std::string &folder)
{
    std::vector<std::string> files;
    std::error_code ec;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder, ec)) {
        // Its own error code: a link to nothing is no folder, and that project's own error.
        std::error_code entryEc;
        if (IsProjectFileName(entry.path()) && !entry.is_directory(entryEc))
            files.push_back((fs::path(folder) / entry.path().filename()).string());
    }
    if (ec)
        throw UsageError("cannot read folder '" + folder + "': " + ec.message(),
                         "не удалось прочитать папку «" + folder + "»: " + ec.message());
    if (files.empty())
        throw UsageError("no project files (.vlp) in folder '" + folder + "'",
                         "в папке «" + folder + "» нет файлов проектов (.vlp)");
    std::sort(files.begin(), files.end());
    return files;
}

// Emits ready lines in order and keeps the count of workers' progress.
class OrderedLines
{
public:
    explicit OrderedLines(std::size_t count)
        : m_lines(count)
    {
    }

    void Put(std::size_t index, ProjectLine line)
    {
        {
            std::lock_guard lock(m_mutex);
            m_lines[index] = std::move(line);
        }
        m_ready.notify_one();
    }

    // Waits for line next and hands it and every ready one after it, in one go.
    std::vector<ProjectLine> TakeFrom(std::size_t next)
    {
        std::unique_lock lock(m_mutex);
        m_ready.wait(lock, [&] { return m_lines[next].has_value(); });
        std::vector<ProjectLine> taken;
        for (std::size_t i = next; i < m_lines.size() && m_lines[i]; ++i) {
            taken.push_back(std::move(*m_lines[i]));
            m_lines[i].reset();
        }
        return taken;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::vector<std::optional<ProjectLine>> m_lines;
};

// Prints lines: standard error first (the messages of a project belong before the next
// one's), then the JSON of all of them in one write; then their reports are put in place.
int Print(const std::vector<ProjectLine> &lines, Lang messages)
{
    std::string out;
    int worst = 0;
    for (const ProjectLine &line : lines) {
        if (!line.err.empty())
            std::cerr << line.err << std::flush;
        out += line.out;
        worst = WorseStatus(worst, line.status);
    }
    WriteStdout(out);
    for (const ProjectLine &line : lines) {
        if (!line.report)
            continue;
        try {
            line.report->Commit();
        } catch (const Error &e) {
            std::cerr << "velmora-calc: " << OneLine(ErrorText(e, messages)) << '\n';
            worst = WorseStatus(worst, ExitInputError);
        }
    }
    return worst;
}

} // namespace

std::vector<std::string> ProjectFilesOf(const std::vector<std::string> &words)
{
    std::vector<std::string> files;
    for (const std::string &word : words) {
        std::error_code ec;
        if (!fs::is_directory(word, ec)) {
            files.push_back(word); // a missing or unreadable file is that project's error
            continue;
        }
        for (std::string &file : ProjectFilesInFolder(word))
            files.push_back(std::move(file));
    }
    return files;
}

std::vector<std::string> ReportPathsOf(const std::vector<std::string> &projects,
                                       const std::string &dir)
{
    std::vector<std::string> reports;
    std::map<std::string, std::size_t> owner;
    for (std::size_t i = 0; i < projects.size(); ++i) {
        fs::path name = fs::path(projects[i]).filename();
        name.replace_extension(".xls");
        const std::string report = (fs::path(dir) / name).string();
        const auto [it, isNew] = owner.emplace(report, i);
        if (!isNew)
            throw UsageError("'" + projects[it->second] + "' and '" + projects[i]
                                 + "' would both write the report '" + report + "'",
                             "«" + projects[it->second] + "» и «" + projects[i]
                                 + "» записали бы один отчёт «" + report + "»");
        reports.push_back(report);
    }
    return reports;
}

void CreateReportFolder(const std::string &dir)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir, ec))
        throw Error("cannot create the report folder '" + dir
                        + "': " + (ec ? ec.message() : std::string("it is not a folder")),
                    "не удалось создать папку отчётов «" + dir
                        + "»: " + (ec ? ec.message() : std::string("это не папка")));
}

int WorseStatus(int a, int b)
{
    const auto rank = [](int status) { return status == 0 ? 0 : status == 3 ? 1 : 2; };
    return rank(a) >= rank(b) ? a : b;
}

int RunInOrder(std::size_t count, int jobs, Lang messages,
               const std::function<ProjectLine(std::size_t)> &work)
{
    int worst = 0;
    const std::size_t threads = std::min<std::size_t>(count, static_cast<std::size_t>(jobs));
    if (threads <= 1) {
        for (std::size_t i = 0; i < count; ++i)
            worst = WorseStatus(worst, Print({work(i)}, messages));
        return worst;
    }

    OrderedLines lines(count);
    std::atomic<std::size_t> nextWork {0};
    std::atomic<bool> stop {false};
    std::vector<std::jthread> workers;
    const auto worker = [&] {
        while (!stop) {
            const std::size_t i = nextWork++;
            if (i >= count)
                return;
            lines.Put(i, work(i));
        }
    };
    for (std::size_t t = 0; t < threads; ++t)
        workers.emplace_back(worker);
    try {
        for (std::size_t next = 0; next < count;) {
            const std::vector<ProjectLine> ready = lines.TakeFrom(next);
            next += ready.size();
            worst = WorseStatus(worst, Print(ready, messages));
        }
    } catch (...) {
        stop = true; // the workers end with the project they are on; jthread joins them
        throw;
    }
    return worst;
}

} // namespace velmora::cli
