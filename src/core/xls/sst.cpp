#include "xls/sst.h"

#include "common/error.h"
#include "xls/bytes.h"
#include "xls/records.h"
#include "xls/xlstring.h"

#include <algorithm>

namespace velmora::xls {

std::uint32_t StringPool::AddText(std::string_view utf8)
{
    const auto found = m_plain.find(std::string(utf8));
    if (found != m_plain.end())
        return found->second;
    const auto index = static_cast<std::uint32_t>(m_entries.size());
    m_entries.push_back({std::string(utf8), {}, {}});
    m_plain.emplace(std::string(utf8), index);
    return index;
}

std::uint32_t StringPool::AddLoaded(SharedString entry)
{
    const auto index = static_cast<std::uint32_t>(m_entries.size());
    if (entry.runs.empty() && entry.extRst.empty())
        m_plain.emplace(entry.text, index);
    m_entries.push_back(std::move(entry));
    return index;
}

namespace {

const char *const Overrun = "the shared-string table overruns its records";

// Walks the SST body and its CONTINUE bodies as one sequence of bytes.
class FragmentReader
{
public:
    explicit FragmentReader(const std::vector<std::string_view> &bodies)
        : m_bodies(bodies)
    {
    }

    bool AtEnd()
    {
        while (m_body < m_bodies.size() && m_pos == m_bodies[m_body].size()) {
            ++m_body;
            m_pos = 0;
        }
        return m_body == m_bodies.size();
    }

    void Read(std::size_t count, std::string *out)
    {
        while (count > 0) {
            if (AtEnd())
                throw Error(Overrun);
            const std::size_t n = std::min(count, m_bodies[m_body].size() - m_pos);
            if (out)
                out->append(m_bodies[m_body].substr(m_pos, n));
            m_pos += n;
            count -= n;
        }
    }

    unsigned Byte()
    {
        std::string b;
        Read(1, &b);
        return static_cast<unsigned char>(b[0]);
    }

    unsigned Word()
    {
        std::string b;
        Read(2, &b);
        return Get16(b.data());
    }

    std::uint32_t Dword()
    {
        std::string b;
        Read(4, &b);
        return Get32(b.data());
    }

    // The characters of one string: where the record ends inside them, the next record
    // starts with an option byte that tells the width of the rest.
    std::string Chars(std::size_t count, bool wide)
    {
        if (count == 0)
            return {};
        std::string_view body = m_body < m_bodies.size() ? m_bodies[m_body] : std::string_view();
        const std::size_t whole = wide ? 2 * count : count;
        if (m_pos < body.size() && body.size() - m_pos >= whole) {
            std::string text = DecodeChars(body.substr(m_pos, whole), wide);
            m_pos += whole;
            return text;
        }
        std::string utf16;
        while (count > 0) {
            if (m_body >= m_bodies.size() || m_pos >= m_bodies[m_body].size()) {
                ++m_body;
                m_pos = 0;
                if (m_body >= m_bodies.size() || m_bodies[m_body].empty())
                    throw Error(Overrun);
                wide = (static_cast<unsigned char>(m_bodies[m_body][0]) & 0x01) != 0;
                m_pos = 1;
            }
            body = m_bodies[m_body];
            const std::size_t avail = body.size() - m_pos;
            const std::size_t n = std::min(count, wide ? avail / 2 : avail);
            if (n == 0) { // a lone byte of a wide character: a writer's fault, skip it
                m_pos = body.size();
                continue;
            }
            for (std::size_t i = 0; i < n; ++i) {
                if (wide) {
                    utf16.append(body.substr(m_pos + 2 * i, 2));
                } else {
                    utf16.push_back(body[m_pos + i]);
                    utf16.push_back('\0');
                }
            }
            m_pos += wide ? 2 * n : n;
            count -= n;
        }
        return DecodeChars(utf16, true);
    }

private:
    const std::vector<std::string_view> &m_bodies;
    std::size_t m_body = 0;
    std::size_t m_pos = 0;
};

// Builds record bodies of at most MaxRecordData bytes for the writer.
class FragmentWriter
{
public:
    FragmentWriter() { m_bodies.emplace_back(); }

