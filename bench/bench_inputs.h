#pragma once

#include "calc/project_args.h"
#include "data/project.h"
#include "example_wire.h"

namespace velmora::bench {

// A project of the default climate and permissible stresses with the worked examples' wire,
// and the arguments a calculation of it takes.
struct BenchInput
{
    TProject project;
    TWireRec wire;
    CalcArgs args;
};

inline BenchInput DefaultProjectWithSpans(double min, double max, double step)
{
    BenchInput in;
    in.wire = test::ExampleWire();
    TDAT &d = in.project.Dat;
    d.Provod = in.wire.Name;
    d.Min_Prol = min;
    d.Max_Prol = max;
    d.Shag = step;
    in.args = CalcArgsOf(d, in.wire);
    return in;
}

// The largest range one calculation takes: 601 spans, 10 m to 6010 m by 10 m.
inline BenchInput LargestRange()
{
    return DefaultProjectWithSpans(10, 6010, 10);
}

} // namespace velmora::bench
