#include "gui/softsettings.h"

#include "gui/programcontext.h"

#include <exception>

namespace velmora {

QString ReadSoftSetting(const std::string &name)
{
    ProgramContext *program = ProgramIfMade();
    if (!program)
        return {};
    const SettingsStore::Value value = program->Store().Read(name);
    return value.kind == SettingsStore::Value::Text ? QString::fromStdString(value.text)
                                                    : QString();
}

void WriteSoftSetting(const std::string &name, const QString &text)
{
    // Runs from events too (closing, resizing), where no error may escape.
    try {
        if (ProgramContext *program = ProgramIfMade())
            program->Store().Write(name, text.toStdString());
    } catch (const std::exception &) {
    }
}

} // namespace velmora
