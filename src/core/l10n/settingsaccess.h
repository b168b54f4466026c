#pragma once

#include "l10n/settings.h"

#include <string>

namespace velmora {

// Reads name from the current store; Absent when no store is set.
inline SettingsStore::Value ReadSetting(const std::string &name)
{
    SettingsStore *store = CurrentSettingsStore();
    return store ? store->Read(name) : SettingsStore::Value {};
}

// Writes name to the current store; nothing happens when no store is set.
inline void WriteSetting(const std::string &name, const std::string &text)
{
    if (SettingsStore *store = CurrentSettingsStore())
        store->Write(name, text);
}

} // namespace velmora