    std::size_t Room() const { return MaxRecordData - m_bodies.back().size(); }
    void NewBody() { m_bodies.emplace_back(); }
    std::string &Body() { return m_bodies.back(); }
    SstBlock::Mark Here() const { return {m_bodies.size() - 1, m_bodies.back().size()}; }
    std::vector<std::string> Take() { return std::move(m_bodies); }

private:
    std::vector<std::string> m_bodies;
};

void WriteString(FragmentWriter &w, const SharedString &s)
{
    const EncodedText enc = EncodeText(s.text);
    const std::size_t runCount = std::min<std::size_t>(s.runs.size() / 4, 0xFFFF);
    std::string header;
    Put16(header, static_cast<unsigned>(enc.chars));
    header.push_back(static_cast<char>((enc.wide ? 0x01 : 0) | (s.extRst.empty() ? 0 : 0x04)
                                       | (runCount ? 0x08 : 0)));
    if (runCount)
        Put16(header, static_cast<unsigned>(runCount));
    if (!s.extRst.empty())
        Put32(header, static_cast<std::uint32_t>(s.extRst.size()));
    const std::size_t width = enc.wide ? 2 : 1;
    w.Body().append(header);

    std::size_t done = 0;
    while (done < enc.chars) {
        std::size_t n = std::min(enc.chars - done, w.Room() / width);
        if (n == 0) {
            w.NewBody();
            w.Body().push_back(enc.wide ? '\1' : '\0');
            continue;
        }
        // Never split a surrogate pair.
        if (enc.wide && done + n < enc.chars) {
            const unsigned last = Get16(enc.bytes.data() + 2 * (done + n - 1));
            if (last >= 0xD800 && last < 0xDC00 && n > 1)
                --n;
        }
        w.Body().append(enc.bytes, done * width, n * width);
        done += n;
    }
    for (std::size_t r = 0; r < runCount; ++r) {
        if (w.Room() < 4)
            w.NewBody();
        w.Body().append(s.runs, 4 * r, 4);
    }
    for (std::size_t at = 0; at < s.extRst.size();) {
        if (w.Room() == 0)
            w.NewBody();
        const std::size_t n = std::min(w.Room(), s.extRst.size() - at);
        w.Body().append(s.extRst, at, n);
        at += n;
    }
}

std::size_t HeaderSize(const SharedString &s)
{
    return 3 + (s.runs.size() >= 4 ? 2 : 0) + (s.extRst.empty() ? 0 : 4);
}

} // namespace

std::size_t ReadSharedStrings(const std::vector<std::string_view> &bodies, StringPool &pool)
{
    FragmentReader in(bodies);
    in.Dword(); // total references: rebuilt on save
    const std::uint32_t unique = in.Dword();
    std::size_t count = 0;
    // Some writers state a wrong count; the strings present are what counts.
    while (count < unique && !in.AtEnd()) {
        const std::size_t chars = in.Word();
        const unsigned flags = in.Byte();
        const std::size_t runs = (flags & 0x08) ? in.Word() : 0;
        const std::uint32_t ext = (flags & 0x04) ? in.Dword() : 0;
        SharedString s;
        s.text = in.Chars(chars, (flags & 0x01) != 0);
        in.Read(4 * runs, &s.runs);
        in.Read(ext, &s.extRst);
        pool.AddLoaded(std::move(s));
        ++count;
    }
    return count;
}

SstBlock WriteSharedStrings(const std::vector<const SharedString *> &strings,
                            std::uint32_t totalRefs)
{
    SstBlock block;
    const std::size_t count = strings.size();
    block.stringsPerBucket = static_cast<unsigned>(std::max<std::size_t>(8, (count + 127) / 128));
    FragmentWriter w;
    Put32(w.Body(), totalRefs);
    Put32(w.Body(), static_cast<std::uint32_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        const SharedString &s = *strings[i];
        const std::size_t first = s.text.empty() ? 0 : (EncodeText(s.text).wide ? 2 : 1);
        if (w.Room() < HeaderSize(s) + first)
            w.NewBody();
        if (i % block.stringsPerBucket == 0)
            block.buckets.push_back(w.Here());
        WriteString(w, s);
    }
    block.bodies = w.Take();
    return block;
}

std::string WriteExtSst(const SstBlock &block, std::size_t sstOffset)
{
    std::vector<std::size_t> bodyStarts; // stream offset of each record header
    std::size_t at = sstOffset;
    for (const std::string &body : block.bodies) {
        bodyStarts.push_back(at);
        at += 4 + body.size();
    }
    std::string out;
    Put16(out, block.stringsPerBucket);
    for (const SstBlock::Mark &mark : block.buckets) {
        Put32(out, static_cast<std::uint32_t>(bodyStarts[mark.body] + 4 + mark.offset));
        Put16(out, static_cast<unsigned>(4 + mark.offset));
        Put16(out, 0);
    }
    return out;
}

} // namespace velmora::xls
