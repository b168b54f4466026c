#include "gui/guard.h"
#include "gui/uitext.h"

#include "gui/prompts.h"

#include <exception>

namespace velmora {

QString ErrorReportText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

bool Guarded(const std::function<void()> &action)
{
    QString message;
    try {
        action();
        return true;
    } catch (const std::exception &e) {
        message = ErrorMessage(e);
    } catch (...) {
        message = QStringLiteral("Unknown error");
    }
    CurrentPrompts().Error(ErrorReportText(message));
    return false;
}

} // namespace velmora
