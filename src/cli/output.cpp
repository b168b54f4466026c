#include "output.h"

#include "common/cp1251.h"

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
    constexpr std::size_t MostCharacters = 1000;
    const bool cut = Utf8Length(text) > MostCharacters;
    const std::string kept = cut ? Utf8Left(text, MostCharacters) : std::string(text);
    std::string out;
    for (char c : kept) {
        if (c == '\r' || c == '\n' || c == '\t')
            c = ' ';
        if (c == ' ' && !out.empty() && out.back() == ' ')
            continue;
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            out += ShownText(std::string_view(&c, 1));
        else
            out += c;
    }
    return cut ? out + "…" : out;
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
