#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::xls {

// Record identifiers of the BIFF8 records the library reads or rebuilds.
namespace rec {
constexpr std::uint16_t Formula = 0x0006;
constexpr std::uint16_t Eof = 0x000A;
constexpr std::uint16_t HorizontalPageBreaks = 0x001B;
constexpr std::uint16_t Continue = 0x003C;
constexpr std::uint16_t DefColWidth = 0x0055;
constexpr std::uint16_t ColInfo = 0x007D;
constexpr std::uint16_t Boundsheet = 0x0085;
constexpr std::uint16_t MulRk = 0x00BD;
constexpr std::uint16_t MulBlank = 0x00BE;
constexpr std::uint16_t RString = 0x00D6;
constexpr std::uint16_t DbCell = 0x00D7;
constexpr std::uint16_t MergedCells = 0x00E5;
constexpr std::uint16_t Sst = 0x00FC;
constexpr std::uint16_t LabelSst = 0x00FD;
constexpr std::uint16_t ExtSst = 0x00FF;
constexpr std::uint16_t Dimensions = 0x0200;
constexpr std::uint16_t Blank = 0x0201;
constexpr std::uint16_t Number = 0x0203;
constexpr std::uint16_t Label = 0x0204;
constexpr std::uint16_t BoolErr = 0x0205;
constexpr std::uint16_t String = 0x0207;
constexpr std::uint16_t Row = 0x0208;
constexpr std::uint16_t Index = 0x020B;
constexpr std::uint16_t Array = 0x0221;
constexpr std::uint16_t DefaultRowHeight = 0x0225;
constexpr std::uint16_t Table = 0x0236;
constexpr std::uint16_t Window2 = 0x023E;
constexpr std::uint16_t Rk = 0x027E;
constexpr std::uint16_t ShrFmla = 0x04BC;
constexpr std::uint16_t Bof = 0x0809;
} // namespace rec

// The largest record body BIFF8 allows; longer contents go on in CONTINUE records.
constexpr std::size_t MaxRecordData = 8224;

// One record as kept in memory: identifier and body, without the 4-byte header.
struct Record
{
    std::uint16_t id = 0;
    std::string data;
};

// A record inside the loaded stream: the body is a view into that stream.
struct RecordView
{
    std::uint16_t id = 0;
    std::uint32_t offset = 0; // of the record header in the stream, bytes
    std::string_view data;
};

// Reads the records of one substream, from the BOF at offset to its matching EOF (nested
// substreams such as embedded charts are taken whole). `limit` is the offset where the
// substream must have ended. what names the substream in messages ("the workbook globals",
// "sheet \"Report\""). Throws Error "record at offset N overruns the stream",
// "<what> does not start with a BOF record" or "<what> has no EOF record".
std::vector<RecordView> ReadSubstream(std::string_view stream, std::size_t offset,
                                      std::size_t limit, const std::string &what);

// Appends one record (header and body) to out. Bodies the library builds fit MaxRecordData;
// bodies kept from a loaded file are written back as they came (at most 65535 bytes).
void AppendRecord(std::string &out, std::uint16_t id, std::string_view data);

// The most manual row page breaks a BIFF8 sheet holds (one HORIZONTALPAGEBREAKS record).
constexpr std::size_t MaxRowPageBreaks = 1026;

// The body of a HORIZONTALPAGEBREAKS record: a count, then for each break the row that starts
// the new page (zero-based) and the columns it spans, 0..255. rows are ascending, 1..65535,
// and at most MaxRowPageBreaks.
std::string HorizontalPageBreaksBody(const std::vector<int> &rows);
// The rows of such a body; a body shorter than its count says yields the breaks it holds.
std::vector<int> ParseHorizontalPageBreaks(std::string_view body);

} // namespace velmora::xls
