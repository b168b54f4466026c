#include "common/folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace velmora {
namespace {

class FakeFolders : public FolderPlatform
{
public:
    std::map<std::string, std::string> environment;
    std::string exe;
    std::set<std::string> folders;

    std::optional<std::string> Environment(const std::string &name) const override
    {
        const auto it = environment.find(name);
        if (it == environment.end())
            return std::nullopt;
        return it->second;
    }
    std::string ExecutablePath() const override { return exe; }
    bool IsFolder(const std::string &path) const override { return folders.count(path) != 0; }
};

TEST(ProgramFolders, DataFolderFromTheEnvironment)
{
    struct Case
    {
        const char *what;
        std::map<std::string, std::string> environment;
        const char *commonData;
    } const cases[] = {
        {"XDG_DATA_HOME wins", {{"XDG_DATA_HOME", "/x/data"}, {"HOME", "/home/u"}}, "/x/data"},
        {"a relative XDG_DATA_HOME is ignored",
         {{"XDG_DATA_HOME", "data"}, {"HOME", "/home/u"}},
         "/home/u/.local/share"},
        {"an empty XDG_DATA_HOME is ignored",
         {{"XDG_DATA_HOME", ""}, {"HOME", "/home/u"}},
         "/home/u/.local/share"},
        {"HOME alone", {{"HOME", "/home/u"}}, "/home/u/.local/share"},
        {"neither", {{"HOME", ""}}, ""},
    };
    for (const Case &c : cases) {
        FakeFolders platform;
        platform.environment = c.environment;
        EXPECT_EQ(ProgramFoldersOf(platform).commonData, c.commonData) << c.what;
    }
}

// Build tree: the files beside the program; installed: ../share/velmora beside bin/.
TEST(ProgramFolders, ProgramFolderBesideOrInstalled)
{
    struct Case
    {
        const char *what;
        const char *exe;
        std::set<std::string> folders;
        const char *program;
    } const cases[] = {
        {"build tree", "/src/build/bin/velmora-calc", {"/src/build/bin"}, "/src/build/bin/"},
        {"installed",
         "/usr/bin/velmora",
         {"/usr/bin", "/usr/share/velmora"},
         "/usr/share/velmora/"},
        {"another prefix", "/opt/v/bin/velmora", {"/opt/v/share/velmora"}, "/opt/v/share/velmora/"},
        {"a share folder of other programs", "/opt/v/bin/velmora", {"/opt/v/share"}, "/opt/v/bin/"},
        {"unknown program file", "", {"/usr/share/velmora"}, ""},
    };
    for (const Case &c : cases) {
        FakeFolders platform;
        platform.exe = c.exe;
        platform.folders = c.folders;
        EXPECT_EQ(ProgramFoldersOf(platform).program, c.program) << c.what;
    }
}

// The running test program is found where it lies.
TEST(ProgramFolders, SystemPlatformNamesThisProgram)
{
    const ProgramFolders folders = ProgramFoldersOf(SystemFolderPlatform());
    ASSERT_FALSE(folders.program.empty());
    EXPECT_TRUE(std::filesystem::exists(folders.program + "test_common"));
}

} // namespace
} // namespace velmora
