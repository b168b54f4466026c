#pragma once

#include "calc/linecheck.h"
#include "data/shablon.h"
#include "dxf/acaddxf.h"

#include <string>

namespace velmora {

// The profile drawing of a checked line at the template's scales (1 : MG along, 1 : MV up; a
// drawing unit is a millimetre of the sheet), elevations above a datum line a little below the
// lowest ground: the ground, each tower as a vertical line up to its attachment point with its
// number, the wire of every span in the template state, the clearance line (that curve lowered
// by C), the cold curve, the crossings with their names, and along the bottom the stations and
// ground elevations of the towers. Whatever a violation concerns (a span's wire and its lowest
// point, a tower, a crossing) is drawn in red (colour 1). Between the writer's Open and Finish.
void DrawLineProfileInto(TAcadDxf &dxf, const LineProfile &line, const LineCheck &check,
                         const TShablon &shablon, Lang lang);

// Draws into the DXF file at path. Throws velmora::Error for a scale of 0 and as TAcadDxf when
// the file cannot be created or written (the target then stays as it was).
void DrawLineProfile(const std::string &path, const LineProfile &line, const LineCheck &check,
                     const TShablon &shablon, Lang lang);

} // namespace velmora
