#include "data/projectfile.h"

#include "common/error.h"
#include "common/fileio.h"
#include "common/numtext.h"
#include "data/linefile.h"
#include "data/sectionfile.h"
#include "l10n/localization.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace velmora {

namespace {

// Lines of the coefficients section: seven coefficients, then the height and the terrain type
// in the current layout only.
constexpr int KoefCount = 7;

std::string PairLine(double first, double second)
{
    return FormatNumber(first) + ";" + FormatNumber(second);
}

// A line of the form "value[;value]". The first field is required (an empty line fails with
// its own text); the second is optional and gives 0 when missing.
struct PairFields
{
    double first;
    double second;
    bool hasSecond;
};

PairFields ReadPairLine(TextLineReader &reader)
{
    const std::string line = ReadDecimalLine(reader);
    const std::vector<std::string> fields = SplitString(line, ';');
    PairFields pair {};
    pair.first = ParseFloat(fields.empty() ? std::string() : fields[0]);
    pair.hasSecond = fields.size() > 1;
    pair.second = pair.hasSecond ? ParseFloat(fields[1]) : 0.0;
    return pair;
}

// Flag i is set when character i of the line (counted in characters, not bytes) is "1".
void ReadFlagsLine(const std::string &line, std::array<bool, RegimeCount> &flags)
{
    flags.fill(false);
    std::size_t character = 0;
    for (std::size_t i = 0; i < line.size() && character < flags.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if ((c & 0xC0) == 0x80) // continuation byte of a UTF-8 character
            continue;
        flags[character++] = c == '1';
    }
}

std::int32_t HeightOrDefault(const std::string &text)
{
    return text.empty() ? 15 : ParseInt(text);
}

// A value's name in both languages, for the error of its line.
struct ProjectFieldName
{
    const char *english;
    const char *russian;
};

// The reading of a line that failed to convert, told with the line's number and, when
// known, the field it holds: "Project file line 5, the minimum temperature: '' is not …".
template<typename Read>
auto AtLine(TextLineReader &reader, const ProjectFieldName *field, Read read) -> decltype(read())
{
    try {
        return read();
    } catch (const ConversionError &e) {
        const std::string number = FormatInt(static_cast<std::int64_t>(reader.LineNumber()));
        throw ConversionError(
            "Project file line " + number + (field ? std::string(", ") + field->english : "") + ": "
                + e.what(),
            "Файл проекта, строка " + number + (field ? std::string(", ") + field->russian : "")
                + ": " + e.Russian());
    }
}

constexpr ProjectFieldName TemperatureFields[] = {
    {"the temperature with ice and wind", "температура при гололёде с ветром"},
    {"the temperature with ice without wind", "температура при гололёде без ветра"},
    {"the temperature at the maximum wind", "температура при максимальном ветре"},
    {"the minimum temperature", "минимальная температура"},
    {"the maximum temperature", "максимальная температура"},
    {"the average annual temperature", "среднегодовая температура"},
    {"the wind velocity with ice", "скорость ветра при гололёде"},
    {"the maximum wind velocity", "максимальная скорость ветра"},
    {"the ice wall thickness", "толщина стенки гололёда"},
};
constexpr ProjectFieldName AverageStressField
    = {"the permissible stress or tensile force at the average annual temperature",
       "допускаемое напряжение или тяжение при среднегодовой температуре"};
constexpr ProjectFieldName MaximumStressField = {"the maximum permissible stress or tensile force",
                                                 "наибольшее допускаемое напряжение или тяжение"};
constexpr ProjectFieldName SpanFields[] = {
    {"the minimum span", "минимальный пролёт"},
    {"the maximum span", "максимальный пролёт"},
    {"the step of the spans", "шаг пролётов"},
};

} // namespace

