#include "catalogue/catalogue.h"

#include "common/error.h"
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

std::string CatalogueDataDir(const std::string &commonDataDir)
{
    return JoinPath(commonDataDir, "Orbelan/Tarnvik/");
}

std::string OpenCatalogue(TWiresList &list, const std::string &commonDataDir,
                          const std::string &appDir, Lang lang)
{
    namespace fs = std::filesystem;
    const std::string dataDir = CatalogueDataDir(commonDataDir);
    std::error_code madeEc;
    fs::create_directories(dataDir, madeEc);

    const std::string path = dataDir + kCatalogueFile;
    const std::string shipped = JoinPath(appDir, kCatalogueFile);
    list.Clear();
    std::error_code ec;
    if (!fs::exists(path, ec) && FileExists(shipped)) {
        const std::string bytes = ReadFileBytes(shipped);
        std::string refusal;
        try {
            if (madeEc)
                refusal = InLanguage(lang, "cannot create the folder \"" + dataDir + "\": ",
                                     "не удалось создать папку «" + dataDir + "»: ")
                    + madeEc.message();
            else
                CreateFileAtomically(path, bytes);
        } catch (const Error &e) {
            refusal = ErrorText(e, lang);
        }
        if (!refusal.empty()) {
            // Nothing to keep the user's wires in: the shipped ones serve this run.
            list.Replace(DecodeCatalogue(bytes));
            list.SetFileName(path);
            list.SortBy(1);
            return InLanguage(lang,
                              "the shipped catalogue is used and changes to it cannot be saved: ",
                              "взят поставляемый справочник, изменения в нём не сохранить: ")
                + refusal;
        }
    }
    list.LoadFromFile(path);
    list.SortBy(1);
    return {};
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
