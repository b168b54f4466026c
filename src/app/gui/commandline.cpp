#include "gui/commandline.h"

#include "common/version.h"
#include "gui/platform.h"
#include "gui/program.h"
#include "gui/programcontext.h"
#include "gui/uitext.h"
#include "l10n/localization.h"
#include "l10n/settings.h"

#include <QCommandLineParser>
#include <QLocale>

#include <iostream>

namespace velmora {

namespace {

// The platform's store for reading only: the language it names is used, and the start-up's
// writes of the language and units go nowhere.
class ReadOnlySettings : public SettingsStore
{
public:
    Value Read(const std::string &name) override { return m_platform.Read(name); }
    void Write(const std::string &, const std::string &) override { }

private:
    QtSettingsStore m_platform;
};

} // namespace

bool AsksForTextOnly(const QStringList &arguments)
{
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            return false;
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")
            || argument == QLatin1String("-v") || argument == QLatin1String("--version"))
            return true;
    }
    return false;
}

int AnswerTextOnly(const QStringList &arguments)
{
    QLocale::setDefault(QLocale::c());
    ReadOnlySettings settings;
    const ProgramContext program(settings, SystemLanguageName());
    return AnswerCommandLine(arguments).status.value_or(0);
}

CommandLineAnswer AnswerCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        ByLanguage(QStringLiteral("Sag-tension calculation of overhead-line conductors, earth "
                                  "wires and self-supporting fibre-optic cables."),
                   QStringLiteral("Механический расчёт проводов, грозозащитных тросов и "
                                  "самонесущих оптических кабелей воздушных линий.")));
    // Not addHelpOption: its --help-all needs QCommandLineParser::process, which ends the
    // program itself.
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        ByLanguage(QStringLiteral("Displays this help."), QStringLiteral("Вывод этой справки.")));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("project.vlp"),
                                 ByLanguage(QStringLiteral("The project to open at start."),
                                            QStringLiteral("Проект, открываемый при запуске.")),
                                 QStringLiteral("[project.vlp]"));
    if (!parser.parse(arguments)) {
        std::cerr << "velmora: " << parser.errorText().toStdString() << '\n';
        return {2, {}};
    }
    if (parser.isSet(help)) {
        std::cout << parser.helpText().toStdString();
        return {0, {}};
    }
    if (parser.isSet(version)) {
        std::cout << AppTitle.toStdString() << ' ' << ProgramVersion << '\n';
        return {0, {}};
    }
    return {std::nullopt, parser.positionalArguments().value(0)};
}

} // namespace velmora
