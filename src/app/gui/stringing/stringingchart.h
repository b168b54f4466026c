#pragma once

#include "calc/stringing.h"

class QChartView;

namespace velmora {

// Gives view a new chart of the sag of each span and of the reduced span of entry against
// the air temperature (an empty chart for no entry): one line per span, the reduced span
// dashed; the axes set here with their titles and units, the temperature axis over From..To,
// the sag axis from 0. The legend names the spans while there are few enough to read. The
// former chart is deleted: axes removed from a chart while its view is hidden stay drawn.
void ShowSagChart(QChartView &view, const SectionTable *entry);

} // namespace velmora
