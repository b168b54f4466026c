// The line-profile part of a project file from arbitrary bytes after a new project's lines: it
// must read or throw the core's error; what it read is written to bytes that read back to the
// same bytes, and
// a line that passes its check goes through the line check, which must end in a result.
#include "calc/linecheck.h"
#include "common/error.h"
#include "data/projectfile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// A new project up to its empty template section, in the file's own bytes.
std::string NewProjectBytes()
{
    return velmora::WriteProjectToBytes(velmora::TProject {});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const std::string head = NewProjectBytes();
    const std::string bytes = head + std::string(reinterpret_cast<const char *>(data), size);
    velmora::TProject project;
    try {
        velmora::ReadProjectFromBytes(bytes, project);
    } catch (const velmora::Error &) {
        return 0;
    }
    // What is written reads back to the same bytes (a name's line break is written as a blank).
    const std::string written = velmora::WriteProjectToBytes(project);
    velmora::TProject again;
    velmora::ReadProjectFromBytes(written, again);
    if (velmora::WriteProjectToBytes(again) != written)
        std::abort();
    if (velmora::FindLineFault(project.Line, velmora::Lang::English))
        return 0;
    const velmora::LineConditions conditions {7, 250, {7, 3.5e-3}, {12, 3.5e-3}, 7};
    try {
        velmora::CheckLine(project.Line, conditions, 250, 6.5, velmora::Lang::Russian);
    } catch (const velmora::Error &) {
        // A span so short or a wire so flat that a number runs out of range.
    }
    return 0;
}
