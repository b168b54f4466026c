#include "catalogue/wires.h"

#include "common/cp1251.h"
#include "common/error.h"
#include "common/fileio.h"
#include "common/numtext.h"
#include "common/textlines.h"
#include "l10n/localization.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace velmora {

namespace {

void PutLE(std::string &out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t GetLE(std::string_view bytes, std::size_t offset, int count)
{
    std::uint64_t value = 0;
    for (int i = 0; i < count; ++i)
        value |= std::uint64_t(static_cast<unsigned char>(bytes[offset + i])) << (8 * i);
    return value;
}

void PutDouble(std::string &out, double value)
{
    PutLE(out, std::bit_cast<std::uint64_t>(value), 8);
}

double GetDouble(std::string_view bytes, std::size_t offset)
{
    return std::bit_cast<double>(GetLE(bytes, offset, 8));
}

// -1, 0 or 1; NaN counts as larger than every number so that the order stays total.
int CompareNumbers(double a, double b)
{
    const bool nanA = std::isnan(a), nanB = std::isnan(b);
    if (nanA || nanB)
        return int(nanA) - int(nanB);
    return a < b ? -1 : (a > b ? 1 : 0);
}

double NumberField(const TWireRec &rec, int key)
{
    switch (key) {
    case 2:
        return rec.Diam;
    case 3:
        return rec.Sech;
    case 4:
        return rec.PNag;
    case 5:
        return rec.Modl;
    default:
        return rec.Koef;
    }
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// -1, 0 or 1 for two runs of digits by their value: fewer digits after the leading zeros is
// smaller, equal lengths compare digit by digit.
int CompareDigitRuns(std::string_view a, std::string_view b)
{
    const auto significant = [](std::string_view run) {
        const std::size_t first = run.find_first_not_of('0');
        return first == std::string_view::npos ? std::string_view() : run.substr(first);
    };
    a = significant(a);
    b = significant(b);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// The natural order of two Windows-1251 names (NameLess).
bool NaturalLess(std::string_view a, std::string_view b)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            std::size_t endA = i, endB = j;
            while (endA < a.size() && IsDigit(a[endA]))
                ++endA;
            while (endB < b.size() && IsDigit(b[endB]))
                ++endB;
            if (const int c = CompareDigitRuns(a.substr(i, endA - i), b.substr(j, endB - j)))
                return c < 0;
            i = endA;
            j = endB;
            continue;
        }
        const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[j]);
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return j < b.size(); // the one that ended first is a prefix
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

} // namespace

bool NameLess(const std::string &a, const std::string &b)
{
    return NaturalLess(Utf8ToCp1251(a), Utf8ToCp1251(b));
}

std::string EncodeWireRec(const TWireRec &rec)
{
    std::string out;
    out.reserve(kWireRecSize);
    PutLE(out, static_cast<std::uint32_t>(rec.Group), 4);
    std::string name = Utf8ToCp1251(rec.Name);
    if (name.size() > kWireNameMax)
        name.resize(kWireNameMax);
    out += static_cast<char>(name.size());
    out += name;
    out.append(kWireNameMax - name.size(), '\0');
    for (double v : {rec.Diam, rec.Sech, rec.PNag, rec.Modl, rec.Koef})
        PutDouble(out, v);
    return out;
}

TWireRec DecodeWireRec(std::string_view bytes)
{
    if (bytes.size() < kWireRecSize)
        throw Error("A catalogue record needs 61 bytes, found " + std::to_string(bytes.size()));
    TWireRec rec;
    rec.Group = static_cast<std::int32_t>(static_cast<std::uint32_t>(GetLE(bytes, 0, 4)));
    const std::size_t length
        = std::min<std::size_t>(static_cast<unsigned char>(bytes[4]), kWireNameMax);
    rec.Name = Cp1251ToUtf8(bytes.substr(5, length));
    rec.Diam = GetDouble(bytes, 21);
    rec.Sech = GetDouble(bytes, 29);
    rec.PNag = GetDouble(bytes, 37);
    rec.Modl = GetDouble(bytes, 45);
    rec.Koef = GetDouble(bytes, 53);
    return rec;
}

void TWiresList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw Error("List index out of bounds (" + std::to_string(index) + ")");
}

int TWiresList::Add(const TWireRec &rec)
{
    m_items.push_back(rec);
    return Count() - 1;
}

TWireRec TWiresList::GetWire(int index) const
{
    CheckIndex(index);
    return m_items[static_cast<std::size_t>(index)];
}

TWireRec &TWiresList::Items(int index)
{
    CheckIndex(index);
    return m_items[static_cast<std::size_t>(index)];
}

const TWireRec &TWiresList::Items(int index) const
{
    CheckIndex(index);
    return m_items[static_cast<std::size_t>(index)];
}

void TWiresList::Delete(int index)
{
    CheckIndex(index);
    m_items.erase(m_items.begin() + index);
}

