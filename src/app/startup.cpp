#include "startup.h"

#include "appwindows.h"
#include "formmain.h"
#include "l10n/localization.h"
#include "l10n/settings.h"
#include "platform.h"
#include "program.h"
#include "prompts.h"
#include "qttranslations.h"
#include "uitext.h"

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

void StartLocalization()
{
    QLocale::setDefault(QLocale::c());
    // The platform's store unless a test installed its own.
    static QtSettingsStore settings;
    if (!CurrentSettingsStore())
        SetSettingsStore(&settings);
    InitLocalization(SystemLanguageName());
    ApplyQtTranslations();
    QApplication::setApplicationName(AppTitle);
}

int RunProgram(bool runLoop, const std::function<void(int position)> &beforeEach)
{
    try {
        StartLocalization();
        CreateAppWindows(beforeEach);
        if (!runLoop)
            return 0;
        Windows().FormMain->show();
        const int status = QApplication::exec();
        DestroyAppWindows();
        return status;
    } catch (const std::exception &) {
    } catch (...) {
    }
    CurrentPrompts().Message(FatalErrorText());
    return 1;
}

} // namespace velmora
