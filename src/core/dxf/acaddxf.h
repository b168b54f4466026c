#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// A point of the drawing in drawing units; coordinates are kept and written in single precision.
struct DxfPoint
{
    float x = 0;
    float y = 0;
};

// The group value text of a real: fixed notation with four decimals (the nearest value, an
// exact tie rounded away from zero), then trailing zeros removed down to one decimal: 2.5 -> "2.5",
// 1 -> "1.0", -30 -> "-30.0", 0.03125 -> "0.0313". A value that rounds to zero is "0.0", never
// "-0.0".
std::string FormatReal(float value);

// Writes a minimal DXF drawing: one ENTITIES section of LINE and TEXT entities, no HEADER,
// TABLES or BLOCKS. Groups are a code line and a value line, each ended by CR LF; texts are
// written in Windows-1251.
//
// The file is built in memory and put in place by Finish (temporary file + rename), so a drawing
// that is abandoned or fails never leaves a half-written file at the path the user chose, and an
// existing file there stays as it was until Finish.
class TAcadDxf
{
public:
    TAcadDxf() = default;

    // Starts a drawing for path and writes the section start (0 SECTION, 2 ENTITIES). Throws
    // velmora::Error "Cannot create file \"<path>\". <reason>" when no file can be created
    // there; nothing is written then.
    void Open(const std::string &path);
    // Starts a drawing kept in memory only (Bytes()); Finish writes no file.
    void OpenInMemory();

    // Colour number of the following entities, as a signed 8-bit value: 0..127 are written as
    // group 62, 128..255 and negatives mean "not set" and the group is left out.
    void SetColor(int colour);
    // Sets the colour, then writes a LINE from p1 to p2.
    void Line(DxfPoint p1, DxfPoint p2, int colour);
    // Sets the text height (drawing units), then writes a left-justified TEXT (UTF-8 text)
    // whose insertion point is p. A CR or LF inside the text is written as a blank, so it
    // cannot break the group structure.
    void TextAt(std::string_view text, DxfPoint p, float height);

    // Writes 0 ENDSEC, 0 EOF and, for a file drawing, puts the file in place. Throws
    // velmora::Error "Cannot write file \"<path>\". <reason>" when that fails; the target then
    // stays as it was.
    void Finish();

    // The drawing's bytes so far (all of them after Finish).
    const std::string &Bytes() const { return m_bytes; }

private:
    void WriteGroup(int code, std::string_view value);
    void WriteRealGroup(int code, float value);
    void WriteEntityProperties();

    std::string m_layer = "0";
    std::int8_t m_color = -1;
    std::string m_lineType = "CONTINUOUS";
    std::string m_textStyle = "STANDARD";
    float m_textAngle = 0; // degrees
    float m_textOblique = 0; // degrees
    float m_textHeight = 2.5f;
    float m_textWidth = 1; // relative width factor

    std::string m_path; // empty for a drawing in memory
    std::string m_bytes;
};

} // namespace velmora
