// Fills the report of every test case into a folder, each with a JSON file of its cell map,
// for the checks with independent readers (xlrd, LibreOffice):
//   report_samples OUTDIR
// OUTDIR/<case>.xls is the report; OUTDIR/<case>.json holds
//   {"template": "<path of the form>", "blocks": N, "cells": [{"cell": "G2", "kind":
//   "number", "value": 40}, ...]}
// with kind number, integer, text or blank.

#include "../core/report/report_cases.h"

#include "common/fileio.h"
#include "json_text.h"
#include "report/report_template.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

using namespace velmora;

std::string CellMapJson(const std::string &form, int blocks,
                        const std::vector<test::ExpectedCell> &cells)
{
    static const char *const kinds[] = {"number", "integer", "text", "blank"};
    std::string out = "{\"template\": " + test::JsonString(form)
        + ", \"blocks\": " + std::to_string(blocks) + ", \"cells\": [\n";
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const test::ExpectedCell &c = cells[i];
        out += "  {\"cell\": \"" + c.a1 + "\", \"kind\": \"" + kinds[c.kind] + "\"";
        if (c.kind == test::ExpectedCell::Text)
            out += ", \"value\": " + test::JsonString(c.text);
        else if (c.kind != test::ExpectedCell::Blank)
            out += ", \"value\": " + test::JsonNumber(c.number);
        out += i + 1 < cells.size() ? "},\n" : "}\n";
    }
    return out + "]}\n";
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: report_samples OUTDIR\n";
        return 2;
    }
    const std::string outDir = std::string(argv[1]) + "/";
    const std::string appDir = std::string(VELMORA_APP_DIR) + "/";
    try {
        std::filesystem::create_directories(outDir);
        for (const test::ReportCase &c : test::ReportCases()) {
            CalcRun run;
            const std::string xlsPath = outDir + c.name + ".xls";
            if (test::RunReportCase(c, appDir, xlsPath, run) != CalcOutcome::Done)
                throw Error("the case " + c.name + " did not go through");
            WriteFileAtomically(outDir + c.name + ".json",
                                CellMapJson(appDir + c.form(), test::ExpectedBlocks(run),
                                            test::ExpectedCells(c, run)));
            std::cout << xlsPath << '\n';
        }
    } catch (const std::exception &e) {
        std::cerr << "report_samples: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
