#pragma once

#include "calc/stringing.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace velmora {

// A section's stringing table as the window shows, copies and prints it: the heading (No.,
// Span, m, then one column per temperature), a row per span (its number, its length, its
// sags), the row of the reduced span and the row of the tensile force. Sags and l_r with two
// decimals, forces through forceFactor (1 for daN with one decimal, 0.01 for kN with three),
// in the current language.
struct StringingGrid
{
    QStringList heading;
    QList<QStringList> rows;
    int reducedRow = 0; // index in rows of the l_r row; the force row follows it
};

StringingGrid StringingGridOf(const SectionTable &entry, double forceFactor);

// The grid as a spreadsheet takes it from the clipboard: cells separated by tabs, lines by
// "\n", the heading first.
QString TabSeparated(const StringingGrid &grid);

// The text of a table number: fixed decimals, "." as the point whatever the locale.
QString FixedText(double value, int decimals);

} // namespace velmora
