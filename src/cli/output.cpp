#include "output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include <unistd.h>

namespace velmora::cli {

namespace {

[[noreturn]] void Refused(int err)
{
    throw OutputError(std::string("cannot write to standard output: ") + std::strerror(err));
}

} // namespace

void WriteStdout(std::string_view text)
{
    while (!text.empty()) {
        const ssize_t n = ::write(STDOUT_FILENO, text.data(), text.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            Refused(n < 0 ? errno : EIO);
        text.remove_prefix(static_cast<std::size_t>(n));
    }
}

std::string OneLine(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
        if (!(c == ' ' && !out.empty() && out.back() == ' '))
            out += c;
    }
    return out;
}

void FlushStdout()
{
    errno = 0;
    std::cout.flush();
    if (!std::cout)
        Refused(errno ? errno : EIO);
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        Refused(errno ? errno : EIO);
}

} // namespace velmora::cli
