#include "gui/platform.h"

#include "common/error.h"
#include "common/folders.h"
#include "gui/program.h"
#include "gui/uitext.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QMainWindow>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

namespace velmora {

namespace {

const QString ParamGroup = QStringLiteral("Param");

// Once a run: the warning waits for the event loop, by when the main window and its texts
// exist (the language is written before either).
void WarnSettingsNotSaved(const QString &file)
{
    static bool warned = false;
    if (warned || !QCoreApplication::instance())
        return;
    warned = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [file] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<QMainWindow *>(widget))
                window->statusBar()->showMessage(
                    UiText("Settings_not_saved").arg(QDir::toNativeSeparators(file)));
        }
    });
}

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
    if (settings.isWritable()) {
        settings.beginGroup(ParamGroup);
        settings.setValue(QString::fromStdString(name), QString::fromStdString(text));
        settings.endGroup();
        settings.sync();
        if (settings.status() == QSettings::NoError)
            return;
    }
    WarnSettingsNotSaved(settings.fileName());
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
