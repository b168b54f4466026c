#include "gui/guardedapplication.h"
#include "gui/uitext.h"

#include "gui/prompts.h"
#include "gui/startup.h"

#include <exception>

namespace velmora {

GuardedApplication::GuardedApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        message = ErrorMessage(e);
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    CurrentPrompts().Message(FatalErrorText(message));
    exit(1);
    return false;
}

} // namespace velmora
