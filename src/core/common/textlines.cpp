#include "common/textlines.h"

#include "common/cp1251.h"

#include <algorithm>

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
    : m_utf8(encoding == TextEncoding::Utf8)
{
    if (m_utf8 && bytes.starts_with(kUtf8Bom))
        bytes.remove_prefix(kUtf8Bom.size());
    m_bytes = std::make_shared<const std::string>(bytes);
    m_lineCount = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    if (!bytes.empty() && bytes.back() != '\n')
        ++m_lineCount;
}

std::string TextLineReader::Next()
{
    if (AtEnd()) {
        ++m_next;
        return {};
    }
    const std::string_view bytes = *m_bytes;
    std::size_t end = bytes.find('\n', m_offset);
    const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos)
        end = bytes.size();
    std::string_view line = bytes.substr(m_offset, end - m_offset);
    if (!line.empty() && line.back() == '\r' && end < bytes.size())
        line.remove_suffix(1);
    m_offset = next;
    ++m_next;
    return m_utf8 ? std::string(line) : Cp1251ToUtf8(line);
}

void TextLineWriter::Line(std::string_view utf8)
{
    m_bytes += Utf8ToCp1251(utf8);
    m_bytes += "\r\n";
}

} // namespace velmora
