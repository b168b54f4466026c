#include "l10n/localization.h"
#include "l10n/texts.h"

namespace velmora {

// The profile window's entries; %1, %2 ... are filled in by the window.
void RegisterProfileTexts()
{
    AddText("Line_profile", "Line profile;Профиль линии");
    AddText("Profile_template", "Template:;Шаблон:");
    AddText("Profile_no_template",
            "The project has no sag template with a type: make one in the template list.;"
            "В проекте нет шаблона с типом: создайте его в списке шаблонов.");
    AddText("Profile_no_line",
            "The project holds no line: it needs the ground, the tower types and two towers.;"
            "В проекте нет линии: нужны профиль земли, типы опор и две опоры.");
    AddText("Profile_hscale", "Horizontal 1:;Горизонтальный 1:");
    AddText("Profile_vscale", "Vertical 1:;Вертикальный 1:");
    AddText("Profile_grid", "Grid step, m:;Шаг сетки, м:");
    AddText("Profile_cold", "Cold curve;Кривая при низшей температуре");
    AddText("Profile_spot", "Spot;Расставить");
    AddText("Profile_violations", "Violations;Нарушения");
    AddText("Profile_no_violations", "No violations;Нарушений нет");
    AddText("Profile_towers", "Towers;Опоры");
    AddText("Profile_col_number", "No.;№");
    AddText("Profile_col_station", "Station, m;Пикет, м");
    AddText("Profile_col_type", "Type;Тип");
    AddText("Profile_col_ground", "Ground, m;Земля, м");
    AddText("Profile_col_attachment", "Attachment, m;Подвес, м");
    AddText("Profile_col_span", "Span ahead, m;Пролёт вперёд, м");
    AddText("Profile_col_wind", "Wind span, m;Ветровой пролёт, м");
    AddText("Profile_col_weight", "Weight span, m;Весовой пролёт, м");
    AddText("Profile_col_weight_cold", "Weight span, cold, m;Весовой пролёт, мороз, м");
    AddText("Profile_col_clearance", "Clearance ahead, m;Габарит впереди, м");
    // %1 the ruling span, %2 the spans that fail.
    AddText(
        "Profile_ruling_ok",
        "Ruling span %1 m: all clearances hold;Приведённый пролёт %1 м: все габариты соблюдены");
    AddText("Profile_ruling_fail",
            "Ruling span %1 m: the clearance fails in spans %2;"
            "Приведённый пролёт %1 м: габарит не соблюдён в пролётах %2");
    AddText("Profile_delete_tower", "Delete tower %1?;Удалить опору %1?");
    AddText("Profile_delete_button", "Delete tower;Удалить опору");
    AddText("Profile_two_towers",
            "The line needs at least two towers.;Линии нужны как минимум две опоры.");
    AddText("Profile_no_site",
            "No tower can stand at %1 m: it is off the ground or at another tower.;"
            "Опора не может стоять на %1 м: это вне профиля или на месте другой опоры.");
    AddText("Profile_undo_move", "Move tower %1;Перемещение опоры %1");
    AddText("Profile_undo_add", "Add tower;Добавление опоры");
    AddText("Profile_undo_type", "Type of tower %1;Тип опоры %1");
    AddText("Profile_undo_delete", "Delete tower %1;Удаление опоры %1");
    AddText("Profile_undo_spot", "Spot the towers;Расстановка опор");
    AddText("Profile_undo", "Undo;Отменить");
    AddText("Profile_redo", "Redo;Повторить");
    // %1, %2 the towers of the proposal and now; %3, %4 the costs.
    AddText("Profile_proposal",
            "The spotting proposes %1 towers (now %2).\nTotal cost %3 (now %4).\nApply it?;"
            "Расстановка предлагает опор: %1 (сейчас %2).\nОбщая стоимость %3 (сейчас %4).\n"
            "Применить?");
    AddText("Profile_spot_none",
            "No feasible line: no span gets past the ground from %1 to %2 m.;"
            "Допустимой линии нет: ни один пролёт не проходит участок от %1 до %2 м.");
    AddText("Profile_tower_tip", "Tower %1 (%2), station %3 m;Опора %1 (%2), пикет %3 м");
    AddText("Profile_crossing_tip",
            "%1: top %2 m, required clearance %3 m;%1: верх %2 м, требуемый габарит %3 м");
    AddText("Profile_forbidden_tip", "Forbidden stretch %1 … %2 m;Запретный участок %1 … %2 м");
    // The imports: the menu, the file dialog, the question with the records as read.
    AddText("Profile_import", "Import;Импорт");
    AddText("Profile_import_ground", "Ground profile...;Профиль земли...");
    AddText("Profile_import_types", "Tower types...;Типы опор...");
    AddText("Profile_import_towers", "Towers...;Опоры...");
    AddText("Profile_import_crossings", "Crossings...;Пересечения...");
    AddText("Profile_import_forbidden", "Forbidden stretches...;Запретные участки...");
    AddText("Profile_import_title", "Import into the line;Импорт в линию");
    AddText("Profile_kind_ground", "Ground points;Точки профиля земли");
    AddText("Profile_kind_types", "Tower types;Типы опор");
    AddText("Profile_kind_towers", "Towers;Опоры");
    AddText("Profile_kind_crossings", "Crossings;Пересечения");
    AddText("Profile_kind_forbidden", "Forbidden stretches;Запретные участки");
    // %1 what, %2 the file, %3 how many read, %4 how many now, %5 the first records as read.
    AddText("Profile_import_question",
            "%1 in \"%2\": %3 read (the line has %4 now).\nAs read: %5\n\n"
            "Replace the line's with them?;"
            "%1 в файле «%2»: прочитано %3 (сейчас в линии %4).\nКак прочитано: %5\n\n"
            "Заменить ими данные линии?");
    AddText("Profile_undo_import", "Import %1;Импорт %1");
    // The exports and the printout with its title block.
    AddText("Profile_export", "Export;Экспорт");
    AddText("Profile_export_dxf", "Profile drawing (DXF)...;Чертёж профиля (DXF)...");
    AddText("Profile_export_schedule", "Tower schedule (Excel)...;Ведомость опор (Excel)...");
    AddText("Profile_export_picture", "Picture (PNG, SVG, PDF)...;Рисунок (PNG, SVG, PDF)...");
    AddText("Profile_print", "Print...;Печать...");
    AddText("Profile_dxf_title", "Save the profile drawing;Сохранение чертежа профиля");
    AddText("Profile_schedule_title", "Save the tower schedule;Сохранение ведомости опор");
    AddText("Profile_schedule_name", "Tower schedule;Ведомость опор");
    AddText("Profile_picture_title", "Save a picture of the profile;Сохранение рисунка профиля");
    AddText("Profile_tb_project", "Project;Проект");
    AddText("Profile_tb_wire", "Wire;Провод");
    AddText("Profile_tb_template", "Template;Шаблон");
    AddText("Profile_tb_date", "Date;Дата");
    AddText("Profile_tb_scales", "Scales;Масштабы");
    AddText("Profile_tb_scales_value",
            "horizontal 1:%1, vertical 1:%2;горизонтальный 1:%1, вертикальный 1:%2");
    // %1, %2 the template state's stress and force; %3, %4 the cold state's; %5 the ruling
    // span's stress; %6 the clearance.
    AddText("Profile_conditions",
            "Template state: σ = %1, T = %2   Cold: σ = %3, T = %4   Ruling span: σ = %5   "
            "C = %6 m;"
            "Режим шаблона: σ = %1, T = %2   Мороз: σ = %3, T = %4   Приведённый пролёт: "
            "σ = %5   C = %6 м");
}

} // namespace velmora
