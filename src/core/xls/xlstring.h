#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora::xls {

// Characters of a BIFF8 string: 8-bit "compressed" (each byte is the code point U+0000 to
// U+00FF) or UTF-16LE. Both decode to UTF-8; broken UTF-16 becomes U+FFFD.
std::string DecodeChars(std::string_view bytes, bool wide);

// A text ready to be written: the characters in the compressed form when every one is
// below U+0100, else UTF-16LE. chars counts UTF-16 code units. Bad UTF-8 becomes U+FFFD.
struct EncodedText
{
    bool wide = false;
    std::size_t chars = 0;
    std::string bytes;
};
EncodedText EncodeText(std::string_view utf8);

// The longest text a cell holds, in UTF-16 code units.
constexpr std::size_t MaxCellTextChars = 32767;

// Reads an XLUnicodeString (2-byte length) or ShortXLUnicodeString (1-byte length) at pos
// of one record body, advancing pos. Throws Error "<what> overruns its record".
std::string ReadRecordString(std::string_view data, std::size_t &pos, bool shortLength,
                             const std::string &what);

} // namespace velmora::xls
