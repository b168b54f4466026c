#include "templates/drawtemplate.h"

#include "calc/driver.h"

namespace velmora {

TemplateEngineAnswer CalcTemplateEngine(const TProject &project, int regime, const CalcArgs &args)
{
    CalcRun run;
    TemplateEngineAnswer answer;
    if (CalcProject(project, TemplateCalculation, args, run, nullptr, regime)
        != CalcOutcome::Done) {
        if (!run.warning.empty())
            answer.warnings.push_back(run.warning);
        return answer;
    }
    answer.ok = true;
    answer.gamma = run.TemplateGamma;
    answer.napr = run.TemplateNapr;
    return answer;
}

} // namespace velmora
