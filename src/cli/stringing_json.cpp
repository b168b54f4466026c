#include "stringing_json.h"

#include "json.h"

namespace velmora::cli {

namespace {

std::string NumberArray(const std::vector<double> &values)
{
    return ArrayText(values, JsonNumber);
}

std::string SectionObject(const SectionTable &entry)
{
    const StringingTable &t = entry.table;
    return ObjectText()
        .Add("name", JsonString(entry.section.Name))
        .Add("spans", NumberArray(entry.section.Spans))
        .Add("reduced_span", JsonNumber(t.reducedSpan))
        .Add("state", std::to_string(static_cast<int>(t.state)))
        .Add("temperatures", NumberArray(t.temperatures))
        .Add("stress", NumberArray(t.stress))
        .Add("tension", NumberArray(t.tension))
        .Add("sag_reduced", NumberArray(t.sagReduced))
        .Add("sags", ArrayText(t.sags, NumberArray))
        .Close();
}

} // namespace

std::string StringingResultJson(const std::vector<SectionTable> &tables)
{
    ObjectText out;
    out.Add("ok", "true").Break();
    out.AddAfterBreak("sections", ArrayText(tables, SectionObject, ",\n              "));
    return out.Close() + "\n";
}

} // namespace velmora::cli
