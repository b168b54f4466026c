#include "gui/commandline.h"

#include "common/version.h"
#include "gui/program.h"
#include "gui/uitext.h"

#include <QCommandLineParser>

#include <iostream>

namespace velmora {

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
