#include "gui/platform.h"

#include "common/error.h"
#include "common/folders.h"
#include "gui/program.h"

#include <QLocale>
#include <QSettings>

namespace velmora {

namespace {

const QString ParamGroup = QStringLiteral("Param");

} // namespace

SettingsStore::Value QtSettingsStore::Read(const std::string &name)
{
    QSettings settings(SettingsOrganisation, SettingsApplication);
    settings.beginGroup(ParamGroup);
    const QString key = QString::fromStdString(name);
    if (!settings.contains(key))
        return {};
    const QVariant value = settings.value(key);
    if (value.typeId() != QMetaType::QString)
        return Value {Value::OtherType, {}};
    return Value {Value::Text, value.toString().toStdString()};
}

void QtSettingsStore::Write(const std::string &name, const std::string &text)
{
    QSettings settings(SettingsOrganisation, SettingsApplication);
    if (!settings.isWritable())
        throw Error("Failed to set data for '" + name + "'");
    settings.beginGroup(ParamGroup);
    settings.setValue(QString::fromStdString(name), QString::fromStdString(text));
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw Error("Failed to set data for '" + name + "'");
}

std::string SystemLanguageName()
{
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::Russian && system.territory() == QLocale::Russia)
        return "Русский (Россия)";
    return (QLocale::languageToString(system.language()) + QStringLiteral(" (")
            + QLocale::territoryToString(system.territory()) + QStringLiteral(")"))
        .toStdString();
}

std::string CommonDataDir()
{
    return ProgramFoldersOf(SystemFolderPlatform()).commonData;
}

QString ApplicationDir()
{
    return QString::fromStdString(ProgramFoldersOf(SystemFolderPlatform()).program);
}

} // namespace velmora
