#pragma once

#include "calc/driver.h"

namespace velmora {

// The report a full calculation (CalcPurpose::Full) fills while it runs. The driver calls it at
// fixed steps. The core's workbook writer is ExcelReport (report/excel_report.h); the desktop
// program wraps it in its save dialog and wait window.
//
//   Begin            once, after the refined ice is known, before the span count. false =
//                    cancelled (the desktop's save dialog): the driver returns at once and
//                    calls nothing else. Otherwise opens the template workbook and writes the
//                    input block (run.wire, run.Ki, run.Kd and run.b are set). If Begin
//                    throws, nothing else is called either.
//   RepeatSpanBlocks once, when more than one span is calculated (run.n > 1): repeat the
//                    span block n times so that there is one block per entry of run.spans.
//   WriteMode        once per taken mode, in ascending mode order, after the mode's results
//                    are in run: the loads, the critical spans and mode column `column`
//                    (1 for the first taken mode) with all span blocks of mode `mode` (1..17).
//   Finish           at the end of a run that got through: save (the desktop then opens the
//                    file and closes its wait window). Also reached when nothing was
//                    calculated (run.n <= 1).
//   Drop             instead of Finish, when the critical-span check failed (run.warning
//                    holds its text) or when an error leaves the driver (the error then goes
//                    on to the caller): discard the workbook unsaved (the desktop closes its
//                    wait window). Drop must not throw.
//
// After a Begin that returned true the run ends with Finish or with Drop; a Finish that throws
// is followed by Drop, so that the wait window closes in one place.
class CalcReport
{
public:
    virtual ~CalcReport() = default;

    virtual bool Begin(const TProject &project, const CalcArgs &args, const CalcRun &run) = 0;
    virtual void RepeatSpanBlocks(int n) = 0;
    virtual void WriteMode(const CalcRun &run, int column, int mode) = 0;
    virtual void Finish() = 0;
    virtual void Drop() noexcept = 0;
};

} // namespace velmora
