#include "line_json.h"

#include "json.h"

namespace velmora::cli {

namespace {

void WriteState(JsonText &out, const HangingState &state)
{
    out.Key("sigma").Number(state.sigma).Raw(", ").Key("gamma").Number(state.gamma);
}

void WriteSpan(JsonText &out, const LineSpanResult &s)
{
    out.Raw("{").Key("from").Integer(static_cast<long long>(s.from));
    out.Next("to").Integer(static_cast<long long>(s.to));
    out.Next("length").Number(s.design.length);
    out.Next("dh").Number(s.design.dh);
    out.Next("clearance").Number(s.design.ground.clearance);
    out.Next("at").Number(s.design.ground.at);
    out.Next("clearance_ruling").Number(s.ruling.clearance);
    out.Next("at_ruling").Number(s.ruling.at);
    out.Next("ok").Raw(s.design.ok && s.rulingOk ? "true" : "false").Raw("}");
}

void WriteTower(JsonText &out, const LineTowerResult &t, const LineProfile &line)
{
    out.Raw("{").Key("station").Number(t.station);
    out.Next("type").String(line.types.at(static_cast<std::size_t>(t.type)).name);
    out.Next("ground").Number(t.ground);
    out.Next("attachment").Number(t.attachment);
    const auto optional = [&out, &t](std::string_view key, double value) {
        out.Next(key);
        if (t.inner)
            out.Number(value);
        else
            out.Raw("null");
    };
    optional("wind_span", t.spans.wind);
    optional("weight_span", t.spans.weight);
    optional("weight_span_cold", t.spans.weightCold);
    out.Next("ok").Raw(t.ok ? "true" : "false").Raw("}");
}

void WriteCrossing(JsonText &out, const LineCrossingResult &c, const LineProfile &line)
{
    const Crossing &crossing = line.crossings.at(c.crossing);
    out.Raw("{").Key("name").String(crossing.name);
    out.Next("station").Number(crossing.station);
    out.Next("span").Integer(static_cast<long long>(c.span));
    out.Next("top").Number(crossing.top);
    out.Next("wire").Number(c.check.wire);
    out.Next("distance").Number(c.check.distance);
    out.Next("required").Number(crossing.clearance);
    out.Next("ok").Raw(c.check.ok ? "true" : "false").Raw("}");
}

template<typename Items, typename Write>
void WriteList(JsonText &out, std::string_view key, const Items &items, Write write)
{
    out.Break(" ").Key(key).Raw("[");
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i)
            out.Break("  ");
        write(items[i]);
    }
    out.Raw("]");
}

} // namespace

std::string LineResultJson(const LineCheck &check, const LineProfile &line)
{
    JsonText out;
    out.Reserve(256 * (check.spans.size() + check.towers.size()) + 1024);
    const LineConditions &c = check.conditions;
    out.Raw("{").Key("ok").Raw(check.ok() ? "true" : "false");
    out.Break(" ").Key("template").Raw("{").Key("mode").Integer(c.mode);
    out.Next("span").Number(c.span).Raw(", ");
    WriteState(out, c.design);
    out.Next("clearance").Number(c.clearance).Raw("}");
    out.Break(" ").Key("cold").Raw("{");
    WriteState(out, c.cold);
    out.Raw("}");
    out.Break(" ").Key("ruling_span").Raw("{").Key("length").Number(check.rulingSpan);
    out.Next("sigma").Number(check.rulingStress).Raw("}");
    WriteList(out, "spans", check.spans, [&out](const LineSpanResult &s) { WriteSpan(out, s); });
    WriteList(out, "towers", check.towers,
              [&](const LineTowerResult &t) { WriteTower(out, t, line); });
    WriteList(out, "crossings", check.crossings,
              [&](const LineCrossingResult &x) { WriteCrossing(out, x, line); });
    WriteList(out, "violations", check.violations, [&out](const std::string &v) { out.String(v); });
    out.Raw("}\n");
    return out.Take();
}

} // namespace velmora::cli