void WriteDatSection(TextLineWriter &writer, const TDAT &dat)
{
    writer.Line(ProjectVersionLine);
    writer.Line(SingleLine(dat.Provod));
    for (double value : {dat.T_Gsw, dat.T_Gbw, dat.Tvmax, dat.T_Min, dat.T_Max, dat.T_Srg, dat.Vgol,
                         dat.VMax, dat.Tols})
        writer.Line(FormatNumber(value));
    // Only the pair of the chosen page is written; the other is 0.
    if (dat.NaprPage == 0) {
        writer.Line(PairLine(dat.Napr_srg, 0));
        writer.Line(PairLine(dat.Napr_Max, 0));
    } else {
        writer.Line(PairLine(0, dat.Tag_Srg));
        writer.Line(PairLine(0, dat.Tag_Max));
    }
    for (double value : {dat.Min_Prol, dat.Max_Prol, dat.Shag})
        writer.Line(FormatNumber(value));
    std::string flags;
    for (bool flag : dat.RegimeFlags)
        flags += flag ? '1' : '0';
    writer.Line(flags);
}

bool ReadDatSection(TextLineReader &reader, TDAT &dat)
{
    std::string wireLine = ReadRawLine(reader);
    const bool versionPresent = wireLine == ProjectVersionLine;
    if (versionPresent)
        wireLine = ReadRawLine(reader);
    std::replace(wireLine.begin(), wireLine.end(), ',', '.');
    dat.Provod = wireLine;

    const ProjectFieldName *field = TemperatureFields;
    for (double *value : {&dat.T_Gsw, &dat.T_Gbw, &dat.Tvmax, &dat.T_Min, &dat.T_Max, &dat.T_Srg,
                          &dat.Vgol, &dat.VMax, &dat.Tols})
        *value = AtLine(reader, field++, [&] { return ReadFloatLine(reader); });

    const PairFields average
        = AtLine(reader, &AverageStressField, [&] { return ReadPairLine(reader); });
    dat.Napr_srg = average.first;
    dat.Tag_Srg = average.second;
    dat.NaprPage = average.hasSecond && average.second > 0 ? 1 : 0;

    const PairFields maximum
        = AtLine(reader, &MaximumStressField, [&] { return ReadPairLine(reader); });
    dat.Napr_Max = maximum.first;
    dat.Tag_Max = maximum.second;

    field = SpanFields;
    for (double *value : {&dat.Min_Prol, &dat.Max_Prol, &dat.Shag})
        *value = AtLine(reader, field++, [&] { return ReadFloatLine(reader); });

    ReadFlagsLine(ReadRawLine(reader), dat.RegimeFlags);
    return versionPresent;
}

void WriteKoefSection(TextLineWriter &writer, const TKlimatKoef &koef)
{
    for (double value :
         {koef.V_Otv, koef.V_Reg, koef.V_Nad, koef.G_Otv, koef.G_Reg, koef.G_Nad, koef.G_Usl})
        writer.Line(FormatNumber(value));
    writer.Line(FormatInt(koef.VisotaPC));
    writer.Line(FormatInt(koef.TypeTer));
}

void ReadKoefSection(TextLineReader &reader, TKlimatKoef &koef, bool versionPresent)
{
    for (double *value : {&koef.V_Otv, &koef.V_Reg, &koef.V_Nad, &koef.G_Otv, &koef.G_Reg,
                          &koef.G_Nad, &koef.G_Usl})
        *value = ReadFloatLine(reader);
    if (!versionPresent) {
        koef.VisotaPC = 15;
        koef.VisotaPC2 = 15;
        koef.TypeTer = 1;
        return;
    }
    // "height" or "height;second height"; an empty part gives 15.
    const std::string line = ReadRawLine(reader);
    const std::size_t semicolon = line.find(';');
    const std::string first = line.substr(0, semicolon);
    std::string second;
    if (semicolon != std::string::npos)
        std::copy_if(line.begin() + static_cast<std::ptrdiff_t>(semicolon) + 1, line.end(),
                     std::back_inserter(second), [](char c) { return c != ';'; });
    koef.VisotaPC = HeightOrDefault(first);
    koef.VisotaPC2 = HeightOrDefault(second);
    koef.TypeTer = ReadIntLine(reader);
}

