#include "calc_json.h"

#include "json.h"

#include <utility>
#include <vector>

namespace velmora::cli {

namespace {

std::string Span(double span)
{
    return IsImaginarySpan(span) ? std::string("null") : JsonNumber(span);
}

std::string NumberArray(const std::vector<double> &values)
{
    return ArrayText(values, JsonNumber);
}

std::string WireObject(const TWireRec &w)
{
    return ObjectText()
        .Add("Name", JsonString(w.Name))
        .Add("Group", std::to_string(w.Group))
        .Add("Diam", JsonNumber(w.Diam))
        .Add("Sech", JsonNumber(w.Sech))
        .Add("PNag", JsonNumber(w.PNag))
        .Add("Modl", JsonNumber(w.Modl))
        .Add("Koef", JsonNumber(w.Koef))
        .Close();
}

std::string LoadsObject(const LoadSet &s)
{
    const std::pair<const char *, double> loads[]
        = {{"P1", s.P1},   {"P2", s.P2},   {"P3", s.P3},    {"P4", s.P4},   {"P4a", s.P4a},
           {"P4b", s.P4b}, {"P5", s.P5},   {"P6", s.P6},    {"P6a", s.P6a}, {"P6b", s.P6b},
           {"P7", s.P7},   {"g1", s.g1},   {"g2", s.g2},    {"g3", s.g3},   {"g4", s.g4},
           {"g4a", s.g4a}, {"g4b", s.g4b}, {"g5", s.g5},    {"g6", s.g6},   {"g6a", s.g6a},
           {"g6b", s.g6b}, {"g7", s.g7},   {"gmax", s.gmax}};
    ObjectText object;
    for (const auto &[key, value] : loads)
        object.Add(key, JsonNumber(value));
    return object.Close();
}

std::string ModesArray(const DesignModeTable &modes)
{
    std::vector<int> numbers;
    for (int k = 1; k <= DesignModeCount; ++k)
        numbers.push_back(k);
    return ArrayText(
        numbers,
        [&](int k) {
            const DesignMode &m = modes[k - 1];
            return ObjectText()
                .Add("mode", std::to_string(k))
                .Add("temperature", JsonNumber(m.temperature))
                .Add("load", JsonNumber(m.load))
                .Add("ice", JsonNumber(m.ice))
                .Add("wind", JsonNumber(m.wind))
                .Close();
        },
        ",\n           ");
}

std::string StateArray(const std::vector<InitialState> &states)
{
    return ArrayText(states, [](InitialState s) { return std::to_string(static_cast<int>(s)); });
}

std::string ResultsArray(const CalcRun &run)
{
    return ArrayText(
        run.takenModes,
        [&](int mode) {
            return ObjectText()
                .Add("mode", std::to_string(mode))
                .Add("stress", NumberArray(run.stress[mode - 1]))
                .Add("sag", NumberArray(run.sag[mode - 1]))
                .Close();
        },
        ",\n             ");
}

} // namespace

std::string CalcResultJson(const CalcRun &run)
{
    ObjectText out;
    out.Add("ok", "true").Break().AddAfterBreak("wire", WireObject(run.wire)).Break();
    out.AddAfterBreak("Ki", JsonNumber(run.Ki))
        .Add("Kd", JsonNumber(run.Kd))
        .Add("b", JsonNumber(run.b));
    if (!run.calculated) {
        out.Break().AddAfterBreak("spans", "[]").Break().AddAfterBreak("results", "[]");
        return out.Close() + "\n";
    }
    out.Add("Kw", JsonNumber(run.Kw)).Add("Cx", JsonNumber(run.Cx)).Break();
    out.AddAfterBreak("loads", LoadsObject(run.loads)).Break();
    out.AddAfterBreak("modes", ModesArray(run.modes)).Break();
    out.AddAfterBreak("l1", Span(run.l1))
        .Add("l2", JsonNumber(run.l2))
        .Add("l3", Span(run.l3))
        .Break();
    out.AddAfterBreak("spans", NumberArray(run.spans)).Break();
    out.AddAfterBreak("state", StateArray(run.state)).Break();
    out.AddAfterBreak("results", ResultsArray(run));
    return out.Close() + "\n";
}

std::string CalcFailureJson(const std::string &message)
{
    return ObjectText().Add("ok", "false").Add("message", JsonString(message)).Close() + "\n";
}

} // namespace velmora::cli
