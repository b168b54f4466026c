#include "data/lineprofile.h"

#include "common/cp1251.h"
#include "common/error.h"
#include "common/numtext.h"

#include <array>
#include <cmath>
#include <span>

namespace velmora {

namespace {

struct FieldName
{
    const char *english;
    const char *russian;
};

constexpr std::array<FieldName, 2> GroundFields {{{"station", "пикет"}, {"elevation", "отметка"}}};
constexpr std::array<FieldName, 6> TypeFields {{{"name", "имя"},
                                                {"height", "высота подвеса"},
                                                {"cost", "стоимость"},
                                                {"max wind span", "наиб. ветровой пролёт"},
                                                {"max weight span", "наиб. весовой пролёт"},
                                                {"min weight span", "наим. весовой пролёт"}}};
constexpr std::array<FieldName, 2> TowerFields {{{"station", "пикет"}, {"type", "тип"}}};
constexpr std::array<FieldName, 4> CrossingFields {
    {{"station", "пикет"}, {"top", "отметка верха"}, {"clearance", "габарит"}, {"name", "имя"}}};
constexpr std::array<FieldName, 2> ForbiddenFields {{{"from", "от"}, {"to", "до"}}};

// Field positions of each record, as the text files hold them.
enum { Station = 0, Second = 1 };
enum { TypeName = 0, TypeHeight, TypeCost, TypeMaxWind, TypeMaxWeight, TypeMinWeight };
enum { CrossingStation = 0, CrossingTop, CrossingClearance, CrossingName };

class FaultFinder
{
public:
    FaultFinder(Lang lang, LineScope scope)
        : whole(scope == LineScope::Whole)
        , m_lang(lang)
    {
    }

    const bool whole;
    std::optional<LineFault> fault;

