#include "calc/preparation.h"

#include "calc/driver.h"
#include "calc/project_args.h"
#include "catalogue/nearestname.h"
#include "common/numtext.h"

#include <cmath>
#include <initializer_list>
#include <tuple>
#include <utility>

namespace velmora {

namespace {

// A field of the input: its name in the project, its label in both languages, its unit.
struct Field
{
    const char *name;
    const char *english;
    const char *russian;
    const char *unit; // as written after a value, in both languages ("°C"; "m/s;м/с")
};

constexpr Field T_Gsw {"T_Gsw", "Air temperature with ice and wind",
                       "Температура воздуха при гололёде с ветром", "°C;°C"};
constexpr Field T_Gbw {"T_Gbw", "Air temperature with ice without wind",
                       "Температура воздуха при гололёде без ветра", "°C;°C"};
constexpr Field Tvmax {"Tvmax", "Air temperature at the maximum wind",
                       "Температура воздуха при максимальном ветре", "°C;°C"};
constexpr Field T_Min {"T_Min", "Minimum air temperature", "Минимальная температура воздуха",
                       "°C;°C"};
constexpr Field T_Max {"T_Max", "Maximum air temperature", "Максимальная температура воздуха",
                       "°C;°C"};
constexpr Field T_Srg {"T_Srg", "Average annual air temperature",
                       "Среднегодовая температура воздуха", "°C;°C"};
constexpr Field Vgol {"Vgol", "Wind velocity with ice", "Скорость ветра при гололёде", "m/s;м/с"};
constexpr Field VMax {"VMax", "Maximum wind velocity", "Максимальная скорость ветра", "m/s;м/с"};
constexpr Field Tols {"Tols", "Ice wall thickness", "Толщина стенки гололёда", "mm;мм"};
constexpr Field NaprSrg {"Napr_srg", "Stress at the average annual temperature",
                         "Напряжение при среднегодовой температуре", "daN/mm²;даН/мм²"};
constexpr Field NaprMax {"Napr_Max", "Maximum permissible stress",
                         "Максимальное допустимое напряжение", "daN/mm²;даН/мм²"};
constexpr Field TagSrg {"Tag_Srg", "Tensile force at the average annual temperature",
                        "Тяжение при среднегодовой температуре", "daN;даН"};
constexpr Field TagMax {"Tag_Max", "Maximum permissible tensile force",
                        "Максимальное допустимое тяжение", "daN;даН"};
constexpr Field MinProl {"Min_Prol", "Smallest span", "Минимальный пролёт", "m;м"};
constexpr Field MaxProl {"Max_Prol", "Largest span", "Максимальный пролёт", "m;м"};
constexpr Field Shag {"Shag", "Span step", "Шаг пролётов", "m;м"};
constexpr Field Height {"VisotaPC", "Height of the centre of gravity of the wires",
                        "Высота приведённого центра тяжести проводов", "m;м"};

std::string Unit(const Field &f, Lang lang)
{
    const std::string_view both = f.unit;
    const std::size_t semicolon = both.find(';');
    return std::string(lang == Lang::English ? both.substr(0, semicolon)
                                             : both.substr(semicolon + 1));
}

std::string ValueText(const Field &f, double value, Lang lang)
{
    return FormatNumber(value) + " " + Unit(f, lang);
}

InputFinding About(const Field &f, Lang lang, std::string_view english, std::string_view russian)
{
    return {f.name,
            InLanguage(lang, f.english, f.russian) + " (" + f.name
                + "): " + InLanguage(lang, english, russian)};
}

struct Checker
{
    Lang lang;
    PreparedCalculation &out;

