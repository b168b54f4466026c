#pragma once

#include "calc/stringing.h"

class QChart;

namespace velmora {

// Puts the sag of each span and of the reduced span against the air temperature into chart
// (its former series and axes go): one line per span, the reduced span dashed; the axes set
// here with their titles and units, the temperature axis over From..To, the sag axis from 0.
// The legend names the spans while there are few enough to read.
void FillSagChart(QChart &chart, const SectionTable &entry);

// Empties chart: no series, no axes.
void ClearSagChart(QChart &chart);

} // namespace velmora
