#include "gui/programcontext.h"

#include "common/error.h"
#include "l10n/localization.h"
#include "report/report_template.h"
#include "report/stringing_report.h"

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

// The contexts alive, the last made last. Never destroyed: start-up keeps its context in a
// static, which may be destroyed after this list at exit and still takes itself off it.
std::vector<ProgramContext *> &AliveContexts()
{
    static auto *alive = new std::vector<ProgramContext *>;
    return *alive;
}

} // namespace

ProgramContext::ProgramContext(SettingsStore &store, const std::string &systemLanguageName)
    : m_store(store)
{
    const StartSettings settings = ReadStartSettings(store, systemLanguageName);
    m_language = settings.language;
    m_units = settings.units;
    AliveContexts().push_back(this);
}

ProgramContext::~ProgramContext()
{
    std::vector<ProgramContext *> &alive = AliveContexts();
    alive.erase(std::remove(alive.begin(), alive.end(), this), alive.end());
}

void ProgramContext::SetLanguage(int index)
{
    m_language = index;
    StoreLanguage(m_store, index);
}

void ProgramContext::SetUnits(int mode)
{
    m_units = mode;
    StoreUnits(m_store, mode);
}

std::string ProgramContext::ReportForm() const
{
    return ReportTemplateName(Language(), static_cast<int>(Units()));
}

std::string ProgramContext::StringingForm() const
{
    return StringingFormName(Language() == Lang::English, static_cast<int>(Units()));
}

ProgramContext &Program()
{
    ProgramContext *context = ProgramIfMade();
    if (!context)
        throw Error("the program's context is not made yet");
    return *context;
}

ProgramContext *ProgramIfMade()
{
    const std::vector<ProgramContext *> &alive = AliveContexts();
    return alive.empty() ? nullptr : alive.back();
}

} // namespace velmora
