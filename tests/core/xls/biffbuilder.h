#pragma once

#include "xls/bytes.h"
#include "xls/records.h"

#include <cstdint>
#include <string>
#include <vector>

// Hand-built BIFF8 workbook streams for the reader tests.
namespace biff {

using velmora::xls::Put16;
using velmora::xls::Put32;
using velmora::xls::PutDouble;

inline std::string Rec(std::uint16_t id, const std::string &body)
{
    std::string out;
    Put16(out, id);
    Put16(out, static_cast<unsigned>(body.size()));
    return out + body;
}

inline std::string Bof(unsigned kind, unsigned version = 0x0600)
{
    std::string body;
    Put16(body, version);
    Put16(body, kind);
    Put32(body, 0);
    Put32(body, 0);
    Put32(body, 0);
    return Rec(0x0809, body);
}

inline std::string Eof()
{
    return Rec(0x000A, "");
}

inline std::string CellHead(unsigned row, unsigned col, unsigned xf)
{
    std::string body;
    Put16(body, row);
    Put16(body, col);
    Put16(body, xf);
    return body;
}

inline std::string Number(unsigned row, unsigned col, unsigned xf, double value)
{
    std::string body = CellHead(row, col, xf);
    PutDouble(body, value);
    return Rec(0x0203, body);
}

inline std::string LabelSst(unsigned row, unsigned col, unsigned xf, std::uint32_t index)
{
    std::string body = CellHead(row, col, xf);
    Put32(body, index);
    return Rec(0x00FD, body);
}

// A workbook stream: globals (with extra records before the sheet list, e.g. an SST) and
// one worksheet "S" whose body records lie between its BOF and EOF.
inline std::string Stream(const std::string &globalsExtra, const std::string &sheetBody,
                          unsigned sheetKind = 0)
{
    std::string sheetName = "S";
    std::string boundsheet;
    Put32(boundsheet, 0); // patched below
    boundsheet.push_back('\0');
    boundsheet.push_back(static_cast<char>(sheetKind));
    boundsheet.push_back(static_cast<char>(sheetName.size()));
    boundsheet.push_back('\0');
    boundsheet += sheetName;
    std::string globals = Bof(0x0005) + Rec(0x0085, boundsheet) + globalsExtra + Eof();
    const auto sheetAt = static_cast<std::uint32_t>(globals.size());
    velmora::xls::Set32(globals, Bof(0x0005).size() + 4, sheetAt);
    return globals + Bof(sheetKind == 2 ? 0x0020 : 0x0010) + sheetBody + Eof();
}

} // namespace biff
