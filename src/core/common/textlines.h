#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The encodings a text file is read in.
enum class TextEncoding { Windows1251, Utf8 };

// Utf8 when the bytes are valid UTF-8 after an optional byte-order mark, else Windows-1251.
// Pure ASCII counts as UTF-8 (both read it alike); a Windows-1251 text with Cyrillic letters
// is practically never valid UTF-8, as two letters in a row are never a UTF-8 sequence.
TextEncoding DetectTextEncoding(std::string_view fileBytes);

// Lines of a text file, handed out as UTF-8; Windows-1251 unless the file is said to be UTF-8
// (then a leading byte-order mark is skipped). A line ends at CR LF or at LF alone; the last
// line need not be ended. Reading past the end gives the empty line. The reader keeps one
// copy of the bytes and makes each line only when asked for it, so that a large file costs
// its size once, and a copy of the reader (to read ahead and come back) costs nothing.
class TextLineReader
{
public:
    explicit TextLineReader(std::string_view fileBytes,
                            TextEncoding encoding = TextEncoding::Windows1251);

    std::string Next();
    bool AtEnd() const { return m_next >= m_lineCount; }
    // How many lines Next() has still to give before the end; for checking a count read
    // from the file before reading that many items.
    std::size_t LinesLeft() const { return AtEnd() ? 0 : m_lineCount - m_next; }
    // 1-based number of the line Next() returned last.
    std::size_t LineNumber() const { return m_next; }

private:
    std::shared_ptr<const std::string> m_bytes;
    bool m_utf8 = false;
    std::size_t m_lineCount = 0;
    std::size_t m_offset = 0; // where the line after LineNumber() starts
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
