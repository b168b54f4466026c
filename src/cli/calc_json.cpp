#include "calc_json.h"

#include <iterator>
#include <utility>

namespace velmora::cli {

namespace {

void WriteSpan(JsonText &out, const std::optional<double> &span)
{
    if (span)
        out.Number(*span);
    else
        out.Raw("null");
}

void WriteWire(JsonText &out, const TWireRec &w)
{
    out.Raw("{").Key("Name").String(w.Name);
    out.Next("Group").Integer(w.Group);
    out.Next("Diam").Number(w.Diam);
    out.Next("Sech").Number(w.Sech);
    out.Next("PNag").Number(w.PNag);
    out.Next("Modl").Number(w.Modl);
    out.Next("Koef").Number(w.Koef);
    out.Raw("}");
}

void WriteLoads(JsonText &out, const LoadSet &s)
{
    const std::pair<const char *, double> loads[]
        = {{"P1", s.P1},   {"P2", s.P2},   {"P3", s.P3},    {"P4", s.P4},   {"P4a", s.P4a},
           {"P4b", s.P4b}, {"P5", s.P5},   {"P6", s.P6},    {"P6a", s.P6a}, {"P6b", s.P6b},
           {"P7", s.P7},   {"g1", s.g1},   {"g2", s.g2},    {"g3", s.g3},   {"g4", s.g4},
           {"g4a", s.g4a}, {"g4b", s.g4b}, {"g5", s.g5},    {"g6", s.g6},   {"g6a", s.g6a},
           {"g6b", s.g6b}, {"g7", s.g7},   {"gmax", s.gmax}};
    out.Raw("{");
    for (std::size_t i = 0; i < std::size(loads); ++i) {
        if (i)
            out.Raw(", ");
        out.Key(loads[i].first).Number(loads[i].second);
    }
    out.Raw("}");
}

void WriteModes(JsonText &out, const DesignModeTable &modes)
{
    out.Raw("[");
    for (int k = 1; k <= DesignModeCount; ++k) {
        if (k > 1)
            out.Break("           ");
        const DesignMode &m = modes[k - 1];
        out.Raw("{").Key("mode").Integer(k);
        out.Next("temperature").Number(m.temperature);
        out.Next("load").Number(m.load);
        out.Next("ice").Number(m.ice);
        out.Next("wind").Number(m.wind);
        out.Raw("}");
    }
    out.Raw("]");
}

void WriteStates(JsonText &out, const std::vector<InitialState> &states)
{
    out.Raw("[");
    for (std::size_t i = 0; i < states.size(); ++i) {
        if (i)
            out.Raw(", ");
        out.Integer(static_cast<int>(states[i]));
    }
    out.Raw("]");
}

void WriteResults(JsonText &out, const std::vector<ModeResults> &taken)
{
    out.Raw("[");
    for (std::size_t i = 0; i < taken.size(); ++i) {
        if (i)
            out.Break("             ");
        out.Raw("{").Key("mode").Integer(taken[i].mode);
        out.Next("stress").Numbers(taken[i].stress);
        out.Next("sag").Numbers(taken[i].sag);
        out.Raw("}");
    }
    out.Raw("]");
}

void WriteWarnings(JsonText &out, const std::vector<InputFinding> &warnings)
{
    out.Key("warnings").Raw("[");
    for (std::size_t i = 0; i < warnings.size(); ++i) {
        if (i)
            out.Raw(", ");
        out.String(warnings[i].text);
    }
    out.Raw("]");
}

void WriteOverLimits(JsonText &out, const std::vector<OverLimit> &over)
{
    out.Key("over_limit").Raw("[");
    for (std::size_t i = 0; i < over.size(); ++i) {
        if (i)
            out.Break("                ");
        out.Raw("{").Key("mode").Integer(over[i].mode);
        out.Next("span").Number(over[i].span);
        out.Next("stress").Number(over[i].stress);
        out.Next("limit").Number(over[i].limit);
        out.Raw("}");
    }
    out.Raw("]");
}

void WriteProject(JsonText &out, std::optional<std::string_view> project)
{
    if (project)
        out.Key("project").String(*project).Raw(", ");
}

} // namespace

void WriteCalcResult(JsonText &out, const CalcResults &results,
                     std::optional<std::string_view> project)
{
    const bool calculated = results.status == ResultsStatus::Calculated;
    // Most of the text is the stress and sag of every span: about 20 characters a number.
    out.Reserve(out.Text().size() + 4096 + results.spans.size() * results.taken.size() * 2 * 22);
    out.Raw("{");
    WriteProject(out, project);
    out.Key("ok").Raw("true").Break(" ");
    out.Key("wire");
    WriteWire(out, results.wire);
    out.Break(" ").Key("Ki").Number(results.Ki);
    out.Next("Kd").Number(results.Kd);
    out.Next("b").Number(results.b);
    out.Break(" ");
    WriteWarnings(out, results.warnings);
    if (!calculated) {
        out.Break(" ").Key("spans").Raw("[]");
        out.Break(" ").Key("results").Raw("[]");
        out.Break(" ").Key("over_limit").Raw("[]}");
        return;
    }
    out.Next("Kw").Number(results.Kw);
    out.Next("Cx").Number(results.Cx);
    out.Break(" ").Key("loads");
    WriteLoads(out, results.loads);
    out.Break(" ").Key("modes");
    WriteModes(out, results.modes);
    out.Break(" ").Key("l1");
    WriteSpan(out, results.l1);
    out.Next("l2").Number(results.l2);
    out.Next("l3");
    WriteSpan(out, results.l3);
    out.Break(" ").Key("spans").Numbers(results.spans);
    out.Break(" ").Key("state");
    WriteStates(out, results.state);
    out.Break(" ").Key("results");
    WriteResults(out, results.taken);
    out.Break(" ");
    WriteOverLimits(out, results.overLimits);
    out.Raw("}");
}

void WriteCalcFailure(JsonText &out, std::string_view message,
                      std::optional<std::string_view> project, int status)
{
    out.Raw("{");
    WriteProject(out, project);
    out.Key("ok").Raw("false");
    if (project)
        out.Next("status").Integer(status);
    out.Next("message").String(message).Raw("}");
}

std::string CalcResultJson(const CalcResults &results)
{
    JsonText out;
    WriteCalcResult(out, results);
    out.Raw("\n");
    return out.Take();
}

std::string CalcFailureJson(std::string_view message)
{
    JsonText out;
    WriteCalcFailure(out, message);
    out.Raw("\n");
    return out.Take();
}

} // namespace velmora::cli
