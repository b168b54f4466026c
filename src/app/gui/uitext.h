#pragma once

#include "l10n/coretexts.h"
#include "l10n/localization.h"

#include <QString>

#include <exception>

namespace velmora {

// The string-table text of key in the current language, its CR LF line breaks as Qt's "\n".
inline QString UiText(const char *key)
{
    return QString::fromStdString(GetText(key)).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// One of two built-in texts by the current language.
inline QString ByLanguage(const QString &english, const QString &russian)
{
    return IsEnglish() ? english : russian;
}

// An error's text in the current language (ErrorText), for a message box or the status bar.
inline QString ErrorMessage(const std::exception &error)
{
    return QString::fromStdString(ErrorText(error, CurrentLang()));
}

} // namespace velmora
