// Build step: turns the reviewable text source of the shipped catalogue (UTF-8) into the
// binary "base_provod.dat" with the catalogue's own import and save, so the shipped file is
// exactly what the program itself would write.
//   velmora_make_catalogue wires.txt base_provod.dat
#include "catalogue/wires.h"

#include "common/cp1251.h"
#include "common/error.h"
#include "common/fileio.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <set>
#include <string>

namespace {

// The source must survive Windows-1251 unchanged, and no name may be cut by the import.
void CheckSource(const std::string &utf8)
{
    if (velmora::Cp1251ToUtf8(velmora::Utf8ToCp1251(utf8)) != utf8)
        throw velmora::Error("the source holds characters Windows-1251 cannot hold");
}

void CheckNames(const velmora::TWiresList &list, const std::string &utf8)
{
    std::set<std::string> seen;
    for (int i = 0; i < list.Count(); ++i) {
        const std::string &name = list.GetWire(i).Name;
        if (!seen.insert(name).second)
            throw velmora::Error("the name \"" + name + "\" appears twice");
    }
    for (std::size_t start = 0; start < utf8.size();) {
        const std::size_t end = utf8.find('\n', start);
        const std::string line = utf8.substr(start, end == std::string::npos ? end : end - start);
        const std::string name = line.substr(0, line.find(';'));
        if (velmora::Utf8Length(name) > velmora::kWireNameMax)
            throw velmora::Error("the name \"" + name + "\" is longer than 16 characters");
        start = end == std::string::npos ? utf8.size() : end + 1;
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s wires.txt base_provod.dat\n", argv[0]);
        return 2;
    }
    const std::string source = argv[1], target = argv[2];
    const std::string converted = target + ".cp1251.txt";
    try {
        const std::string utf8 = velmora::ReadFileBytes(source);
        CheckSource(utf8);
        velmora::WriteFileAtomically(converted, velmora::Utf8ToCp1251(utf8));
        velmora::TWiresList list;
        list.ImportFromText(converted);
        std::filesystem::remove(converted);
        CheckNames(list, utf8);
        list.SaveToFile(target);
        std::printf("%s: %d wires\n", target.c_str(), list.Count());
    } catch (const std::exception &e) {
        std::error_code ec;
        std::filesystem::remove(converted, ec);
        std::fprintf(stderr, "%s: %s\n", source.c_str(), e.what());
        return 1;
    }
    return 0;
}
