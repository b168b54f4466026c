#pragma once

#include "data/lineprofile.h"
#include "data/project.h"
#include "example_wire.h"

#include <cmath>

namespace velmora::bench {

// A 50 km line: 10 000 ground points 5 m apart over rolling ground, 150 towers about 335 m
// apart, two types, a crossing every 5 km.
struct LongLine
{
    TProject project;
    LineProfile line;
    TWireRec wire = test::ShippedAc70Wire();

    LongLine()
    {
        project.SetDefaults();
        project.Dat.Provod = wire.Name;
        TShablon shablon;
        shablon.Name = "Line";
        shablon.TipShablona = 0;
        shablon.Krivie = -1;
        shablon.PR = 300;
        shablon.VP = 20;
        shablon.TG = 7;
        project.Shablons.Add(shablon);

        constexpr int points = 10000;
        const double length = 50000;
        for (int i = 0; i < points; ++i) {
            const double x = length * i / (points - 1);
            line.ground.push_back({x, 150 + 20 * std::sin(x / 900) + 6 * std::sin(x / 137)});
        }
        line.types = {{"Suspension", 26, 1, 450, 700, -100}, {"Anchor", 24, 3, 450, 900, -300}};
        constexpr int towers = 150;
        for (int i = 0; i < towers; ++i)
            line.towers.push_back({length * i / (towers - 1), i == 0 || i == towers - 1 ? 1 : 0});
        for (int i = 1; i < 10; ++i)
            line.crossings.push_back({5000.0 * i + 100, 150, 8, "Road"});
    }
};

} // namespace velmora::bench
