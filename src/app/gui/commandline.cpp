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

// The options Qt's application object takes out of the command line itself (with one or two
// dashes), those followed by a value and those that stand alone.
const QStringList QtOptionsWithValue = {"platform",
                                        "platformpluginpath",
                                        "platformtheme",
                                        "plugin",
                                        "qwindowgeometry",
                                        "qwindowicon",
                                        "qwindowtitle",
                                        "session",
                                        "style",
                                        "stylesheet",
                                        "display",
                                        "geometry",
                                        "name",
                                        "title",
                                        "visual",
                                        "ncols",
                                        "cmap",
                                        "im",
                                        "inputstyle",
                                        "fn",
                                        "font",
                                        "bg",
                                        "background",
                                        "fg",
                                        "foreground",
                                        "btn",
                                        "button",
                                        "qmljsdebugger"};
const QStringList QtFlags = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};

// The command line without Qt's own options and their values ("-style fusion",
// "--platform=offscreen"), as the desktop's application object leaves it.
QStringList WithoutQtOptions(const QStringList &arguments)
{
    QStringList kept = arguments.mid(0, 1);
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--")) {
            kept << arguments.mid(i);
            break;
        }
        QString name = argument;
        if (!name.startsWith(QLatin1Char('-')) || name == QLatin1String("-")) {
            kept << argument;
            continue;
        }
        name.remove(0, name.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        const QString bare = equals < 0 ? name : name.left(equals);
        if (QtFlags.contains(bare))
            continue;
        if (QtOptionsWithValue.contains(bare)) {
            if (equals < 0)
                ++i; // the value that follows
            continue;
        }
        kept << argument;
    }
    return kept;
}

// The options the program knows; the texts are for the usage only.
struct KnownOptions
{
    QCommandLineOption help {{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption version {{QStringLiteral("v"), QStringLiteral("version")}};
};

} // namespace

bool AsksForTextOnly(const QStringList &arguments)
{
    // An option the program does not know is refused with a text as well: the refusal needs no
    // display, and without one a desktop application object would end the program first.
    QCommandLineParser parser;
    const KnownOptions known;
    parser.addOption(known.help);
    parser.addOption(known.version);
    if (!parser.parse(WithoutQtOptions(arguments)))
        return true;
    return parser.isSet(known.help) || parser.isSet(known.version);
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
    if (!parser.parse(WithoutQtOptions(arguments))) {
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
