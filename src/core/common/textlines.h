#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Lines of a Windows-1251 text file, handed out as UTF-8. A line ends at CR LF or at LF
// alone; the last line need not be ended. Reading past the end gives the empty line.
class TextLineReader
{
public:
    explicit TextLineReader(std::string_view fileBytes);

    std::string Next();
    bool AtEnd() const { return m_next >= m_lines.size(); }
    // 1-based number of the line Next() returned last.
    std::size_t LineNumber() const { return m_next; }

private:
    std::vector<std::string> m_lines;
    std::size_t m_next = 0;
};

// Collects UTF-8 lines and gives the file bytes: Windows-1251, every line ended by CR LF.
class TextLineWriter
{
public:
    void Line(std::string_view utf8);
    const std::string &Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

} // namespace velmora
