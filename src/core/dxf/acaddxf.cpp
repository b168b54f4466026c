#include "dxf/acaddxf.h"

#include "common/cp1251.h"
#include "common/error.h"
#include "common/fileio.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <unistd.h>

namespace velmora {

namespace {

constexpr std::string_view LineEnd = "\r\n";

// Proves that a file can be created beside path (the folder exists and takes new files) by
// creating and removing a temporary one; the drawing itself is put in place by Finish.
void CheckCanCreate(const std::string &path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw Error("Cannot create file \"" + path + "\". " + std::strerror(EISDIR));
    std::string probe = path + ".XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0)
        throw Error("Cannot create file \"" + path + "\". " + std::strerror(errno));
    ::close(fd);
    ::unlink(probe.c_str());
}

// A line break inside a value would end the group early and shift every later group; a text
// read from a file could carry a lone CR.
std::string OneLine(std::string_view text)
{
    std::string line(text);
    for (char &c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return line;
}

} // namespace

void TAcadDxf::Open(const std::string &path)
{
    CheckCanCreate(path);
    OpenInMemory();
    m_path = path;
}

void TAcadDxf::OpenInMemory()
{
    m_path.clear();
    m_bytes.clear();
    m_bytes.reserve(1 << 18);
    WriteGroup(0, "SECTION");
    WriteGroup(2, "ENTITIES");
}

void TAcadDxf::SetColor(int colour)
{
    m_color = static_cast<std::int8_t>(static_cast<std::uint8_t>(colour));
}

void TAcadDxf::Line(DxfPoint p1, DxfPoint p2, int colour)
{
    SetColor(colour);
    WriteGroup(0, "LINE");
    WriteEntityProperties();
    WriteRealGroup(10, p1.x);
    WriteRealGroup(20, p1.y);
    WriteRealGroup(11, p2.x);
    WriteRealGroup(21, p2.y);
}

void TAcadDxf::TextAt(std::string_view text, DxfPoint p, float height)
{
    m_textHeight = height;
    WriteGroup(0, "TEXT");
    WriteEntityProperties();
    WriteGroup(1, Utf8ToCp1251(OneLine(text)));
    WriteGroup(7, m_textStyle);
    WriteRealGroup(10, p.x);
    WriteRealGroup(20, p.y);
    WriteRealGroup(40, m_textHeight);
    WriteRealGroup(41, m_textWidth);
    WriteRealGroup(50, m_textAngle);
    WriteRealGroup(51, m_textOblique);
    WriteGroup(72, "0"); // left justified
}

void TAcadDxf::Finish()
{
    WriteGroup(0, "ENDSEC");
    WriteGroup(0, "EOF");
    if (!m_path.empty())
        WriteFileAtomically(m_path, m_bytes);
}

void TAcadDxf::WriteGroup(int code, std::string_view value)
{
    m_bytes += std::to_string(code);
    m_bytes += LineEnd;
    m_bytes += value;
    m_bytes += LineEnd;
}

void TAcadDxf::WriteRealGroup(int code, float value)
{
    WriteGroup(code, FormatReal(value));
}

void TAcadDxf::WriteEntityProperties()
{
    WriteGroup(8, m_layer);
    WriteGroup(6, m_lineType);
    if (m_color >= 0) {
        // The colour number alone is right-aligned in three characters.
        std::string value = std::to_string(m_color);
        value.insert(0, 3 - value.size(), ' ');
        WriteGroup(62, value);
    }
}

} // namespace velmora
