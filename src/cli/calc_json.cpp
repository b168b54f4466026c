#include "calc_json.h"

#include "json.h"

#include <utility>
#include <vector>

namespace velmora::cli {

namespace {

std::string Span(double span)
{
    return IsImaginarySpan(span) ? "null" : JsonNumber(span);
}

std::string NumberArray(const std::vector<double> &values)
{
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i)
        out += (i ? ", " : "") + JsonNumber(values[i]);
    return out + "]";
}

std::string Member(const char *key, const std::string &value)
{
    return JsonString(key) + ": " + value;
}

std::string WireObject(const TWireRec &w)
{
    return "{" + Member("Name", JsonString(w.Name)) + ", "
           + Member("Group", std::to_string(w.Group)) + ", " + Member("Diam", JsonNumber(w.Diam))
           + ", " + Member("Sech", JsonNumber(w.Sech)) + ", " + Member("PNag", JsonNumber(w.PNag))
           + ", " + Member("Modl", JsonNumber(w.Modl)) + ", " + Member("Koef", JsonNumber(w.Koef))
           + "}";
}

std::string LoadsObject(const LoadSet &s)
{
    const std::pair<const char *, double> loads[] = {
        {"P1", s.P1},   {"P2", s.P2},   {"P3", s.P3},   {"P4", s.P4},   {"P4a", s.P4a},
        {"P4b", s.P4b}, {"P5", s.P5},   {"P6", s.P6},   {"P6a", s.P6a}, {"P6b", s.P6b},
        {"P7", s.P7},   {"g1", s.g1},   {"g2", s.g2},   {"g3", s.g3},   {"g4", s.g4},
        {"g4a", s.g4a}, {"g4b", s.g4b}, {"g5", s.g5},   {"g6", s.g6},   {"g6a", s.g6a},
        {"g6b", s.g6b}, {"g7", s.g7},   {"gmax", s.gmax}};
    std::string out = "{";
    for (std::size_t i = 0; i < std::size(loads); ++i)
        out += (i ? ", " : "") + Member(loads[i].first, JsonNumber(loads[i].second));
    return out + "}";
}

std::string ModesArray(const DesignModeTable &modes)
{
    std::string out = "[";
    for (int k = 0; k < DesignModeCount; ++k) {
        const DesignMode &m = modes[k];
        out += (k ? ",\n           " : "") + std::string("{") + Member("mode", std::to_string(k + 1))
               + ", " + Member("temperature", JsonNumber(m.temperature)) + ", "
               + Member("load", JsonNumber(m.load)) + ", " + Member("ice", JsonNumber(m.ice))
               + ", " + Member("wind", JsonNumber(m.wind)) + "}";
    }
    return out + "]";
}

std::string StateArray(const std::vector<InitialState> &states)
{
    std::string out = "[";
    for (std::size_t i = 0; i < states.size(); ++i)
        out += (i ? ", " : "") + std::to_string(static_cast<int>(states[i]));
    return out + "]";
}

std::string ResultsArray(const CalcRun &run)
{
    std::string out = "[";
    for (std::size_t c = 0; c < run.takenModes.size(); ++c) {
        const int mode = run.takenModes[c];
        out += (c ? ",\n             " : "") + std::string("{") + Member("mode", std::to_string(mode))
               + ", " + Member("stress", NumberArray(run.stress[mode - 1])) + ", "
               + Member("sag", NumberArray(run.sag[mode - 1])) + "}";
    }
    return out + "]";
}

} // namespace

std::string CalcResultJson(const CalcRun &run)
{
    std::string out = "{" + Member("ok", "true") + ",\n";
    out += " " + Member("wire", WireObject(run.wire)) + ",\n";
    out += " " + Member("Ki", JsonNumber(run.Ki)) + ", " + Member("Kd", JsonNumber(run.Kd)) + ", "
           + Member("b", JsonNumber(run.b));
    if (!run.calculated) {
        out += ",\n " + Member("spans", "[]") + ",\n " + Member("results", "[]") + "}\n";
        return out;
    }
    out += ", " + Member("Kw", JsonNumber(run.Kw)) + ", " + Member("Cx", JsonNumber(run.Cx))
           + ",\n";
    out += " " + Member("loads", LoadsObject(run.loads)) + ",\n";
    out += " " + Member("modes", ModesArray(run.modes)) + ",\n";
    out += " " + Member("l1", Span(run.l1)) + ", " + Member("l2", JsonNumber(run.l2)) + ", "
           + Member("l3", Span(run.l3)) + ",\n";
    out += " " + Member("spans", NumberArray(run.spans)) + ",\n";
    out += " " + Member("state", StateArray(run.state)) + ",\n";
    out += " " + Member("results", ResultsArray(run)) + "}\n";
    return out;
}

std::string CalcFailureJson(const std::string &message)
{
    return "{" + Member("ok", "false") + ", " + Member("message", JsonString(message)) + "}\n";
}

} // namespace velmora::cli
