#pragma once

#include "common/textlines.h"
#include "data/project.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// The first line of a project file of the current layout.
inline constexpr std::string_view ProjectVersionLine = "version 3.4";

// Line readers: each takes exactly one line; past the end of the file the line is empty.
// The line unchanged.
std::string ReadRawLine(TextLineReader &reader);
// The line as an integer; throws ConversionError "'<line>' is not a valid integer value".
std::int32_t ReadIntLine(TextLineReader &reader);
// The line with every "," replaced by ".".
std::string ReadDecimalLine(TextLineReader &reader);
// ReadDecimalLine as a number; throws ConversionError
// "'<line>' is not a valid floating point value".
double ReadFloatLine(TextLineReader &reader);

// text with every line break made a blank, for a name written as one line: a break inside
// it would shift every following line of the file.
std::string SingleLine(std::string text);

// Input-record section (lines 1 to 17): the version line, the wire, the values, the flags.
// The pair of the page not chosen is written as 0.
void WriteDatSection(TextLineWriter &writer, const TDAT &dat);
// Reads the input-record section into dat; answers whether the version line was present.
// Throws ConversionError on a value that does not convert.
bool ReadDatSection(TextLineReader &reader, TDAT &dat);

// Coefficients section (lines 18 to 26): seven coefficients, the height, the terrain type.
void WriteKoefSection(TextLineWriter &writer, const TKlimatKoef &koef);
// Reads the coefficients section. Without the version line only the seven coefficients are
// in the file and the heights and terrain take 15, 15 and 1. Throws ConversionError.
void ReadKoefSection(TextLineReader &reader, TKlimatKoef &koef, bool versionPresent);
// Number of lines of the coefficients section.
int KoefSectionLines(bool versionPresent);

// The template section is TShablonList::WriteToText / ReadFromText.

// The whole file as bytes (Windows-1251, CR LF).
std::string WriteProjectToBytes(const TProject &project);

// What an opening found besides the values.
struct ProjectLoad
{
    bool templateSectionPresent = false; // false: the file ends after the coefficients
    bool koefFallback = false; // the coefficients section failed; defaults taken
};

// Reads a whole project file from its bytes into project. All or nothing: on an error
// project is left as it was and the ConversionError of the failing line is thrown. A failed
// coefficients section is not an error: the coefficients take their defaults and the
// template section is read from its own first line. A file without a template section
// gives an empty template list; the anchor sections follow the templates (data/sectionfile.h)
// and a file without them gives none; the line profile follows them (data/linefile.h), or the
// templates when there are no sections, and a file without it gives an empty one.
ProjectLoad ReadProjectFromBytes(std::string_view bytes, TProject &project);

// Writes project to path through a temporary file renamed over it. Throws Error naming the
// file and the system's reason.
void SaveProject(const std::string &path, const TProject &project);
// Reads the file at path, as ReadProjectFromBytes. Throws Error when the file cannot be read.
ProjectLoad LoadProject(const std::string &path, TProject &project);

} // namespace velmora
