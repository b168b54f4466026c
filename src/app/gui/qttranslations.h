#pragma once

#include "l10n/coretexts.h"

namespace velmora {

// Qt's own texts (standard buttons, file dialogs, "already exists… replace it?") follow the
// language lang: Qt's Russian catalogue from Qt's translations folder when the language
// is Russian, Qt's built-in English otherwise. Called at start-up and after every change of
// language. Returns false when the Russian catalogue is wanted but cannot be loaded (Qt's
// texts then stay English).
bool ApplyQtTranslations(Lang lang);

} // namespace velmora
