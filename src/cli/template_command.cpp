#include "commands.h"
#include "paths.h"

#include "catalogue/catalogue.h"
#include "common/error.h"
#include "common/fileio.h"
#include "common/numtext.h"
#include "data/projectfile.h"
#include "l10n/localization.h"
#include "l10n/texts.h"
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
    std::optional<std::string> catalogue; // absent: the program's own catalogue
    int language = 0; // 0 English, 1 Russian
    int units = 0; // 0 daN-based, 1 N/kN-based
};

// A command line or input that cannot be used; what() is the one-line message.
class InputError : public Error
{
public:
    using Error::Error;
};

[[noreturn]] void InvalidValue(const std::string &option, const std::string &value,
                               const std::string &expected)
{
    throw InputError("invalid value '" + value + "' for " + option + " (expected " + expected
                     + ")");
}

// The words after "template". Options take their value as the next word or after "=".
TemplateOptions ParseTemplateOptions(const std::vector<std::string> &args)
{
    TemplateOptions options;
    bool haveProject = false;
    bool haveIndex = false;
    bool haveDxf = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &word = args[i];
        if (word.size() < 2 || word.compare(0, 2, "--") != 0) {
            if (haveProject)
                throw InputError("more than one project file '" + word + "'");
            options.project = word;
            haveProject = true;
            continue;
        }
        std::string name = word;
        std::optional<std::string> value;
        if (const auto eq = word.find('='); eq != std::string::npos) {
            name = word.substr(0, eq);
            value = word.substr(eq + 1);
        }
        if (name != "--index" && name != "--dxf" && name != "--catalogue" && name != "--lang"
            && name != "--units")
            throw InputError("unknown option '" + name + "'");
        if (!value) {
            if (i + 1 >= args.size())
                throw InputError("option '" + name + "' needs a value");
            value = args[++i];
        }
        if (name == "--index") {
            try {
                options.index = ParseInt(*value);
            } catch (const ConversionError &) {
                InvalidValue(name, *value, "a template number from 0");
            }
            if (options.index < 0)
                InvalidValue(name, *value, "a template number from 0");
            haveIndex = true;
        } else if (name == "--dxf") {
            if (value->empty())
                InvalidValue(name, *value, "a file name");
            options.dxf = *value;
            haveDxf = true;
        } else if (name == "--catalogue") {
            options.catalogue = *value;
        } else if (name == "--lang") {
            if (*value == "en")
                options.language = 0;
            else if (*value == "ru")
                options.language = 1;
            else
                InvalidValue(name, *value, "en or ru");
        } else {
            if (*value == "0")
                options.units = 0;
            else if (*value == "1")
                options.units = 1;
            else
                InvalidValue(name, *value, "0 or 1");
        }
    }
    if (!haveProject)
        throw InputError("missing project file");
    if (!haveIndex)
        throw InputError("missing --index N (the template's number in the project, from 0)");
    if (!haveDxf)
        throw InputError("missing --dxf OUT.dxf");
    return options;
}

// The catalogue file given, or the program's own one as the desktop program opens it.
void LoadCatalogue(const std::optional<std::string> &given)
{
    if (!given) {
        OpenCatalogue(CommonDataDir(), ProgramDir());
        return;
    }
    // LoadFromFile would create a missing file; a named catalogue must exist.
    if (!FileExists(*given))
        throw InputError("the catalogue file \"" + *given + "\" does not exist");
    WiresList().Clear();
    WiresList().LoadFromFile(*given);
}

int Draw(const TemplateOptions &options)
{
    RegisterAllTexts();
    SetLanguage(options.language);
    SetUnits(options.units);

    TProject project;
    project.SetDefaults();
    LoadProject(options.project, project);
    const int count = project.Shablons.Count();
    if (options.index >= count)
        throw InputError("no template " + FormatInt(options.index) + " in \"" + options.project
                         + "\": it has " + FormatInt(count)
                         + (count == 1 ? " template" : " templates")
                         + (count > 0 ? " (0 to " + FormatInt(count - 1) + ")" : ""));
    const TShablon &shablon = project.Shablons.Items(options.index);
    if (TemplateMode(shablon) == 0)
        throw InputError("template " + FormatInt(options.index) + " \"" + shablon.Name
                         + "\": " + GetText("curve_not_indicated"));

    LoadCatalogue(options.catalogue);
    if (FindWire(project.Dat.Provod).Name.empty())
        throw InputError("wire '" + project.Dat.Provod
                         + "' is not in the catalogue: " + GetText("Input_wire"));

    const DrawResult result = DrawTemplate(project, shablon, options.dxf);
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
        std::cerr << "velmora-calc: " << e.what() << '\n';
        return ExitInputError;
    }
}

} // namespace velmora::cli