    void Refuse(const Field &f, std::string_view english, std::string_view russian)
    {
        out.refusals.push_back(About(f, lang, english, russian));
    }
    void Warn(const Field &f, std::string_view english, std::string_view russian)
    {
        out.warnings.push_back(About(f, lang, english, russian));
    }
    bool Finite(const Field &f, double value)
    {
        if (std::isfinite(value))
            return true;
        Refuse(f, "is not a finite number", "не является конечным числом");
        return false;
    }
};

void CheckClimate(const TDAT &dat, Checker &c, Lang lang)
{
    for (const auto &[field, value] :
         {std::pair {T_Gsw, dat.T_Gsw}, std::pair {T_Gbw, dat.T_Gbw}, std::pair {Tvmax, dat.Tvmax},
          std::pair {T_Min, dat.T_Min}, std::pair {T_Max, dat.T_Max},
          std::pair {T_Srg, dat.T_Srg}}) {
        if (c.Finite(field, value) && std::abs(value) > 80) {
            const std::string v = ValueText(field, value, lang);
            c.Warn(field, v + " lies outside −80…+80 °C", v + " — вне пределов −80…+80 °C");
        }
    }
    for (const auto &[field, value, most] :
         {std::tuple {Vgol, dat.Vgol, 60.0}, std::tuple {VMax, dat.VMax, 60.0},
          std::tuple {Tols, dat.Tols, 60.0}}) {
        if (!c.Finite(field, value))
            continue;
        const std::string v = ValueText(field, value, lang);
        if (value < 0)
            c.Refuse(field, v + " must not be negative",
                     v + " — значение не может быть отрицательным");
        else if (value > most)
            c.Warn(field, v + " is above " + ValueText(field, most, lang),
                   v + " — больше " + ValueText(field, most, lang));
    }
    if (std::isfinite(dat.T_Min) && std::isfinite(dat.T_Max) && dat.T_Min > dat.T_Max) {
        const std::string v = ValueText(T_Min, dat.T_Min, lang);
        const std::string most = ValueText(T_Max, dat.T_Max, lang);
        c.Refuse(T_Min, v + " is above the maximum air temperature, " + most,
                 v + " — выше максимальной температуры воздуха, " + most);
    } else if (std::isfinite(dat.T_Srg) && (dat.T_Srg < dat.T_Min || dat.T_Srg > dat.T_Max)) {
        const std::string v = ValueText(T_Srg, dat.T_Srg, lang);
        const std::string range = FormatNumber(dat.T_Min) + "…" + FormatNumber(dat.T_Max) + " °C";
        c.Warn(T_Srg, v + " lies outside the minimum and maximum air temperatures, " + range,
               v + " — вне пределов минимальной и максимальной температуры воздуха, " + range);
    }
    if (std::isfinite(dat.VMax) && std::isfinite(dat.Vgol) && dat.VMax < dat.Vgol) {
        const std::string v = ValueText(VMax, dat.VMax, lang);
        const std::string ice = ValueText(Vgol, dat.Vgol, lang);
        c.Warn(VMax, v + " is below the wind velocity with ice, " + ice,
               v + " — меньше скорости ветра при гололёде, " + ice);
    }
}

void CheckSpans(const TDAT &dat, Checker &c, Lang lang)
{
    bool finite = true;
    for (const auto &[field, value] :
         {std::pair {MinProl, dat.Min_Prol}, std::pair {MaxProl, dat.Max_Prol},
          std::pair {Shag, dat.Shag}})
        finite = c.Finite(field, value) && finite;
    if (!finite)
        return;
    if (dat.Min_Prol < 0)
        c.Refuse(MinProl, "a span must not be negative", "пролёт не может быть отрицательным");
    else if (dat.Max_Prol <= 0)
        c.Refuse(MaxProl, "a span must be greater than 0", "пролёт должен быть больше 0");
    const std::string refusal = SpanRangeRefusal(dat.Min_Prol, dat.Max_Prol, dat.Shag, lang);
    if (!refusal.empty())
        c.out.refusals.push_back({dat.Shag <= 0 ? Shag.name : MinProl.name, refusal});
}

void CheckPermissible(const TDAT &dat, Checker &c)
{
    if (dat.NaprPage == 1) {
        c.Finite(TagMax, dat.Tag_Max);
        c.Finite(TagSrg, dat.Tag_Srg);
    } else {
        c.Finite(NaprMax, dat.Napr_Max);
        c.Finite(NaprSrg, dat.Napr_srg);
    }
}

void CheckWire(const TDAT &dat, const TWiresList &catalogue, const TWireRec &wire,
               PreparedCalculation &out, Lang lang)
{
    if (wire.Name.empty()) {
        out.refusals.push_back({"Provod", MissingWireText(catalogue, dat.Provod, lang)});
        return;
    }
    const std::string subject = InLanguage(lang, "The wire", "Провод") + " \"" + wire.Name + "\": ";
    for (const auto &[name, english, russian, value] :
         {std::tuple {"Diam", "diameter", "диаметр", wire.Diam},
          std::tuple {"Sech", "cross-section", "сечение", wire.Sech},
          std::tuple {"PNag", "weight per metre", "вес метра", wire.PNag},
          std::tuple {"Modl", "modulus of elasticity", "модуль упругости", wire.Modl}}) {
        if (!(value > 0))
            out.refusals.push_back(
                {name,
                 subject + InLanguage(lang, english, russian) + " " + FormatNumber(value)
                     + InLanguage(lang, " — must be greater than 0", " — должен быть больше 0")});
    }
    if (!std::isfinite(wire.Koef))
        out.refusals.push_back({"Koef",
                                subject
                                    + InLanguage(lang,
                                                 "the thermal coefficient is not a finite "
                                                 "number",
                                                 "коэффициент температурного расширения "
                                                 "не является конечным числом")});
}

void CheckCoefficients(const TProject &project, Checker &c, Lang lang)
{
    if (project.Koef.VisotaPC > 300)
        c.Warn(Height, ValueText(Height, project.Koef.VisotaPC, lang) + " is above 300 m",
               ValueText(Height, project.Koef.VisotaPC, lang) + " — больше 300 м");
    if (project.KoefFallbackLine > 0) {
        const std::string line = std::to_string(project.KoefFallbackLine);
        c.out.warnings.push_back(
            {"Koef",
             InLanguage(lang,
                        "Line " + line
                            + " of the project file holds a coefficient that could not "
                              "be read: all the climatic coefficients are the defaults",
                        "Строка " + line
                            + " файла проекта содержит коэффициент, который не удалось "
                              "прочитать: все климатические коэффициенты взяты по "
                              "умолчанию")});
    }
}

} // namespace

PreparedCalculation PrepareCalculation(const TProject &project, const TWiresList &catalogue,
                                       Lang lang, SpanUse spans)
{
    PreparedCalculation out;
    Checker checker {lang, out};
    const TDAT &dat = project.Dat;
    CheckClimate(dat, checker, lang);
    if (spans == SpanUse::ProjectRange)
        CheckSpans(dat, checker, lang);
    CheckPermissible(dat, checker);
    CheckCoefficients(project, checker, lang);
    out.wire = catalogue.FindByName(dat.Provod);
    CheckWire(dat, catalogue, out.wire, out, lang);
    if (!out.Refused())
        out.args = CalcArgsOf(dat, out.wire);
    return out;
}

std::string RefusalText(const PreparedCalculation &prepared)
{
    std::string text;
    for (const InputFinding &refusal : prepared.refusals) {
        if (!text.empty())
            text += '\n';
        text += refusal.text;
    }
    return text;
}

std::vector<InputFinding> TemplateRefusals(const TShablon &shablon, Lang lang)
{
    std::vector<InputFinding> refusals;
    const auto refuse
        = [&](const char *name, std::string_view english, std::string_view russian, double value,
              std::string_view englishRule, std::string_view russianRule) {
              refusals.push_back({name,
                                  InLanguage(lang, english, russian) + " (" + name
                                      + "): " + FormatNumber(value) + " — "
                                      + InLanguage(lang, englishRule, russianRule)});
          };
    for (const auto &[name, english, russian, value] :
         {std::tuple {"MG", "The horizontal scale", "Масштаб горизонтальный", shablon.MG},
          std::tuple {"MV", "The vertical scale", "Масштаб вертикальный", shablon.MV}}) {
        if (value <= 0)
            refuse(name, english, russian, value, "must be greater than 0", "должен быть больше 0");
    }
    if (shablon.PR < 0)
        refuse("PR", "The design span", "Габаритный пролёт", shablon.PR, "must not be negative",
               "не может быть отрицательным");
    constexpr double editorMost = 100000; // m, as the template editor takes them
    for (const auto &[name, english, russian, value, low, high] :
         {std::tuple {"VP", "The attachment height", "Высота подвеса", shablon.VP, 0.0, editorMost},
          std::tuple {"TG", "The clearance", "Габарит", shablon.TG, 0.0, editorMost},
          std::tuple {"Zapas", "The reserve", "Запас", shablon.Zapas, -1e9, 1e9}}) {
        if (!(value >= low && value <= high))
            refuse(name, english, russian, value,
                   "must be a number from " + FormatNumber(low) + " to " + FormatNumber(high),
                   "должно быть числом от " + FormatNumber(low) + " до " + FormatNumber(high));
    }
    return refusals;
}

} // namespace velmora
