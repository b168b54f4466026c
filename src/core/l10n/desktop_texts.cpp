#include "l10n/localization.h"
#include "l10n/texts.h"

namespace velmora {

// The desktop's entries for span editing, written files and the manual's window; %1, %2 ...
// are filled in by the windows.
void RegisterDesktopTexts()
{
    AddText("Insert_span", "Insert span;Вставить пролёт");
    AddText("Delete_span", "Delete span;Удалить пролёт");
    // %1 the number of spans read, %2 the spans as read.
    AddText("Take_spans",
            "Read as %1 span(s): %2\r\n\r\nTake them?;"
            "Прочитано пролётов — %1: %2\r\n\r\nПринять их?");
    // %1 the refusal that names the span.
    AddText("Spans_not_saved",
            "The project is not saved. %1.\r\nCorrect or delete that span in the stringing "
            "tables first.;"
            "Проект не сохранён. %1.\r\nСначала исправьте или удалите этот пролёт в монтажных "
            "таблицах.");
    // %1 the file written; the link opens its folder.
    AddText("Written_to", "Written: %1;Записан файл: %1");
    AddText("Open_folder", "Open folder;Открыть папку");
    // The title block of printed results.
    AddText("Print_project", "Project: %1;Проект: %1");
    AddText("Print_climate",
            "Climate: air %1 / %2 / %3 °C (max / min / average), ice %4 mm at %5 °C, wind "
            "%6 m/s at %7 °C, with ice %8 m/s at %9 °C;"
            "Климат: воздух %1 / %2 / %3 °C (макс. / мин. / средн.), гололёд %4 мм при %5 °C, "
            "ветер %6 м/с при %7 °C, с гололёдом %8 м/с при %9 °C");
    AddText("Print_date", "Printed %1;Дата печати %1");
    AddText("Print_page", "Page %1 of %2;Страница %1 из %2");
    // File dialogs' titles.
    AddText("Open_project_title", "Open a Velmora project;Открыть проект Velmora");
    AddText("Save_project_title", "Save the Velmora project;Сохранить проект Velmora");
    AddText("Cad_output_title", "Output to CAD;Вывод в CAD");
    AddText("Help_window", "Velmora manual;Руководство Velmora");
    AddText("Help_contents", "Contents;Содержание");
    AddText("Help_search", "Search;Поиск");
    AddText("Help_search_hint", "Word to find, then Enter;Слово для поиска, затем Enter");
    AddText("Help_back", "Back;Назад");
    AddText("Help_forward", "Forward;Вперёд");
    AddText("Help_home", "Contents page;Начало");
    AddText("Help_not_found", "Nothing found for \"%1\".;По запросу «%1» ничего не найдено.");
    AddText("Help_missing",
            "The manual's pages are missing in \"%1\".;Страницы руководства не найдены в «%1».");
    // The main window's Edit menu; an action's text is followed by the step it takes.
    AddText("Menu_edit", "Edit;Правка");
    AddText("Undo_action", "Undo;Отменить");
    AddText("Redo_action", "Redo;Повторить");
    AddText("Undo_fields", "input;ввод данных");
    AddText("Undo_coefficients", "coefficients;коэффициенты");
    AddText("Undo_template_new", "new template;новый шаблон");
    AddText("Undo_template_edit", "template edit;изменение шаблона");
    AddText("Undo_template_delete", "template deletion;удаление шаблона");
    AddText("Undo_sections", "anchor sections;анкерные участки");
}

} // namespace velmora
