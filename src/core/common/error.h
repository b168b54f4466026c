#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora {

// The one error of the core: what() is the final text the user reads. An error raised where
// the reader's language is not known (a file that cannot be read or written, a damaged
// project line, a command line's words) carries its Russian text too; ErrorText
// (l10n/coretexts.h) picks the one of the language shown.
class Error : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
    Error(const std::string &english, const std::string &russian)
        : std::runtime_error(english)
        , m_russian(std::make_shared<const std::string>(russian))
    {
    }

    // The Russian text when one was given, else what().
    std::string Russian() const { return m_russian ? *m_russian : std::string(what()); }

private:
    std::shared_ptr<const std::string> m_russian; // shared: copying an error must not throw
};

// A text that does not convert to a number; the message names the text.
class ConversionError : public Error
{
public:
    using Error::Error;
};

// A text from a file as a message shows it: control bytes as "\xNN", and cut with "…" after
// 80 characters, so that a damaged file's line stays one readable line.
std::string ShownText(std::string_view text);

// The standard conversion texts: "'%s' is not a valid floating point value".
std::string FloatConversionMessage(const std::string &text);
std::string IntConversionMessage(const std::string &text);
// Their Russian texts.
std::string FloatConversionMessageRu(const std::string &text);
std::string IntConversionMessageRu(const std::string &text);

} // namespace velmora
