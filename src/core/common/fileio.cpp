#include "common/fileio.h"

#include "common/error.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits.h>
#include <memory>
#include <optional>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

std::string SystemReason(int err)
{
    return std::strerror(err);
}

// The system's reasons a user meets with files, in Russian; any other keeps the system's text.
std::string SystemReasonRu(int err)
{
    switch (err) {
    case ENOENT:
        return "Нет такого файла или папки";
    case EACCES:
    case EPERM:
        return "Доступ запрещён";
    case ENOSPC:
        return "На диске нет места";
    case EDQUOT:
        return "Превышена дисковая квота";
    case EIO:
        return "Ошибка ввода-вывода";
    case EISDIR:
        return "Это папка";
    case ENOTDIR:
        return "Часть пути не является папкой";
    case EROFS:
        return "Файловая система только для чтения";
    case ELOOP:
        return "Слишком много символических ссылок";
    case ENAMETOOLONG:
        return "Слишком длинное имя файла";
    case EXDEV:
        return "Файл нельзя переименовать на другой диск";
    case EBUSY:
        return "Файл занят";
    default:
        return SystemReason(err);
    }
}

// What the program does with a file, for its messages in both languages.
enum class FileStep { Open, Read, Create, Write };

std::string StepText(FileStep step, const std::string &path, bool russian)
{
    switch (step) {
    case FileStep::Open:
        return russian ? "Не удалось открыть файл «" + path + "»."
                       : "Cannot open file \"" + path + "\".";
    case FileStep::Read:
        return russian ? "Не удалось прочитать файл «" + path + "»."
                       : "Cannot read file \"" + path + "\".";
    case FileStep::Create:
        return russian ? "Не удалось создать файл «" + path + "»."
                       : "Cannot create file \"" + path + "\".";
    case FileStep::Write:
        break;
    }
    return russian ? "Не удалось записать файл «" + path + "»."
                   : "Cannot write file \"" + path + "\".";
}

[[noreturn]] void Fail(FileStep step, const std::string &path, int err)
{
    throw Error(StepText(step, path, false) + " " + SystemReason(err),
                StepText(step, path, true) + " " + SystemReasonRu(err));
}

[[noreturn]] void Refuse(FileStep step, const std::string &path, const std::string &english,
                         const std::string &russian)
{
    throw Error(StepText(step, path, false) + " " + english,
                StepText(step, path, true) + " " + russian);
}

std::string FolderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The temporary files being written now, for a signal handler to remove. A slot is free (0),
// being filled (1) or names a temporary file (2); the names are fixed buffers so that the
// handler reads no memory a thread may be freeing.
constexpr std::size_t TempSlots = 64;
struct TempSlot
{
    std::atomic<int> state {0};
    char name[PATH_MAX] = {};
};
std::array<TempSlot, TempSlots> g_temps;

// Holds one temporary file: registered for the signal handler while it lives, and removed
// from the disk unless Renamed() says the rename took it.
class TempFile
{
public:
    // A new file "<folder>/.<name>.tmp-NNNNNN" made with the given permissions (less the
    // umask, as for any new file).
    TempFile(const std::string &folder, const std::string &name, mode_t mode)
    {
        std::random_device random;
        for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
            m_name = (folder == "/" ? std::string() : folder) + "/." + name + ".tmp-"
                + std::to_string(random() % 900000 + 100000);
            m_fd = ::open(m_name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (m_fd < 0 && errno != EEXIST)
                return;
        }
        m_created = m_fd >= 0;
        if (m_fd < 0 || m_name.size() >= PATH_MAX)
            return; // a name too long to remember is removed only by the destructor
        for (TempSlot &slot : g_temps) {
            int expected = 0;
            if (slot.state.compare_exchange_strong(expected, 1)) {
                std::memcpy(slot.name, m_name.c_str(), m_name.size() + 1);
                slot.state = 2;
                m_slot = &slot;
                break;
            }
        }
    }
    ~TempFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (m_created && !m_renamed)
            ::unlink(m_name.c_str());
        if (m_slot)
            m_slot->state = 0;
    }
    TempFile(const TempFile &) = delete;
    TempFile &operator=(const TempFile &) = delete;

    bool Opened() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }
    const std::string &Name() const { return m_name; }
    // Closes the descriptor; false (errno set) when the close reported a failed write.
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }
    void Renamed() { m_renamed = true; }

private:
    std::string m_name;
    int m_fd = -1;
    bool m_created = false;
    bool m_renamed = false;
    TempSlot *m_slot = nullptr;
};

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Flushes a folder's entries; a file system that cannot (EINVAL) keeps them as it keeps them.
void SyncFolder(const std::string &folder, const std::string &path)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return; // a folder we may write into but not read: the rename is all we can do
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
    const int err = errno;
    ::close(fd);
    if (!synced)
        Fail(FileStep::Write, path, err);
}

} // namespace

// What a PreparedFile holds: the temporary file written and flushed, or for a device or a
// pipe the bytes still to be written to it.
struct PreparedFile::State
{
    std::string path; // as the caller named it, for the messages
    std::string target; // where the file goes (a link's target)
    std::string folder;
    std::optional<TempFile> temp;
    std::string deviceBytes;
    bool committed = false;
};

