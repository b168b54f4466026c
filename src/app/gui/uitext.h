#pragma once

#include "gui/programcontext.h"
#include "l10n/coretexts.h"
#include "l10n/localization.h"

#include <QString>

#include <exception>

namespace velmora {

// The language of the program's context (Program()); English before start-up has made one.
inline Lang ShownLanguage()
{
    const ProgramContext *context = ProgramIfMade();
    return context ? context->Language() : Lang::English;
}

// The string-table text of key in lang, its CR LF line breaks as Qt's "\n".
inline QString UiText(const char *key, Lang lang)
{
    return QString::fromStdString(GetText(key, lang))
        .replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// The string-table text of key in the program's language.
inline QString UiText(const char *key)
{
    return UiText(key, ShownLanguage());
}

// One of two built-in texts by the program's language.
inline QString ByLanguage(const QString &english, const QString &russian)
{
    return ShownLanguage() == Lang::English ? english : russian;
}

// An error's text in the program's language (ErrorText), for a message box or the status bar.
inline QString ErrorMessage(const std::exception &error)
{
    return QString::fromStdString(ErrorText(error, ShownLanguage()));
}

} // namespace velmora
