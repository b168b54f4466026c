#include "data/linefile.h"

#include "common/error.h"
#include "common/numtext.h"
#include "data/projectfile.h"
#include "l10n/localization.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velmora {

namespace {

std::string JoinNumbers(std::initializer_list<double> values)
{
    std::string line;
    for (double value : values) {
        if (!line.empty())
            line += ';';
        line += FormatNumber(value);
    }
    return line;
}

[[noreturn]] void FailAt(std::size_t line, const std::string &what, const std::string &whatRu)
{
    const std::string number = FormatInt(static_cast<std::int64_t>(line));
    throw Error("Project file line " + number + ", " + what,
                "Файл проекта, строка " + number + ", " + whatRu);
}

std::int32_t ReadCount(TextLineReader &reader)
{
    const std::string line = ReadRawLine(reader);
    const std::int32_t count = ParseInt(line);
    if (count < 0)
        FailAt(reader.LineNumber(), "expected a count of 0 or more, found '" + line + "'",
               "ожидалось число от 0, а не «" + line + "»");
    return count;
}

// The n numbers of a line "a;b;…" with "," or "." as the point.
template<std::size_t N> std::array<double, N> ReadNumbers(TextLineReader &reader)
{
    const std::string line = ReadDecimalLine(reader);
    const std::vector<std::string> fields = SplitString(line, ';');
    if (fields.size() != N)
        throw ConversionError(FloatConversionMessage(line), FloatConversionMessageRu(line));
    std::array<double, N> values {};
    for (std::size_t i = 0; i < N; ++i)
        values[i] = ParseFloat(fields[i]);
    return values;
}

// The file line of each record read, per kind, for the faults.
struct RecordLines
{
    std::array<std::vector<std::size_t>, 5> lines;
    std::vector<std::size_t> &of(LineRecord record)
    {
        return lines[static_cast<std::size_t>(record)];
    }
};

// Reads count records, each through read, noting the line each one starts on.
template<typename T, typename Read>
void ReadRecords(TextLineReader &reader, std::vector<T> &into, std::vector<std::size_t> &lines,
                 Read read)
{
    // One record at a time: a damaged count must not reserve memory for records that are not
    // in the file (past the end every line is empty and fails to convert).
    for (std::int32_t i = ReadCount(reader); i > 0; --i) {
        lines.push_back(reader.LineNumber() + 1);
        try {
            into.push_back(read());
        } catch (const ConversionError &e) {
            // The line the reading stopped at: a number that does not convert.
            const std::string number = FormatInt(static_cast<std::int64_t>(reader.LineNumber()));
            throw ConversionError("Project file line " + number + ": " + e.what(),
                                  "Файл проекта, строка " + number + ": " + e.Russian());
        }
    }
}

} // namespace

void WriteLineProfile(TextLineWriter &writer, const LineProfile &line)
{
    if (line.empty())
        return;
    const auto count
        = [&writer](std::size_t n) { writer.Line(FormatInt(static_cast<std::int64_t>(n))); };
    writer.Line(LineProfileHeaderLine);
    count(line.ground.size());
    for (const GroundPoint &p : line.ground)
        writer.Line(JoinNumbers({p.x, p.z}));
    count(line.types.size());
    for (const TowerType &t : line.types) {
        writer.Line(SingleLine(t.name));
        writer.Line(
            JoinNumbers({t.height, t.cost, t.maxWindSpan, t.maxWeightSpan, t.minWeightSpan}));
    }
    count(line.towers.size());
    for (const Tower &t : line.towers)
        writer.Line(FormatNumber(t.station) + ";" + FormatInt(t.type));
    count(line.crossings.size());
    for (const Crossing &c : line.crossings) {
        writer.Line(SingleLine(c.name));
        writer.Line(JoinNumbers({c.station, c.top, c.clearance}));
    }
    count(line.forbidden.size());
    for (const ForbiddenStretch &s : line.forbidden)
        writer.Line(JoinNumbers({s.from, s.to}));
}

bool ReadLineProfile(TextLineReader &reader, LineProfile &line)
{
    if (ReadRawLine(reader) != LineProfileHeaderLine)
        return false;
    LineProfile read;
    RecordLines lines;
    ReadRecords(reader, read.ground, lines.of(LineRecord::Ground), [&] {
        const auto [x, z] = ReadNumbers<2>(reader);
        return GroundPoint {x, z};
    });
    ReadRecords(reader, read.types, lines.of(LineRecord::Type), [&] {
        TowerType t;
        t.name = ReadRawLine(reader);
        const auto v = ReadNumbers<5>(reader);
        t.height = v[0];
        t.cost = v[1];
        t.maxWindSpan = v[2];
        t.maxWeightSpan = v[3];
        t.minWeightSpan = v[4];
        return t;
    });
    ReadRecords(reader, read.towers, lines.of(LineRecord::Tower), [&] {
        const std::string text = ReadDecimalLine(reader);
        const std::vector<std::string> fields = SplitString(text, ';');
        if (fields.size() != 2)
            throw ConversionError(FloatConversionMessage(text), FloatConversionMessageRu(text));
        return Tower {ParseFloat(fields[0]), ParseInt(fields[1])};
    });
    ReadRecords(reader, read.crossings, lines.of(LineRecord::Crossing), [&] {
        Crossing c;
        c.name = ReadRawLine(reader);
        const auto v = ReadNumbers<3>(reader);
        c.station = v[0];
        c.top = v[1];
        c.clearance = v[2];
        return c;
    });
    ReadRecords(reader, read.forbidden, lines.of(LineRecord::Forbidden), [&] {
        const auto [from, to] = ReadNumbers<2>(reader);
        return ForbiddenStretch {from, to};
    });
    if (const auto fault = FindLineFault(read, Lang::English, LineScope::Records)) {
        // A type's and a crossing's numbers are on the line after their name.
        const bool nameLine = fault->fieldIndex == (fault->record == LineRecord::Type ? 0 : 3);
        const bool twoLines
            = fault->record == LineRecord::Type || fault->record == LineRecord::Crossing;
        const auto faultRu = FindLineFault(read, Lang::Russian, LineScope::Records);
        FailAt(lines.of(fault->record).at(fault->index) + (twoLines && !nameLine ? 1 : 0),
               fault->field + ": " + fault->problem, faultRu->field + ": " + faultRu->problem);
    }
    line = std::move(read);
    return true;
}

} // namespace velmora
