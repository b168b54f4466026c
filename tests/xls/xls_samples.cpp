// Writes sample workbooks through the library, each with a JSON cell map taken from our own
// reader, for the independent readers to compare against: samples DIR.
#include "common/error.h"
#include "common/fileio.h"
#include "json_text.h"
#include "xls/workbook.h"

#include <cstdio>
#include <filesystem>
#include <limits>
#include <string>

using namespace velmora;
using namespace velmora::xls;

namespace {

// The cell map of every worksheet as our reader sees it after reading the saved file back.
std::string CellMap(const Workbook &book)
{
    std::string json = "{\"sheets\": [";
    for (int s = 0; s < book.SheetCount(); ++s) {
        const Worksheet &sheet = book.Sheet(s);
        json += s ? ",\n" : "\n";
        json += "{\"name\": " + test::JsonString(sheet.Name()) + ", \"cells\": [";
        bool first = true;
        if (const auto used = sheet.UsedRange()) {
            for (int r = used->firstRow; r <= used->lastRow; ++r) {
                for (int c = used->firstCol; c <= used->lastCol; ++c) {
                    const auto v = sheet.Value(r, c);
                    if (!v)
                        continue;
                    std::string value = "null";
                    const char *type = "blank";
                    switch (v->type) {
                    case CellType::Number:
                        type = "number", value = test::JsonNumber(v->number);
                        break;
                    case CellType::Text:
                        type = "text", value = test::JsonString(v->text);
                        break;
                    case CellType::Boolean:
                        type = "boolean", value = v->boolean ? "1" : "0";
                        break;
                    case CellType::Error:
                        type = "error", value = std::to_string(v->errorCode);
                        break;
                    case CellType::Blank:
                        break;
                    }
                    json += first ? "\n" : ",\n";
                    first = false;
                    json += "  [" + std::to_string(r) + ", " + std::to_string(c) + ", \"" + type
                        + "\", " + value + ", " + std::to_string(v->xf) + ", "
                        + (v->formula ? "true" : "false") + "]";
                }
            }
        }
        json += "], \"merged\": [";
        for (std::size_t m = 0; m < sheet.MergedAreas().size(); ++m) {
            const CellRange &a = sheet.MergedAreas()[m];
            json += (m ? ", [" : "[") + std::to_string(a.firstRow) + ", "
                + std::to_string(a.lastRow) + ", " + std::to_string(a.firstCol) + ", "
                + std::to_string(a.lastCol) + "]";
        }
        json += "]}";
    }
    return json + "]}\n";
}

void Emit(const Workbook &book, const std::filesystem::path &dir, const std::string &name)
{
    const std::string path = (dir / (name + ".xls")).string();
    book.Save(path);
    WriteFileAtomically((dir / (name + ".json")).string(), CellMap(Workbook::Load(path)));
}

const std::string Fixture = std::string(VELMORA_TEST_DATA) + "/xls/fixture.xls";

// The report's way of working: a block of three rows copied down many times and filled.
void Filled(const std::filesystem::path &dir)
{
    Workbook book = Workbook::Load(Fixture);
    Worksheet &sheet = book.Sheet(0);
    for (int k = 1; k <= 200; ++k)
        sheet.CopyRange(3 * k - 1, 0, 3 * k + 1, 3, 3 * k + 2, 0);
    for (int k = 0; k <= 200; ++k) {
        const int r = 3 * k + 2;
        sheet.Cell(r, 1).SetNumber(10.0 * k);
        sheet.Cell(r, 3).SetNumber(1234.5678 / (k + 1));
        sheet.Cell(r + 1, 3).SetInteger(-k);
        sheet.Cell(r + 2, 3).SetNumber(0.01 * k);
    }
    sheet.Cell(1, 1).SetText("Провод АС 95/16 — «опора»");
    sheet.Cell(1, 2).SetNumber(3.87);
    sheet.Cell(0, 6).SetText("Imaginary");
    sheet.Cell(1, 6).SetText("Мнимый");
    sheet.Cell(2, 6).SetNumber(std::numeric_limits<double>::infinity());
    sheet.Cell(3, 6).SetNumber(-1e-300);
    sheet.Cell(4, 6).SetInteger(600000000);
    book.Sheet(1).Cell(5, 5).SetText("Zweites Blatt: Größe");
    Emit(book, dir, "filled");
}

// Enough text to spread the shared-string table over many CONTINUE records.
void ManyStrings(const std::filesystem::path &dir)
{
    Workbook book = Workbook::Load(Fixture);
    Worksheet &sheet = book.Sheet(1);
    for (int i = 0; i < 2500; ++i) {
        std::string text = std::to_string(i) + ":";
        for (int k = 0; k < i % 37; ++k)
            text += i % 2 ? "ветер " : "wind ";
        sheet.Cell(i / 5, i % 5).SetText(text);
    }
    sheet.Cell(600, 0).SetText(std::string(12000, 'a') + "Ж" + std::string(12000, 'b'));
    Emit(book, dir, "many_strings");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: xls_samples DIR\n");
        return 2;
    }
    try {
        const std::filesystem::path dir = argv[1];
        std::filesystem::create_directories(dir);
        Filled(dir);
        ManyStrings(dir);
    } catch (const Error &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
