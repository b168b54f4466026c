#include "common/fileio.h"

#include "common/error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <unistd.h>

namespace velmora {

namespace {

std::string SystemReason(int err)
{
    return std::strerror(err);
}

std::string TempNameBeside(const std::string &path)
{
    std::random_device rd;
    return path + ".tmp" + std::to_string(rd() % 1000000);
}

} // namespace

std::string ReadFileBytes(const std::string &path)
{
    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw Error("Cannot open file \"" + path + "\". " + SystemReason(errno));
    std::string bytes;
    char buf[65536];
    std::size_t got = 0;
    while ((got = std::fread(buf, 1, sizeof buf, f)) > 0)
        bytes.append(buf, got);
    const bool failed = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (failed)
        throw Error("Cannot read file \"" + path + "\". " + SystemReason(err));
    return bytes;
}

void WriteFileAtomically(const std::string &path, std::string_view bytes)
{
    const std::string temp = TempNameBeside(path);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        throw Error("Cannot create file \"" + path + "\". " + SystemReason(errno));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int err = n < 0 ? errno : EIO;
            ::close(fd);
            ::unlink(temp.c_str());
            throw Error("Cannot write file \"" + path + "\". " + SystemReason(err));
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        throw Error("Cannot write file \"" + path + "\". " + SystemReason(err));
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        throw Error("Cannot write file \"" + path + "\". " + SystemReason(err));
    }
}

bool FileExists(const std::string &path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

} // namespace velmora