    // Records the fault unless one is already found; answers whether one is found now.
    bool Fail(LineRecord record, std::size_t index, std::size_t field, const char *english,
              const char *russian)
    {
        if (!fault)
            fault = LineFault {record, index, field, LineFieldName(record, field, m_lang),
                               InLanguage(m_lang, english, russian)};
        return true;
    }
    bool NotFinite(LineRecord record, std::size_t index, std::size_t field, double value)
    {
        return !std::isfinite(value)
            && Fail(record, index, field, "is not a finite number", "— не конечное число");
    }

private:
    Lang m_lang;
};

void FindGroundFault(const std::vector<GroundPoint> &ground, FaultFinder &f)
{
    for (std::size_t i = 0; i < ground.size() && !f.fault; ++i) {
        const GroundPoint &p = ground[i];
        if (f.NotFinite(LineRecord::Ground, i, Station, p.x)
            || f.NotFinite(LineRecord::Ground, i, Second, p.z))
            return;
        if (i > 0 && !(p.x > ground[i - 1].x))
            f.Fail(LineRecord::Ground, i, Station, "must be above the previous point's",
                   "должен быть больше пикета предыдущей точки");
    }
    if (f.fault || !f.whole)
        return;
    if (ground.size() < 2)
        f.Fail(LineRecord::Ground, ground.size(), Station, "missing: the profile needs two points",
               "отсутствует: в профиле нужны две точки");
    else if (ground.size() > MaxGroundPoints)
        f.Fail(LineRecord::Ground, MaxGroundPoints, Station,
               "one point too many: a profile holds at most 200000",
               "лишняя точка: в профиле не более 200000 точек");
}

void FindTypeFault(const std::vector<TowerType> &types, FaultFinder &f)
{
    for (std::size_t i = 0; i < types.size() && !f.fault; ++i) {
        const TowerType &t = types[i];
        const LineRecord r = LineRecord::Type;
        const std::size_t length = Utf8Length(t.name);
        if (length == 0) {
            f.Fail(r, i, TypeName, "is empty", "пусто");
            return;
        }
        if (length > MaxTowerTypeName) {
            f.Fail(r, i, TypeName, "is longer than 64 characters", "длиннее 64 знаков");
            return;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (types[j].name == t.name) {
                f.Fail(r, i, TypeName, "repeats an earlier type's", "повторяет имя другого типа");
                return;
            }
        }
        if (f.NotFinite(r, i, TypeHeight, t.height) || f.NotFinite(r, i, TypeCost, t.cost)
            || f.NotFinite(r, i, TypeMaxWind, t.maxWindSpan)
            || f.NotFinite(r, i, TypeMaxWeight, t.maxWeightSpan)
            || f.NotFinite(r, i, TypeMinWeight, t.minWeightSpan))
            return;
        if (!(t.height > 0))
            f.Fail(r, i, TypeHeight, "must be above 0", "должна быть больше 0");
        else if (!(t.cost > 0))
            f.Fail(r, i, TypeCost, "must be above 0", "должна быть больше 0");
        else if (!(t.maxWindSpan > 0))
            f.Fail(r, i, TypeMaxWind, "must be above 0", "должен быть больше 0");
        else if (!(t.minWeightSpan < t.maxWeightSpan))
            f.Fail(r, i, TypeMinWeight, "must be below the max weight span",
                   "должен быть меньше наибольшего весового");
    }
}

bool InsideProfile(const std::vector<GroundPoint> &ground, double x)
{
    return x >= ground.front().x && x <= ground.back().x;
}

void FindTowerFault(const LineProfile &line, FaultFinder &f)
{
    const LineRecord r = LineRecord::Tower;
    for (std::size_t i = 0; i < line.towers.size() && !f.fault; ++i) {
        const Tower &t = line.towers[i];
        if (f.NotFinite(r, i, Station, t.station))
            return;
        if (i > 0 && !(t.station > line.towers[i - 1].station))
            f.Fail(r, i, Station, "must be above the previous tower's (a span of 0 or less)",
                   "должен быть больше пикета предыдущей опоры (пролёт 0 или меньше)");
        else if (f.whole && !InsideProfile(line.ground, t.station))
            f.Fail(r, i, Station, "lies outside the ground profile", "вне профиля");
        else if (t.type < 0 || static_cast<std::size_t>(t.type) >= line.types.size())
            f.Fail(r, i, Second, "is not a known tower type", "— неизвестный тип опоры");
    }
    if (!f.fault && f.whole && line.towers.size() < 2)
        f.Fail(r, line.towers.size(), Station, "missing: the line needs two towers",
               "отсутствует: в линии нужны две опоры");
}

void FindCrossingFault(const LineProfile &line, FaultFinder &f)
{
    const LineRecord r = LineRecord::Crossing;
    for (std::size_t i = 0; i < line.crossings.size() && !f.fault; ++i) {
        const Crossing &c = line.crossings[i];
        if (f.NotFinite(r, i, CrossingStation, c.station) || f.NotFinite(r, i, CrossingTop, c.top)
            || f.NotFinite(r, i, CrossingClearance, c.clearance))
            return;
        if (f.whole && !InsideProfile(line.ground, c.station))
            f.Fail(r, i, CrossingStation, "lies outside the ground profile", "вне профиля");
        else if (c.clearance < 0)
            f.Fail(r, i, CrossingClearance, "must be 0 or more", "должен быть не меньше 0");
    }
}

void FindForbiddenFault(const std::vector<ForbiddenStretch> &forbidden, FaultFinder &f)
{
    const LineRecord r = LineRecord::Forbidden;
    for (std::size_t i = 0; i < forbidden.size() && !f.fault; ++i) {
        const ForbiddenStretch &s = forbidden[i];
        if (f.NotFinite(r, i, Station, s.from) || f.NotFinite(r, i, Second, s.to))
            return;
        if (s.to < s.from)
            f.Fail(r, i, Second, "must not be below from", "не должен быть меньше «от»");
    }
}

} // namespace

std::string LineFieldName(LineRecord record, std::size_t field, Lang lang)
{
    std::span<const FieldName> names;
    switch (record) {
    case LineRecord::Ground:
        names = GroundFields;
        break;
    case LineRecord::Type:
        names = TypeFields;
        break;
    case LineRecord::Tower:
        names = TowerFields;
        break;
    case LineRecord::Crossing:
        names = CrossingFields;
        break;
    case LineRecord::Forbidden:
        names = ForbiddenFields;
        break;
    }
    if (field >= names.size())
        return {};
    return InLanguage(lang, names[field].english, names[field].russian);
}

std::string LineRecordName(LineRecord record, Lang lang)
{
    switch (record) {
    case LineRecord::Ground:
        return InLanguage(lang, "Ground point", "Точка профиля");
    case LineRecord::Type:
        return InLanguage(lang, "Tower type", "Тип опоры");
    case LineRecord::Tower:
        return InLanguage(lang, "Tower", "Опора");
    case LineRecord::Crossing:
        return InLanguage(lang, "Crossing", "Пересечение");
    case LineRecord::Forbidden:
        break;
    }
    return InLanguage(lang, "Forbidden stretch", "Запретный участок");
}

std::optional<LineFault> FindLineFault(const LineProfile &line, Lang lang, LineScope scope)
{
    FaultFinder f(lang, scope);
    FindGroundFault(line.ground, f);
    if (!f.fault)
        FindTypeFault(line.types, f);
    if (!f.fault)
        FindTowerFault(line, f);
    if (!f.fault)
        FindCrossingFault(line, f);
    if (!f.fault)
        FindForbiddenFault(line.forbidden, f);
    return f.fault;
}

void CheckLineProfile(const LineProfile &line, Lang lang)
{
    const std::optional<LineFault> fault = FindLineFault(line, lang);
    if (fault)
        throw Error(LineRecordName(fault->record, lang) + " "
                    + FormatInt(static_cast<std::int64_t>(fault->index + 1)) + ", " + fault->field
                    + ": " + fault->problem);
}

} // namespace velmora
