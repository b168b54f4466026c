#include "l10n/settings.h"

namespace velmora {

namespace {
SettingsStore *g_store = nullptr;
}

void SetSettingsStore(SettingsStore *store)
{
    g_store = store;
}

SettingsStore *CurrentSettingsStore()
{
    return g_store;
}

} // namespace velmora
