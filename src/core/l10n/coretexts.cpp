#include "l10n/coretexts.h"

#include "common/error.h"
#include "l10n/localization.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace velmora {

namespace {

struct CoreEntry
{
    std::string_view key;
    std::string_view text; // "English;Russian"
};

constexpr CoreEntry coreEntries[] = {
    {"Input_wire",
     "Input the data for this wire, cord, cable into the reference catalog and restart the "
     "program.;"
     "Введите данный провод, трос, кабель в справочник и перезагрузите программу"},
    // The missing wire's message (MissingWireText); %1 is a wire's name.
    {"Wire_missing",
     "The wire \"%1\" is not in the reference catalog.;"
     "Провода «%1» нет в справочнике."},
    {"Wire_nearest", "Did you mean \"%1\"?;Возможно, имелся в виду «%1»?"},
    {"Wire_enter",
     "Enter it into the reference catalog first.;"
     "Сначала введите его в справочник."},
    {"Type_of_wire", "Type of wire, cord, cable;Марка провода, троса, кабеля"},
    {"daN_mm2", "daN/mm2;даН/мм2"},
    {"N_mm2", "N/mm2;Н/мм2"},
    {"Imaginary", "Imaginary;Мнимый"},
    {"Name", "Name;Название"},
    {"Temperature", "Temperature;Температура"},
    {"hor_scale", "The horizontal scale;Масштаб горизонтальный"},
    {"vert_scale", "The vertical scale;Масштаб вертикальный "},
    {"Overall_span_ac", "Overall (equivalent) span, m;Габаритный (приведенный) пролет, м"},
    // A template's drawing that stops before the curves; the English texts are the reasons
    // of templates/drawtemplate.h.
    {"zero_stress",
     "The stress of the wire is 0: nothing to draw;"
     "Напряжение в проводе равно 0: чертить нечего"},
    {"zero_scale",
     "A scale of the template is 0: nothing to draw;"
     "Масштаб шаблона равен 0: чертить нечего"},
    {"no_coefficient",
     "The template coefficient is not a finite number: nothing to draw;"
     "Коэффициент шаблона не является конечным числом: чертить нечего"},
    {"curve_not_indicated",
     "The type of the pattern (curve) is not indicated.;"
     "Не указан вид шаблона (кривой)."},
    {"loads_are_lower_standard",
     "The loads are lower than standard ones, contunue?;"
     "Расчётные нагрузки ниже нормативных, продолжать расчёт?"},
    {"600_spans",
     "One calculation should not be performed for more than 600 researched spans.;"
     "Один расчёт - не более 600 исследуемых пролётов."},
    {"Step_not_positive",
     "The change step of the spans must be greater than 0.;"
     "Шаг изменения пролётов должен быть больше 0."},
    {"Min_above_max",
     "The minimum span must not be greater than the maximum span.;"
     "Минимальный пролёт не должен быть больше максимального."},
    {"not_finite", "is not a finite number;не является конечным числом"},
    {"Max_tension_aver_temp",
     "Max. tension (at average annual temperature): ;"
     "Макс. напряжение (при среднегодовой температуре): "},
    {"pat_coef", "pattern's coefficient;кш"},
    {"Check_files", "Check the file;Проверьте файл"},
};

const CoreEntry *FindCoreEntry(std::string_view key)
{
    const auto it = std::find_if(std::begin(coreEntries), std::end(coreEntries),
                                 [key](const CoreEntry &e) { return e.key == key; });
    return it == std::end(coreEntries) ? nullptr : &*it;
}

} // namespace

std::string ErrorText(const std::exception &error, Lang lang)
{
    const auto *own = dynamic_cast<const Error *>(&error);
    if (own && lang == Lang::Russian)
        return own->Russian();
    return error.what();
}

std::string CoreText(std::string_view key, Lang lang)
{
    const CoreEntry *entry = FindCoreEntry(key);
    if (!entry)
        return {};
    std::vector<std::string> parts = SplitString(entry->text, ';');
    const auto index = static_cast<std::size_t>(lang);
    return index < parts.size() ? std::move(parts[index]) : std::string();
}

void AddCoreText(std::string_view key)
{
    if (const CoreEntry *entry = FindCoreEntry(key))
        AddText(entry->key, entry->text);
}

} // namespace velmora
