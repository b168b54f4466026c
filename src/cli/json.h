#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::cli {

// A number that reads back to the same double: the shortest round-trip form of
// std::to_chars ("1.9e-05", "20", "0.0491117..."). Only finite values are written.
std::string JsonNumber(double value);

// A JSON string literal: quotes, backslash and control characters escaped, UTF-8 kept.
std::string JsonString(std::string_view text);

// Builds one JSON object member by member ("key": value, separated by ", ").
class ObjectText
{
public:
    ObjectText &Add(const char *key, const std::string &value)
    {
        if (m_text.size() > 1)
            m_text += ", ";
        m_text += JsonString(key);
        m_text += ": ";
        m_text += value;
        return *this;
    }
    // Ends the line; the next member comes with AddAfterBreak.
    ObjectText &Break()
    {
        m_text += ",\n";
        return *this;
    }
    std::string Close()
    {
        m_text += '}';
        return std::move(m_text);
    }

    // Members after Break() follow the line break with one blank instead of ", ".
    ObjectText &AddAfterBreak(const char *key, const std::string &value)
    {
        m_text += ' ';
        m_text += JsonString(key);
        m_text += ": ";
        m_text += value;
        return *this;
    }

private:
    std::string m_text = "{";
};

template<typename T, typename Format>
std::string ArrayText(const std::vector<T> &values, Format format, const char *separator = ", ")
{
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i)
            out += separator;
        out += format(values[i]);
    }
    out += ']';
    return out;
}

} // namespace velmora::cli
