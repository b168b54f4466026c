#include "report/towerschedule.h"

#include "common/error.h"
#include "xls/workbook.h"

#include <optional>

namespace velmora {

namespace tc = towercells;

namespace {

// Rows a sheet holds (BIFF8).
constexpr std::size_t SheetRows = 65536;

} // namespace

std::string TowerScheduleFormName(bool english, int units)
{
    std::string name = units != 0 ? "Forms/FormTowersN" : "Forms/FormTowers";
    name += english ? "_en.xls" : "_ru.xls";
    return name;
}

std::string TowerCheckText(const LineCheck &check, std::size_t tower, Lang lang)
{
    std::string text;
    const auto add = [&](const char *english, const char *russian) {
        text += (text.empty() ? "" : ", ") + InLanguage(lang, english, russian);
    };
    const LineTowerResult &t = check.towers.at(tower);
    if (t.inner) {
        if (!t.spans.windOk)
            add("wind span", "ветровой пролёт");
        if (!t.spans.weightOk)
            add("weight span", "весовой пролёт");
        if (!t.spans.weightColdOk)
            add("weight span in the cold", "весовой пролёт при низшей температуре");
    }
    if (tower < check.spans.size()) {
        const LineSpanResult &ahead = check.spans[tower];
        if (!ahead.design.groundOk)
            add("clearance ahead", "габарит пролёта вперёд");
        if (!ahead.rulingOk)
            add("clearance ahead with the ruling span", "габарит вперёд при приведённом пролёте");
        for (const LineCrossingResult &x : check.crossings) {
            if (x.span == tower && !x.check.ok)
                add("crossing ahead", "пересечение в пролёте вперёд");
        }
    }
    return text.empty() ? InLanguage(lang, "OK", "норма") : text;
}

void WriteTowerSchedule(const std::string &formPath, const std::string &outPath,
                        const std::string &templateName, const LineProfile &line,
                        const LineCheck &check, Lang lang, UnitFactors units)
{
    const std::size_t towers = check.towers.size();
    if (towers + tc::TowerRow + 1 > SheetRows)
        throw Error(InLanguage(lang, "The line has more towers than a sheet holds",
                               "В линии больше опор, чем помещается на листе"));
    std::optional<xls::Workbook> book;
    try {
        book.emplace(xls::Workbook::Load(formPath));
        book->Sheet(0).Cell(0, 0); // the first sheet must be a worksheet
    } catch (const std::exception &e) {
        throw Error(
            InLanguage(lang, "The tower schedule form " + formPath + " cannot be read: " + e.what(),
                       "Не удаётся прочитать форму ведомости опор " + formPath + ": " + e.what()));
    }
    xls::Worksheet &sheet = book->Sheet(0);
    const int count = static_cast<int>(towers);
    // The totals go below the last tower first, then the tower row is copied over the rows.
    const int totals = tc::TowerRow + count;
    sheet.CopyRange(tc::TotalsRow, 0, tc::TotalsRow, tc::LastCol, totals, 0);
    for (int i = 1; i < count; ++i)
        sheet.CopyRange(tc::TowerRow, 0, tc::TowerRow, tc::LastCol, tc::TowerRow + i, 0);

    sheet.Cell(tc::TemplateRow, tc::TemplateNameCol).SetText(templateName);
    sheet.Cell(tc::TemplateRow, tc::StressCol)
        .SetNumber(check.conditions.design.sigma * units.stress);
    sheet.Cell(tc::TemplateRow, tc::ClearanceCol).SetNumber(check.conditions.clearance);

    double cost = 0;
    for (std::size_t i = 0; i < towers; ++i) {
        const LineTowerResult &t = check.towers[i];
        const TowerType &type = line.types.at(static_cast<std::size_t>(t.type));
        cost += type.cost;
        const int row = tc::TowerRow + static_cast<int>(i);
        const auto cell = [&](int col) { return sheet.Cell(row, col); };
        cell(tc::Number).SetInteger(static_cast<std::int64_t>(i + 1));
        cell(tc::Station).SetNumber(t.station);
        cell(tc::Type).SetText(type.name);
        cell(tc::Ground).SetNumber(t.ground);
        cell(tc::Attachment).SetNumber(t.attachment);
        if (i < check.spans.size()) {
            cell(tc::SpanAhead).SetNumber(check.spans[i].design.length);
            cell(tc::SpanClearance).SetNumber(check.spans[i].design.ground.clearance);
        }
        if (t.inner) {
            cell(tc::WindSpan).SetNumber(t.spans.wind);
            cell(tc::WeightSpan).SetNumber(t.spans.weight);
            cell(tc::WeightSpanCold).SetNumber(t.spans.weightCold);
        }
        cell(tc::Check).SetText(TowerCheckText(check, i, lang));
    }
    sheet.Cell(totals, tc::TowerCountCol).SetInteger(count);
    sheet.Cell(totals, tc::CostCol).SetNumber(cost);
    sheet.Cell(totals, tc::LengthCol)
        .SetNumber(check.towers.back().station - check.towers.front().station);
    book->Save(outPath);
}

} // namespace velmora
