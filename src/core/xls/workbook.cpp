#include "xls/workbook.h"

#include "common/error.h"
#include "common/fileio.h"
#include "xls/bytes.h"
#include "xls/sst.h"
#include "xls/xlstring.h"

#include <algorithm>

namespace velmora::xls {

namespace {

constexpr unsigned Biff8 = 0x0600;
constexpr unsigned GlobalsKind = 0x0005;
constexpr std::uint32_t NoString = 0xFFFFFFFF;

struct SheetEntry
{
    std::uint32_t offset = 0;
    bool worksheet = false;
    std::string name;
};

} // namespace

Workbook::Workbook()
    : m_pool(std::make_unique<StringPool>())
{
}

Workbook::Workbook(Workbook &&) noexcept = default;
Workbook &Workbook::operator=(Workbook &&) noexcept = default;
Workbook::~Workbook() = default;

Workbook Workbook::Load(const std::string &path)
{
    return FromBytes(ReadFileBytes(path));
}

Workbook Workbook::FromBytes(std::string_view bytes)
{
    Workbook book;
    std::string stream;
    book.m_container = ReadCompound(bytes, stream);
    book.LoadStream(stream);
    return book;
}

Workbook Workbook::FromStream(std::string_view stream)
{
    Workbook book;
    book.LoadStream(stream);
    return book;
}

void Workbook::LoadStream(std::string_view stream)
{
    if (stream.size() < 8 || Get16(stream.data()) != rec::Bof)
        throw Error("not an Excel 97-2003 workbook: the workbook stream does not start with a "
                    "BOF record");
    const unsigned version = Get16(stream.data() + 4);
    if (version != Biff8)
        throw Error("not an Excel 97-2003 workbook: it is in an older Excel format");
    const std::vector<RecordView> globals
        = ReadSubstream(stream, 0, stream.size(), "the workbook globals substream");
    if (globals.front().data.size() < 4 || Get16(globals.front().data.data() + 2) != GlobalsKind)
        throw Error("not an Excel 97-2003 workbook: the stream does not start with the workbook "
                    "globals");

    std::vector<SheetEntry> sheets;
    bool sawSst = false;
    for (std::size_t i = 0; i < globals.size(); ++i) {
        const RecordView &r = globals[i];
        if (r.id == rec::Sst && !sawSst) {
            std::vector<std::string_view> bodies {r.data};
            while (i + 1 < globals.size() && globals[i + 1].id == rec::Continue)
                bodies.push_back(globals[++i].data);
            if (r.data.size() < 8)
                throw Error("the shared-string table overruns its records");
            ReadSharedStrings(bodies, *m_pool);
            m_globals.push_back({rec::Sst, {}});
            sawSst = true;
            continue;
        }
        if (r.id == rec::ExtSst || r.id == rec::Sst)
            continue; // rebuilt with the shared-string table
        if (r.id == rec::Boundsheet) {
            if (r.data.size() < 8)
                throw Error("sheet record at offset " + std::to_string(r.offset) + " is too short");
            SheetEntry entry;
            entry.offset = Get32(r.data.data());
            // Worksheets and macro sheets hold cells (and so refer to the shared strings).
            entry.worksheet = static_cast<unsigned char>(r.data[5]) <= 1;
            std::size_t pos = 6;
            entry.name = ReadRecordString(r.data, pos, true,
                                          "sheet name at offset " + std::to_string(r.offset));
            sheets.push_back(std::move(entry));
        }
        m_globals.push_back({r.id, std::string(r.data)});
    }
    if (!sawSst)
        m_globals.insert(m_globals.end() - 1, {rec::Sst, {}});

    // Sheets are read in stream order; each must end before the next begins.
    const std::size_t globalsEnd = globals.back().offset + 4 + globals.back().data.size();
    std::vector<std::size_t> order(sheets.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return sheets[a].offset < sheets[b].offset; });
    std::vector<std::unique_ptr<Worksheet>> loaded(sheets.size());
    std::size_t usedUpTo = globalsEnd;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const SheetEntry &entry = sheets[order[k]];
        const std::string what = "sheet \"" + entry.name + "\"";
        if (entry.offset < usedUpTo || entry.offset >= stream.size())
            throw Error(what + " starts at offset " + std::to_string(entry.offset)
                        + ", outside the workbook stream or inside another part of it");
        const std::size_t limit = k + 1 < order.size()
            ? std::min<std::size_t>(sheets[order[k + 1]].offset, stream.size())
            : stream.size();
        const std::vector<RecordView> records = ReadSubstream(stream, entry.offset, limit, what);
        usedUpTo = records.back().offset + 4 + records.back().data.size();
        auto sheet = std::make_unique<Worksheet>(*m_pool, entry.name, entry.worksheet);
        sheet->Load(records);
        loaded[order[k]] = std::move(sheet);
    }
    m_sheets = std::move(loaded);
}

Worksheet &Workbook::Sheet(int index)
{
    if (index < 0 || index >= SheetCount())
        throw Error("the workbook has no sheet " + std::to_string(index + 1));
    return *m_sheets[index];
}

const Worksheet &Workbook::Sheet(int index) const
{
    if (index < 0 || index >= SheetCount())
        throw Error("the workbook has no sheet " + std::to_string(index + 1));
    return *m_sheets[index];
}

std::string Workbook::StreamBytes() const
{
    // The shared strings in the order the cells first use them.
    std::vector<std::uint32_t> sstIndex(m_pool->Size(), NoString);
    std::vector<const SharedString *> strings;
    std::uint32_t refs = 0;
    for (const auto &sheet : m_sheets) {
        sheet->ForEachSharedText([&](std::uint32_t text) {
            ++refs;
            if (sstIndex[text] == NoString) {
                sstIndex[text] = static_cast<std::uint32_t>(strings.size());
                strings.push_back(&m_pool->At(text));
            }
        });
    }
    const SstBlock sst = WriteSharedStrings(strings, refs);

    std::string out;
    std::size_t size = 0;
    for (const Record &r : m_globals)
        size += 4 + r.data.size();
    for (const std::string &body : sst.bodies)
        size += 4 + body.size();
    for (const auto &sheet : m_sheets)
        size += sheet->SizeHint();
    out.reserve(size + 2048); // one buffer: growing a large one costs more than the writing
    std::vector<std::size_t> sheetOffsetAt;
    for (std::size_t i = 0; i < m_globals.size(); ++i) {
        const Record &r = m_globals[i];
        if (r.id == rec::Sst && r.data.empty()) {
            const std::size_t sstAt = out.size();
            for (std::size_t b = 0; b < sst.bodies.size(); ++b)
                AppendRecord(out, b == 0 ? rec::Sst : rec::Continue, sst.bodies[b]);
            AppendRecord(out, rec::ExtSst, WriteExtSst(sst, sstAt));
            continue;
        }
        if (r.id == rec::Boundsheet)
            sheetOffsetAt.push_back(out.size() + 4);
        AppendRecord(out, r.id, r.data);
    }
    for (std::size_t s = 0; s < m_sheets.size(); ++s) {
        Set32(out, sheetOffsetAt[s], static_cast<std::uint32_t>(out.size()));
        m_sheets[s]->Write(out, sstIndex);
    }
    return out;
}

std::string Workbook::ToBytes() const
{
    return WriteCompound(StreamBytes(), m_container);
}

void Workbook::Save(const std::string &path) const
{
    SaveCompound(StreamBytes(), m_container, path);
}

} // namespace velmora::xls
