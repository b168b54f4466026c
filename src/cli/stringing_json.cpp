#include "stringing_json.h"

#include "json.h"

namespace velmora::cli {

namespace {

void WriteSection(JsonText &out, const SectionTable &entry)
{
    const StringingTable &t = entry.table;
    out.Raw("{").Key("name").String(entry.section.Name);
    out.Next("spans").Numbers(entry.section.Spans);
    out.Next("reduced_span").Number(t.reducedSpan);
    out.Next("state").Integer(static_cast<int>(t.state));
    out.Next("temperatures").Numbers(t.temperatures);
    out.Next("stress").Numbers(t.stress);
    out.Next("tension").Numbers(t.tension);
    out.Next("sag_reduced").Numbers(t.sagReduced);
    out.Next("sags").Raw("[");
    for (std::size_t i = 0; i < t.sags.size(); ++i) {
        if (i)
            out.Raw(", ");
        out.Numbers(t.sags[i]);
    }
    out.Raw("]}");
}

} // namespace

std::string StringingResultJson(const std::vector<SectionTable> &tables)
{
    JsonText out;
    out.Raw("{").Key("ok").Raw("true").Break(" ").Key("sections").Raw("[");
    for (std::size_t i = 0; i < tables.size(); ++i) {
        if (i)
            out.Break("              ");
        WriteSection(out, tables[i]);
    }
    out.Raw("]}\n");
    return out.Take();
}

} // namespace velmora::cli
