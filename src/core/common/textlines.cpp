#include "common/textlines.h"

#include "common/cp1251.h"

namespace velmora {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

} // namespace

TextEncoding DetectTextEncoding(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8Bom))
        bytes.remove_prefix(kUtf8Bom.size());
    return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1251;
}

TextLineReader::TextLineReader(std::string_view bytes, TextEncoding encoding)
{
    const bool utf8 = encoding == TextEncoding::Utf8;
    if (utf8 && bytes.starts_with(kUtf8Bom))
        bytes.remove_prefix(kUtf8Bom.size());
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r' && end < bytes.size())
            line.remove_suffix(1);
        m_lines.push_back(utf8 ? std::string(line) : Cp1251ToUtf8(line));
        start = next;
    }
}

std::string TextLineReader::Next()
{
    if (m_next >= m_lines.size()) {
        ++m_next;
        return {};
    }
    return m_lines[m_next++];
}

void TextLineWriter::Line(std::string_view utf8)
{
    m_bytes += Utf8ToCp1251(utf8);
    m_bytes += "\r\n";
}

} // namespace velmora
