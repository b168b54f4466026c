#pragma once

#include "common/textlines.h"
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

    // Ascending by key 1 Name (NameLess), 2 Diam, 3 Sech, 4 PNag, 5 Modl, 6 Koef. Any other
    // key leaves the list as it is. NaN sorts last.
    void SortBy(int key);

    // Appends the records of a catalogue file (a trailing fragment under 61 bytes is not
    // read); a missing file is created empty. Errors name the file and the system's reason.
    void LoadFromFile(const std::string &path);
    // Writes every record through a temporary file renamed over path.
    void SaveToFile(const std::string &path);
    // One line per record, "Name;Diam;Sech;PNag;Modl;Koef;Group", Windows-1251, CR LF.
    void ExportToText(const std::string &path) const;
    // Replaces the whole list by the lines of a text file (ReadCatalogueText), or leaves it
    // untouched when the file cannot be read or any line fails.
    void ImportFromText(const std::string &path);
    // Replaces the whole list; FileName stays.
    void Replace(std::vector<TWireRec> records) { m_items = std::move(records); }

    const std::string &FileName() const { return m_fileName; }
    // Where SaveToFile(FileName()) writes, for a list read from elsewhere.
    void SetFileName(const std::string &path) { m_fileName = path; }

private:
    void CheckIndex(int index) const;

    std::vector<TWireRec> m_items;
    std::string m_fileName;
};

// The order of names: runs of digits compare by their value ("А 16" before "А 120"), the text
// between them by its Windows-1251 bytes (unsigned; a prefix first, digits before letters).
// Names equal so far (as "A 07" and "A 7") go by their bytes.
bool NameLess(const std::string &a, const std::string &b);

// The records of a whole catalogue file's bytes (a trailing fragment is not read).
std::vector<TWireRec> DecodeCatalogue(std::string_view fileBytes);

// The text form read back: the records in file order and the encoding the file was read in
// (DetectTextEncoding: UTF-8 when the file is valid UTF-8, else Windows-1251).
struct CatalogueText
{
    std::vector<TWireRec> wires;
    TextEncoding encoding = TextEncoding::Windows1251;
};
// The records of a whole text file's bytes; path names the file in messages. A line that
// fails throws "'<field>' is not a valid floating point value", "'<field>' is not a valid
// integer value", or "Line <n> of "<path>" has <k> fields; a wire needs at least six
// (Name;Diam;Sech;PNag;Modl;Koef[;Group])". A line of six fields gets Group 7.
CatalogueText ParseCatalogueText(std::string_view fileBytes, const std::string &path);
// The same for the file at path; its read error names the file.
CatalogueText ReadCatalogueText(const std::string &path);

// One line of the text form (UTF-8) to a record and back; the reader throws the texts of
// ImportFromText, naming lineNumber and path in the field-count error.
TWireRec WireFromTextLine(const std::string &line, std::size_t lineNumber, const std::string &path);
std::string WireToTextLine(const TWireRec &rec);

} // namespace velmora
