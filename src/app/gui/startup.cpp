#include "gui/startup.h"

#include "gui/appwindows.h"
#include "gui/commandline.h"
#include "gui/formmain.h"
#include "gui/guard.h"
#include "gui/platform.h"
#include "gui/program.h"
#include "gui/programcontext.h"
#include "gui/prompts.h"
#include "gui/qttranslations.h"
#include "gui/uitext.h"
#include "l10n/localization.h"
#include "l10n/settings.h"

#include <memory>

#include <QApplication>
#include <QLocale>

namespace velmora {

QString FatalErrorText()
{
    return ByLanguage(QStringLiteral("Program error.\n\n"
                                     "Please contact the developers of the program.\n\n"
                                     "Velmora support, Orbelan\n"
                                     "E-mail: support@velmora.example"),
                      QStringLiteral("Ошибка в работе программы.\n\n"
                                     "Пожалуйста, обратитесь к разработчикам программы.\n\n"
                                     "Служба поддержки Velmora, Орбелан\n"
                                     "Эл. почта: support@velmora.example"));
}

QString FatalErrorText(const QString &error)
{
    const QString text = FatalErrorText();
    const QString shown = ErrorReportText(error);
    if (shown.isEmpty())
        return text;
    const qsizetype firstLine = text.indexOf(QStringLiteral("\n\n"));
    return text.left(firstLine) + QStringLiteral("\n\n") + shown + text.mid(firstLine);
}

namespace {

// The platform's settings store, for the whole run.
SettingsStore &PlatformSettings()
{
    static QtSettingsStore settings;
    return settings;
}

} // namespace

ProgramContext &StartLocalization(SettingsStore &store)
{
    QLocale::setDefault(QLocale::c());
    // The run's context: the windows of a run that ends without the loop (tests) keep it.
    static std::unique_ptr<ProgramContext> context;
    context.reset();
    context = std::make_unique<ProgramContext>(store, SystemLanguageName());
    ApplyQtTranslations(context->Language());
    QApplication::setApplicationName(AppTitle);
    return *context;
}

namespace {

// Runs a part of the program; an error that escapes it shows the bilingual fatal message with
// the error's own text, and the program ends with 1.
int UnlessFatal(const std::function<int()> &part)
{
    QString error;
    try {
        return part();
    } catch (const std::exception &e) {
        error = ErrorMessage(e);
    } catch (...) {
    }
    CurrentPrompts().Message(FatalErrorText(error));
    return 1;
}

// RunProgram after the localization.
int RunWindows(ProgramContext &program, bool runLoop,
               const std::function<void(int position)> &beforeEach, const QString &projectFile)
{
    CreateAppWindows(program, beforeEach);
    TFormMain *main = MainWindow();
    if (runLoop)
        main->show();
    // A file that fails is reported and the program goes on with the new project.
    if (!projectFile.isEmpty())
        Guarded([main, &projectFile] { main->OpenProjectFile(projectFile); });
    if (!runLoop)
        return 0;
    const int status = QApplication::exec();
    DestroyAppWindows();
    return status;
}

} // namespace

int RunProgram(bool runLoop, const std::function<void(int position)> &beforeEach,
               const QString &projectFile, SettingsStore *store)
{
    return UnlessFatal([&] {
        ProgramContext &program = StartLocalization(store ? *store : PlatformSettings());
        return RunWindows(program, runLoop, beforeEach, projectFile);
    });
}

int StartProgram(const QStringList &arguments)
{
    return UnlessFatal([&arguments] {
        if (AsksForTextOnly(arguments))
            return AnswerTextOnly(arguments);
        ProgramContext &program = StartLocalization(PlatformSettings());
        const CommandLineAnswer answer = AnswerCommandLine(arguments);
        if (answer.status)
            return *answer.status;
        return RunWindows(program, true, {}, answer.projectFile);
    });
}

} // namespace velmora
