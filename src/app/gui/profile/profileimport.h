#pragma once

#include "data/lineprofile.h"
#include "l10n/coretexts.h"

#include <QString>

namespace velmora {

// The kinds of the line's records the profile window imports from a file.
enum class LineImportKind { Ground, Types, Towers, Crossings, Forbidden };

// A file's records read for the profile window: the project's line with them in place, and
// the question that shows them as read before anything is replaced.
struct LineImport
{
    LineProfile line;
    QString question; // what and how many, the first records as read, the encoding; "take them?"
};

// Reads the file at path (through the program's one reader, which refuses pipes, devices,
// folders and oversized files) with the core's reader of kind: text, or for the ground also a
// LandXML document. Towers find their types among current's; tower types that current's
// towers use and the file lacks are kept after the file's, so that no tower loses its type.
// Throws velmora::Error with the reader's text (naming the file, the line and the field).
LineImport ReadLineImport(LineImportKind kind, const QString &path, const LineProfile &current,
                          Lang lang);

} // namespace velmora
