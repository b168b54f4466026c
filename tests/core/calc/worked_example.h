#pragma once

#include "calc/project_args.h"
#include "calc/calc_args.h"
#include "catalogue/wires.h"
#include "data/project.h"

namespace velmora::test {

// The worked example: a new project's input with a wire of d 8.4 mm, F 43 mm²,
// P1 0.148 daN/m, E 8250 daN/mm², α 1.9E-5 1/K.
inline TWireRec ExampleWire()
{
    TWireRec wire;
    wire.Group = 1;
    wire.Name = "АС 35/6.2";
    wire.Diam = 8.4;
    wire.Sech = 43;
    wire.PNag = 0.148;
    wire.Modl = 8250;
    wire.Koef = 1.9E-5;
    return wire;
}

inline CalcArgs ExampleArgs() { return CalcArgsOf(TDAT{}); }

} // namespace velmora::test
