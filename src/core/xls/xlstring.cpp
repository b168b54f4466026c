#include "xls/xlstring.h"

#include "common/error.h"
#include "xls/bytes.h"

#include <cstdint>

namespace velmora::xls {

namespace {

void AppendUtf8(std::string &out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

constexpr std::uint32_t Replacement = 0xFFFD;

// Next code point of a UTF-8 text; malformed sequences yield U+FFFD and skip one byte.
std::uint32_t NextCodePoint(std::string_view s, std::size_t &i)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra = 0;
    std::uint32_t cp = 0;
    std::uint32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, cp = b0 & 0x07, min = 0x10000;
    } else {
        ++i;
        return Replacement;
    }
    if (s.size() - i <= std::size_t(extra)) {
        ++i;
        return Replacement;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return Replacement;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) {
        ++i;
        return Replacement;
    }
    i += 1 + extra;
    return cp;
}

} // namespace

std::string DecodeChars(std::string_view bytes, bool wide)
{
    std::string out;
    out.reserve(bytes.size());
    if (!wide) {
        for (const char c : bytes)
            AppendUtf8(out, static_cast<unsigned char>(c));
        return out;
    }
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const std::uint32_t u = Get16(bytes.data() + 2 * i);
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < units) {
            const std::uint32_t low = Get16(bytes.data() + 2 * i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, (u >= 0xD800 && u < 0xE000) ? Replacement : u);
    }
    return out;
}

EncodedText EncodeText(std::string_view utf8)
{
    std::u32string cps;
    cps.reserve(utf8.size());
    bool wide = false;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::uint32_t cp = NextCodePoint(utf8, i);
        wide = wide || cp >= 0x100;
        cps.push_back(cp);
    }
    EncodedText text;
    text.wide = wide;
    for (const std::uint32_t cp : cps) {
        if (!wide) {
            text.bytes.push_back(static_cast<char>(cp));
            ++text.chars;
        } else if (cp < 0x10000) {
            Put16(text.bytes, cp);
            ++text.chars;
        } else {
            Put16(text.bytes, 0xD800 + ((cp - 0x10000) >> 10));
            Put16(text.bytes, 0xDC00 + ((cp - 0x10000) & 0x3FF));
            text.chars += 2;
        }
    }
    return text;
}

std::string ReadRecordString(std::string_view data, std::size_t &pos, bool shortLength,
                             const std::string &what)
{
    const std::size_t header = shortLength ? 2 : 3;
    if (pos > data.size() || data.size() - pos < header)
        throw Error(what + " overruns its record");
    const std::size_t chars
        = shortLength ? static_cast<unsigned char>(data[pos]) : Get16(data.data() + pos);
    const bool wide = (static_cast<unsigned char>(data[pos + header - 1]) & 0x01) != 0;
    pos += header;
    const std::size_t bytes = wide ? 2 * chars : chars;
    if (data.size() - pos < bytes)
        throw Error(what + " overruns its record");
    std::string text = DecodeChars(data.substr(pos, bytes), wide);
    pos += bytes;
    return text;
}

} // namespace velmora::xls
