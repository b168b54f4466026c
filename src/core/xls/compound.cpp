#include "xls/compound.h"

#include "common/error.h"
#include "common/fileio.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-output.h>
#include <gsf/gsf-utils.h>

#include <memory>
#include <mutex>

namespace velmora::xls {

namespace {

void InitGsf()
{
    static const bool done = [] {
        gsf_init();
        // Damage is reported by our own errors; the container reader's complaints about it
        // would only clutter the output.
        const auto levels = static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING);
        for (const char *domain : {"libgsf:msole", "libgsf"})
            g_log_set_handler(
                domain, levels, [](const gchar *, GLogLevelFlags, const gchar *, gpointer) {},
                nullptr);
        return true;
    }();
    (void)done;
}

// libgsf promises nothing about threads, and velmora-calc --jobs writes reports from several
// threads: one container is read or written at a time (a short step beside the worksheets).
[[nodiscard]] std::unique_lock<std::mutex> UseGsf()
{
    InitGsf();
    static std::mutex gsf;
    return std::unique_lock(gsf);
}

struct Unref
{
    void operator()(void *object) const
    {
        if (object)
            g_object_unref(object);
    }
};
template<class T> using GPtr = std::unique_ptr<T, Unref>;

constexpr int MaxDepth = 16;

std::string ReadStream(GsfInput *input, std::size_t fileSize, const std::string &name)
{
    const gsf_off_t size = gsf_input_size(input);
    // No stream of a sound file is larger than the file that holds it.
    if (size < 0 || static_cast<std::uint64_t>(size) > fileSize)
        throw Error("stream \"" + name + "\" cannot be read: its size is wrong");
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t chunk = std::min<std::size_t>(bytes.size() - done, 1 << 16);
        if (!gsf_input_read(input, chunk, reinterpret_cast<guint8 *>(bytes.data() + done)))
            throw Error("stream \"" + name + "\" cannot be read: the file is damaged");
        done += chunk;
    }
    return bytes;
}

std::vector<CompoundEntry> ReadEntries(GsfInfile *dir, std::size_t fileSize, int depth,
                                       const std::string &skip)
{
    if (depth > MaxDepth)
        throw Error("not an Excel 97-2003 workbook: storages nest too deeply");
    std::vector<CompoundEntry> entries;
    const int count = gsf_infile_num_children(dir);
    for (int i = 0; i < count; ++i) {
        const char *rawName = gsf_infile_name_by_index(dir, i);
        const std::string name = rawName ? rawName : "";
        if (depth == 0 && name == skip)
            continue;
        GPtr<GsfInput> child(gsf_infile_child_by_index(dir, i));
        if (!child)
            throw Error("stream \"" + name + "\" cannot be read: the file is damaged");
        CompoundEntry entry;
        entry.name = name;
        GsfInfile *sub = GSF_IS_INFILE(child.get()) ? GSF_INFILE(child.get()) : nullptr;
        if (sub && gsf_infile_num_children(sub) >= 0) {
            entry.storage = true;
            entry.children = ReadEntries(sub, fileSize, depth + 1, skip);
        } else {
            entry.bytes = ReadStream(child.get(), fileSize, name);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

void WriteStream(GsfOutfile *dir, const std::string &name, std::string_view bytes)
{
    GPtr<GsfOutput> child(gsf_outfile_new_child(dir, name.c_str(), FALSE));
    if (!child)
        throw Error("cannot build the compound document file");
    if (!bytes.empty()
        && !gsf_output_write(child.get(), bytes.size(),
                             reinterpret_cast<const guint8 *>(bytes.data())))
        throw Error("cannot build the compound document file");
    if (!gsf_output_close(child.get()))
        throw Error("cannot build the compound document file");
}

void WriteEntries(GsfOutfile *dir, const std::vector<CompoundEntry> &entries)
{
    for (const CompoundEntry &e : entries) {
        if (!e.storage) {
            WriteStream(dir, e.name, e.bytes);
            continue;
        }
        GPtr<GsfOutput> child(gsf_outfile_new_child(dir, e.name.c_str(), TRUE));
        if (!child)
            throw Error("cannot build the compound document file");
        WriteEntries(GSF_OUTFILE(child.get()), e.children);
        if (!gsf_output_close(child.get()))
            throw Error("cannot build the compound document file");
    }
}

} // namespace

CompoundFile ReadCompound(std::string_view bytes, std::string &workbook)
{
    const auto gsf = UseGsf();
    GPtr<GsfInput> input(gsf_input_memory_new(reinterpret_cast<const guint8 *>(bytes.data()),
                                              static_cast<gsf_off_t>(bytes.size()), FALSE));
    GError *err = nullptr;
    GPtr<GsfInfile> ole(gsf_infile_msole_new(input.get(), &err));
    if (err)
        g_error_free(err);
    if (!ole)
        throw Error("not an Excel 97-2003 workbook: not a compound document file");

    CompoundFile file;
    // Excel 5.0/95 named the stream "Book"; its version is refused with the BOF record.
    std::string name = "Workbook";
    GPtr<GsfInput> stream(gsf_infile_child_by_name(ole.get(), name.c_str()));
    if (!stream) {
        name = "Book";
        stream.reset(gsf_infile_child_by_name(ole.get(), name.c_str()));
    }
    if (!stream)
        throw Error("not an Excel 97-2003 workbook: no Workbook stream");
    workbook = ReadStream(stream.get(), bytes.size(), name);
    file.others = ReadEntries(ole.get(), bytes.size(), 0, name);
    gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(ole.get()), file.classId.data());
    return file;
}

namespace {

// Builds the container into sink and closes the container, which also closes the sink.
// On failure the sink carries an error before it is closed, so that a file sink drops its
// temporary file instead of putting it in place.
bool BuildInto(GsfOutput *sink, std::string_view workbook, const CompoundFile &file)
{
    GPtr<GsfOutfile> ole(gsf_outfile_msole_new(sink));
    if (!ole)
        return false;
    gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(ole.get()), file.classId.data());
    try {
        WriteStream(ole.get(), "Workbook", workbook);
        WriteEntries(ole.get(), file.others);
    } catch (const Error &) {
        if (!gsf_output_error(sink))
            gsf_output_set_error(sink, 0, "the container writer failed");
        return false;
    }
    return gsf_output_close(GSF_OUTPUT(ole.get())) && !gsf_output_error(sink);
}

} // namespace

std::string WriteCompound(std::string_view workbook, const CompoundFile &file)
{
    const auto gsf = UseGsf();
    GPtr<GsfOutput> sink(gsf_output_memory_new());
    if (!BuildInto(sink.get(), workbook, file))
        throw Error("cannot build the compound document file");
    const guint8 *data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
    const gsf_off_t size = gsf_output_size(sink.get());
    if (!data || size <= 0)
        throw Error("cannot build the compound document file");
    return std::string(reinterpret_cast<const char *>(data), static_cast<std::size_t>(size));
}

void SaveCompound(std::string_view workbook, const CompoundFile &file, const std::string &path)
{
    WriteFileAtomically(path, WriteCompound(workbook, file));
}

} // namespace velmora::xls
