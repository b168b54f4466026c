#include "xls/records.h"

#include "common/error.h"
#include "xls/bytes.h"
#include "xls/cell.h"

#include <cassert>

namespace velmora::xls {

std::vector<RecordView> ReadSubstream(std::string_view stream, std::size_t offset,
                                      std::size_t limit, const std::string &what)
{
    std::vector<RecordView> records;
    int depth = 0;
    std::size_t pos = offset;
    while (pos < limit) {
        if (limit - pos < 4)
            throw Error("record at offset " + std::to_string(pos) + " overruns the stream");
        const std::uint16_t id = Get16(stream.data() + pos);
        const std::uint16_t size = Get16(stream.data() + pos + 2);
        if (limit - pos - 4 < size)
            throw Error("record at offset " + std::to_string(pos) + " overruns the stream");
        if (records.empty() && id != rec::Bof)
            throw Error(what + " does not start with a BOF record");
        records.push_back({id, static_cast<std::uint32_t>(pos), stream.substr(pos + 4, size)});
        pos += 4 + std::size_t(size);
        if (id == rec::Bof)
            ++depth;
        else if (id == rec::Eof && --depth == 0)
            return records;
    }
    throw Error(what + " has no EOF record");
}

void AppendRecord(std::string &out, std::uint16_t id, std::string_view data)
{
    assert(data.size() <= 0xFFFF);
    Put16(out, id);
    Put16(out, static_cast<unsigned>(data.size()));
    out.append(data);
}

std::string HorizontalPageBreaksBody(const std::vector<int> &rows)
{
    assert(rows.size() <= MaxRowPageBreaks);
    std::string body;
    Put16(body, static_cast<unsigned>(rows.size()));
    for (int row : rows) {
        Put16(body, static_cast<unsigned>(row));
        Put16(body, 0);
        Put16(body, MaxCols - 1);
    }
    return body;
}

std::vector<int> ParseHorizontalPageBreaks(std::string_view body)
{
    std::vector<int> rows;
    if (body.size() < 2)
        return rows;
    const std::size_t count = Get16(body.data());
    for (std::size_t i = 0; i < count && 2 + 6 * (i + 1) <= body.size(); ++i)
        rows.push_back(Get16(body.data() + 2 + 6 * i));
    return rows;
}

} // namespace velmora::xls
