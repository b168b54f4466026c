#pragma once

#include "common/error.h"
#include "l10n/settings.h"

#include <map>
#include <set>
#include <string>

namespace velmora {

// An in-memory settings store for tests: text values, values of another type, and writes
// the store refuses.
class FakeSettingsStore : public SettingsStore
{
public:
    Value Read(const std::string &name) override
    {
        ++reads;
        if (otherType.count(name))
            return Value {Value::OtherType, {}};
        const auto it = texts.find(name);
        if (it == texts.end())
            return Value {};
        return Value {Value::Text, it->second};
    }

    void Write(const std::string &name, const std::string &text) override
    {
        if (failWrites)
            throw Error("Failed to set data for '" + name + "'");
        ++writes;
        otherType.erase(name);
        texts[name] = text;
    }

    void SetText(const std::string &name, const std::string &text)
    {
        otherType.erase(name);
        texts[name] = text;
    }
    // The value exists but is not a text value (a binary or numeric one).
    void SetOtherType(const std::string &name)
    {
        texts.erase(name);
        otherType.insert(name);
    }
    bool Has(const std::string &name) const { return texts.count(name) != 0; }
    std::string Text(const std::string &name) const
    {
        const auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    }

    std::map<std::string, std::string> texts;
    std::set<std::string> otherType;
    bool failWrites = false; // Write throws "Failed to set data for '<name>'"
    int reads = 0;
    int writes = 0;
};

} // namespace velmora