PreparedFile::PreparedFile(const std::string &path, std::string_view bytes)
    : m(std::make_unique<State>())
{
    m->path = path;
    m->target = WriteTargetOf(path);
    struct stat old = {};
    const bool existed = ::stat(m->target.c_str(), &old) == 0;
    if (existed && (S_ISCHR(old.st_mode) || S_ISFIFO(old.st_mode))) {
        // A device or a pipe (/dev/null, a shell's process substitution) is written to at
        // the commit, never replaced by a file.
        m->deviceBytes = bytes;
        return;
    }
    m->folder = FolderOf(m->target);
    // A new file gets the permissions any new file gets here; an old one keeps its own.
    const mode_t mode = existed ? (old.st_mode & 07777) : 0666;
    TempFile &temp = m->temp.emplace(m->folder, m->target.substr(m->target.rfind('/') + 1),
                                     existed ? 0600 : mode);
    if (!temp.Opened())
        Fail(FileStep::Create, path, errno);
    if (existed) {
        // Keeps the owner where we may (root saving a user's file), else the group at most;
        // the mode comes after, as a change of owner clears the set-id bits.
        if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid())
            && ::fchown(temp.Fd(), old.st_uid, old.st_gid) != 0)
            (void)!::fchown(temp.Fd(), static_cast<uid_t>(-1), old.st_gid);
        if (::fchmod(temp.Fd(), mode) != 0)
            Fail(FileStep::Create, path, errno);
    }
    if (!WriteAll(temp.Fd(), bytes) || ::fsync(temp.Fd()) != 0 || !temp.Close())
        Fail(FileStep::Write, path, errno);
}

PreparedFile::~PreparedFile() = default;
PreparedFile::PreparedFile(PreparedFile &&) noexcept = default;
PreparedFile &PreparedFile::operator=(PreparedFile &&) noexcept = default;

void PreparedFile::Commit()
{
    if (m->committed)
        return;
    m->committed = true;
    if (!m->temp) {
        const int fd = ::open(m->target.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0)
            Fail(FileStep::Create, m->path, errno);
        const bool written = WriteAll(fd, m->deviceBytes);
        const int err = errno;
        ::close(fd);
        if (!written)
            Fail(FileStep::Write, m->path, err);
        return;
    }
    if (std::rename(m->temp->Name().c_str(), m->target.c_str()) != 0)
        Fail(FileStep::Write, m->path, errno);
    m->temp->Renamed();
    SyncFolder(m->folder, m->path);
}

namespace {

void RemoveTempsAndReraise(int signal)
{
    for (TempSlot &slot : g_temps) {
        if (slot.state.load() == 2)
            ::unlink(slot.name);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

std::string ReadFileBytes(const std::string &path, std::size_t mostBytes)
{
    // Not blocking at the open: a pipe with no writer would wait for one for ever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        Fail(FileStep::Open, path, errno);
    struct stat st = {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        Fail(FileStep::Open, path, err);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        if (S_ISDIR(st.st_mode))
            Fail(FileStep::Open, path, EISDIR);
        Refuse(FileStep::Open, path, "It is not a regular file but a pipe or a device.",
               "Это не обычный файл, а канал или устройство.");
    }
    const auto tooLarge = [&] {
        ::close(fd);
        const bool megabytes = mostBytes >= (std::size_t(1) << 20);
        const std::string most = std::to_string(megabytes ? mostBytes >> 20 : mostBytes);
        Refuse(FileStep::Open, path,
               "It is larger than " + most + (megabytes ? " MB" : " bytes")
                   + ", the most it may hold.",
               "Он больше " + most + (megabytes ? " МБ" : " байт") + ", а больше быть не может.");
    };
    if (static_cast<std::uintmax_t>(st.st_size) > mostBytes)
        tooLarge();
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buf, sizeof buf);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int err = errno;
            ::close(fd);
            Fail(FileStep::Read, path, err);
        }
        if (got == 0)
            break;
        bytes.append(buf, static_cast<std::size_t>(got));
        if (bytes.size() > mostBytes) // grown while read
            tooLarge();
    }
    ::close(fd);
    return bytes;
}

std::string WriteTargetOf(const std::string &path)
{
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st = {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return target;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0)
            Fail(FileStep::Write, path, errno);
        link.resize(static_cast<std::size_t>(n));
        if (link.empty() || link.front() != '/') {
            const std::size_t slash = target.rfind('/');
            link
                = (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + link;
        }
        target = link;
    }
    Fail(FileStep::Write, path, ELOOP);
}

void WriteFileAtomically(const std::string &path, std::string_view bytes)
{
    PreparedFile(path, bytes).Commit();
}

bool CreateFileAtomically(const std::string &path, std::string_view bytes)
{
    const std::string target = WriteTargetOf(path);
    struct stat old = {};
    if (::stat(target.c_str(), &old) == 0)
        return false;
    const std::string folder = FolderOf(target);
    TempFile temp(folder, target.substr(target.rfind('/') + 1), 0666);
    if (!temp.Opened())
        Fail(FileStep::Create, path, errno);
    if (!WriteAll(temp.Fd(), bytes) || ::fsync(temp.Fd()) != 0 || !temp.Close())
        Fail(FileStep::Write, path, errno);
    // link() never replaces: of two processes making the file, one wins whole.
    if (::link(temp.Name().c_str(), target.c_str()) != 0) {
        if (errno == EEXIST)
            return false;
        Fail(FileStep::Create, path, errno);
    }
    SyncFolder(folder, path);
    return true;
}

void RemoveTemporaryFilesOnSignals()
{
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction old = {};
        if (::sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN)
            continue; // started to ignore it (nohup): stays so
        struct sigaction action = {};
        action.sa_handler = RemoveTempsAndReraise;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

bool FileExists(const std::string &path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool SameFile(const std::string &a, const std::string &b)
{
    struct stat sa = {};
    struct stat sb = {};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev
        && sa.st_ino == sb.st_ino;
}

} // namespace velmora