int KoefSectionLines(bool versionPresent)
{
    return versionPresent ? KoefCount + 2 : KoefCount;
}

std::string WriteProjectToBytes(const TProject &project)
{
    TextLineWriter writer;
    WriteDatSection(writer, project.Dat);
    WriteKoefSection(writer, project.Koef);
    project.Shablons.WriteToText(writer);
    WriteSectionList(writer, project.Sections);
    WriteLineProfile(writer, project.Line);
    for (const std::string &line : project.LaterSections)
        writer.Line(line);
    return writer.Bytes();
}

ProjectLoad ReadProjectFromBytes(std::string_view bytes, TProject &project)
{
    // Everything goes into a fresh project first, so a failed reading leaves the open one
    // as it was, and a file without templates does not keep another project's templates.
    TProject loaded;
    ProjectLoad result;
    TextLineReader reader(bytes);

    const bool versionPresent = ReadDatSection(reader, loaded.Dat);

    // A faulty coefficient is not fatal: the defaults are taken, and the template section
    // is still read from its own first line, past the coefficients section's fixed lines.
    TextLineReader koefReader = reader;
    try {
        ReadKoefSection(koefReader, loaded.Koef, versionPresent);
        reader = std::move(koefReader);
    } catch (const ConversionError &) {
        loaded.Koef.SetDefaults();
        loaded.KoefFallbackLine = static_cast<int>(koefReader.LineNumber());
        result.koefFallback = true;
        for (int i = 0; i < KoefSectionLines(versionPresent); ++i)
            reader.Next();
    }

    result.templateSectionPresent
        = AtLine(reader, nullptr, [&] { return loaded.Shablons.ReadFromText(reader); });
    if (result.templateSectionPresent) {
        // Each known section starts with its own header line; the first line that starts
        // none begins what a later version wrote, kept whole.
        bool onlyBlank = true;
        bool sectionsRead = false;
        bool lineRead = false;
        while (!reader.AtEnd()) {
            const TextLineReader atLine = reader;
            std::string line = reader.Next();
            const bool known = loaded.LaterSections.empty();
            // A part of this program's twice is a damaged file: kept as later text, the
            // second would be taken for the first once a project without the first is saved.
            if (known
                && ((sectionsRead && line == SectionListHeaderLine)
                    || (lineRead && line == LineProfileHeaderLine))) {
                const std::string number
                    = FormatInt(static_cast<std::int64_t>(reader.LineNumber()));
                throw ConversionError("Project file line " + number + ": the part \"" + line
                                          + "\" is given a second time",
                                      "Файл проекта, строка " + number + ": раздел «" + line
                                          + "» повторяется");
            }
            if (known && !sectionsRead && line == SectionListHeaderLine) {
                AtLine(reader, nullptr, [&] { ReadSectionListBody(reader, loaded.Sections); });
                sectionsRead = true;
                continue;
            }
            if (known && !lineRead && line == LineProfileHeaderLine) {
                reader = atLine;
                ReadLineProfile(reader, loaded.Line);
                lineRead = true;
                continue;
            }
            onlyBlank = onlyBlank && line.empty();
            loaded.LaterSections.push_back(std::move(line));
        }
        if (onlyBlank)
            loaded.LaterSections.clear();
    }
    // The later sections move: a large file's lines are not held twice.
    std::vector<std::string> later = std::move(loaded.LaterSections);
    loaded.LaterSections.clear();
    project.Assign(loaded);
    project.LaterSections = std::move(later);
    return result;
}

void SaveProject(const std::string &path, const TProject &project)
{
    WriteFileAtomically(path, WriteProjectToBytes(project));
}

ProjectLoad LoadProject(const std::string &path, TProject &project)
{
    return ReadProjectFromBytes(ReadFileBytes(path), project);
}

} // namespace velmora
