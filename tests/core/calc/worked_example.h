#pragma once

#include "calc/project_args.h"
#include "data/project.h"
#include "example_wire.h"

namespace velmora::test {

// The worked example: a new project's input with ExampleWire().
inline CalcArgs ExampleArgs()
{
    return CalcArgsOf(TDAT {}, ExampleWire());
}

} // namespace velmora::test
