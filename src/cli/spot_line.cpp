#include "spot_line.h"

#include "json.h"

#include "calc/spotting.h"
#include "common/numtext.h"
#include "templates/linedesign.h"

#include <chrono>

namespace velmora::cli {

SpottedLine SpotLine(const TProject &project, const LineProfile &line, int templateIndex,
                     const TWireRec &wire, double grid, Lang lang)
{
    const SpottingInput in = SpottingInputOf(project, line, templateIndex, wire, grid, lang);

    const auto start = std::chrono::steady_clock::now();
    const SpottingResult result = SpotTowers(in);
    const double seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    SpottedLine spotted;
    spotted.found = result.outcome == SpottingResult::Outcome::Found;
    spotted.towers = result.towers;
    JsonText out;
    out.Key("spot").Raw("{").Key("cost");
    if (spotted.found)
        out.Number(result.cost);
    else
        out.Raw("null");
    out.Next("towers").Integer(static_cast<long long>(result.towers.size()));
    out.Next("sites").Integer(static_cast<long long>(result.sites));
    out.Next("spans_examined").Integer(static_cast<long long>(result.spansExamined));
    out.Next("seconds").Number(seconds);
    if (!spotted.found) {
        out.Next("blocked").Raw("{").Key("from").Number(result.blockedFrom);
        out.Next("to").Number(result.blockedTo).Raw("}");
        spotted.none = InLanguage(lang, "No feasible line: no span gets past the ground from ",
                                  "Допустимой линии нет: ни один пролёт не проходит участок от ")
            + FormatNumber(result.blockedFrom) + InLanguage(lang, " to ", " до ")
            + FormatNumber(result.blockedTo) + InLanguage(lang, " m", " м");
    }
    out.Raw("}");
    spotted.spot = out.Take();
    return spotted;
}

std::string WithMember(const std::string &json, const std::string &member)
{
    const std::size_t close = json.rfind('}');
    if (close == std::string::npos)
        return json;
    return json.substr(0, close) + ",\n " + member + json.substr(close);
}

} // namespace velmora::cli
