#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace velmora {

// The most a file the program reads may hold: a project, a catalogue, a report form or a
// line's text is a small fraction of it.
inline constexpr std::size_t MostInputFileBytes = std::size_t(64) << 20;

// The whole of a file. Errors name the file and the system's reason; a folder, a pipe or a
// device (which may never end) and a file above mostBytes are refused before anything is
// read.
std::string ReadFileBytes(const std::string &path, std::size_t mostBytes = MostInputFileBytes);

// The one way the program writes a file. The bytes go to a temporary file in the target's own
// folder, which is flushed to the disk and renamed over the target; then the folder itself is
// flushed, so that the new name survives a power cut. A path that is a symbolic link writes
// the file the link points to and keeps the link; an existing file keeps its permissions. On
// any failure the old file is untouched, no temporary file is left, and Error names the file
// and the system's reason.
void WriteFileAtomically(const std::string &path, std::string_view bytes);

// WriteFileAtomically in two steps, for a program that puts a file in place only once its
// other output went through: the constructor writes and flushes the temporary file (and
// throws as WriteFileAtomically for a folder that cannot take it or a full disk), Commit()
// renames it over the target. Destroyed without a commit, it removes the temporary file and
// the target stays as it was.
class PreparedFile
{
public:
    PreparedFile(const std::string &path, std::string_view bytes);
    ~PreparedFile();
    PreparedFile(PreparedFile &&) noexcept;
    PreparedFile &operator=(PreparedFile &&) noexcept;

    void Commit();

private:
    struct State;
    std::unique_ptr<State> m;
};

// As WriteFileAtomically, but only when nothing exists at path yet: returns false, writing
// nothing, when a file is already there (one made meanwhile by another process included).
// The file appears whole or not at all.
bool CreateFileAtomically(const std::string &path, std::string_view bytes);

// Where a write of path lands: path itself, or for a symbolic link the file it finally points
// to (which need not exist yet). Throws Error for a loop of links.
std::string WriteTargetOf(const std::string &path);

// After this, SIGINT, SIGTERM and SIGHUP first remove the temporary files being written at
// that moment, then end the process as they would have. For the command-line tool, whose
// runs are stopped that way.
void RemoveTemporaryFilesOnSignals();

bool FileExists(const std::string &path);

// True when both paths name one existing file (the same device and inode), whatever the
// names, links or folders that lead to it.
bool SameFile(const std::string &a, const std::string &b);

} // namespace velmora
