#include "paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace velmora::cli {

std::string CommonDataDir()
{
    if (const char *xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/')
        return xdg;
    if (const char *home = std::getenv("HOME"); home && home[0] != '\0')
        return std::string(home) + "/.local/share";
    return {};
}

std::string ProgramDir()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return {};
    return exe.parent_path().string() + "/";
}

} // namespace velmora::cli
