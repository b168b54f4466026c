#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

// Texts are UTF-8 in memory and Windows-1251 only in files.
std::string Cp1251ToUtf8(std::string_view bytes);
// Characters Windows-1251 cannot hold become "?".
std::string Utf8ToCp1251(std::string_view text);
// The characters of a UTF-8 text that Windows-1251 cannot hold, each once, in the order they
// first appear ("α✓" for "α 1 ✓ α"); empty when the file can keep the whole text.
std::string CharactersOutsideCp1251(std::string_view text);

// True when bytes are well-formed UTF-8: no stray continuation bytes, cut sequences, overlong
// forms, surrogates or code points above U+10FFFF. Pure ASCII is well-formed.
bool IsValidUtf8(std::string_view bytes);

// Length in characters, and the first count characters, of a UTF-8 text.
std::size_t Utf8Length(std::string_view text);
std::string Utf8Left(std::string_view text, std::size_t count);

} // namespace velmora
