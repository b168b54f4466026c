#include "common/numtext.h"
#include "data/projectfile.h"

#include <algorithm>

namespace velmora {

std::string SingleLine(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

std::string ReadRawLine(TextLineReader &reader)
{
    return reader.Next();
}

std::int32_t ReadIntLine(TextLineReader &reader)
{
    return ParseInt(reader.Next());
}

std::string ReadDecimalLine(TextLineReader &reader)
{
    std::string line = reader.Next();
    std::replace(line.begin(), line.end(), ',', '.');
    return line;
}

double ReadFloatLine(TextLineReader &reader)
{
    return ParseFloat(ReadDecimalLine(reader));
}

} // namespace velmora
