#pragma once

#include "gui/stringing/stringinggrid.h"

#include <QString>

class QPagedPaintDevice;

namespace velmora {

// What a printout of one section's stringing table shows: a title and a summary line on top
// of every page, the grid (as many temperature columns beside each other as the page width
// takes, further ones on following pages, the heading repeated on every page), then the
// plot on a page of its own.
struct StringingPrintout
{
    QString title;
    QString summary;
    StringingGrid grid;
    const SectionTable *table = nullptr; // its plot; none: no plot page
};

// Paints printout on device (a printer, or a PDF writer). Returns the number of pages.
int PrintStringing(QPagedPaintDevice &device, const StringingPrintout &printout);

} // namespace velmora