int TWiresList::IndexOfName(const std::string &name) const
{
    const auto it = std::find_if(m_items.begin(), m_items.end(),
                                 [&](const TWireRec &r) { return r.Name == name; });
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

TWireRec TWiresList::FindByName(const std::string &name) const
{
    const int index = IndexOfName(name);
    return index < 0 ? TWireRec {} : m_items[static_cast<std::size_t>(index)];
}

int TWiresList::CountInGroup(int group) const
{
    return static_cast<int>(std::count_if(m_items.begin(), m_items.end(),
                                          [&](const TWireRec &r) { return r.Group == group; }));
}

void TWiresList::SortBy(int key)
{
    if (key < 1 || key > 6)
        return;
    if (key == 1) {
        // Names are compared in their Windows-1251 form, converted once.
        std::vector<std::pair<std::string, TWireRec>> keyed;
        keyed.reserve(m_items.size());
        for (auto &rec : m_items)
            keyed.emplace_back(Utf8ToCp1251(rec.Name), std::move(rec));
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
            return NaturalLess(a.first, b.first);
        });
        for (std::size_t i = 0; i < keyed.size(); ++i)
            m_items[i] = std::move(keyed[i].second);
        return;
    }
    std::stable_sort(m_items.begin(), m_items.end(), [key](const TWireRec &a, const TWireRec &b) {
        return CompareNumbers(NumberField(a, key), NumberField(b, key)) < 0;
    });
}

std::vector<TWireRec> DecodeCatalogue(std::string_view fileBytes)
{
    std::vector<TWireRec> records;
    records.reserve(fileBytes.size() / kWireRecSize);
    for (std::size_t pos = 0; pos + kWireRecSize <= fileBytes.size(); pos += kWireRecSize)
        records.push_back(DecodeWireRec(fileBytes.substr(pos, kWireRecSize)));
    return records;
}

void TWiresList::LoadFromFile(const std::string &path)
{
    // A file another run made meanwhile is read as any other.
    if (!FileExists(path) && CreateFileAtomically(path, {})) {
        m_fileName = path;
        return;
    }
    const std::vector<TWireRec> read = DecodeCatalogue(ReadFileBytes(path));
    m_items.insert(m_items.end(), read.begin(), read.end());
    m_fileName = path;
}

void TWiresList::SaveToFile(const std::string &path)
{
    std::string bytes;
    bytes.reserve(m_items.size() * kWireRecSize);
    for (const auto &rec : m_items)
        bytes += EncodeWireRec(rec);
    WriteFileAtomically(path, bytes);
    m_fileName = path;
}

std::string WireToTextLine(const TWireRec &rec)
{
    std::string line = rec.Name;
    for (double v : {rec.Diam, rec.Sech, rec.PNag, rec.Modl, rec.Koef})
        line += ";" + FormatNumber(v);
    line += ";" + FormatInt(rec.Group);
    return line;
}

TWireRec WireFromTextLine(const std::string &line, std::size_t lineNumber, const std::string &path)
{
    const std::vector<std::string> fields = SplitString(line, ';');
    if (fields.size() < 6)
        throw Error(
            "Line " + std::to_string(lineNumber) + " of \"" + path + "\" has "
                + std::to_string(fields.size())
                + " fields; a wire needs at least six (Name;Diam;Sech;PNag;Modl;Koef[;Group])",
            "В строке " + std::to_string(lineNumber) + " файла «" + path + "» полей "
                + std::to_string(fields.size())
                + ", а проводу нужно не меньше шести (Name;Diam;Sech;PNag;Modl;Koef[;Group])");
    TWireRec rec;
    // The name as the catalogue file can hold it: a character Windows-1251 lacks shows as "?"
    // at once, not only after the catalogue was saved and read again.
    rec.Name = Cp1251ToUtf8(Utf8ToCp1251(Utf8Left(fields[0], kWireNameMax)));
    // A value that does not convert is told with its line and its field.
    const auto field = [&](std::size_t index, const char *english, const char *russian,
                           auto parse) {
        try {
            return parse(fields[index]);
        } catch (const ConversionError &e) {
            const std::string number = std::to_string(lineNumber);
            throw ConversionError(
                "Line " + number + " of \"" + path + "\", " + english + ": " + e.what(),
                "Строка " + number + " файла «" + path + "», " + russian + ": " + e.Russian());
        }
    };
    const auto real = [](const std::string &text) { return ParseFloat(text); };
    rec.Diam = field(1, "the diameter (Diam)", "диаметр (Diam)", real);
    rec.Sech = field(2, "the cross-section (Sech)", "сечение (Sech)", real);
    rec.PNag = field(3, "the weight per metre (PNag)", "погонный вес (PNag)", real);
    rec.Modl = field(4, "the modulus of elasticity (Modl)", "модуль упругости (Modl)", real);
    rec.Koef = field(5, "the expansion coefficient (Koef)", "коэффициент расширения (Koef)", real);
    rec.Group = fields.size() > 6 ? field(6, "the group (Group)", "группа (Group)",
                                          [](const std::string &text) { return ParseInt(text); })
                                  : 7;
    return rec;
}

void TWiresList::ExportToText(const std::string &path) const
{
    TextLineWriter writer;
    for (const auto &rec : m_items)
        writer.Line(WireToTextLine(rec));
    WriteFileAtomically(path, writer.Bytes());
}

CatalogueText ParseCatalogueText(std::string_view fileBytes, const std::string &path)
{
    CatalogueText text;
    text.encoding = DetectTextEncoding(fileBytes);
    TextLineReader reader(fileBytes, text.encoding);
    while (!reader.AtEnd()) {
        const std::string line = reader.Next();
        text.wires.push_back(WireFromTextLine(line, reader.LineNumber(), path));
    }
    return text;
}

CatalogueText ReadCatalogueText(const std::string &path)
{
    return ParseCatalogueText(ReadFileBytes(path), path);
}

void TWiresList::ImportFromText(const std::string &path)
{
    m_items = ReadCatalogueText(path).wires;
}

} // namespace velmora
