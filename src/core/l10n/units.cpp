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

UnitFactors UnitFactorsOf(int mode)
{
    // Any mode other than 0 is the N/kN-based one.
    return mode != 0 ? UnitFactors {10.0, 0.01} : UnitFactors {};
}

UnitFactors CurrentUnitFactors()
{
    return {g_stressFactor, g_forceFactor};
}

void SetUnits(int mode)
{
    g_units = mode;
    const UnitFactors factors = UnitFactorsOf(mode);
    g_stressFactor = factors.stress;
    g_forceFactor = factors.force;
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
