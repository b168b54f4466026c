#include "data/sectionfile.h"

#include "common/error.h"
#include "common/numtext.h"
#include "data/projectfile.h"

#include <algorithm>

namespace velmora {

namespace {

std::int32_t ReadCountLine(TextLineReader &reader)
{
    const std::string line = ReadRawLine(reader);
    const std::int32_t count = ParseInt(line);
    if (count < 0)
        throw Error("Project file line " + FormatInt(static_cast<std::int64_t>(reader.LineNumber()))
                    + ": expected a count of 0 or more, found '" + line + "'");
    return count;
}

TSection ReadSection(TextLineReader &reader)
{
    TSection section;
    section.Name = ReadRawLine(reader);
    section.TFrom = ReadFloatLine(reader);
    section.TTo = ReadFloatLine(reader);
    section.TStep = ReadFloatLine(reader);
    // Read one line at a time: a damaged count must not reserve memory for spans that are
    // not in the file (past the end every line is empty and fails to convert).
    for (std::int32_t i = ReadCountLine(reader); i > 0; --i)
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
    TSectionList read;
    for (std::int32_t i = ReadCountLine(reader); i > 0; --i)
        read.Add(ReadSection(reader));
    sections.Assign(read);
    return true;
}

} // namespace velmora
