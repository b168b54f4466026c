#include "common/folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace velmora {

namespace {

class SystemFolders final : public FolderPlatform
{
public:
    std::optional<std::string> Environment(const std::string &name) const override
    {
        const char *value = std::getenv(name.c_str());
        if (!value)
            return std::nullopt;
        return std::string(value);
    }

    std::string ExecutablePath() const override
    {
        std::error_code ec;
        const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        return ec ? std::string() : exe.string();
    }

    bool IsFolder(const std::string &path) const override
    {
        std::error_code ec;
        return std::filesystem::is_directory(path, ec);
    }
};

} // namespace

const FolderPlatform &SystemFolderPlatform()
{
    static const SystemFolders platform;
    return platform;
}

ProgramFolders ProgramFoldersOf(const FolderPlatform &platform)
{
    ProgramFolders folders;
    const std::string exe = platform.ExecutablePath();
    if (!exe.empty()) {
        const std::filesystem::path beside = std::filesystem::path(exe).parent_path();
        const std::string installed = (beside / InstalledDataFolder).lexically_normal().string();
        folders.program = (platform.IsFolder(installed) ? installed : beside.string()) + "/";
    }
    const std::optional<std::string> xdg = platform.Environment("XDG_DATA_HOME");
    const std::optional<std::string> home = platform.Environment("HOME");
    if (xdg && !xdg->empty() && xdg->front() == '/')
        folders.commonData = *xdg;
    else if (home && !home->empty())
        folders.commonData = *home + "/.local/share";
    return folders;
}

} // namespace velmora
