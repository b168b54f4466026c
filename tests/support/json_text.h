#pragma once

// JSON text for the sample programs whose output the Python checks read.

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

namespace velmora::test {

// A JSON string literal: quotes, backslash and control characters escaped, UTF-8 kept.
inline std::string JsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char ch : text) {
        const auto u = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

// The shortest text that reads back as the same double.
inline std::string JsonNumber(double value)
{
    char buf[32];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

} // namespace velmora::test
