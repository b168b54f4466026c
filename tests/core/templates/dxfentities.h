#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace velmora::testing {

// One entity of a drawing as (code, value) pairs, for checks that read like the file.
struct DxfEntity
{
    std::string type; // LINE, TEXT
    std::multimap<int, std::string> groups;

    std::string Value(int code) const
    {
        const auto it = groups.find(code);
        return it == groups.end() ? std::string("<none>") : it->second;
    }
    double Real(int code) const { return std::stod(Value(code)); }
};

// The entities between 0 SECTION / 2 ENTITIES and 0 ENDSEC / 0 EOF; a test failure when the
// frame or a group is malformed.
inline std::vector<DxfEntity> ParseEntities(const std::string &bytes)
{
    std::vector<std::pair<int, std::string>> pairs;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto codeEnd = bytes.find("\r\n", at);
        const auto valueEnd
            = codeEnd == std::string::npos ? codeEnd : bytes.find("\r\n", codeEnd + 2);
        if (valueEnd == std::string::npos) {
            ADD_FAILURE() << "broken group at byte " << at;
            return {};
        }
        pairs.emplace_back(std::stoi(bytes.substr(at, codeEnd - at)),
                           bytes.substr(codeEnd + 2, valueEnd - codeEnd - 2));
        at = valueEnd + 2;
    }
    if (pairs.size() < 4 || pairs[0] != std::pair<int, std::string>(0, "SECTION")
        || pairs[1] != std::pair<int, std::string>(2, "ENTITIES")
        || pairs[pairs.size() - 2] != std::pair<int, std::string>(0, "ENDSEC")
        || pairs.back() != std::pair<int, std::string>(0, "EOF")) {
        ADD_FAILURE() << "no section frame";
        return {};
    }
    std::vector<DxfEntity> entities;
    for (std::size_t i = 2; i + 2 < pairs.size(); ++i) {
        if (pairs[i].first == 0)
            entities.push_back({pairs[i].second, {}});
        else if (entities.empty())
            ADD_FAILURE() << "group " << pairs[i].first << " outside an entity";
        else
            entities.back().groups.emplace(pairs[i].first, pairs[i].second);
    }
    return entities;
}

} // namespace velmora::testing
