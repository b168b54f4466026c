#include "catalogue/groups.h"

#include <array>

namespace velmora {

namespace {

struct GroupCaption
{
    const char *english;
    const char *russian;
};

// The "Е" of group 1 is Cyrillic in both languages, and the document number of group 3
// reads differently in the two languages: both as the captions have always been shown.
constexpr std::array<GroupCaption, 8> kGroups = {{
    {"Reference fully", "Справочник полностью"},
    {"Wires according to National Standard 839-80*Е", "Провода ГОСТ 839-80*Е"},
    {"Wires according to Technical Conditions 3511-001-40914170-2012",
     "Провода ТУ 3511-001-40914170-2012"},
    {"Wires according to Technical Conditions 16-707.183-81", "Провода ТУ 16-705.183-81"},
    {"Self-supporting insulated wires", "Самонесущие изолированные провода"},
    {"Steel wires, cords, ropes", "Стальные провода, тросы, канаты"},
    {"Self-supporting fiber optic cables", "Самонесущие оптоволоконные кабели"},
    {"Others", "Прочие"},
}};

} // namespace

std::string GroupName(int index, Lang lang)
{
    if (index < 0 || index >= static_cast<int>(kGroups.size()))
        return {};
    const GroupCaption &g = kGroups[static_cast<std::size_t>(index)];
    return lang == Lang::English ? g.english : g.russian;
}

} // namespace velmora
