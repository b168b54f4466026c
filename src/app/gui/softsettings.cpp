#include "gui/softsettings.h"

#include "l10n/settingsaccess.h"

#include <exception>

namespace velmora {

QString ReadSoftSetting(const std::string &name)
{
    const SettingsStore::Value value = ReadSetting(name);
    return value.kind == SettingsStore::Value::Text ? QString::fromStdString(value.text)
                                                    : QString();
}

void WriteSoftSetting(const std::string &name, const QString &text)
{
    // Runs from events too (closing, resizing), where no error may escape.
    try {
        WriteSetting(name, text.toStdString());
    } catch (const std::exception &) {
    }
}

} // namespace velmora
