#include "common/textlines.h"

#include "common/cp1251.h"

namespace velmora {

TextLineReader::TextLineReader(std::string_view bytes)
{
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r' && end < bytes.size())
            line.remove_suffix(1);
        m_lines.push_back(Cp1251ToUtf8(line));
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
