#include "catalogue/nearestname.h"

#include <cstddef>
#include <string_view>

namespace velmora {

namespace {

// The code points of a UTF-8 text; a byte that starts no valid sequence stands for itself.
std::u32string CodePoints(std::string_view text)
{
    std::u32string points;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = lead < 0x80 || (lead >= 0xC0 && i + length <= text.size());
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            point = (point << 6) | (next & 0x3F);
        }
        points.push_back(valid ? point : lead);
        i += valid ? length : 1;
    }
    return points;
}

char32_t LowerCase(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c + (U'a' - U'A');
    if (c >= U'А' && c <= U'Я')
        return c + (U'а' - U'А');
    if (c >= U'Ѐ' && c <= U'Џ') // Ѐ … Џ, Ё among them
        return c + (U'ѐ' - U'Ѐ');
    return c;
}

// A lower-case Latin letter that looks like a Cyrillic one, as that one.
char32_t CyrillicLookAlike(char32_t c)
{
    constexpr std::u32string_view latin = U"abcehkmoptxy";
    constexpr std::u32string_view cyrillic = U"авсенкмортху";
    const std::size_t at = latin.find(c);
    return at == std::u32string_view::npos ? c : cyrillic[at];
}

bool IsBlank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\u00A0';
}

// The form two names share when they differ only in what NearestWireName overlooks.
std::u32string Folded(std::string_view name)
{
    std::u32string points = CodePoints(name);
    std::size_t first = 0;
    std::size_t last = points.size();
    while (first < last && IsBlank(points[first]))
        ++first;
    while (last > first && IsBlank(points[last - 1]))
        --last;
    std::u32string folded;
    for (std::size_t i = first; i < last; ++i)
        folded.push_back(CyrillicLookAlike(LowerCase(points[i])));
    return folded;
}

std::string Replaced(std::string text, std::string_view placeholder, const std::string &value)
{
    const std::size_t at = text.find(placeholder);
    if (at != std::string::npos)
        text.replace(at, placeholder.size(), value);
    return text;
}

} // namespace

std::string NearestWireName(const TWiresList &catalogue, const std::string &name)
{
    if (catalogue.IndexOfName(name) >= 0)
        return {};
    const std::u32string wanted = Folded(name);
    if (wanted.empty())
        return {};
    for (int i = 0; i < catalogue.Count(); ++i) {
        const std::string &candidate = catalogue.Items(i).Name;
        if (Folded(candidate) == wanted)
            return candidate;
    }
    return {};
}

std::string MissingWireText(const TWiresList &catalogue, const std::string &name, Lang lang)
{
    std::string text = Replaced(CoreText("Wire_missing", lang), "%1", name);
    const std::string nearest = NearestWireName(catalogue, name);
    if (!nearest.empty())
        text += ' ' + Replaced(CoreText("Wire_nearest", lang), "%1", nearest);
    else
        text += ' ' + CoreText("Wire_enter", lang);
    return text;
}

} // namespace velmora
