#pragma once

#include <optional>
#include <string>

namespace velmora {

// What the folder rule asks of the system. SystemFolderPlatform answers for the running
// process; tests give their own answers.
class FolderPlatform
{
public:
    virtual ~FolderPlatform() = default;

    // The value of the environment variable name; nothing when it is not set.
    virtual std::optional<std::string> Environment(const std::string &name) const = 0;
    // The absolute path of the running program's file; empty when the system cannot tell.
    virtual std::string ExecutablePath() const = 0;
    // Whether path names an existing folder.
    virtual bool IsFolder(const std::string &path) const = 0;
};

// The environment of the process, /proc/self/exe and the file system.
const FolderPlatform &SystemFolderPlatform();

// Where the programs find their files. The desktop program and velmora-calc both take them
// from ProgramFoldersOf, so they always open the same catalogue (OpenCatalogue(commonData,
// program)) and the same report forms.
struct ProgramFolders
{
    // The folder of the program's files (report forms, the shipped catalogue, the manuals, the
    // example projects) with a trailing "/". An installed program keeps them in
    // ../share/velmora beside its bin folder (InstalledDataFolder), and that folder is taken
    // when it exists; otherwise they lie beside the program file, as in a build tree. Empty
    // when the system cannot tell where the program file is.
    std::string program;
    // The per-user folder that stands in for the common application-data folder on Linux:
    // $XDG_DATA_HOME when it is set and absolute, else $HOME/.local/share; empty when neither
    // is known. The catalogue's data folder lies under it (CatalogueDataDir).
    std::string commonData;
};

// Where an installed program's files lie, relative to the folder of the program file. The
// installation (GNUInstallDirs: bin/ and share/) keeps to it.
inline constexpr const char *InstalledDataFolder = "../share/velmora";

ProgramFolders ProgramFoldersOf(const FolderPlatform &platform);

} // namespace velmora
