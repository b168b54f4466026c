#include "data/sectionfile.h"

#include "common/error.h"
#include "common/numtext.h"
#include "data/projectfile.h"

#include <algorithm>
#include <limits>

namespace velmora {

namespace {

// A count checked before anything it counts is read: every item takes at least linesEach
// lines of what is left of the file, and at most limit items are allowed.
// What a count counts, in both languages ("spans", "пролётов").
struct CountedItems
{
    const char *english;
    const char *russian;
};

std::int32_t ReadCountLine(TextLineReader &reader, std::size_t linesEach, std::int32_t limit,
                           CountedItems items)
{
    const std::string line = ReadRawLine(reader);
    const std::int32_t count = ParseInt(line);
    const std::string number = FormatInt(static_cast<std::int64_t>(reader.LineNumber()));
    const std::string where = "Project file line " + number + ": ";
    const std::string whereRu = "Файл проекта, строка " + number + ": ";
    if (count < 0)
        throw Error(where + "expected a count of 0 or more, found '" + line + "'",
                    whereRu + "ожидалось число от 0, а не «" + line + "»");
    if (count > limit)
        throw Error(where + "the file gives " + line + " " + items.english + "; at most "
                        + FormatInt(limit) + " are allowed",
                    whereRu + "в файле " + items.russian + " " + line + ", а допустимо не больше "
                        + FormatInt(limit));
    if (static_cast<std::size_t>(count) * linesEach > reader.LinesLeft())
        throw Error(where + "the file gives " + line + " " + items.english
                        + ", but ends before them",
                    whereRu + "в файле " + items.russian + " " + line + ", но он кончается раньше");
    return count;
}

// The lines of a section before its spans: name, three temperatures, the count of spans.
constexpr std::size_t SectionHeadLines = 5;

TSection ReadSection(TextLineReader &reader)
{
    TSection section;
    section.Name = ReadRawLine(reader);
    section.TFrom = ReadFloatLine(reader);
    section.TTo = ReadFloatLine(reader);
    section.TStep = ReadFloatLine(reader);
    // Read one line at a time: a damaged count must not reserve memory for spans that are
    // not in the file (past the end every line is empty and fails to convert).
    for (std::int32_t i = ReadCountLine(reader, 1, MaxSectionSpans, {"spans", "пролётов"}); i > 0;
         --i)
        section.Spans.push_back(ReadFloatLine(reader));
    return section;
}

} // namespace

void WriteSectionList(TextLineWriter &writer, const TSectionList &sections)
{
    if (sections.Count() == 0)
        return;
    writer.Line(SectionListHeaderLine);
    writer.Line(FormatInt(sections.Count()));
    for (int i = 0; i < sections.Count(); ++i) {
        const TSection &section = sections.Items(i);
        writer.Line(SingleLine(section.Name));
        for (double value : {section.TFrom, section.TTo, section.TStep})
            writer.Line(FormatNumber(value));
        writer.Line(FormatInt(static_cast<std::int64_t>(section.Spans.size())));
        for (double span : section.Spans)
            writer.Line(FormatNumber(span));
    }
}

bool ReadSectionList(TextLineReader &reader, TSectionList &sections)
{
    if (ReadRawLine(reader) != SectionListHeaderLine)
        return false;
    ReadSectionListBody(reader, sections);
    return true;
}

void ReadSectionListBody(TextLineReader &reader, TSectionList &sections)
{
    TSectionList read;
    const std::int32_t count
        = ReadCountLine(reader, SectionHeadLines, std::numeric_limits<std::int32_t>::max(),
                        {"anchor sections", "анкерных участков"});
    for (std::int32_t i = count; i > 0; --i)
        read.Add(ReadSection(reader));
    sections.Assign(read);
}

} // namespace velmora
