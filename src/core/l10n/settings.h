#pragma once

#include <string>

namespace velmora {

// The per-user settings store under the program's key, subkey "Param". The desktop program
// implements it with the platform's store; tests use an in-memory one.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    struct Value
    {
        enum Kind { Absent, Text, OtherType } kind = Absent;
        std::string text; // meaningful only when kind is Text
    };

    // The value stored under name.
    virtual Value Read(const std::string &name) = 0;
    // Stores text under name. Throws velmora::Error ("Failed to set data for '%s'" and the
    // like) when the store refuses.
    virtual void Write(const std::string &name, const std::string &text) = 0;
};

} // namespace velmora
