#include "gui/profile/profileimport.h"

#include "common/fileio.h"
#include "common/numtext.h"
#include "common/textlines.h"
#include "data/linetext.h"
#include "gui/uitext.h"
#include "import/landxml.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

namespace velmora {

namespace {

// How many records the question shows as read.
constexpr std::size_t ShownRecords = 3;

QString Num(double value)
{
    return QString::fromStdString(FormatNumber(value));
}

QString Name(const std::string &name)
{
    return QString::fromStdString(name);
}

// A record as its file holds it, fields joined by "; ".
QString RecordText(const GroundPoint &p, const LineProfile &)
{
    return Num(p.x) + QStringLiteral("; ") + Num(p.z);
}
QString RecordText(const TowerType &t, const LineProfile &)
{
    return QStringList {Name(t.name),       Num(t.height),        Num(t.cost),
                        Num(t.maxWindSpan), Num(t.maxWeightSpan), Num(t.minWeightSpan)}
        .join(QStringLiteral("; "));
}
QString RecordText(const Tower &t, const LineProfile &line)
{
    return Num(t.station) + QStringLiteral("; ")
        + Name(line.types.at(static_cast<std::size_t>(t.type)).name);
}
QString RecordText(const Crossing &c, const LineProfile &)
{
    return QStringList {Num(c.station), Num(c.top), Num(c.clearance), Name(c.name)}.join(
        QStringLiteral("; "));
}
QString RecordText(const ForbiddenStretch &f, const LineProfile &)
{
    return Num(f.from) + QStringLiteral("; ") + Num(f.to);
}

// "0; 152.3 | 5; 152.8 | 10; 153.1 | …": the first records as read.
template<typename T> QString FirstRecords(const std::vector<T> &records, const LineProfile &line)
{
    QStringList shown;
    for (std::size_t i = 0; i < std::min(records.size(), ShownRecords); ++i)
        shown << RecordText(records[i], line);
    if (records.size() > ShownRecords)
        shown << QStringLiteral("…");
    return shown.join(QStringLiteral("  |  "));
}

const char *KindKey(LineImportKind kind)
{
    switch (kind) {
    case LineImportKind::Ground:
        return "Profile_kind_ground";
    case LineImportKind::Types:
        return "Profile_kind_types";
    case LineImportKind::Towers:
        return "Profile_kind_towers";
    case LineImportKind::Crossings:
        return "Profile_kind_crossings";
    case LineImportKind::Forbidden:
        break;
    }
    return "Profile_kind_forbidden";
}

// The tower types of the file, then those of current that its towers use and the file lacks;
// the towers' type indexes follow the names into the new list.
void TakeTypes(LineProfile &line, std::vector<TowerType> types)
{
    std::vector<int> index(line.types.size(), -1);
    for (Tower &tower : line.towers) {
        const auto old = static_cast<std::size_t>(tower.type);
        if (index[old] < 0) {
            const auto same = std::find_if(types.begin(), types.end(), [&](const TowerType &t) {
                return t.name == line.types[old].name;
            });
            if (same == types.end()) {
                types.push_back(line.types[old]);
                index[old] = static_cast<int>(types.size() - 1);
            } else {
                index[old] = static_cast<int>(same - types.begin());
            }
        }
        tower.type = index[old];
    }
    line.types = std::move(types);
}

// What an import took into the line: how many records it held, how many the file gave, and
// the first of them as read (for the question).
struct Taken
{
    std::size_t now = 0;
    std::size_t read = 0;
    QString shown;
};

// Puts the file's records of line's field through put. They are shown before put, while line
// still has the tower types they name.
template<typename T, typename Put>
Taken Take(LineProfile &line, std::vector<T> LineProfile::*field, std::vector<T> records, Put put)
{
    Taken taken {(line.*field).size(), records.size(), FirstRecords(records, line)};
    put(line, std::move(records));
    return taken;
}

// The file's records in place of line's in field.
template<typename T>
Taken Replace(LineProfile &line, std::vector<T> LineProfile::*field, std::vector<T> records)
{
    return Take(line, field, std::move(records), [field](LineProfile &into, std::vector<T> taken) {
        into.*field = std::move(taken);
    });
}

} // namespace

LineImport ReadLineImport(LineImportKind kind, const QString &path, const LineProfile &current,
                          Lang lang)
{
    const std::string file = QFile::encodeName(path).toStdString();
    const std::string bytes = ReadFileBytes(file);
    LineImport result;
    result.line = current;
    LineProfile &line = result.line;
    Taken taken;
    bool text = true;
    switch (kind) {
    case LineImportKind::Ground:
        text = !LooksLikeXml(bytes);
        taken = Replace(
            line, &LineProfile::ground,
            (text ? ReadGroundText(bytes, file, lang) : ReadGroundLandXml(bytes, file, lang))
                .items);
        break;
    case LineImportKind::Types:
        taken = Take(line, &LineProfile::types, ReadTowerTypesText(bytes, file, lang).items,
                     TakeTypes);
        break;
    case LineImportKind::Towers:
        taken = Replace(line, &LineProfile::towers,
                        ReadTowersText(bytes, file, line.types, lang).items);
        break;
    case LineImportKind::Crossings:
        taken = Replace(line, &LineProfile::crossings, ReadCrossingsText(bytes, file, lang).items);
        break;
    case LineImportKind::Forbidden:
        taken = Replace(line, &LineProfile::forbidden, ReadForbiddenText(bytes, file, lang).items);
        break;
    }
    result.question
        = UiText("Profile_import_question")
              .arg(UiText(KindKey(kind)), QFileInfo(path).fileName(), QString::number(taken.read),
                   QString::number(taken.now), taken.shown);
    if (text)
        result.question += QStringLiteral("\n\n")
            + UiText(DetectTextEncoding(bytes) == TextEncoding::Utf8 ? "Read_as_utf8"
                                                                     : "Read_as_1251");
    return result;
}

} // namespace velmora
