#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora::xls {

// One string of the shared-string table. Rich-text runs and phonetic data are kept as
// their raw bytes so that formatted strings of a template survive a save unchanged.
struct SharedString
{
    std::string text; // UTF-8
    std::string runs; // formatting runs, 4 bytes each
    std::string extRst; // phonetic block
};

// The texts of all cells of a workbook. Entries are never removed; saving writes only the
// strings that cells still refer to.
class StringPool
{
public:
    // A plain text, shared with an equal plain text already in the pool.
    std::uint32_t AddText(std::string_view utf8);
    // A string as read from a file, always as a new entry (its index is its SST index).
    std::uint32_t AddLoaded(SharedString entry);

    const SharedString &At(std::uint32_t index) const { return m_entries[index]; }
    std::size_t Size() const { return m_entries.size(); }

private:
    std::vector<SharedString> m_entries;
    std::unordered_map<std::string, std::uint32_t> m_plain;
};

// Reads the strings of an SST record body and the bodies of the CONTINUE records after it
// into pool. Strings may be split across the records; where the split falls inside the
// characters, the next record starts with a repeated option byte. Returns the number of
// strings read. Throws Error "the shared-string table overruns its records".
std::size_t ReadSharedStrings(const std::vector<std::string_view> &bodies, StringPool &pool);

// The SST record and its CONTINUE records, and where each EXTSST bucket starts.
struct SstBlock
{
    std::vector<std::string> bodies; // SST body first, then CONTINUE bodies
    struct Mark
    {
        std::size_t body = 0; // index in bodies
        std::size_t offset = 0; // of the string in that body, bytes
    };
    std::vector<Mark> buckets;
    unsigned stringsPerBucket = 8;
};

// Builds the shared-string table for the given strings (in SST order); totalRefs is the
// number of cells that refer to them.
SstBlock WriteSharedStrings(const std::vector<const SharedString *> &strings,
                            std::uint32_t totalRefs);

// The EXTSST body for an SST block whose SST record header starts at sstOffset in the stream.
std::string WriteExtSst(const SstBlock &block, std::size_t sstOffset);

} // namespace velmora::xls
