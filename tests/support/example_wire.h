#pragma once

#include "catalogue/wires.h"

namespace velmora::test {

// The wire of the worked examples: d 8.4 mm, F 43 mm², P1 0.148 daN/m, E 8250 daN/mm²,
// α 1.9E-5 1/K, with a Cyrillic name that must reach files as typed.
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

// АС 70/11 as the shipped catalogue holds it (share/catalogue/wires.txt), the wire of the
// shipped example project.
inline TWireRec ShippedAc70Wire()
{
    TWireRec wire;
    wire.Group = 1;
    wire.Name = "АС 70/11";
    wire.Diam = 11.4;
    wire.Sech = 79.3;
    wire.PNag = 0.276;
    wire.Modl = 8250;
    wire.Koef = 1.92e-5;
    return wire;
}

// АС 240/32 as the shipped catalogue holds it (share/catalogue/wires.txt): the wire of the
// light-ice cases, where the average annual temperature governs the long spans.
inline TWireRec ShippedAc240Wire()
{
    TWireRec wire;
    wire.Group = 1;
    wire.Name = "АС 240/32";
    wire.Diam = 21.6;
    wire.Sech = 275.7;
    wire.PNag = 0.921;
    wire.Modl = 7700;
    wire.Koef = 1.98E-5;
    return wire;
}

} // namespace velmora::test
