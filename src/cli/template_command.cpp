#include "args.h"
#include "commands.h"
#include "output.h"
#include "setup.h"

#include "calc/preparation.h"
#include "catalogue/catalogue.h"
#include "common/error.h"
#include "common/numtext.h"
#include "data/projectfile.h"
#include "l10n/coretexts.h"
#include "l10n/units.h"
#include "templates/drawtemplate.h"
#include "templates/templatemode.h"

#include <iostream>
#include <optional>
#include <string>

namespace velmora::cli {

namespace {

// Drawing one template: exit 0 with the curves drawn, 3 when nothing could be drawn (the
// file then holds only the section start and end), 2 for input errors.
constexpr int ExitNothingDrawn = 3;

struct TemplateOptions
{
    std::string project;
    int index = -1;
    std::string dxf;
    CommonOptions common;
};

// The words after "template".
TemplateOptions ParseTemplateOptions(const std::vector<std::string> &args)
{
    const CommandWords words
        = SplitCommandWords(args, {"--index", "--dxf", "--catalogue", "--lang", "--units"});
    TemplateOptions options;
    bool haveIndex = false;
    bool haveDxf = false;
    for (const auto &option : words.options) {
        if (TakeCommonOption(option, options.common))
            continue;
        if (option.name == "--index") {
            options.index
                = IntOptionFrom(option, 0, {"a template number from 0", "номер шаблона от 0"});
            haveIndex = true;
        } else {
            if (option.value.empty())
                InvalidValue(option.name, option.value, {"a file name", "имя файла"});
            options.dxf = option.value;
            haveDxf = true;
        }
    }
    options.project = ProjectFileOf(words);
    if (!haveIndex)
        throw UsageError("missing --index N (the template's number in the project, from 0)",
                         "не указан --index N (номер шаблона в проекте, от 0)");
    if (!haveDxf)
        throw UsageError("missing --dxf OUT.dxf", "не указан --dxf ФАЙЛ.dxf");
    return options;
}

int Draw(const TemplateOptions &options)
{
    const Lang lang = options.common.lang;

    RefuseOutputOverInput(options.dxf, {options.project});
    TProject project;
    project.SetDefaults();
    LoadProject(options.project, project);
    const int count = project.Shablons.Count();
    if (options.index >= count)
        NoSuchItem("template", {"шаблона", "шаблонов"}, options.index, options.project, count);
    const TShablon &shablon = project.Shablons.Items(options.index);
    if (TemplateMode(shablon) == 0)
        throw UsageError("template " + FormatInt(options.index) + " \"" + ShownText(shablon.Name)
                             + "\": " + CoreText("curve_not_indicated", Lang::English),
                         "шаблон " + FormatInt(options.index) + " «" + ShownText(shablon.Name)
                             + "»: " + CoreText("curve_not_indicated", Lang::Russian));

    const TWiresList catalogue = OpenWireCatalogue(options.common);
    const PreparedCalculation prepared
        = PrepareCalculation(project, catalogue, lang, SpanUse::OwnSpans);
    if (prepared.Refused())
        throw Error(RefusalText(prepared));
    const std::vector<InputFinding> refusals = TemplateRefusals(shablon, lang);
    if (!refusals.empty())
        throw Error(refusals.front().text);
    for (const InputFinding &warning : prepared.warnings)
        std::cerr << "velmora-calc: warning: " << warning.text << '\n';
    const TWireRec &wire = prepared.wire;

    RefuseOutputOverInput(options.dxf, {catalogue.FileName()});
    const DrawingContext context {wire, lang, UnitFactorsOf(options.common.units)};
    const DrawResult result = DrawTemplate(project, shablon, options.dxf, context);
    if (result.drawn) {
        for (const auto &warning : result.warnings)
            std::cerr << "velmora-calc: " << warning << '\n';
        return ExitOk;
    }
    for (const auto &warning : result.warnings) {
        if (warning != result.reason)
            std::cerr << "velmora-calc: " << warning << '\n';
    }
    std::cerr << "velmora-calc: nothing drawn in \"" << options.dxf << "\": " << result.reason
              << '\n';
    return ExitNothingDrawn;
}

} // namespace

int RunTemplateCommand(const std::vector<std::string> &args)
{
    try {
        return Draw(ParseTemplateOptions(args));
    } catch (const Error &e) {
        std::cerr << "velmora-calc: " << OneLine(ErrorText(e, MessageLanguageOf(args))) << '\n';
        return ExitInputError;
    }
}

} // namespace velmora::cli
