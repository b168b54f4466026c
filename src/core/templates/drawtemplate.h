#pragma once

#include "calc/calc_args.h"
#include "calc/project_args.h"
#include "data/project.h"
#include "data/wirerec.h"
#include "dxf/acaddxf.h"
#include "l10n/coretexts.h"
#include "l10n/units.h"

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

// What the engine gives a template drawing for one design mode at the template's span.
struct TemplateEngineAnswer
{
    bool ok = false; // false: the engine refused (a failed check of its input)
    double gamma = 0; // specific load of the mode, daN/(m·mm²)
    double napr = 0; // stress of the mode at the last span of the sweep, daN/mm²
    std::vector<std::string> warnings; // the engine's messages, for the caller to show
};

// The engine call of a drawing: project, the design mode (1..17) and the arguments (climate,
// permissible pair, the sweep PR - 1 .. PR by 1 m). May throw velmora::Error for an arithmetic
// fault.
using TemplateEngine
    = std::function<TemplateEngineAnswer(const TProject &, int mode, const CalcArgs &)>;

// The calculation driver run for one template (CalcPurpose::Template) of wire, its warnings
// in lang.
TemplateEngine CalcTemplateEngine(const TWireRec &wire, Lang lang);

// What a drawing takes besides the project and the template: the project's wire as the caller
// looked it up (the empty record when it is not in the catalogue), the language and the units
// of the captions.
struct DrawingContext
{
    TWireRec wire;
    Lang lang = Lang::English;
    UnitFactors units;
};

// The outcome of one drawing.
struct DrawResult
{
    bool drawn = false; // the curves, captions and reference segments are in the file
    std::string reason; // why not, when nothing was drawn (the engine's warning or error,
                        // or one of the reasons below)
    std::vector<std::string> warnings; // the engine's messages, for the caller to show
};

// Reason texts of the early stops that are not the engine's own.
inline constexpr const char *ZeroStressReason = "The stress of the wire is 0: nothing to draw";
inline constexpr const char *ZeroScaleReason = "A scale of the template is 0: nothing to draw";
inline constexpr const char *NoCoefficientReason
    = "The template coefficient is not a finite number: nothing to draw";

// The template coefficient k (m) as caption 6 shows it: the nearest hundredth, an exact tie
// (of the binary value, such as 2.125) going to the even hundredth, in the shared number text
// format: 2.5 -> "2.5", 2.125 -> "2.12", 2.375 -> "2.38", 2.3456 -> "2.35".
std::string FormatTemplateCoefficient(double k_m);

// A template's lines in drawing units (millimetres of the drawing at its scales 1 : MG and
// 1 : MV), exactly as the DXF drawing holds them, for a preview to show the same.
struct TemplateFigure
{
    double k_m = 0; // the template coefficient: the sag 100 m from the lowest point, m
    // The sag curve, then for a template proper (Krivie -1) the ground and the clearance
    // curves; each 601 points, one a metre from 300 m left to 300 m right of the lowest point:
    // x = x_m / (MG / 1000), y = (k (x_m / 100)² + offset_m) / (MV / 1000).
    std::vector<std::vector<DxfPoint>> curves;
    // The reference segments: the vertical axis (from the attachment height up), the
    // horizontal axis and the clearance line.
    std::vector<std::pair<DxfPoint, DxfPoint>> segments;
};

// The figure of a template whose mode has the specific load gamma (daN/(m·mm²)) and the
// stress napr (daN/mm²) at the template's span; nothing when napr is 0, a scale is 0 or the
// coefficient is not a finite number.
std::optional<TemplateFigure> FigureOfTemplate(const TShablon &shablon, double gamma, double napr);

// What a drawing computes before it writes: its outcome (drawn meaning the figure is set),
// the template's mode, the permissible pair and the engine's answer.
struct TemplateComputation
{
    DrawResult result;
    int mode = 0;
    PermissibleStresses stresses;
    double gamma = 0; // daN/(m·mm²)
    double napr = 0; // daN/mm²
    std::optional<TemplateFigure> figure;
};

// DrawTemplateInto without the writer: the same engine call, reasons and figure. Throws as
// DrawTemplateInto for a record that selects no mode.
TemplateComputation ComputeTemplate(const TProject &project, const TShablon &shablon,
                                    const DrawingContext &context,
                                    const TemplateEngine &engine = {});

// One drawing between the writer's Open and Finish: the permissible pair (through
// ForceToStress over context.wire when the project gives tensile forces), the engine for the
// template's mode at the sweep PR - 1 .. PR, then the entities. An empty engine is the
// calculation driver, CalcTemplateEngine(context.wire, context.lang). A fault of the engine or
// of ForceToStress (velmora::Error) stops the drawing with nothing written and is given back
// as the reason. Throws velmora::Error with the text of "curve_not_indicated" (in
// context.lang) for a record that selects no mode, before anything is written.
DrawResult DrawTemplateInto(TAcadDxf &dxf, const TProject &project, const TShablon &shablon,
                            const DrawingContext &context, const TemplateEngine &engine = {});

// Draws the template into the DXF file at path (the name as given). A file that stops early
// still holds the section start and end. project holds the fields as the user sees them.
// Throws velmora::Error, leaving whatever is at path untouched and creating nothing, for a
// record that selects no mode (text of "curve_not_indicated") and when the file cannot be
// created or written ("Cannot create file \"<path>\". <reason>", "Cannot write file ...").
// Any other exception (a fault of the program) also leaves the target untouched.
DrawResult DrawTemplate(const TProject &project, const TShablon &shablon, const std::string &path,
                        const DrawingContext &context, const TemplateEngine &engine = {});

} // namespace velmora
