#include "common/error.h"
#include "common/fileio.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;

class SafeWriter : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path()
            / ("velmora-fileio-" + std::to_string(::getpid()) + "-"
               + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Path(const std::string &name) const { return (m_dir / name).string(); }

    static std::string Text(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    static void Put(const std::string &path, const std::string &text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }

    std::set<std::string> Names() const
    {
        std::set<std::string> names;
        for (const auto &entry : fs::directory_iterator(m_dir))
            names.insert(entry.path().filename().string());
        return names;
    }

    static mode_t Mode(const std::string &path)
    {
        struct stat st = {};
        EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
        return st.st_mode & 07777;
    }

    fs::path m_dir;
};

TEST_F(SafeWriter, ReplacesTheFileAndKeepsItsPermissions)
{
    const std::string path = Path("project.vlp");
    Put(path, "old");
    for (const mode_t mode : {0600, 0640, 0664}) {
        ::chmod(path.c_str(), mode);
        WriteFileAtomically(path, "new text");
        EXPECT_EQ(Text(path), "new text");
        EXPECT_EQ(Mode(path), mode);
    }
    EXPECT_EQ(Names(), std::set<std::string>({"project.vlp"}));

    // A new file has the permissions the umask gives any new file.
    const mode_t mask = ::umask(022);
    WriteFileAtomically(Path("fresh.csv"), "");
    ::umask(mask);
    EXPECT_EQ(Mode(Path("fresh.csv")), 0644);
}

TEST_F(SafeWriter, WritesThroughSymbolicLinksAndKeepsThem)
{
    fs::create_directories(m_dir / "real");
    const std::string target = Path("real/report.xls");
    Put(target, "old");
    ::chmod(target.c_str(), 0600);
    struct Case
    {
        const char *link;
        const char *pointsTo;
    } const cases[] = {
        {"relative.xls", "real/report.xls"},
        {"absolute.xls", nullptr}, // the target's full path
        {"chain.xls", "relative.xls"}, // a link to a link
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.link);
        fs::create_symlink(c.pointsTo ? fs::path(c.pointsTo) : fs::path(target), Path(c.link));
        WriteFileAtomically(Path(c.link), std::string("through ") + c.link);
        EXPECT_TRUE(fs::is_symlink(Path(c.link)));
        EXPECT_EQ(Text(target), std::string("through ") + c.link);
        EXPECT_EQ(Mode(target), 0600u);
    }
    EXPECT_EQ(WriteTargetOf(Path("chain.xls")), Path("real/report.xls"));

    // A link to a file not there yet makes that file.
    fs::create_symlink("real/new.dxf", Path("dangling.dxf"));
    WriteFileAtomically(Path("dangling.dxf"), "drawing");
    EXPECT_TRUE(fs::is_symlink(Path("dangling.dxf")));
    EXPECT_EQ(Text(Path("real/new.dxf")), "drawing");

    fs::create_symlink("loop-b", Path("loop-a"));
    fs::create_symlink("loop-a", Path("loop-b"));
    EXPECT_THROW(WriteFileAtomically(Path("loop-a"), "x"), Error);
}

TEST_F(SafeWriter, AFailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    const std::string path = Path("catalogue.dat");
    Put(path, "old catalogue");
    const auto before = Names();

    // A full disk: the file size limit refuses the write after its first bytes.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small {4096, limit.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    try {
        WriteFileAtomically(path, std::string(100000, 'x'));
        ADD_FAILURE() << "a write past the limit succeeded";
    } catch (const Error &e) {
        EXPECT_NE(std::string(e.what()).find("File too large"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(Text(path), "old catalogue");
    EXPECT_EQ(Names(), before);

    // The rename refused: a folder where the file should go.
    fs::create_directories(m_dir / "taken");
    EXPECT_THROW(WriteFileAtomically(Path("taken"), "x"), Error);
    EXPECT_EQ(Names(), std::set<std::string>({"catalogue.dat", "taken"}));

    // No folder to write into.
    EXPECT_THROW(WriteFileAtomically(Path("missing/file.csv"), "x"), Error);
}

// A pipe or a device (--report /dev/null) takes the bytes and stays what it is.
TEST_F(SafeWriter, APipeIsWrittenToAndNeverReplaced)
{
    const std::string pipe = Path("report.xls");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int reader = ::open(pipe.c_str(), O_RDWR | O_NONBLOCK); // so the writer never waits
    ASSERT_GE(reader, 0);
    WriteFileAtomically(pipe, "through the pipe");
    char got[64] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 16);
    ::close(reader);
    EXPECT_STREQ(got, "through the pipe");
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(Names(), std::set<std::string>({"report.xls"}));
}

TEST_F(SafeWriter, CreatesOnlyWhereNothingIs)
{
    const std::string path = Path("base_provod.dat");
    EXPECT_TRUE(CreateFileAtomically(path, "shipped"));
    EXPECT_FALSE(CreateFileAtomically(path, "another"));
    EXPECT_EQ(Text(path), "shipped");
    EXPECT_EQ(Names(), std::set<std::string>({"base_provod.dat"}));
}

TEST_F(SafeWriter, SameFileByDeviceAndInode)
{
    Put(Path("a.vlp"), "a");
    Put(Path("b.vlp"), "a");
    fs::create_hard_link(Path("a.vlp"), Path("hard.vlp"));
    fs::create_symlink("a.vlp", Path("soft.vlp"));
    fs::create_directories(m_dir / "sub");
    EXPECT_TRUE(SameFile(Path("a.vlp"), Path("hard.vlp")));
    EXPECT_TRUE(SameFile(Path("a.vlp"), Path("soft.vlp")));
    EXPECT_TRUE(SameFile(Path("a.vlp"), Path("sub/../a.vlp")));
    EXPECT_FALSE(SameFile(Path("a.vlp"), Path("b.vlp")));
    EXPECT_FALSE(SameFile(Path("a.vlp"), Path("missing.vlp")));
}

// What is read must be a regular file of a sane size: a pipe with no writer, a device that
// never ends or a file above the limit is refused before anything is read, in either
// language, naming the file.
TEST_F(SafeWriter, ReadsOnlyRegularFilesOfASaneSize)
{
    const std::string pipe = Path("pipe.vlp");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    Put(Path("five.vlp"), "12345");
    struct Case
    {
        std::string path;
        std::size_t most;
        const char *english;
        const char *russian;
    };
    for (const Case &c :
         {Case {pipe, MostInputFileBytes, "It is not a regular file", "Это не обычный файл"},
          Case {"/dev/zero", MostInputFileBytes, "It is not a regular file", "Это не обычный файл"},
          Case {m_dir.string(), MostInputFileBytes, "Is a directory", "Это папка"},
          Case {Path("five.vlp"), 4, "It is larger than 4 bytes", "Он больше 4 байт"},
          Case {Path("missing.vlp"), MostInputFileBytes, "No such file or directory",
                "Нет такого файла или папки"}}) {
        try {
            ReadFileBytes(c.path, c.most);
            ADD_FAILURE() << c.path << " was read";
        } catch (const Error &e) {
            EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"" + c.path + "\". ", 0), 0u)
                << e.what();
            EXPECT_NE(std::string(e.what()).find(c.english), std::string::npos) << e.what();
            EXPECT_EQ(e.Russian().rfind("Не удалось открыть файл «" + c.path + "». ", 0), 0u)
                << e.Russian();
            EXPECT_NE(e.Russian().find(c.russian), std::string::npos) << e.Russian();
        }
    }
    EXPECT_EQ(ReadFileBytes(Path("five.vlp"), 5), "12345");
}

} // namespace
} // namespace velmora
