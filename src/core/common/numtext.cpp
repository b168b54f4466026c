#include "common/numtext.h"

#include "common/cp1251.h"
#include "common/error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace velmora {

std::string ShownText(std::string_view text)
{
    constexpr std::size_t MostCharacters = 80;
    const bool cut = Utf8Length(text) > MostCharacters;
    const std::string kept = cut ? Utf8Left(text, MostCharacters) : std::string(text);
    std::string shown;
    for (const char c : kept) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            constexpr char digits[] = "0123456789ABCDEF";
            shown += "\\x";
            shown += digits[byte >> 4];
            shown += digits[byte & 0xF];
        } else {
            shown += c;
        }
    }
    return cut ? shown + "…" : shown;
}

std::string FloatConversionMessage(const std::string &text)
{
    return "'" + ShownText(text) + "' is not a valid floating point value";
}

std::string IntConversionMessage(const std::string &text)
{
    return "'" + ShownText(text) + "' is not a valid integer value";
}

std::string FloatConversionMessageRu(const std::string &text)
{
    return "«" + ShownText(text) + "» не является числом";
}

std::string IntConversionMessageRu(const std::string &text)
{
    return "«" + ShownText(text) + "» не является целым числом";
}

std::string FormatNumber(double value)
{
    if (value == 0.0)
        return "0"; // also for -0
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
    // %.15g rules: exponent form when the decimal exponent is below -4 or 15 and above,
    // trailing zeros dropped.
    std::array<char, 64> buf {};
    auto res
        = std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 15);
    // Next to the largest double, 15 digits round up past it and would not read back:
    // keep the digits that do.
    double back = 0;
    if (std::from_chars(buf.data(), res.ptr, back).ec == std::errc::result_out_of_range)
        res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                            std::chars_format::scientific);
    std::string text(buf.data(), res.ptr);
    const auto e = text.find('e');
    if (e == std::string::npos)
        return text;
    std::string mantissa = text.substr(0, e);
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                    exponent);
    return mantissa + "E" + std::to_string(exponent);
}

std::string FormatInt(std::int64_t value)
{
    return std::to_string(value);
}

namespace {

std::string_view TrimBlanks(std::string_view s)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Accepts only [sign] digits [. digits] [(e|E) [sign] digits], with at least one mantissa digit;
// from_chars alone would also take "inf", "nan" and hexadecimal forms.
bool IsPlainDecimal(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && IsDigit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        std::size_t expDigits = 0;
        while (i < s.size() && IsDigit(s[i]))
            ++i, ++expDigits;
        if (expDigits == 0)
            return false;
    }
    return i == s.size();
}

} // namespace

double ParseFloat(std::string_view text)
{
    std::string_view s = TrimBlanks(text);
    if (!IsPlainDecimal(s))
        throw ConversionError(FloatConversionMessage(std::string(text)),
                              FloatConversionMessageRu(std::string(text)));
    if (s.front() == '+')
        s.remove_prefix(1);
    double value = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), value);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(value))
        throw ConversionError(FloatConversionMessage(std::string(text)),
                              FloatConversionMessageRu(std::string(text)));
    return value;
}

double ParseDecimal(std::string_view text)
{
    std::string withPoint(text);
    std::replace(withPoint.begin(), withPoint.end(), ',', '.');
    try {
        return ParseFloat(withPoint);
    } catch (const ConversionError &) {
        throw ConversionError(FloatConversionMessage(std::string(text)),
                              FloatConversionMessageRu(std::string(text)));
    }
}

std::int32_t ParseInt(std::string_view text)
{
    std::string_view s = TrimBlanks(text);
    if (s.size() > 1 && s.front() == '+' && s[1] != '-')
        s.remove_prefix(1);
    std::int32_t value = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || res.ec != std::errc() || res.ptr != s.data() + s.size())
        throw ConversionError(IntConversionMessage(std::string(text)),
                              IntConversionMessageRu(std::string(text)));
    return value;
}

} // namespace velmora
