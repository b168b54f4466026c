#pragma once

#include "data/wirerec.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The file form of one record: 61 bytes, little-endian, no padding: int32 Group, a length
// byte (0..16) and 16 name bytes in Windows-1251, then the five float64 numbers in field order.
constexpr std::size_t kWireRecSize = 61;
constexpr std::size_t kWireNameMax = 16;

// Names longer than 16 characters are cut; the unused name bytes are written as zeros.
std::string EncodeWireRec(const TWireRec &rec);
// bytes must hold at least 61 bytes; only the first 61 are read. A length byte above 16
// (a damaged file) is taken as 16. Numbers are taken as stored, NaN and infinities included.
TWireRec DecodeWireRec(std::string_view bytes);

// The catalogue: an ordered list of records. Order matters: it is the order of the file and
// of the window, and the first of two records with the same name wins a lookup.
// Index errors throw Error "List index out of bounds (<index>)".
class TWiresList
{
public:
    int Add(const TWireRec &rec); // returns the new record's index
    int Count() const { return static_cast<int>(m_items.size()); }
    void Clear() { m_items.clear(); }
    TWireRec GetWire(int index) const;
    TWireRec &Items(int index);
    const TWireRec &Items(int index) const;
    void Delete(int index);

    // Names compare equal only with the same bytes: no case folding, no trimming.
    int IndexOfName(const std::string &name) const; // -1 when absent
    TWireRec FindByName(const std::string &name) const; // the empty record when absent
    int CountInGroup(int group) const;

    // Ascending by key 1 Name (Windows-1251 bytes, unsigned; a prefix first), 2 Diam, 3 Sech,
    // 4 PNag, 5 Modl, 6 Koef. Any other key leaves the list as it is. NaN sorts last.
    void SortBy(int key);

    // Appends the records of a catalogue file (a trailing fragment under 61 bytes is not
    // read); a missing file is created empty. Errors name the file and the system's reason.
    void LoadFromFile(const std::string &path);
    // Writes every record through a temporary file renamed over path.
    void SaveToFile(const std::string &path);
    // One line per record, "Name;Diam;Sech;PNag;Modl;Koef;Group", Windows-1251, CR LF.
    void ExportToText(const std::string &path) const;
    // Replaces the whole list by the lines of a text file, or leaves it untouched when any
    // line fails: "'<field>' is not a valid floating point value", "'<field>' is not a valid
    // integer value", or "Line <n> of "<path>" has <k> fields; a wire needs at least six
    // (Name;Diam;Sech;PNag;Modl;Koef[;Group])". A line of six fields gets Group 7.
    void ImportFromText(const std::string &path);

    const std::string &FileName() const { return m_fileName; }

private:
    void CheckIndex(int index) const;

    std::vector<TWireRec> m_items;
    std::string m_fileName;
};

// The records of a whole catalogue file's bytes (a trailing fragment is not read), and of
// a whole text file's bytes (Windows-1251; throws as ImportFromText, path names the file).
std::vector<TWireRec> DecodeCatalogue(std::string_view fileBytes);
std::vector<TWireRec> ParseCatalogueText(std::string_view fileBytes, const std::string &path);

// One line of the text form (UTF-8) to a record and back; the reader throws the texts of
// ImportFromText, naming lineNumber and path in the field-count error.
TWireRec WireFromTextLine(const std::string &line, std::size_t lineNumber, const std::string &path);
std::string WireToTextLine(const TWireRec &rec);

} // namespace velmora
