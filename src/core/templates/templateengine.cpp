#include "templates/drawtemplate.h"

#include "calc/driver.h"

namespace velmora {

TemplateEngine CalcTemplateEngine(const TWireRec &wire, Lang lang)
{
    return [wire, lang](const TProject &project, int mode, const CalcArgs &args) {
        CalcRun run;
        TemplateEngineAnswer answer;
        if (CalcProject(project, wire, CalcPurpose::Template, args, lang, run, mode)
            != CalcOutcome::Done) {
            if (!run.warning.empty())
                answer.warnings.push_back(run.warning);
            return answer;
        }
        answer.ok = true;
        answer.gamma = run.TemplateGamma;
        answer.napr = run.TemplateNapr;
        return answer;
    };
}

} // namespace velmora
