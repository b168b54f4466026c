#pragma once

#include <stdexcept>
#include <string>

namespace velmora {

// The one error of the core: what() is the final text the user reads.
class Error : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A text that does not convert to a number; the message names the text.
class ConversionError : public Error
{
public:
    using Error::Error;
};

// The standard conversion texts: "'%s' is not a valid floating point value".
std::string FloatConversionMessage(const std::string &text);
std::string IntConversionMessage(const std::string &text);

} // namespace velmora
