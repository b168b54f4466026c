#include "l10n/texts.h"

#include "l10n/coretexts.h"
#include "l10n/localization.h"

namespace velmora {

// AddCoreText registers an entry the core gives itself (l10n/coretexts.cpp) at its place here.

// General entries, registered by the main window before its own.
void RegisterCommonTexts()
{
    AddText("Project", "Project;Проект");
    AddText("Calculation", "Calculation;Расчёт");
    AddText("Calculate", "Calculate;Расчёт");
    AddText("Setting", "Setting;Настройки");
    AddText("Help", "Help;Помощь");
    AddText("New_project", "New project;Новый проект");
    AddText("Open_project", "Open project;Открыть проект");
    AddText("Save_project", "Save project;Сохранить проект");
    AddText("Save_project_as", "Save project as ...;Сохранить проект как ...");
    AddText("File_saved", "File is successfully saved.;Файл успешно сохранен.");
    AddText("Not_in_1251",
            "\"%1\": the characters %2 cannot be stored in the file (Windows-1251), "
            "replace them.;"
            "«%1»: символы %2 нельзя сохранить в файле (Windows-1251), замените их.");
    AddText("Settings_not_saved",
            "The settings cannot be saved in %1: choices made now are not remembered.;"
            "Настройки не сохраняются в %1: сделанный сейчас выбор не запомнится.");
    AddText("Reference_catalog", "Reference catalog;Справочник");
    AddText("Reference_catalog_on_wires",
            "Reference catalog on wires, cables, cords;"
            "Справочник проводов, кабелей, тросов");
    AddText("About", "About Program;О программе");
    AddText("Quit", "Quit;Выход");
    AddText("Port_to_Cad", "Port to Cad;Вывод в CAD");
    AddText("Port_to_Excel", "Port to Excel;Вывод в Excel");
    AddText("Climatic_conditions", "Climatic conditions;Климатические условия");
    AddText("Climatic_param_title",
            "Climatic parameters specification.\r\nReliability coefficients;"
            "Уточнение климатических параметров.\r\nКоэффициенты надежности");
    AddText("quit_the_program",
            "Are you sure you would like to quit the program?;"
            "Вы уверены, что хотите закрыть программу?");
    AddCoreText("Input_wire");
    AddText("designing_OHL", "designing OHL, FOCL-OHL, FOCL.;проектирование ВЛ, ВОЛС ВЛ, ВОЛС.");
    AddText("Error_data_entry", "Error data entry;Ошибка ввода данных");
    // The number fields' refusals; %1 is the field's label, %2 the text typed.
    AddText("Number_only",
            "Only a number: digits, \".\" or \",\" as the decimal point, a sign, an exponent (E).;"
            "Только число: цифры, «.» или «,» как десятичная точка, знак, порядок (E).");
    AddText("Whole_number_only",
            "Only a whole number: digits and a sign.;Только целое число: цифры и знак.");
    // What a field's note says while its text holds no value.
    AddText("Whole_metres_only", "whole metres only;только целые метры");
    AddText("Value_needed", "a value is needed;нужно значение");
    AddText("Number_needed", "a number is needed;нужно число");
    // A field named with its note: %1 the field's label, %2 the note.
    AddText("Field_problem", "\"%1\": %2.;«%1»: %2.");
    AddText("Field_not_number", "\"%1\": \"%2\" is not a number.;«%1»: «%2» — не число.");
    AddText("Field_not_negative",
            "\"%1\": the value must not be negative.;«%1»: значение не может быть отрицательным.");
    AddText("Field_positive",
            "\"%1\": the value must be greater than 0.;«%1»: значение должно быть больше 0.");
    AddText("Max_perm_tens",
            "Maximum permissible\r\ntension:;"
            "Максимальное допускаемое\r\nнапряжение:");
    AddText("Tension_aver_temp",
            "Tension at average annual\r\ntemperature:;"
            "Напряжение при среднегодовой\r\nтемпературе:");
    AddText("Max_stress", "Maximum permissible\r\nstress:;Максимальное допускаемое\r\nтяжение:");
    AddText("Stress_aver_temp",
            "Stress at average annual\r\ntemperature:;"
            "Тяжение при среднегодовой\r\nтемпературе:");
    AddCoreText("Type_of_wire");
    AddText("Tension", "Tension;Напряжения");
    AddText("Stress", "Stress;Тяжения");
    AddText("Edit", "Edit;Изменить");
    AddText("Delete", "Delete;Удалить");
    AddText("Create", "Create;Создать");
    AddText("Cancel", "Cancel;Отмена");
    AddText("Close", "Close;Закрыть");
    AddText("Export", "Export;Экспорт");
    AddText("Import", "Import;Импорт");
    AddText("Select", "Select;Выбрать");
    AddText("Group", "Group;Группа");
    AddText("Wire", "Wire;Провод");
    AddText("Type", "Type;Марка");
    AddText("kg_m", "kg/m;кг/м");
    AddText("meter", "m;м");
    AddText("mm", "mm;мм");
    AddText("ms", "m/s;м/с");
    AddText("daN", "daN;даН");
    AddText("kN", "kN;кН");
    AddText("daN_mm", "daN/mm;даН/мм");
    AddCoreText("daN_mm2");
    AddText("N_mm", "N/mm;Н/мм");
    AddCoreText("N_mm2");
    AddText("kN_mm", "kN/mm;кН/мм");
    AddCoreText("Imaginary");
    AddText("Maximum", "Maximum:;Максимальный:");
    AddText("Minimum", "Minimum:;Минимальный:");
    AddCoreText("Name");
    AddCoreText("Temperature");
    AddText("Units", "Units;Единицы измерения");
}

// The main window's own entries; the template windows and the drawing use them too.
void RegisterMainWindowTexts()
{
    AddText("Max_temperature", "Maximum temperature:;Температура максимальная:");
    AddText("Min_temperature", "Minimum temperature:;Температура минимальная:");
    AddText("Average_annual_temperature", "Average annual temperature:;Среднегодовая температура:");
    AddText("Temperature_at_max_wind",
            "Temperature at maximum wind:;"
            "Температура при максимальном ветре:");
    AddText("Ice_without_wind_temperature",
            "Ice-without-wind temperature:;"
            "Температура при гололёде без ветра:");
    AddText("Ice_with_wind_temperature",
            "Ice-with-wind temperature:;"
            "Температура при гололёде с ветром:");
    AddText("Max_wind_velocity", "Maximum wind velocity:;Максимальная скорость ветра:");
    AddText("Wind_velocity_with_ice", "Wind velocity with ice:;Скорость ветра при гололёде:");
    AddText("Ice_thickness", "Ice thickness:;Толщина стенки гололёда:");
    AddText("Reference_data", "Reference data;Расчётные данные");
    AddText("Mechanical_calculation",
            "Mechanical calculation of wires, cords and self-supporting cables.;"
            "Механический расчёт проводов, тросов и самонесущих кабелей.");
    AddText("Patterns_curves",
            "Patterns, sagging curves of the wire, cable;"
            "Шаблоны, кривые провисания провода, кабеля");
    AddText("Name_pattern",
            "Name of the pattern, sagging curve;"
            "Название шаблона, кривой провисания");
    AddText("Patterns", "Patterns;Шаблоны");
    AddText("At_max_temp",
            "At maximum temperature (mode 7);"
            "При максимальной темпепратуре (режим 7)");
    AddText("In_case_of_ice", "In case of ice accumulation (mode 2);При гололёде (режим 2)");
    AddText("Spans", "Spans;Пролёты");
    AddText("Change_step", "Change step:;Шаг изменения:");
    AddText("dimensional_modes", "dimensional modes (2, 7);\"габаритных\" режимов (2, 7)");
    AddText("all_modes", "all modes;всех режимов");
    AddText("List_patterns", "List of patterns, sagging curves;Список шаблонов, кривых провисания");
    AddText("Curves", "Curves;Кривые");
    AddCoreText("hor_scale");
    AddCoreText("vert_scale");
    AddText("Overall_span", "Overall (equivalent) span, m;Габаритный (приведённый) пролет, м");
    AddCoreText("Overall_span_ac");
    AddText("Attachmnet_height",
            "Attachmnet height of the lower wire, m;"
            "Высота подвески нижнего провода, м");
    AddText("Required_clearance", "Required clearance, m;Требуемый габарит, м");
    AddText("Reserve", "Reserve, m;Запас, м");
    AddText("Temperature_no",
            "Temperature (no wind, no ice);"
            "Температура, (ветер и гололёд отсутствуют)");
    AddText("Max_", "Max.;Макс.");
    AddText("Min_", "Min.;Мин.");
    AddText("Indicate_name",
            "Indicate the name of the pattern (curve).;"
            "Укажите название шаблона (кривой).");
    AddCoreText("curve_not_indicated");
    AddText("Indicate_temperature", "Indicate the temperature.;Укажите температуру.");
    AddText("Indicate_span",
            "Indicate the overall (equivalent) span.;"
            "Укажите габаритный (приведённый пролёт).");
    AddText("delete_template",
            "Are you sure you would like to delete this pattern (curve)?;"
            "Вы уверены, что хотите удалить шаблон (кривую)?");
    AddText("replace_drawing",
            "The drawing is written to the file \"%1\", which already exists. Replace it?;"
            "Чертёж записывается в файл «%1», который уже существует. Заменить его?");
    AddText("Untitled", "Untitled;Без имени");
    AddCoreText("loads_are_lower_standard");
    AddCoreText("600_spans");
    AddCoreText("Step_not_positive");
    AddCoreText("Min_above_max");
    AddCoreText("not_finite");
    // A project file that does not read, and a written report or drawing the system cannot
    // open; %1 is the path.
    AddText("Not_a_project",
            "The file \"%1\" is not a Velmora project.;Файл \"%1\" не является проектом Velmora.");
    // The Project menu's recent projects, and an entry whose file is gone (%1 is the path).
    AddText("Recent_projects", "Recent projects;Недавние проекты");
    AddText("Clear_list", "Clear list;Очистить список");
    AddText("Recent_project_gone",
            "The file \"%1\" no longer exists. It is removed from the list of recent projects.;"
            "Файл \"%1\" больше не существует. Он удалён из списка недавних проектов.");
    AddText("File_written_not_opened",
            "The file was saved:\r\n%1\r\n\r\nNo program on this system opens files of this "
            "type. Open the folder that holds the file?;"
            "Файл сохранён:\r\n%1\r\n\r\nВ системе нет программы, которая открывает файлы "
            "этого типа. Открыть папку с файлом?");
    AddText("Folder_not_opened",
            "The folder \"%1\" cannot be opened.;Не удалось открыть папку \"%1\".");
    // Help → Manual and F1 when the system does not open the manual; %1 is its path.
    AddText("Manual_not_opened",
            "The manual \"%1\" cannot be opened: the file is missing or no program on this "
            "system opens PDF files.;"
            "Не удалось открыть руководство \"%1\": файла нет или в системе нет программы, "
            "которая открывает файлы PDF.");
    AddText("Two_spans",
            "A calculation needs at least two spans: the maximum span must exceed the minimum "
            "by at least one change step.;"
            "Для расчёта нужны хотя бы два пролёта: максимальный пролёт должен превышать "
            "минимальный не меньше чем на шаг изменения.");
    AddCoreText("Max_tension_aver_temp");
    AddCoreText("pat_coef");
    // Entries of the file check and the CAD output menu.
    AddCoreText("Check_files");
    AddText("Port_to_AutoCad", "Output to CAD...;Вывод в CAD...");
}

// The climatic-parameter dialog's entries.
void RegisterKlimatTexts()
{
    AddText("Climatic_param_capt",
            "Climatic parameters specification. Reliability coefficients;"
            "Уточнение климатических параметров. Коэффициенты надежности");
    AddText("Climaticparameter",
            "Climatic parameters specification;"
            "Уточнение климатических параметров");
    AddText("Type_of_terrain", "Type of terrain:;Тип местности:");
    AddText("height_for_wires",
            "Equivalent center of gravity height for wires, cords, cables,\r\nmidpoints of "
            "supports constructions over the ground;"
            "Высота приведенного центра тяжести проводов, тросов, кабеля,\r\nсредних точек зон "
            "конструкций опор над поверхностью земли");
    AddText("Reliability_coefficients",
            "Reliability coefficients to standard loads;"
            "Коэффициенты надежности к нормативным нагрузкам");
    AddText("Windloads", "Windloads;К ветровым нагрузкам");
    AddText("Responsibility", "Responsibility;Ответственности");
    AddText("Regional", "Regional;Региональный");
    AddText("Reliability", "Reliability;Надежности");
    AddText("Operating", "Operating conditions;Условий работы");
    AddText("Iceloads", "Iceloads;К гололедным нагрузкам");
    AddText("do", " ;до");
}

// The catalogue window's entries; the first six are its column headings.
void RegisterWiresBaseTexts()
{
    AddText("Diameter_", "Diameter,\r\nmm;Диаметр,\r\nмм");
    AddText("Sect_area_", "Sectional\r\narea,\r\nmm²;\r\nСечение,\r\nмм²");
    AddText("Weight_per_", "Weight per\r\nunit length,\r\nkg/m;\r\nПогонный\r\nвес, кг/м");
    AddText("Modulus_", "Modulus\r\nof elasticity,\r\ndaN/mm²;Модуль\r\nупругости,\r\nдаН/мм²");
    AddText("Modulus_N", "Modulus\r\nof elasticity,\r\nkN/mm²;Модуль\r\nупругости,\r\nкН/мм²");
    AddText("Linear_coef_",
            "Linear thermal\r\nexpansion\r\ncoefficient, 1/K;"
            "Коэффициент\r\nтемпературного\r\nлинейного\r\nрасширения, 1/K");
    AddText("delete_wire",
            "Are you sure you would like to delete this wire?;"
            "Вы уверены, что хотите удалить провод?");
    // Counts of wires: "%1 wire(s)" by the number's plural form.
    AddText("wires_one", "%1 wire;%1 провод");
    AddText("wires_few", "%1 wires;%1 провода");
    AddText("wires_many", "%1 wires;%1 проводов");
    AddText("Replace_catalogue",
            "Replace the %1 of the catalogue with the %2 of \"%3\"?;"
            "Заменить %1 справочника на %2 из файла «%3»?");
    AddText("Read_as_utf8", "The file is read as UTF-8.;Файл прочитан в кодировке UTF-8.");
    AddText("Read_as_1251",
            "The file is read as Windows-1251 (it is not valid UTF-8).;"
            "Файл прочитан в кодировке Windows-1251 (это не UTF-8).");
    AddText("Restore_catalogue", "Restore the shipped catalogue;Восстановить исходный справочник");
    AddText("Restore_question",
            "Replace the %1 of the catalogue with the %2 of the catalogue shipped with the "
            "program?;"
            "Заменить %1 справочника на %2 справочника, поставляемого с программой?");
    AddText("Name_contains", "Name contains:;Марка содержит:");
}

// The wire editor's entries.
void RegisterWiresEditTexts()
{
    AddText("Add_Edit", "Add/Edit;Добавление/Изменение");
    AddText("Diameter", "Diameter;Диаметр");
    AddText("Sect_area", "Sectional area;Сечение");
    AddText("Weight_per", "Weight per unit length;Погонный вес");
    AddText("Modulus", "Modulus of elasticity;Модуль упругости");
    AddText("Linear_coef",
            "Linear thermal\r\nexpansion\r\ncoefficient;"
            "Коэффициент\r\nтемпературного\r\nлинейного\r\nрасширения");
}

// The save prompt's entries.
void RegisterSaveProjectTexts()
{
    AddText("Save_changes",
            "Changes have been done to the project.\r\nSave the project?;"
            "В проекте были сделаны изменения.\r\nСохранить проект?");
    AddText("Save", "Save;Сохранить");
    AddText("Dont_save", "Don't save;Не сохранять");
}

// The units dialog's entries.
void RegisterUnitsTexts()
{
    AddText("Tension_daN",
            "Tension, daN/мм2.   Stress, daN.   Modulus of elasticity, daN/mm2.;"
            "Напряжения, даН/мм2.   Тяжения, даН.   Модуль упругости, даН/мм2.");
    AddText("Tension_N",
            "Tension, N/мм2.   Stress, kN.   Modulus of elasticity, kN/mm2.;"
            "Напряжения, Н/мм2.   Тяжения, кН.   Модуль упругости, кН/мм2.");
}

void RegisterAllTexts()
{
    RegisterCommonTexts();
    RegisterMainWindowTexts();
    RegisterUnitsTexts();
    RegisterWiresBaseTexts();
    RegisterWiresEditTexts();
    RegisterKlimatTexts();
    RegisterSaveProjectTexts();
    RegisterStringingTexts();
    RegisterResultsTexts();
    RegisterDesktopTexts();
    RegisterProfileTexts();
}

} // namespace velmora
