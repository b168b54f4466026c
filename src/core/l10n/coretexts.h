#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace velmora {

// The language of a text: the index of its part in an "English;Russian" entry.
enum class Lang {
    English = 0,
    Russian = 1,
};

// The one of two texts written out in place that is in lang.
inline std::string InLanguage(Lang lang, std::string_view english, std::string_view russian)
{
    return std::string(lang == Lang::English ? english : russian);
}

// An error's text in lang: an Error's Russian text when it has one, else what().
std::string ErrorText(const std::exception &error, Lang lang);

// The entries of the string table that the core itself gives: the calculation's refusals, the
// report's and the drawing's words, the messages of velmora-calc. They are constant, so that
// the engine takes its language as an argument and looks nothing up in the program's string
// table; the tables of l10n/texts.h add them to it (AddCoreText), so the windows show the same
// texts.

// The part of the core's entry key in lang; empty for a key that is not the core's.
std::string CoreText(std::string_view key, Lang lang);

// Adds the core's entry key to the string table being built (AddText). Nothing for another
// key.
void AddCoreText(std::string_view key);

} // namespace velmora
