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
    case 2: return rec.Diam;
    case 3: return rec.Sech;
    case 4: return rec.PNag;
    case 5: return rec.Modl;
    default: return rec.Koef;
    }
}

} // namespace

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
    const std::size_t length =
        std::min<std::size_t>(static_cast<unsigned char>(bytes[4]), kWireNameMax);
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
    return index < 0 ? TWireRec{} : m_items[static_cast<std::size_t>(index)];
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
        // The order of names is the order of their Windows-1251 bytes.
        std::vector<std::pair<std::string, TWireRec>> keyed;
        keyed.reserve(m_items.size());
        for (auto &rec : m_items)
            keyed.emplace_back(Utf8ToCp1251(rec.Name), std::move(rec));
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
            return std::lexicographical_compare(
                a.first.begin(), a.first.end(), b.first.begin(), b.first.end(),
                [](char x, char y) {
                    return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                });
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
    if (!FileExists(path)) {
        WriteFileAtomically(path, {});
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

TWireRec WireFromTextLine(const std::string &line, std::size_t lineNumber,
                          const std::string &path)
{
    const std::vector<std::string> fields = SplitString(line, ';');
    if (fields.size() < 6)
        throw Error("Line " + std::to_string(lineNumber) + " of \"" + path + "\" has "
                    + std::to_string(fields.size())
                    + " fields; a wire needs at least six (Name;Diam;Sech;PNag;Modl;Koef[;Group])");
    TWireRec rec;
    rec.Name = Utf8Left(fields[0], kWireNameMax);
    rec.Diam = ParseFloat(fields[1]);
    rec.Sech = ParseFloat(fields[2]);
    rec.PNag = ParseFloat(fields[3]);
    rec.Modl = ParseFloat(fields[4]);
    rec.Koef = ParseFloat(fields[5]);
    rec.Group = fields.size() > 6 ? ParseInt(fields[6]) : 7;
    return rec;
}

void TWiresList::ExportToText(const std::string &path) const
{
    TextLineWriter writer;
    for (const auto &rec : m_items)
        writer.Line(WireToTextLine(rec));
    WriteFileAtomically(path, writer.Bytes());
}

std::vector<TWireRec> ParseCatalogueText(std::string_view fileBytes, const std::string &path)
{
    TextLineReader reader(fileBytes);
    std::vector<TWireRec> records;
    while (!reader.AtEnd()) {
        const std::string line = reader.Next();
        records.push_back(WireFromTextLine(line, reader.LineNumber(), path));
    }
    return records;
}

void TWiresList::ImportFromText(const std::string &path)
{
    m_items = ParseCatalogueText(ReadFileBytes(path), path);
}

} // namespace velmora
