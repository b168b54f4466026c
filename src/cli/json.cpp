#include "json.h"

#include "common/error.h"

#include <charconv>
#include <cmath>

namespace velmora::cli {

JsonText &JsonText::Key(std::string_view key)
{
    m_text += '"';
    m_text.append(key);
    m_text.append("\": ");
    return *this;
}

JsonText &JsonText::Next(std::string_view key)
{
    m_text.append(", ");
    return Key(key);
}

JsonText &JsonText::Number(double value)
{
    if (!std::isfinite(value))
        throw Error("a result is not a finite number");
    // The longest shortest form of a double ("-2.2250738585072014e-308") has 24 characters.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    m_text.append(buffer, result.ptr);
    return *this;
}

JsonText &JsonText::Integer(long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    m_text.append(buffer, result.ptr);
    return *this;
}

std::size_t Utf8SequenceLength(std::string_view text)
{
    if (text.empty())
        return 0;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80; // the bounds of the second byte rule out overlong forms,
    unsigned char high = 0xBF; // surrogates and code points past U+10FFFF
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

JsonText &JsonText::Bytes(std::string_view text)
{
    m_text += '[';
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i)
            m_text.append(", ");
        Integer(static_cast<unsigned char>(text[i]));
    }
    m_text += ']';
    return *this;
}

JsonText &JsonText::String(std::string_view text)
{
    m_text += '"';
    std::size_t plain = 0; // start of the run of characters copied as they are
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t length = Utf8SequenceLength(text.substr(i));
            if (length > 0) {
                i += length - 1;
                continue;
            }
            m_text.append(text.substr(plain, i - plain));
            m_text.append("\xEF\xBF\xBD"); // U+FFFD REPLACEMENT CHARACTER
            plain = i + 1;
            continue;
        }
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        m_text.append(text.substr(plain, i - plain));
        plain = i + 1;
        switch (c) {
        case '"':
            m_text.append("\\\"");
            break;
        case '\\':
            m_text.append("\\\\");
            break;
        case '\n':
            m_text.append("\\n");
            break;
        case '\r':
            m_text.append("\\r");
            break;
        case '\t':
            m_text.append("\\t");
            break;
        default: {
            constexpr char hex[] = "0123456789abcdef";
            const char escaped[] = {'\\', 'u', '0', '0', hex[c >> 4], hex[c & 0xF]};
            m_text.append(escaped, sizeof escaped);
        }
        }
    }
    m_text.append(text.substr(plain));
    m_text += '"';
    return *this;
}

JsonText &JsonText::Numbers(const std::vector<double> &values)
{
    m_text += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i)
            m_text.append(", ");
        Number(values[i]);
    }
    m_text += ']';
    return *this;
}

JsonText &JsonText::Break(std::string_view indent)
{
    if (m_oneLine) {
        m_text.append(", ");
    } else {
        m_text.append(",\n");
        m_text.append(indent);
    }
    return *this;
}

} // namespace velmora::cli
