#pragma once

#include "common/cp1251.h"

#include <string>
#include <vector>

namespace velmora::test {

// The file of a new project, one value per line, up to its empty template section.
inline std::vector<std::string> NewProjectLines()
{
    return {"version 3.4",
            "АПС35/6.2",
            "-5",
            "-5",
            "-5",
            "-50",
            "40",
            "0",
            "18",
            "36",
            "20",
            "4;0",
            "9;0",
            "10",
            "100",
            "10",
            "11111111111111111",
            "1",
            "1",
            "1",
            "1",
            "1",
            "1",
            "1",
            "15",
            "1",
            "0"};
}

// A project file of lines and then more: each line ended by end, in Windows-1251.
inline std::string ProjectFileOf(const std::vector<std::string> &lines,
                                 const std::vector<std::string> &more = {},
                                 const char *end = "\r\n")
{
    std::string text;
    for (const std::vector<std::string> *part : {&lines, &more})
        for (const std::string &line : *part)
            text += line + end;
    return Utf8ToCp1251(text);
}

} // namespace velmora::test
