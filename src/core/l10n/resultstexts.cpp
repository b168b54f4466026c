#include "l10n/localization.h"
#include "l10n/texts.h"

namespace velmora {

// The results pane's entries: its tabs and actions, the summary's words, the table's and the
// plots' headings. %1, %2 ... are filled in by the pane.
void RegisterResultsTexts()
{
    AddText("View", "View;Вид");
    AddText("Results", "Results;Результаты");
    AddText("Res_summary", "Summary;Сводка");
    AddText("Res_table", "Table;Таблица");
    AddText("Res_sag_plot", "Sag plot;График стрел провеса");
    AddText("Res_stress_plot", "Stress plot;График напряжений");

    AddText("Res_wire_line",
            "%1: diameter %2 mm, cross-section %3 mm², weight %4 kg/m, modulus %5 %6, "
            "expansion coefficient %7 1/K;"
            "%1: диаметр %2 мм, сечение %3 мм², вес %4 кг/м, модуль упругости %5 %6, "
            "коэффициент расширения %7 1/K");
    AddText("Res_ice_line",
            "Refined ice wall thickness b = %1 mm (Ki = %2, Kd = %3), Kw = %4, Cx = %5;"
            "Уточнённая толщина стенки гололёда b = %1 мм (Ki = %2, Kd = %3), Kw = %4, Cx = %5");
    AddText("Res_permissible",
            "Permissible stresses: σmax = %1, σavg = %2 %3;"
            "Допускаемые напряжения: σmax = %1, σср = %2 %3");
    AddText("Res_loads", "Loads on the wire;Нагрузки на провод");
    AddText("Res_load", "Load;Нагрузка");
    AddText("Res_load_1", "Own weight;Собственный вес");
    AddText("Res_load_2", "Ice;Гололёд");
    AddText("Res_load_3", "Own weight and ice;Собственный вес и гололёд");
    AddText("Res_load_4", "Wind on the bare wire;Ветер на провод без гололёда");
    AddText("Res_load_4a", "Wind on the bare wire, 10 m/s;Ветер на провод без гололёда, 10 м/с");
    AddText("Res_load_4b",
            "Wind on the bare wire, 0.3 of the maximum velocity;"
            "Ветер на провод без гололёда, 0,3 максимальной скорости");
    AddText("Res_load_5", "Wind on the iced wire;Ветер на провод с гололёдом");
    AddText("Res_load_6", "Own weight and wind;Собственный вес и ветер");
    AddText("Res_load_6a", "Own weight and wind 4a;Собственный вес и ветер 4a");
    AddText("Res_load_6b", "Own weight and wind 4b;Собственный вес и ветер 4b");
    AddText("Res_load_7", "Own weight, ice and wind;Собственный вес, гололёд и ветер");
    AddText("Res_critical_spans", "Critical spans;Критические пролёты");
    AddText("Res_order_normal", "normal order;обычный порядок");
    AddText("Res_order_reverse", "reverse order;обратный порядок");
    AddText("Res_order_other", "neither normal nor reverse order;ни обычный, ни обратный порядок");
    AddText("Res_governing", "Governing initial state;Исходный режим");
    // Stresses of modes 1-9 above their permissible stress: %1 the stress, %2 the limit,
    // %3 the unit; %1 of Res_over_limit_line the mode, %2 the span.
    AddText("Res_over_limit_tip",
            "Stress %1 %3 is above the permissible %2 %3;"
            "Напряжение %1 %3 выше допускаемого %2 %3");
    AddText("Res_over_limits",
            "Stresses above the permissible (marked in the table);"
            "Напряжения выше допускаемых (отмечены в таблице)");
    AddText("Res_over_limit_line",
            "mode %1 at %2 m: %3 > %4 %5;режим %1 при пролёте %2 м: %3 > %4 %5");
    AddText("Res_warnings", "Implausible input;Сомнительные исходные данные");
    AddText("Res_range", "%1–%2 m: %3;%1–%2 м: %3");
    AddText("Res_one_span", "%1 m: %2;%1 м: %2");
    AddText("Res_state_1", "from the average annual temperature;от среднегодовой температуры");
    AddText("Res_state_2", "from the minimum temperature;от минимальной температуры");
    AddText("Res_state_3",
            "from ice with wind (maximum load);от гололёда с ветром (наибольшей нагрузки)");
    AddText("Res_state_0",
            "governed by no initial state (results 0);"
            "не определяется исходным режимом (результаты 0)");

    AddText("Res_show", "Show:;Показать:");
    AddText("Res_stress", "Stress;Напряжение");
    AddText("Res_force", "Tensile force;Тяжение");
    AddText("Res_sag", "Sag;Стрела провеса");
    AddText("Res_span_m", "Span, m;Пролёт, м");
    AddText("Res_mode_n", "Mode %1;Режим %1");
    AddText("Res_export_head", "Mode %1 (%2 °C, γ %3 %4), %5;Режим %1 (%2 °C, γ %3 %4), %5");
    AddText("Res_mode_1", "Ice with wind;Гололёд с ветром");
    AddText("Res_mode_2", "Ice without wind;Гололёд без ветра");
    AddText("Res_mode_3", "Maximum wind;Максимальный ветер");
    AddText("Res_mode_4", "Wind 10 m/s at −15 °C;Ветер 10 м/с при −15 °C");
    AddText("Res_mode_5", "+15 °C, no wind, no ice;+15 °C без ветра и гололёда");
    AddText("Res_mode_6", "Minimum temperature;Минимальная температура");
    AddText("Res_mode_7", "Maximum temperature;Максимальная температура");
    AddText("Res_mode_8", "Average annual temperature;Среднегодовая температура");
    AddText("Res_mode_9", "Wind at +15 °C;Ветер при +15 °C");
    AddText("Res_mode_t", "%1 °C, no wind, no ice;%1 °C без ветра и гололёда");

    AddText("Res_copy", "Copy;Копировать");
    AddText("Res_export_csv", "Export CSV...;Экспорт CSV...");
    AddText("Res_export_png", "Export PNG...;Экспорт PNG...");
    AddText("Res_export_svg", "Export SVG...;Экспорт SVG...");
    AddText("Res_print", "Print...;Печать...");
    AddText("Res_save_pdf", "Save as PDF...;Сохранить в PDF...");
    AddText("Res_modes", "Modes;Режимы");
    AddText("Res_sag_axis", "Sag, m;Стрела провеса, м");
    AddText("Res_stress_axis", "Stress, %1;Напряжение, %1");
    AddText("Res_sigma_avg", "σavg;σср");
    AddText("Res_hover", "Span %1 m, mode %2: %3 %4;Пролёт %1 м, режим %2: %3 %4");
    AddText("Res_daN_mm2", "daN/mm²;даН/мм²");
    AddText("Res_N_mm2", "N/mm²;Н/мм²");
    AddText("Res_daN_m", "daN/m;даН/м");
    AddText("Res_N_m", "N/m;Н/м");
    AddText("Res_daN_mmm", "daN/(m·mm²);даН/(м·мм²)");
    AddText("Res_N_mmm", "N/(m·mm²);Н/(м·мм²)");
    AddText("Res_kN_mm2", "kN/mm²;кН/мм²");

    AddText("Res_nothing_yet", "No results yet.;Результатов пока нет.");
    AddText("Res_out_of_date",
            "Not recalculated: %1\nThe results shown are out of date.;"
            "Не пересчитано: %1\nПоказаны устаревшие результаты.");
    AddText("Res_loads_low",
            "The loads are lower than standard ones.;Расчётные нагрузки ниже нормативных.");
    AddText("Res_tpl_sag", "Sag curve;Кривая провисания");
    AddText("Res_tpl_ground", "Ground curve;Кривая земли");
    AddText("Res_tpl_clearance", "Clearance curve;Габаритная кривая");
    AddText("Res_tpl_axis_x", "mm, horizontal scale 1 : %1;мм, масштаб горизонтальный 1 : %1");
    AddText("Res_tpl_axis_y", "mm, vertical scale 1 : %1;мм, масштаб вертикальный 1 : %1");
    AddText("Res_tpl_title", "%1: k = %2 m;%1: кш = %2 м");
    AddText("Res_tpl_none", "No template is selected.;Шаблон не выбран.");
    AddText("Res_file_not_written", "The file \"%1\" was not written: %2;Файл «%1» не записан: %2");
}

} // namespace velmora
