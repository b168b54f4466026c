#include "l10n/units.h"

#include "common/error.h"
#include "common/numtext.h"
#include "l10n/settingsaccess.h"

namespace velmora {

namespace {
int g_units = 0;
double g_stressFactor = 1;
double g_forceFactor = 1;
} // namespace

void ResetUnits()
{
    g_units = 0;
    g_stressFactor = 1;
    g_forceFactor = 1;
}

void SetUnits(int mode)
{
    g_units = mode;
    // Any mode other than 0 is the N/kN-based one.
    g_stressFactor = mode != 0 ? 10.0 : 1.0;
    g_forceFactor = mode != 0 ? 0.01 : 1.0;
    WriteSetting("Units", FormatInt(mode));
}

int ReadUnits()
{
    // A stored value that is not text keeps the mode read before.
    const SettingsStore::Value stored = ReadSetting("Units");
    if (stored.kind == SettingsStore::Value::Absent) {
        g_units = 0;
    } else if (stored.kind == SettingsStore::Value::Text) {
        try {
            g_units = ParseInt(stored.text);
        } catch (const ConversionError &) {
            g_units = 0;
        }
    }
    return g_units;
}

double StressFactor()
{
    return g_stressFactor;
}

double ForceFactor()
{
    return g_forceFactor;
}

} // namespace velmora
