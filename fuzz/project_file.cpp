// Feeds arbitrary bytes to the project file reader: it must either read a project or throw
// the core's error, never crash or hang, and a project it read must survive a write and read.
// The anchor sections it read go on through their check and, when they pass, through the
// stringing calculation, which must also end in a table or the core's error.
#include "calc/project_args.h"
#include "calc/stringing.h"
#include "common/error.h"
#include "data/projectfile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

struct StringingBasis
{
    velmora::CalcArgs args;
    velmora::CalcRun run;
};

// АС 70/11 in the climate of the shipped example, computed once.
const StringingBasis &Basis()
{
    static const StringingBasis basis = [] {
        velmora::TProject project;
        project.Dat.T_Min = -40;
        project.Dat.VMax = 32;
        project.Dat.Tols = 15;
        project.Dat.Napr_srg = 8;
        project.Dat.Napr_Max = 13;
        velmora::TWireRec wire;
        wire.Name = "АС 70/11";
        wire.Diam = 11.4;
        wire.Sech = 79.3;
        wire.PNag = 0.276;
        wire.Modl = 8250;
        wire.Koef = 1.92E-5;
        StringingBasis b;
        b.args = velmora::CalcArgsOf(project.Dat, wire);
        if (velmora::CalcStringingBasis(project, wire, b.args, velmora::Lang::English, b.run)
            != velmora::CalcOutcome::Done)
            std::abort();
        return b;
    }();
    return basis;
}

void CalculateSections(const velmora::TProject &project)
{
    for (int i = 0; i < project.Sections.Count(); ++i) {
        const velmora::TSection &section = project.Sections.Items(i);
        try {
            velmora::CheckSection(section, velmora::Lang::English);
        } catch (const velmora::Error &) {
            continue;
        }
        try {
            const velmora::StringingTable table = velmora::CalcStringing(
                Basis().run, Basis().args, section, velmora::Lang::Russian);
            if (table.state != velmora::NoState && table.sags.size() != section.Spans.size())
                std::abort();
        } catch (const velmora::Error &) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    velmora::TProject project;
    try {
        velmora::ReadProjectFromBytes(bytes, project);
    } catch (const velmora::Error &) {
        return 0;
    }
    const std::string written = velmora::WriteProjectToBytes(project);
    velmora::TProject again;
    try {
        velmora::ReadProjectFromBytes(written, again);
    } catch (const velmora::Error &) {
        std::abort(); // what was written must read back
    }
    // Writing is stable: a second write gives the same bytes.
    if (velmora::WriteProjectToBytes(again) != written)
        std::abort();
    CalculateSections(project);
    return 0;
}
