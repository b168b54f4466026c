#include "l10n/units.h"

#include "common/error.h"
#include "common/numtext.h"

namespace velmora {

UnitFactors UnitFactorsOf(int mode)
{
    // Any mode other than 0 is the N/kN-based one.
    return mode != 0 ? UnitFactors {10.0, 0.01} : UnitFactors {};
}

int UnitsFromStore(SettingsStore &store, int held)
{
    const SettingsStore::Value stored = store.Read("Units");
    if (stored.kind == SettingsStore::Value::Absent)
        return 0;
    if (stored.kind != SettingsStore::Value::Text)
        return held;
    try {
        return ParseInt(stored.text);
    } catch (const ConversionError &) {
        return 0;
    }
}

void StoreUnits(SettingsStore &store, int mode)
{
    store.Write("Units", FormatInt(mode));
}

} // namespace velmora
