#include "catalogue/catalogue.h"

#include "common/fileio.h"

#include <filesystem>
#include <system_error>

namespace velmora {

namespace {

constexpr const char *kCatalogueFile = "base_provod.dat";

std::string JoinPath(const std::string &folder, const std::string &name)
{
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace

TWiresList &WiresList()
{
    static TWiresList list;
    return list;
}

TWireRec FindWire(const std::string &name)
{
    return WiresList().FindByName(name);
}

std::string CatalogueDataDir(const std::string &commonDataDir)
{
    return JoinPath(commonDataDir, "Orbelan/Tarnvik/");
}

void OpenCatalogue(const std::string &commonDataDir, const std::string &appDir)
{
    namespace fs = std::filesystem;
    const std::string dataDir = CatalogueDataDir(commonDataDir);
    std::error_code ec;
    // A folder that cannot be made shows up below as an error naming the catalogue file.
    fs::create_directories(dataDir, ec);

    const std::string path = dataDir + kCatalogueFile;
    const std::string shipped = JoinPath(appDir, kCatalogueFile);
    if (!fs::exists(path, ec) && FileExists(shipped))
        fs::copy_file(shipped, path, fs::copy_options::none, ec);

    TWiresList &list = WiresList();
    list.Clear();
    list.LoadFromFile(path);
    list.SortBy(1);
}

std::vector<TWireRec> ReadShippedCatalogue(const std::string &appDir)
{
    TWiresList shipped;
    shipped.Replace(DecodeCatalogue(ReadFileBytes(JoinPath(appDir, kCatalogueFile))));
    shipped.SortBy(1);
    std::vector<TWireRec> records;
    records.reserve(static_cast<std::size_t>(shipped.Count()));
    for (int i = 0; i < shipped.Count(); ++i)
        records.push_back(shipped.Items(i));
    return records;
}

} // namespace velmora
