#include "common/folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace velmora {
namespace {

class FakeFolders : public FolderPlatform
{
public:
    std::map<std::string, std::string> environment;
    std::string exe;

    std::optional<std::string> Environment(const std::string &name) const override
    {
        const auto it = environment.find(name);
        if (it == environment.end())
            return std::nullopt;
        return it->second;
    }
    std::string ExecutablePath() const override { return exe; }
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

TEST(ProgramFolders, ProgramFolderOfTheExecutable)
{
    FakeFolders platform;
    platform.exe = "/opt/velmora/bin/velmora-calc";
    EXPECT_EQ(ProgramFoldersOf(platform).program, "/opt/velmora/bin/");
    platform.exe.clear();
    EXPECT_EQ(ProgramFoldersOf(platform).program, "");
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
