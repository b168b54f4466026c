#include "gui/commandline.h"
#include "gui/guardedapplication.h"
#include "gui/startup.h"

int main(int argc, char *argv[])
{
    velmora::GuardedApplication app(argc, argv);
    velmora::StartLocalization();
    if (const std::optional<int> status = velmora::AnswerCommandLine(app.arguments()))
        return *status;
    return velmora::RunProgram(true, {}, velmora::ProjectFileArgument(app.arguments()));
}
