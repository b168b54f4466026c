#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

// JSON text built in one buffer: numbers go from std::to_chars straight into it, so writing
// a result costs no string per number and no stream formatting.
class JsonText
{
public:
    // oneLine: Break() separates with ", " instead of a line break and an indent, for one
    // object per line (--jsonl).
    explicit JsonText(bool oneLine = false)
        : m_oneLine(oneLine)
    {
    }

    JsonText &Raw(std::string_view text)
    {
        m_text.append(text);
        return *this;
    }
    // "key": for a member; key is plain ASCII that needs no escapes.
    JsonText &Key(std::string_view key);
    // , "key": for the members after the first.
    JsonText &Next(std::string_view key);
    // The shortest text that reads back to the same double (std::to_chars: "1.9e-05", "20",
    // "0.0491117..."). Throws velmora::Error "a result is not a finite number" for NaN or an
    // infinity, which JSON cannot hold.
    JsonText &Number(double value);
    JsonText &Integer(long long value);
    // A string literal: quote, backslash and control characters escaped, UTF-8 kept. A byte
    // that is not part of valid UTF-8 (a file name from another encoding) becomes U+FFFD, so
    // the output is valid UTF-8 whatever text holds.
    JsonText &String(std::string_view text);
    // [97, 255, ...]: each byte of text as a number, for a name that is not UTF-8.
    JsonText &Bytes(std::string_view text);
    // [a, b, c] of Number.
    JsonText &Numbers(const std::vector<double> &values);
    // Between two members or elements: ",\n" and indent, or ", " on one line.
    JsonText &Break(std::string_view indent);

    void Reserve(std::size_t bytes) { m_text.reserve(bytes); }
    const std::string &Text() const { return m_text; }
    std::string Take() { return std::move(m_text); }

private:
    std::string m_text;
    bool m_oneLine;
};

// The length of the valid UTF-8 sequence at the start of text (1 to 4; no overlong forms,
// surrogates or code points above U+10FFFF), 0 when text does not start with one.
std::size_t Utf8SequenceLength(std::string_view text);

} // namespace velmora::cli
